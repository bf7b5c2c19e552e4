#include "processor/TessaroAudioProcessor.h"

#include "engine/InstrumentVoice.h"
#include "navigator/SphereBlend.h"
#include "presets/FactoryBank.h"

#include <cmath>

namespace
{
// The engine's output is scaled by this on its way back to the host rate.
constexpr float decimationGain = 0.6f;
} // namespace

TessaroAudioProcessor::TessaroAudioProcessor(EditorFactory makeEditor)
    : PlexaAudioProcessor(BusesProperties().withOutput("Output", juce::AudioChannelSet::stereo(), true)),
      editorFactory(std::move(makeEditor))
{
    navigator.setDelegate(this);
    initialiseFramework("Tessaro");
    navigator.setPointCount(FactoryBank::size);
    oversampleBuffer.setSize(2, initialOversampleFrames);
    engine = std::make_unique<InstrumentChannel>(SynthBase::EventLock { &lockCallback, this },
                                                 [] { return std::make_unique<InstrumentVoice>(); });
    createHostParameters();
}

void TessaroAudioProcessor::createHostParameters()
{
    for (int i = 0; i < HostParameter::count; ++i)
    {
        const auto& definition = HostParameter::definitions[static_cast<size_t>(i)];
        auto parameter = std::make_unique<juce::AudioParameterFloat>(juce::ParameterID { definition.name, 0 },
                                                                     definition.name,
                                                                     juce::NormalisableRange<float>(0.0f, 1.0f),
                                                                     definition.defaultValue);
        hostParameters[static_cast<size_t>(i)] = parameter.get();
        addParameter(parameter.release());
    }
}

TessaroAudioProcessor::~TessaroAudioProcessor() = default;

void TessaroAudioProcessor::lockCallback(bool lock, void* context)
{
    const juce::CriticalSection& callbackLock = static_cast<TessaroAudioProcessor*>(context)->getCallbackLock();
    if (lock)
        callbackLock.enter();
    else
        callbackLock.exit();
}

void TessaroAudioProcessor::prepareToPlay(double sampleRate, int)
{
    engine->setSampleRate(static_cast<float>(2.0 * sampleRate));
}

bool TessaroAudioProcessor::isBusesLayoutSupported(const BusesLayout& layouts) const
{
    const bool noInput = layouts.inputBuses.isEmpty() || layouts.getMainInputChannels() == 0;
    const bool stereoOutput = ! layouts.outputBuses.isEmpty() && layouts.getMainOutputChannels() == 2;
    return noInput && stereoOutput;
}

juce::AudioProcessorEditor* TessaroAudioProcessor::createEditor()
{
    return editorFactory != nullptr ? editorFactory(*this) : nullptr;
}

void TessaroAudioProcessor::processBlock(juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi)
{
    const juce::ScopedNoDenormals noDenormals;

    if (! editorOpen.load())
        syncNavigatorFromParameters();
    // Blends posted so far (the one above, or the message thread's) land before
    // this block's host values, so "Volume" keeps the last word on Main Volume.
    engine->applyPostedParameters();

    const int n = buffer.getNumSamples();
    pushHostParameters(static_cast<float>(2.0 * n / getSampleRate()));
    sendMidi(midi);
    engine->beginBlock(engineBlockOrigin, 2 * n);
    renderEngineBlock(n);
    decimateInto(buffer);
    publishOutput(buffer);
}

void TessaroAudioProcessor::pushHostParameters(float blockSeconds)
{
    for (const auto& push : HostParameter::enginePushes)
    {
        const float value = hostParameters[static_cast<size_t>(push.host)]->get();
        if (push.smoothed)
            engine->setParameterSmoothed(push.engine, value, blockSeconds);
        else
            engine->setParameter(push.engine, value);
    }
}

void TessaroAudioProcessor::sendMidi(const juce::MidiBuffer& midi)
{
    for (const auto metadata : midi)
    {
        const juce::uint8* bytes = metadata.data;
        const int frameTime = 2 * metadata.samplePosition;
        if (metadata.numBytes == 3)
            engine->midiMessage(bytes[0], bytes[1], bytes[2], frameTime, true);
        else if (metadata.numBytes == 2)
            engine->midiMessage(bytes[0], bytes[1], 0, frameTime, true);
    }
}

void TessaroAudioProcessor::renderEngineBlock(int hostSamples)
{
    const int frames = 2 * hostSamples;
    if (oversampleBuffer.getNumChannels() != 2 || oversampleBuffer.getNumSamples() != frames)
        oversampleBuffer.setSize(2, frames);

    float* left = oversampleBuffer.getWritePointer(0);
    float* right = oversampleBuffer.getWritePointer(1);
    for (int i = 0; i < frames; ++i)
    {
        float frame[2] = { 0.0f, 0.0f };
        engine->renderFrame(engineBlockOrigin + i, frame);
        left[i] = frame[0];
        right[i] = frame[1];
    }
}

