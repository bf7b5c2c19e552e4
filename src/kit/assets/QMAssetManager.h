#pragma once

#include <juce_graphics/juce_graphics.h>

#include <memory>
#include <optional>

/**
    Serves the editor's pictures and fonts from the asset archive.

    The index is read once, when the manager opens the archive; entry bytes are
    read on demand and cached by name until they are released. Pictures give
    their bytes back as soon as they are decoded; fonts keep theirs, because
    the editor's paint code asks for them again and again.

    Every failure is silent: a missing or unreadable archive, a wrong magic, a
    damaged index or entry and an unknown name all give null with a count of 0,
    a null image or JUCE's default font. The entry count, offsets and sizes are
    checked against the archive's length, so a damaged or hostile file can
    neither make the manager allocate more than the file holds nor read outside
    it; a bad index counts as no index, a bad entry as a missing one.

    Message thread only: the cache has no lock.
*/
class QMAssetManager
{
public:
    /** Opens the archive file at archivePath; an empty path gives a manager that finds nothing. */
    explicit QMAssetManager(const juce::String& archivePath);

    /** Reads the archive from an open stream, which must know its total length and be able to seek. */
    explicit QMAssetManager(std::unique_ptr<juce::InputStream> archive);

    /**
        The bytes of the named entry, read from the archive on the first request
        and cached; null with a count of 0 when the archive does not hold the
        name. The pointer stays valid until releaseAsset of that name or the
        manager's destruction.
    */
    const void* getAssetData(const char* name, int& count);

    /** Drops the cached bytes of that name, if any; the archive is not consulted. */
    void releaseAsset(const char* name);

    /** A font on the named TrueType entry, or a default font; the bytes stay cached. */
    juce::Font getFont(const char* name);

    /** The decoded picture, or a null image; the bytes are released in every case. */
    juce::Image getImage(const char* name);

private:
    struct EntryLocation
    {
        juce::int64 offset = 0;
        int size = 0;
    };

    void readIndex();
    std::optional<EntryLocation> findEntry(const char* name) const;
    std::optional<EntryLocation> locateEntry(juce::uint32 entry) const;

    juce::HashMap<juce::String, juce::MemoryBlock> cache;
    std::unique_ptr<juce::InputStream> stream;
    juce::MemoryBlock index; // empty when there is no usable index
    juce::uint32 entryCount = 0;
    juce::int64 archiveLength = 0;

    JUCE_DECLARE_NON_COPYABLE(QMAssetManager)
};
