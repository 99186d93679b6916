#pragma once
// Row arithmetic of the motion table: one row per angle step of a revolution,
// 0° always in row 1, the row advancing with the direction of rotation.

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>

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

// One row of the table: crank angle, piston position in the length unit and
// in percent of the stroke, valve travel above its lowest point.
struct Bewegungswerte {
    float Winkel = 0, kwegmm = 0, kwegproz = 0, Schieber = 0;
};
// The row for the solver's current position.
Bewegungswerte BewegungswerteVon(const Modell& m);

// The table as CSV for other programs: a header naming the four columns,
// then one line per table row, numbers with a decimal point, each the
// shortest text that reads back as the same float; a row never filled has
// empty fields.
void BewegungCsvSchreiben(std::ostream& out, std::span<const std::optional<Bewegungswerte>> zeilen);

} // namespace vapro
