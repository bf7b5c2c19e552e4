#pragma once

#include "kit/assets/QMAssetManager.h"

/**
    A picture of the editor as it will look, composed from the archive's own
    pictures and fonts: the background with every widget picture at its layout
    bounds, the knob arcs roughly as the knob widget paints them, a few sphere
    points, lit meters, a scope trace and a value tooltip. It is how the
    artwork is judged, at 100 % and 200 % zoom.
*/
namespace EditorPreview
{
/** The editor at the given zoom (1 gives 880 × 335 pixels). */
juce::Image render(QMAssetManager& assets, float zoom);
} // namespace EditorPreview
