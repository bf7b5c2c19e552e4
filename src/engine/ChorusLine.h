#pragma once

#include <vector>

/**
    One side of the chorus: a tap that a sine sweeps between 0 and twice the
    delay behind the newest sample, read with linear interpolation and added
    to the input.
*/
class ChorusLine
{
public:
    static constexpr int size = 200000;

    struct Settings
    {
        float depth = 0.0f; ///< seconds: how far the tap swings
        float rate = 0.0f;  ///< Hz
        float level = 0.0f;
    };

    /** startPhase in radians; the two sides start half a cycle apart. */
    ChorusLine(float rate, float startPhase);

    /** Restarts writing at the start of the buffer; the sweep keeps its phase. */
    void setSampleRate(float rate);
    float process(float x, const Settings& settings);

private:
    std::vector<float> buffer;
    int writeIndex = 0;
    float sampleRate = 0.0f;
    float phase = 0.0f;
};
