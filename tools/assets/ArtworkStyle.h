#pragma once

#include <juce_graphics/juce_graphics.h>

/**
    The shared look of the artwork: palette, typefaces and the few drawing
    helpers every picture uses.

    Pictures are authored at twice their logical size. Painters draw in logical
    units on a Graphics already scaled by pixelsPerUnit, so the numbers in the
    painters are the editor's own layout numbers.
*/
namespace ArtworkStyle
{
inline constexpr float pixelsPerUnit = 2.0f;

namespace Palette
{
inline const juce::Colour panel { 0xffd3e6f2 };
inline const juce::Colour panelLight { 0xffe3eff7 };
inline const juce::Colour panelDark { 0xffc2d7e5 };
inline const juce::Colour recess { 0xffb8cedd };
inline const juce::Colour ink { 0xff3b5b65 };
inline const juce::Colour inkSoft { 0xff6d8c97 };
inline const juce::Colour teal { 0xff345661 };      // the knob arcs
inline const juce::Colour trace { 0xff68a5a5 };     // the oscilloscope trace
inline const juce::Colour glassDeep { 0xff0c1f24 };
inline const juce::Colour glassMid { 0xff1d4149 };
inline const juce::Colour shadow { 0xff1c3440 };
} // namespace Palette

/** The typefaces the artwork is lettered with, loaded from the fetched TrueType files. */
struct Typefaces
{
    juce::Typeface::Ptr label; // Overpass SemiBold
    juce::Typeface::Ptr title; // Roboto Bold
    juce::Typeface::Ptr text;  // Overpass Regular

    /** Loads the typefaces from the folder of fetched fonts; fails if a file is missing. */
    static juce::Result load(const juce::File& folder, Typefaces& loaded);
};

juce::Font font(const juce::Typeface::Ptr& typeface, float height, float extraKerning = 0.0f);

/** A soft shadow of the shape, blurred at the artwork's pixel resolution. */
void softShadow(juce::Graphics& g, const juce::Path& shape, juce::Colour colour, float radius, juce::Point<float> offset);

/** A shadow inside the shape, along its upper edge: the look of a recess. */
void innerShadow(juce::Graphics& g, const juce::Path& shape, juce::Colour colour, float radius, juce::Point<float> offset);

/** A vertical gradient from top to bottom over the given area. */
juce::ColourGradient verticalGradient(juce::Colour top, juce::Colour bottom, juce::Rectangle<float> area);

/** A circle's path. */
juce::Path circle(juce::Point<float> centre, float radius);
} // namespace ArtworkStyle
