#include "engine/InstrumentChannel.h"
#include "engine/InstrumentVoice.h"
#include "engine/NoteFrequencyTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <memory>
#include <numbers>
#include <utility>
#include <vector>

namespace
{
using namespace EngineParameter;
using Settings = std::vector<std::pair<Index, float>>; ///< plain values

constexpr double rate = 88200.0;
/** The envelope's hold level at A = 0, D = 0, S = 1: the attack peaks one step below 1. */
constexpr double sustainPeak = 881.0 / 882.0;

/**
    A channel of real voices with the first voice driven directly, so that the
    channel's effects never colour what the voice renders. By default the
    voice plays a plain sine through open filters with no modulation.
*/
class VoiceHarness
{
public:
    explicit VoiceHarness(const Settings& settings = {})
    {
        const Settings neutral = {
            { OscShape, 0.0f },       { OscPwm, 0.0f },        { RotationMagX, 0.0f },   { RotationMagY, 0.0f },
            { OscAttack, 0.0f },      { OscDecay, 0.0f },      { OscSustain, 1.0f },     { OscRelease, 0.0f },
            { HpFreq, 0.0f },         { HpReso, 2.0f },        { LpFreq, 1.0f },         { LpReso, 2.0f },
            { LpOffset, 0.5f },       { LfoFrequency, 5.0f },  { LfoPhaseOffset, 0.0f }, { LfoGain, 0.0f },
            { LfoHp, 0.0f },          { LfoLp, 0.0f },         { LfoPitch, 0.0f },       { LfoAttack, 0.0f },
            { LfoKeySync, 1.0f },     { GainVelMod, 0.0f },    { LpFreqVelMod, 0.0f },   { LpOffsetVelMod, 0.0f },
        };
        apply(neutral);
        apply(settings);
    }

    void apply(const Settings& settings)
    {
        for (const auto& [index, plain] : settings)
            channel.setParameterPlain(index, plain);
    }

    /** A target the smoothed current value has not moved towards yet (the store only moves in the channel's frames). */
    void setTargetOnly(Index index, float plain) { channel.setParameterPlainSmoothed(index, plain, 1.0f); }

    /** Channel-wide performance state, delivered through the channel's events. */
    void perform(float bend, float bendRange, float wheel)
    {
        channel.setParameterPlain(PitchBendRange, bendRange);
        channel.pitchBend(0, 0, true, bend);
        channel.controller(0, 1, 0, true, wheel);
        channel.beginBlock(0, 1);
        float frame[2] = {};
        channel.renderFrame(0, frame);
    }

    void play(float frequency, float velocity = 1.0f)
    {
        voice.setParameter(SynthBase::Frequency, frequency);
        voice.setParameter(SynthBase::Velocity, velocity);
        voice.start();
    }

    float render()
    {
        float out[2] = { 1.0f, 1.0f };
        finished = voice.renderFrame(2, out);
        EXPECT_EQ(out[0], out[1]);
        return out[0];
    }

    std::vector<float> render(int frames)
    {
        std::vector<float> samples(static_cast<size_t>(frames));
        for (float& s : samples)
            s = render();
        return samples;
    }

