#include "demo/DemoPhrase.h"

#include <cmath>

namespace
{
constexpr int ticksPerQuarter = 960;
constexpr int midiChannel = 1;
// The centre of the 14-bit bend range, and a whole step up at the instrument's
// default bend range of four semitones.
constexpr int bendCentre = 8192;
constexpr int bendWholeStepUp = 12288;

double ticks(double beats)
{
    return std::round(beats * ticksPerQuarter);
}

juce::MidiMessage at(juce::MidiMessage message, double beats)
{
    message.setTimeStamp(ticks(beats));
    return message;
}

void addNote(juce::MidiMessageSequence& track, int key, double startBeat, double lengthBeats, int velocity)
{
    track.addEvent(at(juce::MidiMessage::noteOn(midiChannel, key, static_cast<juce::uint8>(velocity)), startBeat));
    track.addEvent(at(juce::MidiMessage::noteOff(midiChannel, key), startBeat + lengthBeats));
}

/** A straight line of controller or bend values from one beat to another. */
template <typename MakeMessage>
void addRamp(juce::MidiMessageSequence& track, double fromBeat, double toBeat, int fromValue, int toValue,
             int stepsPerBeat, MakeMessage makeMessage)
{
    const int steps = static_cast<int>(std::round((toBeat - fromBeat) * stepsPerBeat));
    for (int step = 0; step <= steps; ++step)
    {
        const double progress = static_cast<double>(step) / steps;
        const int value = static_cast<int>(std::round(fromValue + (toValue - fromValue) * progress));
        track.addEvent(at(makeMessage(value), fromBeat + (toBeat - fromBeat) * progress));
    }
}

juce::MidiMessageSequence tempoTrack()
{
    juce::MidiMessageSequence track;
    track.addEvent(at(juce::MidiMessage::timeSignatureMetaEvent(4, 4), 0.0));
    track.addEvent(at(juce::MidiMessage::tempoMetaEvent(static_cast<int>(60'000'000 / 92)), 0.0));
    // The last bar slows down.
    track.addEvent(at(juce::MidiMessage::tempoMetaEvent(static_cast<int>(60'000'000 / 80)), 16.0));
    track.addEvent(at(juce::MidiMessage::tempoMetaEvent(static_cast<int>(60'000'000 / 66)), 18.0));
    return track;
}

juce::MidiMessageSequence chordTrack()
{
    struct Chord
    {
        int keys[3];
        double beats;
    };
    // Am, F, C, G, Am
    constexpr Chord chords[] = {
        { { 57, 60, 64 }, 3.9 }, { { 53, 57, 60 }, 3.9 }, { { 55, 60, 64 }, 3.9 },
        { { 55, 59, 62 }, 3.9 }, { { 57, 60, 64 }, 4.0 },
    };

    juce::MidiMessageSequence track;
    double barStart = 0.0;
    for (const auto& chord : chords)
    {
        for (int key : chord.keys)
            addNote(track, key, barStart, chord.beats, 72);
        barStart += 4.0;
    }
    return track;
}

juce::MidiMessageSequence melodyTrack()
{
    struct Note
    {
        int key;
        double beat;
        double beats;
        int velocity;
    };
    constexpr Note melody[] = {
        { 76, 0.0, 1.5, 96 },  { 74, 1.5, 0.5, 84 },  { 72, 2.0, 1.0, 90 },  { 71, 3.0, 0.5, 80 },
        { 72, 3.5, 0.5, 84 },  { 69, 4.0, 2.0, 96 },  { 72, 6.0, 1.0, 88 },  { 77, 7.0, 1.0, 92 },
        { 76, 8.0, 1.5, 100 }, { 79, 9.5, 0.5, 90 },  { 76, 10.0, 1.0, 88 }, { 72, 11.0, 1.0, 84 },
        { 74, 12.0, 2.0, 96 }, { 71, 14.0, 1.0, 86 }, { 67, 15.0, 1.0, 80 }, { 76, 16.0, 4.0, 100 },
    };

    juce::MidiMessageSequence track;
    for (const auto& note : melody)
        addNote(track, note.key, note.beat, note.beats, note.velocity);

    const auto modWheel = [](int value) { return juce::MidiMessage::controllerEvent(midiChannel, 1, value); };
    addRamp(track, 8.0, 16.0, 0, 100, 4, modWheel);
    addRamp(track, 18.0, 20.0, 100, 0, 4, modWheel);

    // The last note bends up a whole step and comes back before it ends.
    const auto bend = [](int value) { return juce::MidiMessage::pitchWheel(midiChannel, value); };
    addRamp(track, 17.0, 17.5, bendCentre, bendWholeStepUp, 32, bend);
    addRamp(track, 18.5, 19.0, bendWholeStepUp, bendCentre, 32, bend);
    return track;
}
} // namespace

juce::MidiFile makeDemoPhrase()
{
    juce::MidiFile file;
    file.setTicksPerQuarterNote(ticksPerQuarter);
    file.addTrack(tempoTrack());
    file.addTrack(chordTrack());
    file.addTrack(melodyTrack());
    return file;
}

bool writeDemoPhrase(const juce::File& file)
{
    if (! file.getParentDirectory().createDirectory())
        return false;
    const juce::TemporaryFile temporary(file);
    {
        juce::FileOutputStream stream(temporary.getFile());
        if (stream.failedToOpen() || ! makeDemoPhrase().writeTo(stream, 1))
            return false;
        stream.flush();
        if (stream.getStatus().failed())
            return false;
    }
    return temporary.overwriteTargetFileWithTemporary();
}
