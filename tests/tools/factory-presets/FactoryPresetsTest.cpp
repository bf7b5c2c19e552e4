#include "factory-presets/FactoryPresets.h"
#include "presets/FactoryBank.h"
#include "presets/PresetLibrary.h"
#include "processor/TessaroAudioProcessor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace
{
class FactoryPresetsTest : public testing::Test
{
protected:
    // The search takes seconds; every test reads the same plan.
    static void SetUpTestSuite() { plan = new FactoryPresets::Plan(FactoryPresets::plan()); }
    static void TearDownTestSuite()
    {
        delete plan;
        plan = nullptr;
    }

    static FactoryPresets::Plan* plan;
};

FactoryPresets::Plan* FactoryPresetsTest::plan = nullptr;
} // namespace

TEST(FactoryPresetCategories, HoldEveryBankEntryOnce)
{
    std::vector<int> entries;
    for (const auto& category : FactoryPresets::categories())
        entries.insert(entries.end(), category.entries.begin(), category.entries.end());
    std::sort(entries.begin(), entries.end());

    std::vector<int> bank(FactoryBank::size);
    std::iota(bank.begin(), bank.end(), 0);
    EXPECT_EQ(entries, bank);
}

TEST(FactoryPresetState, BlobIsTheTwelveValuesAsLittleEndianFloats)
{
    std::array<float, HostParameter::count> values {};
    values[0] = 1.0f;
    values[11] = -2.0f;
    const juce::MemoryBlock blob = FactoryPresets::stateBlob(values);

    ASSERT_EQ(blob.getSize(), 48u);
    const auto* bytes = static_cast<const juce::uint8*>(blob.getData());
    EXPECT_EQ(std::vector<juce::uint8>(bytes, bytes + 4), (std::vector<juce::uint8> { 0x00, 0x00, 0x80, 0x3f }));
    EXPECT_EQ(std::vector<juce::uint8>(bytes + 44, bytes + 48), (std::vector<juce::uint8> { 0x00, 0x00, 0x00, 0xc0 }));
}

TEST_F(FactoryPresetsTest, EveryEntryIsPlacedUnderItsNameWithItsOwnPerformanceValues)
{
    EXPECT_TRUE(plan->unplaced.empty());
    ASSERT_EQ(plan->presets.size(), static_cast<size_t>(FactoryBank::size));

    juce::String folder;
    int number = 0;
    for (const auto& preset : plan->presets)
    {
        SCOPED_TRACE(preset.fileName);
        number = preset.folderName == folder ? number + 1 : 1;
        folder = preset.folderName;
        EXPECT_TRUE(preset.fileName.startsWith(juce::String(number).paddedLeft('0', 2) + "_"));
        EXPECT_TRUE(preset.fileName.endsWith(".tessaropreset"));

        const juce::String bankName = FactoryBank::getName(preset.entry);
        const juce::String listed = PresetLibrary::displayNameFor(preset.fileName, false);
        EXPECT_TRUE(listed == bankName || listed == bankName + " 2") << listed;

        const auto& row = FactoryBank::entries[static_cast<size_t>(preset.entry)].values;
        for (const auto& push : HostParameter::enginePushes)
            EXPECT_EQ(preset.hostValues[static_cast<size_t>(push.host)], row[static_cast<size_t>(push.engine)])
                << HostParameter::definitions[static_cast<size_t>(push.host)].name;
    }
}

TEST_F(FactoryPresetsTest, WrittenFilesAreListedAndEachPlaysItsEntryAloneInTheProcessor)
{
    const juce::File shared =
        juce::File::getSpecialLocation(juce::File::userHomeDirectory).getNonexistentChildFile("shared", "", false);
    ASSERT_TRUE(FactoryPresets::write(shared.getChildFile("Factory Presets"), plan->presets));

    TessaroAudioProcessor processor;
    processor.prepareToPlay(48000.0, 32);
    juce::AudioBuffer<float> block(2, 32);
    juce::MidiBuffer noMidi;
    ASSERT_EQ(processor.getPresetFileExtension(), juce::String(FactoryPresets::extension));
    const PresetLibrary library(PresetFormat(processor.getPresetFileExtension(), processor.getRawPresetSize()),
                                PresetPaths { "group.test", shared.getChildFile("user"), shared, "Tessaro" },
                                "Factory Presets", "User Presets", "missing preset");

    juce::StringArray folderNames;
    for (const auto& folder : library.getFolders())
        folderNames.add(folder.displayName);
    EXPECT_EQ(folderNames, (juce::StringArray { "Leads", "Basses", "Pads", "Strings", "Stabs", "Keys", "Motion",
                                                "User Presets" }));

    size_t listed = 0;
    for (const auto& folder : library.getFolders())
        for (const auto& entry : folder.entries)
        {
            const auto& preset = plan->presets[listed++];
            SCOPED_TRACE(entry.path);
            ASSERT_TRUE(entry.path.endsWith(preset.folderName + "/" + preset.fileName));

            const auto file = PresetLibrary::readPresetFile(entry.path);
            ASSERT_TRUE(file.has_value());
            const auto payload = library.unwrapPresetData(file->getData(), file->getSize());
            ASSERT_TRUE(payload.has_value());
            processor.loadState(payload->getData(), static_cast<int>(payload->getSize()), true);
            processor.processBlock(block, noMidi); // without an editor the block start moves the sphere

            const auto selection = processor.getNavigator().getModel().getSelection();
            for (const auto& point : selection)
                EXPECT_EQ(point.weight, point.index == preset.entry ? 1.0f : 0.0f) << "point " << point.index;
            EXPECT_TRUE(std::any_of(selection.begin(), selection.end(),
                                    [&](const auto& point) { return point.index == preset.entry; }));
        }
    EXPECT_EQ(listed, plan->presets.size());

    shared.deleteRecursively();
}
