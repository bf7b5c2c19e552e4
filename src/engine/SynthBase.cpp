#include "engine/SynthBase.h"

namespace SynthBase
{
namespace
{
// Single-precision constants of the MIDI scaling: 1/127 and 2/16383.
constexpr float controllerScale = 0.007874016f;
constexpr float bendScale = 0.00012207776f;
constexpr size_t initialTailCapacity = 128;
} // namespace

bool Voice::isSustainHeld() const
{
    return owner->getSustain() >= 0.5f;
}

Channel::Channel(std::span<const ParameterInfo> table, EventLock lock, const VoiceFactory& makeVoice)
    : parameterTable(table),
      pendingEvents(eventCapacity),
      blockEvents(eventCapacity),
      store(table),
      eventLock(lock)
{
    tailVoices.reserve(initialTailCapacity);
    for (auto& slot : allVoices)
    {
        slot = makeVoice();
        Voice* voice = slot.get();
        voice->owner = this;
        voice->setSampleRate(sampleRate);
        voice->isFree = true;
        pushFront(freeVoices, voice);
    }
}

Channel::~Channel() = default;

void Channel::pushFront(Voice*& head, Voice* voice)
{
    voice->prev = nullptr;
    voice->next = head;
    if (head != nullptr)
        head->prev = voice;
    head = voice;
}

void Channel::unlink(Voice*& head, Voice* voice)
{
    if (voice->prev != nullptr)
        voice->prev->next = voice->next;
    else
        head = voice->next;
    if (voice->next != nullptr)
        voice->next->prev = voice->prev;
    voice->next = voice->prev = nullptr;
}

Voice* Channel::lastOf(Voice* head)
{
    if (head == nullptr)
        return nullptr;
    while (head->next != nullptr)
        head = head->next;
    return head;
}

void Channel::removeFromTails(Voice* voice)
{
    std::erase(tailVoices, voice);
}

Voice* Channel::stealVoice() const
{
    // The oldest released voice goes first; with every voice gated, the oldest one.
    Voice* oldest = lastOf(activeVoices);
    for (Voice* v = oldest; v != nullptr; v = v->prev)
        if (! v->isGateOn())
            return v;
    return oldest;
}

Voice* Channel::allocateVoice(int note)
{
    if (isLegato() && activeVoices != nullptr && activeVoices->isGateOn())
    {
        Voice* voice = activeVoices;
        noteMap[static_cast<size_t>(voice->note)] = nullptr;
        voice->note = note;
        noteMap[static_cast<size_t>(note)] = voice;
        return voice;
    }

    if (Voice* mapped = noteMap[static_cast<size_t>(note)])
        return mapped;

    const bool stolen = freeVoices == nullptr;
    if (stolen)
    {
        Voice* victim = stealVoice();
        victim->tailFramesLeft = 0;
        unlink(activeVoices, victim);
        victim->isFree = true;
        pushFront(freeVoices, victim);
    }

    Voice* voice = freeVoices;
    unlink(freeVoices, voice);
    voice->isFree = false;
    pushFront(activeVoices, voice);
    removeFromTails(voice);
    noteMap[static_cast<size_t>(note)] = voice;

    if (stolen && voice->isGateOn() && voice->note != note)
    {
        if (Voice* holder = noteMap[static_cast<size_t>(voice->note)]; holder != nullptr && holder->isGateOn())
            holder->release();
        if (voice->isSustainHeld())
            voice->release();
        noteMap[static_cast<size_t>(voice->note)] = nullptr;
    }

    voice->note = note;
    return voice;
}

Voice* Channel::releaseNote(int note)
{
    Voice* voice = noteMap[static_cast<size_t>(note)];
    noteMap[static_cast<size_t>(note)] = nullptr;
    if (voice == nullptr || voice->isSustainHeld())
        return nullptr;
    return voice;
}

Voice* Channel::getPlayingVoice(int n) const
{
    for (Voice* v = activeVoices; v != nullptr; v = v->next)
        if (v->isGateOn() && n-- == 0)
            return v;
    return nullptr;
}

void Channel::setSustain(float value)
{
    sustain = value;
    if (value > 0.5f)
        return;

    // Pedal up: voices whose keys went up while it was down are released; a key
    // that is down again keeps only its newest voice (the active list runs newest first).
    for (Voice* v = activeVoices; v != nullptr; v = v->next)
    {
        if (! v->isGateOn())
            continue;
        if (noteMap[static_cast<size_t>(v->note)] == nullptr)
        {
            v->release();
            continue;
        }
        for (Voice* other = activeVoices; other != nullptr; other = other->next)
            if (other != v && other->note == v->note)
                other->release();
    }
}

void Channel::midiMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2, int frameTime, bool onRenderThread)
{
    const int midiChannel = status & 0x0f;
    switch (status >> 4)
    {
        case 0x8:
            noteOff(midiChannel, data1, frameTime, onRenderThread, static_cast<float>(data2) * controllerScale);
            break;
        case 0x9:
            if (data2 > 0)
                noteOn(midiChannel, data1, frameTime, onRenderThread, static_cast<float>(data2) * controllerScale);
            else
                noteOff(midiChannel, data1, frameTime, onRenderThread, 1.0f);
            break;
        case 0xb:
            controller(midiChannel, data1, frameTime, onRenderThread, static_cast<float>(data2) * controllerScale);
            break;
        case 0xe:
            pitchBend(midiChannel, frameTime, onRenderThread,
                      static_cast<float>(data2 * 128 + data1) * bendScale - 1.0f);
            break;
        default:
            break;
    }
}

