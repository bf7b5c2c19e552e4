#include "engine/LowpassSection.h"

#include <cmath>
#include <numbers>

float LowpassSection::process(float x, float cutoff, float damping, Precision precision)
{
    const float quotient = precision == Precision::doubleQuotient
                               ? static_cast<float>(std::numbers::pi * cutoff / sampleRate)
                               : std::numbers::pi_v<float> * cutoff / sampleRate;
    const float c = 1.0f / std::tan(quotient);
    const float cc = c * c;
    const float a0 = 1.0f / (cc + 1.0f + damping * c);
    const float a1 = 2.0f * a0;
    const float b1 = (2.0f - 2.0f * cc) * a0;
    const float b2 = (cc + 1.0f - damping * c) * a0;

    const float y = a0 * (x + x2) + a1 * x1 - (b2 * y2 + b1 * y1);
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
}
