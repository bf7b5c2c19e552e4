#include "assets/AssetArchiveBuild.h"

#include "assets/Artwork.h"

namespace AssetArchiveBuild
{
juce::Result fill(AssetArchiveWriter& writer, const juce::File& typefaceFolder)
{
    ArtworkStyle::Typefaces typefaces;
    if (const auto loaded = ArtworkStyle::Typefaces::load(typefaceFolder, typefaces); loaded.failed())
        return loaded;

    for (const auto& picture : Artwork::pictures())
        if (const auto added = writer.add(picture.name, Artwork::encodePng(Artwork::render(picture, typefaces))); added.failed())
            return added;

    for (const auto& font : fonts)
    {
        juce::MemoryBlock data;
        const auto file = typefaceFolder.getChildFile(font.file);
        if (! file.loadFileAsData(data) || data.isEmpty())
            return juce::Result::fail("cannot read " + file.getFullPathName());
        if (const auto added = writer.add(font.name, std::move(data)); added.failed())
            return added;
    }
    return juce::Result::ok();
}
} // namespace AssetArchiveBuild
