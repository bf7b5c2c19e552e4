#pragma once

#include "assets/ArtworkStyle.h"

#include <functional>
#include <vector>

/** The archive's pictures: their names, pixel sizes and painters. */
namespace Artwork
{
struct Picture
{
    juce::String name;
    int width;  // pixels, twice the logical width
    int height; // pixels, twice the logical height
    std::function<void(juce::Graphics&, const ArtworkStyle::Typefaces&)> paint;
};

/** Every picture the editor requests from the archive. */
const std::vector<Picture>& pictures();

/** Draws the picture at its pixel size on a cleared, transparent image. */
juce::Image render(const Picture& picture, const ArtworkStyle::Typefaces& typefaces);

/** PNG bytes of the image; the same image always gives the same bytes. */
juce::MemoryBlock encodePng(const juce::Image& image);
} // namespace Artwork
