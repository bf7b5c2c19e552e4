#include "processor/TessaroAudioProcessor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

// Meant for ThreadSanitizer as much as for the assertions: a host's message thread
// automates, loads state and plays notes while its audio thread renders.
TEST(ProcessorConcurrency, MessageThreadWritesWhileTheAudioThreadRenders)
{
    TessaroAudioProcessor processor;
    processor.setRateAndBufferSizeDetails(44100.0, 128);
    processor.prepareToPlay(44100.0, 128);
    processor.resetScopeCapture(69);
    juce::MemoryBlock state;
    processor.getStateInformation(state);

    std::atomic<bool> stop { false };
    std::thread audio([&] {
        juce::AudioBuffer<float> buffer(2, 128);
        juce::MidiBuffer midi;
        while (! stop)
        {
            midi.clear();
            midi.addEvent(juce::MidiMessage::noteOn(1, 48, 0.7f), 3);
            midi.addEvent(juce::MidiMessage::noteOff(1, 48), 90);
            const juce::ScopedLock lock(processor.getCallbackLock()); // as the plug-in wrapper does
            processor.processBlock(buffer, midi);
            for (int i = 0; i < buffer.getNumSamples(); ++i)
                ASSERT_TRUE(std::isfinite(buffer.getSample(0, i)));
        }
    });

    for (int round = 0; round < 200; ++round)
    {
        for (int i = 0; i < HostParameter::count; ++i)
            processor.getParameters()[i]->setValueNotifyingHost(static_cast<float>((round + i) % 10) / 10.0f);
        processor.noteOn(60 + round % 12, 0.8f);
        processor.setStateInformation(state.getData(), static_cast<int>(state.getSize()));
        processor.noteOff(60 + round % 12, 0.0f);
        processor.takePeak(0);
        processor.takePeak(1);
        if (const auto* scope = processor.getCompletedScopeBuffer())
            EXPECT_TRUE(std::isfinite(scope[0].load()));
    }
    stop = true;
    audio.join();
}
