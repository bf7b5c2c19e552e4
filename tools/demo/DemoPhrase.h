#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

/**
    The demo phrase: five bars in A minor at a slowing tempo, as a type 1 file of
    three tracks (tempo map, chords, melody). The melody track carries a mod-wheel
    swell and a pitch bend on the last note, so one listen shows the instrument's
    pads, its lead and its performance controls.
*/
juce::MidiFile makeDemoPhrase();

/** Writes the phrase as a type 1 Standard MIDI File; false when the file cannot be written. */
bool writeDemoPhrase(const juce::File& file);
