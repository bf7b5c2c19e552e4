#include "engine/Equaliser.h"

#include <cmath>
#include <numbers>

namespace
{
// Added to each cascade's first stage so that silence settles on a tiny
// constant instead of decaying into denormals.
constexpr float denormalGuard = 0x1p-32f;
} // namespace

void Equaliser::Cascade::setCutoff(float frequency, float wholeRate)
{
    coefficient = 2.0f * std::sin(std::numbers::pi_v<float> * frequency / wholeRate);
}

float Equaliser::Cascade::process(float x)
{
    stages[0] += denormalGuard + (x - stages[0]) * coefficient;
    for (size_t i = 1; i < stages.size(); ++i)
        stages[i] += (stages[i - 1] - stages[i]) * coefficient;
    return stages.back();
}

void Equaliser::setSampleRate(float rate)
{
    const float wholeRate = std::trunc(rate);
    lowSplit.setCutoff(600.0f, wholeRate);
    highSplit.setCutoff(3100.0f, wholeRate);
}

float Equaliser::process(float x, const Gains& gains)
{
    const float low = lowSplit.process(x);
    const float belowHigh = highSplit.process(x);
    const float delayed = history[2];
    history = { x, history[0], history[1] };
    return low * gains.low + (belowHigh - low) * gains.mid + (delayed - belowHigh) * gains.high;
}