    InstrumentChannel channel { {}, [] { return std::make_unique<InstrumentVoice>(); } };
    InstrumentVoice& voice = static_cast<InstrumentVoice&>(*channel.getVoice(0));
    bool finished = false;
};

/** Frequency from the spacing of upward zero crossings, interpolated between frames. */
double measureFrequency(const std::vector<float>& y)
{
    double first = 0.0;
    double last = 0.0;
    int crossings = 0;
    for (size_t i = 1; i < y.size(); ++i)
    {
        if (! (y[i - 1] < 0.0f && y[i] >= 0.0f))
            continue;
        const double t = static_cast<double>(i - 1) + y[i - 1] / (y[i - 1] - y[i]);
        if (crossings++ == 0)
            first = t;
        last = t;
    }
    return crossings < 2 ? 0.0 : (crossings - 1) * rate / (last - first);
}

double peak(const std::vector<float>& y)
{
    double p = 0.0;
    for (float s : y)
        p = std::max(p, static_cast<double>(std::abs(s)));
    return p;
}

/** Index of the first frame where a and b differ, or -1. */
long firstDifference(const std::vector<float>& a, const std::vector<float>& b)
{
    const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return ia == a.end() && ib == b.end() ? -1 : static_cast<long>(ia - a.begin());
}

// An LFO held at +1: no movement, a quarter-cycle phase offset puts it on the sine's peak.
const Settings lfoHeldHigh = { { LfoFrequency, 0.0f }, { LfoPhaseOffset, 0.25f } };

TEST(InstrumentVoice, PitchFollowsTheNoteOneOctaveUpWithBendAndLfo)
{
    struct Case
    {
        const char* name;
        int note;
        float bend, bendRange, wheel;
        Settings settings;
        double expectedHz;
    };
    const Case cases[] = {
        { "note69", 69, 0.0f, 2.0f, 0.0f, {}, 880.0 },
        { "fullBendUpRange12", 69, 1.0f, 12.0f, 0.0f, {}, 1760.0 },
        { "fullBendDownRange12", 69, -1.0f, 12.0f, 0.0f, {}, 440.0 },
        { "fullBendUpRange2", 69, 1.0f, 2.0f, 0.0f, {}, 880.0 * std::exp2(2.0 / 12.0) },
        // The range is rounded to whole semitones at the block start.
        { "rangeRounded", 69, 1.0f, 4.3f, 0.0f, {}, 880.0 * std::exp2(4.0 / 12.0) },
        { "lowNote", 33, 0.0f, 2.0f, 0.0f, {}, 110.0 },
        // The pitch knob is squared: 0.5 is a quarter octave.
        { "lfoPitchHalf", 69, 0.0f, 2.0f, 0.0f, { { LfoPitch, 0.5f } }, 880.0 * std::exp2(0.25) },
        { "lfoPitchFull", 69, 0.0f, 2.0f, 0.0f, { { LfoPitch, 1.0f } }, 1760.0 },
        { "pitchWheelAtRest", 69, 0.0f, 2.0f, 0.0f, { { LfoPitch, 1.0f }, { LfoPitchModWheel, 1.0f } }, 880.0 },
        { "pitchWheelFull", 69, 0.0f, 2.0f, 1.0f, { { LfoPitchModWheel, 1.0f } }, 1760.0 },
        { "pitchWheelHalfway", 69, 0.0f, 2.0f, 0.5f, { { LfoPitch, 1.0f }, { LfoPitchModWheel, 0.5f } },
          880.0 * std::exp2(0.75) },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        VoiceHarness h(lfoHeldHigh);
        h.apply(c.settings);
        h.perform(c.bend, c.bendRange, c.wheel);
        h.play(noteFrequencyTable[static_cast<size_t>(c.note)]);
        h.render(4000);
        EXPECT_NEAR(measureFrequency(h.render(static_cast<int>(rate))), c.expectedHz, c.expectedHz * 1e-4);
    }
}

TEST(InstrumentVoice, ZeroGlideTimeJumpsToTheNewPitch)
{
    VoiceHarness h;
    h.play(220.0f);
    h.render(4000);
    h.voice.setParameterSmoothed(SynthBase::Frequency, 440.0f, 0.0f);
    EXPECT_EQ(h.voice.getParameter(SynthBase::Frequency), 440.0f);
    h.render(100);
    EXPECT_NEAR(measureFrequency(h.render(static_cast<int>(rate))), 880.0, 0.1);
}

TEST(InstrumentVoice, AmplitudeFollowsLfoGainWheelAndVelocity)
{
    struct Case
    {
        const char* name;
        Settings settings;
        float velocity, wheel;
        double ratio; ///< against the same voice with no gain modulation at velocity 1
    };
    const Case cases[] = {
        { "lfoGainFull", { { LfoGain, 1.0f } }, 1.0f, 0.0f, 2.0 },
        { "lfoGainHalf", { { LfoGain, 0.5f } }, 1.0f, 0.0f, 1.5 },
        { "lfoGainAtTrough", { { LfoGain, 1.0f }, { LfoPhaseOffset, 0.75f } }, 1.0f, 0.0f, 0.0 },
        { "gainWheel", { { LfoGain, 1.0f }, { LfoGainModWheel, 1.0f } }, 1.0f, 0.25f, 1.25 },
        { "gainVelocity", { { GainVelMod, 1.0f } }, 0.5f, 0.0f, 0.4 },
        { "gainVelocityHalfMod", { { GainVelMod, 0.5f } }, 0.5f, 0.0f, 0.7 },
        { "velocityIgnoredWithoutMod", {}, 0.5f, 0.0f, 1.0 },
    };
    VoiceHarness reference(lfoHeldHigh);
    reference.play(440.0f);
    const std::vector<float> expected = reference.render(3000);

    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        VoiceHarness h(lfoHeldHigh);
        h.apply(c.settings);
        h.perform(0.0f, 2.0f, c.wheel);
        h.play(440.0f, c.velocity);
        const std::vector<float> actual = h.render(3000);
        for (size_t i = 0; i < actual.size(); ++i)
            ASSERT_NEAR(actual[i], c.ratio * expected[i], 1e-5) << "frame " << i;
    }
}

