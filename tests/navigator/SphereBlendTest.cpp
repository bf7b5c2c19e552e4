#include "navigator/SphereBlend.h"
#include "presets/FactoryBank.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
using Selection = std::vector<SphereModel::SelectedPoint>;

const auto& row(int index)
{
    return FactoryBank::entries[static_cast<size_t>(index)].values;
}
} // namespace

TEST(SphereBlend, LeavesExactlyTheHostDrivenParametersAlone)
{
    const std::vector<int> hostDriven { 34, 35, 39, 40, 47, 48, 50, 54 };
    for (int i = 0; i < EngineParameter::count; ++i)
    {
        const bool expected = std::find(hostDriven.begin(), hostDriven.end(), i) == hostDriven.end();
        EXPECT_EQ(SphereBlend::isBlended(i), expected) << i;
    }
}

TEST(SphereBlend, OnePointWithTheWholeWeightGivesItsRowUnchanged)
{
    const auto values = SphereBlend::mix(Selection { { 27, 0.0f, 1.0f } });
    for (size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(values[i], row(27)[i]) << i;
}

TEST(SphereBlend, MixesColumnByColumnAndClamps)
{
    const auto values = SphereBlend::mix(Selection { { 0, 0.4f, 0.25f }, { 69, 0.1f, 0.75f } });
    for (size_t i = 0; i < values.size(); ++i)
        EXPECT_FLOAT_EQ(values[i], 0.25f * row(0)[i] + 0.75f * row(69)[i]) << i;

    // Weights that overshoot (they never do from the model) still give values in 0..1.
    const auto clamped = SphereBlend::mix(Selection { { 0, 0.4f, 3.0f } });
    EXPECT_EQ(clamped[EngineParameter::OscSustain], 1.0f); // ASIAN LEAD holds 1 there
    for (const float value : clamped)
        EXPECT_TRUE(value >= 0.0f && value <= 1.0f);
}

TEST(SphereBlend, EmptySelectionAndPointsOutsideTheBankGiveZeros)
{
    for (const auto& selection : { Selection {}, Selection { { FactoryBank::size, 0.1f, 1.0f } } })
        for (const float value : SphereBlend::mix(selection))
            EXPECT_EQ(value, 0.0f);
}
