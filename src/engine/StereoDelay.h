#pragma once

#include "engine/DelayInputFilter.h"
#include "engine/DelayLine.h"

struct StereoFrame
{
    float left = 0.0f;
    float right = 0.0f;
};

/**
    The filtered stereo delay: a feedback line feeds two tap lines, one of the
    full length and one of half of it, whose outputs are spread over the two
    sides by the width and mixed with the dry input.
*/
class StereoDelay
{
public:
    struct Settings
    {
        float lengthNormalized = 0.0f; ///< 0..1: 0..1 s plus 200 frames
        float feedback = 0.0f;
        float width = 0.0f;
        float highPass = 0.0f;
        float lowPass = 1.0f;
        float mix = 0.0f;
    };

    explicit StereoDelay(float rate);

    /** The lines keep their content; their lengths follow on the next frame. */
    void setSampleRate(float rate);
    StereoFrame process(float x, const Settings& settings);

private:
    void updateLengths(float lengthNormalized);

    float sampleRate = 0.0f;
    DelayInputFilter inputFilter;
    // Both tap lines are fed by a feedback line with the same input and
    // settings; one line serves as both, since their outputs are identical.
    DelayLine feedbackLine;
    DelayLine halfTapLine;
    DelayLine fullTapLine;
};
