#pragma once
// The lever range as CSV, for spreadsheets and scripts: a header line, then
// one line per lever angle, direction (`vor`, `zurueck`) and cylinder end
// (`oben`, `unten`) with the lead, cut-off, release and compression in
// percent of stroke, the largest port opening and the die slip. A missing
// event, or an angle where the gear cannot be assembled, leaves its cells
// empty. Decimal point, UTF-8.

#include <iosfwd>

#include "core/analysis/Steuerungsverlauf.h"

namespace vapro {

void SteuerungsverlaufCsvSchreiben(std::ostream& out, const Steuerungsverlauf& v);

} // namespace vapro
