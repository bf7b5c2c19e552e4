#include "presets/FactoryBank.h"
#include "processor/TessaroAudioProcessor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string>

namespace
{
constexpr double hostRate = 48000.0;
constexpr int blockSize = 512;
// The sphere's blend glides for 20 ms; the note waits until the entry is reached,
// so what the note plays is the entry and not the engine's start-up values.
constexpr int settleBlocks = 3;
// Long enough for the slowest attack in the bank to be well under way.
constexpr int heldBlocks = 47; // about half a second

struct ChannelMeasure
{
    float peak = 0.0f;
    double sum = 0.0;
    double sumOfSquares = 0.0;
    int samples = 0;
    bool finite = true;

    void add(const float* data, int n)
    {
        for (int i = 0; i < n; ++i)
        {
            finite = finite && std::isfinite(data[i]);
            peak = std::max(peak, std::abs(data[i]));
            sum += data[i];
            sumOfSquares += static_cast<double>(data[i]) * data[i];
        }
        samples += n;
    }

    double mean() const { return sum / samples; }
    /** RMS with the mean taken out: what is left of the signal once a DC offset is removed. */
    double acRms() const { return std::sqrt(std::max(0.0, sumOfSquares / samples - mean() * mean())); }
};

/** A fresh processor at its default host values, turned to face one factory entry, holding middle C. */
std::array<ChannelMeasure, 2> renderHeldMiddleC(int entry)
{
    TessaroAudioProcessor processor;
    processor.prepareToPlay(hostRate, blockSize);
    processor.turnSphereTo(processor.getNavigator().getModel().orientationFacing(entry));

    std::array<ChannelMeasure, 2> measures;
    juce::AudioBuffer<float> buffer(2, blockSize);
    juce::MidiBuffer midi;
    for (int block = -settleBlocks; block < heldBlocks; ++block)
    {
        midi.clear();
        if (block == 0)
            midi.addEvent(juce::MidiMessage::noteOn(1, 60, juce::uint8 { 100 }), 0);
        buffer.clear();
        processor.processBlock(buffer, midi);
        if (block >= 0)
            for (int channel = 0; channel < 2; ++channel)
                measures[static_cast<size_t>(channel)].add(buffer.getReadPointer(channel), blockSize);
    }
    return measures;
}

class FactoryEntrySoundTest : public testing::TestWithParam<int>
{
};

std::string entryTestName(const testing::TestParamInfo<int>& info)
{
    std::string name = std::to_string(info.param) + "_";
    for (const char* c = FactoryBank::getName(info.param); *c != '\0'; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}
} // namespace

// Every sound of the bank, heard alone at the host's default volume, is a
// playable note: audible, inside full scale and centred on zero. The quietest
// half second in the bank (the slowest pad, still rising) peaks near -45 dBFS;
// a row whose EQ gains are all zero leaves a residue below -56 dBFS.
TEST_P(FactoryEntrySoundTest, HeldMiddleCSoundsWithoutClippingOrOffset)
{
    const auto measures = renderHeldMiddleC(GetParam());
    for (int channel = 0; channel < 2; ++channel)
    {
        SCOPED_TRACE(channel == 0 ? "left" : "right");
        const auto& m = measures[static_cast<size_t>(channel)];
        ASSERT_TRUE(m.finite);
        EXPECT_GT(m.peak, 0.003f) << "peak below -50 dBFS";
        EXPECT_GT(m.acRms(), 0.0005) << "below -66 dBFS RMS once the mean is removed";
        EXPECT_LE(m.peak, 1.0f) << "clips";
        EXPECT_LT(std::abs(m.mean()), 0.02 * m.peak) << "DC offset";
    }
}

INSTANTIATE_TEST_SUITE_P(Bank, FactoryEntrySoundTest, testing::Range(0, FactoryBank::size), entryTestName);
