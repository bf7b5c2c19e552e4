// tessaro-factory-presets OUTPUT_FOLDER
// Writes the factory preset files into OUTPUT_FOLDER/<category>/, one per
// factory bank entry. Fails when an entry cannot be placed or a file not written.
#include "factory-presets/FactoryPresets.h"

#include "presets/FactoryBank.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: tessaro-factory-presets OUTPUT_FOLDER\n";
        return 2;
    }

    const auto plan = FactoryPresets::plan();
    for (const int entry : plan.unplaced)
        std::cerr << "no sphere position plays entry " << entry << " (" << FactoryBank::getName(entry) << ") alone\n";

    const juce::File root = juce::File::getCurrentWorkingDirectory().getChildFile(argv[1]);
    if (! FactoryPresets::write(root, plan.presets))
    {
        std::cerr << "could not write the presets into " << root.getFullPathName() << "\n";
        return 1;
    }
    return plan.unplaced.empty() ? 0 : 1;
}
