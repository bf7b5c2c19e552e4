#include "factory-presets/FacingPosition.h"

#include "navigator/SphereNavigator.h"

#include <algorithm>
#include <cmath>

namespace
{
// One step of either family moves the host values by a float step or more, so
// every candidate rounds afresh. A point hits with a chance of about one in a
// few thousand per candidate, one near the sphere's equator (z close to 0)
// about one in a million; the 70 factory points need rings of up to about
// 1100. The widest ring stays below 1.8 degrees of spin and 0.6 % of stretch.
constexpr double spinStep = 1.0e-5;    // radians
constexpr double stretchStep = 2.0e-6; // of the quaternion's length
constexpr int maxRing = 3000;

/** A quaternion (x, y, z, w) in double, to build candidates before they are rounded. */
struct Turn
{
    double x, y, z, w;

    Turn operator*(const Turn& q) const
    {
        return { w * q.x + x * q.w + y * q.z - z * q.y, w * q.y - x * q.z + y * q.w + z * q.x,
                 w * q.z + x * q.y - y * q.x + z * q.w, w * q.w - x * q.x - y * q.y - z * q.z };
    }
};

struct Vector
{
    double x, y, z;
};

/** The shortest unit turn from one unit vector to another that is not opposite to it. */
Turn turnBetween(const Vector& from, const Vector& to)
{
    Turn t { from.y * to.z - from.z * to.y, from.z * to.x - from.x * to.z, from.x * to.y - from.y * to.x,
             1.0 + from.x * to.x + from.y * to.y + from.z * to.z };
    const double length = std::sqrt(t.x * t.x + t.y * t.y + t.z * t.z + t.w * t.w);
    return { t.x / length, t.y / length, t.z / length, t.w / length };
}

/**
    A turn that centres p exactly in real numbers. With length s the model maps
    p to p + s²(R·p − p), so R must take p to the unit vector whose x and y are
    (1 − 1/s²) times p's; the spin about p itself changes nothing for p.
*/
Turn centring(const Vector& p, double spin, double stretch)
{
    const double fraction = 1.0 - 1.0 / (stretch * stretch);
    const Vector target { fraction * p.x, fraction * p.y,
                          std::sqrt(1.0 - fraction * fraction * (p.x * p.x + p.y * p.y)) };
    const double s = std::sin(spin / 2.0);
    const Turn spinAboutP { s * p.x, s * p.y, s * p.z, std::cos(spin / 2.0) };
    const Turn t = turnBetween(p, target) * spinAboutP;
    return { stretch * t.x, stretch * t.y, stretch * t.z, stretch * t.w };
}

SphereHostValues hostValuesOf(const Turn& t)
{
    return { SphereNavigator::toHostValue(static_cast<float>(t.x)),
             SphereNavigator::toHostValue(static_cast<float>(t.y)),
             SphereNavigator::toHostValue(static_cast<float>(t.z)),
             SphereNavigator::toHostValue(static_cast<float>(t.w)) };
}
} // namespace

bool playsAlone(SphereModel& model, const SphereHostValues& host, int index)
{
    model.setOrientation({ SphereNavigator::toComponent(host[0]), SphereNavigator::toComponent(host[1]),
                           SphereNavigator::toComponent(host[2]), SphereNavigator::toComponent(host[3]) });
    const auto selection = model.getSelection();
    return std::any_of(selection.begin(), selection.end(),
                       [index](const auto& p) { return p.index == index && p.weight == 1.0f; })
           && std::all_of(selection.begin(), selection.end(),
                          [index](const auto& p) { return p.index == index || p.weight == 0.0f; });
}

std::optional<SphereHostValues> findFacingHostValues(SphereModel& model, int index)
{
    const SphereModel::Point& point = model.getPoints()[static_cast<size_t>(index)];
    const double length = std::sqrt(double(point.x) * point.x + double(point.y) * point.y + double(point.z) * point.z);
    const Vector p { point.x / length, point.y / length, point.z / length };
    if (p.z <= -1.0 + 1.0e-9) // the point faces straight away: no shortest turn
        return std::nullopt;

    // Rings of candidates, the plain shortest turn first, ever further from it.
    const auto tryCandidate = [&](int spin, int stretch) -> std::optional<SphereHostValues> {
        const auto host = hostValuesOf(centring(p, spin * spinStep, 1.0 + stretch * stretchStep));
        return playsAlone(model, host, index) ? std::optional(host) : std::nullopt;
    };
    if (auto host = tryCandidate(0, 0))
        return host;
    for (int ring = 1; ring <= maxRing; ++ring)
        for (int along = -ring; along < ring; ++along)
            for (const auto& [spin, stretch] : { std::pair { along, -ring }, std::pair { ring, along },
                                                 std::pair { -along, ring }, std::pair { -ring, -along } })
                if (auto host = tryCandidate(spin, stretch))
                    return host;
    return std::nullopt;
}
