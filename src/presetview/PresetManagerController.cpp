#include "presetview/PresetManagerController.h"

#include "presets/SafeFileWrite.h"

namespace
{
constexpr const char* importedPresetName = "** Imported **";
} // namespace

PresetManagerController::PresetManagerController(PresetDataProvider& providerToUse, PresetLibrary& libraryToUse)
    : provider(&providerToUse), library(&libraryToUse)
{
}

PresetManagerController::~PresetManagerController() = default;

bool PresetManagerController::loadPreset(int folderIndex, int presetIndex)
{
    const PresetEntry* entry = library->findEntry(folderIndex, presetIndex);
    if (entry == nullptr)
        return false;

    const auto bytes = PresetLibrary::readPresetFile(entry->path);
    if (! bytes.has_value() || ! loadPayload(*bytes))
        return false;

    provider->presetLoaded(library->findFolder(folderIndex)->displayName.hashCode(), entry->name.hashCode());
    return true;
}

bool PresetManagerController::loadPayload(const juce::MemoryBlock& fileBytes)
{
    const auto payload = library->unwrapPresetData(fileBytes.getData(), fileBytes.getSize());
    if (! payload.has_value())
        return false;

    provider->loadPresetData(payload->getData(), static_cast<int>(payload->getSize()));
    return true;
}

juce::MemoryBlock PresetManagerController::getPresetData()
{
    return provider->getPresetData();
}

void PresetManagerController::launchChooser(const juce::String& title, int flags,
                                            std::function<void(const juce::File&)> onChosen)
{
    chooser = std::make_unique<juce::FileChooser>(title, juce::File(), library->getFormat().getWildcard(), true,
                                                  false, provider->getViewParent());
    chooser->launchAsync(flags, [onChosen = std::move(onChosen)](const juce::FileChooser& finished) {
        const juce::File chosen = finished.getResult();
        if (chosen != juce::File())
            onChosen(chosen);
    });
}

void PresetManagerController::importPreset()
{
    launchChooser("Import Preset", juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles,
                  [this](const juce::File& file) { importPresetFile(file); });
}

void PresetManagerController::exportPreset()
{
    launchChooser("Export Preset",
                  juce::FileBrowserComponent::saveMode | juce::FileBrowserComponent::canSelectFiles
                      | juce::FileBrowserComponent::warnAboutOverwriting,
                  [this](const juce::File& file) { exportPresetFile(file); });
}

bool PresetManagerController::importPresetFile(const juce::File& file)
{
    const auto bytes = PresetLibrary::readPresetFile(file.getFullPathName());
    if (! bytes.has_value() || ! loadPayload(*bytes))
        return false;

    library->invalidateCurrent(PresetLibrary::displayNameFor(file.getFileName(), true));
    showCurrent();
    return true;
}

bool PresetManagerController::exportPresetFile(const juce::File& file)
{
    return replaceFileWithData(file, library->getFormat().wrap(provider->getPresetData()));
}

void PresetManagerController::deletePreset(int folderIndex, int presetIndex)
{
    const PresetEntry* entry = library->findEntry(folderIndex, presetIndex);
    if (entry == nullptr || ! entry->isUser)
        return;

    const PresetEntry& current = library->getCurrent();
    if (current.folderIndex == folderIndex && current.entryIndex == presetIndex)
        library->invalidateCurrent();

    if (! juce::File(entry->path).deleteFile())
        return;

    library->rescanFolder(folderIndex, false);
    showFolder(folderIndex);
}

bool PresetManagerController::selectNext()
{
    // The arrows are disabled when there is no step; a late click is ignored.
    return library->hasNext() && stepTo(library->nextPosition());
}

bool PresetManagerController::selectPrevious()
{
    return library->hasPrevious() && stepTo(library->previousPosition());
}

bool PresetManagerController::stepTo(PresetPosition position)
{
    const int folderBefore = library->getCurrent().folderIndex;
    library->setCurrent(position.folder, position.entry);
    const PresetEntry& current = library->getCurrent();

    // Stepping back into an empty folder empties the current record: there is
    // nothing to load, and loading some other preset under no name would lie.
    if (! current.valid)
    {
        showCurrent();
        return false;
    }

    if (current.folderIndex != folderBefore)
        showFolder(current.folderIndex);
    if (! loadPreset(current.folderIndex, current.entryIndex))
        return false;
    showCurrent();
    return true;
}

void PresetManagerController::presetsChanged(const char* message)
{
    const juce::String text(juce::CharPointer_UTF8(message != nullptr ? message : ""));
    if (text != "p" && text != "r")
    {
        juce::MemoryOutputStream decoded;
        if (! juce::Base64::convertFromBase64(decoded, text) || ! loadPayload(decoded.getMemoryBlock()))
            return;
        library->invalidateCurrent(importedPresetName);
        showCurrent();
    }
    rescanKeepingCurrent();
}

void PresetManagerController::rescanKeepingCurrent()
{
    const PresetEntry before = library->getCurrent();
    const PresetFolder* folderBefore = library->findFolder(before.folderIndex);
    const juce::String folderName = folderBefore != nullptr ? folderBefore->displayName : juce::String();

    library->rescanAll();

    const PresetEntry* again = before.valid ? library->findEntry(folderName, before.name) : nullptr;
    if (again != nullptr)
        library->setCurrent(again->folderIndex, again->entryIndex);
    else // a preset that is gone, or an import, stays shown by its name
        library->invalidateCurrent(before.name);
    showFolder(library->getCurrent().folderIndex);
}

void PresetManagerController::showFolder(int folderIndex)
{
    if (display != nullptr)
        display->showFolder(folderIndex);
}

void PresetManagerController::showCurrent()
{
    if (display != nullptr)
        display->setCurrentPreset(library->getCurrent());
}