/** The two-pole section's steady-state response at f: its analog prototype through the bilinear map. */
std::complex<double> sectionResponse(double f, double cutoff, double damping)
{
    const double r = std::tan(std::numbers::pi * f / rate) / std::tan(std::numbers::pi * cutoff / rate);
    return 1.0 / std::complex<double>(1.0 - r * r, damping * r);
}

double highpassGain(double f, double cutoff, double damping)
{
    return std::abs(sectionResponse(f, cutoff, damping) - 1.0);
}

double lowpassGain(double f, double cutoff, double damping)
{
    return std::abs(sectionResponse(f, cutoff, damping));
}

TEST(InstrumentVoice, FiltersTrackThePlayedFrequency)
{
    // A 440 Hz note plays at 880 Hz; HP reso 2 and LP reso 2 give a damping of 1.
    constexpr double f = 880.0;
    const float hpAtPlayed = std::sqrt(1.0f / 24.0f); // 24 H^2 = 1
    struct Case
    {
        const char* name;
        Settings settings;
        float velocity;
        double gain;
    };
    const Case cases[] = {
        // The high-pass at its 20 Hz floor, the low-pass clamped to 15000 Hz.
        { "open", {}, 1.0f, highpassGain(f, 20, 1) * lowpassGain(f, 15000, 1) },
        { "lpAtPlayedFrequency", { { LpFreq, 0.0f } }, 1.0f, highpassGain(f, 20, 1) * 1.0 },
        { "lpResonant", { { LpFreq, 0.0f }, { LpReso, 2.5f } }, 1.0f, highpassGain(f, 20, 1) * 2.0 },
        { "lpDamped", { { LpFreq, 0.0f }, { LpReso, 1.0f } }, 1.0f, highpassGain(f, 20, 1) * 0.5 },
        { "lpHalfway", { { LpFreq, 0.5f } }, 1.0f,
          highpassGain(f, 20, 1) * lowpassGain(f, 0.25 * (20000 - f) + f, 1) },
        // Velocity 0.5 scales both cutoff and damping by 0.4.
        { "lpSoftNote", { { LpFreq, 0.0f }, { LpFreqVelMod, 1.0f } }, 0.5f,
          highpassGain(f, 20, 1) * lowpassGain(f, 0.4 * f, 0.4) },
        { "lpLfoDoubles", { { LpFreq, 0.0f }, { LfoLp, 1.0f } }, 1.0f,
          highpassGain(f, 20, 1) * lowpassGain(f, 2 * f, 1) },
        { "hpAtPlayedFrequency", { { HpFreq, hpAtPlayed } }, 1.0f, highpassGain(f, f, 1) * lowpassGain(f, 15000, 1) },
        { "hpResonance", { { HpFreq, hpAtPlayed }, { HpReso, 2.5f } }, 1.0f,
          highpassGain(f, f, 0.5) * lowpassGain(f, 15000, 1) },
        { "hpLfoDoubles", { { HpFreq, hpAtPlayed }, { LfoHp, 1.0f } }, 1.0f,
          highpassGain(f, 2 * f, 1) * lowpassGain(f, 15000, 1) },
        // 24 x 880 Hz is clamped to 20000 Hz.
        { "hpCeiling", { { HpFreq, 1.0f } }, 1.0f, highpassGain(f, 20000, 1) * lowpassGain(f, 15000, 1) },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        VoiceHarness h(lfoHeldHigh);
        h.apply(c.settings);
        h.play(440.0f, c.velocity);
        h.render(20000);
        EXPECT_NEAR(peak(h.render(2000)), sustainPeak * c.gain, sustainPeak * c.gain * 2e-3);
    }
}

