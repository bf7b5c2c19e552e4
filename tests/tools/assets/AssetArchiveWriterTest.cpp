#include "assets/AssetArchiveWriter.h"

#include "kit/assets/QMAssetManager.h"

#include <gtest/gtest.h>

namespace
{
juce::MemoryBlock bytes(const char* text)
{
    return { text, std::strlen(text) };
}

juce::uint32 fieldAt(const juce::MemoryBlock& archive, size_t position)
{
    return juce::ByteOrder::littleEndianInt(static_cast<const char*>(archive.getData()) + position);
}

TEST(AssetArchiveWriter, WritesTheIndexThenTheData)
{
    AssetArchiveWriter writer;
    ASSERT_TRUE(writer.add("a", bytes("xyz")).wasOk());
    ASSERT_TRUE(writer.add("bb", {}).wasOk());
    ASSERT_TRUE(writer.add("c/d.png", bytes("12345")).wasOk());

    juce::MemoryOutputStream output;
    ASSERT_TRUE(writer.writeTo(output).wasOk());
    const auto archive = output.getMemoryBlock();

    constexpr size_t indexSize = 32 + 72 * 3;
    ASSERT_EQ(archive.getSize(), indexSize + 3 + 5);
    EXPECT_EQ(std::memcmp(archive.getData(), "ramq", 4), 0);
    EXPECT_EQ(fieldAt(archive, 4), 3u);
    for (size_t i = 8; i < 32; ++i)
        EXPECT_EQ(archive[i], 0) << "reserved byte " << i;

    const char* names[] = { "a", "bb", "c/d.png" };
    const juce::uint32 offsets[] = { indexSize, indexSize + 3, indexSize + 3 };
    const juce::uint32 sizes[] = { 3, 0, 5 };
    for (size_t i = 0; i < 3; ++i)
    {
        const char* field = static_cast<const char*>(archive.getData()) + 32 + 64 * i;
        EXPECT_STREQ(field, names[i]);
        for (size_t b = std::strlen(names[i]); b < 64; ++b)
            EXPECT_EQ(field[b], 0) << names[i] << " name byte " << b;
        EXPECT_EQ(fieldAt(archive, 32 + 64 * 3 + 4 * i), offsets[i]) << names[i];
        EXPECT_EQ(fieldAt(archive, 32 + 68 * 3 + 4 * i), sizes[i]) << names[i];
    }
    EXPECT_EQ(std::memcmp(static_cast<const char*>(archive.getData()) + indexSize, "xyz12345", 8), 0);
}

TEST(AssetArchiveWriter, RefusesNamesTheReaderCouldNotServe)
{
    const juce::String longest = juce::String::repeatedString("n", 63);

    struct Case
    {
        juce::String name;
        bool accepted;
    };
    const Case cases[] = {
        { "", false },
        { longest, true },
        { longest + "n", false },
        { juce::String::repeatedString("n", 62) + juce::String::charToString(0x00e9), false }, // 64 bytes in UTF-8
        { "fonts/font.ttf", true },
        { "fonts/font.ttf", false }, // the same name again
        { "Fonts/font.ttf", true },
    };

    AssetArchiveWriter writer;
    int accepted = 0;
    for (const auto& c : cases)
    {
        EXPECT_EQ(writer.add(c.name, bytes("data")).wasOk(), c.accepted) << c.name;
        accepted += c.accepted ? 1 : 0;
    }

    juce::MemoryOutputStream output;
    ASSERT_TRUE(writer.writeTo(output).wasOk());
    EXPECT_EQ(fieldAt(output.getMemoryBlock(), 4), (juce::uint32) accepted);
}

TEST(AssetArchiveWriter, ArchiveFileIsReadBackByTheAssetManager)
{
    const juce::TemporaryFile file(".qma");
    ASSERT_TRUE(file.getFile().replaceWithText("an older archive"));

    AssetArchiveWriter writer;
    ASSERT_TRUE(writer.add("v2/one.png", bytes("first")).wasOk());
    ASSERT_TRUE(writer.add("fonts/two.ttf", bytes("second")).wasOk());
    ASSERT_TRUE(writer.writeTo(file.getFile()).wasOk());

    QMAssetManager assets(file.getFile().getFullPathName());
    for (const auto& [name, expected] : { std::pair { "v2/one.png", "first" }, std::pair { "fonts/two.ttf", "second" } })
    {
        int count = 0;
        const void* data = assets.getAssetData(name, count);
        ASSERT_NE(data, nullptr) << name;
        EXPECT_EQ(std::string(static_cast<const char*>(data), (size_t) count), expected);
    }
}
} // namespace
