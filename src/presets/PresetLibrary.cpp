#include "presets/PresetLibrary.h"

#include "presets/SafeFileWrite.h"

#include <algorithm>
#include <iostream>

namespace
{
/** One level, links followed, ordered by full path with upper-case folding (exact order breaks ties). */
juce::Array<juce::File> listSorted(const juce::File& directory, int whatToLookFor, const juce::String& wildcard)
{
    auto found = directory.findChildFiles(whatToLookFor, false, wildcard, juce::File::FollowSymlinks::yes);
    std::sort(found.begin(), found.end(), [](const juce::File& a, const juce::File& b) {
        const juce::String& pathA = a.getFullPathName();
        const juce::String& pathB = b.getFullPathName();
        const int folded = pathA.compareIgnoreCase(pathB);
        return folded != 0 ? folded < 0 : pathA.compare(pathB) < 0;
    });
    return found;
}

bool isControlCharacter(juce::juce_wchar c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f);
}
} // namespace

PresetLibrary::PresetLibrary(PresetFormat formatToUse, PresetPaths pathsToUse, juce::String factoryName,
                             juce::String userName, juce::String missingName)
    : format(std::move(formatToUse)),
      paths(std::move(pathsToUse)),
      factoryFolderName(std::move(factoryName)),
      userFolderName(std::move(userName)),
      missingPresetName(std::move(missingName))
{
    rescanAll();
}

const PresetFolder* PresetLibrary::findFolder(int folderIndex) const
{
    if (folderIndex < 0 || folderIndex >= static_cast<int>(folders.size()))
        return nullptr;
    return &folders[static_cast<size_t>(folderIndex)];
}

const PresetEntry* PresetLibrary::findEntry(int folderIndex, int entryIndex) const
{
    const PresetFolder* folder = findFolder(folderIndex);
    if (folder == nullptr || entryIndex < 0 || entryIndex >= static_cast<int>(folder->entries.size()))
        return nullptr;
    return &folder->entries[static_cast<size_t>(entryIndex)];
}

const PresetEntry* PresetLibrary::findEntry(const juce::String& folderDisplayName,
                                            const juce::String& presetName) const
{
    for (const auto& folder : folders)
        if (folder.displayName == folderDisplayName)
            for (const auto& entry : folder.entries)
                if (entry.name == presetName)
                    return &entry;
    return nullptr;
}

juce::File PresetLibrary::getFactoryRoot() const
{
    return paths.sharedFolder.getChildFile(factoryFolderName);
}

juce::File PresetLibrary::getUserRoot() const
{
    return paths.userFolder.getChildFile(userFolderName);
}

juce::File PresetLibrary::getDirectory(const PresetFolder& folder) const
{
    return folder.isUser ? paths.userFolder.getChildFile(folder.path) : getFactoryRoot().getChildFile(folder.path);
}

int PresetLibrary::entryCount(int folderIndex) const
{
    const PresetFolder* folder = findFolder(folderIndex);
    return folder != nullptr ? static_cast<int>(folder->entries.size()) : 0;
}

void PresetLibrary::rescanAll()
{
    folders.clear();
    current = {};
    current.name = missingPresetName;

    // Loose files in the factory root are not listed: factory presets live in categories.
    for (const auto& directory : listSorted(getFactoryRoot(), juce::File::findDirectories, "*"))
        addFolder(false, displayNameFor(directory.getFileName(), false), directory.getFileName(), false);

    for (const auto& directory : listSorted(getUserRoot(), juce::File::findDirectories, "*"))
        addFolder(true, displayNameFor(directory.getFileName(), false),
                  userFolderName + "/" + directory.getFileName(), true);

    addFolder(true, userFolderName, userFolderName, false);
}

void PresetLibrary::addFolder(bool isUser, const juce::String& displayName, const juce::String& path,
                              bool nameFromPrefix)
{
    const int index = static_cast<int>(folders.size());
    folders.push_back({ isUser, displayName, path, index, {} });
    rescanFolder(index, nameFromPrefix);
}

bool PresetLibrary::rescanFolder(int folderIndex, bool nameFromPrefix)
{
    if (findFolder(folderIndex) == nullptr)
        return false;

    PresetFolder& folder = folders[static_cast<size_t>(folderIndex)];
    const juce::File directory = getDirectory(folder);
    if (! directory.exists())
        return false;

    folder.entries.clear();
    const bool keepWhole = ! nameFromPrefix && folder.isUser;
    for (const auto& file : listSorted(directory, juce::File::findFiles, format.getWildcard()))
    {
        if (! isValidPresetFile(file.getFullPathName()))
            continue;

        PresetEntry entry { true,
                            displayNameFor(file.getFileName(), keepWhole),
                            static_cast<int>(folder.entries.size()),
                            folderIndex,
                            folder.isUser,
                            file.getFullPathName() };
        if (current.valid && current.folderIndex == folderIndex && current.name == entry.name)
            current = entry;
        folder.entries.push_back(std::move(entry));
    }
    return true;
}

