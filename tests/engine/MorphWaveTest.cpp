#include "engine/MorphWave.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace
{
double sine(double cycles)
{
    return std::sin(2.0 * std::numbers::pi * cycles);
}

TEST(SineTable, HoldsOnePeriodAndClosesWithZero)
{
    for (int i : { 0, 1, 12345, 25000, 50000, 75000, 99999 })
        EXPECT_NEAR(sineTable[i], sine(i * 0.00001), 2e-7) << "entry " << i;
    EXPECT_EQ(sineTable[SineTable::steps], 0.0f);
}

TEST(SineTable, InterpolatesBetweenEntries)
{
    for (double x : { 0.000005, 0.1234567, 0.5, 0.8765432, 0.999995 })
        EXPECT_NEAR(sineTable.read(x), sine(x), 1e-6) << "at " << x;
}

struct WaveCase
{
    const char* name;
    float width;
    float shape;
    double phase;
    double expected;
};

void PrintTo(const WaveCase& c, std::ostream* os)
{
    *os << c.name;
}


class MorphWaveValues : public testing::TestWithParam<WaveCase>
{
};

TEST_P(MorphWaveValues, MatchesTheSqueezedMorphedSine)
{
    const WaveCase& c = GetParam();
    EXPECT_NEAR(morphWave(c.phase, c.width, c.shape), c.expected, 1e-5);
}

// The value held after a squeezed period: the sine at 0.9999 of a cycle.
const double heldValue = sine(0.9999);

INSTANTIATE_TEST_SUITE_P(
    Cases, MorphWaveValues,
    testing::Values(WaveCase { "sineStart", 1.0f, 0.0f, 0.0, 0.0 },
                    WaveCase { "sineEighth", 1.0f, 0.0f, 0.125, sine(0.125) },
                    WaveCase { "sinePeak", 1.0f, 0.0f, 0.25, 1.0 },
                    WaveCase { "sineTrough", 1.0f, 0.0f, 0.75, -1.0 },
                    WaveCase { "squareHigh", 1.0f, 1.0f, 0.1, 1.0 },
                    WaveCase { "squareLow", 1.0f, 1.0f, 0.6, -1.0 },
                    // Zero counts as negative, so the square starts low.
                    WaveCase { "squareAtZero", 1.0f, 1.0f, 0.0, -1.0 },
                    WaveCase { "halfMorph", 1.0f, 0.5f, 0.125, (sine(0.125) + 1.0) / 2.0 },
                    WaveCase { "burstPeak", 0.08f, 0.0f, 0.02, 1.0 },
                    WaveCase { "burstTrough", 0.08f, 0.0f, 0.06, -1.0 },
                    WaveCase { "burstHoldsAfterItsPeriod", 0.08f, 0.0f, 0.5, heldValue },
                    WaveCase { "pulseHigh", 0.08f, 1.0f, 0.039, 1.0 },
                    WaveCase { "pulseLow", 0.08f, 1.0f, 0.041, -1.0 },
                    WaveCase { "pulseLowForTheRest", 0.08f, 1.0f, 0.9, -1.0 }),
    [](const testing::TestParamInfo<WaveCase>& info) { return std::string(info.param.name); });

TEST(MorphWave, SquareAtFullWidthIsSymmetric)
{
    constexpr int points = 10000;
    int high = 0;
    for (int i = 0; i < points; ++i)
        high += morphWave(static_cast<double>(i) / points, 1.0f, 1.0f) > 0.0f ? 1 : 0;
    EXPECT_NEAR(high, points / 2, 1);
}

TEST(MorphWave, NarrowBurstIsNearSilentAfterEightPercent)
{
    for (int i = 80; i < 1000; ++i)
        ASSERT_LT(std::abs(morphWave(i / 1000.0, 0.08f, 0.0f)), 0.001f) << "phase " << i / 1000.0;
}

TEST(Fold, MirrorsAboveOneAndDropsTheSign)
{
    struct Case
    {
        float in;
        float out;
    };
    for (const Case& c : { Case { 0.3f, 0.3f }, Case { 1.0f, 1.0f }, Case { 1.25f, 0.75f }, Case { 2.0f, 0.0f },
                           Case { -0.4f, 0.4f }, Case { 2.5f, 0.5f } })
        EXPECT_FLOAT_EQ(fold(c.in), c.out) << "fold(" << c.in << ")";
}

TEST(WrapPhase, BringsAnyPhaseIntoOneCycle)
{
    struct Case
    {
        double in;
        double out;
    };
    for (const Case& c : { Case { 0.25, 0.25 }, Case { 1.0, 0.0 }, Case { 2.75, 0.75 }, Case { -0.25, 0.75 } })
        EXPECT_DOUBLE_EQ(wrapPhase(c.in), c.out) << "wrap(" << c.in << ")";
}
} // namespace
