#include "presets/PresetTestFolders.h"
#include "presetview/PresetManagerController.h"

#include <gtest/gtest.h>

#include <optional>

namespace
{
/** Stands in for the editor: its "processor state" is one payload. */
class FakeProvider : public PresetManagerController::PresetDataProvider
{
public:
    juce::MemoryBlock state = PresetTestFolders::statePayload(7);
    std::vector<juce::MemoryBlock> loads;
    std::vector<std::pair<int, int>> loadedHashes;

    juce::MemoryBlock getPresetData() override { return state; }
    void loadPresetData(const void* data, int size) override
    {
        loads.emplace_back(data, static_cast<size_t>(size));
        state = loads.back();
    }
    juce::Component* getViewParent() override { return nullptr; }
    void presetLoaded(int folderHash, int presetHash) override { loadedHashes.emplace_back(folderHash, presetHash); }

    /** The marker of the last payload loaded, or nothing. */
    std::optional<int> lastLoadedMarker() const
    {
        if (loads.empty())
            return std::nullopt;
        return static_cast<juce::uint8>(loads.back()[0]);
    }
};

class FakeDisplay : public PresetDisplay
{
public:
    std::vector<int> shownFolders;
    std::vector<PresetEntry> shownCurrent;

    void showFolder(int folderIndex) override { shownFolders.push_back(folderIndex); }
    void setCurrentPreset(const PresetEntry& entry) override { shownCurrent.push_back(entry); }
};

class PresetManagerControllerTest : public testing::Test
{
protected:
    /** Scans the folders as they are on disk now and makes the controller on them. */
    void build()
    {
        library = folders.makeLibrary();
        controller = std::make_unique<PresetManagerController>(provider, *library);
        controller->setDisplay(&display);
    }

    void forgetCalls()
    {
        provider.loads.clear();
        provider.loadedHashes.clear();
        display.shownFolders.clear();
        display.shownCurrent.clear();
    }

    int userRootIndex() const { return static_cast<int>(library->getFolders().size()) - 1; }

    PresetTestFolders folders;
    FakeProvider provider;
    FakeDisplay display;
    std::unique_ptr<PresetLibrary> library;
    std::unique_ptr<PresetManagerController> controller;
};
} // namespace

TEST_F(PresetManagerControllerTest, LoadPresetHandsThePayloadToTheProcessorWithoutMovingCurrent)
{
    PresetTestFolders::writePreset(folders.factoryCategory("02_Basses"), "01_Sub.tessaropreset", 3);
    build();

    ASSERT_TRUE(controller->loadPreset(0, 0));

    EXPECT_EQ(provider.loads, std::vector<juce::MemoryBlock> { PresetTestFolders::statePayload(3) });
    ASSERT_EQ(provider.loadedHashes.size(), 1u);
    EXPECT_EQ(provider.loadedHashes[0], std::make_pair(juce::String("Basses").hashCode(), juce::String("Sub").hashCode()));
    EXPECT_FALSE(library->getCurrent().valid);
}

TEST_F(PresetManagerControllerTest, LoadPresetFailsWithoutTouchingTheProcessor)
{
    const juce::File sub = PresetTestFolders::writePreset(folders.factoryCategory("02_Basses"), "01_Sub.tessaropreset");
    const juce::File deep = PresetTestFolders::writePreset(folders.factoryCategory("02_Basses"), "02_Deep.tessaropreset");
    build();
    sub.deleteFile();                        // gone since the scan
    deep.replaceWithText("no longer a preset"); // damaged since the scan

    const std::pair<int, int> positions[] = { { 0, 0 }, { 0, 1 }, { 0, 2 }, { 0, -1 }, { -1, 0 }, { 2, 0 } };
    for (const auto& [folder, entry] : positions)
        EXPECT_FALSE(controller->loadPreset(folder, entry)) << folder << "," << entry;

    EXPECT_TRUE(provider.loads.empty());
    EXPECT_TRUE(provider.loadedHashes.empty());
}

