#include "engine/Lfo.h"

#include "engine/MorphWave.h"

#include <algorithm>

void Lfo::setSampleRate(float newRate)
{
    sampleRate = newRate;
    rate = newRate;
}

void Lfo::start(bool keySync, float attackSeconds)
{
    ramp = 1.0f;
    if (keySync)
    {
        ramp = 0.0f;
        phase = 0.0;
    }
    rampStep = 1.0f / (attackSeconds * sampleRate);
}

float Lfo::advance(float frequency, float shape, float pwm, float phaseOffset)
{
    if (ramp < 1.0f)
        ramp = std::min(ramp + rampStep, 1.0f);

    const float foldedShape = fold(shape);
    const float width = std::max(0.015f, fold(1.0f - pwm));
    phase = wrapPhase(phase + frequency / rate);
    return morphWave(wrapPhase(phase + phaseOffset), width, foldedShape) * ramp;
}
