#pragma once

#include "engine/SynthBase.h"

/** The instrument's voice (its sound arrives with the voice work; it is silent until then). */
class InstrumentVoice final : public SynthBase::Voice
{
public:
    void setParameter(int id, float value) override;
    void setParameterSmoothed(int id, float value, float seconds) override;
    float getParameter(int id) const override;
    void setSampleRate(float rate) override { sampleRate = rate; }
    void start() override { gate = true; }
    void release() override { gate = false; }
    bool isGateOn() const override { return gate; }
    bool renderFrame(int numOutputs, float* out) override { return ! gate; }
    void renderTail(int numOutputs, float* out) override {}

private:
    float frequency = 400.0f;
    float velocity = 0.0f;
    bool gate = false;
};
