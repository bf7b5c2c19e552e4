#include "assets/ArtworkPainters.h"
#include "assets/EditorLayout.h"

namespace ArtworkPainters
{
namespace
{
using namespace ArtworkStyle;

const juce::Colour raisedTop { 0xfffafcfd };
const juce::Colour raisedBottom { 0xffc8d6e0 };
const juce::Colour tealTop { 0xff4d7f8a };
const juce::Colour presetText { 0xff4a4a4a }; // the preset bar's text colour

void groove(juce::Graphics& g, float y, float left, float right)
{
    g.setColour(Palette::shadow.withAlpha(0.35f));
    g.fillRect(juce::Rectangle<float>(left, y - 0.5f, right - left, 0.5f));
    g.setColour(juce::Colours::white.withAlpha(0.9f));
    g.fillRect(juce::Rectangle<float>(left, y, right - left, 0.5f));
}
} // namespace

void switchFace(juce::Graphics& g, const Typefaces& typefaces, bool isOn)
{
    const juce::Rectangle<float> area { 0.5f, 0.5f, 99.0f, 15.0f };
    juce::Path trackShape;
    trackShape.addRoundedRectangle(area, area.getHeight() / 2.0f);
    g.setGradientFill(verticalGradient(Palette::recess, Palette::panelDark, area));
    g.fillPath(trackShape);
    innerShadow(g, trackShape, Palette::shadow.withAlpha(0.4f), 1.0f, { 0.0f, 0.75f });

    const auto offHalf = area.reduced(1.0f).withWidth(area.getWidth() / 2.0f - 0.5f);
    const auto onHalf = offHalf.withRightX(area.getRight() - 1.0f);
    const auto thumbArea = isOn ? onHalf : offHalf;
    juce::Path thumb;
    thumb.addRoundedRectangle(thumbArea, thumbArea.getHeight() / 2.0f);
    softShadow(g, thumb, Palette::shadow.withAlpha(0.45f), 1.0f, { 0.0f, 0.75f });
    g.setGradientFill(isOn ? verticalGradient(tealTop, Palette::teal, thumbArea) : verticalGradient(raisedTop, raisedBottom, thumbArea));
    g.fillPath(thumb);
    g.setColour(isOn ? Palette::teal.darker(0.5f) : Palette::shadow.withAlpha(0.3f));
    g.strokePath(thumb, juce::PathStrokeType(0.5f));

    g.setFont(font(typefaces.label, 8.0f, 0.12f));
    const auto text = [&](const char* word, juce::Rectangle<float> half, bool active)
    {
        g.setColour(active ? (isOn ? juce::Colours::white : Palette::ink) : Palette::inkSoft.withAlpha(0.75f));
        g.drawText(word, half.translated(0.0f, 0.5f), juce::Justification::centred, false);
    };
    text("OFF", offHalf, ! isOn);
    text("ON", onHalf, isOn);
}

void volumeThumb(juce::Graphics& g)
{
    const juce::Point<float> centre { EditorLayout::volumeThumbWidth / 2.0f, EditorLayout::volumeThumbHeight / 2.0f };
    const auto body = juce::Rectangle<float>(46.0f, 30.0f).withCentre(centre - juce::Point<float>(0.0f, 1.0f));
    juce::Path shape;
    shape.addRoundedRectangle(body, 4.0f);

    softShadow(g, shape, Palette::shadow.withAlpha(0.55f), 3.0f, { 0.0f, 2.5f });
    g.setGradientFill(verticalGradient(raisedTop, raisedBottom, body));
    g.fillPath(shape);
    g.setColour(juce::Colours::white);
    g.strokePath(shape, juce::PathStrokeType(0.75f), juce::AffineTransform::translation(0.0f, 0.5f));
    g.setColour(Palette::shadow.withAlpha(0.4f));
    g.strokePath(shape, juce::PathStrokeType(0.6f));

    // Grip grooves above and below the centre line that reads the value.
    const float left = body.getX() + 5.0f;
    const float right = body.getRight() - 5.0f;
    for (float offset : { -10.0f, -7.0f, -4.0f, 4.0f, 7.0f, 10.0f })
        groove(g, body.getCentreY() + offset, left, right);

    g.setColour(Palette::teal);
    g.fillRect(juce::Rectangle<float>(body.getX() + 1.0f, body.getCentreY() - 0.75f, body.getWidth() - 2.0f, 1.5f));
}

void zoomButton(juce::Graphics& g, bool isPressed)
{
    const juce::Rectangle<float> area { 0.5f, 0.5f, 13.0f, 13.0f };
    juce::Path face;
    face.addRoundedRectangle(area, 3.5f);
    g.setGradientFill(isPressed ? verticalGradient(Palette::recess, Palette::panel, area) : verticalGradient(raisedTop, raisedBottom, area));
    g.fillPath(face);
    if (isPressed)
        innerShadow(g, face, Palette::shadow.withAlpha(0.5f), 1.0f, { 0.0f, 0.75f });
    g.setColour(Palette::shadow.withAlpha(0.45f));
    g.strokePath(face, juce::PathStrokeType(0.5f));

    // A magnifier: lens and handle.
    const float shift = isPressed ? 0.5f : 0.0f;
    const juce::Point<float> lens { 6.0f, 6.0f + shift };
    g.setColour(Palette::teal);
    g.drawEllipse(juce::Rectangle<float>(6.0f, 6.0f).withCentre(lens), 1.2f);
    juce::Path handle;
    handle.startNewSubPath(lens + juce::Point<float>(2.3f, 2.3f));
    handle.lineTo(lens + juce::Point<float>(4.8f, 4.8f));
    g.strokePath(handle, juce::PathStrokeType(1.6f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
}

void tooltipArrow(juce::Graphics& g)
{
    // Only the upper half hangs below the bubble; the rest is clipped by the tooltip.
    juce::Path arrow;
    arrow.addTriangle(0.0f, 0.0f, 12.0f, 0.0f, 6.0f, 6.0f);
    g.setColour(juce::Colours::white);
    g.fillPath(arrow);
}

void presetArrow(juce::Graphics& g, bool pointsLeft, ArrowState state)
{
    const juce::Point<float> centre { 20.0f, 20.0f };
    if (state == ArrowState::pressed)
    {
        g.setColour(Palette::teal.withAlpha(0.14f));
        g.fillPath(circle(centre, 11.0f));
    }

    const float direction = pointsLeft ? -1.0f : 1.0f;
    juce::Path chevron;
    chevron.startNewSubPath(centre.x - 2.5f * direction, centre.y - 6.0f);
    chevron.lineTo(centre.x + 3.0f * direction, centre.y);
    chevron.lineTo(centre.x - 2.5f * direction, centre.y + 6.0f);

    const auto colour = state == ArrowState::pressed ? Palette::teal
                      : state == ArrowState::disabled ? presetText.withAlpha(0.25f)
                                                      : presetText;
    g.setColour(colour);
    g.strokePath(chevron, juce::PathStrokeType(2.2f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
}
} // namespace ArtworkPainters
