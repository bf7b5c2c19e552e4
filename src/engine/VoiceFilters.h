#pragma once

#include "engine/FilterOffsetEnvelope.h"
#include "engine/LowpassSection.h"

/**
    A voice's high-pass and low-pass filters, both tuned from the played
    frequency every frame, with the low-pass's offset envelope and velocity
    scaling.
*/
class VoiceFilters
{
public:
    /** Per-frame controls: "Osc 1 HP freq", "Osc 1 HP reso", "Osc 1 LP freq", "Osc 1 LP reso". */
    struct Controls
    {
        float hpFreq = 0.0f;
        float hpReso = 0.0f;
        float lpFreq = 0.0f;
        float lpReso = 0.0f;
    };

    /** Also forgets the high-pass's memory, which notes otherwise hand on to each other. */
    void setSampleRate(float rate);

    /** Note start: the offset envelope and velocity scaling for the note, and a clean low-pass. */
    void start(float lpOffset, float lpTime, float lpVelocityFactor, float lpOffsetVelocityFactor);

    /** Filters one sample; lfo is this frame's LFO value and the depths its high-pass and low-pass amounts. */
    float process(float x, float oscFrequency, float lfo, float hpDepth, float lpDepth, const Controls& controls);

private:
    float highpass(float x, float oscFrequency, float lfo, float hpDepth, const Controls& controls);
    float lowpass(float x, float oscFrequency, float lfo, float lpDepth, const Controls& controls);

    LowpassSection highpassSection;
    LowpassSection lowpassSection;
    FilterOffsetEnvelope offsetEnvelope;
    float lpVelocityFactor = 1.0f;
    float reciprocalRate = 1.0f / 44100.0f;
};
