#pragma once
// The slide valve is entered either by its laps or by its geometry; the other
// set follows from the entered one and the port face of the valve chest.

#include "core/model/Modell.h"

namespace vapro {

// Derives the set not entered, for the current `SchieberEingabe`.
void SchieberAbleiten(Modell& m);
// Derives the geometry set from the laps, whatever the entry mode.
void SchieberGeometrieAusÜberdeckung(Modell& m);

// Sum of the seven parts of the port face, top to bottom.
double Spiegellänge(const Modell& m);
// Stores the port-face length and lifts a port breadth or passage length
// <= 0 to 0.001, so that the divisions by them stay defined. Throws
// GeometrieFehler for a port face of length <= 0 (nothing to divide by).
void SchieberkastenAbleiten(Modell& m);
// A cavity at least as deep as the body becomes 0.001 shallower than it, but
// never negative. True when it was changed.
bool KanalInnenReparieren(Modell& m);

} // namespace vapro
