#pragma once

#include <juce_core/juce_core.h>

#include <optional>

/**
    The on-disk form of a preset: the state blob behind a 16-byte header.

    Header words are little-endian. The two codes are stored as integers whose
    most significant byte is the code's first letter, so a file holds their
    letters last to first ("krmQ", "tzqV").

    A file is accepted when it is longer than 3 bytes and either carries the
    header with this plug-in's code and its own length in the length field (the
    payload follows the header), or does not start with the maker's code and has
    the raw preset size (the whole file is the payload; a raw size of -1 accepts
    any length).
*/
/** A four-letter code as an integer whose most significant byte is the first letter. */
constexpr juce::uint32 fourCharCode(const char (&code)[5])
{
    return (juce::uint32(juce::uint8(code[0])) << 24) | (juce::uint32(juce::uint8(code[1])) << 16)
           | (juce::uint32(juce::uint8(code[2])) << 8) | juce::uint32(juce::uint8(code[3]));
}

class PresetFormat
{
public:
    /** The codes the plug-in registers with its hosts. */
    static constexpr juce::uint32 manufacturerCode = fourCharCode("Qmrk");
    static constexpr juce::uint32 pluginCode = fourCharCode("Vqzt");
    /** Written into every header; readers do not look at it. */
    static constexpr juce::uint32 formatWord = 0x01000000;
    static constexpr int headerSize = 16;

    PresetFormat(juce::String extension, int rawPresetSize);

    /** The extension without its dot ("tessaropreset"). */
    const juce::String& getExtension() const { return extension; }
    /** "*." followed by the extension, for listings and file choosers. */
    juce::String getWildcard() const { return "*." + extension; }
    int getRawPresetSize() const { return rawPresetSize; }

    /** The payload with the header in front of it. */
    juce::MemoryBlock wrap(const juce::MemoryBlock& payload) const;

    /** The payload of a file's bytes, or nothing when the acceptance rule rejects them. */
    std::optional<juce::MemoryBlock> unwrap(const void* bytes, size_t length) const;

private:
    juce::String extension;
    int rawPresetSize;
};
