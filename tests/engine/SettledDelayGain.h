#pragma once

#include "engine/DelayLine.h"

/**
    The gain a delay line runs at once its fade-in is over, read from a line fed
    with ones. The fade's float steps overshoot 1 slightly, so tests take the
    value from a line rather than assuming 1.
*/
inline float settledDelayGain()
{
    DelayLine line;
    line.setLength(200);
    for (int i = 0; i < 1000; ++i)
        line.process(1.0f, 0.0f);
    return line.process(1.0f, 0.0f);
}
