#pragma once

#include "engine/LowpassSection.h"

/**
    Band-limits what enters the delay: a high-pass (formed as low-pass output
    minus input, so it inverts polarity) followed by a low-pass.
*/
class DelayInputFilter
{
public:
    explicit DelayInputFilter(float rate) { setSampleRate(rate); }

    /** The high-pass starts over at a new rate; the low-pass keeps its memory. */
    void setSampleRate(float rate);

    /** highPass and lowPass are the 0..1 knob values; the cutoffs grow with their squares. */
    float process(float x, float highPass, float lowPass);

private:
    LowpassSection highPassSection;
    LowpassSection lowPassSection;
};
