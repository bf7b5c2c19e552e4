#include "RenderTestSupport.h"

#include "navigator/SphereBlend.h"
#include "presets/FactoryBank.h"
#include "presets/PresetFormat.h"
#include "processor/TessaroAudioProcessor.h"
#include "render/RenderCommand.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace
{
struct Outcome
{
    int exitCode;
    std::string out;
    std::string err;
};

Outcome run(const std::vector<std::string>& arguments, bool terminal = false, bool cancelled = false)
{
    std::ostringstream out;
    std::ostringstream err;
    const std::atomic<bool> cancel { cancelled };
    const int exitCode = runRenderCommand(arguments, { out, err, terminal }, cancel);
    return { exitCode, out.str(), err.str() };
}

std::string path(const juce::File& file)
{
    return file.getFullPathName().toStdString();
}

/** A type 1 file with one half-second note (120 bpm, no tempo event). */
void writePhrase(const juce::File& file)
{
    juce::MidiFile midi;
    midi.setTicksPerQuarterNote(480);
    midi.addTrack(sequenceOf({ atTick(juce::MidiMessage::textMetaEvent(3, "phrase"), 0) }));
    midi.addTrack(sequenceOf({ atTick(juce::MidiMessage::noteOn(1, 57, juce::uint8 { 100 }), 0),
                               atTick(juce::MidiMessage::noteOff(1, 57), 480) }));
    writeMidiFile(file, midi, 1);
}

juce::MemoryBlock stateOf(TessaroAudioProcessor& processor)
{
    juce::MemoryBlock state;
    processor.getStateInformation(state);
    return state;
}

class RenderCommandTest : public ::testing::Test
{
protected:
    void SetUp() override { writePhrase(midi); }

    ScratchFolder scratch;
    const juce::File midi = scratch.file("phrase.mid");
    const juce::File output = scratch.file("out.wav");
};

TEST_F(RenderCommandTest, WritesTheChosenFormatRateAndLength)
{
    const juce::File state = scratch.file("sound.state");
    TessaroAudioProcessor fresh;
    ASSERT_TRUE(state.replaceWithData(stateOf(fresh).getData(), 48));

    const struct
    {
        std::vector<std::string> options;
        int sampleRate;
        double tailSeconds;
        unsigned int bitsPerSample;
        bool floatingPoint;
    } cases[] = {
        { {}, 48000, 3.0, 32, true },
        { { "--format", "pcm24", "--rate", "44100", "--tail", "0.25" }, 44100, 0.25, 24, false },
        { { "--rate", "8000", "--block", "1", "--tail", "0", "--state", path(state), "--set", "Volume=0.3" }, 8000, 0.0,
          32, true },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(::testing::PrintToString(c.options));
        std::vector<std::string> arguments = c.options;
        arguments.insert(arguments.end(), { path(midi), path(output) });
        const Outcome outcome = run(arguments);

        // The note-off half a second in is the last event; the tail follows it.
        const auto length = static_cast<juce::int64>(c.sampleRate / 2 + 1 + std::ceil(c.tailSeconds * c.sampleRate));
        EXPECT_EQ(outcome.exitCode, 0);
        EXPECT_EQ(outcome.err, "");
        EXPECT_EQ(outcome.out, "Rendered " + juce::String(static_cast<double>(length) / c.sampleRate, 2).toStdString()
                                   + " s to '" + path(output) + "'\n");
        EXPECT_EQ(scratch.entryNames(), juce::StringArray({ "out.wav", "phrase.mid", "sound.state" }));

        juce::WavAudioFormat wav;
        const std::unique_ptr<juce::AudioFormatReader> reader(
            wav.createReaderFor(new juce::FileInputStream(output), true));
        ASSERT_NE(reader, nullptr);
        EXPECT_EQ(reader->numChannels, 2u);
        EXPECT_EQ(reader->sampleRate, c.sampleRate);
        EXPECT_EQ(reader->bitsPerSample, c.bitsPerSample);
        EXPECT_EQ(reader->usesFloatingPointData, c.floatingPoint);
        EXPECT_EQ(reader->lengthInSamples, length);
    }
}

TEST_F(RenderCommandTest, RefusesBadInputInOneLineAndWritesNothing)
{
    const juce::File garbage = scratch.file("garbage.mid");
    garbage.replaceWithText("not MIDI at all");
    const juce::File metaOnly = scratch.file("meta.mid");
    {
        juce::MidiFile onlyNames;
        onlyNames.setTicksPerQuarterNote(480);
        onlyNames.addTrack(sequenceOf({ atTick(juce::MidiMessage::textMetaEvent(3, "silence"), 0) }));
        writeMidiFile(metaOnly, onlyNames, 1);
    }
    const juce::File shortState = scratch.file("short.state");
    shortState.replaceWithText("ten bytes!");
    const juce::File folder = scratch.file("folder.wav");
    folder.createDirectory();
    const juce::File missing = scratch.file("missing");
    const juce::StringArray entriesBefore = scratch.entryNames();
    juce::MemoryBlock midiBefore;
    ASSERT_TRUE(midi.loadFileAsData(midiBefore));

    const struct
    {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        { { path(missing), path(output) }, "cannot read MIDI file '" + path(missing) + "': no such file" },
        { { path(garbage), path(output) }, "'" + path(garbage) + "' is not a valid Standard MIDI File" },
        { { path(metaOnly), path(output) }, "'" + path(metaOnly) + "' holds no MIDI events to render" },
        { { path(midi), path(missing.getChildFile("out.wav")) },
          "cannot write '" + path(missing.getChildFile("out.wav")) + "': '" + path(missing) + "' does not exist" },
        { { path(midi), path(midi.getChildFile("out.wav")) },
          "cannot write '" + path(midi.getChildFile("out.wav")) + "': '" + path(midi) + "' is not a folder" },
        { { path(midi), path(folder) }, "cannot write '" + path(folder) + "': it is a folder" },
        { { path(midi), path(midi) }, "the output '" + path(midi) + "' would replace an input file" },
        { { "--state", path(shortState), path(midi), path(output) },
          "'" + path(shortState) + "' holds 10 bytes; a state blob holds 48" },
        { { "--state", path(missing), path(midi), path(output) },
          "cannot read state file '" + path(missing) + "': no such file" },
        { { "--preset", path(missing), path(midi), path(output) },
          "cannot read preset file '" + path(missing) + "': no such file" },
        { { "--preset", path(garbage), path(midi), path(output) }, "'" + path(garbage) + "' is not a Tessaro preset" },
        { { "--state", path(shortState), "--preset", path(garbage), path(midi), path(output) },
          "give either a state file or a preset file, not both" },
        { { "--set", "Pitch=1", path(midi), path(output) },
          "unknown parameter 'Pitch' (the parameters are X, Y, Z, A, Delay time, Delay feedback, Delay mix, "
          "Delay swap, Legato, Glide time, Pitch bend range, Volume)" },
        { { "--sound", "LOUDEST", path(midi), path(output) },
          "the sound must be a bank index from 0 to 69 or the name of a factory entry, not 'LOUDEST'" },
        { { "--block", "8193", path(midi), path(output) },
          "the block size must be a whole number from 1 to 8192, not '8193'" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.message);
        const Outcome outcome = run(c.arguments);
        EXPECT_NE(outcome.exitCode, 0);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, "tessaro-render: " + c.message + "\n");
        EXPECT_EQ(scratch.entryNames(), entriesBefore);
    }
    juce::MemoryBlock midiAfter;
    ASSERT_TRUE(midi.loadFileAsData(midiAfter));
    EXPECT_EQ(midiAfter, midiBefore);
}

