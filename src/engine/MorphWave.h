#pragma once

#include "engine/SineTable.h"

#include <algorithm>
#include <cmath>

/** Mirrors a value above 1 back below it and drops the sign: shapes and widths stay in 0..1 however far a rotation pushes them. */
inline float fold(float value)
{
    return std::abs(value > 1.0f ? 2.0f - value : value);
}

/** Brings a phase back into [0, 1) by whole cycles. */
inline double wrapPhase(double phase)
{
    while (phase >= 1.0)
        phase -= 1.0;
    while (phase < 0.0)
        phase += 1.0;
    return phase;
}

/**
    The table oscillator: one sine period squeezed into the first `width` of the
    cycle, morphed towards its sign (a square or pulse) by `shape`. Past the
    squeezed period the read holds at 0.9999 of it, a value just below zero, so
    the rest of the cycle is near-silence or, at shape 1, the pulse's low part.
*/
inline float morphWave(double phase, float width, float shape)
{
    constexpr float signTable[2] = { -1.0f, 1.0f };
    const double x = std::min(phase / width, 0.9999);
    const float s = sineTable.read(x);
    const float q = signTable[s > 0.0f];
    return s + (q - s) * shape;
}
