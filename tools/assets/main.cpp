// tessaro-assets: draws the artwork, writes the asset archive and, on request,
// a preview of the editor built from it.
//
//   tessaro-assets --typefaces DIR --archive FILE [--preview DIR] [--pictures DIR]

#include "assets/AssetArchiveBuild.h"
#include "assets/Artwork.h"
#include "assets/EditorPreview.h"

#include <iostream>

namespace
{
juce::Result writePng(const juce::Image& image, const juce::File& file)
{
    if (! file.getParentDirectory().createDirectory())
        return juce::Result::fail("cannot create " + file.getParentDirectory().getFullPathName());
    const auto png = Artwork::encodePng(image);
    if (! file.replaceWithData(png.getData(), png.getSize()))
        return juce::Result::fail("cannot write " + file.getFullPathName());
    return juce::Result::ok();
}

juce::Result writePreviews(const juce::File& archive, const juce::File& folder)
{
    QMAssetManager assets(archive.getFullPathName());
    for (const auto& [zoom, name] : { std::pair { 1.0f, "editor-100.png" }, std::pair { 2.0f, "editor-200.png" } })
        if (const auto written = writePng(EditorPreview::render(assets, zoom), folder.getChildFile(name)); written.failed())
            return written;
    return juce::Result::ok();
}

/** Each picture on its own, under its archive name, for a closer look. */
juce::Result writePictures(const juce::File& archive, const juce::File& folder)
{
    QMAssetManager assets(archive.getFullPathName());
    for (const auto& picture : Artwork::pictures())
        if (const auto written = writePng(assets.getImage(picture.name.toRawUTF8()), folder.getChildFile(picture.name)); written.failed())
            return written;
    return juce::Result::ok();
}

juce::Result run(const juce::StringPairArray& options)
{
    const auto typefaces = options["--typefaces"];
    const auto archivePath = options["--archive"];
    if (typefaces.isEmpty() || archivePath.isEmpty())
        return juce::Result::fail("usage: tessaro-assets --typefaces DIR --archive FILE [--preview DIR] [--pictures DIR]");

    const auto cwd = juce::File::getCurrentWorkingDirectory();
    const auto archive = cwd.getChildFile(archivePath);

    AssetArchiveWriter writer;
    if (const auto filled = AssetArchiveBuild::fill(writer, cwd.getChildFile(typefaces)); filled.failed())
        return filled;
    if (const auto written = writer.writeTo(archive); written.failed())
        return written;

    if (options.containsKey("--preview"))
        if (const auto written = writePreviews(archive, cwd.getChildFile(options["--preview"])); written.failed())
            return written;
    if (options.containsKey("--pictures"))
        if (const auto written = writePictures(archive, cwd.getChildFile(options["--pictures"])); written.failed())
            return written;
    return juce::Result::ok();
}
} // namespace

int main(int argc, char** argv)
{
    juce::StringPairArray options;
    for (int i = 1; i + 1 < argc; i += 2)
        options.set(argv[i], juce::String::fromUTF8(argv[i + 1]));

    // Every option takes a value: a dangling one is a mistake, not a default.
    const auto result = argc % 2 == 1 ? run(options) : juce::Result::fail("option without a value: " + juce::String(argv[argc - 1]));
    if (result.failed())
    {
        std::cerr << "tessaro-assets: " << result.getErrorMessage() << std::endl;
        return 1;
    }
    return 0;
}
