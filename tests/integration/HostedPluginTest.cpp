#include "navigator/SphereModel.h"
#include "navigator/SphereNavigator.h"
#include "presets/FactoryBank.h"

#include <gtest/gtest.h>
#include <juce_audio_processors/juce_audio_processors.h>

#include <cmath>

namespace
{
constexpr double hostRate = 48000.0;
constexpr int blockSize = 512;

const char* const parameterNames[] = { "X", "Y", "Z", "A", "Delay time", "Delay feedback", "Delay mix", "Delay swap",
                                       "Legato", "Glide time", "Pitch bend range", "Volume" };
const float defaults[] = { 0.5f, 0.5f, 0.5f, 0.6f, 0.2f, 0.2f, 0.4f, 0.0f, 0.0f, 0.1f, 0.3f, 0.7f };

/** Loads the built bundle the way a DAW does, through JUCE's plug-in hosting. */
enum class Activation
{
    prepared,
    inactive, ///< as a DAW has it while it negotiates buses
};

template <typename Format>
std::unique_ptr<juce::AudioPluginInstance> load(Format& format, const juce::String& identifier,
                                                juce::PluginDescription* description = nullptr,
                                                Activation activation = Activation::prepared)
{
    juce::OwnedArray<juce::PluginDescription> types;
    format.findAllTypesForFile(types, identifier);
    if (types.size() != 1)
        return nullptr;
    if (description != nullptr)
        *description = *types[0];
    juce::String error;
    auto instance = format.createInstanceFromDescription(*types[0], hostRate, blockSize, error);
    if (instance != nullptr && activation == Activation::prepared)
    {
        instance->setRateAndBufferSizeDetails(hostRate, blockSize);
        instance->prepareToPlay(hostRate, blockSize);
    }
    return instance;
}

std::unique_ptr<juce::AudioPluginInstance> loadVst3(juce::PluginDescription* description = nullptr,
                                                    Activation activation = Activation::prepared)
{
    juce::VST3PluginFormat format;
    return load(format, TESSARO_VST3_BUNDLE, description, activation);
}

juce::AudioProcessorParameter* parameterNamed(juce::AudioProcessor& processor, const juce::String& name)
{
    for (auto* parameter : processor.getParameters())
        if (parameter->getName(100) == name)
            return parameter;
    return nullptr;
}

/** Renders `seconds` of audio in host blocks, sending each MIDI message at its time in seconds. */
juce::AudioBuffer<float> render(juce::AudioProcessor& processor, double seconds,
                                const std::vector<std::pair<double, juce::MidiMessage>>& events)
{
    const int total = static_cast<int>(seconds * hostRate);
    juce::AudioBuffer<float> result(2, total);
    juce::AudioBuffer<float> block(2, blockSize);
    for (int start = 0; start < total; start += blockSize)
    {
        const int n = std::min(blockSize, total - start);
        juce::MidiBuffer midi;
        for (const auto& [time, message] : events)
        {
            const int position = static_cast<int>(time * hostRate) - start;
            if (position >= 0 && position < n)
                midi.addEvent(message, position);
        }
        block.setSize(2, n, false, false, true);
        block.clear();
        processor.processBlock(block, midi);
        for (int channel = 0; channel < 2; ++channel)
            result.copyFrom(channel, start, block, channel, 0, n);
    }
    return result;
}

/**
    Fundamental of the left channel between two times: the shortest lag whose
    autocorrelation comes close to the best one, refined by a parabola.
*/
double frequencyBetween(const juce::AudioBuffer<float>& audio, double from, double to)
{
    const float* x = audio.getReadPointer(0);
    const int first = static_cast<int>(from * hostRate);
    const int length = static_cast<int>((to - from) * hostRate) - 1000;
    const auto correlation = [&](int lag) {
        double sum = 0.0;
        for (int i = first; i < first + length; ++i)
            sum += static_cast<double>(x[i]) * x[i + lag];
        return sum;
    };

    const int minLag = static_cast<int>(hostRate / 2000.0), maxLag = static_cast<int>(hostRate / 100.0);
    std::vector<double> r(static_cast<size_t>(maxLag + 2));
    double best = 0.0;
    for (int lag = minLag - 1; lag <= maxLag + 1; ++lag)
        best = std::max(best, r[static_cast<size_t>(lag)] = correlation(lag));
    for (int lag = minLag; lag <= maxLag; ++lag)
    {
        const double a = r[static_cast<size_t>(lag - 1)], b = r[static_cast<size_t>(lag)], c = r[static_cast<size_t>(lag + 1)];
        if (b >= 0.95 * best && b >= a && b >= c)
            return hostRate / (lag + 0.5 * (a - c) / (a - 2.0 * b + c));
    }
    return 0.0;
}

float rmsBetween(const juce::AudioBuffer<float>& audio, double from, double to)
{
    const int first = static_cast<int>(from * hostRate);
    return audio.getRMSLevel(0, first, static_cast<int>(to * hostRate) - first);
}
} // namespace

