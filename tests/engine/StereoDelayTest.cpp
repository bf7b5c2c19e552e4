#include "SettledDelayGain.h"

#include "engine/StereoDelay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace
{
constexpr float rate = 88200.0f;
// Length setting 0 gives the shortest delay: 200 frames, and 100 for the half tap.
constexpr int fullLength = 200;
constexpr int halfLength = 100;

StereoDelay::Settings wetOnly(float feedback, float width)
{
    return { .lengthNormalized = 0.0f, .feedback = feedback, .width = width, .highPass = 0.1f, .lowPass = 0.9f, .mix = 1.0f };
}

struct Recording
{
    std::vector<float> input;
    std::vector<StereoFrame> out;
};

Recording run(StereoDelay& delay, const StereoDelay::Settings& settings, int frames, const std::function<float(int)>& input)
{
    Recording r;
    for (int n = 0; n < frames; ++n)
    {
        r.input.push_back(input(n));
        r.out.push_back(delay.process(r.input.back(), settings));
    }
    return r;
}

// Silence long enough for every line to refill and finish its fade-in, then one impulse.
constexpr int impulseFrame = 2000;

/** The delay's answer to a lone impulse, and what its input filter made of it (f), to predict the taps from. */
struct ImpulseResponse
{
    std::vector<StereoFrame> out;
    std::vector<float> f;
};

ImpulseResponse impulseResponse(StereoDelay& delay, const StereoDelay::Settings& settings, int frames)
{
    DelayInputFilter filter(rate);
    ImpulseResponse response;
    for (int n = 0; n < frames; ++n)
    {
        const float x = n == impulseFrame ? 1.0f : 0.0f;
        response.out.push_back(delay.process(x, settings));
        response.f.push_back(filter.process(x, settings.highPass, settings.lowPass));
    }
    return response;
}
} // namespace

TEST(StereoDelay, EveryLineRefillsBeforeItSpeaks)
{
    // Width 1 puts the half tap alone on the left and the scaled full tap alone
    // on the right. At an engine rate of 768 kHz (a 384 kHz host) the longest
    // delay would outgrow the buffers, so it is cut to their capacity.
    struct Case
    {
        float rate;
        float lengthNormalized;
        int fullLength;
    };
    for (const Case c : { Case { rate, 0.0f, fullLength }, Case { 768000.0f, 1.0f, DelayLine::capacity } })
    {
        SCOPED_TRACE(c.rate);
        StereoDelay delay(c.rate);
        StereoDelay::Settings settings = wetOnly(0.5f, 1.0f);
        settings.lengthNormalized = c.lengthNormalized;
        const Recording r = run(delay, settings, c.fullLength + 1, [](int) { return 1.0f; });

        const int half = c.fullLength / 2;
        for (int n = 0; n < half; ++n)
            ASSERT_EQ(r.out[n].left, 0.0f) << "frame " << n;
        EXPECT_NE(r.out[half].left, 0.0f);

        for (int n = 0; n < c.fullLength; ++n)
            ASSERT_EQ(r.out[n].right, 0.0f) << "frame " << n;
        EXPECT_NE(r.out[c.fullLength].right, 0.0f);
    }
}

TEST(StereoDelay, ZeroFeedbackLeavesOnlyTheHalfTapOnTheLeft)
{
    const float gain = settledDelayGain();
    const StereoDelay::Settings settings = wetOnly(0.0f, 1.0f);
    StereoDelay delay(rate);
    const auto [out, f] = impulseResponse(delay, settings, impulseFrame + 1000);

    for (size_t n = impulseFrame - 500; n < out.size(); ++n)
    {
        ASSERT_EQ(out[n].right, 0.0f) << "frame " << n;
        ASSERT_EQ(out[n].left, gain * f[n - (halfLength - 1)]) << "frame " << n;
    }
}

TEST(StereoDelay, FullWidthSeparatesTheTapsAndTheFeedbackLineFeedsBoth)
{
    const float gain = settledDelayGain();
    const float fb = 0.5f;
    const StereoDelay::Settings settings = wetOnly(fb, 1.0f);
    StereoDelay delay(rate);
    const auto [out, f] = impulseResponse(delay, settings, impulseFrame + 3 * fullLength);

    // The feedback line repeats f * fb one full length (less one frame) later;
    // this holds until its own first repeat comes round, 2 * fullLength - 1
    // frames after the impulse.
    auto fed = [&](int m) { return m >= fullLength - 1 ? gain * (f[m - (fullLength - 1)] * fb) : 0.0f; };
    const int repeatArrives = impulseFrame + 2 * fullLength - 1;
    for (int n = impulseFrame - 100; n - (halfLength - 1) < repeatArrives; ++n)
    {
        const int m = n - (halfLength - 1);
        ASSERT_EQ(out[n].left, gain * (fed(m) + f[m])) << "frame " << n;
    }
    for (int n = impulseFrame - 100; n - (fullLength - 1) < repeatArrives; ++n)
    {
        const int m = n - (fullLength - 1);
        ASSERT_EQ(out[n].right, gain * (fed(m) + f[m]) * fb) << "frame " << n;
    }
}

