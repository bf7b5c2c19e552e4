#include "engine/InstrumentChannel.h"

#include "engine/NoteFrequencyTable.h"

#include <cmath>

using namespace EngineParameter;

InstrumentChannel::InstrumentChannel(SynthBase::EventLock lock, const VoiceFactory& makeVoice)
    : Channel(engineParameterTable, lock, makeVoice)
{
    setSampleRate(constructionRate);
}

bool InstrumentChannel::isLegato() const
{
    return getParameterValue(LegatoMode) > 0.5f;
}

void InstrumentChannel::queueNote(SynthEventType type, int note, int frameTime, bool onRenderThread, float velocity)
{
    if (note < 0 || note >= numNotes)
        return;
    queueEvent(onRenderThread, { type, frameTime, note, noteFrequencyTable[static_cast<size_t>(note)], velocity });
}

void InstrumentChannel::noteOn(int, int note, int frameTime, bool onRenderThread, float velocity)
{
    queueNote(SynthEventType::NoteOn, note, frameTime, onRenderThread, velocity);
}

void InstrumentChannel::noteOff(int, int note, int frameTime, bool onRenderThread, float velocity)
{
    queueNote(SynthEventType::NoteOff, note, frameTime, onRenderThread, velocity);
}

void InstrumentChannel::pitchBend(int, int frameTime, bool, float value)
{
    postEvent({ SynthEventType::PitchBend, frameTime, 0, value, 0.0f });
}

void InstrumentChannel::controller(int, int number, int frameTime, bool, float value)
{
    if (number == 1)
        postEvent({ SynthEventType::ModWheel, frameTime, 0, value, 0.0f });
    else if (number == 64)
        postEvent({ SynthEventType::Sustain, frameTime, 0, value, 0.0f });
}

void InstrumentChannel::startNote(const SynthEvent& event)
{
    using namespace SynthBase;
    Voice* voice = allocateVoice(event.note);
    if (isLegato() && voice->isGateOn())
    {
        voice->setParameterSmoothed(Frequency, event.value, getParameterValue(LegatoTime));
        voice->setParameter(Velocity, event.velocity);
    }
    else if (! voice->isGateOn())
    {
        voice->setParameter(Frequency, event.value);
        voice->setParameter(Velocity, event.velocity);
        voice->start();
    }
}

void InstrumentChannel::handleEvent(const SynthEvent& event)
{
    switch (event.type)
    {
        case SynthEventType::NoteOn:
            startNote(event);
            break;
        case SynthEventType::NoteOff:
            if (SynthBase::Voice* voice = releaseNote(event.note))
                voice->release();
            break;
        case SynthEventType::Sustain:
            setSustain(event.value);
            break;
        case SynthEventType::PitchBend:
            pitchBendValue = event.value;
            break;
        case SynthEventType::ModWheel:
            modWheel = event.value;
            break;
    }
}

void InstrumentChannel::beginBlock(std::int64_t startFrame, int numFrames)
{
    Channel::beginBlock(startFrame, numFrames);
    pitchBendRange = std::round(getParameterTarget(PitchBendRange));
}

void InstrumentChannel::setSampleRate(float rate)
{
    if (rate == engineRate)
        return;
    engineRate = rate;
    for (int i = 0; i < numVoices; ++i)
        getVoice(i)->setSampleRate(rate);
    effects.setSampleRate(rate);
}

EffectSettings InstrumentChannel::currentEffectSettings() const
{
    return {
        .equaliser = { getParameterValue(EqLow), getParameterValue(EqMid), getParameterValue(EqHigh) },
        // The delay length follows the target, not the ramp: a smoothed change of
        // delay time is one jump to the new length, not a refill on every frame.
        .delay = { .lengthNormalized = getParameterNormalized(DelayLengthMultiplier),
                   .feedback = getParameterValue(DelayFeedback),
                   .width = getParameterValue(DelayWidth),
                   .highPass = getParameterValue(DelayHp),
                   .lowPass = getParameterValue(DelayLp),
                   .mix = getParameterValue(DelayMix) },
        .chorus = { .depth = getParameterValue(ChorusDepth),
                    .rate = getParameterValue(ChorusFreq),
                    .level = getParameterValue(ChorusLevel) },
        .swapChannels = getParameterValue(DelaySwap) > 0.5f,
        .volume = getParameterValue(MainVolume),
    };
}

void InstrumentChannel::processEffects(float* frame)
{
    effects.process(frame, currentEffectSettings());
    parameters().clearDirty();
}
