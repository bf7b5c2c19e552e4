#include "engine/ChorusLine.h"

#include <cmath>
#include <numbers>

namespace
{
constexpr float twoPi = 2.0f * std::numbers::pi_v<float>;
} // namespace

ChorusLine::ChorusLine(float rate, float startPhase) : buffer(size), sampleRate(rate), phase(startPhase) {}

void ChorusLine::setSampleRate(float rate)
{
    sampleRate = rate;
    writeIndex = 0;
}

float ChorusLine::process(float x, const Settings& settings)
{
    const int delayFrames = static_cast<int>(sampleRate * settings.depth * 0.5f);
    writeIndex = (writeIndex + 1) % size;
    buffer[static_cast<size_t>(writeIndex)] = x;
    const int readIndex = (writeIndex - delayFrames + size) % size;

    // Offset by a whole buffer so that the swing below readIndex stays positive.
    const float position = static_cast<float>(size + readIndex)
                           + static_cast<float>(delayFrames) * std::sin(phase);
    phase = std::fmod(phase + settings.rate / sampleRate * twoPi, twoPi);

    const int i = static_cast<int>(position) % size;
    const float frac = position - std::floor(position);
    const float current = buffer[static_cast<size_t>(i)];
    const float next = buffer[static_cast<size_t>((i + 1) % size)];
    return x + (current + (next - current) * frac) * settings.level;
}