TEST(StereoDelay, NewLengthMutesTheWetPathWhileTheDryPathRunsOn)
{
    auto sine = [](int n) { return std::sin(0.07f * static_cast<float>(n)); };
    StereoDelay::Settings settings = wetOnly(0.5f, 0.0f);
    settings.mix = 0.5f;
    settings.lengthNormalized = 0.001f; // 288 frames, 144 for the half tap
    StereoDelay delay(rate);
    run(delay, settings, 3000, sine);

    settings.lengthNormalized = 0.0f;
    const Recording r = run(delay, settings, 2000, [&](int n) { return sine(3000 + n); });
    auto wet = [&](int n) { return r.out[n].left - 0.5f * r.input[n]; };

    // Width 0 puts both taps on the left and the left plus the full tap on the right.
    for (int n = 0; n < halfLength; ++n)
    {
        ASSERT_EQ(r.out[n].left, 0.5f * r.input[n]) << "frame " << n;
        ASSERT_EQ(r.out[n].right, 0.5f * r.input[n]) << "frame " << n;
    }
    for (int n = halfLength; n < fullLength; ++n)
        ASSERT_EQ(r.out[n].right - r.out[n].left, 0.0f) << "frame " << n;
    EXPECT_NE(r.out[halfLength].left, 0.5f * r.input[halfLength]);
    EXPECT_NE(r.out[fullLength].right, r.out[fullLength].left);

    // The wet path comes back quietly and reaches full level after the fade.
    float start = 0.0f;
    float settled = 0.0f;
    for (int n = halfLength; n < halfLength + 20; ++n)
        start = std::max(start, std::abs(wet(n)));
    for (int n = 1500; n < 2000; ++n)
        settled = std::max(settled, std::abs(wet(n)));
    EXPECT_GT(settled, 0.1f);
    EXPECT_LT(start, 0.01f * settled);
}

TEST(StereoDelay, LinesKeepTheirContentAcrossARateChange)
{
    // At the shortest setting the length is 200 frames at any rate, so a rate
    // change starts no refill and what the lines hold still comes out.
    const float gain = settledDelayGain();
    const StereoDelay::Settings settings = wetOnly(0.0f, 1.0f);
    StereoDelay delay(rate);
    const std::vector<float> f = impulseResponse(delay, settings, impulseFrame + 50).f;

    delay.setSampleRate(96000.0f);
    for (int n = impulseFrame + 50; n < impulseFrame + 50 + halfLength - 1; ++n)
        ASSERT_EQ(delay.process(0.0f, settings).left, gain * f[n - (halfLength - 1)]) << "frame " << n;
}

TEST(DelayInputFilter, BlocksSteadyInputWithInvertedPolarity)
{
    // High-pass at 800 Hz; the float coefficients of much lower cutoffs let a
    // few per cent of a steady input through.
    DelayInputFilter filter(rate);
    std::vector<float> f;
    for (int n = 0; n < 88200; ++n)
        f.push_back(filter.process(1.0f, 0.2f, 1.0f));

    // The high-pass is low-pass minus input: a step first comes out negative.
    EXPECT_LT(f[0], 0.0f);
    EXPECT_LT(*std::min_element(f.begin(), f.begin() + 20), -0.5f);
    EXPECT_LT(std::abs(f.back()), 1e-4f);
}

TEST(DelayInputFilter, RateChangeRestartsTheHighPassButNotTheLowPass)
{
    DelayInputFilter running(rate);
    DelayInputFilter restarted(rate);
    for (int n = 0; n < 1000; ++n)
    {
        running.process(1.0f, 0.0f, 1.0f);
        restarted.process(1.0f, 0.0f, 1.0f);
    }
    restarted.setSampleRate(rate);
    DelayInputFilter fresh(rate);

    const float continued = running.process(1.0f, 0.0f, 1.0f);
    const float afterRestart = restarted.process(1.0f, 0.0f, 1.0f);
    const float fromScratch = fresh.process(1.0f, 0.0f, 1.0f);
    // A cleared high-pass sees the step anew and pulls the output down...
    EXPECT_LT(afterRestart, continued - 0.01f);
    // ...while the low-pass still carries what it had, unlike a fresh filter.
    EXPECT_NE(afterRestart, fromScratch);
}
