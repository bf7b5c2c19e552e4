#include "kit/assets/QMAssetManager.h"

#include "kit/assets/ArchiveFixture.h"
#include "kit/assets/CountingStream.h"

#include <BuiltInTypefaceData.h>
#include <gtest/gtest.h>

namespace
{
using ArchiveFixture::bytesOf;

std::string pngOf(int width, int height)
{
    juce::Image image(juce::Image::ARGB, width, height, true);
    image.setPixelAt(0, 0, juce::Colours::red);
    juce::MemoryOutputStream png;
    juce::PNGImageFormat().writeImageToStream(image, png);
    return { static_cast<const char*>(png.getData()), png.getDataSize() };
}

std::string fontBytes()
{
    return { BuiltInTypefaceData::overpassregular_ttf, (size_t) BuiltInTypefaceData::overpassregular_ttfSize };
}

/** A manager reading the archive through a stream that counts its reads. */
struct CountedManager
{
    explicit CountedManager(const juce::MemoryBlock& archive, juce::int64 claimedLength = -1)
        : manager(std::make_unique<CountingStream>(archive, reads, claimedLength))
    {
        readsToOpen = reads;
    }

    int entryReads() const { return reads - readsToOpen; }

    int reads = 0;
    int readsToOpen = 0;
    QMAssetManager manager;
};

std::string request(QMAssetManager& manager, const char* name, int& count)
{
    count = -1;
    const void* data = manager.getAssetData(name, count);
    return bytesOf(data, count);
}

TEST(QMAssetManager, FindsNamesByteExactlyAndTheFirstOfEqualNames)
{
    const std::string longest(63, 'n');
    const auto archive = ArchiveFixture::build({ { "v2/a.png", "AAAA" },
                                                 { "dup", "first" },
                                                 { "dup", "second" },
                                                 { "Fonts/Case.ttf", "case" },
                                                 { longest, "long" } });

    struct Case
    {
        std::string name;
        std::string expected; // empty: not found
    };
    const Case cases[] = {
        { "v2/a.png", "AAAA" },      { "dup", "first" },       { "Fonts/Case.ttf", "case" },
        { "fonts/case.ttf", "" },    { "v2/a.pn", "" },        { "v2/a.png ", "" },
        { longest, "long" },         { longest + "n", "" },    { "", "" },
    };

    CountedManager counted(archive);
    for (const auto& c : cases)
    {
        int count = 0;
        EXPECT_EQ(request(counted.manager, c.name.c_str(), count), c.expected) << c.name;
        EXPECT_EQ(count, (int) c.expected.size()) << c.name;
    }
}

TEST(QMAssetManager, ArchiveWithoutEntriesFindsNothing)
{
    const auto archive = ArchiveFixture::build({});
    ASSERT_EQ(archive.getSize(), 32u);

    CountedManager counted(archive);
    int count = -1;
    EXPECT_EQ(counted.manager.getAssetData("v2/bg.png", count), nullptr);
    EXPECT_EQ(count, 0);
    EXPECT_FALSE(counted.manager.getImage("v2/bg.png").isValid());
}

TEST(QMAssetManager, UnusableArchiveFilesFindNothing)
{
    const auto good = ArchiveFixture::build({ { "v2/a.png", "AAAA" }, { "v2/b.png", "BBBB" } });

    auto wrongMagic = good;
    std::memcpy(wrongMagic.getData(), "RAMQ", 4);
    auto truncatedIndex = good;
    truncatedIndex.setSize(32 + 72 * 2 - 1);
    auto hostileCount = good;
    ArchiveFixture::setField(hostileCount, 4, 0xffffffffu);
    auto countPastIndex = good;
    ArchiveFixture::setField(countPastIndex, 4, 3); // the index would run into the data and past the file's end
    juce::MemoryBlock headerOnly(good.getData(), 6);

    const ArchiveFixture::TemporaryFolder temporary;
    const auto& folder = temporary.folder;

    struct Case
    {
        const char* what;
        const juce::MemoryBlock* bytes; // null: no file is written
        juce::String path;
    };
    const Case cases[] = {
        { "well-formed", &good, folder.getChildFile("good.qma").getFullPathName() },
        { "empty path", nullptr, {} },
        { "missing file", nullptr, folder.getChildFile("missing.qma").getFullPathName() },
        { "folder", nullptr, folder.getFullPathName() },
        { "wrong magic", &wrongMagic, folder.getChildFile("magic.qma").getFullPathName() },
        { "shorter than its header", &headerOnly, folder.getChildFile("header.qma").getFullPathName() },
        { "truncated index", &truncatedIndex, folder.getChildFile("truncated.qma").getFullPathName() },
        { "hostile count", &hostileCount, folder.getChildFile("hostile.qma").getFullPathName() },
        { "count past the file", &countPastIndex, folder.getChildFile("past.qma").getFullPathName() },
    };

    for (const auto& c : cases)
    {
        if (c.bytes != nullptr)
            ASSERT_TRUE(juce::File(c.path).replaceWithData(c.bytes->getData(), c.bytes->getSize()));

        QMAssetManager manager(c.path);
        int count = -1;
        const auto found = request(manager, "v2/b.png", count);
        if (c.bytes == &good)
            EXPECT_EQ(found, "BBBB") << c.what;
        else
        {
            EXPECT_EQ(found, "") << c.what;
            EXPECT_EQ(count, 0) << c.what;
        }
    }
}

TEST(QMAssetManager, CountLongerThanTheFileIsRejectedBeforeTheIndexIsRead)
{
    // 32 + 72·N is about 1.4 GB here: it must be refused, not allocated and read.
    auto archive = ArchiveFixture::build({ { "v2/a.png", "AAAA" } });
    ArchiveFixture::setField(archive, 4, 20'000'000u);

    CountedManager counted(archive);
    EXPECT_EQ(counted.readsToOpen, 1); // the header alone
    int count = -1;
    EXPECT_EQ(counted.manager.getAssetData("v2/a.png", count), nullptr);
    EXPECT_EQ(count, 0);
}

TEST(QMAssetManager, DamagedEntryIsMissingAndReadsNothing)
{
    const auto good = ArchiveFixture::build({ { "bad", "XXXX" }, { "good", "GOOD" } });
    const auto length = (juce::uint32) good.getSize();

    struct Case
    {
        const char* what;
        juce::uint32 offset;
        juce::uint32 size;
    };
    const Case cases[] = {
        { "negative offset", 0xfffffff0u, 4 },
        { "negative size", 32 + 72 * 2, 0xfffffffcu },
        { "offset past the end", length + 1, 0 },
        { "data past the end", length - 2, 4 },
        { "size overflowing the offset", length - 4, 0x7fffffffu },
    };

    for (const auto& c : cases)
    {
        auto archive = good;
        ArchiveFixture::setField(archive, ArchiveFixture::offsetField(2, 0), c.offset);
        ArchiveFixture::setField(archive, ArchiveFixture::sizeField(2, 0), c.size);

        CountedManager counted(archive);
        int count = -1;
        EXPECT_EQ(request(counted.manager, "bad", count), "") << c.what;
        EXPECT_EQ(count, 0) << c.what;
        EXPECT_EQ(counted.entryReads(), 0) << c.what;
        EXPECT_EQ(request(counted.manager, "good", count), "GOOD") << c.what;
    }
}

TEST(QMAssetManager, ShortReadIsMissingAndNotCached)
{
    const auto archive = ArchiveFixture::build({ { "cut", "0123456789" } });
    auto shortened = archive;
    shortened.setSize(archive.getSize() - 3);

    // The stream still claims the full length, as a file that shrank after opening would.
    CountedManager counted(shortened, (juce::int64) archive.getSize());
    int count = -1;
    EXPECT_EQ(counted.manager.getAssetData("cut", count), nullptr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(counted.manager.getAssetData("cut", count), nullptr);
    EXPECT_EQ(counted.entryReads(), 2);
}

TEST(QMAssetManager, FontBytesStayCachedWhilePictureBytesAreReleased)
{
    const auto archive = ArchiveFixture::build({ { "fonts/f.ttf", fontBytes() }, { "p.png", pngOf(6, 4) } });

    CountedManager fonts(archive);
    const auto font = fonts.manager.getFont("fonts/f.ttf");
    EXPECT_EQ(font.getTypefaceName(), "Overpass");
    fonts.manager.getFont("fonts/f.ttf");
    EXPECT_EQ(fonts.entryReads(), 1);

    CountedManager pictures(archive);
    const auto image = pictures.manager.getImage("p.png");
    ASSERT_TRUE(image.isValid());
    EXPECT_EQ(image.getWidth(), 6);
    EXPECT_EQ(image.getHeight(), 4);
    pictures.manager.getImage("p.png");
    EXPECT_EQ(pictures.entryReads(), 2);
}

TEST(QMAssetManager, MissingFontGivesTheDefaultFont)
{
    CountedManager counted(ArchiveFixture::build({ { "p.png", pngOf(2, 2) } }));
    EXPECT_EQ(counted.manager.getFont("fonts/missing.ttf").getTypefaceName(), juce::Font().getTypefaceName());
    EXPECT_EQ(counted.manager.getFont(nullptr).getTypefaceName(), juce::Font().getTypefaceName());
}

TEST(QMAssetManager, ReleaseDropsOnlyItsOwnCachedBytes)
{
    CountedManager counted(ArchiveFixture::build({ { "a", "AAAA" }, { "b", "BBBB" } }));
    int count = 0;
    const void* cached = counted.manager.getAssetData("a", count);

    counted.manager.releaseAsset("b"); // never requested
    counted.manager.releaseAsset("unknown");
    EXPECT_EQ(counted.manager.getAssetData("a", count), cached);
    EXPECT_EQ(counted.entryReads(), 1);

    counted.manager.releaseAsset("a");
    EXPECT_EQ(request(counted.manager, "a", count), "AAAA");
    EXPECT_EQ(counted.entryReads(), 2);
}

TEST(QMAssetManager, EntriesOfFourBytesOrFewerGiveNullPictures)
{
    const auto png = pngOf(3, 3);
    CountedManager counted(ArchiveFixture::build({ { "four.png", png.substr(0, 4) }, { "empty.png", "" } }));

    for (const char* name : { "four.png", "empty.png" })
        EXPECT_FALSE(counted.manager.getImage(name).isValid()) << name;

    // The bytes were released: asking again reads the entry again.
    const int readsBefore = counted.entryReads();
    int count = 0;
    counted.manager.getAssetData("four.png", count);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(counted.entryReads(), readsBefore + 1);
}
} // namespace
