#include "kit/assets/AssetArchivePath.h"

#include "presets/ProductFolders.h"

namespace AssetArchivePath
{
juce::String inSharedFolder(const juce::File& sharedFolder)
{
    if (! sharedFolder.isDirectory())
        return {};

    const auto appdata = sharedFolder.getChildFile("appdata");
    if (! appdata.isDirectory())
        return {};

    const auto archive = appdata.getChildFile("Assets.qma");
    if (! archive.existsAsFile())
        return {};
    return archive.getFullPathName();
}

juce::String forProduct(const juce::String& productFolderName)
{
    return inSharedFolder(ProductFolders::sharedFolder(productFolderName));
}
} // namespace AssetArchivePath
