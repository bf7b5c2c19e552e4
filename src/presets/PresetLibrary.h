#pragma once

#include "presets/PresetFormat.h"
#include "presets/PresetPaths.h"

#include <juce_core/juce_core.h>

#include <optional>
#include <vector>

/** One listed preset file, or the current-preset record (valid false: no preset is current). */
struct PresetEntry
{
    bool valid = false;
    juce::String name;
    int entryIndex = 0;  ///< among the valid files of its folder
    int folderIndex = 0; ///< in the library's folder list
    bool isUser = false;
    juce::String path;   ///< full path of the file
};

/** A folder of the list: a factory category, a user category, or the user root. */
struct PresetFolder
{
    bool isUser = false;
    juce::String displayName;
    /** Factory: the sub-folder's name; user: "User Presets" or "User Presets/<name>". */
    juce::String path;
    int index = 0;
    std::vector<PresetEntry> entries;
};

/** A position in the folder list, as stepping computes it; entry -1 means "no entry". */
struct PresetPosition
{
    int folder = 0;
    int entry = 0;
};

/**
    The preset folders on disk, scanned into a list, and the current preset.

    The list is the factory categories (sub-folders of the shared "Factory
    Presets"), then the user categories (sub-folders of "User Presets"), then the
    user root "User Presets" itself, which is always last even when missing on
    disk. Factory folders are only ever read; saves go into the user root.

    Message thread only.
*/
class PresetLibrary
{
public:
    /** Scans the folders before returning. */
    PresetLibrary(PresetFormat format, PresetPaths paths, juce::String factoryFolderName,
                  juce::String userFolderName, juce::String missingPresetName);

    const PresetFormat& getFormat() const { return format; }
    const PresetPaths& getPaths() const { return paths; }
    const std::vector<PresetFolder>& getFolders() const { return folders; }
    const PresetEntry& getCurrent() const { return current; }
    /** The folder or entry at a position, or null when the position is outside the list. */
    const PresetFolder* findFolder(int folderIndex) const;
    const PresetEntry* findEntry(int folderIndex, int entryIndex) const;
    /** The first entry with exactly this name in a folder with exactly this display name. */
    const PresetEntry* findEntry(const juce::String& folderDisplayName, const juce::String& presetName) const;

    /** Rebuilds the folder list; afterwards no preset is current. */
    void rescanAll();

    /**
        Re-reads one folder's files; false (entries untouched) when its directory is
        missing. With nameFromPrefix, and in every factory folder, names lose their
        number prefix; in user folders otherwise the whole file name is kept. A
        current preset of this folder follows its name to the new entry.
    */
    bool rescanFolder(int folderIndex, bool nameFromPrefix);

    bool isValidPresetFile(const juce::String& path) const;
    std::optional<juce::MemoryBlock> unwrapPresetData(const void* bytes, size_t length) const;
    /** The whole file, or nothing for a missing path, a directory or a short read. */
    static std::optional<juce::MemoryBlock> readPresetFile(const juce::String& path);

    /**
        The name shown for a file or folder. Unless keepWhole, the text up to the
        first "_" (the number prefix) is dropped, and a name without "_" becomes
        "Unknown name". Then the last "." and what follows go, and any other dots
        are removed with it: "A.B.tessaropreset" shows as "AB".
    */
    static juce::String displayNameFor(const juce::String& fileName, bool keepWhole);

    /**
        Whether a typed name may become a preset file in the user root: not empty,
        no "/" or "\", no "..", no leading dot, no control characters.
    */
    static bool isValidPresetName(const juce::String& name);

    /**
        In range: that entry becomes current. A negative entry with the folder in
        range empties the current record. Anything else leaves it unchanged.
    */
    void setCurrent(int folderIndex, int entryIndex);
    /** The current record loses its validity (it stays shown by name). */
    void invalidateCurrent();
    void invalidateCurrent(const juce::String& newName);

    bool hasNext() const;
    bool hasPrevious() const;
    /** The positions after and before the current preset; only meaningful when hasNext/hasPrevious. */
    PresetPosition nextPosition() const;
    PresetPosition previousPosition() const;

    /**
        Writes the data as <name>.<extension> into the user root when folderIndex
        is a user folder, then rescans that folder and makes the saved preset
        current. The file is replaced only once the new one is fully written.
        Returns false, writing nothing, for a factory folder, an index out of
        range, an unsafe name, a user path blocked by a file (which prints
        "Invalid path (pathname is file)"), or a failed write.
    */
    bool savePreset(const juce::MemoryBlock& data, const juce::String& name, int folderIndex);

private:
    juce::File getFactoryRoot() const;
    juce::File getUserRoot() const;
    juce::File getDirectory(const PresetFolder& folder) const;
    bool prepareUserRoot() const;
    void addFolder(bool isUser, const juce::String& displayName, const juce::String& path, bool nameFromPrefix);
    int entryCount(int folderIndex) const;

    PresetFormat format;
    PresetEntry current;
    std::vector<PresetFolder> folders;
    PresetPaths paths;
    juce::String factoryFolderName;
    juce::String userFolderName;
    juce::String missingPresetName;
};
