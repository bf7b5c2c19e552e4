#include "navigator/SphereNavigator.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float radiansPerPixel = 0.005f;
constexpr float fineRadiansPerPixel = 0.0004f; // with Alt: 12.5 times finer
constexpr double coastingDecay = 0.7;          // per timer tick
constexpr float coastingFloor = 0.0001f;

const juce::Colour labelColour { 0xDA, 0xFE, 0xD9 };

/** Where a picture authored at twice its size goes: its drawn size and offset. */
struct ImagePlacement
{
    float width;
    float height;
    float dx;
    float dy;
};

constexpr ImagePlacement backPlacement { 369.0f, 334.0f, -9.0f, 1.0f };
constexpr ImagePlacement compactBackPlacement { 350.0f, 317.0f, -9.0f, 3.0f };
constexpr ImagePlacement overlayPlacement { 369.0f, 351.0f, -9.0f, -2.0f };
constexpr ImagePlacement compactOverlayPlacement { 350.0f, 333.0f, -8.0f, 1.0f };

void drawPlaced(juce::Graphics& g, const juce::Image& image, const ImagePlacement& placement)
{
    if (! image.isValid())
        return;
    const auto transform = juce::AffineTransform::scale(placement.width / static_cast<float>(image.getWidth()),
                                                        placement.height / static_cast<float>(image.getHeight()))
                               .translated(placement.dx, placement.dy);
    g.drawImageTransformed(image, transform);
}

juce::uint8 alphaByte(float alpha)
{
    if (alpha <= 0.0f)
        return 0;
    if (alpha >= 1.0f)
        return 255;
    return static_cast<juce::uint8>(juce::roundToInt(alpha * 255.0f));
}

float decayed(float velocity)
{
    const auto slowed = static_cast<float>(static_cast<double>(velocity) * coastingDecay);
    return std::abs(slowed) < coastingFloor ? 0.0f : slowed;
}
} // namespace

SphereNavigator::SphereNavigator()
{
    startTimer(timerIntervalMs);
}

SphereNavigator::~SphereNavigator()
{
    stopTimer();
}

void SphereNavigator::moveTo(const SphereModel::Quaternion& q)
{
    stopCoasting();
    model.setOrientation(q);
}

void SphereNavigator::stopCoasting()
{
    horizontalVelocity.store(0.0f, std::memory_order_relaxed);
    verticalVelocity.store(0.0f, std::memory_order_relaxed);
}

juce::Point<float> SphereNavigator::getAngularVelocity() const
{
    return { horizontalVelocity.load(std::memory_order_relaxed), verticalVelocity.load(std::memory_order_relaxed) };
}

void SphereNavigator::setCompactMode(bool compact)
{
    compactMode = compact;
    repaint();
}

void SphereNavigator::setLabelFont(const juce::Font& font)
{
    labelFont = font;
    repaint();
}

void SphereNavigator::setBackImage(const juce::Image& image)
{
    backImage = image;
    repaint();
}

void SphereNavigator::setOverlayImage(const juce::Image& image)
{
    overlayImage = image;
    repaint();
}

float SphereNavigator::toHostValue(float component)
{
    return static_cast<float>(0.1 * static_cast<double>(component) + 0.5);
}

float SphereNavigator::toComponent(float hostValue)
{
    return 10.0f * hostValue - 5.0f;
}

//==============================================================================
void SphereNavigator::mouseDown(const juce::MouseEvent& e)
{
    if (dragging)
        return;

    if (e.position.getDistanceFrom(getLocalBounds().toFloat().getCentre()) >= hitRadius)
    {
        if (auto* parent = getParentComponent())
            parent->mouseDown(e.getEventRelativeTo(parent));
        return;
    }

    if (e.getNumberOfClicks() == 2)
    {
        // Back to the start position; the owner's next synchronisation turns the view.
        if (delegate != nullptr)
            delegate->navigatorMoved(toHostValue(0.0f), toHostValue(0.0f), toHostValue(0.0f), toHostValue(1.0f));
        repaint();
        return;
    }

    dragging = true;
    lastMousePosition = e.position;
    stopCoasting();
    if (delegate != nullptr)
        delegate->navigatorGestureBegan();
}

void SphereNavigator::mouseDrag(const juce::MouseEvent& e)
{
    if (! dragging)
    {
        if (auto* parent = getParentComponent())
            parent->mouseDrag(e.getEventRelativeTo(parent));
        return;
    }

    const float k = e.mods.isAltDown() ? fineRadiansPerPixel : radiansPerPixel;
    const float horizontal = (lastMousePosition.x - e.position.x) * k;
    const float vertical = (e.position.y - lastMousePosition.y) * k;
    horizontalVelocity.store(horizontal, std::memory_order_relaxed);
    verticalVelocity.store(vertical, std::memory_order_relaxed);
    model.rotateBy(vertical, horizontal);
    lastMousePosition = e.position;
    reportPosition();
    repaint();
}

