#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <gtest/gtest.h>

/** A fresh folder in the temporary directory, removed with its contents. */
class ScratchFolder
{
public:
    ScratchFolder()
        : folder(juce::File::getSpecialLocation(juce::File::tempDirectory)
                     .getNonexistentChildFile("tessaro-render-test", ""))
    {
        folder.createDirectory();
    }
    ~ScratchFolder() { folder.deleteRecursively(); }

    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    juce::File file(const char* name) const { return folder.getChildFile(name); }

    /** Every entry, hidden ones included (the iterator skips them only when asked), sorted by name. */
    juce::StringArray entryNames() const
    {
        juce::StringArray names;
        for (const auto& entry : juce::RangedDirectoryIterator(folder, false, "*", juce::File::findFilesAndDirectories))
            names.add(entry.getFile().getFileName());
        names.sort(false);
        return names;
    }

    const juce::File folder;
};

/** A message placed at a tick position, for building sequences. */
inline juce::MidiMessage atTick(juce::MidiMessage message, double tick)
{
    message.setTimeStamp(tick);
    return message;
}

inline juce::MidiMessageSequence sequenceOf(std::initializer_list<juce::MidiMessage> messages)
{
    juce::MidiMessageSequence sequence;
    for (const auto& message : messages)
        sequence.addEvent(message);
    return sequence;
}

inline void writeMidiFile(const juce::File& file, const juce::MidiFile& midi, int type)
{
    file.deleteFile();
    juce::FileOutputStream stream(file);
    ASSERT_TRUE(stream.openedOk());
    ASSERT_TRUE(midi.writeTo(stream, type));
}
