#pragma once
// Valve events: where each controlling valve edge crosses its port edge over
// one revolution, and what that means for admission, exhaust, cut-off and
// compression at both cylinder ends.

#include "core/model/Modell.h"

namespace vapro {

// Turns the crank through one revolution in steps of 0.25° in the direction
// of rotation and records the eight raw events. Restores `Winkel` afterwards;
// the solver results are those of the last sweep angle (top dead centre).
// Needs current port-face levels (SpiegelBerechnen).
void SteuerzeitenSuchen(Modell& m);

// The resulting events, cut-off and compression of both ends from the raw ones.
void SteuerzeitenAuswerten(Modell& m);

} // namespace vapro
