#include "engine/ChannelEffects.h"

#include <numbers>
#include <utility>

namespace
{
constexpr float volumeScale = 0.18f;
} // namespace

ChannelEffects::ChannelEffects(float rate)
    : equaliser(rate), delay(rate), leftChorus(rate, 0.0f), rightChorus(rate, std::numbers::pi_v<float>)
{
}

void ChannelEffects::setSampleRate(float rate)
{
    delay.setSampleRate(rate);
    leftChorus.setSampleRate(rate);
    rightChorus.setSampleRate(rate);
    equaliser.setSampleRate(rate);
}

void ChannelEffects::process(float* frame, const EffectSettings& settings)
{
    const float eq = equaliser.process(frame[0], settings.equaliser);
    const StereoFrame delayed = delay.process(eq, settings.delay);
    float left = leftChorus.process(delayed.left, settings.chorus);
    float right = rightChorus.process(delayed.right, settings.chorus);
    if (settings.swapChannels)
        std::swap(left, right);
    const float gain = settings.volume * volumeScale;
    frame[0] = left * gain;
    frame[1] = right * gain;
}
