#include "TestVoice.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
struct Harness
{
    std::unique_ptr<InstrumentChannel> channel = makeTestChannel();
    std::int64_t frame = 0;

    void block(int frames, const std::function<void(int)>& afterFrame = {})
    {
        channel->beginBlock(frame, frames);
        for (int i = 0; i < frames; ++i)
        {
            float out[2] = { 0.0f, 0.0f };
            channel->renderFrame(frame++, out);
            if (afterFrame)
                afterFrame(i);
        }
    }

    TestVoice* voiceFor(int note) const
    {
        auto* voice = channel->getVoiceForNote(note);
        return voice != nullptr ? &testVoice(voice) : nullptr;
    }
};
} // namespace

TEST(ChannelMidi, DecodesShortMessagesWithTheirScaling)
{
    struct Case
    {
        const char* what;
        std::uint8_t status, data1, data2;
        std::function<void(const Harness&)> check;
    };
    const Case cases[] = {
        { "note on", 0x90, 60, 100, [](const Harness& h) {
              ASSERT_NE(h.voiceFor(60), nullptr);
              EXPECT_TRUE(h.voiceFor(60)->gate);
              EXPECT_FLOAT_EQ(h.voiceFor(60)->velocity, 100 * 0.007874016f);
              EXPECT_FLOAT_EQ(h.voiceFor(60)->frequency, 261.62557f);
          } },
        { "note on, any channel", 0x9f, 61, 127, [](const Harness& h) { ASSERT_NE(h.voiceFor(61), nullptr); } },
        { "mod wheel", 0xb0, 1, 127, [](const Harness& h) { EXPECT_FLOAT_EQ(h.channel->getModWheel(), 1.0f); } },
        { "sustain", 0xb3, 64, 64, [](const Harness& h) { EXPECT_FLOAT_EQ(h.channel->getSustain(), 64 * 0.007874016f); } },
        { "bend raw 0", 0xe0, 0, 0, [](const Harness& h) { EXPECT_FLOAT_EQ(h.channel->getPitchBend(), -1.0f); } },
        { "bend raw 8192 is not quite centre", 0xe0, 0, 64,
          [](const Harness& h) { EXPECT_NEAR(h.channel->getPitchBend(), 0.000061f, 5e-7f); } },
        { "bend raw 16383", 0xe0, 127, 127, [](const Harness& h) { EXPECT_FLOAT_EQ(h.channel->getPitchBend(), 1.0f); } },
    };

    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        Harness h;
        h.channel->midiMessage(c.status, c.data1, c.data2, 0, true);
        h.block(1);
        c.check(h);
    }
}

TEST(ChannelMidi, NoteOffsAndVelocityZeroRelease)
{
    for (const std::uint8_t off : { std::uint8_t { 0x80 }, std::uint8_t { 0x90 } })
    {
        Harness h;
        h.channel->midiMessage(0x90, 64, 90, 0, true);
        h.block(1);
        TestVoice* voice = h.voiceFor(64);
        ASSERT_NE(voice, nullptr);
        h.channel->midiMessage(off, 64, 0, 0, true);
        h.block(1);
        EXPECT_FALSE(voice->gate) << int { off };
        EXPECT_EQ(h.voiceFor(64), nullptr);
    }
}

TEST(ChannelMidi, IgnoresWhatItDoesNotPlay)
{
    Harness h;
    const std::uint8_t ignored[][3] = { { 0xc0, 5, 0 }, { 0xd0, 100, 0 }, { 0xa0, 60, 10 }, { 0xb0, 7, 100 }, { 0xf0, 1, 2 } };
    for (const auto& message : ignored)
        h.channel->midiMessage(message[0], message[1], message[2], 0, true);
    EXPECT_EQ(h.channel->getNumPendingEvents(), 0);
}

TEST(ChannelEvents, DeliversEachEventAtItsFrame)
{
    Harness h;
    h.channel->midiMessage(0x90, 62, 100, 20, true);
    h.channel->midiMessage(0x90, 60, 100, 5, true); // queued out of order
    h.channel->midiMessage(0x90, 61, 100, 5, true);
    h.block(64, [&](int i) {
        EXPECT_EQ(h.voiceFor(60) != nullptr, i >= 5) << i;
        EXPECT_EQ(h.voiceFor(61) != nullptr, i >= 5) << i;
        EXPECT_EQ(h.voiceFor(62) != nullptr, i >= 20) << i;
    });
}

TEST(ChannelEvents, EventsBeyondTheBlockAreDiscarded)
{
    Harness h;
    h.channel->midiMessage(0x90, 60, 100, 70, true);
    h.block(64);
    h.block(64);
    EXPECT_EQ(h.voiceFor(60), nullptr);
}

TEST(ChannelEvents, QueueHolds4096EventsAndDropsTheRest)
{
    Harness h;
    for (int i = 0; i < 4100; ++i)
        h.channel->midiMessage(0xb0, 1, static_cast<std::uint8_t>(i % 128), 3, true);
    EXPECT_EQ(h.channel->getNumPendingEvents(), 4096);
    h.block(4);
    EXPECT_FLOAT_EQ(h.channel->getModWheel(), (4095 % 128) * 0.007874016f) << "the 4096th event was the last kept";
    EXPECT_EQ(h.channel->getNumPendingEvents(), 0);
}

TEST(ChannelEvents, EventsFromOtherThreadsTakeTheLockAndSoundAtTheNextBlock)
{
    struct Counter
    {
        int locks = 0, unlocks = 0;
        static void call(bool lock, void* context)
        {
            auto* self = static_cast<Counter*>(context);
            (lock ? self->locks : self->unlocks)++;
        }
    } counter;

    Harness h;
    h.channel = makeTestChannel({ &Counter::call, &counter });
    h.channel->beginBlock(0, 8);
    h.channel->noteOn(0, 60, 0, false, 0.5f);
    EXPECT_EQ(counter.locks, 2); // the block start and the note
    EXPECT_EQ(counter.unlocks, counter.locks);

    float out[2] = { 0.0f, 0.0f };
    h.channel->renderFrame(0, out);
    EXPECT_EQ(h.voiceFor(60), nullptr) << "queued after this block began";
    h.frame = 8;
    h.block(1);
    EXPECT_NE(h.voiceFor(60), nullptr);
}