TEST_F(PresetManagerControllerTest, ExportThenImportRestoresTheSoundAndShowsTheFileName)
{
    build();
    const juce::File exported = folders.userFolder().getChildFile("My Sound.tessaropreset");
    exported.replaceWithText("an older file in the way");

    ASSERT_TRUE(controller->exportPresetFile(exported));
    juce::MemoryBlock bytes;
    ASSERT_TRUE(exported.loadFileAsData(bytes));
    EXPECT_EQ(bytes.getSize(), 64u);
    EXPECT_EQ(library->unwrapPresetData(bytes.getData(), bytes.getSize()), PresetTestFolders::statePayload(7));

    provider.state = PresetTestFolders::statePayload(9);
    ASSERT_TRUE(controller->importPresetFile(exported));

    EXPECT_EQ(provider.state, PresetTestFolders::statePayload(7));
    EXPECT_FALSE(library->getCurrent().valid);
    EXPECT_EQ(library->getCurrent().name, "My Sound");
    ASSERT_EQ(display.shownCurrent.size(), 1u);
    EXPECT_EQ(display.shownCurrent[0].name, "My Sound");
}

TEST_F(PresetManagerControllerTest, ImportOfAHeaderlessStateFileFailsSilently)
{
    PresetTestFolders::writePreset(folders.userRoot(), "Keep.tessaropreset");
    build();
    library->setCurrent(userRootIndex(), 0);
    const juce::File stateFile =
        PresetTestFolders::writeBytes(folders.userFolder(), "state.tessaropreset", PresetTestFolders::statePayload(1));

    EXPECT_FALSE(controller->importPresetFile(stateFile));
    EXPECT_FALSE(controller->importPresetFile(folders.userFolder().getChildFile("missing.tessaropreset")));

    EXPECT_TRUE(provider.loads.empty());
    EXPECT_TRUE(library->getCurrent().valid);
    EXPECT_EQ(library->getCurrent().name, "Keep");
    EXPECT_TRUE(display.shownCurrent.empty());
}

TEST_F(PresetManagerControllerTest, AFailedExportKeepsTheOldFile)
{
    build();
    const juce::File exported = folders.userFolder().getChildFile("Out.tessaropreset");
    ASSERT_TRUE(controller->exportPresetFile(exported));

    provider.state = PresetTestFolders::statePayload(9);
    bool written = true;
    {
        const ScopedFileSizeLimit diskFull(20);
        written = controller->exportPresetFile(exported);
    }

    EXPECT_FALSE(written);
    EXPECT_EQ(PresetTestFolders::markerOf(exported), 7);
}

TEST_F(PresetManagerControllerTest, DeletingTheCurrentUserPresetInvalidatesItAndKeepsTheSound)
{
    const juce::File mine = folders.userRoot().getChildFile("01_Mine");
    const juce::File first = PresetTestFolders::writePreset(mine, "01_First.tessaropreset");
    PresetTestFolders::writePreset(mine, "02_Second.tessaropreset");
    build();
    const int category = 0;
    ASSERT_EQ(library->getFolders()[category].displayName, "Mine");
    library->setCurrent(category, 0);

    controller->deletePreset(category, 0);

    EXPECT_FALSE(first.exists());
    EXPECT_FALSE(library->getCurrent().valid);
    EXPECT_EQ(library->getCurrent().name, "First");
    EXPECT_TRUE(provider.loads.empty());
    EXPECT_EQ(display.shownFolders, std::vector<int> { category });
    // Until the next full scan the rest of the category shows whole file names.
    ASSERT_EQ(library->getFolders()[category].entries.size(), 1u);
    EXPECT_EQ(library->getFolders()[category].entries[0].name, "02_Second");
}

TEST_F(PresetManagerControllerTest, DeleteInAFactoryFolderDoesNothing)
{
    const juce::File factory = PresetTestFolders::writePreset(folders.factoryCategory("01_Leads"), "01_Fine.tessaropreset");
    build();
    library->setCurrent(0, 0);

    controller->deletePreset(0, 0);
    controller->deletePreset(userRootIndex(), 0); // an empty user root: nothing to delete

    EXPECT_TRUE(factory.existsAsFile());
    EXPECT_EQ(library->getFolders()[0].entries.size(), 1u);
    EXPECT_TRUE(library->getCurrent().valid);
    EXPECT_TRUE(display.shownFolders.empty());
}

