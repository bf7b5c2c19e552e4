#include "assets/Artwork.h"

#include "assets/ArtworkPainters.h"

#include <type_traits>

namespace Artwork
{
namespace
{
using namespace ArtworkPainters;
using Typefaces = ArtworkStyle::Typefaces;

const juce::Colour knobGreen { 0xff5aa893 };
const juce::Colour knobRed { 0xffd46a5c };
const juce::Colour meterGreen { 0xff4fd184 };
const juce::Colour meterYellow { 0xffe6cf3e };
const juce::Colour meterRed { 0xffee5241 };

template <typename Painter>
Picture picture(const char* name, int width, int height, Painter paint)
{
    if constexpr (std::is_invocable_v<Painter, juce::Graphics&, const Typefaces&>)
        return { name, width, height, paint };
    else
        return { name, width, height, [paint](juce::Graphics& g, const Typefaces&) { paint(g); } };
}

std::vector<Picture> makePictures()
{
    std::vector<Picture> all {
        picture("v2/bg.png", 1760, 670, background),
        picture("v2/bg_sphere_back.png", 738, 668, sphereBack),
        picture("v2/bg_sphere_overlay.png", 738, 702, sphereOverlay),
        picture("v2/btn_volume.png", 134, 82, volumeThumb),
        picture("v2/bg_smallknob_green.png", 148, 148, [](juce::Graphics& g) { knob(g, KnobKind::small, knobGreen); }),
        picture("v2/bg_bigknob_green.png", 184, 184, [](juce::Graphics& g) { knob(g, KnobKind::big, knobGreen); }),
        picture("v2/bg_bigknob_red.png", 184, 184, [](juce::Graphics& g) { knob(g, KnobKind::big, knobRed); }),
        picture("v2/bg_PBnGlide.png", 184, 184, [](juce::Graphics& g) { knob(g, KnobKind::pitchBendAndGlide, knobRed); }),
        picture("v2/btn_switch_on.png", 200, 32, [](juce::Graphics& g, const Typefaces& t) { switchFace(g, t, true); }),
        picture("v2/btn_switch_off.png", 200, 32, [](juce::Graphics& g, const Typefaces& t) { switchFace(g, t, false); }),
        picture("v2/btn_zoom_default.png", 28, 28, [](juce::Graphics& g) { zoomButton(g, false); }),
        picture("v2/btn_zoom_mousedown.png", 28, 28, [](juce::Graphics& g) { zoomButton(g, true); }),
        picture("v2/bg_peak_activegreen.png", 6, 6, [](juce::Graphics& g) { meterSegment(g, meterGreen); }),
        picture("v2/bg_peak_yellow.png", 6, 6, [](juce::Graphics& g) { meterSegment(g, meterYellow); }),
        picture("v2/bg_peak_red.png", 6, 6, [](juce::Graphics& g) { meterSegment(g, meterRed); }),
        picture("v2/bg_peak_inactive.png", 6, 6, meterSegmentUnlit),
        picture("v2/bg_oscilloscope_back.png", 152, 96, scopeBack),
        picture("v2/bg_oscilloscope_overlay-mask.png", 164, 104, scopeOverlay),
        picture("scale9_tooltip_arrow.png", 24, 24, tooltipArrow),
    };

    for (const bool left : { true, false })
    {
        const juce::String side = left ? "left" : "right";
        for (const auto& [suffix, state] : { std::pair { "default", ArrowState::normal },
                                             std::pair { "mousedown", ArrowState::pressed },
                                             std::pair { "disabled", ArrowState::disabled } })
            all.push_back({ "btn_presets_" + side + "_" + suffix + ".png", 80, 80,
                            [left, state = state](juce::Graphics& g, const Typefaces&) { presetArrow(g, left, state); } });
    }
    return all;
}
} // namespace

const std::vector<Picture>& pictures()
{
    static const auto all = makePictures();
    return all;
}

juce::Image render(const Picture& picture, const ArtworkStyle::Typefaces& typefaces)
{
    juce::Image image(juce::Image::ARGB, picture.width, picture.height, true, juce::SoftwareImageType());
    juce::Graphics g(image);
    g.setImageResamplingQuality(juce::Graphics::highResamplingQuality);
    g.addTransform(juce::AffineTransform::scale(ArtworkStyle::pixelsPerUnit));
    picture.paint(g, typefaces);
    return image;
}

juce::MemoryBlock encodePng(const juce::Image& image)
{
    juce::MemoryOutputStream png;
    juce::PNGImageFormat().writeImageToStream(image, png);
    return png.getMemoryBlock();
}
} // namespace Artwork
