#pragma once

/**
    The voice's linear amplitude envelope. Stage lengths are frame counts fixed
    at note start; the release falls from whatever level was reached.
*/
class AmpEnvelope
{
public:
    enum class Stage
    {
        Idle,
        Attack,
        Decay,
        Sustain,
        Release,
    };

    /** Restarts from 0 with the note's attack, decay, sustain and release controls (each 0..1). */
    void start(float attack, float decay, float sustain, float release, float sampleRate);

    /** Moves one frame on and returns this frame's level. */
    float advance();

    /** From attack, decay or sustain, starts the linear fall to 0; otherwise does nothing. */
    void release();

    Stage getStage() const { return stage; }

private:
    Stage stage = Stage::Idle;
    int counter = 0; ///< frames spent in the current stage
    float level = 0.0f;
    int attackFrames = 0;
    int decayFrames = 0;
    int releaseFrames = 0;
    float attackStep = 0.0f;
    float decayStep = 0.0f;
    float releaseStep = 0.0f;
    float sustainLevel = 0.0f;
};
