#include "engine/InstrumentChannel.h"
#include "engine/InstrumentVoice.h"
#include "processor/TessaroAudioProcessor.h"

#include <benchmark/benchmark.h>
#include <juce_events/juce_events.h>

#include <ctime>
#include <vector>

namespace
{
constexpr double hostRate = 48000.0;
constexpr int blockSize = 256;
constexpr int lowestNote = 36;

double threadCpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// Held notes a whole tone apart, so 32 of them stay inside the keyboard.
int heldNote(int index)
{
    return lowestNote + 2 * index;
}

/** A prepared processor that holds notes, as a host has it in the middle of a song. */
class HeldNotesProcessor
{
public:
    explicit HeldNotesProcessor(int numNotes)
    {
        processor.setRateAndBufferSizeDetails(hostRate, blockSize);
        processor.prepareToPlay(hostRate, blockSize);
        juce::MidiBuffer notes;
        for (int i = 0; i < numNotes; ++i)
            notes.addEvent(juce::MidiMessage::noteOn(1, heldNote(i), juce::uint8 { 100 }), 0);
        processBlock(notes);
    }

    void processBlock(juce::MidiBuffer& midi) { processor.processBlock(buffer, midi); }

private:
    // The processor owns components with timers, which need JUCE's GUI subsystem.
    const juce::ScopedJuceInitialiser_GUI juceSubsystem;
    TessaroAudioProcessor processor;
    juce::AudioBuffer<float> buffer { 2, blockSize };
};

/** The whole host path: parameter pushes, the engine at twice the rate, decimation, meters. */
void processBlockWithHeldVoices(benchmark::State& state)
{
    HeldNotesProcessor rig(static_cast<int>(state.range(0)));
    juce::MidiBuffer noMidi;
    const double cpuStart = threadCpuSeconds();
    for (auto _ : state)
        rig.processBlock(noMidi);
    const double cpuSeconds = threadCpuSeconds() - cpuStart;

    const double hostSeconds = static_cast<double>(state.iterations()) * blockSize / hostRate;
    state.counters["cpu_ms_per_host_s"] = 1000.0 * cpuSeconds / hostSeconds;
    state.counters["core_percent"] = 100.0 * cpuSeconds / hostSeconds;
}
BENCHMARK(processBlockWithHeldVoices)->ArgName("voices")->Arg(1)->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);

/** Voice rendering alone: the engine starts the voices, then only their frames are rendered. */
void voiceFrame(benchmark::State& state)
{
    const int numVoices = static_cast<int>(state.range(0));
    InstrumentChannel engine({}, [] { return std::make_unique<InstrumentVoice>(); });
    engine.setSampleRate(static_cast<float>(2.0 * hostRate));
    for (int i = 0; i < numVoices; ++i)
        engine.noteOn(1, heldNote(i), 0, true, 0.8f);
    engine.beginBlock(0, 1);
    float firstFrame[2] = {};
    engine.renderFrame(0, firstFrame);

    std::vector<SynthBase::Voice*> voices;
    for (int i = 0; i < numVoices; ++i)
        voices.push_back(engine.getVoiceForNote(heldNote(i)));

    // One host block's worth of engine frames per iteration, voice after voice per frame as the engine does.
    constexpr int framesPerIteration = 2 * blockSize;
    const double cpuStart = threadCpuSeconds();
    for (auto _ : state)
        for (int frame = 0; frame < framesPerIteration; ++frame)
            for (SynthBase::Voice* voice : voices)
            {
                float out[2] = {};
                voice->renderFrame(2, out);
                benchmark::DoNotOptimize(out);
            }

    const double cpuSeconds = threadCpuSeconds() - cpuStart;

    const double voiceFrames = static_cast<double>(state.iterations()) * framesPerIteration * numVoices;
    state.counters["ns_per_voice_frame"] = 1e9 * cpuSeconds / voiceFrames;
}
BENCHMARK(voiceFrame)->ArgName("voices")->Arg(1)->Arg(32)->Unit(benchmark::kMicrosecond);
} // namespace
