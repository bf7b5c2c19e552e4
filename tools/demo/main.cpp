#include "demo/DemoPhrase.h"

#include <iostream>

int main(int argc, char* argv[])
{
    if (argc != 2)
    {
        std::cerr << "usage: tessaro-demo-midi OUTPUT.mid\n";
        return 2;
    }
    const juce::File output = juce::File::getCurrentWorkingDirectory().getChildFile(juce::String::fromUTF8(argv[1]));
    if (! writeDemoPhrase(output))
    {
        std::cerr << "tessaro-demo-midi: cannot write '" << output.getFullPathName().toStdString() << "'\n";
        return 1;
    }
    return 0;
}
