#include "navigator/NavigatorTestSupport.h"
#include "navigator/SphereBlend.h"
#include "presets/FactoryBank.h"
#include "processor/TessaroAudioProcessor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

using navigator_test::drag;
using navigator_test::mouseEvent;

namespace
{
constexpr double sampleRate = 44100.0;
constexpr int blockSize = 512;

using EngineValues = std::array<float, EngineParameter::count>;

struct ParameterListener : juce::AudioProcessorListener
{
    void audioProcessorParameterChanged(juce::AudioProcessor*, int index, float) override { ++changes[index]; }
    void audioProcessorChanged(juce::AudioProcessor*, const ChangeDetails&) override {}
    void audioProcessorParameterChangeGestureBegin(juce::AudioProcessor*, int index) override { ++begins[index]; }
    void audioProcessorParameterChangeGestureEnd(juce::AudioProcessor*, int index) override { ++ends[index]; }

    std::array<int, HostParameter::count> changes {};
    std::array<int, HostParameter::count> begins {};
    std::array<int, HostParameter::count> ends {};
};

void prepare(TessaroAudioProcessor& processor)
{
    processor.prepareToPlay(sampleRate, blockSize);
    // The tests tick the coasting themselves.
    processor.getNavigator().stopTimer();
    processor.getNavigator().setBounds(0, 0, 360, 335);
}

void process(TessaroAudioProcessor& processor)
{
    juce::AudioBuffer<float> buffer(2, blockSize);
    juce::MidiBuffer midi;
    processor.processBlock(buffer, midi);
}

EngineValues engineTargets(const TessaroAudioProcessor& processor)
{
    EngineValues values {};
    for (int i = 0; i < EngineParameter::count; ++i)
        values[static_cast<size_t>(i)] = processor.getEngine().getParameterNormalized(i);
    return values;
}

std::array<float, 4> sphereHostValues(const TessaroAudioProcessor& processor)
{
    std::array<float, 4> values {};
    for (int i = HostParameter::X; i <= HostParameter::A; ++i)
        values[static_cast<size_t>(i)] = processor.getHostParameter(static_cast<HostParameter::Index>(i)).get();
    return values;
}

std::array<float, 4> orientationAsHostValues(TessaroAudioProcessor& processor)
{
    const auto& q = processor.getNavigator().getModel().getOrientation();
    return { SphereNavigator::toHostValue(q.x), SphereNavigator::toHostValue(q.y), SphereNavigator::toHostValue(q.z),
             SphereNavigator::toHostValue(q.w) };
}

/** Every blended parameter holds the blend of the navigator's current front cap. */
void expectBlendOfCurrentSelection(TessaroAudioProcessor& processor)
{
    const auto blend = SphereBlend::mix(processor.getNavigator().getModel().getSelection());
    const auto targets = engineTargets(processor);
    for (int i = 0; i < EngineParameter::count; ++i)
        if (SphereBlend::isBlended(i) && i != EngineParameter::MainVolume)
            EXPECT_FLOAT_EQ(targets[static_cast<size_t>(i)], blend[static_cast<size_t>(i)]) << i;
}

class ProcessorNavigatorTest : public testing::Test
{
protected:
    ProcessorNavigatorTest() { prepare(processor); }

    void setHost(HostParameter::Index index, float value)
    {
        processor.getHostParameter(index).setValueNotifyingHost(value);
    }

    juce::Point<float> centre() { return processor.getNavigator().getLocalBounds().toFloat().getCentre(); }

    TessaroAudioProcessor processor;
};
} // namespace

TEST_F(ProcessorNavigatorTest, SphereHoldsOnePointPerFactoryEntry)
{
    EXPECT_EQ(processor.getNavigator().getModel().getPointCount(), 70);
    EXPECT_STREQ(processor.getPointName(0), "ASIAN LEAD");
    EXPECT_STREQ(processor.getPointName(69), "OCTAVER");
}

