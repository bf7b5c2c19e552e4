#pragma once

#include "engine/EngineParameters.h"

#include <array>

/**
    The built-in sounds the sphere blends: 70 complete settings of the engine
    parameters as normalised values, compiled into the binary. Entry k is point k
    of the sphere navigator; names are display text and need not be unique, so
    entries are always addressed by index.
*/
namespace FactoryBank
{
inline constexpr int size = 70;

struct Entry
{
    const char* name;
    std::array<float, EngineParameter::count> values; ///< in engine parameter order
};

extern const std::array<Entry, size> entries;

/** The name of entry index, or an empty text outside the bank. */
const char* getName(int index);
} // namespace FactoryBank