void TessaroAudioProcessor::decimateInto(juce::AudioBuffer<float>& buffer) const
{
    // Only the even engine frames are kept; the engine band-limits inside its render.
    const int n = buffer.getNumSamples();
    for (int channel = 0; channel < std::min(2, buffer.getNumChannels()); ++channel)
    {
        const float* source = oversampleBuffer.getReadPointer(channel);
        float* destination = buffer.getWritePointer(channel);
        for (int i = 0; i < n; ++i)
            destination[i] = decimationGain * source[2 * i];
    }
}

void TessaroAudioProcessor::saveState(juce::MemoryBlock& dest, bool)
{
    juce::MemoryOutputStream out(dest, true);
    for (const auto* parameter : hostParameters)
        out.writeFloat(parameter->get());
}

void TessaroAudioProcessor::loadState(const void* data, int size, bool)
{
    juce::MemoryInputStream in(data, static_cast<size_t>(std::max(0, size)), false);
    for (auto* parameter : hostParameters)
    {
        // Missing bytes read as 0. A damaged blob's NaN or infinity would pass the
        // range unclamped and reach the audio, so such a value takes the default.
        const float value = in.readFloat();
        const juce::AudioProcessorParameter& asParameter = *parameter;
        parameter->setValueNotifyingHost(std::isfinite(value) ? value : asParameter.getDefaultValue());
    }

    // Only the message thread with an editor open owns the navigator here; any
    // other owner finds the new position on its next pass (see the class comment).
    if (editorOpen.load() && juce::MessageManager::existsAndIsCurrentThread())
        syncNavigatorFromParameters();
}

void TessaroAudioProcessor::noteOn(int note, float velocity)
{
    engine->noteOn(1, note, 0, false, velocity);
}

void TessaroAudioProcessor::noteOff(int note, float velocity)
{
    engine->noteOff(1, note, 0, false, velocity);
}

//==============================================================================
void TessaroAudioProcessor::setEditorOpen(bool open)
{
    const juce::ScopedLock lock(getCallbackLock());
    if (! open)
        navigator.stopCoasting();
    editorOpen.store(open);
}

void TessaroAudioProcessor::syncNavigatorFromParameters()
{
    const auto& q = navigator.getModel().getOrientation();
    const std::array<float, 4> components { q.x, q.y, q.z, q.w };
    std::array<float, 4> hostValues {};
    bool moved = false;
    for (size_t i = 0; i < hostValues.size(); ++i)
    {
        hostValues[i] = hostParameters[HostParameter::X + i]->get();
        moved = moved || hostValues[i] != SphereNavigator::toHostValue(components[i]);
    }
    if (! moved)
        return;

    navigator.moveTo({ SphereNavigator::toComponent(hostValues[0]),
                       SphereNavigator::toComponent(hostValues[1]),
                       SphereNavigator::toComponent(hostValues[2]),
                       SphereNavigator::toComponent(hostValues[3]) });
    if (editorOpen.load())
        navigator.repaint();
    applySphereBlend();
}

void TessaroAudioProcessor::turnSphereTo(const SphereModel::Quaternion& orientation)
{
    const std::array<float, 4> components { orientation.x, orientation.y, orientation.z, orientation.w };
    for (size_t i = 0; i < components.size(); ++i)
        hostParameters[HostParameter::X + i]->setValueNotifyingHost(SphereNavigator::toHostValue(components[i]));
}

void TessaroAudioProcessor::applySphereBlend()
{
    // Posted on every thread, so a blend from the message thread that is still
    // waiting for its frame can never overtake a newer one from the audio thread.
    const auto values = SphereBlend::mix(navigator.getModel().getSelection());
    for (int i = 0; i < EngineParameter::count; ++i)
        if (SphereBlend::isBlended(i))
            engine->postParameterSmoothed(i, values[static_cast<size_t>(i)], SphereBlend::rampSeconds);
}

void TessaroAudioProcessor::navigatorGestureBegan()
{
    for (int i = HostParameter::X; i <= HostParameter::A; ++i)
        hostParameters[static_cast<size_t>(i)]->beginChangeGesture();
}

void TessaroAudioProcessor::navigatorGestureEnded()
{
    for (int i = HostParameter::X; i <= HostParameter::A; ++i)
        hostParameters[static_cast<size_t>(i)]->endChangeGesture();
}

void TessaroAudioProcessor::navigatorMoved(float x, float y, float z, float a)
{
    const std::array<float, 4> values { x, y, z, a };
    for (size_t i = 0; i < values.size(); ++i)
        hostParameters[HostParameter::X + i]->setValueNotifyingHost(values[i]);
    applySphereBlend();
}

const char* TessaroAudioProcessor::getPointName(int index)
{
    return FactoryBank::getName(index);
}
