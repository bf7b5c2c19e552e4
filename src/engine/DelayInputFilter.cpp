#include "engine/DelayInputFilter.h"

#include <algorithm>

namespace
{
constexpr float damping = 0.7f;
constexpr float cutoffScale = 20000.0f;
} // namespace

void DelayInputFilter::setSampleRate(float rate)
{
    highPassSection.setSampleRate(rate);
    highPassSection.clear();
    lowPassSection.setSampleRate(rate);
}

float DelayInputFilter::process(float x, float highPass, float lowPass)
{
    const float highCutoff = std::clamp(highPass * highPass * cutoffScale, 20.0f, 20000.0f);
    const float h = highPassSection.process(x, highCutoff, damping) - x;
    const float lowCutoff = std::clamp(lowPass * lowPass * cutoffScale, 60.0f, 15000.0f);
    return lowPassSection.process(h, lowCutoff, damping, LowpassSection::Precision::singleQuotient);
}
