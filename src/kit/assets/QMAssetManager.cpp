#include "kit/assets/QMAssetManager.h"

#include "kit/assets/AssetArchiveFormat.h"

#include <cstring>
#include <limits>

namespace
{
juce::uint32 readUInt32(const void* bytes)
{
    return juce::ByteOrder::littleEndianInt(bytes);
}

std::unique_ptr<juce::InputStream> openArchiveFile(const juce::String& path)
{
    if (path.isEmpty())
        return {};

    const auto file = juce::File::getCurrentWorkingDirectory().getChildFile(path);
    if (! file.existsAsFile())
        return {};

    auto input = std::make_unique<juce::FileInputStream>(file);
    if (! input->openedOk())
        return {};
    return input;
}
} // namespace

QMAssetManager::QMAssetManager(const juce::String& archivePath)
    : QMAssetManager(openArchiveFile(archivePath))
{
}

QMAssetManager::QMAssetManager(std::unique_ptr<juce::InputStream> archive)
    : stream(std::move(archive))
{
    if (stream != nullptr)
        readIndex();
}

void QMAssetManager::readIndex()
{
    char header[8];
    if (stream->read(header, sizeof(header)) != (int) sizeof(header) || readUInt32(header) != AssetArchiveFormat::magic)
        return;

    const auto count = readUInt32(header + 4);
    const auto length = stream->getTotalLength();
    const auto size = AssetArchiveFormat::indexSize(count);

    // The count comes from the file: an index longer than the file is damage or a
    // lie, and must not turn into an allocation of gigabytes.
    if (size > length || size > std::numeric_limits<int>::max())
        return;

    juce::MemoryBlock block((size_t) size);
    if (! stream->setPosition(0) || stream->read(block.getData(), (int) size) != (int) size)
        return;

    index = std::move(block);
    entryCount = count;
    archiveLength = length;
}

std::optional<QMAssetManager::EntryLocation> QMAssetManager::locateEntry(juce::uint32 entry) const
{
    const auto* bytes = static_cast<const char*>(index.getData());
    const auto offset = (juce::int64) (juce::int32) readUInt32(bytes + AssetArchiveFormat::offsetFieldPosition(entryCount, entry));
    const auto size = (juce::int32) readUInt32(bytes + AssetArchiveFormat::sizeFieldPosition(entryCount, entry));

    if (offset < 0 || size < 0 || offset + size > archiveLength)
        return {};
    return EntryLocation { offset, size };
}

std::optional<QMAssetManager::EntryLocation> QMAssetManager::findEntry(const char* name) const
{
    if (index.isEmpty())
        return {};

    const auto nameLength = std::strlen(name);
    if (nameLength > (size_t) AssetArchiveFormat::maxNameLength)
        return {};

    const auto* bytes = static_cast<const char*>(index.getData());
    for (juce::uint32 entry = 0; entry < entryCount; ++entry)
    {
        // A field without a NUL (damage) has 64 bytes and so matches no name.
        const char* field = bytes + AssetArchiveFormat::nameFieldPosition(entry);
        if (::strnlen(field, AssetArchiveFormat::nameFieldSize) == nameLength && std::memcmp(field, name, nameLength) == 0)
            return locateEntry(entry); // the first of several equal names wins, even when it is damaged
    }
    return {};
}

const void* QMAssetManager::getAssetData(const char* name, int& count)
{
    count = 0;
    if (name == nullptr)
        return nullptr;

    const auto key = juce::String::fromUTF8(name);
    if (cache.contains(key))
    {
        const auto& cached = cache.getReference(key);
        count = (int) cached.getSize();
        return cached.getData();
    }

    const auto location = findEntry(name);
    if (! location)
        return nullptr;

    // A read that comes back short (the file shrank since it was opened) counts
    // as a missing entry; nothing half-read is cached.
    juce::MemoryBlock block((size_t) location->size);
    if (! stream->setPosition(location->offset) || stream->read(block.getData(), location->size) != location->size)
        return nullptr;

    auto& cached = cache.getReference(key);
    cached = std::move(block);
    count = (int) cached.getSize();
    return cached.getData();
}

void QMAssetManager::releaseAsset(const char* name)
{
    if (name != nullptr)
        cache.remove(juce::String::fromUTF8(name));
}

juce::Font QMAssetManager::getFont(const char* name)
{
    int size = 0;
    const void* data = getAssetData(name, size);
    if (data == nullptr)
        return {};

    const auto typeface = juce::Typeface::createSystemTypefaceFor(data, (size_t) size);
    if (typeface == nullptr)
        return {};
    return juce::Font(typeface);
}

juce::Image QMAssetManager::getImage(const char* name)
{
    int size = 0;
    const void* data = getAssetData(name, size);

    juce::Image image;
    // No picture fits in four bytes; such entries are placeholders, not pictures.
    if (data != nullptr && size > 4)
        image = juce::ImageFileFormat::loadFrom(data, (size_t) size);

    releaseAsset(name);
    return image;
}
