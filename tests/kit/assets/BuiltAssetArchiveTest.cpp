#include "kit/assets/QMAssetManager.h"

#include <gtest/gtest.h>

namespace
{
// Every name the editor requests, with the pixel size its picture is authored at
// (twice the size at which the editor draws it).
struct PictureCase
{
    const char* name;
    int width;
    int height;
};
const PictureCase pictures[] = {
    { "v2/bg.png", 1760, 670 },
    { "v2/bg_sphere_back.png", 738, 668 },
    { "v2/bg_sphere_overlay.png", 738, 702 },
    { "v2/btn_volume.png", 134, 82 },
    { "v2/bg_smallknob_green.png", 148, 148 },
    { "v2/bg_bigknob_green.png", 184, 184 },
    { "v2/bg_bigknob_red.png", 184, 184 },
    { "v2/bg_PBnGlide.png", 184, 184 },
    { "v2/btn_switch_on.png", 200, 32 },
    { "v2/btn_switch_off.png", 200, 32 },
    { "v2/btn_zoom_default.png", 28, 28 },
    { "v2/btn_zoom_mousedown.png", 28, 28 },
    { "v2/bg_peak_activegreen.png", 6, 6 },
    { "v2/bg_peak_yellow.png", 6, 6 },
    { "v2/bg_peak_red.png", 6, 6 },
    { "v2/bg_peak_inactive.png", 6, 6 },
    { "v2/bg_oscilloscope_back.png", 152, 96 },
    { "v2/bg_oscilloscope_overlay-mask.png", 164, 104 },
    { "scale9_tooltip_arrow.png", 24, 24 },
    { "btn_presets_left_default.png", 80, 80 },
    { "btn_presets_left_mousedown.png", 80, 80 },
    { "btn_presets_left_disabled.png", 80, 80 },
    { "btn_presets_right_default.png", 80, 80 },
    { "btn_presets_right_mousedown.png", 80, 80 },
    { "btn_presets_right_disabled.png", 80, 80 },
};

struct FontCase
{
    const char* name;
    const char* family;
    const char* style;
};
const FontCase fonts[] = {
    { "fonts/Roboto-Bold.ttf", "Roboto", "Bold" },
    { "fonts/overpass-regular.ttf", "Overpass", "Regular" },
    { "fonts/overpass-mono-semibold.ttf", "Overpass Mono", "SemiBold" },
};

TEST(BuiltAssetArchive, HoldsEveryPictureAtItsAuthoredSize)
{
    QMAssetManager assets(TESSARO_BUILT_ASSET_ARCHIVE);
    for (const auto& picture : pictures)
    {
        const auto image = assets.getImage(picture.name);
        ASSERT_TRUE(image.isValid()) << picture.name;
        EXPECT_EQ(image.getWidth(), picture.width) << picture.name;
        EXPECT_EQ(image.getHeight(), picture.height) << picture.name;
    }
}

TEST(BuiltAssetArchive, HoldsTheRealTypefaces)
{
    QMAssetManager assets(TESSARO_BUILT_ASSET_ARCHIVE);
    for (const auto& font : fonts)
    {
        const auto typeface = assets.getFont(font.name).getTypefacePtr();
        ASSERT_NE(typeface, nullptr) << font.name;
        EXPECT_EQ(typeface->getName(), font.family) << font.name;
        EXPECT_EQ(typeface->getStyle(), font.style) << font.name;
    }
}
} // namespace
