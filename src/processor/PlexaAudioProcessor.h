#pragma once

#include "presets/PresetLibrary.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>
#include <memory>

/**
    The maker's plug-in base shared by its products: the output peaks and the
    oscilloscope capture that the editor reads, and the state and note hooks a
    product fills in.

    The audio thread writes the peaks and the capture; the editor's timer reads
    them without a lock. Every shared field is a relaxed atomic (the capture
    samples too), so neither side can tear a value; the two-buffer hand-over
    keeps the reader on the buffer that is not being filled.
*/
class PlexaAudioProcessor : public juce::AudioProcessor, public juce::ChangeBroadcaster
{
public:
    explicit PlexaAudioProcessor(const BusesProperties& buses);
    ~PlexaAudioProcessor() override;

    virtual const juce::String& getPresetFileExtension() const = 0;
    virtual const juce::String& getAppGroupIdentifier() const = 0;
    /** Length a header-less preset file must have to be accepted; -1 accepts any. */
    virtual int getRawPresetSize() const { return 4919; }
    virtual void saveState(juce::MemoryBlock& dest, bool forPreset) {}
    virtual void loadState(const void* data, int size, bool forPreset) {}
    virtual void noteOn(int note, float velocity) {}
    virtual void noteOff(int note, float velocity) {}

    /**
        Replaces the capture buffers with two zeroed buffers of the given capacity
        and restarts the capture at the start of the first one. Takes the callback
        lock, so the audio thread never writes into a buffer being replaced.
    */
    void resetScopeCapture(int capacity);

    /** Returns the running peak of a channel (0 left, 1 right) and resets it. */
    float takePeak(int channel);

    int getScopeCapacity() const { return scopeCapacity.load(std::memory_order_relaxed); }
    int getScopeActiveBuffer() const { return scopeActiveBuffer.load(std::memory_order_relaxed); }
    /** The capture buffer that is not being filled; null before the first reset. */
    const std::atomic<float>* getCompletedScopeBuffer() const;

    /** The preset folders and the current preset; exists once initialiseFramework has run. */
    PresetLibrary& getPresetLibrary() const
    {
        jassert(presetLibrary != nullptr);
        return *presetLibrary;
    }

protected:
    /**
        Creates and scans the preset library. Call it from the product's
        constructor body: it asks the product's overrides for the preset
        extension, the group identifier and the raw preset size.
    */
    void initialiseFramework(const juce::String& productFolderName);

    /** Raises the peaks and feeds the oscilloscope from a finished host block. */
    void publishOutput(const juce::AudioBuffer<float>& buffer);

private:
    std::atomic<int> scopeCapacity { 0 };
    std::atomic<int> scopeWriteIndex { 0 };
    std::unique_ptr<std::atomic<float>[]> scopeBufferA;
    std::unique_ptr<std::atomic<float>[]> scopeBufferB;
    std::atomic<int> scopeActiveBuffer { 0 };
    std::unique_ptr<PresetLibrary> presetLibrary;
    std::atomic<float> peakLeft { 0.0f };
    std::atomic<float> peakRight { 0.0f };
};