TEST(HostedVst3, DescribesItselfAsAStereoInstrument)
{
    juce::PluginDescription description;
    auto plugin = loadVst3(&description);
    ASSERT_NE(plugin, nullptr) << TESSARO_VST3_BUNDLE;
    EXPECT_EQ(description.name, "Tessaro");
    EXPECT_EQ(description.manufacturerName, "Quellmark");
    EXPECT_EQ(description.version, "2.0.0");
    EXPECT_TRUE(description.isInstrument);
    EXPECT_TRUE(description.category.contains("Instrument"));
    EXPECT_TRUE(description.category.contains("Synth"));
    EXPECT_EQ(description.numInputChannels, 0);
    EXPECT_EQ(description.numOutputChannels, 2);
    EXPECT_TRUE(plugin->acceptsMidi());
    EXPECT_FALSE(plugin->producesMidi());
    EXPECT_EQ(plugin->getTailLengthSeconds(), 0.0);
    // VST3 carries a program list only for two or more programs, so the single
    // nameless program is not listed there (the LV2 test sees it).
    EXPECT_EQ(plugin->getNumPrograms(), 0);
}

TEST(HostedVst3, AcceptsOnlyAStereoOutputWithoutInput)
{
    auto plugin = loadVst3(nullptr, Activation::inactive);
    ASSERT_NE(plugin, nullptr);
    using Set = juce::AudioChannelSet;
    struct Case
    {
        const char* what;
        juce::Array<Set> inputs, outputs;
        bool accepted;
    };
    const Case cases[] = {
        { "stereo out, no input", {}, { Set::stereo() }, true },
        { "mono out", {}, { Set::mono() }, false },
        { "5.1 out", {}, { Set::create5point1() }, false },
        { "stereo input", { Set::stereo() }, { Set::stereo() }, false },
    };
    for (const Case& c : cases)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses = c.inputs;
        layout.outputBuses = c.outputs;
        EXPECT_EQ(plugin->checkBusesLayoutSupported(layout), c.accepted) << c.what;
    }
    EXPECT_EQ(plugin->getTotalNumInputChannels(), 0);
    EXPECT_EQ(plugin->getTotalNumOutputChannels(), 2);
}

TEST(HostedVst3, ShowsTheTwelveParametersAtTheirDefaults)
{
    auto plugin = loadVst3();
    ASSERT_NE(plugin, nullptr);
    const auto& parameters = plugin->getParameters();
    ASSERT_GE(parameters.size(), 12);
    for (int i = 0; i < 12; ++i)
    {
        EXPECT_EQ(parameters[i]->getName(100), parameterNames[i]);
        EXPECT_FLOAT_EQ(parameters[i]->getValue(), defaults[i]) << parameterNames[i];
        EXPECT_FLOAT_EQ(parameters[i]->getDefaultValue(), defaults[i]) << parameterNames[i];
        EXPECT_TRUE(parameters[i]->isAutomatable());
    }
    // After ours come the VST3 wrapper's own: the bypass control VST3 hosts require
    // and the hidden parameters through which VST3 delivers MIDI controllers.
    for (int i = 12; i < parameters.size(); ++i)
        EXPECT_TRUE(parameters[i]->getName(100) == "Bypass" || parameters[i]->getName(100).startsWith("MIDI CC "))
            << parameters[i]->getName(100);
}

TEST(HostedVst3, StoresTheFortyEightByteStateAndRestoresItInAnotherInstance)
{
    auto first = loadVst3();
    auto second = loadVst3();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);

    juce::MemoryBlock state;
    first->getStateInformation(state);
    const auto xml = juce::AudioProcessor::getXmlFromBinary(state.getData(), static_cast<int>(state.getSize()));
    ASSERT_NE(xml, nullptr) << "JUCE's VST3 host keeps the component state in its own wrapper";
    juce::MemoryBlock component;
    ASSERT_TRUE(component.fromBase64Encoding(xml->getChildElementAllSubText("IComponent", {})));
    ASSERT_GE(component.getSize(), 48u);
    juce::MemoryInputStream blob(component.getData(), 48, false);
    for (const float expected : defaults)
        EXPECT_EQ(blob.readFloat(), expected);

    const float values[] = { 0.3f, 0.9f, 0.1f, 0.8f, 0.7f, 0.6f, 0.0f, 1.0f, 1.0f, 0.25f, 0.5f, 0.45f };
    for (int i = 0; i < 12; ++i)
        first->getParameters()[i]->setValueNotifyingHost(values[i]);
    first->getStateInformation(state);
    second->setStateInformation(state.getData(), static_cast<int>(state.getSize()));
    for (int i = 0; i < 12; ++i)
        EXPECT_FLOAT_EQ(second->getParameters()[i]->getValue(), values[i]) << parameterNames[i];
}

