#include "assets/PanelLabels.h"

#include "assets/EditorLayout.h"

namespace PanelLabels
{
namespace
{
namespace Layout = EditorLayout;

constexpr float labelHeight = 10.0f;
constexpr float labelGap = 5.0f;

Label above(const juce::String& text, juce::Rectangle<float> widget)
{
    return { text, widget.withHeight(labelHeight).translated(0.0f, -labelGap - labelHeight), juce::Justification::centred,
             Style::control };
}

Label below(const juce::String& text, juce::Rectangle<float> widget)
{
    return { text, widget.withY(widget.getBottom() + labelGap).withHeight(labelHeight), juce::Justification::centred,
             Style::control };
}

Label leftOf(const juce::String& text, juce::Rectangle<float> widget)
{
    constexpr float width = 70.0f;
    return { text, { widget.getX() - labelGap - width, widget.getCentreY() - labelHeight / 2.0f, width, labelHeight },
             juce::Justification::centredRight, Style::control };
}

/** Turned to read upwards along the widget's left edge. */
Label alongLeftOf(const juce::String& text, juce::Rectangle<float> widget)
{
    const juce::Point<float> centre { widget.getX() - labelGap - labelHeight / 2.0f, widget.getCentreY() };
    return { text, juce::Rectangle<float>(80.0f, labelHeight).withCentre(centre), juce::Justification::centred, Style::control, true };
}

std::vector<Label> makeLabels()
{
    const juce::Rectangle<float> name { 700.0f, 22.0f, 160.0f, 26.0f };
    return {
        above("PITCH BEND", Layout::pitchBendRangeKnob),
        below("GLIDE", Layout::glideTimeKnob),
        leftOf("LEGATO", Layout::legatoSwitch),
        above("DELAY TIME", Layout::delayTimeKnob),
        above("FEEDBACK", Layout::delayFeedbackKnob),
        below("DELAY MIX", Layout::delayMixKnob),
        leftOf("SWAP", Layout::delaySwapSwitch),
        above("OUTPUT", Layout::oscilloscope),
        alongLeftOf("VOLUME", Layout::volumeSlider),
        { "TESSARO", name, juce::Justification::centredRight, Style::productName },
        { "SPHERE SYNTHESIZER", name.withY(name.getBottom() + 1.0f).withHeight(9.0f), juce::Justification::centredRight,
          Style::productLine },
    };
}

juce::AffineTransform turnOf(const Label& label)
{
    if (! label.readsUpwards)
        return {};
    const auto centre = label.box.getCentre();
    return juce::AffineTransform::rotation(-juce::MathConstants<float>::halfPi, centre.x, centre.y);
}
} // namespace

const std::vector<Label>& all()
{
    static const auto labels = makeLabels();
    return labels;
}

juce::Font fontFor(Style style, const ArtworkStyle::Typefaces& typefaces)
{
    switch (style)
    {
        case Style::productName: return ArtworkStyle::font(typefaces.title, 24.0f, 0.22f);
        case Style::productLine: return ArtworkStyle::font(typefaces.label, 7.5f, 0.3f);
        case Style::control: break;
    }
    return ArtworkStyle::font(typefaces.label, labelHeight, 0.14f);
}

juce::Rectangle<float> inkBounds(const Label& label, const ArtworkStyle::Typefaces& typefaces)
{
    juce::GlyphArrangement glyphs;
    glyphs.addFittedText(fontFor(label.style, typefaces), label.text, label.box.getX(), label.box.getY(), label.box.getWidth(),
                         label.box.getHeight(), label.justification, 1, 1.0f);
    return glyphs.getBoundingBox(0, -1, true).transformedBy(turnOf(label));
}

void draw(juce::Graphics& g, const Label& label, const ArtworkStyle::Typefaces& typefaces)
{
    using namespace ArtworkStyle;
    juce::Graphics::ScopedSaveState state(g);
    g.addTransform(turnOf(label));
    g.setFont(fontFor(label.style, typefaces));

    // Letters pressed into the panel: a light edge below each stroke.
    if (label.style != Style::productLine)
    {
        g.setColour(juce::Colours::white.withAlpha(0.65f));
        g.drawText(label.text, label.box.translated(0.0f, label.style == Style::productName ? 1.0f : 0.75f), label.justification,
                   false);
    }
    g.setColour(label.style == Style::productLine ? Palette::inkSoft : Palette::ink);
    g.drawText(label.text, label.box, label.justification, false);
}
} // namespace PanelLabels
