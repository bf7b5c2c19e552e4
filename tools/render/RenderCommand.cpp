#include "render/RenderCommand.h"

#include "presets/PresetFormat.h"
#include "processor/TessaroAudioProcessor.h"
#include "render/MidiSchedule.h"
#include "render/OfflineRenderer.h"
#include "render/ProgressBar.h"
#include "render/WavOutput.h"

#include <cmath>
#include <optional>
#include <utility>

namespace
{
// The twelve host values as 32-bit floats.
constexpr size_t stateBlobSize = HostParameter::count * sizeof(float);
// Shorter renders finish before a bar would tell a person anything.
constexpr double progressBarMinimumSeconds = 5.0;

/** The whole of an input file; throws RenderError, naming the kind of file, when it cannot be read. */
juce::MemoryBlock readInputFile(const juce::File& file, const std::string& kind)
{
    const std::string cannotRead = "cannot read " + kind + " " + quoted(file) + ": ";
    if (! file.existsAsFile())
        throw RenderError(cannotRead + (file.isDirectory() ? "it is a folder" : "no such file"));
    juce::MemoryBlock bytes;
    if (! file.loadFileAsData(bytes))
        throw RenderError(cannotRead + "reading failed");
    return bytes;
}

/** The saved sound the render starts from, as a state blob; empty for the processor's defaults. */
juce::MemoryBlock startingState(const RenderOptions& options, const TessaroAudioProcessor& processor)
{
    if (options.stateFile != juce::File() && options.presetFile != juce::File())
        throw RenderError("give either a state file or a preset file, not both");
    if (options.presetFile != juce::File())
        return readPresetPayload(options.presetFile, processor);
    return options.stateFile == juce::File() ? juce::MemoryBlock() : readStateBlob(options.stateFile);
}

void render(const RenderOptions& options, const Console& console, const std::atomic<bool>& cancel)
{
    for (const juce::File& input : { options.midiFile, options.stateFile, options.presetFile })
        if (options.outputFile == input)
            throw RenderError("the output " + quoted(options.outputFile) + " would replace an input file");
    const MidiSchedule schedule(MidiSchedule::readFile(options.midiFile), options.sampleRate);
    if (schedule.isEmpty())
        throw RenderError(quoted(options.midiFile) + " holds no MIDI events to render");

    TessaroAudioProcessor processor;
    const juce::MemoryBlock state = startingState(options, processor);
    applyStartingSound(processor, state, options.sound, options.parameters);
    WavOutput output(options.outputFile, options.sampleRate, processor.getTotalNumOutputChannels(), options.format);

    const std::int64_t length = schedule.getEndSample()
                                + static_cast<std::int64_t>(std::ceil(options.tailSeconds * options.sampleRate));
    std::optional<ProgressBar> bar;
    if (console.errIsTerminal && length > progressBarMinimumSeconds * options.sampleRate)
        bar.emplace(console.err);

    const auto writeBlock = [&output](const juce::AudioBuffer<float>& block, int numSamples) {
        output.write(block, numSamples);
    };
    const auto showProgress = [&bar](double fractionDone) {
        if (bar)
            bar->update(fractionDone);
    };
    OfflineRenderer renderer(processor, options.sampleRate, options.blockSize);
    if (! renderer.render(schedule, length, writeBlock, cancel, showProgress))
        throw RenderError("interrupted; " + quoted(options.outputFile) + " was not written");
    output.commit();
    bar.reset();

    const double seconds = static_cast<double>(length) / options.sampleRate;
    console.out << "Rendered " << juce::String(seconds, 2).toStdString() << " s to " << quoted(options.outputFile)
                << '\n';
}
} // namespace

int runRenderCommand(const std::vector<std::string>& arguments, const Console& console,
                     const std::atomic<bool>& cancel)
{
    try
    {
        const CommandLine commandLine = parseCommandLine(arguments);
        if (commandLine.helpRequested)
            console.out << usageText();
        else
            render(commandLine.options, console, cancel);
        return 0;
    }
    catch (const RenderError& error)
    {
        console.err << "tessaro-render: " << error.what() << std::endl;
        return 1;
    }
}

juce::MemoryBlock readStateBlob(const juce::File& file)
{
    const juce::MemoryBlock state = readInputFile(file, "state file");
    if (state.getSize() != stateBlobSize)
        throw RenderError(quoted(file) + " holds " + std::to_string(state.getSize()) + " bytes; a state blob holds "
                          + std::to_string(stateBlobSize));
    return state;
}

juce::MemoryBlock readPresetPayload(const juce::File& file, const TessaroAudioProcessor& processor)
{
    const juce::MemoryBlock bytes = readInputFile(file, "preset file");
    const PresetFormat format(processor.getPresetFileExtension(), processor.getRawPresetSize());
    auto payload = format.unwrap(bytes.getData(), bytes.getSize());
    if (! payload)
        throw RenderError(quoted(file) + " is not a Tessaro preset");
    return std::move(*payload);
}

void applyStartingSound(TessaroAudioProcessor& processor, const juce::MemoryBlock& state, std::optional<int> sound,
                        const std::vector<ParameterSetting>& settings)
{
    if (! state.isEmpty())
        processor.setStateInformation(state.getData(), static_cast<int>(state.getSize()));
    if (sound)
    {
        // The processor's first block finds the new position and blends, as for a host's automation.
        processor.turnSphereTo(processor.getNavigator().getModel().orientationFacing(*sound));
    }
    for (const auto& setting : settings)
        processor.getHostParameter(setting.parameter).setValueNotifyingHost(setting.value);
}