TEST(InstrumentVoice, HighpassInvertsThePolarity)
{
    // The sine starts upwards; through the 20 Hz high-pass formed as section minus input it starts downwards.
    VoiceHarness h;
    h.play(440.0f);
    for (float y : h.render(20))
        ASSERT_LT(y, 0.0f);
}

TEST(InstrumentVoice, OscillatorShapeAndWidthWithoutRotation)
{
    struct Case
    {
        float shape, pwm;
        float expectedShape, expectedWidth;
    };
    for (const Case& c : { Case { 0.0f, 0.0f, 0.0f, 1.0f }, Case { 1.0f, 0.0f, 1.0f, 1.0f },
                           Case { 0.0f, 0.92f, 0.0f, 0.08f }, Case { 0.4f, 0.5f, 0.4f, 0.5f } })
    {
        SCOPED_TRACE(testing::Message() << "shape " << c.shape << ", pwm " << c.pwm);
        VoiceHarness h({ { OscShape, c.shape }, { OscPwm, c.pwm }, { RotationFreqX, 5.0f }, { RotationFreqY, 5.0f } });
        h.play(440.0f);
        for (int i = 0; i < 100; ++i)
        {
            h.render();
            ASSERT_FLOAT_EQ(h.voice.getOscShape(), c.expectedShape);
            ASSERT_FLOAT_EQ(h.voice.getOscWidth(), c.expectedWidth);
        }
    }
}

TEST(InstrumentVoice, RotationYFoldsTheShapeBackTwicePerTurn)
{
    // Shape 1 plus the full Y rotation mirrors to 1 - |sin|: two dips to 0 per turn.
    VoiceHarness h({ { OscShape, 1.0f }, { RotationMagY, 1.0f }, { RotationFreqY, 5.0f }, { RotationKeySync, 1.0f } });
    h.play(440.0f);
    const int turn = static_cast<int>(rate / 5.0);
    int dips = 0;
    bool inDip = false;
    for (int k = 0; k < turn; ++k)
    {
        h.render();
        const double expected = 1.0 - std::abs(std::sin(2.0 * std::numbers::pi * k / turn));
        ASSERT_NEAR(h.voice.getOscShape(), expected, 1e-3) << "frame " << k;
        const bool dip = h.voice.getOscShape() < 0.01f;
        dips += dip && ! inDip ? 1 : 0;
        inDip = dip;
    }
    EXPECT_EQ(dips, 2);
}

