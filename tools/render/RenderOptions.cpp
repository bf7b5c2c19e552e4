#include "render/RenderOptions.h"

#include "presets/FactoryBank.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <type_traits>

namespace
{
template <typename Number>
std::optional<Number> parseNumber(const std::string& text)
{
    Number value {};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc {} || stop != end)
        return std::nullopt;
    if constexpr (std::is_floating_point_v<Number>)
        if (! std::isfinite(value))
            return std::nullopt;
    return value;
}

int parseWholeNumber(const std::string& text, int minimum, int maximum, const char* what)
{
    const auto value = parseNumber<int>(text);
    if (! value || *value < minimum || *value > maximum)
        throw RenderError(std::string(what) + " must be a whole number from " + std::to_string(minimum) + " to "
                          + std::to_string(maximum) + ", not " + quoted(text));
    return *value;
}

juce::File fileArgument(const std::string& path)
{
    if (path.empty())
        throw RenderError("a file name is empty");
    return juce::File::getCurrentWorkingDirectory().getChildFile(juce::String::fromUTF8(path.c_str()));
}

std::string parameterNames()
{
    std::string names;
    for (const auto& definition : HostParameter::definitions)
        names += (names.empty() ? "" : ", ") + std::string(definition.name);
    return names;
}

ParameterSetting parseParameterSetting(const std::string& text)
{
    const auto equals = text.find('=');
    if (equals == std::string::npos)
        throw RenderError("--set takes NAME=VALUE, not " + quoted(text));

    const juce::String name = juce::String::fromUTF8(text.substr(0, equals).c_str()).trim();
    const std::string valueText = juce::String::fromUTF8(text.substr(equals + 1).c_str()).trim().toStdString();

    for (int index = 0; index < HostParameter::count; ++index)
    {
        const char* knownName = HostParameter::definitions[static_cast<size_t>(index)].name;
        if (! name.equalsIgnoreCase(knownName))
            continue;
        const auto value = parseNumber<float>(valueText);
        if (! value || *value < 0.0f || *value > 1.0f)
            throw RenderError(std::string("the value of ") + quoted(knownName) + " must be a number from 0 to 1, not "
                              + quoted(valueText));
        return { static_cast<HostParameter::Index>(index), *value };
    }
    throw RenderError("unknown parameter " + quoted(name.toStdString()) + " (the parameters are " + parameterNames()
                      + ")");
}

// An index wins over a name, so no entry name can hide a bank position.
int parseSoundEntry(const std::string& text)
{
    const juce::String entry = juce::String::fromUTF8(text.c_str()).trim();
    if (const auto number = parseNumber<int>(entry.toStdString()))
    {
        if (*number >= 0 && *number < FactoryBank::size)
            return *number;
    }
    else
    {
        for (int index = 0; index < FactoryBank::size; ++index)
            if (entry.equalsIgnoreCase(FactoryBank::getName(index)))
                return index;
    }
    throw RenderError("the sound must be a bank index from 0 to " + std::to_string(FactoryBank::size - 1)
                      + " or the name of a factory entry, not " + quoted(text));
}

