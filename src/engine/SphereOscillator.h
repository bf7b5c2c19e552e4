#pragma once

/**
    A slow sine sweep read from the shared table. Its phase is float: it only
    moves the timbre, where drift over a long note is harmless.
*/
class Rotation
{
public:
    void reset() { phase = 0.0f; }

    /** The sine at the current phase; then the phase moves on by step cycles. */
    float advance(float step);

private:
    float phase = 0.0f;
};

/**
    The voice oscillator: a table wave that morphs from sine to square and
    squeezes its period into a pulse width, with shape and width swept by two
    rotations (Y moves the shape, X the width). Its phase is double so that long
    notes keep their pitch.
*/
class SphereOscillator
{
public:
    /** Per-frame controls: shape, "Osc 1 PWM", the rotation magnitudes and the rotation rates in Hz. */
    struct Controls
    {
        float shape = 0.0f;
        float pwm = 0.0f;
        float rotationMagX = 0.0f;
        float rotationMagY = 0.0f;
        float rotationFreqX = 0.0f;
        float rotationFreqY = 0.0f;
    };

    void setSampleRate(float rate);
    void resetPhase() { phase = 0.0; }
    void resetRotations();

    /** One sample at frequency Hz; the rotations are read before they move on. */
    float render(float frequency, const Controls& controls);

    /** The shape (0..1) and width (0.015..1) of the last rendered frame, after the rotations. */
    float getShape() const { return shape; }
    float getWidth() const { return width; }

private:
    Rotation rotationX;
    Rotation rotationY;
    double phase = 0.0;
    double rate = 44100.0;
    float sampleRate = 44100.0f;
    float shape = 0.0f;
    float width = 1.0f;
};
