#include "render/MidiSchedule.h"

#include "render/RenderError.h"

#include <algorithm>
#include <cmath>

juce::MidiFile MidiSchedule::readFile(const juce::File& file)
{
    const std::string cannotRead = "cannot read MIDI file " + quoted(file) + ": ";
    if (file.isDirectory())
        throw RenderError(cannotRead + "it is a folder");
    if (! file.existsAsFile())
        throw RenderError(cannotRead + "no such file");

    juce::FileInputStream stream(file);
    if (stream.failedToOpen())
        throw RenderError(cannotRead + stream.getStatus().getErrorMessage().toStdString());

    juce::MidiFile midi;
    int type = -1;
    // The processor gets the events as the file has them: no note-offs are invented.
    // A time division of 0 leaves the time stamps in ticks, so it counts as damage.
    if (! midi.readFrom(stream, false, &type) || midi.getTimeFormat() == 0)
        throw RenderError(quoted(file) + " is not a valid Standard MIDI File");
    if (type == 2)
        throw RenderError(quoted(file) + " is a type 2 MIDI file; only types 0 and 1 can be rendered");
    return midi;
}

MidiSchedule::MidiSchedule(juce::MidiFile file, double sampleRate)
{
    file.convertTimestampTicksToSeconds();
    for (int track = 0; track < file.getNumTracks(); ++track)
        for (const auto* holder : *file.getTrack(track))
            if (! holder->message.isMetaEvent())
                events.push_back({ std::llround(holder->message.getTimeStamp() * sampleRate), holder->message });

    // A note-off and a new note-on of the same key at one instant must end the old
    // note, not the new one, whichever tracks they come from.
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        if (a.sample != b.sample)
            return a.sample < b.sample;
        return a.message.isNoteOff() && ! b.message.isNoteOff();
    });
}

std::int64_t MidiSchedule::getEndSample() const
{
    return events.empty() ? 0 : events.back().sample + 1;
}

void MidiSchedule::fillBlock(std::int64_t start, int numSamples, juce::MidiBuffer& block) const
{
    const auto first = std::lower_bound(events.begin(), events.end(), start,
                                        [](const Event& event, std::int64_t sample) { return event.sample < sample; });
    for (auto event = first; event != events.end() && event->sample < start + numSamples; ++event)
        block.addEvent(event->message, static_cast<int>(event->sample - start));
}
