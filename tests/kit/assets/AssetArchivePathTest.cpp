#include "kit/assets/AssetArchivePath.h"

#include "kit/assets/ArchiveFixture.h"

#include <gtest/gtest.h>

namespace
{
TEST(AssetArchivePath, EveryStepMustExist)
{
    struct Case
    {
        const char* what;
        bool makeShared;
        bool makeAppdata;
        enum { none, file, folder } archive;
        bool found;
    };
    const Case cases[] = {
        { "no shared folder", false, false, Case::none, false },
        { "no appdata folder", true, false, Case::none, false },
        { "no archive", true, true, Case::none, false },
        { "archive is a folder", true, true, Case::folder, false },
        { "archive installed", true, true, Case::file, true },
    };

    for (const auto& c : cases)
    {
        const ArchiveFixture::TemporaryFolder root;
        const auto shared = root.folder.getChildFile("Quellmark").getChildFile("Tessaro");
        const auto archive = shared.getChildFile("appdata").getChildFile("Assets.qma");
        if (c.makeShared)
            ASSERT_TRUE(shared.createDirectory());
        if (c.makeAppdata)
            ASSERT_TRUE(archive.getParentDirectory().createDirectory());
        if (c.archive == Case::file)
            ASSERT_TRUE(archive.replaceWithText("ramq"));
        if (c.archive == Case::folder)
            ASSERT_TRUE(archive.createDirectory());

        EXPECT_EQ(AssetArchivePath::inSharedFolder(shared), c.found ? archive.getFullPathName() : juce::String()) << c.what;
    }
}
} // namespace
