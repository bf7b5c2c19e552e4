#include "TestVoice.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

using namespace EngineParameter;

namespace
{
using Frame = std::array<float, 2>;

/** Drives a channel of test voices one block at a time. */
class ChannelDriver
{
public:
    ChannelDriver() : channel(makeTestChannel()) {}

    /** Starts a note at the first frame of the next block and renders the block. */
    std::vector<Frame> play(int note, float velocity, int frames)
    {
        channel->noteOn(0, note, 0, true, velocity);
        return render(frames);
    }

    std::vector<Frame> release(int note, int frames)
    {
        channel->noteOff(0, note, 0, true, 0.0f);
        return render(frames);
    }

    std::vector<Frame> render(int frames)
    {
        channel->beginBlock(frame, frames);
        std::vector<Frame> out;
        for (int i = 0; i < frames; ++i)
        {
            Frame f {};
            channel->renderFrame(frame++, f.data());
            out.push_back(f);
        }
        return out;
    }

    std::unique_ptr<InstrumentChannel> channel;

private:
    std::int64_t frame = 0;
};

/** A varied input: notes of several velocities, each stopped before the next. */
std::vector<Frame> playPhrase(ChannelDriver& driver)
{
    std::vector<Frame> out;
    for (const float velocity : { 0.9f, 0.4f, 0.7f, 0.2f })
    {
        for (const Frame& f : driver.play(60, velocity, 700))
            out.push_back(f);
        for (const Frame& f : driver.release(60, 500))
            out.push_back(f);
    }
    return out;
}
} // namespace

TEST(ChannelEffects, MixZeroGivesTheEqualisedInputPlusChorusOnBothSides)
{
    // A gated test voice is a step of its velocity; the unity equaliser delays
    // it by three frames, zero chorus depth adds level times it, and the main
    // volume scales by 0.18 at full.
    struct Case
    {
        float volume;
        float chorusLevel;
    };
    for (const Case c : { Case { 1.0f, 0.0f }, Case { 0.5f, 0.5f }, Case { 0.25f, 1.0f } })
    {
        SCOPED_TRACE(c.volume);
        ChannelDriver driver;
        driver.channel->setParameter(DelayMix, 0.0f);
        driver.channel->setParameter(ChorusDepth, 0.0f);
        driver.channel->setParameterPlain(ChorusLevel, c.chorusLevel);
        driver.channel->setParameterPlain(MainVolume, c.volume);

        const float velocity = 0.8f;
        const std::vector<Frame> out = driver.play(60, velocity, 2000);
        const float expected = velocity * (1.0f + c.chorusLevel) * c.volume * 0.18f;
        for (size_t n = 0; n < out.size(); ++n)
        {
            ASSERT_EQ(out[n][0], out[n][1]) << "frame " << n;
            ASSERT_NEAR(out[n][0], n < 3 ? 0.0f : expected, 1e-6f) << "frame " << n;
        }
    }
}

TEST(ChannelEffects, ChorusSidesSweepInOppositePhase)
{
    // With no delay both sides reach the chorus alike; only the sweep's half
    // cycle between them can tell them apart.
    ChannelDriver driver;
    driver.channel->setParameter(DelayMix, 0.0f);
    driver.channel->setParameterPlain(ChorusDepth, 0.01f);
    driver.channel->setParameterPlain(ChorusLevel, 1.0f);
    const std::vector<Frame> out = playPhrase(driver);
    int differing = 0;
    for (const Frame& f : out)
        differing += f[0] != f[1] ? 1 : 0;
    EXPECT_GT(differing, static_cast<int>(out.size()) / 4);
}

TEST(ChannelEffects, SwapExchangesTheChannelsAfterTheChorus)
{
    // The two chorus sides sweep in opposite phase, so swapping before the
    // chorus (or before the delay's width) would not give a mirror image.
    auto configure = [](InstrumentChannel& channel, float swap) {
        channel.setParameter(DelayLengthMultiplier, 0.0f);
        channel.setParameter(DelayMix, 1.0f);
        channel.setParameter(DelayWidth, 1.0f);
        channel.setParameterPlain(ChorusDepth, 0.01f);
        channel.setParameterPlain(ChorusLevel, 1.0f);
        channel.setParameter(DelaySwap, swap);
    };
    ChannelDriver straight;
    ChannelDriver swapped;
    configure(*straight.channel, 0.0f);
    configure(*swapped.channel, 1.0f);

    const std::vector<Frame> a = playPhrase(straight);
    const std::vector<Frame> b = playPhrase(swapped);
    int asymmetric = 0;
    for (size_t n = 0; n < a.size(); ++n)
    {
        ASSERT_EQ(b[n][0], a[n][1]) << "frame " << n;
        ASSERT_EQ(b[n][1], a[n][0]) << "frame " << n;
        asymmetric += a[n][0] != a[n][1] ? 1 : 0;
    }
    EXPECT_GT(asymmetric, static_cast<int>(a.size()) / 2);
}

TEST(ChannelEffects, DelayLengthJumpsToTheTargetOfASmoothedChange)
{
    // Half tap alone on the left, no chorus: the left channel is the half tap.
    ChannelDriver driver;
    driver.channel->setParameter(DelayLengthMultiplier, 0.0f);
    driver.channel->setParameter(DelayMix, 1.0f);
    driver.channel->setParameter(DelayWidth, 1.0f);
    driver.channel->setParameter(DelayFeedback, 0.0f);
    driver.channel->setParameter(ChorusLevel, 0.0f);
    playPhrase(driver);

    // 0.001 of a second plus 200 frames: 288, so 144 for the half tap. The
    // change is ramped over 4410 frames; the length follows its target at once.
    driver.channel->setParameterSmoothed(DelayLengthMultiplier, 0.001f, 0.05f);
    const std::vector<Frame> out = driver.play(64, 1.0f, 1000);
    for (int n = 0; n < 144; ++n)
        ASSERT_EQ(out[n][0], 0.0f) << "frame " << n;
    EXPECT_NE(out[144][0], 0.0f);
}

TEST(ChannelEffects, RepeatingTheCurrentRateResetsNothing)
{
    // The effects start at the construction rate, so a host at 44100 (engine
    // 88200) leaves them as they are, mid-phrase included.
    ChannelDriver untouched;
    ChannelDriver told;
    untouched.channel->setParameter(DelayLengthMultiplier, 0.0f);
    told.channel->setParameter(DelayLengthMultiplier, 0.0f);
    const std::vector<Frame> first = playPhrase(untouched);
    playPhrase(told);

    told.channel->setSampleRate(88200.0f);
    const std::vector<Frame> a = playPhrase(untouched);
    const std::vector<Frame> b = playPhrase(told);
    for (size_t n = 0; n < a.size(); ++n)
    {
        ASSERT_EQ(b[n][0], a[n][0]) << "frame " << n;
        ASSERT_EQ(b[n][1], a[n][1]) << "frame " << n;
    }
    told.channel->setSampleRate(96000.0f);
    EXPECT_NE(playPhrase(told), playPhrase(untouched));
}
