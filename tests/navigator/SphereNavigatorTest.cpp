#include "navigator/NavigatorTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

using navigator_test::drag;
using navigator_test::frontPoint;
using navigator_test::mouseEvent;

namespace
{
struct RecordingDelegate : SphereNavigator::Delegate
{
    void navigatorGestureBegan() override { ++began; }
    void navigatorGestureEnded() override { ++ended; }
    void navigatorMoved(float x, float y, float z, float a) override { moves.push_back({ x, y, z, a }); }
    const char* getPointName(int) override { return name; }

    int began = 0;
    int ended = 0;
    std::vector<std::array<float, 4>> moves;
    const char* name = "";
};

struct RecordingParent : juce::Component
{
    void mouseDown(const juce::MouseEvent&) override { ++downs; }
    void mouseDrag(const juce::MouseEvent&) override { ++drags; }
    void mouseUp(const juce::MouseEvent&) override { ++ups; }

    int downs = 0;
    int drags = 0;
    int ups = 0;
};

double rotationAngle(const SphereModel::Quaternion& q)
{
    return 2.0 * std::atan2(std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z), q.w);
}

class SphereNavigatorTest : public testing::Test
{
protected:
    SphereNavigatorTest()
    {
        // The tests tick the coasting themselves.
        navigator.stopTimer();
        navigator.setDelegate(&delegate);
        navigator.setPointCount(70);
        parent.setSize(400, 400);
        navigator.setBounds(0, 0, 360, 335);
        parent.addAndMakeVisible(navigator);
    }

    juce::Point<float> centre() const { return navigator.getLocalBounds().toFloat().getCentre(); }
    const SphereModel& model() const { return navigator.getModel(); }

    RecordingDelegate delegate;
    RecordingParent parent;
    SphereNavigator navigator;
};
} // namespace

struct DragDirection
{
    const char* name;
    juce::Point<float> offset;
    juce::Point<float> expectedMove; ///< the front point's direction on screen
};

class SphereNavigatorDrag : public SphereNavigatorTest, public testing::WithParamInterface<DragDirection>
{
};

TEST_P(SphereNavigatorDrag, MovesTheFrontPointWithTheMouse)
{
    const auto& param = GetParam();
    const int front = frontPoint(model());
    const auto before = model().getProjected()[static_cast<size_t>(front)];

    drag(navigator, centre(), { param.offset });

    const auto after = model().getProjected()[static_cast<size_t>(front)];
    const juce::Point<float> move { after.screenX - before.screenX, after.screenY - before.screenY };
    // Mostly along the drag; perspective bends it a little for a point off the centre.
    EXPECT_GT(move.getDotProduct(param.expectedMove), 0.9f * move.getDistanceFromOrigin());
}

INSTANTIATE_TEST_SUITE_P(Directions, SphereNavigatorDrag,
                         testing::Values(DragDirection { "right", { 40.0f, 0.0f }, { 1.0f, 0.0f } },
                                         DragDirection { "left", { -40.0f, 0.0f }, { -1.0f, 0.0f } },
                                         DragDirection { "down", { 0.0f, 40.0f }, { 0.0f, 1.0f } },
                                         DragDirection { "up", { 0.0f, -40.0f }, { 0.0f, -1.0f } }),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SphereNavigatorTest, AltMakesTheDrag12Point5TimesFiner)
{
    drag(navigator, centre(), { { 100.0f, 0.0f } });
    const double coarse = rotationAngle(model().getOrientation());

    SphereNavigator fine;
    fine.setPointCount(70);
    fine.setBounds(navigator.getBounds());
    const auto alt = juce::ModifierKeys(juce::ModifierKeys::leftButtonModifier | juce::ModifierKeys::altModifier);
    drag(fine, centre(), { { 100.0f, 0.0f } }, alt);

    EXPECT_NEAR(coarse, 0.5, 1e-5);
    EXPECT_NEAR(coarse / rotationAngle(fine.getModel().getOrientation()), 12.5, 1e-3);
}

TEST_F(SphereNavigatorTest, DragIsOneGestureThatReportsEveryStep)
{
    drag(navigator, centre(), { { 10.0f, 0.0f }, { 20.0f, 5.0f }, { 30.0f, 15.0f } });

    EXPECT_EQ(delegate.began, 1);
    EXPECT_EQ(delegate.ended, 1);
    ASSERT_EQ(delegate.moves.size(), 3u);
    const auto& q = model().getOrientation();
    const std::array<float, 4> expected { SphereNavigator::toHostValue(q.x), SphereNavigator::toHostValue(q.y),
                                          SphereNavigator::toHostValue(q.z), SphereNavigator::toHostValue(q.w) };
    EXPECT_EQ(delegate.moves.back(), expected);
    EXPECT_NE(delegate.moves[0], delegate.moves[1]);
    EXPECT_EQ(parent.downs + parent.drags + parent.ups, 0);
}

TEST_F(SphereNavigatorTest, DoubleClickResetsWithoutStartingADrag)
{
    drag(navigator, centre(), { { 30.0f, 30.0f } });
    delegate = {};

    navigator.mouseDown(mouseEvent(navigator, centre(), juce::ModifierKeys::leftButtonModifier, 2));
    ASSERT_EQ(delegate.moves.size(), 1u);
    EXPECT_EQ(delegate.moves[0], (std::array<float, 4> { 0.5f, 0.5f, 0.5f, 0.6f }));
    EXPECT_EQ(delegate.began, 0);

    navigator.mouseDrag(mouseEvent(navigator, centre() + juce::Point<float>(10.0f, 0.0f)));
    navigator.mouseUp(mouseEvent(navigator, centre()));
    EXPECT_EQ(parent.drags, 1);
    EXPECT_EQ(parent.ups, 1);
    EXPECT_EQ(delegate.moves.size(), 1u);
    EXPECT_EQ(delegate.ended, 0);
}

