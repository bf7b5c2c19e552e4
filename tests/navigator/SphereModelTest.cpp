#include "navigator/SphereModel.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace
{
constexpr int bankPoints = 70;

using Matrix = std::array<std::array<double, 3>, 3>;

std::array<double, 3> apply(const Matrix& m, const SphereModel::Point& p)
{
    std::array<double, 3> out {};
    for (size_t r = 0; r < 3; ++r)
        out[r] = m[r][0] * p.x + m[r][1] * p.y + m[r][2] * p.z;
    return out;
}

double weightSum(const SphereModel& model)
{
    double sum = 0.0;
    for (const auto& s : model.getSelection())
        sum += s.weight;
    return sum;
}
} // namespace

TEST(SphereModel, PointsFollowTheGoldenAngleSpiralFromTheBottomPole)
{
    const SphereModel model(bankPoints);
    const auto points = model.getPoints();
    ASSERT_EQ(points.size(), static_cast<size_t>(bankPoints));

    EXPECT_FLOAT_EQ(points.front().y, -0.98571426f);
    EXPECT_FLOAT_EQ(points.back().y, 0.98571426f);
    for (size_t i = 0; i < points.size(); ++i)
    {
        const auto& p = points[i];
        EXPECT_NEAR(p.x * p.x + p.y * p.y + p.z * p.z, 1.0, 1e-5) << i;
        if (i == 0)
            continue;
        EXPECT_NEAR(p.y - points[i - 1].y, 0.028571429, 1e-5) << i;
        // Azimuths advance by the golden angle; the last point's fmod wraps its phase.
        if (i + 1 < points.size())
        {
            const double step = std::atan2(p.z, p.x) - std::atan2(points[i - 1].z, points[i - 1].x);
            EXPECT_NEAR(std::remainder(step - 2.3999631, 2.0 * std::numbers::pi), 0.0, 1e-4) << i;
        }
    }
}

TEST(SphereModel, StartOrientationSelectsTheFrontCapByInverseDistance)
{
    const SphereModel model(bankPoints);
    const auto points = model.getPoints();

    std::vector<int> expected;
    for (int i = 0; i < bankPoints; ++i)
        if (points[static_cast<size_t>(i)].z > 0.751f)
            expected.push_back(i);

    std::vector<int> selected;
    for (const auto& s : model.getSelection())
        selected.push_back(s.index);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(selected, expected);

    EXPECT_NEAR(weightSum(model), 1.0, 1e-6);
    // Weight times distance is the same for every selected point.
    const auto selection = model.getSelection();
    const double product = selection[0].weight * selection[0].distance;
    for (const auto& s : selection)
    {
        EXPECT_GT(s.weight, 0.0f);
        EXPECT_NEAR(s.weight * s.distance, product, 1e-6);
    }
}

struct ProjectionCase
{
    const char* name;
    SphereModel::Quaternion orientation;
    Matrix matrix; // what the orientation does to a point, written out by hand
};

class SphereProjection : public testing::TestWithParam<ProjectionCase>
{
};

