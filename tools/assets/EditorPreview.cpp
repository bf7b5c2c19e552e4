#include "assets/EditorPreview.h"

#include "assets/EditorLayout.h"

#include <cmath>

namespace EditorPreview
{
namespace
{
namespace Layout = EditorLayout;
using juce::Point;
using juce::Rectangle;

const juce::Colour arcColour { 0xff345661 };

void drawPicture(juce::Graphics& g, const juce::Image& picture, Rectangle<float> area)
{
    if (picture.isValid())
    {
        g.setOpacity(1.0f);
        g.drawImage(picture, area, juce::RectanglePlacement::stretchToFit);
    }
}

/** A picture at half its pixel size, centred in the widget, as knobs and switches draw theirs. */
void drawCentred(juce::Graphics& g, const juce::Image& picture, Rectangle<float> widget)
{
    if (picture.isValid())
        drawPicture(g, picture, Rectangle<float>((float) picture.getWidth() / 2.0f, (float) picture.getHeight() / 2.0f).withCentre(widget.getCentre()));
}

/** The knob widget's value arc, ring and pointer dot for a knob type of 0 or 1. */
void knobIndicator(juce::Graphics& g, Rectangle<float> bounds, int type, float value)
{
    const float w = bounds.getWidth();
    const float h = bounds.getHeight();
    const float range = Layout::knobAngleRange;
    const float angle = range * (2.0f * value - 1.0f);
    const bool small = type == 0;

    juce::Graphics::ScopedSaveState state(g);
    g.addTransform(juce::AffineTransform::translation(bounds.getPosition()));
    g.setColour(arcColour);

    juce::Path arc;
    if (small)
        arc.addCentredArc((w - 5.0f) / 2.0f + 3.0f, (h - 5.5f) / 2.0f + 2.5f, (w - 5.0f) / 2.0f, (h - 5.5f) / 2.0f, 0.0f, -range, angle, true);
    else
        arc.addCentredArc((w - 4.0f) / 2.0f + 2.0f, (h - 4.0f) / 2.0f + 2.0f, (w - 4.0f) / 2.0f, (h - 4.0f) / 2.0f, 0.0f, -range, angle, true);
    g.strokePath(arc, juce::PathStrokeType(2.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::square));

    const float gap = small ? 0.2f : 0.185f;
    const Point<float> ringCentre = small ? Point<float>(w / 2.0f + 0.5f, h / 2.0f - 0.25f) : Point<float>(w / 2.0f, h / 2.0f);
    const float ringRadius = small ? w / 2.0f - 17.75f : w / 2.0f - 21.0f;
    juce::Path ring;
    ring.addCentredArc(ringCentre.x, ringCentre.y, ringRadius, ringRadius, 0.0f, angle + gap,
                       angle + juce::MathConstants<float>::twoPi - gap, true);
    g.strokePath(ring, juce::PathStrokeType(1.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt));

    const float theta = juce::MathConstants<float>::pi - angle;
    const float dotRadius = small ? w / 2.0f - 18.0f : w / 2.0f - 21.0f;
    const Point<float> dotOffset = small ? Point<float>(1.5f, 2.25f) : Point<float>(2.5f, 2.5f);
    const float dotSize = small ? 4.0f : 5.0f;
    g.fillEllipse(std::sin(theta) * dotRadius + w / 2.0f - dotOffset.x, std::cos(theta) * dotRadius + h / 2.0f - dotOffset.y,
                  dotSize, dotSize);
}

struct KnobSetting
{
    Rectangle<float> bounds;
    const char* picture;
    int type;
    float value;
};

void knobs(juce::Graphics& g, QMAssetManager& assets)
{
    const KnobSetting settings[] = {
        { Layout::delayTimeKnob, "v2/bg_smallknob_green.png", 0, 0.42f },
        { Layout::delayFeedbackKnob, "v2/bg_smallknob_green.png", 0, 0.63f },
        { Layout::delayMixKnob, "v2/bg_bigknob_green.png", 1, 0.35f },
        { Layout::pitchBendRangeKnob, "v2/bg_bigknob_red.png", 1, 2.0f / 11.0f },
        { Layout::glideTimeKnob, "v2/bg_bigknob_red.png", 1, 0.22f },
    };
    for (const auto& knob : settings)
    {
        drawCentred(g, assets.getImage(knob.picture), knob.bounds);
        knobIndicator(g, knob.bounds, knob.type, knob.value);
    }
}

/** Some of the navigator's 70 points, projected as it projects them, on a slightly turned sphere. */
void spherePoints(juce::Graphics& g, QMAssetManager& assets)
{
    constexpr int count = 70;
    const auto centre = Layout::sphereCentre();
    const float radius = Layout::sphereRadius();
    const auto labelFont = assets.getFont("fonts/Roboto-Bold.ttf");
    const float turnX = 0.35f;
    const float turnY = -0.5f;

    for (int i = 0; i < count; ++i)
    {
        const float y = (float) i * (2.0f / count) - (1.0f - 1.0f / count);
        const float r = std::sqrt(1.0f - y * y);
        const float phi = std::fmod((float) i + 1.22f, (float) count) * 2.3999631f;
        float px = r * std::cos(phi), py = y, pz = r * std::sin(phi);

        // Turn about the vertical axis, then the horizontal one.
        const float x1 = px * std::cos(turnY) + pz * std::sin(turnY);
        const float z1 = -px * std::sin(turnY) + pz * std::cos(turnY);
        const float y2 = py * std::cos(turnX) - z1 * std::sin(turnX);
        const float z2 = py * std::sin(turnX) + z1 * std::cos(turnX);
        px = x1;
        py = y2;
        pz = z2;

        const float depth = 4.8865979f - 3.0618557f * pz;
        float sx = 3.732051f * px / depth;
        float sy = 3.732051f * py / depth;
        const float alpha = juce::jlimit(0.0f, 1.0f, 2.0f * pz - 1.0f);
        const float size = 10.0f * pz - 2.0f;
        const float squared = sx * sx + sy * sy;
        if (squared > 0.999f)
        {
            sx /= squared;
            sy /= squared;
        }
        const Point<float> at { sx * radius + centre.x, sy * radius + centre.y };

        const float half = 0.3f * juce::jmax(size, 2.0f);
        g.setColour(juce::Colours::white.withAlpha(alpha));
        g.drawLine(at.x - half, at.y, at.x + half, at.y);
        g.drawLine(at.x, at.y - half, at.x, at.y + half);

        if (pz > 0.751f)
        {
            float a = alpha;
            float b = 2.0f * a - 1.0f;
            if (squared > 0.7f && b > 0.5f)
                b = a = 1.0f - juce::jmin(squared, 1.0f);
            g.setColour(juce::Colour(0xDA, 0xFE, 0xD9).withAlpha(juce::jlimit(0.0f, 1.0f, b * b)));
            g.drawLine(centre.x, centre.y, at.x, at.y);
            g.setFont(labelFont.withHeight(13.0f * a * a));
            const auto name = "Sound " + juce::String(i + 1);
            g.drawText(name, Rectangle<float>(at.x - 80.0f, at.y - 6.0f - 6.0f * a * a, 160.0f, 10.0f),
                       juce::Justification::centredBottom, true);
            const float nameWidth = std::ceil(g.getCurrentFont().getStringWidthFloat(name));
            g.drawText(juce::String(100.0f / 9.0f, 1) + "%",
                       Rectangle<float>(at.x - nameWidth / 2.0f, at.y - 2.0f + 6.0f * a * a, 160.0f, 10.0f),
                       juce::Justification::bottomLeft, true);
        }
    }
}

void sphere(juce::Graphics& g, QMAssetManager& assets)
{
    const auto navigator = Layout::sphereNavigator.getPosition();
    drawPicture(g, assets.getImage("v2/bg_sphere_back.png"), Layout::sphereBack + navigator);
    spherePoints(g, assets);
    drawPicture(g, assets.getImage("v2/bg_sphere_overlay.png"), Layout::sphereOverlay + navigator);
}

void switches(juce::Graphics& g, QMAssetManager& assets)
{
    drawCentred(g, assets.getImage("v2/btn_switch_on.png"), Layout::legatoSwitch);
    drawCentred(g, assets.getImage("v2/btn_switch_off.png"), Layout::delaySwapSwitch);
}

void volumeSlider(juce::Graphics& g, QMAssetManager& assets)
{
    constexpr float value = 0.72f;
    const auto slider = Layout::volumeSlider;
    const float travel = slider.getHeight() - Layout::volumeThumbHeight;
    drawPicture(g, assets.getImage("v2/btn_volume.png"),
                { slider.getX() + (slider.getWidth() - Layout::volumeThumbWidth) / 2.0f, slider.getY() + (1.0f - value) * travel,
                  Layout::volumeThumbWidth, Layout::volumeThumbHeight });
}

void meters(juce::Graphics& g, QMAssetManager& assets)
{
    constexpr int segments = 27;
    constexpr float segmentSize = 3.0f;
    const juce::Image pictures[] = { assets.getImage("v2/bg_peak_activegreen.png"), assets.getImage("v2/bg_peak_yellow.png"),
                                     assets.getImage("v2/bg_peak_red.png"), assets.getImage("v2/bg_peak_inactive.png") };
    const auto area = Layout::meters;

    for (const auto& [x, levelDb] : { std::pair { 0.0f, -1.5f }, std::pair { area.getWidth() / 2.0f + 1.0f, -9.0f } })
    {
        for (int i = 0; i < segments; ++i)
        {
            const float threshold = -100.0f + 105.0f * std::sqrt((float) i / segments);
            const int index = threshold >= levelDb - 2.0f ? 3 : threshold > -3.0f ? 2 : threshold > -13.0f ? 1 : 0;
            const float y = (area.getHeight() - segmentSize) - (float) i * (area.getHeight() - segmentSize) / (segments - 1);
            drawPicture(g, pictures[index], { area.getX() + x, area.getY() + y, segmentSize, segmentSize });
        }
    }
}

void oscilloscope(juce::Graphics& g, QMAssetManager& assets)
{
    juce::Graphics::ScopedSaveState state(g);
    g.addTransform(juce::AffineTransform::translation(Layout::oscilloscope.getPosition()));
    g.reduceClipRegion(Layout::oscilloscope.withZeroOrigin().toNearestInt());
    drawPicture(g, assets.getImage("v2/bg_oscilloscope_back.png"), Layout::scopeScreen);

    const auto sample = [](int i) { return 0.22f * std::sin((float) i * 0.21f) + 0.06f * std::sin((float) i * 0.77f); };
    g.setColour(juce::Colour(0xff68a5a5));
    for (int i = 1; i < 69; ++i)
        g.drawLine((float) i + 6.0f, 26.0f - 75.0f * sample(i - 1), (float) i + 7.25f, 26.0f - 75.0f * sample(i));

    drawPicture(g, assets.getImage("v2/bg_oscilloscope_overlay-mask.png"), Layout::oscilloscope.withZeroOrigin());
}

void zoomButton(juce::Graphics& g, QMAssetManager& assets)
{
    drawPicture(g, assets.getImage("v2/btn_zoom_default.png"),
                Rectangle<float>(Layout::zoomImageSize, Layout::zoomImageSize).withCentre(Layout::zoomButton.getCentre()));
}

void versionLabel(juce::Graphics& g, QMAssetManager& assets)
{
    g.setColour(juce::Colour(0xff426c71));
    g.setFont(assets.getFont("fonts/overpass-regular.ttf").withHeight(13.0f));
    g.drawText("v2.0.0", Layout::versionLabel, juce::Justification::centredLeft, true);
}

/** The value tooltip as it shows over a knob being dragged. */
void valueTooltip(juce::Graphics& g, QMAssetManager& assets, Rectangle<float> knob, const juce::String& text)
{
    const auto font = assets.getFont("fonts/overpass-regular.ttf").withHeight(14.0f);
    const float width = std::ceil(font.getStringWidthFloat("-0.000%")) + 6.0f + 5.0f;
    constexpr float height = 36.0f;
    constexpr float inset = 10.0f;
    const Rectangle<float> bubble { std::trunc(knob.getCentreX() - width / 2.0f),
                                    std::trunc(knob.getCentreY() - 2.0f - knob.getHeight() / 2.0f - height), width, height };

    juce::Graphics::ScopedSaveState state(g);
    g.addTransform(juce::AffineTransform::translation(bubble.getPosition()));
    g.reduceClipRegion(bubble.withZeroOrigin().toNearestInt());
    g.setColour(juce::Colours::white);
    g.fillRoundedRectangle(inset / 2.0f, inset / 2.0f, width - inset, height - inset, inset / 2.0f);
    g.fillRect(inset, inset, width - 2.0f * inset, height - 2.0f * inset);

    const auto arrow = assets.getImage("scale9_tooltip_arrow.png");
    if (arrow.isValid())
        drawPicture(g, arrow, { width / 2.0f - (float) arrow.getWidth() / 4.0f, height - 1.0f - (float) arrow.getHeight() / 4.0f,
                                (float) arrow.getWidth() / 2.0f, (float) arrow.getHeight() / 2.0f });

    g.setColour(juce::Colour(0xff4a4a4a));
    g.setFont(font);
    g.drawText(text, bubble.withZeroOrigin(), juce::Justification::centred, false);
}
} // namespace

juce::Image render(QMAssetManager& assets, float zoom)
{
    const auto size = (Layout::content.getBottomRight() * zoom).roundToInt();
    juce::Image image(juce::Image::ARGB, size.x, size.y, true, juce::SoftwareImageType());
    juce::Graphics g(image);
    g.setImageResamplingQuality(juce::Graphics::highResamplingQuality);
    g.addTransform(juce::AffineTransform::scale(zoom));

    g.fillAll(juce::Colour(0xffd3e6f2));
    drawPicture(g, assets.getImage("v2/bg.png"), Layout::content);
    versionLabel(g, assets);
    sphere(g, assets);
    knobs(g, assets);
    switches(g, assets);
    volumeSlider(g, assets);
    meters(g, assets);
    oscilloscope(g, assets);
    zoomButton(g, assets);
    valueTooltip(g, assets, Layout::delayMixKnob, "35%");
    return image;
}
} // namespace EditorPreview
