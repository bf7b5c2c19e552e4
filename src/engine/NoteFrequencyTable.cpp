#include "engine/NoteFrequencyTable.h"

#include <cmath>

namespace
{
std::array<float, 128> makeNoteFrequencyTable()
{
    std::array<float, 128> table {};
    for (int n = 0; n < 128; ++n)
        table[static_cast<size_t>(n)] = static_cast<float>(440.0 * std::exp2((n - 69) / 12.0));
    return table;
}
} // namespace

const std::array<float, 128> noteFrequencyTable = makeNoteFrequencyTable();
