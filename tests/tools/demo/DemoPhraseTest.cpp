#include "tools/render/RenderTestSupport.h"

#include "demo/DemoPhrase.h"
#include "render/RenderCommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace
{
struct Played
{
    double on;
    double off;
};

TEST(DemoPhrase, IsAShortTypeOneFileWithChordsMelodyWheelAndBend)
{
    const ScratchFolder scratch;
    const juce::File file = scratch.file("demo.mid");
    ASSERT_TRUE(writeDemoPhrase(file));

    juce::MidiFile midi;
    int type = -1;
    juce::FileInputStream stream(file);
    ASSERT_TRUE(midi.readFrom(stream, false, &type));
    EXPECT_EQ(type, 1);
    midi.convertTimestampTicksToSeconds();

    std::vector<Played> notes;
    std::set<int> tempos;
    std::vector<int> wheel;
    std::vector<int> bend;
    for (int t = 0; t < midi.getNumTracks(); ++t)
    {
        juce::MidiMessageSequence track(*midi.getTrack(t));
        track.updateMatchedPairs();
        for (const auto* holder : track)
        {
            const auto& message = holder->message;
            if (message.isTempoMetaEvent())
                tempos.insert(juce::roundToInt(60.0 / message.getTempoSecondsPerQuarterNote()));
            else if (message.isController() && message.getControllerNumber() == 1)
                wheel.push_back(message.getControllerValue());
            else if (message.isPitchWheel())
                bend.push_back(message.getPitchWheelValue());
            else if (message.isNoteOn())
            {
                ASSERT_NE(holder->noteOffObject, nullptr) << "an unended note";
                notes.push_back({ message.getTimeStamp(), holder->noteOffObject->message.getTimeStamp() });
            }
        }
    }

    EXPECT_GE(tempos.size(), 2u) << "the tempo changes";
    long mostAtOnce = 0;
    for (const auto& note : notes)
    {
        const auto soundingThen = [&note](const Played& other) { return other.on <= note.on && note.on < other.off; };
        mostAtOnce = std::max(mostAtOnce, static_cast<long>(std::count_if(notes.begin(), notes.end(), soundingThen)));
    }
    EXPECT_GE(mostAtOnce, 4) << "a chord under a melody note";

    ASSERT_FALSE(wheel.empty());
    EXPECT_GE(*std::max_element(wheel.begin(), wheel.end()), 100);
    EXPECT_EQ(wheel.back(), 0);
    ASSERT_FALSE(bend.empty());
    EXPECT_GT(*std::max_element(bend.begin(), bend.end()), 8192);
    EXPECT_EQ(bend.back(), 8192) << "the bend returns to the centre";

    const double end = midi.getLastTimestamp();
    EXPECT_GT(end, 8.0);
    EXPECT_LT(end, 30.0);
}

TEST(DemoPhrase, RendersThroughTheCommand)
{
    const ScratchFolder scratch;
    const juce::File midi = scratch.file("demo.mid");
    const juce::File wav = scratch.file("demo.wav");
    ASSERT_TRUE(writeDemoPhrase(midi));

    std::ostringstream out;
    std::ostringstream err;
    const std::atomic<bool> cancel { false };
    const std::vector<std::string> arguments = { "--rate", "8000", "--tail", "0",
                                                 midi.getFullPathName().toStdString(),
                                                 wav.getFullPathName().toStdString() };
    EXPECT_EQ(runRenderCommand(arguments, { out, err, false }, cancel), 0) << err.str();
    EXPECT_TRUE(wav.existsAsFile());
}
} // namespace