TEST_F(SphereNavigatorTest, ClicksOutsideTheSphereGoToTheParent)
{
    struct Case
    {
        float distance;
        bool inside;
    };
    for (const auto& c : { Case { 149.9f, true }, Case { 150.0f, false }, Case { 170.0f, false } })
    {
        delegate = {};
        parent.downs = 0;
        const auto at = centre() + juce::Point<float>(c.distance, 0.0f);
        navigator.mouseDown(mouseEvent(navigator, at));
        EXPECT_EQ(delegate.began, c.inside ? 1 : 0) << c.distance;
        EXPECT_EQ(parent.downs, c.inside ? 0 : 1) << c.distance;
        navigator.mouseUp(mouseEvent(navigator, at));
    }
}

TEST_F(SphereNavigatorTest, FlingCoastsTheViewToAStopWithoutReporting)
{
    drag(navigator, centre(), { { 40.0f, 0.0f } });
    EXPECT_FLOAT_EQ(navigator.getAngularVelocity().x, -0.2f);
    const auto moves = delegate.moves.size();
    const auto released = model().getOrientation();

    navigator.timerCallback();
    EXPECT_FLOAT_EQ(navigator.getAngularVelocity().x, -0.14f);
    EXPECT_NEAR(rotationAngle(model().getOrientation()), 0.2 + 0.14, 1e-5);
    EXPECT_NE(model().getOrientation().y, released.y);

    int ticks = 1;
    while (navigator.getAngularVelocity() != juce::Point<float>() && ticks < 100)
    {
        navigator.timerCallback();
        ++ticks;
    }
    EXPECT_EQ(ticks, 22); // 0.2 · 0.7²² falls below 0.0001
    const auto stopped = model().getOrientation();
    navigator.timerCallback();
    EXPECT_EQ(model().getOrientation().y, stopped.y);
    EXPECT_EQ(delegate.moves.size(), moves);
}

TEST_F(SphereNavigatorTest, NoCoastingWhileTheMouseHoldsTheSphere)
{
    navigator.mouseDown(mouseEvent(navigator, centre()));
    navigator.mouseDrag(mouseEvent(navigator, centre() + juce::Point<float>(40.0f, 0.0f)));
    const auto held = model().getOrientation();

    navigator.timerCallback();
    EXPECT_EQ(model().getOrientation().y, held.y);
    navigator.mouseUp(mouseEvent(navigator, centre()));
}

//==============================================================================
namespace
{
juce::Image paintNavigator(SphereNavigator& navigator)
{
    juce::Image image(juce::Image::ARGB, navigator.getWidth(), navigator.getHeight(), true);
    juce::Graphics g(image);
    g.fillAll(juce::Colours::black);
    navigator.paint(g);
    return image;
}

struct PixelCounts
{
    int neutral = 0;   ///< white crosses over black
    int greenish = 0;  ///< lines and labels in the label colour
};

PixelCounts countPixels(const juce::Image& image)
{
    PixelCounts counts;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
        {
            const auto c = image.getPixelAt(x, y);
            if (c.getRed() > 0 && c.getRed() == c.getGreen() && c.getGreen() == c.getBlue())
                ++counts.neutral;
            else if (c.getGreen() > c.getRed() + 4 && c.getGreen() > c.getBlue() + 4)
                ++counts.greenish;
        }
    return counts;
}

int differingPixels(const juce::Image& a, const juce::Image& b)
{
    int count = 0;
    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
            count += a.getPixelAt(x, y) != b.getPixelAt(x, y) ? 1 : 0;
    return count;
}

juce::Image solidImage(int width, int height, juce::Colour colour)
{
    juce::Image image(juce::Image::ARGB, width, height, true);
    juce::Graphics(image).fillAll(colour);
    return image;
}
} // namespace

TEST_F(SphereNavigatorTest, PaintsPointsLinesAndLabelsWithoutImagesOrFont)
{
    const auto unnamed = paintNavigator(navigator);
    const auto counts = countPixels(unnamed);
    EXPECT_GT(counts.neutral, 0);
    EXPECT_GT(counts.greenish, 0);

    delegate.name = "WWWW";
    const auto named = paintNavigator(navigator);
    EXPECT_GT(countPixels(named).greenish, counts.greenish);
}

TEST_F(SphereNavigatorTest, PaintsBackBelowAndOverlayAboveInBothLayouts)
{
    // Pictures are authored at twice their drawn size.
    navigator.setBackImage(solidImage(738, 668, juce::Colours::red));
    juce::Image overlay(juce::Image::ARGB, 738, 702, true);
    {
        juce::Graphics g(overlay);
        g.setColour(juce::Colours::lime);
        g.fillRect(0, 0, 60, 60);
    }
    navigator.setOverlayImage(overlay);

    struct Case
    {
        bool compact;
        juce::Colour farRight; // (350, 30): inside the full-size back picture, outside the compact one
    };
    for (const auto& c : { Case { false, juce::Colours::red }, Case { true, juce::Colours::black } })
    {
        navigator.setCompactMode(c.compact);
        const auto image = paintNavigator(navigator);
        EXPECT_EQ(image.getPixelAt(5, 300), juce::Colours::red) << c.compact;
        EXPECT_EQ(image.getPixelAt(350, 30), c.farRight) << c.compact;
        // The overlay is drawn opaque whatever colour the labels left behind.
        EXPECT_EQ(image.getPixelAt(5, 10), juce::Colours::lime) << c.compact;
    }
    EXPECT_GT(countPixels(paintNavigator(navigator)).greenish, 0);
}
