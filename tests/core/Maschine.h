#pragma once
// Test engines: the default engines with derived valve and port-face levels,
// ready for the solver.

#include "model/Bewegung.h"
#include "model/Grunddaten.h"
#include "model/Modell.h"
#include "model/Schieber.h"

namespace vapro::test {

inline Modell Standardmaschine(bool mm = true) {
    Modell m;
    Grundfarben(m);
    GrunddatenFürEinheit(m, mm ? "[mm]" : "[inch]");
    SchieberAbleiten(m);
    SpiegelBerechnen(m);
    return m;
}

inline float Grad(double g) { return static_cast<float>(g * 3.14159265358979 / 180.0); }

}  // namespace vapro::test
