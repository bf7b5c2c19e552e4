#pragma once

#include "engine/ParameterStore.h"
#include "engine/SynthEvent.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

/**
    The engine framework: a channel that owns a fixed pool of voices, a
    time-stamped event queue, a store of smoothed parameters and a render loop
    that advances one frame per call.
*/
namespace SynthBase
{
class Channel;

/** Ids of the voice parameters the channel sets on a voice. */
enum VoiceParameter
{
    Frequency = 0,
    Velocity = 1,
};

/**
    Takes (lock == true) or releases the owner's lock around every access to the
    pending events from outside the render thread.
*/
struct EventLock
{
    void (*function)(bool lock, void* context) = nullptr;
    void* context = nullptr;

    void operator()(bool lock) const
    {
        if (function != nullptr)
            function(lock, context);
    }
};

class Voice
{
public:
    virtual ~Voice() = default;

    virtual void setParameter(int id, float value) = 0;
    virtual void setParameterSmoothed(int id, float value, float seconds) = 0;
    virtual float getParameter(int id) const = 0;
    virtual void setSampleRate(float rate) = 0;
    virtual bool isSustainHeld() const;
    virtual void start() = 0;
    virtual void release() = 0;
    virtual bool isGateOn() const = 0;
    /** Writes one frame into out; true when the voice has finished sounding. */
    virtual bool renderFrame(int numOutputs, float* out) = 0;
    /** Writes one frame of the fade-out after the voice finished. */
    virtual void renderTail(int numOutputs, float* out) = 0;

    int getNote() const { return note; }
    bool isInFreeList() const { return isFree; }
    int getTailFramesLeft() const { return tailFramesLeft; }

protected:
    float sampleRate = 44100.0f;
    Channel* owner = nullptr; ///< the channel that created the voice; not owned

private:
    friend class Channel;

    int tailFramesLeft = 0;
    int note = 0;
    bool isFree = true;
    Voice* next = nullptr; ///< links of whichever list (active or free) holds the voice
    Voice* prev = nullptr;
};

class Channel
{
public:
    static constexpr int numVoices = 32;
    static constexpr int numNotes = 128;
    static constexpr int eventCapacity = 4096;
    static constexpr int numOutputs = 2;
    static constexpr float constructionRate = 88200.0f;

    using VoiceFactory = std::function<std::unique_ptr<Voice>()>;

    /** Builds the voices with makeVoice and the store from the parameter table (which must outlive the channel). */
    Channel(std::span<const ParameterInfo> parameterTable, EventLock lock, const VoiceFactory& makeVoice);
    virtual ~Channel();

    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;

    // Voices
    Voice* allocateVoice(int note);
    /** Clears the note's map entry; returns the voice to release, or null when there is none or the pedal holds it. */
    Voice* releaseNote(int note);
    Voice* getPlayingVoice(int n) const;
    Voice* getVoice(int index) const { return allVoices[static_cast<size_t>(index)].get(); }
    Voice* getVoiceForNote(int note) const { return noteMap[static_cast<size_t>(note)]; }

    // Channel-wide performance state
    void setSustain(float value);
    float getSustain() const { return sustain; }
    virtual bool isLegato() const { return false; }
    virtual float getPitchBend() const { return 0.0f; }
    virtual float getPitchBendRange() const { return 0.0f; }
    virtual float getModWheel() const { return 0.0f; }

    // Events
    virtual void noteOn(int midiChannel, int note, int frameTime, bool onRenderThread, float velocity) = 0;
    virtual void noteOff(int midiChannel, int note, int frameTime, bool onRenderThread, float velocity) = 0;
    virtual void pitchBend(int midiChannel, int frameTime, bool onRenderThread, float value) = 0;
    virtual void controller(int midiChannel, int number, int frameTime, bool onRenderThread, float value) = 0;
    /** Decodes one short MIDI message into the operations above. */
    void midiMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2, int frameTime, bool onRenderThread);
    /** Queues from any thread: always takes the lock. */
    void postEvent(const SynthEvent& event) { queueEvent(false, event); }
    void queueEvent(bool onRenderThread, const SynthEvent& event);

    // Parameters (render thread)
    void setParameter(int index, float normalized) { store.set(index, normalized); }
    void setParameterSmoothed(int index, float normalized, float seconds) { store.setSmoothed(index, normalized, seconds); }
    void setParameterPlain(int index, float plain) { setParameter(index, store.slot(index).toNormalized(plain)); }
    void setParameterPlainSmoothed(int index, float plain, float seconds)
    {
        setParameterSmoothed(index, store.slot(index).toNormalized(plain), seconds);
    }

    // Parameters (any thread): applied at the start of the next rendered frame
    void postParameterSmoothed(int index, float normalized, float seconds) { store.post(index, normalized, seconds); }
    /** Applies the posted writes now rather than at the next frame (render thread). */
    void applyPostedParameters() { store.applyPosted(); }

    float getParameterNormalized(int index) const { return store.slot(index).targetNormalized; }
    float getParameterNormalized(int index, bool current) const
    {
        const ParameterSlot& s = store.slot(index);
        return current ? s.toNormalized(s.currentPlain) : s.targetNormalized;
    }
    float getParameterTarget(int index) const { return store.slot(index).targetPlain; }
    float getParameterValue(int index) const { return store.slot(index).currentPlain; }
    int getNumParameters() const { return static_cast<int>(parameterTable.size()); }
    const ParameterInfo& getParameterInfo(int index) const { return parameterTable[static_cast<size_t>(index)]; }

    // Rendering
    virtual int getTailFrames() const { return 0; }
    virtual void beginBlock(std::int64_t startFrame, int numFrames);
    /** Renders one frame into out[0..numOutputs-1], which the caller zeroes beforehand. */
    void renderFrame(std::int64_t frame, float* out);
    virtual void setSampleRate(float rate);
    float getSampleRate() const { return sampleRate; }

    int getNumPendingEvents() const { return pendingCount; }
    int getNumTailVoices() const { return static_cast<int>(tailVoices.size()); }

protected:
    virtual void handleEvent(const SynthEvent& event) = 0;
    virtual void parameterChanged(int index, float currentPlain) {}
    /** Effects on the summed voices; the base only ends the frame's parameter changes. */
    virtual void processEffects(float* frame) { store.clearDirty(); }

    ParameterStore& parameters() { return store; }

private:
    static void pushFront(Voice*& head, Voice* voice);
    static void unlink(Voice*& head, Voice* voice);
    static Voice* lastOf(Voice* head);
    void removeFromTails(Voice* voice);
    Voice* stealVoice() const;

    std::span<const ParameterInfo> parameterTable;
    std::vector<SynthEvent> pendingEvents;
    int pendingCount = 0;
    std::vector<SynthEvent> blockEvents;
    int blockCount = 0;
    int nextBlockEvent = 0;
    std::int64_t blockStart = 0;
    std::array<std::unique_ptr<Voice>, numVoices> allVoices;
    std::vector<Voice*> tailVoices;
    Voice* freeVoices = nullptr;
    Voice* activeVoices = nullptr;
    float sampleRate = constructionRate;
    std::array<Voice*, numNotes> noteMap {};
    ParameterStore store;
    float sustain = 0.0f;
    EventLock eventLock;
};
} // namespace SynthBase
