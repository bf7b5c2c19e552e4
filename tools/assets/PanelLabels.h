#pragma once

#include "assets/ArtworkStyle.h"

#include <vector>

/**
    The lettering of the background picture. No widget has a caption, so the
    panel carries the control labels and the product name; each is placed from
    the editor's layout, clear of the control it names.
*/
namespace PanelLabels
{
enum class Style
{
    control,
    productName,
    productLine
};

struct Label
{
    juce::String text;
    juce::Rectangle<float> box; // before turning, for a label that reads upwards
    juce::Justification justification;
    Style style;
    bool readsUpwards = false;
};

const std::vector<Label>& all();

juce::Font fontFor(Style style, const ArtworkStyle::Typefaces& typefaces);

/** The part of the panel the label's letters cover, in logical pixels. */
juce::Rectangle<float> inkBounds(const Label& label, const ArtworkStyle::Typefaces& typefaces);

void draw(juce::Graphics& g, const Label& label, const ArtworkStyle::Typefaces& typefaces);
} // namespace PanelLabels
