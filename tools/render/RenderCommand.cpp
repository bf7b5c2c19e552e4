#include "render/RenderCommand.h"

#include "processor/TessaroAudioProcessor.h"
#include "render/MidiSchedule.h"
#include "render/OfflineRenderer.h"
#include "render/ProgressBar.h"
#include "render/WavOutput.h"

#include <cmath>
#include <optional>

namespace
{
// The twelve host values as 32-bit floats.
constexpr size_t stateBlobSize = HostParameter::count * sizeof(float);
// Shorter renders finish before a bar would tell a person anything.
constexpr double progressBarMinimumSeconds = 5.0;

/** The saved sound the render starts from, as a state blob; empty for the processor's defaults. */
juce::MemoryBlock startingState(const RenderOptions& options)
{
    return options.stateFile == juce::File() ? juce::MemoryBlock() : readStateBlob(options.stateFile);
}

void render(const RenderOptions& options, const Console& console, const std::atomic<bool>& cancel)
{
    if (options.outputFile == options.midiFile || options.outputFile == options.stateFile)
        throw RenderError("the output " + quoted(options.outputFile) + " would replace an input file");
    const MidiSchedule schedule(MidiSchedule::readFile(options.midiFile), options.sampleRate);
    if (schedule.isEmpty())
        throw RenderError(quoted(options.midiFile) + " holds no MIDI events to render");
    const juce::MemoryBlock state = startingState(options);

    TessaroAudioProcessor processor;
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
    const std::string cannotRead = "cannot read state file " + quoted(file) + ": ";
    if (! file.existsAsFile())
        throw RenderError(cannotRead + (file.isDirectory() ? "it is a folder" : "no such file"));

    juce::MemoryBlock state;
    if (! file.loadFileAsData(state))
        throw RenderError(cannotRead + "reading failed");
    if (state.getSize() != stateBlobSize)
        throw RenderError(quoted(file) + " holds " + std::to_string(state.getSize()) + " bytes; a state blob holds "
                          + std::to_string(stateBlobSize));
    return state;
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
