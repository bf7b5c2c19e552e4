#include "processor/PlexaAudioProcessor.h"

#include <algorithm>
#include <cmath>

namespace
{
void raise(std::atomic<float>& peak, float level)
{
    if (level > peak.load(std::memory_order_relaxed))
        peak.store(level, std::memory_order_relaxed);
}

std::unique_ptr<std::atomic<float>[]> makeZeroedBuffer(int capacity)
{
    auto buffer = std::make_unique<std::atomic<float>[]>(static_cast<size_t>(capacity));
    for (int i = 0; i < capacity; ++i)
        buffer[static_cast<size_t>(i)].store(0.0f, std::memory_order_relaxed);
    return buffer;
}
} // namespace

PlexaAudioProcessor::PlexaAudioProcessor(const BusesProperties& buses)
    : juce::AudioProcessor(buses)
{
}

PlexaAudioProcessor::~PlexaAudioProcessor() = default;

void PlexaAudioProcessor::initialiseFramework(const juce::String& productFolderName)
{
    presetLibrary = std::make_unique<PresetLibrary>(PresetFormat(getPresetFileExtension(), getRawPresetSize()),
                                                    PresetPaths::locate(getAppGroupIdentifier(), productFolderName),
                                                    "Factory Presets", "User Presets", "missing preset");
}

void PlexaAudioProcessor::resetScopeCapture(int capacity)
{
    auto bufferA = makeZeroedBuffer(capacity);
    auto bufferB = makeZeroedBuffer(capacity);

    const juce::ScopedLock lock(getCallbackLock());
    scopeCapacity.store(0, std::memory_order_relaxed);
    scopeWriteIndex.store(0, std::memory_order_relaxed);
    scopeActiveBuffer.store(0, std::memory_order_relaxed);
    scopeBufferA.swap(bufferA);
    scopeBufferB.swap(bufferB);
    scopeCapacity.store(capacity, std::memory_order_relaxed);
    // The old buffers are freed here, after the lock, off the audio thread's path.
}

float PlexaAudioProcessor::takePeak(int channel)
{
    return (channel == 0 ? peakLeft : peakRight).exchange(0.0f, std::memory_order_relaxed);
}

const std::atomic<float>* PlexaAudioProcessor::getCompletedScopeBuffer() const
{
    return getScopeActiveBuffer() == 0 ? scopeBufferB.get() : scopeBufferA.get();
}

void PlexaAudioProcessor::publishOutput(const juce::AudioBuffer<float>& buffer)
{
    const int n = buffer.getNumSamples();
    const int numChannels = buffer.getNumChannels();
    if (n < 1 || numChannels < 1)
        return;

    const float* left = buffer.getReadPointer(0);
    const float* right = buffer.getReadPointer(std::min(1, numChannels - 1));

    float maxLeft = 0.0f;
    float maxRight = 0.0f;
    for (int i = 0; i < n; ++i)
    {
        maxLeft = std::max(maxLeft, std::abs(left[i]));
        maxRight = std::max(maxRight, std::abs(right[i]));
    }
    raise(peakLeft, maxLeft);
    raise(peakRight, maxRight);

    const int capacity = scopeCapacity.load(std::memory_order_relaxed);
    if (capacity < 1 || scopeBufferA == nullptr || scopeBufferB == nullptr)
        return;

    std::atomic<float>* target = scopeActiveBuffer.load(std::memory_order_relaxed) == 0 ? scopeBufferA.get()
                                                                                         : scopeBufferB.get();
    int writeIndex = scopeWriteIndex.load(std::memory_order_relaxed);
    for (int i = 0; i < n && i < capacity; ++i)
    {
        const float sample = numChannels == 2 ? 0.5f * (left[i] + right[i]) : left[i];
        target[writeIndex].store(sample, std::memory_order_relaxed);
        if (++writeIndex == capacity)
        {
            // A full buffer is handed over; the rest of this block is not captured.
            writeIndex = 0;
            scopeActiveBuffer.store(1 - scopeActiveBuffer.load(std::memory_order_relaxed), std::memory_order_release);
            break;
        }
    }
    scopeWriteIndex.store(writeIndex, std::memory_order_relaxed);
}
