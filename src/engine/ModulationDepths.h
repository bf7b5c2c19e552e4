#pragma once

/** How far the LFO moves each destination: amplitude, high-pass cutoff, low-pass cutoff and pitch (octaves). */
struct ModulationDepths
{
    float gain = 0.0f;
    float hp = 0.0f;
    float lp = 0.0f;
    float pitch = 0.0f;
};

/**
    For each destination, how much the mod wheel takes over from its depth knob
    (0: the knob alone, 1: the wheel alone); fixed at note start.
*/
struct ModWheelWeights
{
    float gain = 0.0f;
    float hp = 0.0f;
    float lp = 0.0f;
    float pitch = 0.0f;

    /** Crossfades each knob with the wheel. The pitch knob is squared for a finer low range; the wheel is not. */
    ModulationDepths crossfade(const ModulationDepths& knobs, float wheel) const
    {
        return { (1.0f - gain) * knobs.gain + gain * wheel, (1.0f - hp) * knobs.hp + hp * wheel,
                 (1.0f - lp) * knobs.lp + lp * wheel, (1.0f - pitch) * (knobs.pitch * knobs.pitch) + pitch * wheel };
    }
};
