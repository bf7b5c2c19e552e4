#pragma once

#include "engine/InstrumentChannel.h"
#include "processor/HostParameters.h"
#include "processor/PlexaAudioProcessor.h"

#include <array>
#include <atomic>
#include <functional>
#include <memory>

/** Tessaro's processor: the host parameters, the engine at twice the host rate, and the state blob. */
class TessaroAudioProcessor : public PlexaAudioProcessor
{
public:
    using EditorFactory = std::function<juce::AudioProcessorEditor*(TessaroAudioProcessor&)>;

    /** The plug-in entry supplies the editor factory; without one the processor has no editor. */
    explicit TessaroAudioProcessor(EditorFactory makeEditor = {});
    ~TessaroAudioProcessor() override;

    const juce::String getName() const override { return "Tessaro"; }
    void prepareToPlay(double sampleRate, int maximumExpectedSamplesPerBlock) override;
    void releaseResources() override {}
    void processBlock(juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;
    using PlexaAudioProcessor::processBlock;

    double getTailLengthSeconds() const override { return 0.0; }
    bool acceptsMidi() const override { return true; }
    bool producesMidi() const override { return false; }
    bool supportsMPE() const override { return false; }
    bool isMidiEffect() const override { return false; }

    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override { return editorFactory != nullptr; }

    int getNumPrograms() override { return 1; }
    int getCurrentProgram() override { return 0; }
    void setCurrentProgram(int) override {}
    const juce::String getProgramName(int) override { return {}; }
    void changeProgramName(int, const juce::String&) override {}

    void getStateInformation(juce::MemoryBlock& destData) override { saveState(destData, false); }
    void setStateInformation(const void* data, int sizeInBytes) override { loadState(data, sizeInBytes, false); }

    bool isBusesLayoutSupported(const BusesLayout& layouts) const override;

    const juce::String& getPresetFileExtension() const override { return presetFileExtension; }
    const juce::String& getAppGroupIdentifier() const override { return appGroupIdentifier; }
    void saveState(juce::MemoryBlock& dest, bool forPreset) override;
    void loadState(const void* data, int size, bool forPreset) override;
    void noteOn(int note, float velocity) override;
    void noteOff(int note, float velocity) override;

    juce::AudioParameterFloat& getHostParameter(HostParameter::Index index) const
    {
        return *hostParameters[static_cast<size_t>(index)];
    }
    InstrumentChannel& getEngine() const { return *engine; }

    void setEditorOpen(bool open) { editorOpen.store(open); }
    bool isEditorOpen() const { return editorOpen.load(); }

protected:
    bool canApplyBusesLayout(const BusesLayout& layouts) const override { return isBusesLayoutSupported(layouts); }

private:
    static void lockCallback(bool lock, void* context);
    void pushHostParameters(float blockSeconds);
    void sendMidi(const juce::MidiBuffer& midi);
    void renderEngineBlock(int hostSamples);
    void decimateInto(juce::AudioBuffer<float>& buffer) const;

    /** The engine always starts its block numbering at frame 0. */
    static constexpr std::int64_t engineBlockOrigin = 0;
    static constexpr int initialOversampleFrames = 16000;

    std::atomic<bool> editorOpen { false };
    juce::AudioBuffer<float> oversampleBuffer;
    std::unique_ptr<InstrumentChannel> engine;
    std::array<juce::AudioParameterFloat*, HostParameter::count> hostParameters {}; ///< owned by juce::AudioProcessor
    const juce::String presetFileExtension { "tessaropreset" };
    const juce::String appGroupIdentifier { "group.quellmark.tessaro" };
    EditorFactory editorFactory;
};
