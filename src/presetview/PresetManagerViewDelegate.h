#pragma once

#include <juce_core/juce_core.h>

/**
    What the preset manager view asks of its controller; the view holds it as
    its `PresetManagerView::Delegate` (a non-owning pointer to the controller).
    Message thread only.
*/
class PresetManagerViewDelegate
{
public:
    virtual ~PresetManagerViewDelegate() = default;

    /** Reads a listed preset and hands it to the processor; the current preset is not moved. */
    virtual bool loadPreset(int folderIndex, int presetIndex) = 0;
    /** The current sound as preset payload. */
    virtual juce::MemoryBlock getPresetData() = 0;
    virtual void importPreset() = 0;
    virtual void exportPreset() = 0;
    virtual void deletePreset(int folderIndex, int presetIndex) = 0;
    /** The arrow buttons: step the current preset and load it. */
    virtual bool selectNext() = 0;
    virtual bool selectPrevious() = 0;
};
