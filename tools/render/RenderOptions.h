#pragma once

#include "processor/HostParameters.h"
#include "render/RenderError.h"

#include <optional>
#include <string>
#include <vector>

enum class SampleFormat
{
    float32,
    pcm24,
};

/** A host parameter given a value on the command line. */
struct ParameterSetting
{
    HostParameter::Index parameter;
    float value; ///< normalised, 0..1
};

struct RenderOptions
{
    static constexpr int minimumSampleRate = 8000;
    static constexpr int maximumSampleRate = 384000;
    static constexpr int maximumBlockSize = 8192;
    static constexpr double maximumTailSeconds = 600.0;

    juce::File midiFile;
    juce::File outputFile;
    int sampleRate = 48000;
    int blockSize = 512;
    SampleFormat format = SampleFormat::float32;
    /** Rendered after the last MIDI event, so released notes and the delay can ring out. */
    double tailSeconds = 3.0;
    /** A 48-byte state blob to start from; the default File means the processor's defaults. */
    juce::File stateFile;
    /** A preset file to start from instead of a state blob. */
    juce::File presetFile;
    /** The factory entry to play alone, by bank index: applied after the state, before the settings. */
    std::optional<int> sound;
    /** Applied after the state and the sound, in command-line order, so they override it. */
    std::vector<ParameterSetting> parameters;
};

struct CommandLine
{
    bool helpRequested = false;
    RenderOptions options;
};

/**
    Reads the arguments after the program name. Options take their value as the
    next argument or after '='; relative paths are taken from the working folder.
    Throws RenderError with the reason for the first argument it refuses.
*/
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

/** The --help text. */
std::string usageText();
