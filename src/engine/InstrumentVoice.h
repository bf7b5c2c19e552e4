#pragma once

#include "engine/AmpEnvelope.h"
#include "engine/EngineParameters.h"
#include "engine/Glide.h"
#include "engine/Lfo.h"
#include "engine/ModulationDepths.h"
#include "engine/SphereOscillator.h"
#include "engine/SynthBase.h"
#include "engine/VelocityFactors.h"
#include "engine/VoiceFilters.h"

/**
    The instrument's voice: the sphere oscillator one octave above the played
    note, shaped by the amplitude envelope and velocity, then the high-pass and
    low-pass filters, all modulated by the voice's LFO. It renders one mono
    sample per frame onto every output.

    Values fixed for the note are read from the channel's parameter targets at
    start(); the rest are read every frame from the smoothed current values, so
    a sphere move glides through those and lands at once on the others.
*/
class InstrumentVoice final : public SynthBase::Voice
{
public:
    void setParameter(int id, float value) override;
    void setParameterSmoothed(int id, float value, float seconds) override;
    float getParameter(int id) const override;
    void setSampleRate(float rate) override;
    void start() override;
    void release() override;
    bool isGateOn() const override { return gate; }
    bool renderFrame(int numOutputs, float* out) override;
    void renderTail(int numOutputs, float* out) override;

    /** The oscillator's shape and pulse width in the last rendered frame, after the rotations. */
    float getOscShape() const { return oscillator.getShape(); }
    float getOscWidth() const { return oscillator.getWidth(); }

private:
    float current(EngineParameter::Index index) const { return owner->getParameterValue(index); }
    float target(EngineParameter::Index index) const { return owner->getParameterTarget(index); }
    float oscillatorFrequency(float lfoValue, float pitchDepth) const;

    Glide glide { 400.0f };
    float velocity = 0.0f;
    bool gate = false;

    SphereOscillator oscillator;
    Lfo lfo;
    ModWheelWeights wheelWeights;
    AmpEnvelope envelope;
    VelocityFactors velocityFactors;
    VoiceFilters filters;

    float lastOutput = 0.0f; ///< the value the fade-out starts from
    float tailGain = 0.0f;
};
