#pragma once

#include "render/MidiSchedule.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>
#include <cstdint>
#include <functional>

/**
    Plays a schedule through a processor the way a host renders offline: the
    processor is prepared at the chosen rate and block size, every block has
    exactly that size, each event sits at its sample offset inside its block, and
    processBlock runs under the processor's callback lock as JUCE's wrappers call it.
*/
class OfflineRenderer
{
public:
    /** Receives each rendered block and how many of its samples belong to the render. */
    using BlockSink = std::function<void(const juce::AudioBuffer<float>& block, int numSamples)>;
    using ProgressCallback = std::function<void(double fractionDone)>;

    /** Prepares the processor, which must outlive the renderer; the renderer releases its resources. */
    OfflineRenderer(juce::AudioProcessor& processor, int sampleRate, int blockSize);
    ~OfflineRenderer();

    OfflineRenderer(const OfflineRenderer&) = delete;
    OfflineRenderer& operator=(const OfflineRenderer&) = delete;

    /**
        Renders the first lengthInSamples samples of the schedule; the last block is
        rendered whole and cut short for the sink. Returns false, with the render
        incomplete, when cancel was raised before the end.
    */
    bool render(const MidiSchedule& schedule, std::int64_t lengthInSamples, const BlockSink& sink,
                const std::atomic<bool>& cancel, const ProgressCallback& progress = {});

private:
    juce::AudioProcessor& processor; ///< not owned
    juce::AudioBuffer<float> block;
    juce::MidiBuffer midi;
};
