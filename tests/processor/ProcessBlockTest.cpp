#include "engine/InstrumentVoice.h"
#include "processor/TessaroAudioProcessor.h"

#include <gtest/gtest.h>

namespace
{
constexpr double hostRate = 48000.0;

float peakOf(const juce::AudioBuffer<float>& buffer)
{
    return buffer.getMagnitude(0, buffer.getNumSamples());
}

juce::MidiBuffer chordAt(int position)
{
    juce::MidiBuffer midi;
    midi.addEvent(juce::MidiMessage::noteOn(1, 60, 0.8f), position);
    midi.addEvent(juce::MidiMessage::noteOn(1, 67, 0.6f), position);
    return midi;
}

/**
    The engine driven by hand the way a host block is meant to reach it: the
    pushed host values, MIDI at twice the sample position, 2N frames, every even
    frame times 0.6.
*/
class ReferenceEngine
{
public:
    ReferenceEngine()
        : channel({}, [] { return std::make_unique<InstrumentVoice>(); })
    {
        channel.setSampleRate(static_cast<float>(2.0 * hostRate));
    }

    juce::AudioBuffer<float> process(const TessaroAudioProcessor& host, int n, const juce::MidiBuffer& midi)
    {
        const float seconds = static_cast<float>(2.0 * n / hostRate);
        for (const auto& push : HostParameter::enginePushes)
        {
            const float value = host.getHostParameter(push.host).get();
            if (push.smoothed)
                channel.setParameterSmoothed(push.engine, value, seconds);
            else
                channel.setParameter(push.engine, value);
        }
        for (const auto metadata : midi)
            if (metadata.numBytes == 3 || metadata.numBytes == 2)
                channel.midiMessage(metadata.data[0], metadata.data[1], metadata.numBytes == 3 ? metadata.data[2] : 0,
                                    2 * metadata.samplePosition, true);

        channel.beginBlock(0, 2 * n);
        juce::AudioBuffer<float> out(2, n);
        for (int i = 0; i < 2 * n; ++i)
        {
            float frame[2] = { 0.0f, 0.0f };
            channel.renderFrame(i, frame);
            if (i % 2 == 0)
            {
                out.setSample(0, i / 2, 0.6f * frame[0]);
                out.setSample(1, i / 2, 0.6f * frame[1]);
            }
        }
        return out;
    }

private:
    InstrumentChannel channel;
};

class ProcessBlock : public ::testing::Test
{
protected:
    ProcessBlock()
    {
        // As a host does: the rate is known to the processor before it is prepared.
        processor.setRateAndBufferSizeDetails(hostRate, 512);
        processor.prepareToPlay(hostRate, 512);
    }

    juce::AudioBuffer<float> run(int n, juce::MidiBuffer midi = {})
    {
        juce::AudioBuffer<float> buffer(2, n);
        buffer.clear();
        processor.processBlock(buffer, midi);
        return buffer;
    }

    void setHost(HostParameter::Index index, float value) { processor.getHostParameter(index).setValueNotifyingHost(value); }

    TessaroAudioProcessor processor;
};
} // namespace

TEST_F(ProcessBlock, OutputIsTheEnginesEvenFramesAtTwiceTheRateScaledBy06)
{
    ReferenceEngine reference;
    juce::MidiBuffer first = chordAt(10);
    first.addEvent(juce::MidiMessage::controllerEvent(1, 1, 90), 33);
    first.addEvent(juce::MidiMessage::pitchWheel(1, 12000), 50);
    first.addEvent(juce::MidiMessage::programChange(1, 4), 51);
    const juce::uint8 sysex[] = { 0x7d, 0x01, 0x02 };
    first.addEvent(juce::MidiMessage::createSysExMessage(sysex, 3), 52);
    juce::MidiBuffer second;
    second.addEvent(juce::MidiMessage::noteOff(1, 60), 0);
    second.addEvent(juce::MidiMessage::noteOn(1, 72, 1.0f), 63);

    float loudest = 0.0f;
    for (const auto& midi : { first, second, juce::MidiBuffer {}, first })
    {
        const auto expected = reference.process(processor, 64, midi);
        const auto actual = run(64, midi);
        for (int channel = 0; channel < 2; ++channel)
            for (int i = 0; i < 64; ++i)
                ASSERT_EQ(actual.getSample(channel, i), expected.getSample(channel, i)) << channel << ":" << i;
        loudest = std::max(loudest, peakOf(actual));
    }
    EXPECT_GT(loudest, 0.001f) << "the comparison needs a sounding engine";
}

TEST_F(ProcessBlock, HostValuesReachTheirEngineParametersEveryBlock)
{
    setHost(HostParameter::DelaySwap, 1.0f);
    setHost(HostParameter::Legato, 1.0f);
    setHost(HostParameter::GlideTime, 0.4f);
    setHost(HostParameter::Volume, 0.0f);
    run(256);
    auto& engine = processor.getEngine();
    EXPECT_EQ(engine.getParameterValue(EngineParameter::DelaySwap), 1.0f);
    EXPECT_EQ(engine.getParameterValue(EngineParameter::LegatoMode), 1.0f);
    EXPECT_FLOAT_EQ(engine.getParameterValue(EngineParameter::LegatoTime), 0.2f);
    EXPECT_EQ(engine.getParameterValue(EngineParameter::MainVolume), 0.0f);
    // The delay controls ramp: their targets are set at once.
    EXPECT_FLOAT_EQ(engine.getParameterTarget(EngineParameter::DelayFeedback), 0.95f * 0.2f);
    EXPECT_FLOAT_EQ(engine.getParameterTarget(EngineParameter::DelayMix), 0.4f);
    EXPECT_FLOAT_EQ(engine.getParameterNormalized(EngineParameter::DelayLengthMultiplier), 0.2f);
}

