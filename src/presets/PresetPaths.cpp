#include "presets/PresetPaths.h"

#include "presets/ProductFolders.h"

PresetPaths PresetPaths::locate(const juce::String& groupIdentifier, const juce::String& productFolderName)
{
    return { groupIdentifier,
             ProductFolders::userFolder(productFolderName),
             ProductFolders::sharedFolder(productFolderName),
             productFolderName };
}