TEST_F(RenderCommandTest, InterruptedRenderLeavesTheOldFileAsItWas)
{
    output.replaceWithText("the previous render");

    const Outcome outcome = run({ path(midi), path(output) }, false, true);

    EXPECT_NE(outcome.exitCode, 0);
    EXPECT_EQ(outcome.err, "tessaro-render: interrupted; '" + path(output) + "' was not written\n");
    EXPECT_EQ(output.loadFileAsString(), "the previous render");
    EXPECT_EQ(scratch.entryNames(), juce::StringArray({ "out.wav", "phrase.mid" }));
}

TEST_F(RenderCommandTest, DrawsAProgressBarOnlyOnATerminalForLongRenders)
{
    const struct
    {
        bool terminal;
        const char* tail;
        bool expectBar;
    } cases[] = {
        { true, "5", true },   // 5.5 s
        { false, "5", false },
        { true, "4", false },  // 4.5 s
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << "terminal " << c.terminal << ", tail " << c.tail);
        const Outcome outcome = run({ "--rate", "8000", "--tail", c.tail, path(midi), path(output) }, c.terminal);
        EXPECT_EQ(outcome.exitCode, 0);
        if (c.expectBar)
        {
            EXPECT_EQ(outcome.err.rfind("\rRendering [", 0), 0u) << outcome.err;
            EXPECT_TRUE(outcome.err.ends_with("] 100%\n")) << outcome.err;
        }
        else
        {
            EXPECT_EQ(outcome.err, "");
        }
    }
}

