#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <cstdint>
#include <vector>

/**
    The events a host would send while playing a MIDI file, each at its sample
    position for one sample rate: every track merged into one timeline with the
    file's tempo map applied. Meta events (tempo, names, end of track) only shape
    the timeline; a host never sends them to an instrument.
*/
class MidiSchedule
{
public:
    /** Reads a type 0 or type 1 Standard MIDI File; throws RenderError when it cannot. */
    static juce::MidiFile readFile(const juce::File& file);

    /** Places the events of a file whose time stamps are still in ticks, as readFile leaves them. */
    MidiSchedule(juce::MidiFile file, double sampleRate);

    bool isEmpty() const { return events.empty(); }
    /** The first sample after the last event (0 when there is none). */
    std::int64_t getEndSample() const;
    /** Adds the events in [start, start + numSamples) to block, each at its offset from start. */
    void fillBlock(std::int64_t start, int numSamples, juce::MidiBuffer& block) const;

private:
    struct Event
    {
        std::int64_t sample;
        juce::MidiMessage message;
    };

    std::vector<Event> events; ///< by sample; at one sample the note-offs first, then file order
};
