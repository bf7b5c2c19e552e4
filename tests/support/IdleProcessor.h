#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

/**
    Answers every question juce::AudioProcessor leaves open with nothing: no
    sound, no editor, one program, no state. Test processors derive from it and
    override only what they observe.
*/
template <typename Base = juce::AudioProcessor>
class IdleProcessor : public Base
{
public:
    using Base::Base;

    const juce::String getName() const override { return "Idle"; }
    void prepareToPlay(double, int) override {}
    void releaseResources() override {}
    void processBlock(juce::AudioBuffer<float>&, juce::MidiBuffer&) override {}
    double getTailLengthSeconds() const override { return 0.0; }
    bool acceptsMidi() const override { return true; }
    bool producesMidi() const override { return false; }
    juce::AudioProcessorEditor* createEditor() override { return nullptr; }
    bool hasEditor() const override { return false; }
    int getNumPrograms() override { return 1; }
    int getCurrentProgram() override { return 0; }
    void setCurrentProgram(int) override {}
    const juce::String getProgramName(int) override { return {}; }
    void changeProgramName(int, const juce::String&) override {}
    void getStateInformation(juce::MemoryBlock&) override {}
    void setStateInformation(const void*, int) override {}
};
