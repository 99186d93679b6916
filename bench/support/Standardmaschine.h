#pragma once
// The default millimetre engine, ready for the solver.

#include "core/model/Modell.h"
#include "core/model/Standarddaten.h"

namespace vapro::bench {

inline Modell Standardmaschine() {
    Modell m;
    StandardmaschineEinrichten(m, "[mm]");
    return m;
}

} // namespace vapro::bench
