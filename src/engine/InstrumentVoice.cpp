#include "engine/InstrumentVoice.h"

#include "engine/InstrumentChannel.h"

#include <cmath>

using namespace EngineParameter;

void InstrumentVoice::setParameter(int id, float value)
{
    if (id == SynthBase::Frequency)
        glide.set(value);
    else if (id == SynthBase::Velocity)
        velocity = value;
}

void InstrumentVoice::setParameterSmoothed(int id, float value, float seconds)
{
    if (id == SynthBase::Frequency)
        glide.glideTo(value, seconds, sampleRate);
    else
        setParameter(id, value);
}

float InstrumentVoice::getParameter(int id) const
{
    if (id == SynthBase::Frequency)
        return glide.getTarget();
    if (id == SynthBase::Velocity)
        return velocity;
    return 0.0f;
}

void InstrumentVoice::setSampleRate(float rate)
{
    sampleRate = rate;
    oscillator.setSampleRate(rate);
    lfo.setSampleRate(rate);
    filters.setSampleRate(rate);
}

void InstrumentVoice::start()
{
    gate = true;
    // Without key sync the rotations carry on from this voice's last note.
    if (target(RotationKeySync) > 0.5f)
        oscillator.resetRotations();

    envelope.start(target(OscAttack), target(OscDecay), target(OscSustain), target(OscRelease), sampleRate);
    lfo.start(target(LfoKeySync) > 0.5f, target(LfoAttack));

    // The offset envelope scales with this note's velocity, so the factors come first.
    velocityFactors = VelocityFactors::forVelocity(velocity, target(GainVelMod), target(LpFreqVelMod),
                                                   target(LpOffsetVelMod));
    wheelWeights = { target(LfoGainModWheel), target(LfoHpModWheel), target(LfoLpModWheel),
                     target(LfoPitchModWheel) };
    filters.start(target(LpOffset), target(LpTime), velocityFactors.lp, velocityFactors.lpOffset);
    oscillator.resetPhase();
}

void InstrumentVoice::release()
{
    gate = false;
    envelope.release();
}

float InstrumentVoice::oscillatorFrequency(float lfoValue, float pitchDepth) const
{
    // The 1 in the exponent puts the oscillator an octave above the note.
    const float bend = owner->getPitchBend() * owner->getPitchBendRange() / 12.0f;
    return std::exp2(1.0f + pitchDepth * lfoValue) * glide.getCurrent() * std::exp2(bend);
}

bool InstrumentVoice::renderFrame(int numOutputs, float* out)
{
    glide.advance();

    const float wheel = owner->getModWheel();
    const float lfoValue = lfo.advance(current(LfoFrequency), current(LfoShape), current(LfoPwm),
                                       current(LfoPhaseOffset));
    const ModulationDepths depths =
        wheelWeights.crossfade({ current(LfoGain), current(LfoHp), current(LfoLp), current(LfoPitch) }, wheel);

    const float oscFrequency = oscillatorFrequency(lfoValue, depths.pitch);
    // The rotation rates are read from their targets: a sphere move changes them at once.
    const float osc = oscillator.render(oscFrequency, { current(OscShape), current(OscPwm), current(RotationMagX),
                                                        current(RotationMagY), target(RotationFreqX),
                                                        target(RotationFreqY) });

    const float env = envelope.advance();
    const float sample = (depths.gain * lfoValue + 1.0f) * env * velocityFactors.gain * osc;
    const float y = filters.process(sample, oscFrequency, lfoValue, depths.hp, depths.lp,
                                    { current(HpFreq), current(HpReso), current(LpFreq), current(LpReso) });

    for (int i = 0; i < numOutputs; ++i)
        out[i] = y;

    if (env != 0.0f && envelope.getStage() != AmpEnvelope::Stage::Idle)
        return false;

    envelope.release();
    gate = false;
    lastOutput = y;
    tailGain = 1.0f;
    return true;
}

void InstrumentVoice::renderTail(int numOutputs, float* out)
{
    for (int i = 0; i < numOutputs; ++i)
        out[i] = lastOutput * tailGain;
    // The fade spans the channel's tail, whose last frame is never rendered: it ends at 2/300, not 0.
    tailGain -= 1.0f / static_cast<float>(InstrumentChannel::tailFrames);
}
