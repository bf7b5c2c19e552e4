#include "engine/FilterOffsetEnvelope.h"
#include "engine/Glide.h"
#include "engine/Lfo.h"
#include "engine/ModulationDepths.h"
#include "engine/VelocityFactors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
constexpr float rate = 88200.0f;

TEST(VelocityFactors, CrossfadeBetweenIgnoringAndFollowingVelocity)
{
    struct Case
    {
        float velocity, gainMod, lpMod, lpOffsetMod;
        VelocityFactors expected;
    };
    const Case cases[] = {
        // The default mods (0, 1, 1): amplitude ignores velocity, the cutoff follows 0.2 + 0.8 v^2, the offset v^2.
        { 1.0f, 0.0f, 1.0f, 1.0f, { 1.0f, 1.0f, 1.0f } },
        { 0.5f, 0.0f, 1.0f, 1.0f, { 1.0f, 0.4f, 0.25f } },
        { 0.0f, 0.0f, 1.0f, 1.0f, { 1.0f, 0.2f, 0.0f } },
        { 0.5f, 1.0f, 0.0f, 0.0f, { 0.4f, 1.0f, 1.0f } },
        { 0.5f, 0.5f, 0.5f, 0.5f, { 0.7f, 0.7f, 0.625f } },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "velocity " << c.velocity << ", mods " << c.gainMod << " " << c.lpMod
                                        << " " << c.lpOffsetMod);
        const VelocityFactors f = VelocityFactors::forVelocity(c.velocity, c.gainMod, c.lpMod, c.lpOffsetMod);
        EXPECT_FLOAT_EQ(f.gain, c.expected.gain);
        EXPECT_FLOAT_EQ(f.lp, c.expected.lp);
        EXPECT_FLOAT_EQ(f.lpOffset, c.expected.lpOffset);
    }
}

TEST(ModWheelWeights, CrossfadeEachKnobWithTheWheel)
{
    struct Case
    {
        const char* name;
        ModWheelWeights weights;
        ModulationDepths knobs;
        float wheel;
        ModulationDepths expected;
    };
    const Case cases[] = {
        // The pitch knob is squared: half of it is a quarter octave.
        { "knobsAlone", {}, { 0.5f, 0.5f, 0.5f, 0.5f }, 1.0f, { 0.5f, 0.5f, 0.5f, 0.25f } },
        { "wheelAloneAtRest", { 1.0f, 1.0f, 1.0f, 1.0f }, { 1.0f, 1.0f, 1.0f, 1.0f }, 0.0f, {} },
        // The wheel is not squared.
        { "wheelAlone", { 1.0f, 1.0f, 1.0f, 1.0f }, {}, 0.5f, { 0.5f, 0.5f, 0.5f, 0.5f } },
        { "halfway", { 0.5f, 0.5f, 0.5f, 0.5f }, { 0.4f, 0.4f, 0.4f, 1.0f }, 1.0f, { 0.7f, 0.7f, 0.7f, 1.0f } },
        { "perDestination", { 1.0f, 0.0f, 0.0f, 0.0f }, { 0.2f, 0.3f, 0.4f, 0.5f }, 0.9f, { 0.9f, 0.3f, 0.4f, 0.25f } },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        const ModulationDepths d = c.weights.crossfade(c.knobs, c.wheel);
        EXPECT_FLOAT_EQ(d.gain, c.expected.gain);
        EXPECT_FLOAT_EQ(d.hp, c.expected.hp);
        EXPECT_FLOAT_EQ(d.lp, c.expected.lp);
        EXPECT_FLOAT_EQ(d.pitch, c.expected.pitch);
    }
}

struct OffsetCase
{
    const char* name;
    float offset;
    float seconds;
    float velocityFactor;
    float firstFactor; ///< the cutoff factor on the note's first frame
    double returnSeconds;
};

void PrintTo(const OffsetCase& c, std::ostream* os)
{
    *os << c.name;
}


class FilterOffset : public testing::TestWithParam<OffsetCase>
{
};

