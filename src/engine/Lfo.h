#pragma once

/**
    A voice's LFO: the same table oscillator as the voice, running freely in Hz
    while its voice renders. With key sync every note restarts it at phase 0
    and fades it in; without, it carries on at full depth.
*/
class Lfo
{
public:
    void setSampleRate(float rate);

    void start(bool keySync, float attackSeconds);

    /**
        Moves one frame on and returns the value (-1..1) scaled by the fade-in.
        shape and pwm are the raw controls (folded here), phaseOffset is in cycles.
    */
    float advance(float frequency, float shape, float pwm, float phaseOffset);

private:
    double phase = 0.0;
    double rate = 44100.0;
    float sampleRate = 44100.0f;
    float ramp = 1.0f;     ///< fade-in factor 0..1
    float rampStep = 0.0f; ///< infinite for a zero attack: full depth on the first frame
};
