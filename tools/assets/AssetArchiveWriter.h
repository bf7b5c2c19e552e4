#pragma once

#include <juce_core/juce_core.h>

#include <vector>

/**
    Writes an asset archive: the index first (magic, count, zeroed reserved
    bytes, zero-filled names, offsets, sizes), then each entry's bytes in the
    order they were added.
*/
class AssetArchiveWriter
{
public:
    /**
        Adds an entry. Fails, adding nothing, for an empty name, a name longer
        than 63 bytes in UTF-8, or a name already added (a reader would only
        ever find the first).
    */
    juce::Result add(const juce::String& name, juce::MemoryBlock data);

    /** Writes the archive; fails when it would be too large for its 32-bit signed offsets. */
    juce::Result writeTo(juce::OutputStream& output) const;

    /** Writes the archive to a file, replacing it only once the whole archive is written. */
    juce::Result writeTo(const juce::File& file) const;

private:
    struct Entry
    {
        juce::String name;
        juce::MemoryBlock data;
    };

    std::vector<Entry> entries;
};
