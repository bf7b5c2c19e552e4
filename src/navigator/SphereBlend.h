#pragma once

#include "engine/EngineParameters.h"
#include "navigator/SphereModel.h"

#include <array>
#include <span>

/** How the points on the sphere's front cap become engine parameter values. */
namespace SphereBlend
{
/** Ramp time of every blended value. */
inline constexpr float rampSeconds = 0.02f;

/** False for the parameters the host drives directly and for "Delay tempo", which nothing sets. */
constexpr bool isBlended(int engineIndex)
{
    switch (engineIndex)
    {
        case EngineParameter::DelayTempo:
        case EngineParameter::DelayFeedback:
        case EngineParameter::DelayMix:
        case EngineParameter::DelaySwap:
        case EngineParameter::LegatoMode:
        case EngineParameter::LegatoTime:
        case EngineParameter::PitchBendRange:
        case EngineParameter::DelayLengthMultiplier:
            return false;
        default:
            return true;
    }
}

/**
    Every column of the factory bank mixed by the selection's weights, summed in
    selection order and clamped to 0..1. An empty selection gives zeros. Points
    outside the bank contribute nothing.
*/
std::array<float, EngineParameter::count> mix(std::span<const SphereModel::SelectedPoint> selection);
} // namespace SphereBlend
