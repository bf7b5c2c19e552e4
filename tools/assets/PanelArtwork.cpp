#include "assets/ArtworkPainters.h"
#include "assets/EditorLayout.h"
#include "assets/PanelLabels.h"

namespace ArtworkPainters
{
namespace
{
using namespace ArtworkStyle;
namespace Layout = EditorLayout;

void panelBase(juce::Graphics& g)
{
    const auto area = Layout::content;
    g.setGradientFill(verticalGradient(Palette::panelLight, Palette::panelDark, area));
    g.fillRect(area);

    // A broad light from above the sphere, so the panel is not a flat sheet.
    juce::ColourGradient glow(juce::Colours::white.withAlpha(0.35f), Layout::sphereCentre().x, -60.0f,
                              juce::Colours::white.withAlpha(0.0f), Layout::sphereCentre().x, 260.0f, true);
    g.setGradientFill(glow);
    g.fillRect(area);

    g.setColour(juce::Colours::white.withAlpha(0.7f));
    g.fillRect(area.withHeight(1.0f));
    g.setColour(Palette::shadow.withAlpha(0.18f));
    g.fillRect(area.withTop(area.getBottom() - 1.0f));
}

/** A shallow recessed plate that groups a column of controls. */
void plate(juce::Graphics& g, juce::Rectangle<float> area)
{
    constexpr float corner = 12.0f;
    juce::Path shape;
    shape.addRoundedRectangle(area, corner);

    g.setGradientFill(verticalGradient(Palette::panelDark.withAlpha(0.55f), Palette::panel.withAlpha(0.35f), area));
    g.fillPath(shape);
    innerShadow(g, shape, Palette::shadow.withAlpha(0.22f), 3.0f, { 0.0f, 1.5f });

    // Light catches the lower lip of the recess.
    g.setColour(juce::Colours::white.withAlpha(0.65f));
    g.strokePath(shape, juce::PathStrokeType(0.75f), juce::AffineTransform::translation(0.0f, 0.75f));
    g.setColour(Palette::shadow.withAlpha(0.12f));
    g.strokePath(shape, juce::PathStrokeType(0.5f));
}

/** A dark slot cut into the panel, its lower lip catching the light. */
void darkSlot(juce::Graphics& g, juce::Rectangle<float> area, float corner)
{
    juce::Path slot;
    slot.addRoundedRectangle(area, corner);
    g.setColour(Palette::glassDeep);
    g.fillPath(slot);
    innerShadow(g, slot, juce::Colours::black.withAlpha(0.65f), 1.5f, { 0.0f, 1.0f });
    g.setColour(juce::Colours::white.withAlpha(0.7f));
    g.strokePath(slot, juce::PathStrokeType(0.6f), juce::AffineTransform::translation(0.0f, 0.6f));
}

void volumeTrack(juce::Graphics& g)
{
    const auto slider = Layout::volumeSlider;
    const float top = slider.getY() + Layout::volumeThumbHeight / 2.0f;
    const float bottom = slider.getBottom() - Layout::volumeThumbHeight / 2.0f;
    const float centreX = slider.getCentreX();

    // Scale marks on both sides of the slot; the thumb's centre line meets them.
    constexpr int marks = 11;
    for (int i = 0; i < marks; ++i)
    {
        const float y = top + (bottom - top) * (float) i / (float) (marks - 1);
        const bool major = i % 5 == 0;
        const float length = major ? 9.0f : 6.0f;
        g.setColour(Palette::inkSoft.withAlpha(major ? 0.8f : 0.55f));
        g.fillRect(juce::Rectangle<float>(centreX - 9.0f - length, y - 0.5f, length, 1.0f));
        g.fillRect(juce::Rectangle<float>(centreX + 9.0f, y - 0.5f, length, 1.0f));
    }

    darkSlot(g, { centreX - 2.5f, top - 3.0f, 5.0f, bottom - top + 6.0f }, 2.5f);
}

void scopeShadow(juce::Graphics& g)
{
    juce::Path frame;
    frame.addRoundedRectangle(Layout::oscilloscope.reduced(1.0f), 6.0f);
    softShadow(g, frame, Palette::shadow.withAlpha(0.35f), 4.0f, { 0.0f, 2.0f });
}
} // namespace

void background(juce::Graphics& g, const Typefaces& typefaces)
{
    panelBase(g);

    plate(g, { 28.0f, 24.0f, 168.0f, 282.0f });
    plate(g, { 527.0f, 24.0f, 183.0f, 282.0f });
    plate(g, { 748.0f, 84.0f, 122.0f, 222.0f });

    volumeTrack(g);
    darkSlot(g, Layout::meters.expanded(3.0f, 3.5f), 3.0f);
    scopeShadow(g);

    for (const auto& label : PanelLabels::all())
        PanelLabels::draw(g, label, typefaces);
}
} // namespace ArtworkPainters
