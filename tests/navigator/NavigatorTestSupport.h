#pragma once

#include "navigator/SphereNavigator.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <string>
#include <vector>

namespace navigator_test
{
/** A mouse event on component at position (component coordinates). */
inline juce::MouseEvent mouseEvent(juce::Component& component, juce::Point<float> position,
                                   juce::ModifierKeys modifiers = juce::ModifierKeys::leftButtonModifier,
                                   int numberOfClicks = 1)
{
    const auto now = juce::Time::getCurrentTime();
    return { juce::Desktop::getInstance().getMainMouseSource(),
             position,
             modifiers,
             juce::MouseInputSource::defaultPressure,
             juce::MouseInputSource::defaultOrientation,
             juce::MouseInputSource::defaultRotation,
             juce::MouseInputSource::defaultTiltX,
             juce::MouseInputSource::defaultTiltY,
             &component,
             &component,
             now,
             position,
             now,
             numberOfClicks,
             false };
}

/** Drags from start through each offset in turn (relative to start) and releases. */
inline void drag(SphereNavigator& navigator, juce::Point<float> start, const std::vector<juce::Point<float>>& offsets,
                 juce::ModifierKeys modifiers = juce::ModifierKeys::leftButtonModifier)
{
    navigator.mouseDown(mouseEvent(navigator, start, modifiers));
    juce::Point<float> last = start;
    for (const auto offset : offsets)
    {
        last = start + offset;
        navigator.mouseDrag(mouseEvent(navigator, last, modifiers));
    }
    navigator.mouseUp(mouseEvent(navigator, last, modifiers));
}

/** The point on the front cap nearest the viewer. */
inline int frontPoint(const SphereModel& model)
{
    const auto projected = model.getProjected();
    int front = -1;
    for (const auto& selected : model.getSelection())
        if (front < 0 || projected[static_cast<size_t>(selected.index)].size > projected[static_cast<size_t>(front)].size)
            front = selected.index;
    return front;
}
} // namespace navigator_test
