#pragma once

#include "engine/InstrumentChannel.h"
#include "navigator/SphereNavigator.h"
#include "processor/HostParameters.h"
#include "processor/PlexaAudioProcessor.h"

#include <array>
#include <atomic>
#include <functional>
#include <memory>

/**
    Tessaro's processor: the host parameters, the engine at twice the host rate,
    the sound sphere that blends the factory bank into the engine, and the state
    blob.

    The sphere navigator's model has no lock; editorOpen says which thread owns
    it. Without an editor the audio thread does: every block compares X, Y, Z, A
    with the navigator and blends. With an editor the message thread does (mouse,
    coasting, the editor's tick). setEditorOpen hands the model over under the
    callback lock, so no block is half-way through a synchronisation when the
    message thread takes over, and a closing editor stops the coasting so the
    message thread's timer leaves the model alone. Every blend, from either
    thread, reaches the engine through the store's posted writes, applied at the
    next frame.

    A state load only synchronises at once when it runs on the message thread
    while an editor is open. Otherwise it leaves the work to the owner, whose
    next pass (the next block, or the editor's next tick) compares the host
    values anew and finds the change: the loading thread never touches the model
    and the audio thread never waits for it.
*/
class TessaroAudioProcessor : public PlexaAudioProcessor, public SphereNavigator::Delegate
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
    /** The sphere; the editor shows this very component. */
    SphereNavigator& getNavigator() { return navigator; }

    /** Called by the editor on the message thread as it opens and closes; hands the navigator over. */
    void setEditorOpen(bool open);

    /**
        When X, Y, Z or A differs from the navigator's orientation, moves the
        navigator there and blends. Only the thread that owns the navigator may
        call it: the editor calls it on its tick.
    */
    void syncNavigatorFromParameters();
    /**
        Writes X, Y, Z and A for an orientation, with host notification, as host
        automation would; the navigator's owner follows on its next pass.
    */
    void turnSphereTo(const SphereModel::Quaternion& orientation);
    /** Sends the blend of the navigator's front cap to the engine. */
    void applySphereBlend();

    void navigatorGestureBegan() override;
    void navigatorGestureEnded() override;
    void navigatorMoved(float x, float y, float z, float a) override;
    const char* getPointName(int index) override;

protected:
    bool canApplyBusesLayout(const BusesLayout& layouts) const override { return isBusesLayoutSupported(layouts); }

private:
    static void lockCallback(bool lock, void* context);
    void createHostParameters();
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
    SphereNavigator navigator;
    const juce::String presetFileExtension { "tessaropreset" };
    const juce::String appGroupIdentifier { "group.quellmark.tessaro" };
    EditorFactory editorFactory;
};
