#pragma once

#include "engine/ChannelEffects.h"
#include "engine/EngineParameters.h"
#include "engine/SynthBase.h"

/**
    The instrument's channel: the 55 engine parameters, the note, pedal, bend
    and wheel handling, and the channel effects on the summed voices.
*/
class InstrumentChannel final : public SynthBase::Channel
{
public:
    static constexpr int tailFrames = 300;

    InstrumentChannel(SynthBase::EventLock lock, const VoiceFactory& makeVoice);

    bool isLegato() const override;
    float getPitchBend() const override { return pitchBendValue; }
    float getPitchBendRange() const override { return pitchBendRange; }
    float getModWheel() const override { return modWheel; }

    void noteOn(int midiChannel, int note, int frameTime, bool onRenderThread, float velocity) override;
    void noteOff(int midiChannel, int note, int frameTime, bool onRenderThread, float velocity) override;
    void pitchBend(int midiChannel, int frameTime, bool onRenderThread, float value) override;
    void controller(int midiChannel, int number, int frameTime, bool onRenderThread, float value) override;

    int getTailFrames() const override { return tailFrames; }
    void beginBlock(std::int64_t startFrame, int numFrames) override;
    /** The channel keeps its own rate; the store keeps smoothing at the construction rate. */
    void setSampleRate(float rate) override;

protected:
    void handleEvent(const SynthEvent& event) override;
    void processEffects(float* frame) override;

private:
    void queueNote(SynthEventType type, int note, int frameTime, bool onRenderThread, float velocity);
    void startNote(const SynthEvent& event);
    EffectSettings currentEffectSettings() const;

    float pitchBendRange = 0.0f; ///< whole semitones, fixed for a block
    float pitchBendValue = 0.0f; ///< -1..1
    float modWheel = 0.0f;
    float engineRate = 0.0f; ///< unset until the constructor's first setSampleRate
    ChannelEffects effects { constructionRate };
};