/** "0 ASIAN LEAD, 1 FINE LEAD, ...", broken between entries into indented lines. */
std::string soundList()
{
    constexpr size_t width = 96;
    std::string text;
    std::string line;
    for (int index = 0; index < FactoryBank::size; ++index)
    {
        const std::string item = std::to_string(index) + " " + FactoryBank::getName(index)
                                 + (index + 1 < FactoryBank::size ? "," : ".");
        if (! line.empty() && line.size() + 1 + item.size() > width)
        {
            text += "  " + line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + item;
    }
    return text + "  " + line + "\n";
}

struct OptionSpec
{
    const char* name;
    const char* valueName;
    const char* help;
    void (*apply)(RenderOptions& options, const std::string& value);
};

// The one list of options: the parser and the help text both read it.
const OptionSpec optionSpecs[] = {
    { "--rate", "HZ", "sample rate, 8000 to 384000 (default 48000)",
      [](RenderOptions& options, const std::string& value) {
          options.sampleRate = parseWholeNumber(value, RenderOptions::minimumSampleRate,
                                                RenderOptions::maximumSampleRate, "the sample rate");
      } },
    { "--block", "SAMPLES", "samples per processed block, 1 to 8192 (default 512)",
      [](RenderOptions& options, const std::string& value) {
          options.blockSize = parseWholeNumber(value, 1, RenderOptions::maximumBlockSize, "the block size");
      } },
    { "--format", "float|pcm24", "32-bit float or 24-bit PCM samples (default float)",
      [](RenderOptions& options, const std::string& value) {
          if (value == "float")
              options.format = SampleFormat::float32;
          else if (value == "pcm24")
              options.format = SampleFormat::pcm24;
          else
              throw RenderError("the format must be 'float' or 'pcm24', not " + quoted(value));
      } },
    { "--tail", "SECONDS", "rendered after the last MIDI event, 0 to 600 (default 3)",
      [](RenderOptions& options, const std::string& value) {
          const auto seconds = parseNumber<double>(value);
          if (! seconds || *seconds < 0.0 || *seconds > RenderOptions::maximumTailSeconds)
              throw RenderError("the tail must be a number of seconds from 0 to 600, not " + quoted(value));
          options.tailSeconds = *seconds;
      } },
    { "--state", "FILE", "start from a 48-byte state blob",
      [](RenderOptions& options, const std::string& value) { options.stateFile = fileArgument(value); } },
    { "--preset", "FILE", "start from a preset file (.tessaropreset) instead of a state blob",
      [](RenderOptions& options, const std::string& value) { options.presetFile = fileArgument(value); } },
    { "--sound", "ENTRY", "play one factory entry alone, by bank index or name, after the state",
      [](RenderOptions& options, const std::string& value) { options.sound = parseSoundEntry(value); } },
    { "--set", "NAME=VALUE", "set a parameter (0 to 1) by name, last of all; may be repeated",
      [](RenderOptions& options, const std::string& value) {
          options.parameters.push_back(parseParameterSetting(value));
      } },
};

const OptionSpec* findOption(const std::string& name)
{
    for (const auto& spec : optionSpecs)
        if (name == spec.name)
            return &spec;
    return nullptr;
}
} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine commandLine;
    std::vector<std::string> files;

    for (size_t i = 0; i < arguments.size(); ++i)
    {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h")
        {
            commandLine.helpRequested = true;
            return commandLine;
        }
        if (argument.size() < 2 || argument[0] != '-')
        {
            files.push_back(argument);
            continue;
        }

        const auto equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const OptionSpec* spec = findOption(name);
        if (spec == nullptr)
            throw RenderError("unknown option " + quoted(name) + " (see --help)");

        std::string value;
        if (equals != std::string::npos)
            value = argument.substr(equals + 1);
        else if (i + 1 < arguments.size())
            value = arguments[++i];
        else
            throw RenderError(std::string(spec->name) + " needs a value: " + spec->valueName);
        spec->apply(commandLine.options, value);
    }

    if (files.size() != 2)
        throw RenderError("expected a MIDI file and an output WAV file (see --help)");
    commandLine.options.midiFile = fileArgument(files[0]);
    commandLine.options.outputFile = fileArgument(files[1]);
    return commandLine;
}

std::string usageText()
{
    const auto line = [](const std::string& left, const std::string& help) {
        constexpr size_t column = 24;
        return "  " + left + std::string(left.size() < column ? column - left.size() : 1, ' ') + help + "\n";
    };

    std::string text = "Usage: tessaro-render [options] INPUT.mid OUTPUT.wav\n"
                       "Plays a Standard MIDI File (type 0 or 1) through Tessaro and writes a stereo WAV file,\n"
                       "from the first tick to the last event plus the tail.\n"
                       "\nOptions:\n";
    for (const auto& spec : optionSpecs)
        text += line(std::string(spec.name) + " " + spec.valueName, spec.help);
    text += line("-h, --help", "show this text");
    text += "\nParameters: " + parameterNames() + ".\n";
    text += "\nFactory entries for --sound:\n" + soundList();
    return text;
}
