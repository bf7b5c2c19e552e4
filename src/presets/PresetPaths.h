#pragma once

#include <juce_core/juce_core.h>

/**
    The folders the preset library works in, fixed when the library is made.

    Factory presets live in sharedFolder / "Factory Presets" and are never
    written; user presets live in userFolder / "User Presets".
*/
struct PresetPaths
{
    juce::String groupIdentifier;
    juce::File userFolder;
    juce::File sharedFolder;
    juce::String productFolderName;

    /**
        The installed product's folders (see ProductFolders): the user folder
        with its maker and product levels created, and the shared folder of the
        bundle this binary was loaded from, which is never created.
    */
    static PresetPaths locate(const juce::String& groupIdentifier, const juce::String& productFolderName);
};