TEST(HostedVst3, PitchBendAndSustainReachTheEngine)
{
    const auto fresh = [] {
        auto plugin = loadVst3();
        if (plugin != nullptr)
        {
            parameterNamed(*plugin, "Delay mix")->setValueNotifyingHost(0.0f);
            parameterNamed(*plugin, "Pitch bend range")->setValueNotifyingHost(1.0f); // 12 semitones
        }
        return plugin;
    };
    auto plugin = fresh();
    ASSERT_NE(plugin, nullptr);

    const auto bent = render(*plugin, 1.2,
                             { { 0.0, juce::MidiMessage::noteOn(1, 57, 0.8f) },
                               { 0.6, juce::MidiMessage::pitchWheel(1, 16383) } });
    const double before = frequencyBetween(bent, 0.2, 0.55);
    const double after = frequencyBetween(bent, 0.8, 1.15);
    EXPECT_NEAR(before, 440.0, 440.0 * 0.02) << "note 57 sounds an octave up";
    EXPECT_NEAR(after / before, 2.0, 0.05) << "full bend at range 12";

    plugin = fresh();
    const auto held = render(*plugin, 1.5,
                             { { 0.0, juce::MidiMessage::controllerEvent(1, 64, 127) },
                               { 0.01, juce::MidiMessage::noteOn(1, 60, 0.8f) },
                               { 0.3, juce::MidiMessage::noteOff(1, 60) } });
    plugin = fresh();
    const auto released = render(*plugin, 1.5,
                                 { { 0.01, juce::MidiMessage::noteOn(1, 60, 0.8f) },
                                   { 0.3, juce::MidiMessage::noteOff(1, 60) } });
    EXPECT_GT(rmsBetween(held, 1.0, 1.4), 0.01f) << "the pedal holds the note";
    EXPECT_LT(rmsBetween(released, 1.0, 1.4), 0.1f * rmsBetween(held, 1.0, 1.4));
}

TEST(HostedVst3, TheModWheelReachesTheEngine)
{
    // "ASIAN LEAD" hands its LFO's low-pass depth to the wheel: without the wheel
    // its filter stands still, with it the filter sweeps.
    const auto facing = SphereModel(FactoryBank::size).orientationFacing(0);
    const auto play = [&](int wheel) {
        auto plugin = loadVst3();
        if (plugin == nullptr)
            return juce::AudioBuffer<float> {};
        const float position[] = { facing.x, facing.y, facing.z, facing.w };
        for (int i = 0; i < 4; ++i)
            plugin->getParameters()[i]->setValueNotifyingHost(SphereNavigator::toHostValue(position[i]));
        parameterNamed(*plugin, "Delay mix")->setValueNotifyingHost(0.0f);
        return render(*plugin, 1.0, { { 0.0, juce::MidiMessage::controllerEvent(1, 1, wheel) },
                                      { 0.05, juce::MidiMessage::noteOn(1, 60, 0.8f) } });
    };

    const auto still = play(0);
    const auto swept = play(127);
    ASSERT_EQ(still.getNumSamples(), swept.getNumSamples());
    const float level = rmsBetween(still, 0.3, 1.0);
    ASSERT_GT(level, 0.001f);
    juce::AudioBuffer<float> difference(still);
    difference.addFrom(0, 0, swept, 0, 0, swept.getNumSamples(), -1.0f);
    EXPECT_GT(rmsBetween(difference, 0.3, 1.0), 0.1f * level);
}

TEST(HostedLv2, LoadsByUriFromTheUsersLv2Folder)
{
    // JUCE's LV2 host looks plug-ins up by URI among the bundles of ~/.lv2.
    const juce::File lv2Folder = juce::File::getSpecialLocation(juce::File::userHomeDirectory).getChildFile(".lv2");
    ASSERT_TRUE(juce::File(TESSARO_LV2_BUNDLE).copyDirectoryTo(lv2Folder.getChildFile("Tessaro.lv2")));
    const juce::String manifest = lv2Folder.getChildFile("Tessaro.lv2/manifest.ttl").loadFileAsString();
    EXPECT_TRUE(manifest.contains("<" TESSARO_LV2_URI ">")) << manifest;

    juce::LV2PluginFormat format;
    juce::PluginDescription description;
    auto plugin = load(format, TESSARO_LV2_URI, &description);
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(description.name, "Tessaro");
    // The LV2 host lists ports in its own order, with the wrapper's bypass among them.
    juce::StringArray names;
    for (auto* parameter : plugin->getParameters())
        if (parameter->getName(100) != "Bypass")
            names.add(parameter->getName(100));
    names.sort(false);
    juce::StringArray expected(parameterNames, 12);
    expected.sort(false);
    EXPECT_EQ(names, expected);
    EXPECT_EQ(plugin->getNumPrograms(), 1);
    EXPECT_EQ(plugin->getProgramName(0), "");
    lv2Folder.deleteRecursively();
}
