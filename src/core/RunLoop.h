#pragma once

#include "core/TCelObjCollection.h"

// The screen-free part of one timer tick: up to 1500 integration steps stopping at a collision, the
// orbit-projection count, the variable time step, and the display positions with their trail sample.
// The program draws after it; the headless runner writes its readout row after it.
struct TickResult {
    int stepsDone = 0;
    bool collided = false;
    int32_t collObj1 = -1;
    int32_t collObj2 = -1;
};

TickResult RunTick(TCelObjCollection &collection);

// Whether the tick that just ran is a periodic moment (arrows, periodic positions, lines from the centre
// of mass): r = round(Time) mod round(InterMedPosInterval), rounded halves to even in 64-bit integers;
// true when DeltaT x 1505 > r or that comparison is undecided. An interval that rounds to 0 counts as 1 s.
bool IsPeriodicMoment(const TCelObjCollection &collection);
