#pragma once

#include <array>
#include <span>

/**
    The points of the sound sphere, the sphere's orientation and what a fixed
    camera sees of it: where each point lands on screen, how near it is, and
    which points on the front cap are weighted into the sound.

    The orientation is a quaternion that is never normalised: the host sets its
    four components independently, and a quaternion of another length simply
    stretches the point set. Plain data with no lock; its owner decides which
    thread drives it.
*/
class SphereModel
{
public:
    static constexpr int maxPoints = 512;

    struct Quaternion
    {
        float x = 0.0f;
        float y = 0.0f;
        float z = 0.0f;
        float w = 1.0f;
    };

    struct Point
    {
        float x = 0.0f;
        float y = 0.0f;
        float z = 0.0f;
    };

    /** Screen position (centre 0, sphere radius about 1), cross size and opacity of a point. */
    struct ProjectedPoint
    {
        float screenX = 0.0f;
        float screenY = 0.0f;
        float size = 0.0f;
        float alpha = 0.0f;
    };

    /** A point on the front cap, its distance from the centre of the view and its share of the sound. */
    struct SelectedPoint
    {
        int index = 0;
        float distance = 0.0f;
        float weight = 0.0f;
    };

    explicit SphereModel(int pointCount);

    /** Lays out n points (at most maxPoints) on a golden-angle spiral from the bottom pole up, then reprojects. */
    void setPointCount(int n);
    int getPointCount() const { return pointCount; }

    /** Turns the view by a about its horizontal axis and by b about its vertical axis, then reprojects. */
    void rotateBy(float a, float b);

    /**
        The shortest turn of the sphere that brings a point to the centre of the
        view, where it is heard alone; unit length, so it is a true rotation.
    */
    Quaternion orientationFacing(int index) const;

    /** Takes a new orientation as it stands and reprojects. */
    void setOrientation(const Quaternion& q);
    const Quaternion& getOrientation() const { return orientation; }

    std::span<const Point> getPoints() const { return { points.data(), static_cast<size_t>(pointCount) }; }
    std::span<const ProjectedPoint> getProjected() const
    {
        return { projected.data(), static_cast<size_t>(pointCount) };
    }
    /** The front cap in point order; the weights sum to 1 unless no point has a finite distance. */
    std::span<const SelectedPoint> getSelection() const
    {
        return { selection.data(), static_cast<size_t>(selectionCount) };
    }

    /**
        Inverse-distance weights, normalised to sum 1. A point whose inverse
        distance is infinite (it sits on the centre) takes the whole weight, the
        first such point in order if there are several; a point at an infinite or
        undefined distance (possible with stretched orientations) takes none.
    */
    static void weigh(std::span<SelectedPoint> points);

private:
    void project();

    int pointCount = 0;
    Quaternion orientation;
    std::array<Point, maxPoints> points {};
    std::array<ProjectedPoint, maxPoints> projected {};
    std::array<SelectedPoint, maxPoints> selection {};
    int selectionCount = 0;
};
