#pragma once

#include <algorithm>

/** The voice's pitch in Hz, gliding linearly towards a new target. */
class Glide
{
public:
    explicit Glide(float frequency) : current(frequency), target(frequency) {}

    /** Jumps: no glide. */
    void set(float frequency) { current = target = frequency; }

    /** Glides from where it is now; a time of 0 makes the step infinite, which lands on the target next frame. */
    void glideTo(float frequency, float seconds, float sampleRate)
    {
        target = frequency;
        step = (frequency - current) / (seconds * sampleRate);
    }

    void advance()
    {
        if (current == target)
            return;
        const float next = current + step;
        if (step > 0.0f)
            current = std::min(next, target);
        else if (step < 0.0f)
            current = std::max(next, target);
    }

    float getCurrent() const { return current; }
    float getTarget() const { return target; }

private:
    float current;
    float target;
    float step = 0.0f; ///< Hz per frame
};
