#include "engine/Equaliser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
std::vector<float> testSignal(int frames)
{
    std::vector<float> x(static_cast<size_t>(frames));
    for (int n = 0; n < frames; ++n)
        x[static_cast<size_t>(n)] = std::sin(0.05f * static_cast<float>(n)) + 0.3f * std::sin(0.9f * static_cast<float>(n));
    x[0] = 1.0f;
    return x;
}
} // namespace

TEST(Equaliser, UnityGainsDelayTheInputByThreeFrames)
{
    const std::vector<float> x = testSignal(5000);
    for (const float rate : { 44100.0f, 88200.0f, 192000.0f })
    {
        SCOPED_TRACE(rate);
        Equaliser equaliser(rate);
        for (size_t n = 0; n < x.size(); ++n)
            ASSERT_NEAR(equaliser.process(x[n], {}), n >= 3 ? x[n - 3] : 0.0f, 1e-6f) << "frame " << n;
    }
}

TEST(Equaliser, EachBandStartsFromItsCascadeAtTheDocumentedCoefficients)
{
    // After one frame of an impulse each cascade holds about k^4.
    const double k600 = 0.0427395;
    const double k3100 = 0.2203891;
    struct Case
    {
        Equaliser::Gains gains;
        double expected;
    };
    const Case cases[] = {
        { { 1.0f, 0.0f, 0.0f }, std::pow(k600, 4) },
        { { 0.0f, 1.0f, 0.0f }, std::pow(k3100, 4) - std::pow(k600, 4) },
        { { 0.0f, 0.0f, 1.0f }, -std::pow(k3100, 4) },
        { { 2.0f, 0.5f, 0.0f }, 2.0 * std::pow(k600, 4) + 0.5 * (std::pow(k3100, 4) - std::pow(k600, 4)) },
    };
    for (const Case& c : cases)
    {
        Equaliser equaliser(88200.0f);
        const float first = equaliser.process(1.0f, c.gains);
        EXPECT_NEAR(first, c.expected, std::abs(c.expected) * 1e-4);
    }
}

TEST(Equaliser, CoefficientsUseTheWholeNumberPartOfTheRate)
{
    Equaliser whole(88200.0f);
    Equaliser fractional(88200.75f);
    const Equaliser::Gains gains { 0.3f, 1.7f, 0.6f };
    for (const float x : testSignal(2000))
        ASSERT_EQ(whole.process(x, gains), fractional.process(x, gains));

    Equaliser other(88201.0f);
    Equaliser reference(88200.0f);
    EXPECT_NE(other.process(1.0f, gains), reference.process(1.0f, gains));
}

TEST(Equaliser, SilenceSettlesOnATinyNormalValueInsteadOfDenormals)
{
    // The guard added to the first stage holds the low cascade at guard / k600.
    Equaliser equaliser(88200.0f);
    const Equaliser::Gains lowOnly { 1.0f, 0.0f, 0.0f };
    float out = equaliser.process(1.0f, lowOnly);
    for (int n = 0; n < 200000; ++n)
        out = equaliser.process(0.0f, lowOnly);
    EXPECT_TRUE(std::isnormal(out));
    EXPECT_NEAR(out, 0x1p-32 / 0.0427395, 1e-12);
}
