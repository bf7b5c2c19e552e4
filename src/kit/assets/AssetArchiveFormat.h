#pragma once

#include <juce_core/juce_core.h>

/**
    Layout of the asset archive ("Assets.qma"), shared by the reader and the
    build's archive writer.

    All integers are little-endian. The index is the header (magic, entry count,
    24 reserved bytes), then a table of 64-byte NUL-terminated names, then a
    table of signed 32-bit absolute data offsets, then a table of signed 32-bit
    data sizes: 32 + 72·N bytes in all. Entry data follows the index, each entry
    the asset file byte for byte.
*/
namespace AssetArchiveFormat
{
/** The bytes "ramq" read as a little-endian 32-bit integer. */
inline constexpr juce::uint32 magic = 0x716D6172;

inline constexpr int headerSize = 32;
inline constexpr int nameFieldSize = 64;
/** One byte of every name field is kept for the terminating NUL. */
inline constexpr int maxNameLength = nameFieldSize - 1;
inline constexpr int bytesPerEntry = nameFieldSize + 4 + 4;

constexpr juce::int64 indexSize(juce::uint32 entryCount)
{
    return headerSize + (juce::int64) bytesPerEntry * entryCount;
}

constexpr juce::int64 nameFieldPosition(juce::uint32 entry)
{
    return headerSize + (juce::int64) nameFieldSize * entry;
}

constexpr juce::int64 offsetFieldPosition(juce::uint32 entryCount, juce::uint32 entry)
{
    return headerSize + (juce::int64) nameFieldSize * entryCount + 4 * (juce::int64) entry;
}

constexpr juce::int64 sizeFieldPosition(juce::uint32 entryCount, juce::uint32 entry)
{
    return headerSize + (juce::int64) (nameFieldSize + 4) * entryCount + 4 * (juce::int64) entry;
}
} // namespace AssetArchiveFormat
