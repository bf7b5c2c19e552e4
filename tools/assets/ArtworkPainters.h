#pragma once

#include "assets/ArtworkStyle.h"

/**
    The painters of the archive's pictures. Each draws in logical units on a
    Graphics scaled by ArtworkStyle::pixelsPerUnit, over a cleared picture of
    twice the logical size.
*/
namespace ArtworkPainters
{
using Typefaces = ArtworkStyle::Typefaces;

void background(juce::Graphics& g, const Typefaces& typefaces);

void sphereBack(juce::Graphics& g);
void sphereOverlay(juce::Graphics& g);

enum class KnobKind
{
    small,
    big,
    pitchBendAndGlide
};
void knob(juce::Graphics& g, KnobKind kind, juce::Colour accent);

void switchFace(juce::Graphics& g, const Typefaces& typefaces, bool isOn);
void volumeThumb(juce::Graphics& g);
void zoomButton(juce::Graphics& g, bool isPressed);

void meterSegment(juce::Graphics& g, juce::Colour lit);
void meterSegmentUnlit(juce::Graphics& g);
void scopeBack(juce::Graphics& g);
void scopeOverlay(juce::Graphics& g);

void tooltipArrow(juce::Graphics& g);

enum class ArrowState
{
    normal,
    pressed,
    disabled
};
void presetArrow(juce::Graphics& g, bool pointsLeft, ArrowState state);
} // namespace ArtworkPainters
