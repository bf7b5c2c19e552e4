#include "engine/AmpEnvelope.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float shortestStage = 0.0001f; ///< 6 x control^n is floored here: 0.01 s once the square root is taken

/** Frames of a stage whose time value is t: the float product is truncated, so A = 0 gives 882 frames at 88200. */
int stageFrames(float t, float sampleRate)
{
    return static_cast<int>(std::sqrt(t) * sampleRate);
}
} // namespace

void AmpEnvelope::start(float attack, float decay, float sustain, float release, float sampleRate)
{
    const float a = std::max(6.0f * (attack * attack * attack), shortestStage);
    const float d = std::max(6.0f * (decay * decay * decay), shortestStage);
    // The release floor is compared in double, unlike the other two.
    const auto e = static_cast<float>(std::max(static_cast<double>(6.0f * (release * release)), 0.0001));

    sustainLevel = std::sqrt(sustain * sustain * sustain);
    attackFrames = stageFrames(a, sampleRate);
    attackStep = 1.0f / static_cast<float>(attackFrames);
    decayFrames = stageFrames(d, sampleRate);
    decayStep = (sustainLevel - 1.0f) / static_cast<float>(decayFrames);
    releaseFrames = stageFrames(e, sampleRate);

    level = 0.0f;
    counter = 0;
    stage = Stage::Attack;
}

float AmpEnvelope::advance()
{
    int z = counter + 1;
    switch (stage)
    {
        case Stage::Attack:
            // The last attack frame already belongs to the decay, so the attack
            // peaks one step below 1.
            if (z != attackFrames)
            {
                counter = z;
                level += attackStep;
                return level;
            }
            stage = Stage::Decay;
            z = 1;
            [[fallthrough]];

        case Stage::Decay:
            if (z < decayFrames)
            {
                counter = z;
                level += decayStep;
                return level;
            }
            stage = Stage::Sustain;
            [[fallthrough]];

        case Stage::Sustain:
            // Nothing reads the frame count while the level holds, so it is not
            // kept: a note held for hours would overflow it.
            counter = 0;
            if (sustainLevel > 0.0f)
                return level;
            stage = Stage::Idle;
            return 0.0f;

        case Stage::Release:
            counter = z;
            if (z < releaseFrames)
            {
                level += releaseStep;
                return level;
            }
            level = 0.0f;
            counter = 0;
            stage = Stage::Idle;
            return 0.0f;

        case Stage::Idle:
            break;
    }
    return level;
}

void AmpEnvelope::release()
{
    if (stage == Stage::Idle || stage == Stage::Release)
        return;
    stage = Stage::Release;
    releaseStep = releaseFrames < 1 ? -level : -level / static_cast<float>(releaseFrames);
    counter = 0;
}
