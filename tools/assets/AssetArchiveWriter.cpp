#include "assets/AssetArchiveWriter.h"

#include "kit/assets/AssetArchiveFormat.h"

#include <algorithm>
#include <limits>

juce::Result AssetArchiveWriter::add(const juce::String& name, juce::MemoryBlock data)
{
    if (name.isEmpty())
        return juce::Result::fail("an asset needs a name");
    if ((int) name.getNumBytesAsUTF8() > AssetArchiveFormat::maxNameLength)
        return juce::Result::fail("asset name longer than " + juce::String(AssetArchiveFormat::maxNameLength)
                                  + " bytes: " + name);
    if (std::any_of(entries.begin(), entries.end(), [&](const Entry& entry) { return entry.name == name; }))
        return juce::Result::fail("asset added twice: " + name);

    entries.push_back({ name, std::move(data) });
    return juce::Result::ok();
}

juce::Result AssetArchiveWriter::writeTo(juce::OutputStream& output) const
{
    const auto count = (juce::uint32) entries.size();
    juce::int64 end = AssetArchiveFormat::indexSize(count);
    for (const auto& entry : entries)
        end += (juce::int64) entry.data.getSize();
    if (end > std::numeric_limits<juce::int32>::max())
        return juce::Result::fail("the archive would exceed 2 GiB");

    bool written = output.writeInt((int) AssetArchiveFormat::magic) && output.writeInt((int) count);
    for (int i = 8; i < AssetArchiveFormat::headerSize; ++i)
        written = written && output.writeByte(0);

    for (const auto& entry : entries)
    {
        char field[AssetArchiveFormat::nameFieldSize] = {};
        entry.name.copyToUTF8(field, sizeof(field));
        written = written && output.write(field, sizeof(field));
    }

    auto offset = AssetArchiveFormat::indexSize(count);
    for (const auto& entry : entries)
    {
        written = written && output.writeInt((int) offset);
        offset += (juce::int64) entry.data.getSize();
    }
    for (const auto& entry : entries)
        written = written && output.writeInt((int) entry.data.getSize());

    for (const auto& entry : entries)
        if (! entry.data.isEmpty())
            written = written && output.write(entry.data.getData(), entry.data.getSize());

    return written ? juce::Result::ok() : juce::Result::fail("could not write the archive");
}

juce::Result AssetArchiveWriter::writeTo(const juce::File& file) const
{
    juce::TemporaryFile temporary(file);
    {
        juce::FileOutputStream output(temporary.getFile());
        if (! output.openedOk())
            return juce::Result::fail("cannot write " + temporary.getFile().getFullPathName());
        const auto result = writeTo(output);
        if (result.failed())
            return result;
        output.flush();
        if (output.getStatus().failed())
            return output.getStatus();
    }
    if (! temporary.overwriteTargetFileWithTemporary())
        return juce::Result::fail("cannot replace " + file.getFullPathName());
    return juce::Result::ok();
}