void Channel::queueEvent(bool onRenderThread, const SynthEvent& event)
{
    if (! onRenderThread)
        eventLock(true);

    if (pendingCount < eventCapacity)
        pendingEvents[static_cast<size_t>(pendingCount++)] = event;

    if (! onRenderThread)
        eventLock(false);
}

void Channel::beginBlock(std::int64_t startFrame, int numFrames)
{
    store.takeDirty([this](int index, float currentPlain) { parameterChanged(index, currentPlain); });
    blockStart = startFrame;

    // The count is read under the lock too: producers on other threads write it under it.
    eventLock(true);
    blockCount = pendingCount;
    pendingCount = 0;
    // Insertion sort: allocation-free, linear on the already ordered MIDI of a
    // block, and stable, so events at one frame keep their arrival order.
    for (int i = 0; i < blockCount; ++i)
    {
        const SynthEvent event = pendingEvents[static_cast<size_t>(i)];
        int j = i;
        for (; j > 0 && blockEvents[static_cast<size_t>(j - 1)].frameTime > event.frameTime; --j)
            blockEvents[static_cast<size_t>(j)] = blockEvents[static_cast<size_t>(j - 1)];
        blockEvents[static_cast<size_t>(j)] = event;
    }
    eventLock(false);

    nextBlockEvent = 0;
}

void Channel::renderFrame(std::int64_t frame, float* out)
{
    store.applyPosted();
    store.advance();

    // "Due", not "equal": an event whose time has passed is delivered now rather than
    // holding back every later event of the block.
    const std::int64_t offset = frame - blockStart;
    while (nextBlockEvent < blockCount && blockEvents[static_cast<size_t>(nextBlockEvent)].frameTime <= offset)
        handleEvent(blockEvents[static_cast<size_t>(nextBlockEvent++)]);

    for (size_t i = tailVoices.size(); i-- > 0;)
    {
        Voice* voice = tailVoices[i];
        if (voice->tailFramesLeft-- < 2)
            tailVoices.erase(tailVoices.begin() + static_cast<std::ptrdiff_t>(i));
    }

    float tmp[numOutputs];
    for (Voice* voice : tailVoices)
    {
        tmp[0] = tmp[1] = 0.0f;
        voice->renderTail(numOutputs, tmp);
        out[0] += tmp[0];
        out[1] += tmp[1];
    }

    for (Voice* voice = activeVoices; voice != nullptr;)
    {
        Voice* const successor = voice->next;
        tmp[0] = tmp[1] = 0.0f;
        const bool finished = voice->renderFrame(numOutputs, tmp);
        out[0] += tmp[0];
        out[1] += tmp[1];
        if (finished)
        {
            voice->tailFramesLeft = getTailFrames();
            if (voice->tailFramesLeft > 0)
                tailVoices.push_back(voice);
            // A finished voice must not stay reachable through its key: a repeated
            // note-on would otherwise restart it while it sits in the free list.
            if (noteMap[static_cast<size_t>(voice->note)] == voice)
                noteMap[static_cast<size_t>(voice->note)] = nullptr;
            unlink(activeVoices, voice);
            voice->isFree = true;
            pushFront(freeVoices, voice);
        }
        voice = successor;
    }

    processEffects(out);
}

void Channel::setSampleRate(float rate)
{
    if (rate == sampleRate)
        return;
    sampleRate = rate;
    store.setSmoothingRate(rate);
    store.settle();
}
} // namespace SynthBase
