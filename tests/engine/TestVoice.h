#pragma once

#include "engine/InstrumentChannel.h"

#include <memory>

/**
    A voice that shows what the framework asked of it: it outputs its velocity
    while gated, keeps sounding for releaseFrames frames after release, and
    counts its starts.
*/
class TestVoice final : public SynthBase::Voice
{
public:
    static constexpr int releaseFrames = 4;

    void setParameter(int id, float value) override
    {
        if (id == SynthBase::Frequency)
            frequency = targetFrequency = value;
        else if (id == SynthBase::Velocity)
            velocity = value;
    }
    void setParameterSmoothed(int id, float value, float seconds) override
    {
        if (id != SynthBase::Frequency)
            return setParameter(id, value);
        targetFrequency = value;
        glideSeconds = seconds;
    }
    float getParameter(int id) const override
    {
        return id == SynthBase::Frequency ? targetFrequency : id == SynthBase::Velocity ? velocity : 0.0f;
    }
    void setSampleRate(float rate) override { sampleRate = rate; }
    void start() override
    {
        gate = true;
        sounding = true;
        ++starts;
    }
    void release() override
    {
        if (gate)
            framesAfterRelease = 0;
        gate = false;
    }
    bool isGateOn() const override { return gate; }
    bool renderFrame(int numOutputs, float* out) override
    {
        out[0] = out[1] = velocity;
        lastOutput = velocity;
        if (! gate && ++framesAfterRelease >= releaseFrames)
            sounding = false;
        return ! sounding;
    }
    void renderTail(int numOutputs, float* out) override { out[0] = out[1] = lastOutput; }

    float getRate() const { return sampleRate; }

    float frequency = 0.0f;
    float targetFrequency = 0.0f;
    float glideSeconds = 0.0f;
    float velocity = 0.0f;
    float lastOutput = 0.0f;
    bool gate = false;
    bool sounding = false;
    int framesAfterRelease = 0;
    int starts = 0;
};

inline std::unique_ptr<InstrumentChannel> makeTestChannel(SynthBase::EventLock lock = {})
{
    return std::make_unique<InstrumentChannel>(lock, [] { return std::make_unique<TestVoice>(); });
}

inline TestVoice& testVoice(SynthBase::Voice* voice)
{
    return *static_cast<TestVoice*>(voice);
}
