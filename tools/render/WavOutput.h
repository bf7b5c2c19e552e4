#pragma once

#include "render/RenderOptions.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include <memory>

/**
    A WAV file that only appears at its path once it is complete: the samples go
    to a hidden file beside it, which commit() moves into place. Destroyed
    without a commit (a failure, an interruption), it removes the hidden file and
    leaves whatever was at the path untouched.
*/
class WavOutput
{
public:
    /** Throws RenderError when the path cannot be written. */
    WavOutput(const juce::File& target, int sampleRate, int numChannels, SampleFormat format);

    WavOutput(const WavOutput&) = delete;
    WavOutput& operator=(const WavOutput&) = delete;

    /** Appends the first numSamples of every channel; throws RenderError when the disk refuses. */
    void write(const juce::AudioBuffer<float>& block, int numSamples);
    /** Finishes the file and moves it to the target; throws RenderError when that fails. */
    void commit();

private:
    std::string streamFailure() const;
    [[noreturn]] void fail(const std::string& reason) const;

    juce::File target;
    juce::TemporaryFile temporary;
    juce::FileOutputStream* stream = nullptr; ///< owned by writer; checked after the final flush
    // Last, so that it closes the hidden file before the temporary removes it.
    std::unique_ptr<juce::AudioFormatWriter> writer;
};
