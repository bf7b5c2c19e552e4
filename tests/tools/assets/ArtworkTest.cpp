#include "assets/Artwork.h"
#include "assets/EditorLayout.h"
#include "assets/PanelLabels.h"

#include <gtest/gtest.h>

namespace
{
namespace Layout = EditorLayout;

ArtworkStyle::Typefaces loadTypefaces()
{
    ArtworkStyle::Typefaces typefaces;
    const auto loaded = ArtworkStyle::Typefaces::load(juce::File(TESSARO_TYPEFACE_DIR), typefaces);
    EXPECT_TRUE(loaded.wasOk()) << loaded.getErrorMessage();
    return typefaces;
}

TEST(Artwork, EveryPictureDrawsToTheSameBytesEachTime)
{
    const auto typefaces = loadTypefaces();
    for (const auto& picture : Artwork::pictures())
    {
        const auto first = Artwork::encodePng(Artwork::render(picture, typefaces));
        const auto second = Artwork::encodePng(Artwork::render(picture, typefaces));
        EXPECT_TRUE(first == second) << picture.name;
    }
}

TEST(Artwork, PanelLabelsKeepClearOfWhatTheEditorDrawsOverThem)
{
    const auto typefaces = loadTypefaces();

    // The version label's letters, as the editor paints them over the panel.
    juce::GlyphArrangement version;
    version.addFittedText(juce::Font(typefaces.text).withHeight(13.0f), "v2.0.0", Layout::versionLabel.getX(),
                          Layout::versionLabel.getY(), Layout::versionLabel.getWidth(), Layout::versionLabel.getHeight(),
                          juce::Justification::centredLeft, 1);

    const std::pair<const char*, juce::Rectangle<float>> keepOut[] = {
        { "delay time knob", Layout::delayTimeKnob },   { "delay feedback knob", Layout::delayFeedbackKnob },
        { "delay mix knob", Layout::delayMixKnob },     { "delay swap switch", Layout::delaySwapSwitch },
        { "legato switch", Layout::legatoSwitch },      { "pitch bend knob", Layout::pitchBendRangeKnob },
        { "glide knob", Layout::glideTimeKnob },        { "meters", Layout::meters },
        { "volume slider", Layout::volumeSlider },      { "oscilloscope", Layout::oscilloscope },
        { "zoom button", Layout::zoomButton },          { "preset bar", Layout::presetBar },
        { "version label", version.getBoundingBox(0, -1, true) },
    };

    // The sphere's glass and bezel, as the navigator's pictures draw them.
    const auto sphereCentre = Layout::sphereCentre();
    constexpr float sphereOuterRadius = 157.0f;

    for (const auto& label : PanelLabels::all())
    {
        const auto ink = PanelLabels::inkBounds(label, typefaces);
        ASSERT_FALSE(ink.isEmpty()) << label.text;
        EXPECT_TRUE(Layout::content.contains(ink)) << label.text;
        for (const auto& [what, area] : keepOut)
            EXPECT_FALSE(ink.intersects(area)) << label.text << " overlaps the " << what;

        const auto nearest = ink.getConstrainedPoint(sphereCentre);
        EXPECT_GT(nearest.getDistanceFrom(sphereCentre), sphereOuterRadius) << label.text << " overlaps the sphere";
    }
}
} // namespace
