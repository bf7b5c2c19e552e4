#pragma once

#include "engine/ParameterStore.h"

#include <array>

/** Indices of the instrument's engine parameters, in store order. */
namespace EngineParameter
{
enum Index : int
{
    MainVolume = 0,
    OscShape,
    OscPwm,
    OscAttack,
    OscDecay,
    OscSustain,
    OscRelease,
    RotationFreqX,
    RotationFreqY,
    RotationMagX,
    RotationMagY,
    RotationKeySync,
    HpFreq,
    HpReso,
    LpFreq,
    LpReso,
    LpOffset,
    LpTime,
    LfoShape,
    LfoPwm,
    LfoFrequency,
    LfoPhaseOffset,
    LfoLp,
    LfoHp,
    LfoGain,
    LfoPitch,
    LfoKeySync,
    GainVelMod,
    LpFreqVelMod,
    LpOffsetVelMod,
    LfoLpModWheel,
    LfoHpModWheel,
    LfoGainModWheel,
    LfoPitchModWheel,
    DelayTempo,
    DelayFeedback,
    DelayWidth,
    DelayHp,
    DelayLp,
    DelayMix,
    DelaySwap,
    ChorusDepth,
    ChorusFreq,
    ChorusLevel,
    EqLow,
    EqMid,
    EqHigh,
    LegatoMode,
    LegatoTime,
    LfoAttack,
    PitchBendRange,
    LfoHostSync,
    DelayHostSync,
    LfoLengthMultiplier,
    DelayLengthMultiplier,
    count
};
} // namespace EngineParameter

/** Name, mapping, default and plain range of every engine parameter, in index order. */
extern const std::array<ParameterInfo, EngineParameter::count> engineParameterTable;
