#pragma once

#include "factory-presets/FacingPosition.h"
#include "processor/HostParameters.h"

#include <juce_core/juce_core.h>

#include <array>
#include <span>
#include <vector>

/**
    The factory preset files: one per factory bank entry, sorted into category
    folders, each holding the sphere position that plays its entry alone.
*/
namespace FactoryPresets
{
/** The extension the processor gives its preset files. */
inline constexpr const char* extension = "tessaropreset";

struct Category
{
    const char* folderName;
    std::span<const int> entries; ///< factory bank indices, in list order
};

/** The category folders in list order; together they hold every bank entry once. */
std::span<const Category> categories();

struct Preset
{
    int entry;                 ///< factory bank index
    juce::String folderName;
    juce::String fileName;     ///< "NN_Name.tessaropreset"; the list drops the number
    std::array<float, HostParameter::count> hostValues;
};

struct Plan
{
    std::vector<Preset> presets;
    std::vector<int> unplaced; ///< entries for which no position plays them alone
};

/**
    A preset per entry: X, Y, Z and A face the entry; the eight performance
    values are the entry's own values in the bank columns of the host-driven
    engine parameters, which the sphere blend never reads, so each sound keeps
    its designed delay, legato, glide, bend range and level.
*/
Plan plan();

/** The 48-byte state blob of the twelve host values (little-endian floats, host order). */
juce::MemoryBlock stateBlob(const std::array<float, HostParameter::count>& hostValues);

/** Writes every preset into root/<folder>/<file>; false if any file could not be written. */
bool write(const juce::File& root, const std::vector<Preset>& presets);
} // namespace FactoryPresets
