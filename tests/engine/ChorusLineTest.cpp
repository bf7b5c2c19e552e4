#include "engine/ChorusLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{
constexpr float rate = 88200.0f;
constexpr float pi = std::numbers::pi_v<float>;
} // namespace

TEST(ChorusLine, ZeroDepthAddsLevelTimesTheInput)
{
    struct Case
    {
        float startPhase;
        float level;
    };
    for (const Case c : { Case { 0.0f, 0.5f }, Case { pi, 0.5f }, Case { 0.0f, 1.0f }, Case { pi, 0.0f } })
    {
        ChorusLine line(rate, c.startPhase);
        const ChorusLine::Settings settings { .depth = 0.0f, .rate = 2.4f, .level = c.level };
        for (int n = 0; n < 3000; ++n)
        {
            const float x = std::sin(0.3f * static_cast<float>(n)) + 0.25f;
            ASSERT_EQ(line.process(x, settings), x + x * c.level) << "frame " << n;
        }
    }
}

TEST(ChorusLine, TapSwingsOverTwiceTheDelayWithTheSidesHalfACycleApart)
{
    // Fed with its own frame number, the chorus reads back the (fractional)
    // frame its tap points at, so the tap's position can be seen directly.
    const ChorusLine::Settings settings { .depth = 0.01f, .rate = 6.0f, .level = 1.0f };
    const int delayFrames = static_cast<int>(rate * settings.depth * 0.5f);
    ASSERT_EQ(delayFrames, 441);

    ChorusLine left(rate, 0.0f);
    ChorusLine right(rate, pi);
    float nearest = 1e9f;
    float farthest = 0.0f;
    for (int n = 1; n < 40000; ++n)
    {
        const float x = static_cast<float>(n);
        const float leftBehind = x - (left.process(x, settings) - x);
        const float rightBehind = x - (right.process(x, settings) - x);
        if (n <= 2 * delayFrames)
            continue;

        ASSERT_GE(leftBehind, -0.05f) << "frame " << n;
        ASSERT_LE(leftBehind, 2.0f * delayFrames + 0.05f) << "frame " << n;
        // Opposite phases put the two taps symmetrically around the delay; the
        // float phases round differently as they advance, which moves the
        // taps apart by well under a frame.
        ASSERT_NEAR(leftBehind + rightBehind, 2.0f * delayFrames, 1.0f) << "frame " << n;
        nearest = std::min(nearest, leftBehind);
        farthest = std::max(farthest, leftBehind);
    }
    EXPECT_LT(nearest, 0.1f);
    EXPECT_GT(farthest, 2.0f * delayFrames - 0.1f);
}
