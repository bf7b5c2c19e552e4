#include "assets/ArtworkPainters.h"
#include "assets/EditorLayout.h"

namespace ArtworkPainters
{
namespace
{
using namespace ArtworkStyle;

/**
    Where the knob widget paints its value arc, ring and pointer dot, for each
    kind of knob: the picture puts its track under the arc and keeps its cap
    inside the ring.
*/
struct KnobGeometry
{
    float size;
    juce::Point<float> centre;
    juce::Point<float> trackRadii; // the value arc's radii
    float trackWidth;
    float skirtRadius;
    float ringRadius;
    float capRadius;
};

KnobGeometry geometryOf(KnobKind kind)
{
    switch (kind)
    {
        case KnobKind::small:
            return { 74.0f, { 37.5f, 36.75f }, { 34.5f, 34.25f }, 4.5f, 27.0f, 19.25f, 16.0f };
        case KnobKind::big:
            return { 92.0f, { 46.0f, 46.0f }, { 44.0f, 44.0f }, 5.0f, 35.0f, 25.0f, 21.5f };
        case KnobKind::pitchBendAndGlide:
            return { 92.0f, { 46.0f, 46.0f }, { 44.5f, 44.5f }, 5.5f, 33.0f, 22.0f, 18.25f };
    }
    return {};
}

void track(juce::Graphics& g, const KnobGeometry& knob)
{
    juce::Path arc;
    arc.addCentredArc(knob.centre.x, knob.centre.y, knob.trackRadii.x, knob.trackRadii.y, 0.0f,
                      -EditorLayout::knobAngleRange, EditorLayout::knobAngleRange, true);
    juce::Path groove;
    juce::PathStrokeType(knob.trackWidth, juce::PathStrokeType::curved, juce::PathStrokeType::rounded)
        .createStrokedPath(groove, arc);

    g.setColour(Palette::recess);
    g.fillPath(groove);
    innerShadow(g, groove, Palette::shadow.withAlpha(0.35f), 1.0f, { 0.0f, 0.75f });
}

void skirt(juce::Graphics& g, const KnobGeometry& knob)
{
    const auto shape = circle(knob.centre, knob.skirtRadius);
    softShadow(g, shape, Palette::shadow.withAlpha(0.5f), 3.0f, { 0.0f, 2.0f });

    const auto bounds = shape.getBounds();
    g.setGradientFill(verticalGradient(juce::Colour(0xfffafcfd), juce::Colour(0xffc3d3de), bounds));
    g.fillPath(shape);

    // Brushed rim: a light upper edge and a darker outline.
    juce::Path upperEdge;
    upperEdge.addCentredArc(knob.centre.x, knob.centre.y, knob.skirtRadius - 0.75f, knob.skirtRadius - 0.75f, 0.0f, -2.2f, 2.2f,
                            true);
    g.setColour(juce::Colours::white);
    g.strokePath(upperEdge, juce::PathStrokeType(1.0f));
    g.setColour(Palette::shadow.withAlpha(0.3f));
    g.strokePath(shape, juce::PathStrokeType(0.6f));

    // The band the ring and pointer dot run on, turned slightly into the skirt.
    const auto band = circle(knob.centre, knob.ringRadius + 2.0f);
    g.setGradientFill(verticalGradient(juce::Colour(0xffd5e1e9), juce::Colour(0xfff1f6f9), band.getBounds()));
    g.fillPath(band);
}

void cap(juce::Graphics& g, const KnobGeometry& knob, juce::Colour accent)
{
    const auto shape = circle(knob.centre, knob.capRadius);
    softShadow(g, shape, Palette::shadow.withAlpha(0.45f), 1.5f, { 0.0f, 1.0f });

    const auto bounds = shape.getBounds();
    g.setGradientFill(verticalGradient(accent.brighter(0.35f), accent.darker(0.3f), bounds));
    g.fillPath(shape);

    // Gloss on the upper half of the cap.
    const auto gloss = bounds.reduced(knob.capRadius * 0.22f, 1.0f).withHeight(knob.capRadius * 1.05f);
    g.setGradientFill(verticalGradient(juce::Colours::white.withAlpha(0.45f), juce::Colours::white.withAlpha(0.0f), gloss));
    g.fillEllipse(gloss);

    g.setColour(accent.darker(0.7f).withAlpha(0.6f));
    g.strokePath(shape, juce::PathStrokeType(0.6f));
}
} // namespace

void knob(juce::Graphics& g, KnobKind kind, juce::Colour accent)
{
    const auto geometry = geometryOf(kind);
    track(g, geometry);
    skirt(g, geometry);
    cap(g, geometry, accent);
}
} // namespace ArtworkPainters
