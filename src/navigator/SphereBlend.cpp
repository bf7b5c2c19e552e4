#include "navigator/SphereBlend.h"

#include "presets/FactoryBank.h"

#include <algorithm>

std::array<float, EngineParameter::count> SphereBlend::mix(std::span<const SphereModel::SelectedPoint> selection)
{
    std::array<float, EngineParameter::count> values {};
    for (const auto& point : selection)
    {
        if (point.index < 0 || point.index >= FactoryBank::size)
            continue;
        const auto& row = FactoryBank::entries[static_cast<size_t>(point.index)].values;
        for (size_t i = 0; i < values.size(); ++i)
            values[i] += point.weight * row[i];
    }
    for (float& value : values)
        value = std::clamp(value, 0.0f, 1.0f);
    return values;
}
