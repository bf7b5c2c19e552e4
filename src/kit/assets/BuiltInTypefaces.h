#pragma once

#include <juce_graphics/juce_graphics.h>

/**
    The typefaces compiled into the program rather than loaded from the asset
    archive: the zoom menu's "Roboto Mono Medium" and the preset browser's
    "Overpass Regular" and "Overpass SemiBold". Each is created once per
    process, on first use.
*/
namespace BuiltInTypefaces
{
juce::Typeface::Ptr robotoMonoMedium();
juce::Typeface::Ptr overpassRegular();
juce::Typeface::Ptr overpassSemiBold();
} // namespace BuiltInTypefaces
