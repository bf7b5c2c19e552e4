#pragma once

/**
    The one-shot envelope that moves the low-pass cutoff away from its base at
    note start and brings it back linearly: up to nine times higher (offset
    above 0.5), down to zero (below 0.5), none at exactly 0.5.
*/
class FilterOffsetEnvelope
{
public:
    /** offset 0..1, seconds until the cutoff is back at its base (scaled by the offset's distance from 0.5 and the velocity factor). */
    void start(float offset, float seconds, float velocityFactor, float reciprocalRate)
    {
        float o = 2.0f * offset - 1.0f;
        rate = reciprocalRate / seconds;
        if (o > 0.0f)
        {
            o = 8.0f * o;
            rate = -8.0f * rate;
        }
        envelope = o * velocityFactor;
    }

    /** base scaled by this frame's offset; then one frame on, stopping at 0 when it crosses. */
    float apply(float base)
    {
        if (envelope == 0.0f || rate == 0.0f)
            return base;
        const float scaled = base * (1.0f + envelope);
        envelope += rate;
        if ((envelope > 0.0f) == (rate > 0.0f))
            envelope = 0.0f;
        return scaled;
    }

private:
    float envelope = 0.0f; ///< added to 1 as the cutoff factor
    float rate = 0.0f;     ///< change per frame, towards 0; infinite for a zero time
};
