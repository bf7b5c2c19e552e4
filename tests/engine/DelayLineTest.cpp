#include "SettledDelayGain.h"

#include "engine/DelayLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

TEST(DelayLine, NewLengthMutesForOneLengthThenFadesInOver500Frames)
{
    constexpr int length = 1000;
    DelayLine line;
    line.setLength(length);

    std::vector<float> out;
    for (int n = 0; n < length + 1500; ++n)
        out.push_back(line.process(1.0f, 0.0f));

    for (int n = 0; n < length; ++n)
        ASSERT_EQ(out[n], 0.0f) << "frame " << n;

    // The first frame after the refill reads the second refilled sample (ramp
    // 0.004) at the first fade step (0.002).
    EXPECT_FLOAT_EQ(out[length], 0.002f * 0.004f);

    // 500 float steps of 0.002 stay just below 1; the 501st lifts the gain to
    // about 1.002, where it stays.
    EXPECT_LT(out[length + 499], 1.0f);
    EXPECT_GT(out[length + 499], 0.999f);
    const float settled = out[length + 500];
    EXPECT_NEAR(settled, 1.002f, 1e-5f);
    for (size_t n = length + 500; n < out.size(); ++n)
        ASSERT_EQ(out[n], settled) << "frame " << n;
}

TEST(DelayLine, RefillRampRisesBy0002PerFrameUpToOne)
{
    // Feedback 1 with silent input keeps the refilled samples circulating, so
    // one period of the settled output shows the ramp that was written.
    struct Case
    {
        int length;
        float peak;
    };
    const float gain = settledDelayGain();
    for (const Case c : { Case { 100, 0.2f }, Case { 1000, 1.0f } })
    {
        SCOPED_TRACE(c.length);
        DelayLine line;
        line.setLength(c.length);
        for (int n = 0; n < c.length; ++n)
            line.process(1.0f, 1.0f);
        for (int n = 0; n < 2000; ++n)
            line.process(0.0f, 1.0f);

        std::vector<float> period;
        for (int n = 0; n < c.length; ++n)
            period.push_back(line.process(0.0f, 1.0f));
        EXPECT_EQ(*std::max_element(period.begin(), period.end()), gain * c.peak);
        EXPECT_EQ(*std::min_element(period.begin(), period.end()), gain * 0.002f);
    }
}

TEST(DelayLine, EchoesEveryLengthScaledByTheFeedback)
{
    // The oldest sample is read right after the newest is written, so the
    // first echo comes length - 1 frames after the input, the next ones a
    // full length apart.
    constexpr int length = 100;
    const float gain = settledDelayGain();
    DelayLine line;
    line.setLength(length);
    for (int n = 0; n < length + 600; ++n)
        line.process(0.0f, 0.5f);

    std::vector<float> out;
    out.push_back(line.process(1.0f, 0.5f));
    for (int n = 1; n < 5 * length; ++n)
        out.push_back(line.process(0.0f, 0.5f));

    float expected = gain;
    for (size_t n = 0; n < out.size(); ++n)
    {
        if (n % length == length - 1)
        {
            ASSERT_EQ(out[n], expected) << "frame " << n;
            expected *= 0.5f;
        }
        else
        {
            ASSERT_EQ(out[n], 0.0f) << "frame " << n;
        }
    }
}

TEST(DelayLine, SameLengthKeepsRunningAndLengthsStayInsideTheBuffer)
{
    DelayLine line;
    line.setLength(200);
    for (int n = 0; n < 1000; ++n)
        line.process(1.0f, 0.0f);
    line.setLength(200);
    EXPECT_GT(line.process(1.0f, 0.0f), 1.0f);

    struct Case
    {
        int requested;
        int expected;
    };
    for (const Case c : { Case { 0, 1 }, Case { -5, 1 }, Case { DelayLine::capacity, DelayLine::capacity },
                          Case { DelayLine::capacity + 1, DelayLine::capacity } })
    {
        line.setLength(c.requested);
        EXPECT_EQ(line.getLength(), c.expected) << c.requested;
        for (int n = 0; n < 3; ++n)
            line.process(1.0f, 0.5f);
    }
}