bool PresetLibrary::isValidPresetFile(const juce::String& path) const
{
    const auto bytes = readPresetFile(path);
    return bytes.has_value() && unwrapPresetData(bytes->getData(), bytes->getSize()).has_value();
}

std::optional<juce::MemoryBlock> PresetLibrary::unwrapPresetData(const void* bytes, size_t length) const
{
    return format.unwrap(bytes, length);
}

std::optional<juce::MemoryBlock> PresetLibrary::readPresetFile(const juce::String& path)
{
    if (! juce::File::isAbsolutePath(path))
        return std::nullopt;

    juce::MemoryBlock bytes;
    if (! juce::File(path).loadFileAsData(bytes))
        return std::nullopt;
    return bytes;
}

juce::String PresetLibrary::displayNameFor(const juce::String& fileName, bool keepWhole)
{
    juce::String name = fileName;
    if (! keepWhole)
    {
        const int underscore = fileName.indexOfChar('_');
        if (underscore < 0)
            return "Unknown name";
        name = fileName.substring(underscore + 1);
    }

    const int lastDot = name.lastIndexOfChar('.');
    if (lastDot < 0)
        return name;
    return name.substring(0, lastDot).removeCharacters(".");
}

bool PresetLibrary::isValidPresetName(const juce::String& name)
{
    if (name.isEmpty() || name.startsWithChar('.') || name.contains("..") || name.containsAnyOf("/\\"))
        return false;

    for (auto p = name.getCharPointer(); ! p.isEmpty();)
        if (isControlCharacter(p.getAndAdvance()))
            return false;
    return true;
}

void PresetLibrary::setCurrent(int folderIndex, int entryIndex)
{
    if (findFolder(folderIndex) == nullptr)
        return;

    if (entryIndex < 0)
        current = {};
    else if (const PresetEntry* entry = findEntry(folderIndex, entryIndex))
        current = *entry;
}

void PresetLibrary::invalidateCurrent()
{
    current.valid = false;
}

void PresetLibrary::invalidateCurrent(const juce::String& newName)
{
    current.valid = false;
    current.name = newName;
}

bool PresetLibrary::hasNext() const
{
    if (! current.valid)
        return false;

    const int last = static_cast<int>(folders.size()) - 1;
    const int f = current.folderIndex;
    const int e = current.entryIndex;
    if (f >= last)
        return e < entryCount(last) - 1;
    if (f == last - 1 && e >= entryCount(f) - 1)
        return entryCount(last) > 0;
    return true;
}

bool PresetLibrary::hasPrevious() const
{
    return current.valid && ! (current.folderIndex <= 0 && current.entryIndex <= 0);
}

PresetPosition PresetLibrary::nextPosition() const
{
    const int f = current.folderIndex;
    const int e = current.entryIndex;
    if (e + 1 == entryCount(f))
        return { f + 1, 0 };
    return { f, e + 1 };
}

PresetPosition PresetLibrary::previousPosition() const
{
    const int f = current.folderIndex;
    const int e = current.entryIndex;
    if (e >= 1)
        return { f, e - 1 };
    if (f >= 1)
        return { f - 1, entryCount(f - 1) - 1 }; // -1 when that folder is empty
    return { f, e };
}

bool PresetLibrary::prepareUserRoot() const
{
    juce::File level = paths.userFolder;
    for (const auto& part : juce::StringArray::fromTokens(userFolderName, "/", ""))
    {
        level = level.getChildFile(part);
        if (level.existsAsFile())
        {
            std::cout << "Invalid path (pathname is file)" << std::endl;
            return false;
        }
        if (! level.isDirectory() && ! level.createDirectory())
            return false;
    }
    return true;
}

bool PresetLibrary::savePreset(const juce::MemoryBlock& data, const juce::String& name, int folderIndex)
{
    const PresetFolder* folder = findFolder(folderIndex);
    if (folder == nullptr || ! folder->isUser || ! isValidPresetName(name) || ! prepareUserRoot())
        return false;

    const juce::File target = getUserRoot().getChildFile(name + "." + format.getExtension());
    if (! replaceFileWithData(target, format.wrap(data)))
        return false;

    rescanFolder(folderIndex, false);

    // On a case-sensitive file system "lead" and "Lead" are two files: the one
    // just written wins over a case variant.
    const auto& entries = folder->entries;
    auto saved = std::find_if(entries.begin(), entries.end(), [&](const PresetEntry& e) { return e.name == name; });
    if (saved == entries.end())
        saved = std::find_if(entries.begin(), entries.end(),
                             [&](const PresetEntry& e) { return e.name.equalsIgnoreCase(name); });
    if (saved != entries.end())
        current = *saved;
    return true;
}
