#pragma once

#include "navigator/SphereModel.h"

#include <array>
#include <optional>

/** The four sphere host values X, Y, Z, A (0..1), as a preset stores them. */
using SphereHostValues = std::array<float, 4>;

/**
    Whether the host values, taken as the processor takes them, turn the model
    so that point `index` is heard alone: it is on the front cap with weight 1
    and every other selected point has weight 0. Leaves the model at that
    orientation.
*/
bool playsAlone(SphereModel& model, const SphereHostValues& host, int index);

/**
    Host values that make point `index` play alone, found and checked with the
    model itself; nothing when the search runs out.

    A turn that brings the point to the centre is exact only in real numbers:
    host values hold floats, so the point usually lands a few millionths off
    the centre and its neighbours keep a trace of weight. Two families of
    orientations keep the point exactly centred in real numbers while rounding
    differently: a spin of the sphere about the point's own axis, and a
    stretch (the model takes quaternions of any length; a longer one pulls
    points towards the centre, so the turn aims slightly past it). The search
    walks both outwards from the plain shortest turn until a candidate's
    projection puts the point exactly on the centre. The spins and stretches
    it needs are far too small to see.
*/
std::optional<SphereHostValues> findFacingHostValues(SphereModel& model, int index);