TEST(RenderStartingSound, AppliesTheStateBlobThenTheSettings)
{
    TessaroAudioProcessor donor;
    for (int i = 0; i < HostParameter::count; ++i)
        donor.getHostParameter(static_cast<HostParameter::Index>(i)).setValueNotifyingHost((i + 1) / 16.0f);
    const ScratchFolder scratch;
    const juce::File stateFile = scratch.file("donor.state");
    const juce::MemoryBlock donorState = stateOf(donor);
    stateFile.replaceWithData(donorState.getData(), donorState.getSize());

    const auto settings = parseCommandLine({ "--set", "delay TIME=0.75", "a.mid", "b.wav" }).options.parameters;
    TessaroAudioProcessor processor;
    applyStartingSound(processor, readStateBlob(stateFile), std::nullopt, settings);

    for (int i = 0; i < HostParameter::count; ++i)
    {
        const auto index = static_cast<HostParameter::Index>(i);
        SCOPED_TRACE(HostParameter::definitions[static_cast<size_t>(i)].name);
        const float expected = index == HostParameter::DelayTime ? 0.75f : (i + 1) / 16.0f;
        EXPECT_EQ(processor.getHostParameter(index).get(), expected);
    }
}

TEST(RenderStartingSound, ReadsTheStateInsideAPresetFile)
{
    TessaroAudioProcessor processor;
    TessaroAudioProcessor donor;
    donor.getHostParameter(HostParameter::Volume).setValueNotifyingHost(0.25f);
    const juce::MemoryBlock donorState = stateOf(donor);
    const PresetFormat format(processor.getPresetFileExtension(), processor.getRawPresetSize());

    const ScratchFolder scratch;
    const juce::File preset = scratch.file("donor.tessaropreset");
    const juce::MemoryBlock wrapped = format.wrap(donorState);
    ASSERT_TRUE(preset.replaceWithData(wrapped.getData(), wrapped.getSize()));
    EXPECT_EQ(readPresetPayload(preset, processor), donorState);

    // A bare state blob is not a preset file: without the header only the raw preset size is accepted.
    const juce::File bare = scratch.file("bare.tessaropreset");
    ASSERT_TRUE(bare.replaceWithData(donorState.getData(), donorState.getSize()));
    EXPECT_THROW(readPresetPayload(bare, processor), RenderError);
}

TEST(RenderStartingSound, TheSoundTurnsTheSphereAfterTheStateAndBeforeTheSettings)
{
    TessaroAudioProcessor donor;
    for (int i = 0; i < HostParameter::count; ++i)
        donor.getHostParameter(static_cast<HostParameter::Index>(i)).setValueNotifyingHost(0.25f);

    for (const int entry : { 0, 26, 62 })
    {
        SCOPED_TRACE(FactoryBank::getName(entry));
        const auto settings = parseCommandLine({ "--set", "Delay mix=0.9", "--set", "Volume=0.5", "a.mid", "b.wav" })
                                  .options.parameters;
        TessaroAudioProcessor processor;
        applyStartingSound(processor, stateOf(donor), entry, settings);
        EXPECT_EQ(processor.getHostParameter(HostParameter::DelayTime).get(), 0.25f) << "from the state";
        EXPECT_EQ(processor.getHostParameter(HostParameter::DelayMix).get(), 0.9f);
        EXPECT_EQ(processor.getHostParameter(HostParameter::Volume).get(), 0.5f);

        processor.prepareToPlay(48000.0, 256);
        juce::AudioBuffer<float> buffer(2, 256);
        juce::MidiBuffer noMidi;
        processor.processBlock(buffer, noMidi);

        const auto selection = processor.getNavigator().getModel().getSelection();
        const auto front = std::find_if(selection.begin(), selection.end(),
                                        [entry](const auto& point) { return point.index == entry; });
        ASSERT_NE(front, selection.end());
        EXPECT_GT(front->weight, 0.999f);
        const auto& row = FactoryBank::entries[static_cast<size_t>(entry)].values;
        for (int i = 0; i < EngineParameter::count; ++i)
            if (SphereBlend::isBlended(i) && i != EngineParameter::MainVolume)
                EXPECT_NEAR(processor.getEngine().getParameterNormalized(i), row[static_cast<size_t>(i)], 1e-3f) << i;
    }

    // A setting of a sphere coordinate comes last and so moves away from the entry.
    TessaroAudioProcessor processor;
    applyStartingSound(processor, {}, 26, { { HostParameter::X, 0.3f } });
    EXPECT_EQ(processor.getHostParameter(HostParameter::X).get(), 0.3f);
}

TEST(RenderStartingSound, WithoutAStateKeepsTheDefaults)
{
    TessaroAudioProcessor processor;
    const juce::MemoryBlock defaults = stateOf(processor);

    applyStartingSound(processor, {}, std::nullopt, { { HostParameter::Volume, 0.0f } });

    EXPECT_EQ(processor.getHostParameter(HostParameter::Volume).get(), 0.0f);
    const float defaultVolume = HostParameter::definitions[HostParameter::Volume].defaultValue;
    processor.getHostParameter(HostParameter::Volume).setValueNotifyingHost(defaultVolume);
    EXPECT_EQ(stateOf(processor), defaults);
}
} // namespace
