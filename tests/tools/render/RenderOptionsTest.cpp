#include "render/RenderOptions.h"

#include <gtest/gtest.h>

namespace
{
using Arguments = std::vector<std::string>;

struct GoodCase
{
    Arguments arguments;
    int sampleRate;
    int blockSize;
    SampleFormat format;
    double tailSeconds;
};

const GoodCase goodCases[] = {
    { { "in.mid", "out.wav" }, 48000, 512, SampleFormat::float32, 3.0 },
    { { "--rate", "8000", "--block", "1", "in.mid", "out.wav" }, 8000, 1, SampleFormat::float32, 3.0 },
    { { "in.mid", "--rate=384000", "--block=8192", "out.wav" }, 384000, 8192, SampleFormat::float32, 3.0 },
    { { "--format", "pcm24", "--tail", "0", "in.mid", "out.wav" }, 48000, 512, SampleFormat::pcm24, 0.0 },
    { { "--format=float", "--tail=1.5", "in.mid", "out.wav" }, 48000, 512, SampleFormat::float32, 1.5 },
    { { "--rate", "44100", "--rate", "96000", "in.mid", "out.wav" }, 96000, 512, SampleFormat::float32, 3.0 },
};

TEST(RenderOptions, ReadsValuesFromEitherSpelling)
{
    for (const auto& c : goodCases)
    {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const RenderOptions options = parseCommandLine(c.arguments).options;
        EXPECT_EQ(options.sampleRate, c.sampleRate);
        EXPECT_EQ(options.blockSize, c.blockSize);
        EXPECT_EQ(options.format, c.format);
        EXPECT_EQ(options.tailSeconds, c.tailSeconds);
    }
}

TEST(RenderOptions, TakesFilesFromTheWorkingFolderAndSettingsInOrder)
{
    const CommandLine commandLine = parseCommandLine({ "song.mid", "/tmp/x/out.wav", "--state", "sound.state",
                                                       "--set", "volume=0.25", "--set", " Delay time = 1 ",
                                                       "--set", "Volume=0" });
    const juce::File here = juce::File::getCurrentWorkingDirectory();
    EXPECT_FALSE(commandLine.helpRequested);
    EXPECT_EQ(commandLine.options.midiFile, here.getChildFile("song.mid"));
    EXPECT_EQ(commandLine.options.outputFile, juce::File("/tmp/x/out.wav"));
    EXPECT_EQ(commandLine.options.stateFile, here.getChildFile("sound.state"));

    const auto& settings = commandLine.options.parameters;
    ASSERT_EQ(settings.size(), 3u);
    EXPECT_EQ(settings[0].parameter, HostParameter::Volume);
    EXPECT_EQ(settings[0].value, 0.25f);
    EXPECT_EQ(settings[1].parameter, HostParameter::DelayTime);
    EXPECT_EQ(settings[1].value, 1.0f);
    EXPECT_EQ(settings[2].parameter, HostParameter::Volume);
    EXPECT_EQ(settings[2].value, 0.0f);
}

TEST(RenderOptions, FindsTheSoundByIndexOrByNameInAnyCase)
{
    const struct
    {
        Arguments arguments;
        int entry;
    } cases[] = {
        { { "--sound", "0" }, 0 },
        { { "--sound=69" }, 69 },
        { { "--sound", "sub bass" }, 26 },
        { { "--sound", " Techno " }, 27 },
        // Two entries share this name; the first one in the bank is meant.
        { { "--sound", "RESO STAB" }, 53 },
        { { "--sound", "5th slide" }, 64 },
        { { "--sound", "3", "--sound", "octaver" }, 69 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        Arguments arguments = c.arguments;
        arguments.insert(arguments.end(), { "in.mid", "out.wav" });
        EXPECT_EQ(parseCommandLine(arguments).options.sound, c.entry);
    }
    EXPECT_EQ(parseCommandLine({ "in.mid", "out.wav" }).options.sound, std::nullopt);
}

TEST(RenderOptions, HelpWinsOverEverythingElse)
{
    EXPECT_TRUE(parseCommandLine({ "--help" }).helpRequested);
    EXPECT_TRUE(parseCommandLine({ "in.mid", "-h", "--bogus" }).helpRequested);
    const std::string usage = usageText();
    EXPECT_NE(usage.find("--set NAME=VALUE"), std::string::npos);
    EXPECT_NE(usage.find("Pitch bend range"), std::string::npos);
    EXPECT_NE(usage.find("--sound ENTRY"), std::string::npos);
    EXPECT_NE(usage.find("0 ASIAN LEAD,"), std::string::npos);
    EXPECT_NE(usage.find("69 OCTAVER."), std::string::npos);
}

struct Refusal
{
    Arguments arguments;
    const char* message;
};

const Refusal refusals[] = {
    { { "--rate", "7999", "a.mid", "b.wav" },
      "the sample rate must be a whole number from 8000 to 384000, not '7999'" },
    { { "--rate", "384001", "a.mid", "b.wav" },
      "the sample rate must be a whole number from 8000 to 384000, not '384001'" },
    { { "--rate=44100.5", "a.mid", "b.wav" },
      "the sample rate must be a whole number from 8000 to 384000, not '44100.5'" },
    { { "--rate", "48k", "a.mid", "b.wav" }, "the sample rate must be a whole number from 8000 to 384000, not '48k'" },
    { { "--block", "0", "a.mid", "b.wav" }, "the block size must be a whole number from 1 to 8192, not '0'" },
    { { "--block", "8193", "a.mid", "b.wav" }, "the block size must be a whole number from 1 to 8192, not '8193'" },
    { { "--block=", "a.mid", "b.wav" }, "the block size must be a whole number from 1 to 8192, not ''" },
    { { "--format", "mp3", "a.mid", "b.wav" }, "the format must be 'float' or 'pcm24', not 'mp3'" },
    { { "--tail", "-1", "a.mid", "b.wav" }, "the tail must be a number of seconds from 0 to 600, not '-1'" },
    { { "--tail", "nan", "a.mid", "b.wav" }, "the tail must be a number of seconds from 0 to 600, not 'nan'" },
    { { "--tail", "601", "a.mid", "b.wav" }, "the tail must be a number of seconds from 0 to 600, not '601'" },
    { { "--set", "Volume", "a.mid", "b.wav" }, "--set takes NAME=VALUE, not 'Volume'" },
    { { "--set", "Loudness=1", "a.mid", "b.wav" },
      "unknown parameter 'Loudness' (the parameters are X, Y, Z, A, Delay time, Delay feedback, Delay mix, "
      "Delay swap, Legato, Glide time, Pitch bend range, Volume)" },
    { { "--set", "Volume=1.5", "a.mid", "b.wav" }, "the value of 'Volume' must be a number from 0 to 1, not '1.5'" },
    { { "--set", "glide time=", "a.mid", "b.wav" }, "the value of 'Glide time' must be a number from 0 to 1, not ''" },
    { { "--set", "X=inf", "a.mid", "b.wav" }, "the value of 'X' must be a number from 0 to 1, not 'inf'" },
    { { "--sound", "70", "a.mid", "b.wav" },
      "the sound must be a bank index from 0 to 69 or the name of a factory entry, not '70'" },
    { { "--sound", "-1", "a.mid", "b.wav" },
      "the sound must be a bank index from 0 to 69 or the name of a factory entry, not '-1'" },
    { { "--sound", "SUB", "a.mid", "b.wav" },
      "the sound must be a bank index from 0 to 69 or the name of a factory entry, not 'SUB'" },
    { { "--sound=", "a.mid", "b.wav" },
      "the sound must be a bank index from 0 to 69 or the name of a factory entry, not ''" },
    { { "--bogus", "a.mid", "b.wav" }, "unknown option '--bogus' (see --help)" },
    { { "a.mid", "b.wav", "--rate" }, "--rate needs a value: HZ" },
    { { "a.mid" }, "expected a MIDI file and an output WAV file (see --help)" },
    { { "a.mid", "b.wav", "c.wav" }, "expected a MIDI file and an output WAV file (see --help)" },
    { { "a.mid", "" }, "a file name is empty" },
    { { "--state", "", "a.mid", "b.wav" }, "a file name is empty" },
};

TEST(RenderOptions, RefusesBadInputWithItsReason)
{
    for (const auto& refusal : refusals)
    {
        SCOPED_TRACE(::testing::PrintToString(refusal.arguments));
        try
        {
            parseCommandLine(refusal.arguments);
            ADD_FAILURE() << "accepted";
        }
        catch (const RenderError& error)
        {
            EXPECT_EQ(std::string(error.what()), refusal.message);
        }
    }
}
} // namespace
