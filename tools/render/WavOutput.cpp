#include "render/WavOutput.h"

WavOutput::WavOutput(const juce::File& targetFile, int sampleRate, int numChannels, SampleFormat format)
    : target(targetFile), temporary(targetFile, juce::TemporaryFile::useHiddenFile)
{
    if (target.isDirectory())
        fail("it is a folder");
    const juce::File folder = target.getParentDirectory();
    if (! folder.isDirectory())
        fail(quoted(folder) + (folder.exists() ? " is not a folder" : " does not exist"));
    if (target.exists() && ! target.hasWriteAccess())
        fail("permission denied");

    auto fileStream = std::make_unique<juce::FileOutputStream>(temporary.getFile());
    if (fileStream->failedToOpen())
        fail(fileStream->getStatus().getErrorMessage().toStdString());

    // JUCE's WAV writer stores 32-bit samples as IEEE floats and 24-bit ones as PCM.
    const int bitsPerSample = format == SampleFormat::float32 ? 32 : 24;
    juce::WavAudioFormat wav;
    writer.reset(wav.createWriterFor(fileStream.get(), sampleRate, static_cast<unsigned int>(numChannels),
                                     bitsPerSample, {}, 0));
    if (writer == nullptr)
        fail("the WAV writer refused " + std::to_string(numChannels) + " channels at " + std::to_string(sampleRate)
             + " Hz");
    stream = fileStream.release();
}

void WavOutput::write(const juce::AudioBuffer<float>& block, int numSamples)
{
    if (! writer->writeFromAudioSampleBuffer(block, 0, numSamples))
        fail(streamFailure());
}

void WavOutput::commit()
{
    const bool headerWritten = writer->flush();
    stream->flush();
    if (! headerWritten || stream->getStatus().failed())
        fail(streamFailure());

    writer.reset();
    stream = nullptr;
    if (! temporary.overwriteTargetFileWithTemporary())
        fail("the finished file could not be moved into place");
}

std::string WavOutput::streamFailure() const
{
    const juce::Result status = stream->getStatus();
    return status.failed() ? status.getErrorMessage().toStdString() : "writing failed";
}

void WavOutput::fail(const std::string& reason) const
{
    throw RenderError("cannot write " + quoted(target) + ": " + reason);
}
