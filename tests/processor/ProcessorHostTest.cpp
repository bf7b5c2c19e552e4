#include "presets/PresetLibrary.h"
#include "processor/TessaroAudioProcessor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace
{
using Set = juce::AudioChannelSet;

juce::AudioProcessor::BusesLayout layout(std::initializer_list<Set> inputs, std::initializer_list<Set> outputs)
{
    juce::AudioProcessor::BusesLayout result;
    for (const auto& set : inputs)
        result.inputBuses.add(set);
    for (const auto& set : outputs)
        result.outputBuses.add(set);
    return result;
}

juce::MemoryBlock blobOf(std::initializer_list<float> values)
{
    juce::MemoryBlock block;
    juce::MemoryOutputStream out(block, false);
    for (const float value : values)
        out.writeFloat(value);
    return block;
}

std::vector<float> hostValues(const TessaroAudioProcessor& processor)
{
    std::vector<float> values;
    for (int i = 0; i < HostParameter::count; ++i)
        values.push_back(processor.getHostParameter(static_cast<HostParameter::Index>(i)).get());
    return values;
}

const std::vector<float> defaults { 0.5f, 0.5f, 0.5f, 0.6f, 0.2f, 0.2f, 0.4f, 0.0f, 0.0f, 0.1f, 0.3f, 0.7f };
} // namespace

TEST(ProcessorHost, AnswersTheHostsQuestions)
{
    TessaroAudioProcessor processor;
    EXPECT_EQ(processor.getName(), "Tessaro");
    EXPECT_EQ(processor.getTailLengthSeconds(), 0.0);
    EXPECT_TRUE(processor.acceptsMidi());
    EXPECT_FALSE(processor.producesMidi());
    EXPECT_FALSE(processor.supportsMPE());
    EXPECT_FALSE(processor.isMidiEffect());
    EXPECT_EQ(processor.getBypassParameter(), nullptr);
    EXPECT_EQ(processor.getBusCount(true), 0);
    ASSERT_EQ(processor.getBusCount(false), 1);
    EXPECT_EQ(processor.getBus(false, 0)->getName(), "Output");
    EXPECT_EQ(processor.getBus(false, 0)->getDefaultLayout(), Set::stereo());
    EXPECT_EQ(processor.getPresetFileExtension(), "tessaropreset");
    EXPECT_EQ(processor.getAppGroupIdentifier(), "group.quellmark.tessaro");
    EXPECT_EQ(processor.getRawPresetSize(), 4919);
}

TEST(ProcessorHost, OffersOneNamelessProgramThatChangesNothing)
{
    TessaroAudioProcessor processor;
    EXPECT_EQ(processor.getNumPrograms(), 1);
    EXPECT_EQ(processor.getCurrentProgram(), 0);
    EXPECT_EQ(processor.getProgramName(0), "");
    EXPECT_EQ(processor.getProgramName(5), "");
    processor.getHostParameter(HostParameter::Volume).setValueNotifyingHost(0.25f);
    processor.setCurrentProgram(3);
    processor.changeProgramName(0, "renamed");
    EXPECT_EQ(processor.getCurrentProgram(), 0);
    EXPECT_EQ(processor.getProgramName(0), "");
    EXPECT_FLOAT_EQ(processor.getHostParameter(HostParameter::Volume).get(), 0.25f);
}

TEST(ProcessorHost, AcceptsOnlyAStereoOutputWithoutInput)
{
    struct Case
    {
        const char* what;
        juce::AudioProcessor::BusesLayout layout;
        bool accepted;
    };
    const Case cases[] = {
        { "stereo out", layout({}, { Set::stereo() }), true },
        { "disabled input, stereo out", layout({ Set::disabled() }, { Set::stereo() }), true },
        { "mono out", layout({}, { Set::mono() }), false },
        { "5.1 out", layout({}, { Set::create5point1() }), false },
        { "stereo input", layout({ Set::stereo() }, { Set::stereo() }), false },
        { "mono input", layout({ Set::mono() }, { Set::stereo() }), false },
        { "no output bus", layout({}, {}), false },
    };
    TessaroAudioProcessor processor;
    for (const Case& c : cases)
        EXPECT_EQ(processor.isBusesLayoutSupported(c.layout), c.accepted) << c.what;
}

TEST(ProcessorHost, PublishesTwelveParametersInOrder)
{
    TessaroAudioProcessor processor;
    const char* names[] = { "X", "Y", "Z", "A", "Delay time", "Delay feedback", "Delay mix", "Delay swap",
                            "Legato", "Glide time", "Pitch bend range", "Volume" };
    const auto& parameters = processor.getParameters();
    ASSERT_EQ(parameters.size(), 12);
    for (int i = 0; i < 12; ++i)
    {
        SCOPED_TRACE(names[i]);
        auto* parameter = dynamic_cast<juce::AudioParameterFloat*>(parameters[i]);
        ASSERT_NE(parameter, nullptr);
        EXPECT_EQ(parameter, &processor.getHostParameter(static_cast<HostParameter::Index>(i)));
        EXPECT_EQ(parameter->getParameterIndex(), i);
        EXPECT_EQ(parameter->getParameterID(), names[i]);
        EXPECT_EQ(parameter->getName(100), names[i]);
        EXPECT_EQ(parameter->getLabel(), "");
        EXPECT_TRUE(parameter->isAutomatable());
        EXPECT_FALSE(parameter->isMetaParameter());
        EXPECT_EQ(parameter->range.start, 0.0f);
        EXPECT_EQ(parameter->range.end, 1.0f);
        EXPECT_EQ(parameter->range.interval, 0.0f);
        EXPECT_EQ(parameter->get(), defaults[static_cast<size_t>(i)]);
        const juce::AudioProcessorParameter& base = *parameter;
        EXPECT_EQ(base.getDefaultValue(), defaults[static_cast<size_t>(i)]);
    }
    EXPECT_EQ(parameters[0]->getText(0.5f, 100), "0.5000000");
    EXPECT_FLOAT_EQ(parameters[0]->getValueForText("0.25"), 0.25f);
}

