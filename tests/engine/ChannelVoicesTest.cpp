#include "TestVoice.h"

#include <gtest/gtest.h>

namespace
{
class ChannelVoices : public ::testing::Test
{
protected:
    std::unique_ptr<InstrumentChannel> channel = makeTestChannel();
    std::int64_t frame = 0;

    void play(int note, std::uint8_t velocity = 100) { send(0x90, note, velocity); }
    void stop(int note) { send(0x80, note, 0); }
    void pedal(bool down) { send(0xb0, 64, down ? 127 : 0); }

    void send(std::uint8_t status, int data1, std::uint8_t data2)
    {
        channel->midiMessage(status, static_cast<std::uint8_t>(data1), data2, 0, true);
        render(1);
    }

    void render(int frames)
    {
        channel->beginBlock(frame, frames);
        for (int i = 0; i < frames; ++i)
        {
            float out[2] = { 0.0f, 0.0f };
            channel->renderFrame(frame++, out);
        }
    }

    TestVoice& voiceFor(int note) const
    {
        auto* voice = channel->getVoiceForNote(note);
        EXPECT_NE(voice, nullptr) << "note " << note;
        return testVoice(voice);
    }

    void setLegato(bool on, float glideNormalised = 0.5f)
    {
        channel->setParameter(EngineParameter::LegatoMode, on ? 1.0f : 0.0f);
        channel->setParameter(EngineParameter::LegatoTime, glideNormalised);
    }
};
} // namespace

TEST_F(ChannelVoices, ASecondNoteOnForAGatedNoteChangesNothing)
{
    play(60, 100);
    TestVoice& voice = voiceFor(60);
    play(60, 20);
    EXPECT_EQ(&voiceFor(60), &voice);
    EXPECT_EQ(voice.starts, 1);
    EXPECT_FLOAT_EQ(voice.velocity, 100 * 0.007874016f);
    EXPECT_EQ(channel->getPlayingVoice(1), nullptr);
}

TEST_F(ChannelVoices, The33rdNoteStealsTheOldestVoice)
{
    for (int note = 0; note < 32; ++note)
        play(40 + note);
    TestVoice& oldest = voiceFor(40);
    play(80);
    EXPECT_EQ(&voiceFor(80), &oldest);
    EXPECT_EQ(channel->getVoiceForNote(40), nullptr);
    EXPECT_TRUE(oldest.gate);
    EXPECT_EQ(oldest.starts, 2) << "the stolen voice is released, then restarted for the new note";
}

TEST_F(ChannelVoices, ReleasedVoicesAreStolenFirstOldestReleasedFirst)
{
    for (int note = 0; note < 32; ++note)
        play(40 + note);
    TestVoice& releasedFirst = voiceFor(50);
    TestVoice& releasedLater = voiceFor(45);
    stop(50);
    stop(45);
    play(90);
    EXPECT_EQ(&voiceFor(90), &releasedLater) << "45 started earlier, so it is older in the active list";
    play(91);
    EXPECT_EQ(&voiceFor(91), &releasedFirst);
    EXPECT_NE(channel->getVoiceForNote(40), nullptr) << "no gated voice was stolen";
}

TEST_F(ChannelVoices, LegatoGlidesTheNewestVoiceWithoutRestart)
{
    setLegato(true, 0.5f); // 0.25 s
    play(60);
    TestVoice& voice = voiceFor(60);
    play(64, 50);
    EXPECT_EQ(&voiceFor(64), &voice);
    EXPECT_EQ(voice.starts, 1);
    EXPECT_FLOAT_EQ(voice.targetFrequency, 329.62756f);
    EXPECT_FLOAT_EQ(voice.frequency, 261.62557f) << "glides from A";
    EXPECT_FLOAT_EQ(voice.glideSeconds, 0.25f);
    EXPECT_FLOAT_EQ(voice.velocity, 50 * 0.007874016f);
    EXPECT_EQ(channel->getVoiceForNote(60), nullptr);

    stop(64);
    EXPECT_FALSE(voice.gate) << "releasing B releases the voice while A is held";
    stop(60);
    EXPECT_EQ(voice.starts, 1);
}

TEST_F(ChannelVoices, LegatoAfterTheNewestVoiceWasReleasedStartsANewVoice)
{
    setLegato(true);
    play(60);
    stop(60);
    play(62);
    EXPECT_NE(&voiceFor(62), &testVoice(channel->getVoice(31))) << "not the released voice (the first one taken)";
    EXPECT_EQ(voiceFor(62).starts, 1);
    EXPECT_TRUE(voiceFor(62).gate);
}

TEST_F(ChannelVoices, SustainHoldsReleasedKeysUntilThePedalGoesUp)
{
    pedal(true);
    play(60);
    TestVoice& first = voiceFor(60);
    stop(60);
    EXPECT_TRUE(first.gate) << "the pedal holds it";
    play(60);
    TestVoice& second = voiceFor(60);
    EXPECT_NE(&second, &first) << "the same key pressed again gets a second voice";
    stop(60);
    pedal(false);
    EXPECT_FALSE(first.gate);
    EXPECT_FALSE(second.gate);
}

TEST_F(ChannelVoices, PedalUpKeepsTheNewestVoiceOfAKeyStillDown)
{
    pedal(true);
    play(60);
    TestVoice& first = voiceFor(60);
    stop(60);
    play(60);
    TestVoice& second = voiceFor(60);
    pedal(false);
    EXPECT_FALSE(first.gate);
    EXPECT_TRUE(second.gate);
}

TEST_F(ChannelVoices, FinishedVoicesFadeThroughTheirTail)
{
    play(60, 127);
    TestVoice& voice = voiceFor(60);
    stop(60);
    render(TestVoice::releaseFrames - 2);
    EXPECT_EQ(channel->getNumTailVoices(), 0);
    render(1);
    ASSERT_EQ(channel->getNumTailVoices(), 1);
    EXPECT_TRUE(voice.isInFreeList());
    EXPECT_EQ(voice.getTailFramesLeft(), InstrumentChannel::tailFrames);

    render(InstrumentChannel::tailFrames - 1);
    EXPECT_EQ(channel->getNumTailVoices(), 1);
    render(1);
    EXPECT_EQ(channel->getNumTailVoices(), 0);
}

TEST_F(ChannelVoices, ANewNoteCutsTheTailOfTheVoiceItTakes)
{
    play(60);
    stop(60);
    render(TestVoice::releaseFrames);
    ASSERT_EQ(channel->getNumTailVoices(), 1);
    play(61); // the finished voice is the head of the free list again
    EXPECT_EQ(channel->getNumTailVoices(), 0);
    EXPECT_FALSE(voiceFor(61).isInFreeList());
}

TEST_F(ChannelVoices, AVoiceThatFinishesWhileItsKeyIsDownCanBePlayedAgain)
{
    play(60);
    TestVoice& voice = voiceFor(60);
    voice.gate = false; // ran out on its own, as a one-shot envelope does
    voice.sounding = false;
    render(1);
    ASSERT_TRUE(voice.isInFreeList());

    play(60);
    TestVoice& again = voiceFor(60);
    EXPECT_FALSE(again.isInFreeList());
    EXPECT_TRUE(again.gate);
    EXPECT_EQ(channel->getPlayingVoice(0), channel->getVoiceForNote(60));
}
