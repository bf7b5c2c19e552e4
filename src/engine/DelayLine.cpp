#include "engine/DelayLine.h"

#include <algorithm>

namespace
{
// Both the refill ramp and the fade-in step by this much per frame. The fade
// adds it while the gain is below 1; in float, 500 steps stay just below 1, so
// a settled line runs at about 1.002.
constexpr float fadeStep = 0.002f;
constexpr int fadeFrames = 500;
} // namespace

void DelayLine::setLength(int frames)
{
    frames = std::clamp(frames, 1, capacity);
    if (frames == length)
        return;
    length = frames;
    refillFramesLeft = frames;
}

float DelayLine::process(float input, float feedback)
{
    writeIndex = (writeIndex + 1) % length;

    if (refillFramesLeft < 1)
    {
        if (gain < 1.0f)
            gain += fadeStep;
        float& slot = buffer[static_cast<size_t>(writeIndex)];
        slot = feedback * slot + input;
        return gain * buffer[static_cast<size_t>((writeIndex + 1) % length)];
    }

    if (--refillFramesLeft == 0)
        gain = 0.0f;
    const int refilled = length - refillFramesLeft;
    const float ramp = refilled < fadeFrames ? static_cast<float>(refilled) * fadeStep : 1.0f;
    buffer[static_cast<size_t>(writeIndex)] = ramp * input;
    return 0.0f;
}
