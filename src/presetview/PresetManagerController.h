#pragma once

#include "presets/PresetLibrary.h"
#include "presetview/PresetDisplay.h"
#include "presetview/PresetManagerViewDelegate.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

/**
    The logic behind the preset manager: loads, steps, imports, exports and
    deletes presets on the processor's library, and moves preset data into and
    out of the processor through the editor (the data provider).

    The library and the provider outlive the controller; both are held as
    non-owning pointers, like the display. Message thread only.
*/
class PresetManagerController : public PresetManagerViewDelegate
{
public:
    /** How preset data reaches the processor; implemented by the editor. */
    class PresetDataProvider
    {
    public:
        virtual ~PresetDataProvider() = default;

        /** The current sound: the processor's state saved for a preset. */
        virtual juce::MemoryBlock getPresetData() = 0;
        /** Applies a preset payload to the processor. */
        virtual void loadPresetData(const void* data, int size) = 0;
        /** The component the view and the file dialogs sit on; may be null. */
        virtual juce::Component* getViewParent() = 0;
        /** Told after every successful load, with text hashes of the folder and preset names. */
        virtual void presetLoaded(int folderHash, int presetHash) = 0;
    };

    PresetManagerController(PresetDataProvider& provider, PresetLibrary& library);
    ~PresetManagerController() override;

    /** The view to keep informed (not owned); null shows nothing. */
    void setDisplay(PresetDisplay* displayToUse) { display = displayToUse; }

    bool loadPreset(int folderIndex, int presetIndex) override;
    juce::MemoryBlock getPresetData() override;
    /** Opens the "Import Preset" file chooser; the chosen file goes to importPresetFile. */
    void importPreset() override;
    /** Opens the "Export Preset" file chooser; the chosen file goes to exportPresetFile. */
    void exportPreset() override;
    /** Deletes a user preset's file; factory presets are never deleted. */
    void deletePreset(int folderIndex, int presetIndex) override;
    bool selectNext() override;
    bool selectPrevious() override;

    /**
        "p" or "r" rescans every folder and finds the current preset again by its
        folder's and its own name. Any other text is taken as a Base64 preset file,
        which is loaded and shown as "** Imported **" before the same rescan.
    */
    virtual void presetsChanged(const char* message);

    /** Loads a preset file from anywhere; it is shown by its file name but is not a listed entry. */
    bool importPresetFile(const juce::File& file);
    /** Writes the current sound as a preset file; an existing file is replaced only on success. */
    bool exportPresetFile(const juce::File& file);

private:
    bool loadPayload(const juce::MemoryBlock& fileBytes);
    bool stepTo(PresetPosition position);
    void rescanKeepingCurrent();
    void showFolder(int folderIndex);
    void showCurrent();
    void launchChooser(const juce::String& title, int flags, std::function<void(const juce::File&)> onChosen);

    PresetDataProvider* provider; ///< the editor; not owned
    PresetLibrary* library;       ///< the processor's; not owned
    PresetDisplay* display = nullptr;
    std::unique_ptr<juce::FileChooser> chooser; ///< alive while its dialog is open
};
