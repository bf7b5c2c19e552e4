#include "presets/PresetTestFolders.h"
#include "processor/PlexaAudioProcessor.h"

#include <gtest/gtest.h>

namespace
{
/** The least a product adds to the framework base: its preset identity. */
class MinimalProduct : public PlexaAudioProcessor
{
public:
    MinimalProduct() : PlexaAudioProcessor(BusesProperties().withOutput("Output", juce::AudioChannelSet::stereo()))
    {
        initialiseFramework("Tessaro");
    }

    const juce::String& getPresetFileExtension() const override { return extension; }
    const juce::String& getAppGroupIdentifier() const override { return group; }

    const juce::String getName() const override { return "Minimal"; }
    void prepareToPlay(double, int) override {}
    void releaseResources() override {}
    void processBlock(juce::AudioBuffer<float>&, juce::MidiBuffer&) override {}
    double getTailLengthSeconds() const override { return 0.0; }
    bool acceptsMidi() const override { return true; }
    bool producesMidi() const override { return false; }
    juce::AudioProcessorEditor* createEditor() override { return nullptr; }
    bool hasEditor() const override { return false; }
    int getNumPrograms() override { return 1; }
    int getCurrentProgram() override { return 0; }
    void setCurrentProgram(int) override {}
    const juce::String getProgramName(int) override { return {}; }
    void changeProgramName(int, const juce::String&) override {}
    void getStateInformation(juce::MemoryBlock&) override {}
    void setStateInformation(const void*, int) override {}

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
