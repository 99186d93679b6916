#pragma once
// The slide valve is entered either by its laps or by its geometry; the other
// set follows from the entered one and the port face of the valve chest.

#include "core/model/Modell.h"

namespace vapro {

// Derives the set not entered, for the current `SchieberEingabe`.
void SchieberAbleiten(Modell& m);
// Derives the geometry set from the laps, whatever the entry mode.
void SchieberGeometrieAusÜberdeckung(Modell& m);

} // namespace vapro
