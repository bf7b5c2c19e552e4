#include "render/RenderCommand.h"

#include <juce_events/juce_events.h>

#include <csignal>
#include <iostream>
#include <unistd.h>

namespace
{
std::atomic<bool> cancelRequested { false };

void requestCancel(int)
{
    cancelRequested.store(true);
}
} // namespace

int main(int argc, char* argv[])
{
    // The processor owns components with timers, which need JUCE's GUI subsystem
    // (though no display).
    const juce::ScopedJuceInitialiser_GUI juce;
    // Ctrl-C finishes the current block and removes the unfinished file.
    std::signal(SIGINT, requestCancel);
    std::signal(SIGTERM, requestCancel);

    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return runRenderCommand(arguments, { std::cout, std::cerr, ::isatty(STDERR_FILENO) != 0 }, cancelRequested);
}
