#include "assets/ArtworkPainters.h"
#include "assets/EditorLayout.h"

namespace ArtworkPainters
{
namespace
{
using namespace ArtworkStyle;
namespace Layout = EditorLayout;

// The glass reaches just past the circle inside which the navigator keeps its points.
constexpr float glassRadius = 150.0f;
constexpr float bezelWidth = 7.0f;

/** The sphere's centre in a picture that the navigator draws at the given place. */
juce::Point<float> centreIn(juce::Rectangle<float> pictureBounds)
{
    return Layout::sphereCentre() - Layout::sphereNavigator.getPosition() - pictureBounds.getPosition();
}

void bezel(juce::Graphics& g, juce::Point<float> centre)
{
    const float outer = glassRadius + bezelWidth;
    const auto ring = circle(centre, outer);
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xfff7fbfd), centre.x, centre.y - outer,
                                           juce::Colour(0xffa9c0ce), centre.x, centre.y + outer, false));
    g.fillPath(ring);

    // A fine groove halfway across the ring, then the crisp outer edge.
    g.setColour(Palette::shadow.withAlpha(0.18f));
    g.drawEllipse(juce::Rectangle<float>(2.0f * (glassRadius + 3.5f), 2.0f * (glassRadius + 3.5f)).withCentre(centre), 0.6f);
    g.setColour(Palette::shadow.withAlpha(0.35f));
    g.strokePath(ring, juce::PathStrokeType(0.6f));
}
} // namespace

void sphereBack(juce::Graphics& g)
{
    const auto centre = centreIn(Layout::sphereBack);

    softShadow(g, circle(centre, glassRadius + bezelWidth), Palette::shadow.withAlpha(0.45f), 6.0f, { 0.0f, 3.0f });
    bezel(g, centre);

    // Deep glass, lit from the front: lighter in the middle where the chosen sounds gather.
    juce::ColourGradient glass(Palette::glassMid, centre.x, centre.y - 20.0f, Palette::glassDeep, centre.x,
                               centre.y + glassRadius, true);
    glass.addColour(0.55, Palette::glassMid.interpolatedWith(Palette::glassDeep, 0.45f));
    g.setGradientFill(glass);
    g.fillPath(circle(centre, glassRadius));

    // A faint teal haze at the rim: the sphere's atmosphere.
    juce::ColourGradient haze(Palette::trace.withAlpha(0.0f), centre.x, centre.y, Palette::trace.withAlpha(0.22f), centre.x,
                              centre.y + glassRadius, true);
    haze.addColour(0.8, Palette::trace.withAlpha(0.0f));
    g.setGradientFill(haze);
    g.fillPath(circle(centre, glassRadius));

    // The view's centre, from which the navigator draws its lines.
    g.setColour(Palette::trace.withAlpha(0.45f));
    g.drawEllipse(juce::Rectangle<float>(7.0f, 7.0f).withCentre(centre), 0.75f);
}

void sphereOverlay(juce::Graphics& g)
{
    const auto centre = centreIn(Layout::sphereOverlay);

    // The bezel again, over anything the navigator drew past the glass.
    juce::Path ring = circle(centre, glassRadius + bezelWidth);
    ring.addPath(circle(centre, glassRadius));
    ring.setUsingNonZeroWinding(false);
    {
        juce::Graphics::ScopedSaveState state(g);
        g.reduceClipRegion(ring);
        bezel(g, centre);
    }

    // Inner shadow where the glass meets the bezel.
    const auto glass = circle(centre, glassRadius);
    juce::ColourGradient rimShade(juce::Colours::black.withAlpha(0.0f), centre.x, centre.y, juce::Colours::black.withAlpha(0.45f),
                                  centre.x + glassRadius, centre.y, true);
    rimShade.addColour(0.86, juce::Colours::black.withAlpha(0.0f));
    g.setGradientFill(rimShade);
    g.fillPath(glass);

    g.setColour(juce::Colours::white.withAlpha(0.28f));
    g.drawEllipse(juce::Rectangle<float>(2.0f * glassRadius - 1.0f, 2.0f * glassRadius - 1.0f).withCentre(centre), 0.8f);

    // A soft window reflection high on the left, fading out towards the middle.
    juce::Graphics::ScopedSaveState state(g);
    g.reduceClipRegion(glass);
    const auto highlight = centre + juce::Point<float>(-48.0f, -92.0f);
    juce::ColourGradient sheen(juce::Colours::white.withAlpha(0.16f), highlight.x, highlight.y, juce::Colours::white.withAlpha(0.0f),
                               highlight.x + 105.0f, highlight.y, true);
    sheen.addColour(0.45, juce::Colours::white.withAlpha(0.08f));
    g.setGradientFill(sheen);
    g.addTransform(juce::AffineTransform::scale(1.0f, 0.55f, highlight.x, highlight.y)
                       .rotated(-0.35f, highlight.x, highlight.y));
    g.fillEllipse(juce::Rectangle<float>(210.0f, 210.0f).withCentre(highlight));
}
} // namespace ArtworkPainters
