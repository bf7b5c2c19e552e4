#pragma once

#include <juce_core/juce_core.h>

#include <stdexcept>
#include <string>

/** Any input the renderer refuses; its text is the one line the user is shown. */
class RenderError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

inline std::string quoted(const std::string& text)
{
    return "'" + text + "'";
}

inline std::string quoted(const juce::File& file)
{
    return quoted(file.getFullPathName().toStdString());
}
