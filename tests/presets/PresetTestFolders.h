#pragma once

#include "presets/PresetLibrary.h"

#include <juce_core/juce_core.h>

#include <csignal>
#include <memory>
#include <sys/resource.h>

/**
    A shared folder and a user folder below the test HOME, removed afterwards,
    with helpers that put preset files into them.
*/
class PresetTestFolders
{
public:
    static constexpr int statePayloadSize = 48;
    static constexpr int rawPresetSize = 4919;

    PresetTestFolders()
        : root(juce::File::getSpecialLocation(juce::File::userHomeDirectory)
                   .getNonexistentChildFile("preset-folders", "", false))
    {
        sharedFolder().createDirectory();
        userFolder().createDirectory();
    }

    ~PresetTestFolders() { root.deleteRecursively(); }

    PresetTestFolders(const PresetTestFolders&) = delete;
    PresetTestFolders& operator=(const PresetTestFolders&) = delete;

    juce::File sharedFolder() const { return root.getChildFile("shared"); }
    juce::File userFolder() const { return root.getChildFile("user"); }
    juce::File factoryCategory(const juce::String& name) const
    {
        return sharedFolder().getChildFile("Factory Presets").getChildFile(name);
    }
    juce::File userRoot() const { return userFolder().getChildFile("User Presets"); }

    std::unique_ptr<PresetLibrary> makeLibrary() const
    {
        return std::make_unique<PresetLibrary>(PresetFormat("tessaropreset", rawPresetSize),
                                               PresetPaths { "group.test", userFolder(), sharedFolder(), "Tessaro" },
                                               "Factory Presets", "User Presets", "missing preset");
    }

    /** A state blob whose bytes all equal the marker, so payloads are told apart. */
    static juce::MemoryBlock statePayload(int marker)
    {
        juce::MemoryBlock payload(statePayloadSize);
        payload.fillWith(static_cast<juce::uint8>(marker));
        return payload;
    }

    /** Writes a valid preset file (header and payload) and returns it. */
    static juce::File writePreset(const juce::File& folder, const juce::String& fileName, int marker = 1)
    {
        return writeBytes(folder, fileName, PresetFormat("tessaropreset", rawPresetSize).wrap(statePayload(marker)));
    }

    static juce::File writeBytes(const juce::File& folder, const juce::String& fileName,
                                 const juce::MemoryBlock& bytes)
    {
        folder.createDirectory();
        const juce::File file = folder.getChildFile(fileName);
        file.replaceWithData(bytes.getData(), bytes.getSize());
        return file;
    }

    /** The marker of a preset file written by writePreset or a save; -1 when unreadable. */
    static int markerOf(const juce::File& file)
    {
        juce::MemoryBlock bytes;
        if (! file.loadFileAsData(bytes) || bytes.getSize() != PresetFormat::headerSize + statePayloadSize)
            return -1;
        return static_cast<juce::uint8>(bytes[PresetFormat::headerSize]);
    }

private:
    juce::File root;
};

/**
    Makes every write that would grow a file beyond the given size fail part way,
    like a full disk, until the object goes away.
*/
class ScopedFileSizeLimit
{
public:
    explicit ScopedFileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved);
        savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited { bytes, saved.rlim_max };
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }

    ~ScopedFileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, savedHandler);
    }

    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

private:
    rlimit saved {};
    void (*savedHandler)(int) = nullptr;
};
