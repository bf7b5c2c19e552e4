#include "RenderTestSupport.h"

#include "render/OfflineRenderer.h"
#include "support/IdleProcessor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <set>
#include <thread>

namespace
{
/**
    A processor whose output shows where its events landed: each channel holds the
    last note-on key (0 after a note-off) plus a small ramp over the absolute sample
    count, so a misplaced event, a lost or repeated block or a wrong block order
    all change the samples.
*/
class ProbeProcessor final : public IdleProcessor<>
{
public:
    ProbeProcessor() : IdleProcessor(BusesProperties().withOutput("Output", juce::AudioChannelSet::stereo(), true)) {}

    void prepareToPlay(double sampleRate, int blockSize) override
    {
        preparedRate = sampleRate;
        preparedBlockSize = blockSize;
        ++prepareCalls;
    }
    void releaseResources() override { ++releaseCalls; }

    void processBlock(juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override
    {
        if (blocks++ == 0)
            std::thread([this] {
                const juce::ScopedTryLock attempt(getCallbackLock());
                lockHeldDuringBlock = ! attempt.isLocked();
            }).join();
        blockSizes.insert(buffer.getNumSamples());

        int sample = 0;
        for (const auto metadata : midi)
        {
            fill(buffer, sample, metadata.samplePosition);
            sample = metadata.samplePosition;
            const auto message = metadata.getMessage();
            eventSamples.push_back(samplesSeen + metadata.samplePosition);
            if (message.isNoteOn())
                key = static_cast<float>(message.getNoteNumber());
            else if (message.isNoteOff())
                key = 0.0f;
        }
        fill(buffer, sample, buffer.getNumSamples());
        samplesSeen += buffer.getNumSamples();

        if (blocks == cancelAfterBlocks)
            cancel.store(true);
    }


    double preparedRate = 0.0;
    int preparedBlockSize = 0;
    int prepareCalls = 0;
    int releaseCalls = 0;
    int blocks = 0;
    bool lockHeldDuringBlock = false;
    std::set<int> blockSizes;
    std::vector<std::int64_t> eventSamples;
    int cancelAfterBlocks = -1;
    std::atomic<bool> cancel { false };

private:
    void fill(juce::AudioBuffer<float>& buffer, int from, int to) const
    {
        for (int i = from; i < to; ++i)
        {
            const float value = key + 0.001f * static_cast<float>((samplesSeen + i) % 997);
            buffer.setSample(0, i, value);
            buffer.setSample(1, i, -value);
        }
    }

    float key = 0.0f;
    std::int64_t samplesSeen = 0;
};

// Without a tempo event a tick of a 480-per-quarter file at 120 bpm lasts 50 samples at 48 kHz.
constexpr double sampleRate = 48000.0;
MidiSchedule threeEventSchedule()
{
    juce::MidiFile midi;
    midi.setTicksPerQuarterNote(480);
    midi.addTrack(sequenceOf({ atTick(juce::MidiMessage::noteOn(1, 60, juce::uint8 { 100 }), 2),
                               atTick(juce::MidiMessage::noteOn(1, 67, juce::uint8 { 100 }), 20),
                               atTick(juce::MidiMessage::noteOff(1, 67), 100) }));
    return MidiSchedule(midi, sampleRate);
}

struct Render
{
    std::vector<int> sinkSizes;
    std::vector<float> left;
    std::vector<float> right;
    std::vector<double> progress;
    bool finished = false;
};

Render renderWith(ProbeProcessor& processor, int blockSize, std::int64_t length)
{
    Render result;
    OfflineRenderer renderer(processor, static_cast<int>(sampleRate), blockSize);
    result.finished = renderer.render(
        threeEventSchedule(), length,
        [&result](const juce::AudioBuffer<float>& block, int numSamples) {
            result.sinkSizes.push_back(numSamples);
            result.left.insert(result.left.end(), block.getReadPointer(0), block.getReadPointer(0) + numSamples);
            result.right.insert(result.right.end(), block.getReadPointer(1), block.getReadPointer(1) + numSamples);
        },
        processor.cancel, [&result](double fraction) { result.progress.push_back(fraction); });
    return result;
}

TEST(OfflineRenderer, DrivesTheProcessorAsAHostDoes)
{
    ProbeProcessor processor;
    const Render render = renderWith(processor, 512, 6000);

    EXPECT_TRUE(render.finished);
    EXPECT_EQ(processor.prepareCalls, 1);
    EXPECT_EQ(processor.preparedRate, sampleRate);
    EXPECT_EQ(processor.preparedBlockSize, 512);
    EXPECT_EQ(processor.getSampleRate(), sampleRate);
    EXPECT_EQ(processor.getBlockSize(), 512);
    EXPECT_TRUE(processor.isNonRealtime());
    EXPECT_TRUE(processor.lockHeldDuringBlock);
    EXPECT_EQ(processor.releaseCalls, 1);

    // Twelve whole blocks; the last keeps 6000 - 11 * 512 samples.
    EXPECT_EQ(processor.blockSizes, std::set<int> { 512 });
    EXPECT_EQ(processor.blocks, 12);
    EXPECT_EQ(render.sinkSizes, (std::vector<int> { 512, 512, 512, 512, 512, 512, 512, 512, 512, 512, 512, 368 }));
    EXPECT_EQ(processor.eventSamples, (std::vector<std::int64_t> { 100, 1000, 5000 }));
    ASSERT_FALSE(render.progress.empty());
    EXPECT_DOUBLE_EQ(render.progress.back(), 1.0);
    EXPECT_TRUE(std::is_sorted(render.progress.begin(), render.progress.end()));

    // The key sounds from the note-on's sample on and stops at the note-off's.
    EXPECT_FLOAT_EQ(render.left[99], 0.099f);
    EXPECT_FLOAT_EQ(render.left[100], 60.1f);
    EXPECT_FLOAT_EQ(render.left[1000], 67.0f + 0.001f * 3);
    EXPECT_FLOAT_EQ(render.left[5000], 0.001f * (5000 % 997));
}

TEST(OfflineRenderer, GivesTheSameSamplesAtEveryBlockSize)
{
    constexpr std::int64_t length = 5300;
    ProbeProcessor reference;
    const Render expected = renderWith(reference, 64, length);
    ASSERT_EQ(expected.left.size(), static_cast<size_t>(length));

    for (int blockSize : { 1, 512, 8192 })
    {
        SCOPED_TRACE(blockSize);
        ProbeProcessor processor;
        const Render render = renderWith(processor, blockSize, length);
        EXPECT_EQ(processor.blockSizes, std::set<int> { blockSize });
        EXPECT_EQ(render.left, expected.left);
        EXPECT_EQ(render.right, expected.right);
    }
}

TEST(OfflineRenderer, StopsAtTheNextBlockWhenCancelled)
{
    ProbeProcessor processor;
    processor.cancelAfterBlocks = 3;
    const Render render = renderWith(processor, 256, 6000);

    EXPECT_FALSE(render.finished);
    EXPECT_EQ(processor.blocks, 3);
    EXPECT_EQ(render.sinkSizes.size(), 3u);
    EXPECT_EQ(processor.releaseCalls, 1);
}
} // namespace
