#pragma once

#include <array>
#include <cstddef>

/**
    One sine period in 100000 steps, plus a closing zero so that an
    interpolated read never runs past the end. Built once per process and shared
    read-only by every voice, rotation and LFO, so the render path never
    evaluates a sine.
*/
class SineTable
{
public:
    static constexpr int steps = 100000;

    SineTable();

    float operator[](int index) const { return values[static_cast<size_t>(index)]; }

    /** The sine at x cycles (0 <= x < 1), interpolated between neighbouring entries. */
    float read(double x) const
    {
        const double position = x * steps;
        const int i = static_cast<int>(position);
        const double fraction = position - i;
        const float left = values[static_cast<size_t>(i)];
        return static_cast<float>(left + (values[static_cast<size_t>(i) + 1] - left) * fraction);
    }

private:
    std::array<float, steps + 1> values;
};

extern const SineTable sineTable;
