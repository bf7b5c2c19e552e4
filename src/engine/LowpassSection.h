#pragma once

/**
    A two-pole low-pass section whose coefficients are recomputed on every
    step. A high-pass is formed by the caller as the section's output minus
    its input.
*/
class LowpassSection
{
public:
    enum class Precision
    {
        doubleQuotient, ///< pi * cutoff / rate formed in double, as the voice filters do
        singleQuotient, ///< the same quotient in float, as the delay's low-pass does
    };

    void setSampleRate(float rate) { sampleRate = rate; }
    float getSampleRate() const { return sampleRate; }
    void clear() { x1 = x2 = y1 = y2 = 0.0f; }

    /** Filters one sample; damping is 1/Q. The cutoff must already be clamped above 0 Hz. */
    float process(float x, float cutoff, float damping, Precision precision = Precision::doubleQuotient);

private:
    float sampleRate = 44100.0f;
    float x1 = 0.0f, x2 = 0.0f; ///< last two inputs
    float y1 = 0.0f, y2 = 0.0f; ///< last two outputs
};
