#include "navigator/SphereModel.h"

#include <algorithm>
#include <cmath>

namespace
{
// Azimuth step between neighbouring points: the golden angle, 2π(2 − φ).
constexpr float goldenAngle = 2.3999631f;

// The camera sits 2 units in front of the sphere's centre and looks along −z
// through a 30° vertical field of view with near plane 0.6 and far plane 20.
constexpr float cameraDistance = 2.0f;
constexpr float focalFactor = 3.732051f;   // 1 / tan(15°)
constexpr float depthScale = -1.0618557f;  // −(far + near) / (far − near)
constexpr float depthOffset = -1.2371135f; // −2 · far · near / (far − near)

// The front cap: points nearer than this to (0, 0, 3) in eye space, which for
// points on the unit sphere means t > 0.751.
constexpr float frontCapRadius = 4.3f;
constexpr float frontCapCentre = 5.0f; // t of that centre in sphere space

SphereModel::Quaternion operator*(const SphereModel::Quaternion& p, const SphereModel::Quaternion& q)
{
    return { p.w * q.x + p.x * q.w + p.y * q.z - p.z * q.y,
             p.w * q.y - p.x * q.z + p.y * q.w + p.z * q.x,
             p.w * q.z + p.x * q.y - p.y * q.x + p.z * q.w,
             p.w * q.w - p.x * q.x - p.y * q.y - p.z * q.z };
}

/** Rotation by angle about one axis (0 = x, 1 = y); the half-angle terms in double. */
SphereModel::Quaternion rotationAbout(int axis, float angle)
{
    const double half = static_cast<double>(angle) / 2.0;
    const auto s = static_cast<float>(std::sin(half));
    const auto c = static_cast<float>(std::cos(half));
    return axis == 0 ? SphereModel::Quaternion { s, 0.0f, 0.0f, c } : SphereModel::Quaternion { 0.0f, s, 0.0f, c };
}
} // namespace

SphereModel::SphereModel(int initialPointCount)
{
    setPointCount(initialPointCount);
}

void SphereModel::setPointCount(int n)
{
    pointCount = std::clamp(n, 0, maxPoints);

    const auto count = static_cast<float>(pointCount);
    const float spacing = 2.0f / count;
    const float firstY = 1.0f - 1.0f / count;
    for (int i = 0; i < pointCount; ++i)
    {
        const float y = static_cast<float>(i) * spacing - firstY;
        const float r = std::sqrt(1.0f - y * y);
        const float phi = std::fmod(static_cast<float>(i) + 1.22f, count) * goldenAngle;
        points[static_cast<size_t>(i)] = { r * std::cos(phi), y, r * std::sin(phi) };
    }
    rotateBy(0.0f, 0.0f);
}

void SphereModel::rotateBy(float a, float b)
{
    orientation = rotationAbout(1, -b) * (rotationAbout(0, -a) * orientation);
    project();
}

SphereModel::Quaternion SphereModel::orientationFacing(int index) const
{
    // The camera looks at the point (0, 0, 1); the turn from p to it is about p x (0, 0, 1).
    const Point& p = points[static_cast<size_t>(index)];
    double x = p.y, y = -p.x, z = 0.0, w = 1.0 + p.z;
    if (w < 1.0e-9) // p faces away: any axis in the view plane serves
        x = 1.0, y = 0.0, w = 0.0;
    const double length = std::sqrt(x * x + y * y + z * z + w * w);
    return { static_cast<float>(x / length), static_cast<float>(y / length), static_cast<float>(z / length),
             static_cast<float>(w / length) };
}

void SphereModel::setOrientation(const Quaternion& q)
{
    orientation = q;
    project();
}

void SphereModel::project()
{
    const auto [x, y, z, w] = orientation;
    const float m[3][3] = {
        { 1.0f - 2.0f * (y * y + z * z), 2.0f * (x * y - z * w), 2.0f * (x * z + y * w) },
        { 2.0f * (x * y + z * w), 1.0f - 2.0f * (x * x + z * z), 2.0f * (y * z - x * w) },
        { 2.0f * (x * z - y * w), 2.0f * (y * z + x * w), 1.0f - 2.0f * (x * x + y * y) },
    };

    selectionCount = 0;
    for (int i = 0; i < pointCount; ++i)
    {
        const Point& p = points[static_cast<size_t>(i)];
        const float u = m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z;
        const float v = m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z;
        const float t = m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z;

        const float eyeZ = t - cameraDistance;
        float clipX = focalFactor * u;
        float clipY = focalFactor * v;
        float clipZ = depthScale * eyeZ + depthOffset;
        const float clipW = -eyeZ;
        if (clipW != 0.0f && clipW != 1.0f)
        {
            clipX /= clipW;
            clipY /= clipW;
            clipZ /= clipW;
        }
        const float s = 1.0f / (clipZ + 2.0f);

        ProjectedPoint& out = projected[static_cast<size_t>(i)];
        out.screenX = clipX * s;
        out.screenY = clipY * s;
        const float depth = std::clamp(0.5f * eyeZ + 1.5f, 0.0f, 1.0f);
        out.alpha = 4.0f * depth - 3.0f;
        const float fromCap = frontCapCentre - t;
        const float distanceSquared = u * u + v * v + fromCap * fromCap;
        out.size = 24.0f - distanceSquared;

        if (std::sqrt(distanceSquared) < frontCapRadius)
            selection[static_cast<size_t>(selectionCount++)]
                = { i, std::sqrt(out.screenX * out.screenX + out.screenY * out.screenY), 0.0f };
    }
    weigh({ selection.data(), static_cast<size_t>(selectionCount) });
}

void SphereModel::weigh(std::span<SelectedPoint> points)
{
    const auto centred = std::find_if(points.begin(), points.end(),
                                      [](const SelectedPoint& p) { return std::isinf(1.0f / p.distance); });
    if (centred != points.end())
    {
        for (SelectedPoint& p : points)
            p.weight = 0.0f;
        centred->weight = 1.0f;
        return;
    }

    const auto inverse = [](const SelectedPoint& p) { return std::isnan(p.distance) ? 0.0f : 1.0f / p.distance; };
    float sum = 0.0f;
    for (const SelectedPoint& p : points)
        sum += inverse(p);
    for (SelectedPoint& p : points)
        p.weight = sum > 0.0f && std::isfinite(sum) ? inverse(p) / sum : 0.0f;
}
