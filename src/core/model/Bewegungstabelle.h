#pragma once
// Row arithmetic of the motion table: one row per angle step of a revolution,
// 0° always in row 1, the row advancing with the direction of rotation.

#include <cstdint>

#include "core/model/Modell.h"

namespace vapro {

// Lays the table out for the current angle step: sets `TabellenZeilen`,
// `TabellenSchritt` and the row matching the current angle.
void TabelleEinrichten(Modell& m);

// Where the next write goes. `neuEingerichtet` says the layout changed first
// (the angle step differs from the one the table was laid out for), so the
// caller clears its grid before writing.
struct Tabellenzeile {
    int16_t zeile;
    bool neuEingerichtet;
};
Tabellenzeile NächsteTabellenzeile(Modell& m);

// The angle column shows one decimal only for half-degree steps.
const char* WinkelMuster(float winkelSchritt);

} // namespace vapro
