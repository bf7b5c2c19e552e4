#include "presets/PresetFormat.h"

namespace
{
juce::uint32 wordAt(const juce::uint8* bytes, int offset)
{
    return juce::ByteOrder::littleEndianInt(bytes + offset);
}
} // namespace

PresetFormat::PresetFormat(juce::String extensionToUse, int rawSize)
    : extension(std::move(extensionToUse)), rawPresetSize(rawSize)
{
}

juce::MemoryBlock PresetFormat::wrap(const juce::MemoryBlock& payload) const
{
    juce::MemoryOutputStream out(payload.getSize() + headerSize);
    out.writeInt(static_cast<int>(manufacturerCode));
    out.writeInt(static_cast<int>(pluginCode));
    out.writeInt(static_cast<int>(formatWord));
    out.writeInt(static_cast<int>(payload.getSize()) + headerSize);
    out.write(payload.getData(), payload.getSize());
    return out.getMemoryBlock();
}

std::optional<juce::MemoryBlock> PresetFormat::unwrap(const void* data, size_t length) const
{
    if (data == nullptr || length <= 3)
        return std::nullopt;

    const auto* bytes = static_cast<const juce::uint8*>(data);
    // The first word is read only once four bytes are known to be there.
    if (wordAt(bytes, 0) == manufacturerCode)
    {
        if (length <= static_cast<size_t>(headerSize) || wordAt(bytes, 4) != pluginCode
            || wordAt(bytes, 12) != length)
            return std::nullopt;
        return juce::MemoryBlock(bytes + headerSize, length - headerSize);
    }

    if (rawPresetSize != -1 && static_cast<size_t>(rawPresetSize) != length)
        return std::nullopt;
    return juce::MemoryBlock(bytes, length);
}
