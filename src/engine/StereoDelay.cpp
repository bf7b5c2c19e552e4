#include "engine/StereoDelay.h"

#include <algorithm>

namespace
{
constexpr float minimumLengthFrames = 200.0f;
} // namespace

StereoDelay::StereoDelay(float rate) : sampleRate(rate), inputFilter(rate) {}

void StereoDelay::setSampleRate(float rate)
{
    sampleRate = rate;
    inputFilter.setSampleRate(rate);
}

void StereoDelay::updateLengths(float lengthNormalized)
{
    // Engine rates above about 600 kHz (hosts at 352.8 or 384 kHz) would ask for
    // more than the buffers hold: the longest delay is cut to fit.
    const int length = std::min(static_cast<int>(lengthNormalized * sampleRate + minimumLengthFrames),
                                DelayLine::capacity);
    feedbackLine.setLength(length);
    halfTapLine.setLength(length / 2);
    fullTapLine.setLength(length);
}

StereoFrame StereoDelay::process(float x, const Settings& settings)
{
    updateLengths(settings.lengthNormalized);

    const float fb = settings.feedback;
    const float f = inputFilter.process(x, settings.highPass, settings.lowPass);
    const float fed = feedbackLine.process(f * fb, fb);
    const float early = halfTapLine.process(fed + f, 0.0f);
    const float late = fullTapLine.process(fed + f, 0.0f) * fb;

    const float w = settings.width;
    const float m = settings.mix;
    const float left = (late + early) * (1.0f - w) + early * w;
    const float right = (late + left) * (1.0f - w) + late * w;
    const float dry = (1.0f - m) * x;
    return { left * m + dry, right * m + dry };
}
