#include "engine/AmpEnvelope.h"

#include <gtest/gtest.h>

namespace
{
using Stage = AmpEnvelope::Stage;

/** Advances until the envelope leaves `stage`; returns how many frames that took (the leaving frame included). */
int framesIn(AmpEnvelope& envelope, Stage stage, int limit = 1'000'000)
{
    int frames = 0;
    while (envelope.getStage() == stage && frames < limit)
    {
        envelope.advance();
        ++frames;
    }
    return frames;
}

struct StageLengthCase
{
    float control;
    float rate;
    int frames;
};

TEST(AmpEnvelope, AttackAndDecayLastTheSquareRootOfSixCubedControlSeconds)
{
    // The frame counts come from a float product truncated to whole frames.
    const StageLengthCase cases[] = {
        { 0.0f, 88200.0f, 882 },    // floored at 0.01 s
        { 0.0f, 96000.0f, 960 },
        { 0.5f, 88200.0f, 76383 },  // sqrt(0.75) s
        { 1.0f, 88200.0f, 216045 }, // sqrt(6) s
    };
    for (const StageLengthCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "control " << c.control << " at " << c.rate);
        AmpEnvelope attack;
        attack.start(c.control, 0.0f, 1.0f, 0.0f, c.rate);
        EXPECT_EQ(framesIn(attack, Stage::Attack), c.frames);

        // With sustain 0 the decay falls to the end and the envelope goes idle
        // on its own. The decay's first frame is the attack's last.
        AmpEnvelope decay;
        decay.start(0.0f, c.control, 0.0f, 0.0f, c.rate);
        framesIn(decay, Stage::Attack);
        EXPECT_EQ(framesIn(decay, Stage::Decay), c.frames - 1);
        EXPECT_EQ(decay.getStage(), Stage::Idle);
    }
}

TEST(AmpEnvelope, RisesLinearlyToJustBelowOneThenHoldsTheSustainLevel)
{
    AmpEnvelope envelope;
    envelope.start(0.0f, 0.0f, 0.25f, 0.0f, 88200.0f);
    for (int frame = 1; frame < 882; ++frame)
        ASSERT_NEAR(envelope.advance(), frame / 882.0f, 1e-5f) << "frame " << frame;

    float level = 0.0f;
    while (envelope.getStage() != Stage::Sustain)
        level = envelope.advance();
    // S^1.5, reached from the attack's peak of 881/882.
    EXPECT_NEAR(level, 0.125f, 2e-3f);
    for (int frame = 0; frame < 1000; ++frame)
        ASSERT_EQ(envelope.advance(), level);
}

struct ReleaseCase
{
    const char* name;
    int framesBeforeRelease; ///< at A = 0: 441 is mid-attack, 2000 is in the sustain
    float release;
    float levelAtRelease;
    int releaseFrames;
};

void PrintTo(const ReleaseCase& c, std::ostream* os)
{
    *os << c.name;
}


class AmpEnvelopeRelease : public testing::TestWithParam<ReleaseCase>
{
};

TEST_P(AmpEnvelopeRelease, FallsLinearlyFromTheLevelReachedToZero)
{
    const ReleaseCase& c = GetParam();
    AmpEnvelope envelope;
    envelope.start(0.0f, 0.0f, 1.0f, c.release, 88200.0f);
    float level = 0.0f;
    for (int i = 0; i < c.framesBeforeRelease; ++i)
        level = envelope.advance();
    ASSERT_NEAR(level, c.levelAtRelease, 2e-3f);

    envelope.release();
    EXPECT_EQ(envelope.getStage(), Stage::Release);
    for (int k = 1; k < c.releaseFrames; ++k)
    {
        const float expected = level * (1.0f - static_cast<float>(k) / static_cast<float>(c.releaseFrames));
        ASSERT_NEAR(envelope.advance(), expected, 2e-3f) << "release frame " << k;
    }
    EXPECT_EQ(envelope.advance(), 0.0f);
    EXPECT_EQ(envelope.getStage(), Stage::Idle);
}

INSTANTIATE_TEST_SUITE_P(Cases, AmpEnvelopeRelease,
                         testing::Values(ReleaseCase { "midAttack", 441, 0.0f, 0.5f, 882 },
                                         ReleaseCase { "fromSustain", 2000, 0.0f, 0.99887f, 882 },
                                         // sqrt(6) x R seconds: 0.5 gives 108022 frames
                                         ReleaseCase { "longRelease", 2000, 0.5f, 0.99887f, 108022 }),
                         [](const testing::TestParamInfo<ReleaseCase>& info) { return std::string(info.param.name); });

TEST(AmpEnvelope, ReleaseIsIgnoredWhenIdleOrAlreadyReleasing)
{
    AmpEnvelope idle;
    idle.release();
    EXPECT_EQ(idle.getStage(), Stage::Idle);

    AmpEnvelope releasing;
    releasing.start(0.0f, 0.0f, 1.0f, 0.0f, 88200.0f);
    for (int i = 0; i < 441; ++i)
        releasing.advance();
    releasing.release();
    for (int i = 0; i < 441; ++i)
        releasing.advance();
    // A second release would restart the fall from here over a full release time.
    releasing.release();
    EXPECT_EQ(framesIn(releasing, Stage::Release), 882 - 441);
}
} // namespace
