#include "render/OfflineRenderer.h"

#include <algorithm>

OfflineRenderer::OfflineRenderer(juce::AudioProcessor& processorToRender, int sampleRate, int blockSize)
    : processor(processorToRender),
      block(std::max(processor.getTotalNumInputChannels(), processor.getTotalNumOutputChannels()), blockSize)
{
    processor.setNonRealtime(true);
    processor.setRateAndBufferSizeDetails(sampleRate, blockSize);
    processor.prepareToPlay(sampleRate, blockSize);
}

OfflineRenderer::~OfflineRenderer()
{
    processor.releaseResources();
}

bool OfflineRenderer::render(const MidiSchedule& schedule, std::int64_t lengthInSamples, const BlockSink& sink,
                             const std::atomic<bool>& cancel, const ProgressCallback& progress)
{
    const int blockSize = block.getNumSamples();
    for (std::int64_t start = 0; start < lengthInSamples; start += blockSize)
    {
        if (cancel.load())
            return false;

        midi.clear();
        schedule.fillBlock(start, blockSize, midi);
        // Hosts hand an instrument a cleared buffer.
        block.clear();
        {
            const juce::ScopedLock lock(processor.getCallbackLock());
            processor.processBlock(block, midi);
        }

        const auto kept = std::min<std::int64_t>(blockSize, lengthInSamples - start);
        sink(block, static_cast<int>(kept));
        if (progress)
            progress(static_cast<double>(start + kept) / static_cast<double>(lengthInSamples));
    }
    return true;
}