TEST(InstrumentVoice, RotationXFoldsTheWidthAndHoldsItAboveItsFloor)
{
    // The narrowest pulse plus a full X rotation: 0.08 + sin folds back below 1
    // at the top and through 0 at the bottom, where 0.015 holds it.
    VoiceHarness h({ { OscPwm, 0.92f }, { RotationMagX, 1.0f }, { RotationFreqX, 5.0f } });
    h.play(440.0f);
    const int turn = static_cast<int>(rate / 5.0);
    std::vector<float> widths;
    for (int k = 0; k < turn; ++k)
    {
        h.render();
        widths.push_back(h.voice.getOscWidth());
    }
    EXPECT_NEAR(widths[static_cast<size_t>(turn / 4)], 0.92f, 1e-4f);
    EXPECT_NEAR(*std::max_element(widths.begin(), widths.end()), 1.0f, 1e-3f);
    EXPECT_EQ(*std::min_element(widths.begin(), widths.end()), 0.015f);
}

TEST(InstrumentVoice, RotationsRestartAtNoteStartOnlyWithKeySync)
{
    constexpr int frames = 2000;
    for (float keySync : { 1.0f, 0.0f })
    {
        SCOPED_TRACE(testing::Message() << "key sync " << keySync);
        const Settings settings = { { OscPwm, 0.5f },       { RotationMagX, 0.5f }, { RotationFreqX, 5.0f },
                                    { OscShape, 0.5f },     { RotationMagY, 0.5f }, { RotationFreqY, 3.0f },
                                    { RotationKeySync, keySync } };
        auto sweep = [](VoiceHarness& h) {
            std::vector<float> values;
            for (int i = 0; i < frames; ++i)
            {
                h.render();
                values.push_back(h.voice.getOscWidth());
                values.push_back(h.voice.getOscShape());
            }
            return values;
        };

        VoiceHarness once(settings);
        once.play(440.0f);
        const std::vector<float> firstNote = sweep(once);
        const std::vector<float> continued = sweep(once);

        VoiceHarness twice(settings);
        twice.play(440.0f);
        sweep(twice);
        twice.play(330.0f);
        EXPECT_EQ(firstDifference(sweep(twice), keySync > 0.5f ? firstNote : continued), -1);
    }
}

TEST(InstrumentVoice, LowpassMemoryClearsAtNoteStartHighpassMemoryOnlyWithTheRate)
{
    const Settings settings = { { HpFreq, 0.3f }, { LpFreq, 0.2f } };
    VoiceHarness fresh(settings);
    fresh.play(440.0f);
    const std::vector<float> freshNote = fresh.render(200);

    for (bool rateChange : { false, true })
    {
        SCOPED_TRACE(rateChange ? "after a rate change" : "same rate");
        VoiceHarness replayed(settings);
        replayed.play(330.0f);
        replayed.render(3000);
        if (rateChange)
            replayed.voice.setSampleRate(static_cast<float>(rate));
        replayed.play(440.0f);
        const long difference = firstDifference(replayed.render(200), freshNote);
        // Only the high-pass carries anything over from the previous note.
        if (rateChange)
            EXPECT_EQ(difference, -1);
        else
            EXPECT_EQ(difference, 0);
    }
}

