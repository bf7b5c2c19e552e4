#pragma once

#include <array>

/** Equal temperament, note 69 at 440 Hz, one entry per MIDI note. */
extern const std::array<float, 128> noteFrequencyTable;
