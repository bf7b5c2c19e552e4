#pragma once

#include "engine/ChorusLine.h"
#include "engine/Equaliser.h"
#include "engine/StereoDelay.h"

/** What the effect chain reads from the channel's parameters for one frame. */
struct EffectSettings
{
    Equaliser::Gains equaliser;
    StereoDelay::Settings delay;
    ChorusLine::Settings chorus;
    bool swapChannels = false;
    float volume = 1.0f;
};

/**
    The channel's effect chain on the summed voices of one frame: equaliser,
    stereo delay, chorus, channel swap and main volume, in that order. The
    voices are mono, so the chain reads its input from the left channel.
    Every buffer is allocated at construction; processing never allocates.
*/
class ChannelEffects
{
public:
    explicit ChannelEffects(float rate);

    void setSampleRate(float rate);
    void process(float* frame, const EffectSettings& settings);

private:
    Equaliser equaliser;
    StereoDelay delay;
    ChorusLine leftChorus;
    ChorusLine rightChorus;
};
