#pragma once

#include <cstdint>

enum class SynthEventType : std::int32_t
{
    NoteOn = 0,
    NoteOff = 1,
    Sustain = 2,
    PitchBend = 3,
    ModWheel = 4,
};

inline constexpr int numSynthEventTypes = 5;

/** One time-stamped engine event, copied by value through the channel's queues. */
struct SynthEvent
{
    SynthEventType type = SynthEventType::NoteOn;
    std::int32_t frameTime = 0; ///< frame offset inside the block it is delivered in
    std::int32_t note = 0;      ///< 0..127 for note events, 0 otherwise
    float value = 0.0f;         ///< note frequency in Hz, or the controller value
    float velocity = 0.0f;      ///< 0..1 for note events, 0 otherwise
};
