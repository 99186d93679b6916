#pragma once
// Test engines: the default engines with derived valve and port-face levels,
// ready for the solver.

#include "core/model/Modell.h"
#include "core/model/Standarddaten.h"

namespace vapro::test {

inline Modell Standardmaschine(bool mm = true) {
    Modell m;
    StandardmaschineEinrichten(m, mm ? "[mm]" : "[inch]");
    return m;
}

inline float Grad(double g) {
    return static_cast<float>(g * 3.14159265358979 / 180.0);
}

} // namespace vapro::test