TEST(InstrumentVoice, FinishesWhenItsEnvelopeReachesZero)
{
    struct Case
    {
        const char* name;
        float sustain;
        int releaseAfter; ///< frames rendered before release(); -1 for none
        int finishFrame;
    };
    const Case cases[] = {
        // 882 attack frames, 882 decay frames sharing one: idle without a release.
        { "sustainZero", 0.0f, -1, 882 + 882 - 1 },
        { "releaseMidAttack", 1.0f, 441, 441 + 882 },
        { "releaseFromSustain", 1.0f, 5000, 5000 + 882 },
        { "releaseBeforeFirstFrame", 1.0f, 0, 1 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        VoiceHarness h({ { OscSustain, c.sustain } });
        h.play(440.0f);
        int frame = 0;
        while (frame < 100000)
        {
            if (frame == c.releaseAfter)
            {
                h.voice.release();
                EXPECT_FALSE(h.voice.isGateOn());
            }
            h.render();
            ++frame;
            if (h.finished)
                break;
            ASSERT_EQ(h.voice.isGateOn(), c.releaseAfter < 0 || frame <= c.releaseAfter);
        }
        EXPECT_EQ(frame, c.finishFrame);
        EXPECT_FALSE(h.voice.isGateOn());
    }
}

TEST(InstrumentVoice, TailFadesTheLastValueLinearly)
{
    VoiceHarness h({ { OscSustain, 0.0f }, { HpFreq, 0.5f } });
    h.play(440.0f);
    float last = 0.0f;
    while (! h.finished)
        last = h.render();
    ASSERT_NE(last, 0.0f);

    for (int k = 0; k < InstrumentChannel::tailFrames - 1; ++k)
    {
        float out[2] = {};
        h.voice.renderTail(2, out);
        ASSERT_NEAR(out[0], last * (1.0f - k / 300.0f), std::abs(last) * 1e-5f) << "tail frame " << k;
        ASSERT_EQ(out[1], out[0]);
    }
}

TEST(InstrumentVoice, StolenVoiceRestartsWithoutATail)
{
    InstrumentChannel channel({}, [] { return std::make_unique<InstrumentVoice>(); });
    float frame[2];
    auto renderBlock = [&](int frames) {
        channel.beginBlock(0, frames);
        for (int i = 0; i < frames; ++i)
        {
            frame[0] = frame[1] = 0.0f;
            channel.renderFrame(i, frame);
        }
    };
    for (int note = 40; note < 40 + InstrumentChannel::numVoices; ++note)
        channel.noteOn(0, note, 0, true, 1.0f);
    renderBlock(500);
    SynthBase::Voice* oldest = channel.getVoiceForNote(40);
    ASSERT_NE(oldest, nullptr);

    channel.noteOn(0, 100, 0, true, 1.0f);
    renderBlock(1);
    EXPECT_EQ(channel.getVoiceForNote(100), oldest);
    EXPECT_EQ(channel.getVoiceForNote(40), nullptr);
    EXPECT_TRUE(oldest->isGateOn());
    EXPECT_EQ(channel.getNumTailVoices(), 0);

    // A voice that ends normally does get its tail.
    channel.noteOff(0, 41, 0, true, 1.0f);
    channel.beginBlock(0, 1);
    int frames = 0;
    while (channel.getNumTailVoices() == 0 && frames < 100000)
    {
        frame[0] = frame[1] = 0.0f;
        channel.renderFrame(frames++, frame);
    }
    EXPECT_EQ(channel.getNumTailVoices(), 1);
}

struct ReadCase
{
    const char* name;
    Index index;
    float before, after; ///< plain values
    bool readsTarget;    ///< read at note start, or a per-frame read that must not glide
    Settings context;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}


class InstrumentVoiceReads : public testing::TestWithParam<ReadCase>
{
};

/**
    A sphere move ramps every parameter. Note-start values and the rotation rates
    must land on the new target at once; everything else is heard gliding from
    the current value.
*/
TEST_P(InstrumentVoiceReads, TargetOrSmoothedValue)
{
    const ReadCase& c = GetParam();
    auto renderWith = [&](float value, bool targetOnly) {
        VoiceHarness h(c.context);
        h.apply({ { c.index, c.before } });
        if (targetOnly)
            h.setTargetOnly(c.index, value);
        else
            h.apply({ { c.index, value } });
        h.play(440.0f, 0.5f);
        return h.render(4000);
    };
    const std::vector<float> before = renderWith(c.before, false);
    const std::vector<float> after = renderWith(c.after, false);
    const std::vector<float> moving = renderWith(c.after, true);

    ASSERT_NE(firstDifference(before, after), -1) << "the change is not audible in this set-up";
    EXPECT_EQ(firstDifference(moving, c.readsTarget ? after : before), -1);
}

const Settings lfoAudible = { { LfoGain, 1.0f } };

INSTANTIATE_TEST_SUITE_P(
    Parameters, InstrumentVoiceReads,
    testing::Values(
        ReadCase { "OscShape", OscShape, 0.0f, 1.0f, false, {} },
        ReadCase { "OscPwm", OscPwm, 0.0f, 0.5f, false, {} },
        ReadCase { "RotationMagX", RotationMagX, 0.0f, 0.5f, false, { { OscPwm, 0.5f }, { RotationFreqX, 5.0f } } },
        ReadCase { "RotationMagY", RotationMagY, 0.0f, 0.5f, false, { { OscShape, 0.5f }, { RotationFreqY, 5.0f } } },
        ReadCase { "RotationFreqX", RotationFreqX, 0.0f, 5.0f, true, { { OscPwm, 0.5f }, { RotationMagX, 0.5f } } },
        ReadCase { "RotationFreqY", RotationFreqY, 0.0f, 5.0f, true, { { OscShape, 0.5f }, { RotationMagY, 0.5f } } },
        ReadCase { "OscAttack", OscAttack, 0.0f, 0.5f, true, {} },
        ReadCase { "OscDecay", OscDecay, 0.0f, 0.3f, true, { { OscSustain, 0.5f } } },
        ReadCase { "OscSustain", OscSustain, 1.0f, 0.5f, true, {} },
        ReadCase { "HpFreq", HpFreq, 0.0f, 0.5f, false, {} },
        ReadCase { "HpReso", HpReso, 2.0f, 0.5f, false, { { HpFreq, 0.3f } } },
        ReadCase { "LpFreq", LpFreq, 1.0f, 0.0f, false, {} },
        ReadCase { "LpReso", LpReso, 2.0f, 0.5f, false, { { LpFreq, 0.0f } } },
        ReadCase { "LpOffset", LpOffset, 0.5f, 1.0f, true, { { LpFreq, 0.0f } } },
        ReadCase { "LpTime", LpTime, 1.0f, 0.01f, true, { { LpFreq, 0.0f }, { LpOffset, 1.0f } } },
        ReadCase { "LfoShape", LfoShape, 0.0f, 1.0f, false, lfoAudible },
        ReadCase { "LfoPwm", LfoPwm, 0.0f, 0.5f, false, lfoAudible },
        ReadCase { "LfoFrequency", LfoFrequency, 5.0f, 1.0f, false, lfoAudible },
        ReadCase { "LfoPhaseOffset", LfoPhaseOffset, 0.0f, 0.25f, false, lfoAudible },
        ReadCase { "LfoGain", LfoGain, 0.0f, 1.0f, false, {} },
        ReadCase { "LfoHp", LfoHp, 0.0f, 1.0f, false, { { HpFreq, 0.3f } } },
        ReadCase { "LfoLp", LfoLp, 0.0f, 1.0f, false, { { LpFreq, 0.0f } } },
        ReadCase { "LfoPitch", LfoPitch, 0.0f, 1.0f, false, {} },
        ReadCase { "LfoKeySync", LfoKeySync, 1.0f, 0.0f, true, { { LfoGain, 1.0f }, { LfoAttack, 1.0f } } },
        ReadCase { "LfoAttack", LfoAttack, 0.0f, 1.0f, true, lfoAudible },
        ReadCase { "GainVelMod", GainVelMod, 0.0f, 1.0f, true, {} },
        ReadCase { "LpFreqVelMod", LpFreqVelMod, 0.0f, 1.0f, true, { { LpFreq, 0.0f } } },
        ReadCase { "LpOffsetVelMod", LpOffsetVelMod, 0.0f, 1.0f, true, { { LpFreq, 0.0f }, { LpOffset, 1.0f } } },
        ReadCase { "LfoGainModWheel", LfoGainModWheel, 0.0f, 1.0f, true, lfoAudible },
        ReadCase { "LfoHpModWheel", LfoHpModWheel, 0.0f, 1.0f, true, { { LfoHp, 1.0f }, { HpFreq, 0.3f } } },
        ReadCase { "LfoLpModWheel", LfoLpModWheel, 0.0f, 1.0f, true, { { LfoLp, 1.0f }, { LpFreq, 0.0f } } },
        ReadCase { "LfoPitchModWheel", LfoPitchModWheel, 0.0f, 1.0f, true, { { LfoPitch, 1.0f } } }),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });
} // namespace
