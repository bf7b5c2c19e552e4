#include "engine/VoiceFilters.h"

#include <algorithm>

void VoiceFilters::setSampleRate(float rate)
{
    reciprocalRate = 1.0f / rate;
    highpassSection.setSampleRate(rate);
    lowpassSection.setSampleRate(rate);
    highpassSection.clear();
}

void VoiceFilters::start(float lpOffset, float lpTime, float lpFactor, float lpOffsetFactor)
{
    lpVelocityFactor = lpFactor;
    offsetEnvelope.start(lpOffset, lpTime, lpOffsetFactor, reciprocalRate);
    lowpassSection.clear();
}

float VoiceFilters::process(float x, float oscFrequency, float lfo, float hpDepth, float lpDepth,
                            const Controls& controls)
{
    return lowpass(highpass(x, oscFrequency, lfo, hpDepth, controls), oscFrequency, lfo, lpDepth, controls);
}

float VoiceFilters::highpass(float x, float oscFrequency, float lfo, float hpDepth, const Controls& controls)
{
    const float h = controls.hpFreq;
    const float cutoff = std::clamp(h * h * (hpDepth * lfo * 24.0f + 24.0f) * oscFrequency, 20.0f, 20000.0f);
    // Low-pass output minus input: a high-pass of inverted polarity, which is the instrument's sound.
    return highpassSection.process(x, cutoff, 3.0f - controls.hpReso) - x;
}

float VoiceFilters::lowpass(float x, float oscFrequency, float lfo, float lpDepth, const Controls& controls)
{
    const float l = controls.lpFreq;
    const float base = offsetEnvelope.apply((l * l * (20000.0f - oscFrequency) + oscFrequency) * lpVelocityFactor);
    // Softer notes resonate more; the floor caps the resonance at a Q of 25.
    const float damping = std::max(0.04f, (3.0f - controls.lpReso) * lpVelocityFactor);
    const float cutoff = std::clamp(base * (lpDepth * lfo + 1.0f), 60.0f, 15000.0f);
    return lowpassSection.process(x, cutoff, damping);
}
