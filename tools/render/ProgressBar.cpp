#include "render/ProgressBar.h"

#include <algorithm>
#include <iomanip>
#include <string>

ProgressBar::~ProgressBar()
{
    if (shownPercent >= 0)
        out << '\n' << std::flush;
}

void ProgressBar::update(double fractionDone)
{
    const int percent = std::clamp(static_cast<int>(fractionDone * 100.0), 0, 100);
    if (percent == shownPercent)
        return;
    shownPercent = percent;

    const int filled = width * percent / 100;
    out << "\rRendering [" << std::string(static_cast<size_t>(filled), '#')
        << std::string(static_cast<size_t>(width - filled), ' ') << "] " << std::setw(3) << percent << '%'
        << std::flush;
}
