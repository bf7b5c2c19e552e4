#include "presets/PresetLibrary.h"
#include "presets/PresetTestFolders.h"

#include <gtest/gtest.h>

namespace
{
juce::String presetFile(const juce::String& name)
{
    return name + ".tessaropreset";
}

int lastFolder(const PresetLibrary& library)
{
    return static_cast<int>(library.getFolders().size()) - 1;
}

/** Every file below a folder, recursively, for "nothing was written" checks. */
juce::StringArray filesBelow(const juce::File& folder)
{
    juce::StringArray names;
    for (const auto& file : folder.findChildFiles(juce::File::findFiles, true))
        names.add(file.getRelativePathFrom(folder));
    names.sort(false);
    return names;
}
} // namespace

TEST(PresetNaming, DisplayNameFollowsThePrefixAndDotRules)
{
    struct Case
    {
        const char* fileName;
        bool keepWhole;
        const char* expected;
    };
    const Case cases[] = {
        { "03_Warm Pad.tessaropreset", false, "Warm Pad" },
        { "Warm Pad.tessaropreset", false, "Unknown name" },
        { "03_Warm Pad.tessaropreset", true, "03_Warm Pad" },
        { "A.B.tessaropreset", true, "AB" },
        { "02_Basses", false, "Basses" },
        { "Basses", false, "Unknown name" },
        { "01_My_Lead.tessaropreset", false, "My_Lead" },
        { "_Lead.tessaropreset", false, "Lead" },
        { "05_", false, "" },
        { "Plain", true, "Plain" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(PresetLibrary::displayNameFor(c.fileName, c.keepWhole), juce::String(c.expected))
            << c.fileName << (c.keepWhole ? " (whole)" : "");
}

TEST(PresetNaming, TypedNamesThatCouldLeaveTheUserFolderAreRefused)
{
    struct Case
    {
        juce::String name;
        bool valid;
    };
    const Case cases[] = {
        { "Warm Pad", true },
        { "Lead v2.1", true },
        { juce::String(juce::CharPointer_UTF8("Gr\xc3\xbc" "n")), true },
        { "", false },
        { "../Escape", false },
        { "Sub/Folder", false },
        { "Back\\Slash", false },
        { "..", false },
        { "A..B", false },
        { ".hidden", false },
        { "Tab\tName", false },
        { "Line\nBreak", false },
        { juce::String::charToString(0x7f) + "x", false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(PresetLibrary::isValidPresetName(c.name), c.valid) << c.name.quoted();
}

TEST(PresetLibraryScan, ListsCategoriesThenUserCategoriesThenTheUserRoot)
{
    PresetTestFolders folders;
    PresetTestFolders::writePreset(folders.factoryCategory("02_Basses"), presetFile("01_Sub"));
    PresetTestFolders::writeBytes(folders.factoryCategory("02_Basses"), presetFile("01_Torn"),
                                  PresetTestFolders::statePayload(1)); // 48 bytes without header: skipped
    PresetTestFolders::writePreset(folders.factoryCategory("02_Basses"), presetFile("02_Deep"));
    PresetTestFolders::writePreset(folders.factoryCategory("02_Basses"), "03_Notes.txt");
    PresetTestFolders::writePreset(folders.factoryCategory("a_Leads"), presetFile("01_Fine"));
    PresetTestFolders::writePreset(folders.factoryCategory("B_Pads"), presetFile("01_Warm"));
    folders.factoryCategory("Keys").createDirectory();
    PresetTestFolders::writePreset(folders.factoryCategory(""), presetFile("01_Loose"));
    const juce::File elsewhere = folders.sharedFolder().getChildFile("elsewhere");
    PresetTestFolders::writePreset(elsewhere, presetFile("01_Far"));
    ASSERT_TRUE(elsewhere.createSymbolicLink(folders.factoryCategory("C_Linked"), false));
    PresetTestFolders::writePreset(folders.userRoot().getChildFile("01_Mine"), presetFile("01_Own"));
    PresetTestFolders::writePreset(folders.userRoot(), presetFile("03_Warm Pad"));

    const auto library = folders.makeLibrary();

    struct ExpectedFolder
    {
        const char* displayName;
        const char* path;
        bool isUser;
        juce::StringArray entries;
    };
    // Sorted ignoring case: digits, then "a_Leads" before "B_Pads".
    const ExpectedFolder expected[] = {
        { "Basses", "02_Basses", false, { "Sub", "Deep" } },
        { "Leads", "a_Leads", false, { "Fine" } },
        { "Pads", "B_Pads", false, { "Warm" } },
        { "Linked", "C_Linked", false, { "Far" } },
        { "Unknown name", "Keys", false, {} },
        { "Mine", "User Presets/01_Mine", true, { "Own" } },
        { "User Presets", "User Presets", true, { "03_Warm Pad" } },
    };
    const auto& scanned = library->getFolders();
    ASSERT_EQ(scanned.size(), std::size(expected));
    for (size_t f = 0; f < scanned.size(); ++f)
    {
        SCOPED_TRACE(expected[f].path);
        EXPECT_EQ(scanned[f].displayName, juce::String(expected[f].displayName));
        EXPECT_EQ(scanned[f].path, juce::String(expected[f].path));
        EXPECT_EQ(scanned[f].isUser, expected[f].isUser);
        EXPECT_EQ(scanned[f].index, static_cast<int>(f));
        ASSERT_EQ(scanned[f].entries.size(), static_cast<size_t>(expected[f].entries.size()));
        for (size_t e = 0; e < scanned[f].entries.size(); ++e)
        {
            const PresetEntry& entry = scanned[f].entries[e];
            EXPECT_TRUE(entry.valid);
            EXPECT_EQ(entry.name, expected[f].entries[static_cast<int>(e)]);
            EXPECT_EQ(entry.entryIndex, static_cast<int>(e));
            EXPECT_EQ(entry.folderIndex, static_cast<int>(f));
            EXPECT_EQ(entry.isUser, expected[f].isUser);
            EXPECT_TRUE(juce::File(entry.path).existsAsFile());
        }
    }
    EXPECT_TRUE(scanned[0].entries[1].path.endsWith("02_Basses/02_Deep.tessaropreset"));

    EXPECT_FALSE(library->getCurrent().valid);
    EXPECT_EQ(library->getCurrent().name, "missing preset");
}

TEST(PresetLibraryScan, MissingFoldersLeaveOnlyAnEmptyUserRoot)
{
    PresetTestFolders folders;
    const auto library = folders.makeLibrary();

    ASSERT_EQ(library->getFolders().size(), 1u);
    EXPECT_EQ(library->getFolders()[0].displayName, "User Presets");
    EXPECT_TRUE(library->getFolders()[0].entries.empty());
    EXPECT_FALSE(library->rescanFolder(0, false));
    EXPECT_FALSE(folders.userRoot().exists()) << "scanning never creates the user root";
}

TEST(PresetLibraryScan, RescanOfTheCurrentFolderFollowsTheCurrentPreset)
{
    PresetTestFolders folders;
    PresetTestFolders::writePreset(folders.userRoot(), presetFile("Beta"));
    const auto library = folders.makeLibrary();
    const int root = lastFolder(*library);
    library->setCurrent(root, 0);

    PresetTestFolders::writePreset(folders.userRoot(), presetFile("alpha"));
    ASSERT_TRUE(library->rescanFolder(root, false));

    EXPECT_TRUE(library->getCurrent().valid);
    EXPECT_EQ(library->getCurrent().name, "Beta");
    EXPECT_EQ(library->getCurrent().entryIndex, 1);

    folders.userRoot().deleteRecursively();
    EXPECT_FALSE(library->rescanFolder(root, false));
    EXPECT_EQ(library->getFolders()[static_cast<size_t>(root)].entries.size(), 2u) << "entries kept";
}

TEST(PresetLibraryCurrent, SetCurrentCopiesInRangeEmptiesOnNegativeAndIgnoresTheRest)
{
    PresetTestFolders folders;
    PresetTestFolders::writePreset(folders.factoryCategory("01_Leads"), presetFile("01_One"));
    PresetTestFolders::writePreset(folders.factoryCategory("01_Leads"), presetFile("02_Two"));
    const auto library = folders.makeLibrary();

    struct Case
    {
        int folder;
        int entry;
        bool valid;
        const char* name;
    };
    const Case cases[] = {
        { 0, 1, true, "Two" },  // copied
        { 0, 2, true, "Two" },  // entry out of range: unchanged
        { 2, 0, true, "Two" },  // folder out of range: unchanged
        { -1, 0, true, "Two" }, // negative folder: unchanged
        { 0, -1, false, "" },   // negative entry: emptied
    };
    for (const auto& c : cases)
    {
        library->setCurrent(c.folder, c.entry);
        EXPECT_EQ(library->getCurrent().valid, c.valid) << c.folder << "," << c.entry;
        EXPECT_EQ(library->getCurrent().name, juce::String(c.name)) << c.folder << "," << c.entry;
    }
    EXPECT_EQ(library->getCurrent().path, juce::String());
    EXPECT_FALSE(library->getCurrent().isUser);
}

namespace
{
struct StepCase
{
    PresetPosition at;
    bool hasNext;
    bool hasPrevious;
    PresetPosition next;
    PresetPosition previous;
};

void expectSteps(PresetLibrary& library, std::initializer_list<StepCase> cases)
{
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "at " << c.at.folder << "," << c.at.entry);
        library.setCurrent(c.at.folder, c.at.entry);
        ASSERT_TRUE(library.getCurrent().valid);
        EXPECT_EQ(library.hasNext(), c.hasNext);
        EXPECT_EQ(library.hasPrevious(), c.hasPrevious);
        if (c.hasNext)
        {
            EXPECT_EQ(library.nextPosition().folder, c.next.folder);
            EXPECT_EQ(library.nextPosition().entry, c.next.entry);
        }
        if (c.hasPrevious)
        {
            EXPECT_EQ(library.previousPosition().folder, c.previous.folder);
            EXPECT_EQ(library.previousPosition().entry, c.previous.entry);
        }
    }
}
} // namespace

TEST(PresetLibraryStepping, CrossesFoldersAndStopsBeforeAnEmptyLastFolder)
{
    // Folders: 0 "A" (2 presets), 1 "B" (empty), 2 "C" (1 preset), 3 the empty user root.
    PresetTestFolders folders;
    PresetTestFolders::writePreset(folders.factoryCategory("01_A"), presetFile("01_One"));
    PresetTestFolders::writePreset(folders.factoryCategory("01_A"), presetFile("02_Two"));
    folders.factoryCategory("02_B").createDirectory();
    PresetTestFolders::writePreset(folders.factoryCategory("03_C"), presetFile("01_Three"));
    const auto library = folders.makeLibrary();
    ASSERT_EQ(library->getFolders().size(), 4u);

    expectSteps(*library, {
                              { { 0, 0 }, true, false, { 0, 1 }, {} },
                              { { 0, 1 }, true, true, { 1, 0 }, { 0, 0 } },
                              { { 2, 0 }, false, true, {}, { 1, -1 } },
                          });

    // Into the empty middle folder: the step is offered but moves nothing.
    library->setCurrent(0, 1);
    const PresetPosition next = library->nextPosition();
    library->setCurrent(next.folder, next.entry);
    EXPECT_EQ(library->getCurrent().name, "Two");
    EXPECT_TRUE(library->getCurrent().valid);

    // Back into it: the current record is emptied.
    library->setCurrent(2, 0);
    const PresetPosition previous = library->previousPosition();
    library->setCurrent(previous.folder, previous.entry);
    EXPECT_FALSE(library->getCurrent().valid);
    EXPECT_FALSE(library->hasNext());
    EXPECT_FALSE(library->hasPrevious());
}

TEST(PresetLibraryStepping, UserRootOnlyEndsAtItsLastPreset)
{
    PresetTestFolders folders;
    PresetTestFolders::writePreset(folders.userRoot(), presetFile("First"));
    PresetTestFolders::writePreset(folders.userRoot(), presetFile("Second"));
    const auto library = folders.makeLibrary();
    ASSERT_EQ(library->getFolders().size(), 1u);

    expectSteps(*library, {
                              { { 0, 0 }, true, false, { 0, 1 }, {} },
                              { { 0, 1 }, false, true, {}, { 0, 0 } },
                          });
}

TEST(PresetLibrarySave, SavingTheSameNameTwiceOverwritesOneEntry)
{
    PresetTestFolders folders;
    const auto library = folders.makeLibrary();
    const int root = lastFolder(*library);

    ASSERT_TRUE(library->savePreset(PresetTestFolders::statePayload(1), "Lead", root));
    ASSERT_TRUE(library->savePreset(PresetTestFolders::statePayload(2), "Lead", root));

    const auto& entries = library->getFolders()[static_cast<size_t>(root)].entries;
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "Lead");
    EXPECT_EQ(PresetTestFolders::markerOf(folders.userRoot().getChildFile(presetFile("Lead"))), 2);
    EXPECT_EQ(filesBelow(folders.userRoot()), juce::StringArray { presetFile("Lead") });
    EXPECT_TRUE(library->getCurrent().valid);
    EXPECT_EQ(library->getCurrent().name, "Lead");
    EXPECT_EQ(library->getCurrent().folderIndex, root);
}

TEST(PresetLibrarySave, ACaseVariantNameBecomesCurrentByItsOwnSpelling)
{
    PresetTestFolders folders;
    PresetTestFolders::writePreset(folders.userRoot(), presetFile("Lead"), 1);
    const auto library = folders.makeLibrary();
    const int root = lastFolder(*library);

    ASSERT_TRUE(library->savePreset(PresetTestFolders::statePayload(2), "lead", root));

    // This file system tells the two spellings apart: both files stay.
    EXPECT_EQ(PresetTestFolders::markerOf(folders.userRoot().getChildFile(presetFile("Lead"))), 1);
    EXPECT_EQ(PresetTestFolders::markerOf(folders.userRoot().getChildFile(presetFile("lead"))), 2);
    EXPECT_EQ(library->getCurrent().name, "lead");
    EXPECT_TRUE(library->getCurrent().path.endsWith("/lead.tessaropreset"));
}

TEST(PresetLibrarySave, RefusedTargetsWriteNothing)
{
    PresetTestFolders folders;
    PresetTestFolders::writePreset(folders.factoryCategory("01_Leads"), presetFile("01_One"));
    const auto library = folders.makeLibrary();
    const int root = lastFolder(*library);
    const juce::StringArray before = filesBelow(folders.sharedFolder().getParentDirectory());

    struct Case
    {
        juce::String name;
        int folder;
    };
    const Case cases[] = {
        { "Lead", 0 },          // factory folder
        { "Lead", -1 },         // out of range
        { "Lead", root + 1 },   // out of range
        { "../Escape", root },  // unsafe names
        { "Sub/Lead", root },
        { "..\\Escape", root },
        { ".hidden", root },
        { "Bell\a", root },
        { "", root },
    };
    for (const auto& c : cases)
        EXPECT_FALSE(library->savePreset(PresetTestFolders::statePayload(1), c.name, c.folder))
            << c.name.quoted() << " into " << c.folder;

    EXPECT_EQ(filesBelow(folders.sharedFolder().getParentDirectory()), before);
    EXPECT_FALSE(library->getCurrent().valid);
}

TEST(PresetLibrarySave, AUserRootBlockedByAFilePrintsTheDiagnosticAndWritesNothing)
{
    PresetTestFolders folders;
    const auto library = folders.makeLibrary();
    folders.userRoot().replaceWithText("not a folder");

    testing::internal::CaptureStdout();
    const bool saved = library->savePreset(PresetTestFolders::statePayload(1), "Lead", lastFolder(*library));
    const std::string printed = testing::internal::GetCapturedStdout();

    EXPECT_FALSE(saved);
    EXPECT_EQ(printed, "Invalid path (pathname is file)\n");
    EXPECT_EQ(folders.userRoot().loadFileAsString(), "not a folder");
    EXPECT_EQ(filesBelow(folders.userFolder()), juce::StringArray { "User Presets" });
}

TEST(PresetLibrarySave, AFailedWriteKeepsTheOldFile)
{
    PresetTestFolders folders;
    const auto library = folders.makeLibrary();
    const int root = lastFolder(*library);
    ASSERT_TRUE(library->savePreset(PresetTestFolders::statePayload(1), "Lead", root));

    bool saved = true;
    {
        const ScopedFileSizeLimit diskFull(20);
        saved = library->savePreset(PresetTestFolders::statePayload(2), "Lead", root);
    }

    EXPECT_FALSE(saved);
    EXPECT_EQ(PresetTestFolders::markerOf(folders.userRoot().getChildFile(presetFile("Lead"))), 1);
    EXPECT_EQ(filesBelow(folders.userRoot()), juce::StringArray { presetFile("Lead") }) << "no partial file left";
}

TEST(PresetLibraryPaths, LocateCreatesTheUserFolderBelowTheConfigHome)
{
    const PresetPaths paths = PresetPaths::locate("group.quellmark.tessaro", "Tessaro");

    const juce::File configHome(juce::SystemStats::getEnvironmentVariable("XDG_CONFIG_HOME", {}));
    EXPECT_EQ(paths.userFolder, configHome.getChildFile("Quellmark").getChildFile("Tessaro"));
    EXPECT_TRUE(paths.userFolder.isDirectory());
    EXPECT_EQ(paths.sharedFolder.getFileName(), "Tessaro");
    EXPECT_FALSE(paths.sharedFolder.isAChildOf(configHome));
}
