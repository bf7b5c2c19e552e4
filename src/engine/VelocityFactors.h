#pragma once

/** How a note's velocity scales its amplitude, its low-pass cutoff and its filter-offset envelope; fixed at note start. */
struct VelocityFactors
{
    float gain = 1.0f;
    float lp = 1.0f;
    float lpOffset = 1.0f;

    /**
        Each mod control (0..1) crossfades between ignoring velocity and
        following it: gain and cutoff through 0.8 v^2 + 0.2, so the softest note
        keeps a fifth, the offset envelope through v^2 alone.
    */
    static VelocityFactors forVelocity(float velocity, float gainMod, float lpMod, float lpOffsetMod)
    {
        const float squared = velocity * velocity;
        const float k = 0.8f * squared + 0.2f;
        return { (1.0f - gainMod) + gainMod * k, (1.0f - lpMod) + lpMod * k,
                 (1.0f - lpOffsetMod) + lpOffsetMod * squared };
    }
};
