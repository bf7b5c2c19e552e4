#include "presets/PresetTestFolders.h"
#include "processor/PlexaAudioProcessor.h"
#include "support/IdleProcessor.h"

#include <gtest/gtest.h>

namespace
{
/** The least a product adds to the framework base: its preset identity. */
class MinimalProduct : public IdleProcessor<PlexaAudioProcessor>
{
public:
    MinimalProduct() : IdleProcessor(BusesProperties().withOutput("Output", juce::AudioChannelSet::stereo()))
    {
        initialiseFramework("Tessaro");
    }

    const juce::String& getPresetFileExtension() const override { return extension; }
    const juce::String& getAppGroupIdentifier() const override { return group; }

private:
    const juce::String extension { "tessaropreset" };
    const juce::String group { "group.quellmark.tessaro" };
};
} // namespace

TEST(FrameworkLibrary, TheProductsIdentityShapesTheScannedLibrary)
{
    const juce::File userRoot = juce::File::getSpecialLocation(juce::File::userApplicationDataDirectory)
                                    .getChildFile("Quellmark/Tessaro/User Presets");
    const juce::File saved = PresetTestFolders::writePreset(userRoot, "Mine.tessaropreset");
    PresetTestFolders::writePreset(userRoot, "Other.otherpreset");
    PresetTestFolders::writeBytes(userRoot, "Raw.tessaropreset", juce::MemoryBlock(4919, true));

    const MinimalProduct product;
    const PresetLibrary& library = product.getPresetLibrary();

    ASSERT_FALSE(library.getFolders().empty());
    const PresetFolder& root = library.getFolders().back();
    EXPECT_EQ(root.displayName, "User Presets");
    ASSERT_EQ(root.entries.size(), 2u) << "the product's extension and raw size decide what is listed";
    EXPECT_EQ(root.entries[0].name, "Mine");
    EXPECT_EQ(root.entries[1].name, "Raw");
    EXPECT_EQ(library.getCurrent().name, "missing preset");
    EXPECT_EQ(library.getPaths().groupIdentifier, "group.quellmark.tessaro");

    userRoot.deleteRecursively();
}
