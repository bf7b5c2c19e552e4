#include "RenderTestSupport.h"

#include "render/MidiSchedule.h"
#include "render/RenderError.h"

#include <gtest/gtest.h>

namespace
{
constexpr int ticksPerQuarter = 480;

struct PlacedEvent
{
    std::int64_t sample;
    std::vector<juce::uint8> bytes;

    bool operator==(const PlacedEvent&) const = default;
};

void PrintTo(const PlacedEvent& event, std::ostream* out)
{
    *out << "{" << event.sample << ":";
    for (auto byte : event.bytes)
        *out << " " << static_cast<int>(byte);
    *out << "}";
}

PlacedEvent placed(std::int64_t sample, const juce::MidiMessage& message)
{
    return { sample, { message.getRawData(), message.getRawData() + message.getRawDataSize() } };
}

/** Everything the schedule hands out, block by block, at absolute sample positions. */
std::vector<PlacedEvent> collect(const MidiSchedule& schedule, int blockSize)
{
    std::vector<PlacedEvent> events;
    juce::MidiBuffer block;
    for (std::int64_t start = 0; start < schedule.getEndSample(); start += blockSize)
    {
        block.clear();
        schedule.fillBlock(start, blockSize, block);
        for (const auto metadata : block)
        {
            EXPECT_GE(metadata.samplePosition, 0);
            EXPECT_LT(metadata.samplePosition, blockSize);
            events.push_back(placed(start + metadata.samplePosition, metadata.getMessage()));
        }
    }
    return events;
}

// 120 bpm for two beats, then 60 bpm: beat 1 is at 0.5 s, beat 3 at 1.0 + 1.0 = 2.0 s.
const juce::MidiMessage tempoFast = atTick(juce::MidiMessage::tempoMetaEvent(500000), 0);
const juce::MidiMessage tempoSlow = atTick(juce::MidiMessage::tempoMetaEvent(1000000), 2 * ticksPerQuarter);
const juce::MidiMessage noteOn = atTick(juce::MidiMessage::noteOn(1, 60, juce::uint8 { 100 }), 1 * ticksPerQuarter);
const juce::MidiMessage wheel = atTick(juce::MidiMessage::controllerEvent(2, 1, 64), 3 * ticksPerQuarter);
const juce::MidiMessage noteOff = atTick(juce::MidiMessage::noteOff(1, 60), 3 * ticksPerQuarter + ticksPerQuarter / 2);

juce::MidiFile fileOfType(int type)
{
    juce::MidiFile midi;
    midi.setTicksPerQuarterNote(ticksPerQuarter);
    if (type == 0)
    {
        midi.addTrack(sequenceOf({ tempoFast, noteOn, tempoSlow, wheel, noteOff }));
    }
    else
    {
        midi.addTrack(sequenceOf({ tempoFast, tempoSlow }));
        midi.addTrack(sequenceOf({ noteOn, noteOff }));
        midi.addTrack(sequenceOf({ wheel }));
    }
    return midi;
}

class MidiScheduleFileType : public ::testing::TestWithParam<int>
{
};

TEST_P(MidiScheduleFileType, PlacesEventsOnTheTempoMap)
{
    const ScratchFolder scratch;
    const juce::File file = scratch.file("tempo.mid");
    writeMidiFile(file, fileOfType(GetParam()), GetParam());

    const MidiSchedule schedule(MidiSchedule::readFile(file), 44100.0);

    // Beat 1 = 0.5 s, beat 3 = 2.0 s, beat 3.5 = 2.5 s; the tempo events are not sent.
    const std::vector<PlacedEvent> expected = { placed(22050, noteOn), placed(88200, wheel), placed(110250, noteOff) };
    EXPECT_EQ(schedule.getEndSample(), 110251);
    for (int blockSize : { 1, 100, 22050, 200000 })
    {
        SCOPED_TRACE(blockSize);
        EXPECT_EQ(collect(schedule, blockSize), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Types, MidiScheduleFileType, ::testing::Values(0, 1));

TEST(MidiSchedule, EndsANoteBeforeRestartingItWhateverTrackHoldsTheEvents)
{
    juce::MidiFile midi;
    midi.setTicksPerQuarterNote(ticksPerQuarter);
    const auto restart = atTick(juce::MidiMessage::noteOn(1, 64, juce::uint8 { 90 }), ticksPerQuarter);
    const auto firstOn = atTick(juce::MidiMessage::noteOn(1, 64, juce::uint8 { 80 }), 0);
    const auto firstOff = atTick(juce::MidiMessage::noteOff(1, 64), ticksPerQuarter);
    midi.addTrack(sequenceOf({ restart }));
    midi.addTrack(sequenceOf({ firstOn, firstOff }));

    // No tempo event: 120 bpm, so one beat is 24000 samples at 48 kHz.
    const MidiSchedule schedule(midi, 48000.0);
    const std::vector<PlacedEvent> expected = { placed(0, firstOn), placed(24000, firstOff), placed(24000, restart) };
    EXPECT_EQ(collect(schedule, 512), expected);
}

TEST(MidiSchedule, RefusesWhatIsNotATypeZeroOrOneFile)
{
    const ScratchFolder scratch;
    const juce::File missing = scratch.file("missing.mid");
    const juce::File garbage = scratch.file("garbage.mid");
    garbage.replaceWithText("RIFF and nothing else");
    const juce::File truncated = scratch.file("truncated.mid");
    {
        juce::MemoryOutputStream whole;
        fileOfType(1).writeTo(whole, 1);
        truncated.replaceWithData(whole.getData(), whole.getDataSize() - 5);
    }
    const juce::File type2 = scratch.file("type2.mid");
    writeMidiFile(type2, fileOfType(1), 2);
    const juce::File folder = scratch.file("folder.mid");
    folder.createDirectory();

    const struct
    {
        juce::File file;
        std::string message;
    } cases[] = {
        { missing, "cannot read MIDI file " + quoted(missing) + ": no such file" },
        { folder, "cannot read MIDI file " + quoted(folder) + ": it is a folder" },
        { garbage, quoted(garbage) + " is not a valid Standard MIDI File" },
        { truncated, quoted(truncated) + " is not a valid Standard MIDI File" },
        { type2, quoted(type2) + " is a type 2 MIDI file; only types 0 and 1 can be rendered" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file.getFileName());
        try
        {
            MidiSchedule::readFile(c.file);
            ADD_FAILURE() << "accepted";
        }
        catch (const RenderError& error)
        {
            EXPECT_EQ(error.what(), c.message);
        }
    }
}
} // namespace
