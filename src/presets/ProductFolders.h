#pragma once

#include <juce_core/juce_core.h>

/**
    Where the product keeps its files on Linux.

    The shared folder holds what is installed with the product ("Factory
    Presets", "appdata/Assets.qma"). A copied bundle must be a complete install,
    so the binary's own bundle comes first: Tessaro.vst3/Contents/Resources,
    the Tessaro.lv2 folder itself, or share/Quellmark/Tessaro beside the
    Standalone's bin folder; then the machine-wide /usr/local/share and
    /usr/share locations.

    The user folder is the per-user application-data folder (XDG_CONFIG_HOME,
    normally ~/.config) / "Quellmark" / product.
*/
namespace ProductFolders
{
inline constexpr const char* makerFolderName = "Quellmark";

/** The candidates in lookup order, for a binary at the given location. */
juce::Array<juce::File> sharedFolderCandidates(const juce::File& binary, const juce::String& productFolderName);

/** The first candidate that exists, or the last one when none does. */
juce::File sharedFolder(const juce::String& productFolderName);

/** The per-user folder; its maker and product levels are created when missing. */
juce::File userFolder(const juce::String& productFolderName);
} // namespace ProductFolders
