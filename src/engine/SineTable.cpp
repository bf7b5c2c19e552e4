#include "engine/SineTable.h"

#include <cmath>
#include <numbers>

SineTable::SineTable()
{
    // The position is a float product and the angle is rounded to float before
    // the float sine: every build of the table holds exactly the same values.
    for (int i = 0; i < steps; ++i)
    {
        const float position = static_cast<float>(i) * 0.00001f;
        const auto angle = static_cast<float>(static_cast<double>(position) * (2.0 * std::numbers::pi));
        values[static_cast<size_t>(i)] = std::sin(angle);
    }
    values[steps] = 0.0f;
}

const SineTable sineTable;
