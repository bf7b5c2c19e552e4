#include "engine/EngineParameters.h"
#include "engine/ParameterStore.h"
#include "TestVoice.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

namespace
{
const std::array<ParameterInfo, 3> shapes { {
    { "linear", ParameterShape::Linear, 0.5f, 10.0f, 20.0f },
    { "integer", ParameterShape::Integer, 0.5f, 0.0f, 5.0f },
    { "squared", ParameterShape::Squared, 0.5f, 0.0f, 100.0f },
} };

/** Frames until a ramp ends at its target, counting the frame that lands on it. */
int framesToSettle(ParameterStore& store, int index)
{
    int frames = 0;
    while (store.slot(index).smoothing && frames < 10'000'000)
    {
        store.advance();
        ++frames;
    }
    return frames;
}
} // namespace

TEST(ParameterStore, MapsNormalisedValuesToPlainByShape)
{
    ParameterStore store(shapes);
    EXPECT_FLOAT_EQ(store.slot(0).currentPlain, 15.0f);
    EXPECT_FLOAT_EQ(store.slot(1).currentPlain, 2.0f); // 2.5 truncated
    EXPECT_FLOAT_EQ(store.slot(2).currentPlain, 25.0f);

    store.set(2, 0.2f);
    EXPECT_FLOAT_EQ(store.slot(2).currentPlain, 4.0f);
    EXPECT_NEAR(store.slot(2).toNormalized(4.0f), 0.2f, 1e-6f);
}

TEST(ParameterStore, RampLastsSecondsTimesTheFixedSmoothingRate)
{
    struct Case
    {
        float from, to, seconds;
    };
    for (const Case c : { Case { 0.0f, 1.0f, 0.02f }, Case { 1.0f, 0.25f, 0.1f }, Case { 0.3f, 0.9f, 256.0f / 48000.0f } })
    {
        ParameterStore store(shapes);
        store.set(0, c.from);
        store.setSmoothed(0, c.to, c.seconds);
        EXPECT_FLOAT_EQ(store.slot(0).targetPlain, 10.0f + 10.0f * c.to) << "target is known at once";
        EXPECT_FLOAT_EQ(store.slot(0).currentPlain, 10.0f + 10.0f * c.from) << "current follows frame by frame";

        const int expected = static_cast<int>(std::lround(c.seconds * 88200.0f));
        EXPECT_NEAR(framesToSettle(store, 0), expected, 1) << c.seconds;
        EXPECT_EQ(store.slot(0).currentNormalized, c.to);
    }
}

TEST(ParameterStore, RampIsIndependentOfTheChannelsEngineRate)
{
    for (const float rate : { 44100.0f, 96000.0f, 192000.0f })
    {
        auto channel = makeTestChannel();
        channel->setSampleRate(rate);
        channel->setParameter(EngineParameter::DelayMix, 0.0f);
        channel->setParameterSmoothed(EngineParameter::DelayMix, 1.0f, 0.01f);
        channel->beginBlock(0, 2000);
        int frames = 0;
        float frame[2];
        while (channel->getParameterValue(EngineParameter::DelayMix) < 1.0f && frames < 5000)
        {
            frame[0] = frame[1] = 0.0f;
            channel->renderFrame(frames++, frame);
        }
        EXPECT_NEAR(frames, 882, 1) << rate;
    }
}

TEST(ParameterStore, ImmediateAndDegenerateWritesSetAtOnce)
{
    ParameterStore store(shapes);
    store.setSmoothed(0, 1.0f, 0.5f);
    store.set(0, 0.25f);
    EXPECT_FALSE(store.slot(0).smoothing);
    EXPECT_FLOAT_EQ(store.slot(0).currentPlain, 12.5f);

    for (const float seconds : { 0.0f, -1.0f, std::numeric_limits<float>::infinity(), std::nanf("") })
    {
        store.setSmoothed(0, 0.75f, seconds);
        EXPECT_FALSE(store.slot(0).smoothing) << seconds;
        EXPECT_FLOAT_EQ(store.slot(0).currentPlain, 17.5f) << seconds;
        store.set(0, 0.0f);
    }

    // Integer slots never ramp.
    store.setSmoothed(1, 1.0f, 1.0f);
    EXPECT_FALSE(store.slot(1).smoothing);
    EXPECT_FLOAT_EQ(store.slot(1).currentPlain, 5.0f);
}

TEST(ParameterStore, DirtyFlagsReportEachChangedIndexOnce)
{
    ParameterStore store(shapes);
    store.set(2, 0.1f);
    store.setSmoothed(0, 0.9f, 0.1f);
    store.set(2, 0.3f);

    std::vector<std::pair<int, float>> changed;
    store.takeDirty([&](int index, float plain) { changed.emplace_back(index, plain); });
    ASSERT_EQ(changed.size(), 2u);
    EXPECT_EQ(changed[0].first, 2);
    EXPECT_FLOAT_EQ(changed[0].second, 9.0f);
    EXPECT_EQ(changed[1].first, 0);
    EXPECT_FALSE(store.slot(0).dirty);

    changed.clear();
    store.takeDirty([&](int index, float plain) { changed.emplace_back(index, plain); });
    EXPECT_TRUE(changed.empty());
}

TEST(ParameterStore, PostedWritesWaitForTheNextFrameAndTheLastOneWins)
{
    ParameterStore store(shapes);
    store.post(0, 0.2f, 0.0f);
    store.post(0, 0.4f, 0.0f);
    store.post(2, 1.0f, 0.01f);
    EXPECT_FLOAT_EQ(store.slot(0).targetNormalized, 0.5f) << "nothing changes before the render thread applies";

    store.applyPosted();
    EXPECT_FLOAT_EQ(store.slot(0).currentPlain, 14.0f);
    EXPECT_TRUE(store.slot(2).smoothing);
    EXPECT_FLOAT_EQ(store.slot(2).targetPlain, 100.0f);
    EXPECT_NEAR(framesToSettle(store, 2), 882, 1);
}

TEST(ParameterStore, WritesFromAnotherThreadWhileRenderingStayWhole)
{
    // Run under ThreadSanitizer as well: the writer and the renderer share no plain data.
    auto channel = makeTestChannel();
    std::atomic<bool> done { false };
    std::thread writer([&] {
        for (int i = 0; i < 20000; ++i)
        {
            const float value = (i % 2) == 0 ? 0.25f : 0.75f;
            for (int index = 0; index < EngineParameter::count; ++index)
                if (index != EngineParameter::PitchBendRange)
                    channel->postParameterSmoothed(index, value, 0.02f);
        }
        done = true;
    });

    std::int64_t frame = 0;
    float out[2];
    while (! done)
    {
        channel->beginBlock(frame, 64);
        for (int i = 0; i < 64; ++i)
        {
            out[0] = out[1] = 0.0f;
            channel->renderFrame(frame++, out);
            const float target = channel->getParameterNormalized(EngineParameter::OscShape);
            ASSERT_TRUE(target == 0.25f || target == 0.75f || target == 0.213333f) << target;
        }
    }
    writer.join();

    out[0] = out[1] = 0.0f;
    channel->renderFrame(frame, out);
    EXPECT_FLOAT_EQ(channel->getParameterNormalized(EngineParameter::OscShape), 0.75f) << "the last write wins";
}