TEST(ProcessorState, AFreshProcessorSavesItsDefaults)
{
    TessaroAudioProcessor processor;
    juce::MemoryBlock state;
    processor.getStateInformation(state);
    const auto expected = blobOf({ 0.5f, 0.5f, 0.5f, 0.6f, 0.2f, 0.2f, 0.4f, 0.0f, 0.0f, 0.1f, 0.3f, 0.7f });
    ASSERT_EQ(state.getSize(), 48u);
    EXPECT_EQ(state, expected);
    // Little-endian bit patterns: 0.5f is 0x3f000000.
    EXPECT_EQ(static_cast<std::uint8_t>(state[3]), 0x3f);
    EXPECT_EQ(static_cast<std::uint8_t>(state[0]), 0x00);
}

TEST(ProcessorState, SavingAppendsToWhatTheBlockHolds)
{
    TessaroAudioProcessor processor;
    juce::MemoryBlock state("0123456789", 10);
    processor.saveState(state, true);
    ASSERT_EQ(state.getSize(), 58u);
    EXPECT_EQ(std::memcmp(state.getData(), "0123456789", 10), 0);
    juce::MemoryBlock fresh;
    processor.saveState(fresh, false);
    EXPECT_EQ(std::memcmp(static_cast<const char*>(state.getData()) + 10, fresh.getData(), 48), 0);
}

TEST(ProcessorState, LoadsWhateverLengthItIsGiven)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case
    {
        const char* what;
        juce::MemoryBlock blob;
        std::vector<float> expected;
    };
    const std::vector<float> custom { 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 1.0f, 1.0f, 0.8f, 0.9f, 0.55f };
    auto longer = blobOf({ 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 1.0f, 1.0f, 0.8f, 0.9f, 0.55f, 0.33f });
    auto forty = blobOf({ 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 1.0f, 1.0f, 0.8f });
    auto fortySix = blobOf({ 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 1.0f, 1.0f, 0.8f, 0.9f, 0.55f });
    fortySix.setSize(46);
    const Case cases[] = {
        { "longer data: the rest is ignored", longer, custom },
        { "40 bytes: bend range and volume become 0", forty, { 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 1.0f, 1.0f, 0.8f, 0.0f, 0.0f } },
        { "a partial last value reads as 0", fortySix, { 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 1.0f, 1.0f, 0.8f, 0.9f, 0.0f } },
        { "empty: everything 0", {}, std::vector<float>(12, 0.0f) },
        { "out of range values are clamped", blobOf({ -3.0f, 7.0f, 0.5f, 0.6f, 0.2f, 0.2f, 0.4f, 0.0f, 0.0f, 0.1f, 0.3f, 0.7f }),
          { 0.0f, 1.0f, 0.5f, 0.6f, 0.2f, 0.2f, 0.4f, 0.0f, 0.0f, 0.1f, 0.3f, 0.7f } },
        { "non-finite values take the default", blobOf({ nan, inf, -inf, 0.4f, nan, 0.6f, 0.7f, 1.0f, 1.0f, 0.8f, inf, nan }),
          { 0.5f, 0.5f, 0.5f, 0.4f, 0.2f, 0.6f, 0.7f, 1.0f, 1.0f, 0.8f, 0.3f, 0.7f } },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        TessaroAudioProcessor processor;
        processor.setStateInformation(c.blob.getData(), static_cast<int>(c.blob.getSize()));
        EXPECT_EQ(hostValues(processor), c.expected);
    }
}

TEST(ProcessorState, RoundTripsBetweenInstancesAndNotifiesTheHost)
{
    TessaroAudioProcessor source;
    const std::vector<float> values { 0.31f, 0.72f, 0.05f, 0.93f, 0.11f, 0.47f, 0.66f, 1.0f, 1.0f, 0.42f, 0.5f, 0.8f };
    for (int i = 0; i < HostParameter::count; ++i)
        source.getHostParameter(static_cast<HostParameter::Index>(i)).setValueNotifyingHost(values[static_cast<size_t>(i)]);
    juce::MemoryBlock state;
    source.getStateInformation(state);

    struct Recorder final : juce::AudioProcessorListener
    {
        std::vector<int> indices;
        void audioProcessorParameterChanged(juce::AudioProcessor*, int index, float) override { indices.push_back(index); }
        void audioProcessorChanged(juce::AudioProcessor*, const ChangeDetails&) override {}
    } recorder;

    TessaroAudioProcessor target;
    target.addListener(&recorder);
    target.setStateInformation(state.getData(), static_cast<int>(state.getSize()));
    target.removeListener(&recorder);
    EXPECT_EQ(hostValues(target), values);
    EXPECT_EQ(recorder.indices, (std::vector<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 }));
}

TEST(ProcessorHost, ScansThePresetFoldersWhenItIsBuilt)
{
    TessaroAudioProcessor processor;
    const PresetLibrary& library = processor.getPresetLibrary();
    ASSERT_FALSE(library.getFolders().empty());
    EXPECT_EQ(library.getFolders().back().displayName, "User Presets") << "the user root is always the last folder";
    EXPECT_FALSE(library.getCurrent().valid);
    EXPECT_EQ(library.getCurrent().name, "missing preset");
}
