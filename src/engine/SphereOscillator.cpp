#include "engine/SphereOscillator.h"

#include "engine/MorphWave.h"

#include <cmath>

float Rotation::advance(float step)
{
    const float value = sineTable.read(phase);
    phase = std::fmod(phase + step, 1.0f);
    return value;
}

void SphereOscillator::setSampleRate(float newRate)
{
    sampleRate = newRate;
    rate = newRate;
}

void SphereOscillator::resetRotations()
{
    rotationX.reset();
    rotationY.reset();
}

float SphereOscillator::render(float frequency, const Controls& controls)
{
    const float sx = rotationX.advance(controls.rotationFreqX / sampleRate);
    const float sy = rotationY.advance(controls.rotationFreqY / sampleRate);
    shape = fold(controls.shape + controls.rotationMagY * sy);
    width = std::max(0.015f, fold((1.0f - controls.pwm) + controls.rotationMagX * sx));

    phase = wrapPhase(phase + frequency / rate);
    return morphWave(phase, width, shape);
}