TEST_F(PresetManagerControllerTest, StepsLoadTheNeighbourAndFollowItsFolder)
{
    // Folders: 0 "A" [1, 2], 1 "B" [3], 2 "C" (empty), 3 "D" [4], 4 the empty user root.
    PresetTestFolders::writePreset(folders.factoryCategory("01_A"), "01_One.tessaropreset", 1);
    PresetTestFolders::writePreset(folders.factoryCategory("01_A"), "02_Two.tessaropreset", 2);
    PresetTestFolders::writePreset(folders.factoryCategory("02_B"), "01_Three.tessaropreset", 3);
    folders.factoryCategory("03_C").createDirectory();
    PresetTestFolders::writePreset(folders.factoryCategory("04_D"), "01_Four.tessaropreset", 4);
    build();
    ASSERT_EQ(library->getFolders().size(), 5u);

    struct Case
    {
        const char* label;
        PresetPosition from;
        bool forward;
        bool stepped;
        const char* currentName; // "" when the current record is emptied
        std::vector<int> shownFolders;
        std::optional<int> loadedMarker;
    };
    const Case cases[] = {
        { "within a folder", { 0, 0 }, true, true, "Two", {}, 2 },
        { "into the next folder", { 0, 1 }, true, true, "Three", { 1 }, 3 },
        { "towards an empty middle folder reloads", { 1, 0 }, true, true, "Three", {}, 3 },
        { "none before an empty user root", { 3, 0 }, true, false, "Four", {}, std::nullopt },
        { "back into the previous folder", { 1, 0 }, false, true, "Two", { 0 }, 2 },
        { "none before the first", { 0, 0 }, false, false, "One", {}, std::nullopt },
        { "back into an empty folder loads nothing", { 3, 0 }, false, false, "", {}, std::nullopt },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.label);
        library->setCurrent(c.from.folder, c.from.entry);
        forgetCalls();

        EXPECT_EQ(c.forward ? controller->selectNext() : controller->selectPrevious(), c.stepped);

        EXPECT_EQ(library->getCurrent().name, juce::String(c.currentName));
        EXPECT_EQ(library->getCurrent().valid, *c.currentName != 0);
        EXPECT_EQ(display.shownFolders, c.shownFolders);
        EXPECT_EQ(provider.lastLoadedMarker(), c.loadedMarker);
        if (c.stepped)
        {
            ASSERT_FALSE(display.shownCurrent.empty());
            EXPECT_EQ(display.shownCurrent.back().name, juce::String(c.currentName));
        }
    }
}

TEST_F(PresetManagerControllerTest, RescanRequestFindsTheCurrentPresetAgain)
{
    PresetTestFolders::writePreset(folders.userRoot(), "Keep.tessaropreset");
    build();
    library->setCurrent(userRootIndex(), 0);
    PresetTestFolders::writePreset(folders.userRoot(), "Added.tessaropreset");
    PresetTestFolders::writePreset(folders.factoryCategory("01_Leads"), "01_Fine.tessaropreset");

    controller->presetsChanged("r");

    ASSERT_EQ(library->getFolders().size(), 2u);
    EXPECT_EQ(library->getFolders()[1].entries.size(), 2u);
    EXPECT_TRUE(library->getCurrent().valid);
    EXPECT_EQ(library->getCurrent().name, "Keep");
    EXPECT_EQ(library->getCurrent().folderIndex, 1);
    EXPECT_EQ(library->getCurrent().entryIndex, 1);
    EXPECT_EQ(display.shownFolders, std::vector<int> { 1 });
}

TEST_F(PresetManagerControllerTest, Base64PresetMessageLoadsAndShowsAnImport)
{
    build();
    const juce::MemoryBlock file = library->getFormat().wrap(PresetTestFolders::statePayload(5));
    const juce::String message = juce::Base64::toBase64(file.getData(), file.getSize());

    controller->presetsChanged("not base64 at all");
    EXPECT_TRUE(provider.loads.empty());

    controller->presetsChanged(message.toRawUTF8());
    EXPECT_EQ(provider.lastLoadedMarker(), 5);
    EXPECT_FALSE(library->getCurrent().valid);
    EXPECT_EQ(library->getCurrent().name, "** Imported **");
    ASSERT_FALSE(display.shownCurrent.empty());
    EXPECT_EQ(display.shownCurrent.back().name, "** Imported **");
}
