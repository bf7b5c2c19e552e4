#pragma once

#include <juce_core/juce_core.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

/**
    Asset archives built byte by byte for the reader's tests, with the layout
    written out independently of the reader's own constants; tests damage them
    afterwards with setField.
*/
namespace ArchiveFixture
{
struct Entry
{
    std::string name;
    std::string data;
};

/** Writes a little-endian 32-bit field. */
inline void setField(juce::MemoryBlock& archive, size_t position, juce::uint32 value)
{
    for (size_t i = 0; i < 4; ++i)
        archive[position + i] = (char) ((value >> (8 * i)) & 0xff);
}

inline size_t offsetField(size_t entryCount, size_t entry) { return 32 + 64 * entryCount + 4 * entry; }
inline size_t sizeField(size_t entryCount, size_t entry) { return 32 + 68 * entryCount + 4 * entry; }

/** A well-formed archive: "ramq", N, 24 zero bytes, names, offsets, sizes, then the data in order. */
inline juce::MemoryBlock build(const std::vector<Entry>& entries)
{
    const size_t count = entries.size();
    size_t indexSize = 32 + 72 * count;
    size_t total = indexSize;
    for (const auto& entry : entries)
        total += entry.data.size();

    juce::MemoryBlock archive(total, true);
    std::memcpy(archive.getData(), "ramq", 4);
    setField(archive, 4, (juce::uint32) count);

    size_t offset = indexSize;
    for (size_t i = 0; i < count; ++i)
    {
        const auto& entry = entries[i];
        std::memcpy(static_cast<char*>(archive.getData()) + 32 + 64 * i, entry.name.data(), std::min<size_t>(entry.name.size(), 63));
        setField(archive, offsetField(count, i), (juce::uint32) offset);
        setField(archive, sizeField(count, i), (juce::uint32) entry.data.size());
        std::memcpy(static_cast<char*>(archive.getData()) + offset, entry.data.data(), entry.data.size());
        offset += entry.data.size();
    }
    return archive;
}

/** A fresh folder in the temporary directory, removed with everything in it. */
struct TemporaryFolder
{
    TemporaryFolder() { folder.createDirectory(); }
    ~TemporaryFolder() { folder.deleteRecursively(); }

    const juce::File folder =
        juce::File::getSpecialLocation(juce::File::tempDirectory).getNonexistentChildFile("tessaro-assets-test", "");
};

inline std::string bytesOf(const void* data, int count)
{
    return data == nullptr ? std::string() : std::string(static_cast<const char*>(data), (size_t) count);
}
} // namespace ArchiveFixture
