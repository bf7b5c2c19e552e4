#pragma once

#include <ostream>

/** A text progress bar on one terminal line, redrawn in place; it ends its line when destroyed. */
class ProgressBar
{
public:
    explicit ProgressBar(std::ostream& stream) : out(stream) {}
    ~ProgressBar();

    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    /** Redraws the bar when the whole percentage shown changes. */
    void update(double fractionDone);

private:
    static constexpr int width = 40;

    std::ostream& out;
    int shownPercent = -1;
};