TEST_F(ProcessorNavigatorTest, WritingTheDefaultsDoesNotBlendButANudgeDoes)
{
    for (int i = HostParameter::X; i <= HostParameter::A; ++i)
        setHost(static_cast<HostParameter::Index>(i), HostParameter::definitions[static_cast<size_t>(i)].defaultValue);
    process(processor);

    const auto untouched = engineTargets(processor);
    for (int i = 0; i < EngineParameter::count; ++i)
        if (SphereBlend::isBlended(i) && i != EngineParameter::MainVolume)
            EXPECT_EQ(untouched[static_cast<size_t>(i)], engineParameterTable[static_cast<size_t>(i)].defaultNormalized) << i;

    setHost(HostParameter::A, 0.61f);
    process(processor);

    EXPECT_FLOAT_EQ(processor.getNavigator().getModel().getOrientation().w, 1.1f);
    expectBlendOfCurrentSelection(processor);
    EXPECT_NE(engineTargets(processor), untouched);
    // Host-driven parameters keep their host values, and "Delay tempo" its default.
    EXPECT_EQ(processor.getEngine().getParameterNormalized(EngineParameter::DelayTempo), 0.3f);
    EXPECT_EQ(processor.getEngine().getParameterNormalized(EngineParameter::DelayLengthMultiplier), 0.2f);
}

TEST_F(ProcessorNavigatorTest, HostVolumeKeepsTheLastWordOverABlendInTheSameBlock)
{
    setHost(HostParameter::Volume, 0.3f);
    setHost(HostParameter::X, 0.58f);
    process(processor);

    EXPECT_EQ(processor.getEngine().getParameterNormalized(EngineParameter::MainVolume), 0.3f);
    expectBlendOfCurrentSelection(processor);
}

TEST_F(ProcessorNavigatorTest, XAtOneStretchesTheSphere)
{
    std::vector<int> start;
    for (const auto& s : processor.getNavigator().getModel().getSelection())
        start.push_back(s.index);

    setHost(HostParameter::X, 1.0f);
    process(processor);

    const auto& q = processor.getNavigator().getModel().getOrientation();
    EXPECT_EQ(q.x, 5.0f);
    EXPECT_EQ(q.y, 0.0f);
    EXPECT_EQ(q.z, 0.0f);
    EXPECT_EQ(q.w, 1.0f);
    std::vector<int> stretched;
    for (const auto& s : processor.getNavigator().getModel().getSelection())
        stretched.push_back(s.index);
    EXPECT_NE(stretched, start);
    expectBlendOfCurrentSelection(processor);
}

TEST_F(ProcessorNavigatorTest, StateLoadedIntoAnotherInstanceReproducesTheBlend)
{
    setHost(HostParameter::X, 0.62f);
    setHost(HostParameter::Y, 0.41f);
    setHost(HostParameter::Z, 0.55f);
    setHost(HostParameter::A, 0.58f);
    process(processor);
    juce::MemoryBlock state;
    processor.getStateInformation(state);

    TessaroAudioProcessor other;
    prepare(other);
    const auto before = engineTargets(other);
    other.setStateInformation(state.getData(), static_cast<int>(state.getSize()));
    process(other);

    EXPECT_EQ(engineTargets(other), engineTargets(processor));
    EXPECT_NE(engineTargets(other), before);
}

TEST_F(ProcessorNavigatorTest, StateLoadMovesTheNavigatorOnlyOnTheThreadThatOwnsIt)
{
    TessaroAudioProcessor source;
    source.getHostParameter(HostParameter::Y).setValueNotifyingHost(0.7f);
    juce::MemoryBlock state;
    source.getStateInformation(state);

    for (const bool editorOpen : { true, false })
    {
        TessaroAudioProcessor loaded;
        prepare(loaded);
        loaded.setEditorOpen(editorOpen);
        const auto start = loaded.getNavigator().getModel().getOrientation();

        loaded.setStateInformation(state.getData(), static_cast<int>(state.getSize()));
        // With an editor the message thread owns the navigator and moves it now;
        // without one the audio thread does so at the start of its next block.
        const bool movedNow = loaded.getNavigator().getModel().getOrientation().y != start.y;
        EXPECT_EQ(movedNow, editorOpen);

        process(loaded);
        EXPECT_EQ(orientationAsHostValues(loaded), sphereHostValues(loaded)) << editorOpen;
        expectBlendOfCurrentSelection(loaded);
    }
}

