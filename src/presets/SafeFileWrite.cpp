#include "presets/SafeFileWrite.h"

namespace
{
bool writeWhole(const juce::File& file, const juce::MemoryBlock& data)
{
    juce::FileOutputStream out(file);
    if (! out.openedOk())
        return false;
    const bool written = out.write(data.getData(), data.getSize());
    out.flush();
    return written && out.getStatus().wasOk();
}
} // namespace

bool replaceFileWithData(const juce::File& target, const juce::MemoryBlock& data)
{
    const juce::File temporary =
        target.getParentDirectory().getNonexistentChildFile("." + target.getFileName(), ".partial", false);

    // The stream's own status misses short writes, so the size on disk decides.
    if (writeWhole(temporary, data) && temporary.getSize() == static_cast<juce::int64>(data.getSize())
        && temporary.replaceFileIn(target))
        return true;

    temporary.deleteFile();
    return false;
}