TEST_P(SphereProjection, MatchesTheClosedFormOfTheCamera)
{
    const auto& param = GetParam();
    SphereModel model(bankPoints);
    model.setOrientation(param.orientation);

    std::vector<int> expectedSelection;
    std::vector<int> borderline;
    const auto projected = model.getProjected();
    for (int i = 0; i < bankPoints; ++i)
    {
        const auto [u, v, t] = apply(param.matrix, model.getPoints()[static_cast<size_t>(i)]);
        const auto& p = projected[static_cast<size_t>(i)];
        const double denominator = 4.8865979 - 3.0618557 * t;
        const double tolerance = 1e-4 * (1.0 + std::abs(u) + std::abs(v)) / std::min(1.0, std::abs(denominator));
        EXPECT_NEAR(p.screenX, 3.732051 * u / denominator, tolerance) << i;
        EXPECT_NEAR(p.screenY, 3.732051 * v / denominator, tolerance) << i;

        const double distanceSquared = u * u + v * v + (5.0 - t) * (5.0 - t);
        EXPECT_NEAR(p.size, 24.0 - distanceSquared, 1e-3 * (1.0 + distanceSquared)) << i;
        EXPECT_NEAR(p.alpha, 4.0 * std::clamp(0.5 * t + 0.5, 0.0, 1.0) - 3.0, 1e-4) << i;

        const double distance = std::sqrt(distanceSquared);
        if (std::abs(distance - 4.3) < 1e-4)
            borderline.push_back(i);
        else if (distance < 4.3)
            expectedSelection.push_back(i);
    }
    ASSERT_TRUE(borderline.empty()) << "pick another orientation";

    std::vector<int> selected;
    for (const auto& s : model.getSelection())
        selected.push_back(s.index);
    EXPECT_EQ(selected, expectedSelection);
    EXPECT_NEAR(weightSum(model), 1.0, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(
    Orientations, SphereProjection,
    testing::Values(
        ProjectionCase { "start", { 0.0f, 0.0f, 0.0f, 1.0f }, { { { 1, 0, 0 }, { 0, 1, 0 }, { 0, 0, 1 } } } },
        // 0.4 rad about the vertical axis.
        ProjectionCase { "turned",
                         { 0.0f, static_cast<float>(std::sin(0.2)), 0.0f, static_cast<float>(std::cos(0.2)) },
                         { { { std::cos(0.4), 0, std::sin(0.4) }, { 0, 1, 0 }, { -std::sin(0.4), 0, std::cos(0.4) } } } },
        // X = 1 with the other host values at their defaults: not a rotation, the set is stretched.
        ProjectionCase { "stretched", { 5.0f, 0.0f, 0.0f, 1.0f }, { { { 1, 0, 0 }, { 0, -49, -10 }, { 0, 10, -49 } } } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SphereModel, StretchedOrientationChangesTheSelection)
{
    SphereModel model(bankPoints);
    std::vector<int> start;
    for (const auto& s : model.getSelection())
        start.push_back(s.index);

    model.setOrientation({ 5.0f, 0.0f, 0.0f, 1.0f });
    std::vector<int> stretched;
    for (const auto& s : model.getSelection())
        stretched.push_back(s.index);
    EXPECT_NE(stretched, start);
}

TEST(SphereModel, RotateByTurnsInViewSpace)
{
    // A turn about the vertical axis by b is the orientation multiplied on the left by R_Y(−b).
    SphereModel model(bankPoints);
    model.rotateBy(0.0f, 0.6f);
    const auto& q = model.getOrientation();
    EXPECT_NEAR(q.y, std::sin(-0.3), 1e-6);
    EXPECT_NEAR(q.w, std::cos(-0.3), 1e-6);

    // Then a turn about the horizontal axis goes on the left again: R_X(−a) · q.
    model.rotateBy(0.4f, 0.0f);
    const double sa = std::sin(-0.2), ca = std::cos(-0.2), sb = std::sin(-0.3), cb = std::cos(-0.3);
    const auto& r = model.getOrientation();
    EXPECT_NEAR(r.x, sa * cb, 1e-6);
    EXPECT_NEAR(r.y, ca * sb, 1e-6);
    EXPECT_NEAR(r.z, sa * sb, 1e-6);
    EXPECT_NEAR(r.w, ca * cb, 1e-6);
}

TEST(SphereModel, PointCountStaysWithinCapacity)
{
    SphereModel model(100);
    EXPECT_EQ(model.getPointCount(), 100);

    model.setPointCount(SphereModel::maxPoints + 1);
    EXPECT_EQ(model.getPointCount(), SphereModel::maxPoints);
    EXPECT_NEAR(weightSum(model), 1.0, 1e-5);

    model.setPointCount(0);
    EXPECT_TRUE(model.getPoints().empty());
    EXPECT_TRUE(model.getSelection().empty());
}

struct WeighCase
{
    const char* name;
    std::vector<float> distances;
    std::vector<float> weights;
};

class SphereWeights : public testing::TestWithParam<WeighCase>
{
};

TEST_P(SphereWeights, AreInverseDistancesThatStayFinite)
{
    const auto& param = GetParam();
    std::vector<SphereModel::SelectedPoint> points;
    for (size_t i = 0; i < param.distances.size(); ++i)
        points.push_back({ static_cast<int>(i), param.distances[i], -1.0f });

    SphereModel::weigh(points);

    ASSERT_EQ(points.size(), param.weights.size());
    for (size_t i = 0; i < points.size(); ++i)
    {
        EXPECT_TRUE(std::isfinite(points[i].weight)) << i;
        EXPECT_NEAR(points[i].weight, param.weights[i], 1e-6) << i;
    }
}

constexpr float infinite = std::numeric_limits<float>::infinity();
constexpr float undefined = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Distances, SphereWeights,
    testing::Values(WeighCase { "inverse", { 0.5f, 0.25f }, { 1.0f / 3.0f, 2.0f / 3.0f } },
                    WeighCase { "single", { 0.3f }, { 1.0f } },
                    WeighCase { "centredTakesAll", { 0.3f, 0.0f, 0.2f }, { 0.0f, 1.0f, 0.0f } },
                    WeighCase { "firstCentredWins", { 0.3f, 0.0f, 0.2f, 0.0f }, { 0.0f, 1.0f, 0.0f, 0.0f } },
                    // So near the centre that the inverse overflows: the same limit.
                    WeighCase { "tinyDistance", { 1e-40f, 1.0f }, { 1.0f, 0.0f } },
                    WeighCase { "infiniteDistance", { infinite, 2.0f }, { 0.0f, 1.0f } },
                    WeighCase { "undefinedDistance", { undefined, 2.0f }, { 0.0f, 1.0f } },
                    WeighCase { "nothingFinite", { infinite, undefined }, { 0.0f, 0.0f } },
                    WeighCase { "empty", {}, {} }),
    [](const auto& info) { return std::string(info.param.name); });