TEST_F(ProcessorNavigatorTest, DragIsOneHostGestureWithOneNotificationPerStep)
{
    ParameterListener listener;
    processor.addListener(&listener);
    drag(processor.getNavigator(), centre(), { { 20.0f, 0.0f }, { 30.0f, 10.0f }, { 45.0f, 25.0f } });
    processor.removeListener(&listener);

    for (int i = 0; i < HostParameter::count; ++i)
    {
        const bool sphere = i <= HostParameter::A;
        EXPECT_EQ(listener.begins[static_cast<size_t>(i)], sphere ? 1 : 0) << i;
        EXPECT_EQ(listener.ends[static_cast<size_t>(i)], sphere ? 1 : 0) << i;
        EXPECT_EQ(listener.changes[static_cast<size_t>(i)], sphere ? 3 : 0) << i;
    }
    EXPECT_EQ(sphereHostValues(processor), orientationAsHostValues(processor));

    // The drag blended at once; the next block finds nothing to change.
    process(processor);
    expectBlendOfCurrentSelection(processor);
    EXPECT_EQ(sphereHostValues(processor), orientationAsHostValues(processor));
}

TEST_F(ProcessorNavigatorTest, DoubleClickReturnsToTheStartPosition)
{
    auto& navigator = processor.getNavigator();
    drag(navigator, centre(), { { 60.0f, -30.0f } });
    process(processor);

    navigator.mouseDown(mouseEvent(navigator, centre(), juce::ModifierKeys::leftButtonModifier, 2));
    navigator.mouseUp(mouseEvent(navigator, centre()));
    EXPECT_EQ(sphereHostValues(processor), (std::array<float, 4> { 0.5f, 0.5f, 0.5f, 0.6f }));

    process(processor);
    const auto& q = navigator.getModel().getOrientation();
    EXPECT_EQ(q.x, 0.0f);
    EXPECT_EQ(q.y, 0.0f);
    EXPECT_EQ(q.z, 0.0f);
    EXPECT_EQ(q.w, 1.0f);
    expectBlendOfCurrentSelection(processor);
}

TEST_F(ProcessorNavigatorTest, CoastingTurnsTheViewButNotTheSound)
{
    processor.setEditorOpen(true);
    auto& navigator = processor.getNavigator();
    drag(navigator, centre(), { { 40.0f, 10.0f } });
    process(processor);
    const auto sound = engineTargets(processor);
    const auto host = sphereHostValues(processor);
    const auto released = navigator.getModel().getOrientation();

    for (int tick = 0; tick < 3; ++tick)
        navigator.timerCallback();
    process(processor);

    EXPECT_NE(navigator.getModel().getOrientation().y, released.y);
    EXPECT_EQ(engineTargets(processor), sound);
    EXPECT_EQ(sphereHostValues(processor), host);

    // Closing the editor stops the coasting, and the audio thread brings the view
    // back to where the sound is.
    processor.setEditorOpen(false);
    EXPECT_EQ(navigator.getAngularVelocity(), juce::Point<float>());
    process(processor);
    EXPECT_EQ(orientationAsHostValues(processor), host);
    expectBlendOfCurrentSelection(processor);
}

TEST_F(ProcessorNavigatorTest, TurningToFaceAnEntryPlaysThatEntryAlone)
{
    const SphereModel& model = processor.getNavigator().getModel();
    for (int k = 0; k < FactoryBank::size; ++k)
    {
        SCOPED_TRACE(FactoryBank::getName(k));
        processor.turnSphereTo(model.orientationFacing(k));
        process(processor);

        const auto selection = model.getSelection();
        const auto front = std::find_if(selection.begin(), selection.end(), [k](const auto& p) { return p.index == k; });
        ASSERT_NE(front, selection.end());
        EXPECT_GT(front->weight, 0.999f) << "the host's float values land it next to the centre";

        const auto targets = engineTargets(processor);
        const auto& row = FactoryBank::entries[static_cast<size_t>(k)].values;
        for (int i = 0; i < EngineParameter::count; ++i)
            if (SphereBlend::isBlended(i) && i != EngineParameter::MainVolume)
                EXPECT_NEAR(targets[static_cast<size_t>(i)], row[static_cast<size_t>(i)], 1e-3f) << i;
    }
}