void SphereNavigator::mouseUp(const juce::MouseEvent& e)
{
    if (dragging)
    {
        if (delegate != nullptr)
            delegate->navigatorGestureEnded();
    }
    else if (auto* parent = getParentComponent())
    {
        parent->mouseUp(e.getEventRelativeTo(parent));
    }
    dragging = false;
}

void SphereNavigator::reportPosition() const
{
    if (delegate == nullptr)
        return;
    const auto& q = model.getOrientation();
    delegate->navigatorMoved(toHostValue(q.x), toHostValue(q.y), toHostValue(q.z), toHostValue(q.w));
}

void SphereNavigator::timerCallback()
{
    const float horizontal = decayed(horizontalVelocity.load(std::memory_order_relaxed));
    const float vertical = decayed(verticalVelocity.load(std::memory_order_relaxed));
    horizontalVelocity.store(horizontal, std::memory_order_relaxed);
    verticalVelocity.store(vertical, std::memory_order_relaxed);
    if (dragging || (horizontal == 0.0f && vertical == 0.0f))
        return;

    // Only the view coasts: the sound and the host values stay where the drag ended.
    model.rotateBy(vertical, horizontal);
    repaint();
}

//==============================================================================
juce::Point<float> SphereNavigator::viewCentre() const
{
    return { static_cast<float>(getWidth()) / 2.0f, static_cast<float>(getHeight()) / 2.0f - 2.0f };
}

SphereNavigator::PixelPosition SphereNavigator::toPixels(const SphereModel::ProjectedPoint& p) const
{
    const auto centre = viewCentre();
    const float radius = static_cast<float>(getHeight()) / 2.0f - 24.0f;

    float sx = p.screenX;
    float sy = p.screenY;
    const float distanceSquared = sx * sx + sy * sy;
    // Points beyond the rim are mirrored into the disc.
    const bool outside = distanceSquared > 0.999f;
    if (outside)
    {
        sx /= distanceSquared;
        sy /= distanceSquared;
    }
    return { sx * radius + centre.x, sy * radius + centre.y, outside };
}

void SphereNavigator::paint(juce::Graphics& g)
{
    drawPlaced(g, backImage, compactMode ? compactBackPlacement : backPlacement);
    paintPoints(g);
    paintSelection(g);
    g.setColour(juce::Colours::white);
    drawPlaced(g, overlayImage, compactMode ? compactOverlayPlacement : overlayPlacement);
}

void SphereNavigator::paintPoints(juce::Graphics& g) const
{
    for (const auto& p : model.getProjected())
    {
        const PixelPosition at = toPixels(p);
        const float half = 0.3f * std::max(p.size, 2.0f);
        g.setColour(juce::Colours::white.withAlpha(alphaByte(p.alpha)));
        g.drawLine(at.x - half, at.y, at.x + half, at.y);
        g.drawLine(at.x, at.y - half, at.x, at.y + half);
    }
}

void SphereNavigator::paintSelection(juce::Graphics& g) const
{
    const auto centre = viewCentre();
    const auto projected = model.getProjected();

    for (const auto& selected : model.getSelection())
    {
        const auto& p = projected[static_cast<size_t>(selected.index)];
        const PixelPosition at = toPixels(p);

        float a = at.pulledInside ? 0.0f : p.alpha;
        float b = 2.0f * a - 1.0f;
        // Labels near the rim fade out instead of crowding it.
        const float distanceSquared = p.screenX * p.screenX + p.screenY * p.screenY;
        if (distanceSquared > 0.7f && b > 0.5f)
            b = a = 1.0f - std::min(distanceSquared, 1.0f);

        g.setColour(labelColour.withAlpha(alphaByte(b * b)));
        g.drawLine(centre.x, centre.y, at.x, at.y);

        const juce::Font font = labelFont.withHeight(13.0f * a * a);
        g.setFont(font);
        const juce::String name = delegate != nullptr ? delegate->getPointName(selected.index) : "";
        g.drawText(name, static_cast<int>(at.x - 80.0f), static_cast<int>(at.y - 6.0f - 6.0f * a * a), 160, 10,
                   juce::Justification::centredBottom, true);

        const auto nameWidth = static_cast<float>(std::ceil(font.getStringWidthFloat(name)));
        g.drawText(juce::String(selected.weight * 100.0f, 1) + "%", static_cast<int>(at.x - nameWidth / 2.0f),
                   static_cast<int>(at.y - 2.0f + 6.0f * a * a), 160, 10, juce::Justification::bottomLeft, true);
    }
}
