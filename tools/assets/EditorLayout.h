#pragma once

#include <juce_graphics/juce_graphics.h>

/**
    Where the editor places what it draws over the background, in logical
    pixels of the 880 × 335 content. The background's labels keep clear of
    these bounds, and the preview puts each widget picture here.
*/
namespace EditorLayout
{
inline const juce::Rectangle<float> content { 0.0f, 0.0f, 880.0f, 335.0f };

inline const juce::Rectangle<float> sphereNavigator { 184.0f, -3.0f, 353.0f, 341.0f };
/** Where the navigator draws its back and overlay pictures, relative to its own bounds. */
inline const juce::Rectangle<float> sphereBack { -9.0f, 1.0f, 369.0f, 334.0f };
inline const juce::Rectangle<float> sphereOverlay { -9.0f, -2.0f, 369.0f, 351.0f };

inline const juce::Rectangle<float> delayTimeKnob { 535.0f, 59.0f, 74.0f, 74.0f };
inline const juce::Rectangle<float> delayFeedbackKnob { 616.0f, 59.0f, 74.0f, 74.0f };
inline const juce::Rectangle<float> delayMixKnob { 567.0f, 159.0f, 92.0f, 92.0f };
inline const juce::Rectangle<float> delaySwapSwitch { 599.0f, 278.0f, 100.0f, 16.0f };
inline const juce::Rectangle<float> legatoSwitch { 94.0f, 278.0f, 100.0f, 16.0f };
inline const juce::Rectangle<float> pitchBendRangeKnob { 68.0f, 53.0f, 92.0f, 92.0f };
inline const juce::Rectangle<float> glideTimeKnob { 68.0f, 159.0f, 92.0f, 92.0f };
inline const juce::Rectangle<float> meters { 838.0f, 169.0f, 8.0f, 119.0f };
inline const juce::Rectangle<float> volumeSlider { 767.0f, 150.0f, 67.0f, 158.0f };
inline const juce::Rectangle<float> oscilloscope { 772.0f, 107.0f, 82.0f, 52.0f };
inline const juce::Rectangle<float> zoomButton { 17.0f, 4.0f, 18.0f, 18.0f };
inline const juce::Rectangle<float> presetBar { 595.0f, 303.0f, 282.0f, 32.0f };
inline const juce::Rectangle<float> versionLabel { 35.0f, 319.0f, 872.0f, 14.0f };

inline constexpr float volumeThumbWidth = 67.0f;
inline constexpr float volumeThumbHeight = 41.0f;
inline constexpr float zoomImageSize = 14.0f;
/** The knobs' pointer travel on each side of straight up, as the editor sets it (0.78π). */
inline constexpr float knobAngleRange = 2.4504423f;

/** Where the oscilloscope draws its back picture, relative to its own bounds. */
inline const juce::Rectangle<float> scopeScreen { 3.0f, 2.0f, 76.0f, 48.0f };

/** Centre and radius of the sphere as the navigator projects its points, in content coordinates. */
inline juce::Point<float> sphereCentre()
{
    return { sphereNavigator.getX() + sphereNavigator.getWidth() / 2.0f,
             sphereNavigator.getY() + sphereNavigator.getHeight() / 2.0f - 2.0f };
}
inline float sphereRadius() { return sphereNavigator.getHeight() / 2.0f - 24.0f; }
} // namespace EditorLayout
