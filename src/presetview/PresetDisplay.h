#pragma once

struct PresetEntry;

/**
    What the preset controller tells the view showing the library: the view
    implements it and reads everything else from the library itself.
*/
class PresetDisplay
{
public:
    virtual ~PresetDisplay() = default;

    /** Rebuild the lists for this folder (its contents or the folder list may have changed). */
    virtual void showFolder(int folderIndex) = 0;
    /** Show this record as the current preset: its name, the arrows' and "Save"'s states. */
    virtual void setCurrentPreset(const PresetEntry& entry) = 0;
};
