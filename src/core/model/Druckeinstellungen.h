#pragma once
// Limits of the print settings. Every width, size and spacing is at least 1
// (a spacing of 0 would never advance, a width of 0 draws nothing), and two
// opposite page margins together stay below the whole page so that there is
// paper left to draw on. The print dialogs and the machine-file loader apply
// the same rules.

#include <cstdint>

#include "core/model/Modell.h"

namespace vapro {

// Two opposite margins in percent together at most this.
inline constexpr int16_t RandsummeGrößte = 99;

// Points per degree of a printed valve-travel graph: 1 ... this.
inline constexpr int16_t GradPunkteGrößte = 20;

// A width, size or spacing: at least 1.
int16_t MindestensEins(double wert);

// A margin in percent beside the opposite one already set: 0 ... 99 - gegenüber.
int16_t RandBegrenzen(double wert, int16_t gegenüber);

// Brings every print setting of the engine picture and the valve-travel
// graphs within the limits; true when one had to change.
bool DruckeinstellungenReparieren(Modell& m);

} // namespace vapro
