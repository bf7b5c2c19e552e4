#include "engine/InstrumentVoice.h"

void InstrumentVoice::setParameter(int id, float value)
{
    if (id == SynthBase::Frequency)
        frequency = value;
    else if (id == SynthBase::Velocity)
        velocity = value;
}

void InstrumentVoice::setParameterSmoothed(int id, float value, float)
{
    setParameter(id, value);
}

float InstrumentVoice::getParameter(int id) const
{
    return id == SynthBase::Frequency ? frequency : id == SynthBase::Velocity ? velocity : 0.0f;
}
