#include "processor/TessaroAudioProcessor.h"

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new TessaroAudioProcessor();
}
