#include "presets/ProductFolders.h"

namespace ProductFolders
{
juce::Array<juce::File> sharedFolderCandidates(const juce::File& binary, const juce::String& productFolderName)
{
    juce::Array<juce::File> candidates;
    const juce::File binaryFolder = binary.getParentDirectory();
    const juce::File contents = binaryFolder.getParentDirectory();

    if (contents.getFileName() == "Contents" && contents.getParentDirectory().hasFileExtension("vst3"))
        candidates.add(contents.getChildFile("Resources"));
    if (binaryFolder.hasFileExtension("lv2"))
        candidates.add(binaryFolder);
    if (binaryFolder.getFileName() == "bin")
        candidates.add(contents.getChildFile("share").getChildFile(makerFolderName).getChildFile(productFolderName));

    for (const char* prefix : { "/usr/local/share", "/usr/share" })
        candidates.add(juce::File(prefix).getChildFile(makerFolderName).getChildFile(productFolderName));
    return candidates;
}

juce::File sharedFolder(const juce::String& productFolderName)
{
    // For a plug-in this is the shared object itself, not the host's executable.
    const juce::File binary = juce::File::getSpecialLocation(juce::File::currentExecutableFile);
    const auto candidates = sharedFolderCandidates(binary, productFolderName);
    for (const auto& candidate : candidates)
        if (candidate.isDirectory())
            return candidate;
    return candidates.getLast();
}

juce::File userFolder(const juce::String& productFolderName)
{
    const juce::File maker =
        juce::File::getSpecialLocation(juce::File::userApplicationDataDirectory).getChildFile(makerFolderName);
    const juce::File product = maker.getChildFile(productFolderName);
    product.createDirectory();
    return product;
}
} // namespace ProductFolders