TEST_P(FilterOffset, StartsAwayFromTheBaseAndReturnsLinearly)
{
    const OffsetCase& c = GetParam();
    FilterOffsetEnvelope envelope;
    envelope.start(c.offset, c.seconds, c.velocityFactor, 1.0f / rate);

    const float first = envelope.apply(1.0f);
    EXPECT_FLOAT_EQ(first, c.firstFactor);

    const double returnFrames = c.returnSeconds * rate;
    int frames = 1;
    float factor = first;
    float halfwayFactor = first;
    while (factor != 1.0f && frames < 1'000'000)
    {
        factor = envelope.apply(1.0f);
        if (++frames == static_cast<int>(returnFrames / 2.0))
            halfwayFactor = factor;
    }
    // The return is a float sum of many small steps: it lands within a fraction of a percent.
    EXPECT_NEAR(frames, returnFrames, 1.0 + returnFrames * 0.005);
    if (returnFrames > 4.0)
        EXPECT_NEAR(halfwayFactor, (c.firstFactor + 1.0f) / 2.0f, 0.01f);
    EXPECT_EQ(envelope.apply(1.0f), 1.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FilterOffset,
    testing::Values(OffsetCase { "upFromNineTimes", 1.0f, 1.0f, 1.0f, 9.0f, 1.0 },
                    OffsetCase { "upFromZero", 0.0f, 2.0f, 1.0f, 0.0f, 2.0 },
                    // Softer notes move less and return sooner: 0.5 of the way for a quarter of the velocity factor.
                    OffsetCase { "scaledByVelocity", 0.75f, 1.0f, 0.25f, 2.0f, 0.125 },
                    OffsetCase { "noneAtHalf", 0.5f, 1.0f, 1.0f, 1.0f, 0.0 },
                    // A zero time applies the whole offset for one frame only.
                    OffsetCase { "zeroTime", 1.0f, 0.0f, 1.0f, 9.0f, 1.0 / rate }),
    [](const testing::TestParamInfo<OffsetCase>& info) { return std::string(info.param.name); });

/** An LFO held at its peak (frequency 0, a quarter-cycle offset), so its output shows the fade-in alone. */
float heldLfoValue(Lfo& lfo)
{
    return lfo.advance(0.0f, 0.0f, 0.0f, 0.25f);
}

Lfo startedLfo(bool keySync, float attackSeconds)
{
    Lfo lfo;
    lfo.setSampleRate(rate);
    lfo.start(keySync, attackSeconds);
    return lfo;
}

std::vector<float> run(Lfo& lfo, int frames)
{
    std::vector<float> values;
    for (int i = 0; i < frames; ++i)
        values.push_back(lfo.advance(5.0f, 0.2f, 0.1f, 0.1f));
    return values;
}

TEST(Lfo, KeySyncFadesInLinearlyOverTheAttack)
{
    Lfo lfo = startedLfo(true, 1.0f);
    std::vector<float> values;
    for (int i = 0; i < 2 * static_cast<int>(rate); ++i)
        values.push_back(heldLfoValue(lfo));
    for (double seconds : { 0.25, 0.5, 0.75 })
        EXPECT_NEAR(values[static_cast<size_t>(seconds * rate) - 1], seconds, 1e-3) << seconds << " s";
    // A float sum of 88200 small steps: full depth lands a few dozen frames after the second.
    EXPECT_EQ(values[static_cast<size_t>(rate * 1.01f)], 1.0f);
    EXPECT_EQ(values.back(), 1.0f);
}

TEST(Lfo, StartsAtFullDepthWhenThereIsNoFadeIn)
{
    struct Case
    {
        bool keySync;
        float attackSeconds;
    };
    // A zero attack makes the fade-in step infinite; without key sync the attack is ignored.
    for (const Case& c : { Case { true, 0.0f }, Case { false, 4.0f } })
    {
        Lfo lfo = startedLfo(c.keySync, c.attackSeconds);
        EXPECT_FLOAT_EQ(heldLfoValue(lfo), 1.0f) << "key sync " << c.keySync << ", attack " << c.attackSeconds;
    }
}

TEST(Lfo, NoteStartRestartsOnlyWithKeySync)
{
    constexpr int frames = 3000;
    for (bool keySync : { true, false })
    {
        SCOPED_TRACE(keySync ? "key sync" : "free running");
        Lfo fresh = startedLfo(keySync, 0.1f);
        const std::vector<float> firstNote = run(fresh, frames);
        const std::vector<float> continued = run(fresh, frames);

        Lfo replayed = startedLfo(keySync, 0.1f);
        run(replayed, frames);
        replayed.start(keySync, 0.1f);
        const std::vector<float> secondNote = run(replayed, frames);

        // Key sync: phase 0 and a new fade-in. Otherwise: the note carries on as if never restarted.
        EXPECT_EQ(secondNote, keySync ? firstNote : continued);
        EXPECT_NE(firstNote, continued);
    }
}

TEST(Glide, MovesLinearlyInHzAndStopsAtTheTarget)
{
    struct Case
    {
        float from, to, seconds;
    };
    for (const Case& c : { Case { 440.0f, 880.0f, 0.01f }, Case { 880.0f, 220.0f, 0.02f } })
    {
        SCOPED_TRACE(testing::Message() << c.from << " to " << c.to);
        Glide glide(c.from);
        glide.glideTo(c.to, c.seconds, rate);
        EXPECT_EQ(glide.getTarget(), c.to);
        const int frames = static_cast<int>(c.seconds * rate);
        for (int i = 0; i < frames / 2; ++i)
            glide.advance();
        EXPECT_NEAR(glide.getCurrent(), (c.from + c.to) / 2.0f, 0.01f);
        for (int i = frames / 2; i < frames + 5; ++i)
            glide.advance();
        EXPECT_EQ(glide.getCurrent(), c.to);
    }
}

TEST(Glide, ZeroTimeJumpsOnTheNextFrame)
{
    for (float to : { 880.0f, 220.0f })
    {
        Glide glide(440.0f);
        glide.glideTo(to, 0.0f, rate);
        EXPECT_EQ(glide.getCurrent(), 440.0f);
        glide.advance();
        EXPECT_EQ(glide.getCurrent(), to);
    }
}
} // namespace
