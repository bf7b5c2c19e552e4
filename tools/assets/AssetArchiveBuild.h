#pragma once

#include "assets/AssetArchiveWriter.h"

/**
    What the build puts into the asset archive: every picture of the artwork,
    drawn and encoded, and the three TrueType fonts, read from the folder of
    fetched typefaces.
*/
namespace AssetArchiveBuild
{
/** The archive names of the fonts and the fetched files they come from. */
struct FontEntry
{
    const char* name;
    const char* file;
};
inline constexpr FontEntry fonts[] = {
    { "fonts/Roboto-Bold.ttf", "Roboto-Bold.ttf" },
    { "fonts/overpass-regular.ttf", "overpass-regular.ttf" },
    { "fonts/overpass-mono-semibold.ttf", "overpass-mono-semibold.ttf" },
};

/** Fills the writer with the artwork and the fonts. */
juce::Result fill(AssetArchiveWriter& writer, const juce::File& typefaceFolder);
} // namespace AssetArchiveBuild
