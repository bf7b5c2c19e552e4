#pragma once

#include <juce_core/juce_core.h>

/**
    Where the editor finds its asset archive: the product's shared folder
    (ProductFolders::sharedFolder) / "appdata" / "Assets.qma". Every step must
    exist; otherwise the path is empty and the asset manager finds nothing.
*/
namespace AssetArchivePath
{
/** The archive below the given shared folder, or an empty string. */
juce::String inSharedFolder(const juce::File& sharedFolder);

/** The archive of the installed product, or an empty string. */
juce::String forProduct(const juce::String& productFolderName);
} // namespace AssetArchivePath
