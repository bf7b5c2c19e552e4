#pragma once

#include "render/RenderOptions.h"

#include <juce_core/juce_core.h>

#include <atomic>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

class TessaroAudioProcessor;

struct Console
{
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal; ///< the progress bar is only drawn for a person watching
};

/**
    Runs tessaro-render on the arguments after the program name and returns the
    exit code. A refusal is one line on err; raising cancel stops the render, and
    nothing is left at the output path.
*/
int runRenderCommand(const std::vector<std::string>& arguments, const Console& console,
                     const std::atomic<bool>& cancel);

/** Reads a state blob file; throws RenderError unless it holds exactly one blob. */
juce::MemoryBlock readStateBlob(const juce::File& file);

/** The state inside a preset file, accepted as the processor's preset library accepts it; throws RenderError otherwise. */
juce::MemoryBlock readPresetPayload(const juce::File& file, const TessaroAudioProcessor& processor);

/**
    Gives a fresh processor the sound to start from: the state blob through the
    host's state call (nothing when the blob is empty), then X, Y, Z and A turned
    so that the chosen factory entry faces the view and plays alone, then each
    setting.
*/
void applyStartingSound(TessaroAudioProcessor& processor, const juce::MemoryBlock& state, std::optional<int> sound,
                        const std::vector<ParameterSetting>& settings);
