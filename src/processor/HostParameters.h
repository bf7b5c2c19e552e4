#pragma once

#include "engine/EngineParameters.h"

#include <array>

/** The twelve automatable parameters the host sees, in host index order. */
namespace HostParameter
{
enum Index : int
{
    X = 0,
    Y,
    Z,
    A,
    DelayTime,
    DelayFeedback,
    DelayMix,
    DelaySwap,
    Legato,
    GlideTime,
    PitchBendRange,
    Volume,
    count
};

struct Definition
{
    const char* name; ///< also the parameter ID
    float defaultValue;
};

inline constexpr std::array<Definition, count> definitions { {
    { "X", 0.5f },
    { "Y", 0.5f },
    { "Z", 0.5f },
    { "A", 0.6f },
    { "Delay time", 0.2f },
    { "Delay feedback", 0.2f },
    { "Delay mix", 0.4f },
    { "Delay swap", 0.0f },
    { "Legato", 0.0f },
    { "Glide time", 0.1f },
    { "Pitch bend range", 0.3f },
    { "Volume", 0.7f },
} };

/** A host parameter copied into its engine parameter at the start of every block. */
struct EnginePush
{
    Index host;
    EngineParameter::Index engine;
    bool smoothed; ///< ramped over the block pair instead of set at once
};

/** In push order: the three smoothed delay controls, then the immediate ones. */
inline constexpr std::array<EnginePush, 8> enginePushes { {
    { DelayFeedback, EngineParameter::DelayFeedback, true },
    { DelayMix, EngineParameter::DelayMix, true },
    { DelayTime, EngineParameter::DelayLengthMultiplier, true },
    { DelaySwap, EngineParameter::DelaySwap, false },
    { Legato, EngineParameter::LegatoMode, false },
    { GlideTime, EngineParameter::LegatoTime, false },
    { PitchBendRange, EngineParameter::PitchBendRange, false },
    { Volume, EngineParameter::MainVolume, false },
} };
} // namespace HostParameter
