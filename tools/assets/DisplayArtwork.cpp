#include "assets/ArtworkPainters.h"
#include "assets/EditorLayout.h"

namespace ArtworkPainters
{
namespace
{
using namespace ArtworkStyle;

constexpr float segmentSize = 3.0f;
} // namespace

void meterSegment(juce::Graphics& g, juce::Colour lit)
{
    const juce::Rectangle<float> area { 0.0f, 0.0f, segmentSize, segmentSize };
    juce::Path led;
    led.addRoundedRectangle(area.reduced(0.25f), 0.75f);
    g.setGradientFill(verticalGradient(lit.brighter(0.45f), lit, area));
    g.fillPath(led);
    g.setColour(juce::Colours::white.withAlpha(0.55f));
    g.fillRect(juce::Rectangle<float>(0.75f, 0.5f, 1.5f, 0.5f));
}

void meterSegmentUnlit(juce::Graphics& g)
{
    const juce::Rectangle<float> area { 0.0f, 0.0f, segmentSize, segmentSize };
    juce::Path led;
    led.addRoundedRectangle(area.reduced(0.25f), 0.75f);
    g.setGradientFill(verticalGradient(juce::Colour(0xff2a3f46), juce::Colour(0xff22353b), area));
    g.fillPath(led);
}

void scopeBack(juce::Graphics& g)
{
    const auto area = EditorLayout::scopeScreen.withZeroOrigin();
    juce::ColourGradient screen(Palette::glassMid, area.getCentreX(), area.getCentreY(), Palette::glassDeep, area.getX(),
                                area.getY(), true);
    g.setGradientFill(screen);
    g.fillRect(area);

    // A graticule centred on the trace's zero line (y 26 of the scope, 24 of this picture).
    const float zero = 26.0f - EditorLayout::scopeScreen.getY();
    g.setColour(Palette::trace.withAlpha(0.13f));
    for (float x = area.getCentreX() - 36.0f; x < area.getRight(); x += 12.0f)
        g.fillRect(juce::Rectangle<float>(x - 0.25f, 0.0f, 0.5f, area.getHeight()));
    for (float y = zero - 24.0f; y <= area.getBottom(); y += 12.0f)
        g.fillRect(juce::Rectangle<float>(0.0f, y - 0.25f, area.getWidth(), 0.5f));
    g.setColour(Palette::trace.withAlpha(0.3f));
    g.fillRect(juce::Rectangle<float>(0.0f, zero - 0.25f, area.getWidth(), 0.5f));
}

void scopeOverlay(juce::Graphics& g)
{
    const auto outer = EditorLayout::oscilloscope.withZeroOrigin().reduced(0.5f);
    const auto window = EditorLayout::scopeScreen.reduced(0.5f);

    juce::Path frame;
    frame.addRoundedRectangle(outer, 6.0f);
    juce::Path opening;
    opening.addRoundedRectangle(window, 3.5f);
    frame.addPath(opening);
    frame.setUsingNonZeroWinding(false);

    g.setGradientFill(verticalGradient(juce::Colour(0xfff8fbfd), juce::Colour(0xffb4c8d5), outer));
    g.fillPath(frame);
    g.setColour(Palette::shadow.withAlpha(0.4f));
    g.strokePath(frame, juce::PathStrokeType(0.6f));

    // Glass: shade along the upper edge of the opening and a faint sheen across the top.
    innerShadow(g, opening, juce::Colours::black.withAlpha(0.7f), 2.0f, { 0.0f, 1.0f });
    juce::Graphics::ScopedSaveState state(g);
    g.reduceClipRegion(opening);
    const auto sheen = window.withHeight(window.getHeight() * 0.45f);
    g.setGradientFill(verticalGradient(juce::Colours::white.withAlpha(0.12f), juce::Colours::white.withAlpha(0.0f), sheen));
    g.fillRect(sheen);
}
} // namespace ArtworkPainters
