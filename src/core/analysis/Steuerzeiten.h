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

// The search, unless the raw events are those of a search since which the
// change count, angle step, lever and direction stayed the same, so that the
// views of one frame search once between them. False when it did not search.
// A load changes the engine before its recomputation counts the change: a
// view refilled then clears `Steuerzeitensuche.gesucht` first.
bool SteuerzeitenSuchenWennNötig(Modell& m);

// The resulting events, cut-off and compression of both ends from the raw ones.
void SteuerzeitenAuswerten(Modell& m);

} // namespace vapro
