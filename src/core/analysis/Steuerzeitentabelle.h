#pragma once
// What the valve-events table shows: the value cells of both cylinder ends as
// texts, with "---" wherever a value rests on an event the search did not find
// (its travel would be the one left over from an earlier search).

#include <array>
#include <string>

#include "core/model/Modell.h"
#include "core/persist/Texte.h"

namespace vapro {

// Which resulting values of one cylinder end rest only on events the search found.
struct Steuerzeitengültig {
    bool Einlaßbeginn = false, Einlaßende = false, Auslaßbeginn = false, Auslaßende = false;
    bool Füllung = false, Kompression = false;
};
Steuerzeitengültig GültigOben(const Modell& m);
Steuerzeitengültig GültigUnten(const Modell& m);

inline constexpr int SteuerzeitenZeilen = 16, SteuerzeitenSpalten = 10;
// Rows 1..7 the top end, 9..15 the bottom end; row 0, row 8 and column 4 separate.
using Steuerzeitenzellen =
    std::array<std::array<std::string, SteuerzeitenSpalten>, SteuerzeitenZeilen>;

// The text shown for a value that rests on a missing event.
inline constexpr const char* Fehlt = "---";

// The value cells after a search and an evaluation: raw angle, travel from
// bottom dead centre and its percentage of the stroke in columns 1..3 of rows
// 2..5 and 10..13; reference, angle, travel and percentage in columns 6..9 of
// the same rows; cut-off and compression travel and percentage in columns 8
// and 9 of rows 6, 7, 14 and 15. Captions and every other cell stay empty.
// A missing event keeps its angle of -1.0 in the raw column.
Steuerzeitenzellen SteuerzeitenWerte(const Modell& m, const Sprache& s, char dezimal);

// The same cells when there are no events at all (the engine cannot be
// assembled): "---" in every value cell.
Steuerzeitenzellen SteuerzeitenOhneWerte();

} // namespace vapro
