#include "engine/InstrumentChannel.h"
#include "engine/InstrumentVoice.h"
#include "engine/NoteFrequencyTable.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace
{
constexpr double engineRate = 88200.0;

/**
    All 32 voices sounding the default sound, rendered directly so that the
    channel effects stay out of the figure. One iteration is one engine frame;
    "realtime" is how many times faster than an 88200 Hz engine that runs.
*/
void voicesRenderFrame(benchmark::State& state)
{
    InstrumentChannel channel({}, [] { return std::make_unique<InstrumentVoice>(); });
    for (int i = 0; i < InstrumentChannel::numVoices; ++i)
    {
        SynthBase::Voice* voice = channel.getVoice(i);
        voice->setParameter(SynthBase::Frequency, noteFrequencyTable[static_cast<size_t>(40 + i)]);
        voice->setParameter(SynthBase::Velocity, 0.8f);
        voice->start();
    }

    float out[2] = {};
    for (auto _ : state)
    {
        for (int i = 0; i < InstrumentChannel::numVoices; ++i)
        {
            channel.getVoice(i)->renderFrame(2, out);
            benchmark::DoNotOptimize(out);
        }
    }
    state.counters["realtime"] =
        benchmark::Counter(static_cast<double>(state.iterations()) / engineRate, benchmark::Counter::kIsRate);
}
} // namespace

BENCHMARK(voicesRenderFrame);
