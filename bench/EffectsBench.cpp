#include "engine/ChannelEffects.h"
#include "engine/EngineParameters.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace
{
float defaultPlain(EngineParameter::Index index)
{
    const ParameterInfo& info = engineParameterTable[static_cast<size_t>(index)];
    return info.min + (info.max - info.min) * info.defaultNormalized;
}

EffectSettings defaultSettings()
{
    using namespace EngineParameter;
    return {
        .equaliser = { defaultPlain(EqLow), defaultPlain(EqMid), defaultPlain(EqHigh) },
        .delay = { .lengthNormalized = engineParameterTable[DelayLengthMultiplier].defaultNormalized,
                   .feedback = defaultPlain(DelayFeedback),
                   .width = defaultPlain(DelayWidth),
                   .highPass = defaultPlain(DelayHp),
                   .lowPass = defaultPlain(DelayLp),
                   .mix = defaultPlain(DelayMix) },
        .chorus = { .depth = defaultPlain(ChorusDepth), .rate = defaultPlain(ChorusFreq), .level = defaultPlain(ChorusLevel) },
        .swapChannels = false,
        .volume = defaultPlain(MainVolume),
    };
}

// One engine frame through the whole chain at the default sound's settings,
// after the delay lines have refilled, on a signal that keeps every stage busy.
void BM_ChannelEffectsFrame(benchmark::State& state)
{
    ChannelEffects effects(88200.0f);
    const EffectSettings settings = defaultSettings();
    std::vector<float> input(4096);
    for (size_t n = 0; n < input.size(); ++n)
        input[n] = 0.5f * std::sin(0.031f * static_cast<float>(n));

    float frame[2] {};
    for (int n = 0; n < 60000; ++n)
    {
        frame[0] = frame[1] = input[static_cast<size_t>(n) % input.size()];
        effects.process(frame, settings);
    }

    size_t n = 0;
    for (auto _ : state)
    {
        frame[0] = frame[1] = input[n++ % input.size()];
        effects.process(frame, settings);
        benchmark::DoNotOptimize(frame);
    }
    state.SetItemsProcessed(state.iterations());
}
} // namespace

BENCHMARK(BM_ChannelEffectsFrame);
