#pragma once

#include <vector>

/**
    A ring buffer of fixed capacity whose length in use can change while it
    runs. A new length mutes the line while it overwrites its whole length with
    a fading-in copy of the input; the output then fades in over 500 frames.
    Content laid out for the old length is therefore never heard.
*/
class DelayLine
{
public:
    static constexpr int capacity = 600000;

    DelayLine() : buffer(capacity) {}

    /** Takes a new length (limited to 1..capacity) and starts a refill when it differs. */
    void setLength(int frames);
    int getLength() const { return length; }

    /** Writes input plus feedback times the sample it replaces; returns the oldest sample. */
    float process(float input, float feedback);

private:
    std::vector<float> buffer;
    int length = 1;
    int refillFramesLeft = 0;
    float gain = 1.0f;
    int writeIndex = 1;
};
