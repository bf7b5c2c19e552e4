#include "assets/ArtworkStyle.h"

namespace ArtworkStyle
{
namespace
{
juce::Result loadTypeface(const juce::File& file, juce::Typeface::Ptr& typeface)
{
    juce::MemoryBlock data;
    if (! file.loadFileAsData(data) || data.isEmpty())
        return juce::Result::fail("cannot read " + file.getFullPathName());
    typeface = juce::Typeface::createSystemTypefaceFor(data.getData(), data.getSize());
    return juce::Result::ok();
}

/** Renders a blurred silhouette of the shape into an image at pixel resolution. */
juce::Image blurredSilhouette(const juce::Path& shape, float radius, juce::Point<float> offset, juce::Rectangle<int>& pixelArea)
{
    auto pixels = shape;
    pixels.applyTransform(juce::AffineTransform::scale(pixelsPerUnit));
    const auto blur = juce::roundToInt(radius * pixelsPerUnit);
    const auto shift = (offset * pixelsPerUnit).roundToInt();

    pixelArea = (pixels.getBounds().getSmallestIntegerContainer() + shift).expanded(blur + 2);
    juce::Image image(juce::Image::ARGB, pixelArea.getWidth(), pixelArea.getHeight(), true);
    juce::Graphics g(image);
    pixels.applyTransform(juce::AffineTransform::translation((float) -pixelArea.getX(), (float) -pixelArea.getY()));
    juce::DropShadow(juce::Colours::black, juce::jmax(1, blur), shift).drawForPath(g, pixels);
    return image;
}

/** Fills the image's alpha channel with the current colour, one image pixel per artwork pixel. */
void fillAlphaAtPixels(juce::Graphics& g, const juce::Image& alpha, juce::Rectangle<int> pixelArea)
{
    g.drawImageTransformed(alpha,
                           juce::AffineTransform::translation((float) pixelArea.getX(), (float) pixelArea.getY())
                               .scaled(1.0f / pixelsPerUnit),
                           true);
}
} // namespace

juce::Result Typefaces::load(const juce::File& folder, Typefaces& loaded)
{
    for (auto [file, typeface] : { std::pair { "Overpass-SemiBold.ttf", &loaded.label },
                                   std::pair { "Roboto-Bold.ttf", &loaded.title },
                                   std::pair { "overpass-regular.ttf", &loaded.text } })
    {
        const auto result = loadTypeface(folder.getChildFile(file), *typeface);
        if (result.failed())
            return result;
    }
    return juce::Result::ok();
}

juce::Font font(const juce::Typeface::Ptr& typeface, float height, float extraKerning)
{
    return juce::Font(typeface).withHeight(height).withExtraKerningFactor(extraKerning);
}

void softShadow(juce::Graphics& g, const juce::Path& shape, juce::Colour colour, float radius, juce::Point<float> offset)
{
    juce::Rectangle<int> area;
    const auto image = blurredSilhouette(shape, radius, offset, area);
    juce::Graphics::ScopedSaveState state(g);
    g.setColour(colour);
    fillAlphaAtPixels(g, image.convertedToFormat(juce::Image::SingleChannel), area);
}

void innerShadow(juce::Graphics& g, const juce::Path& shape, juce::Colour colour, float radius, juce::Point<float> offset)
{
    // The shadow of everything outside the shape, seen through the shape.
    juce::Path outside;
    outside.addRectangle(shape.getBounds().expanded(radius * 4.0f + offset.getDistanceFromOrigin()));
    outside.addPath(shape);
    outside.setUsingNonZeroWinding(false);

    juce::Graphics::ScopedSaveState state(g);
    g.reduceClipRegion(shape);
    softShadow(g, outside, colour, radius, offset);
}

juce::ColourGradient verticalGradient(juce::Colour top, juce::Colour bottom, juce::Rectangle<float> area)
{
    return juce::ColourGradient::vertical(top, area.getY(), bottom, area.getBottom());
}

juce::Path circle(juce::Point<float> centre, float radius)
{
    juce::Path path;
    path.addEllipse(juce::Rectangle<float>(radius * 2.0f, radius * 2.0f).withCentre(centre));
    return path;
}
} // namespace ArtworkStyle
