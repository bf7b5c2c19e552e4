#pragma once

#include <array>

/**
    Three-band equaliser: two cascades of four one-pole low-passes split the
    input at 600 Hz and 3100 Hz. The high band is the input three frames late
    minus the upper cascade, so with unity gains the bands add up to the input
    delayed by three frames.
*/
class Equaliser
{
public:
    struct Gains
    {
        float low = 1.0f;
        float mid = 1.0f;
        float high = 1.0f;
    };

    explicit Equaliser(float rate) { setSampleRate(rate); }

    /** The split coefficients use the whole-number part of the rate. */
    void setSampleRate(float rate);
    float process(float x, const Gains& gains);

private:
    class Cascade
    {
    public:
        void setCutoff(float frequency, float wholeRate);
        float process(float x);

    private:
        float coefficient = 0.0f;
        std::array<float, 4> stages {};
    };

    Cascade lowSplit;  ///< 600 Hz
    Cascade highSplit; ///< 3100 Hz
    std::array<float, 3> history {}; ///< x[n-1], x[n-2], x[n-3]
};
