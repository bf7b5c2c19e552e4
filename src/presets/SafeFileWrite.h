#pragma once

#include <juce_core/juce_core.h>

/**
    Writes the data to a hidden file beside the target and renames it over the
    target only when every byte has reached the disk, so a failed write (a full
    disk, a read-only folder) leaves the old file as it was. The temporary name
    does not end with the target's extension, so folder listings never show a
    half-written file. Returns false, with the target unchanged, on any failure.
*/
bool replaceFileWithData(const juce::File& target, const juce::MemoryBlock& data);