TEST_F(ProcessBlock, DelayControlsRampOverTwoBlockLengths)
{
    // Each block restarts the ramp from where the last one got to, so the engine
    // approaches the host value over a few blocks.
    for (int i = 0; i < 40; ++i)
        run(256);
    auto& engine = processor.getEngine();
    const float settled = engine.getParameterNormalized(EngineParameter::DelayLengthMultiplier, true);
    ASSERT_NEAR(settled, 0.2f, 1e-5f);

    setHost(HostParameter::DelayTime, 1.0f);
    run(256);
    // T = 2 * 256 / 48000 s, ramped at 88200 frames per second: 940.8 frames, of which 512 ran.
    const float expected = settled + (1.0f - settled) * 512.0f / 940.8f;
    EXPECT_NEAR(engine.getParameterNormalized(EngineParameter::DelayLengthMultiplier, true), expected, 1e-3f);
    EXPECT_EQ(engine.getParameterNormalized(EngineParameter::DelayLengthMultiplier), 1.0f);
}

TEST_F(ProcessBlock, PitchBendRangeIsRoundedToWholeSemitones)
{
    struct Case
    {
        float host, semitones;
    };
    for (const Case c : { Case { 0.0f, 1.0f }, Case { 1.0f, 12.0f }, Case { 0.3f, 4.0f }, Case { 0.5f, 7.0f } })
    {
        setHost(HostParameter::PitchBendRange, c.host);
        run(16);
        EXPECT_EQ(processor.getEngine().getPitchBendRange(), c.semitones) << c.host;
    }
}

TEST_F(ProcessBlock, VolumeZeroSilencesTheNextBlock)
{
    run(512, chordAt(0));
    ASSERT_GT(peakOf(run(512)), 0.001f);
    setHost(HostParameter::Volume, 0.0f);
    EXPECT_EQ(peakOf(run(512)), 0.0f);
}

TEST_F(ProcessBlock, NotesFromOtherThreadsSoundFromTheNextBlock)
{
    processor.noteOn(60, 1.0f);
    EXPECT_EQ(processor.getEngine().getVoiceForNote(60), nullptr);
    run(8);
    ASSERT_NE(processor.getEngine().getVoiceForNote(60), nullptr);
    EXPECT_TRUE(processor.getEngine().getVoiceForNote(60)->isGateOn());
    processor.noteOff(60, 0.0f);
    run(8);
    EXPECT_EQ(processor.getEngine().getVoiceForNote(60), nullptr);
}

TEST_F(ProcessBlock, AnEmptyBlockRendersNothingAndItsEventsLapse)
{
    juce::MidiBuffer midi = chordAt(0);
    juce::AudioBuffer<float> empty(2, 0);
    processor.processBlock(empty, midi);
    run(16);
    EXPECT_EQ(processor.getEngine().getVoiceForNote(60), nullptr) << "no frame of the empty block reached them";
    EXPECT_EQ(processor.takePeak(0), 0.0f);
}

TEST_F(ProcessBlock, PeaksRiseUntilTheReaderTakesThem)
{
    const auto loud = run(512, chordAt(0));
    const float peak = processor.takePeak(0);
    EXPECT_EQ(peak, loud.getMagnitude(0, 0, 512));
    EXPECT_GT(peak, 0.0f);
    EXPECT_EQ(processor.takePeak(0), 0.0f) << "taking resets";
    EXPECT_EQ(processor.takePeak(1), loud.getMagnitude(1, 0, 512));
}

TEST_F(ProcessBlock, TheScopeCapturesUntilABufferIsFullThenFlips)
{
    EXPECT_EQ(processor.getCompletedScopeBuffer(), nullptr) << "nothing is captured before an editor asks";
    processor.resetScopeCapture(69);

    const auto first = run(512, chordAt(0));
    ASSERT_EQ(processor.getScopeActiveBuffer(), 1);
    const std::atomic<float>* completed = processor.getCompletedScopeBuffer();
    for (int i = 0; i < 69; ++i)
        ASSERT_EQ(completed[i].load(), 0.5f * (first.getSample(0, i) + first.getSample(1, i))) << i;
    EXPECT_GT(std::abs(completed[68].load()), 0.0f) << "the capture needs a sounding engine";

    const auto second = run(40);
    EXPECT_EQ(processor.getScopeActiveBuffer(), 1) << "40 of 69 samples do not fill the next buffer";
    const auto third = run(40);
    EXPECT_EQ(processor.getScopeActiveBuffer(), 0);
    completed = processor.getCompletedScopeBuffer();
    EXPECT_EQ(completed[0].load(), 0.5f * (second.getSample(0, 0) + second.getSample(1, 0)));
    EXPECT_EQ(completed[68].load(), 0.5f * (third.getSample(0, 28) + third.getSample(1, 28)));
}
