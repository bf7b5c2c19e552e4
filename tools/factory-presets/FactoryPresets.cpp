#include "factory-presets/FactoryPresets.h"

#include "presets/FactoryBank.h"
#include "presets/PresetFormat.h"

#include <map>

namespace FactoryPresets
{
namespace
{
// The bank lists its sounds roughly by kind; a few sit better elsewhere
// (the viola and the string patches under strings, the short and moving ones
// under stabs and motion).
constexpr int leads[] = { 0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13 };
constexpr int basses[] = { 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28 };
constexpr int pads[] = { 29, 30, 32, 34, 35, 38, 39, 40, 41, 43, 44, 47, 48 };
constexpr int strings[] = { 9, 31, 33, 36, 45, 46 };
constexpr int stabs[] = { 42, 49, 50, 51, 52, 53, 54, 55 };
constexpr int keys[] = { 56, 57, 58, 59, 60, 61, 62, 63 };
constexpr int motion[] = { 37, 64, 65, 66, 67, 68, 69 };

constexpr Category categoryList[] = {
    { "01_Leads", leads },     { "02_Basses", basses }, { "03_Pads", pads },     { "04_Strings", strings },
    { "05_Stabs", stabs },     { "06_Keys", keys },     { "07_Motion", motion },
};

std::array<float, HostParameter::count> performanceValues(int entry, const SphereHostValues& sphere)
{
    std::array<float, HostParameter::count> values {};
    std::copy(sphere.begin(), sphere.end(), values.begin());
    const auto& row = FactoryBank::entries[static_cast<size_t>(entry)].values;
    for (const auto& push : HostParameter::enginePushes)
        values[static_cast<size_t>(push.host)] = row[static_cast<size_t>(push.engine)];
    return values;
}
} // namespace

std::span<const Category> categories()
{
    return categoryList;
}

Plan plan()
{
    SphereModel model(FactoryBank::size);
    Plan result;
    for (const Category& category : categories())
    {
        std::map<juce::String, int> namesSoFar; // two bank entries share a name
        int number = 0;
        for (const int entry : category.entries)
        {
            const auto sphere = findFacingHostValues(model, entry);
            if (! sphere.has_value())
            {
                result.unplaced.push_back(entry);
                continue;
            }

            juce::String name = FactoryBank::getName(entry);
            if (const int seen = ++namesSoFar[name]; seen > 1)
                name << " " << seen;
            const juce::String fileName =
                juce::String(++number).paddedLeft('0', 2) + "_" + name + "." + extension;
            result.presets.push_back({ entry, category.folderName, fileName, performanceValues(entry, *sphere) });
        }
    }
    return result;
}

juce::MemoryBlock stateBlob(const std::array<float, HostParameter::count>& hostValues)
{
    juce::MemoryOutputStream out;
    for (const float value : hostValues)
        out.writeFloat(value);
    return out.getMemoryBlock();
}

bool write(const juce::File& root, const std::vector<Preset>& presets)
{
    // Only the header matters here; the raw size applies to reading.
    const PresetFormat format(extension, -1);
    bool allWritten = true;
    for (const Preset& preset : presets)
    {
        const juce::File folder = root.getChildFile(preset.folderName);
        const juce::MemoryBlock file = format.wrap(stateBlob(preset.hostValues));
        allWritten = folder.createDirectory().wasOk()
                     && folder.getChildFile(preset.fileName).replaceWithData(file.getData(), file.getSize())
                     && allWritten;
    }
    return allWritten;
}
} // namespace FactoryPresets
