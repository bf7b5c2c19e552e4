#pragma once

#include <juce_core/juce_core.h>

/**
    An archive in memory that counts the reads made on it, and can claim to be
    longer than it is (the file shrank after it was opened).
*/
class CountingStream : public juce::InputStream
{
public:
    CountingStream(const juce::MemoryBlock& bytes, int& readCounter, juce::int64 claimedLength = -1)
        : source(bytes, true), reads(readCounter), length(claimedLength < 0 ? (juce::int64) bytes.getSize() : claimedLength)
    {
    }

    juce::int64 getTotalLength() override { return length; }
    bool isExhausted() override { return source.isExhausted(); }
    juce::int64 getPosition() override { return source.getPosition(); }
    bool setPosition(juce::int64 position) override { return source.setPosition(position); }

    int read(void* destination, int bytes) override
    {
        ++reads;
        return source.read(destination, bytes);
    }

private:
    juce::MemoryInputStream source;
    int& reads;
    juce::int64 length;
};
