#include "presets/ProductFolders.h"

#include <gtest/gtest.h>

TEST(ProductFolders, SharedFolderLooksInTheBinarysOwnBundleFirst)
{
    struct Case
    {
        const char* binary;
        const char* bundleFolder; ///< nullptr: only the machine-wide folders
    };
    const Case cases[] = {
        { "/home/u/.vst3/Tessaro.vst3/Contents/x86_64-linux/Tessaro.so", "/home/u/.vst3/Tessaro.vst3/Contents/Resources" },
        { "/home/u/.lv2/Tessaro.lv2/libTessaro.so", "/home/u/.lv2/Tessaro.lv2" },
        { "/home/u/.local/bin/Tessaro", "/home/u/.local/share/Quellmark/Tessaro" },
        { "/opt/daw/bin/host", "/opt/daw/share/Quellmark/Tessaro" },
        { "/work/build/tests/tessaro_core_tests", nullptr },
        { "/home/u/plugins/Contents/x86_64-linux/Other.so", nullptr },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.binary);
        const auto candidates = ProductFolders::sharedFolderCandidates(juce::File(c.binary), "Tessaro");
        juce::StringArray paths;
        for (const auto& candidate : candidates)
            paths.add(candidate.getFullPathName());

        juce::StringArray expected;
        if (c.bundleFolder != nullptr)
            expected.add(c.bundleFolder);
        expected.add("/usr/local/share/Quellmark/Tessaro");
        expected.add("/usr/share/Quellmark/Tessaro");
        EXPECT_EQ(paths, expected);
    }
}

TEST(ProductFolders, UserFolderIsCreatedUnderTheMakersFolder)
{
    const juce::File folder = ProductFolders::userFolder("Tessaro");
    EXPECT_TRUE(folder.isDirectory());
    EXPECT_EQ(folder, juce::File::getSpecialLocation(juce::File::userApplicationDataDirectory)
                          .getChildFile("Quellmark")
                          .getChildFile("Tessaro"));
}
