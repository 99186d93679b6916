#pragma once
// The analysis graphs as whole pictures for export, printing and the command
// line: each painter draws the graph of its own copy of the model over an
// area in the painter's units (pixels), as its window shows it without the
// markers of the running engine. The painters throw GeometrieFehler when the
// engine cannot be assembled.

#include "core/model/Modell.h"
#include "core/persist/Einheiten.h"
#include "core/persist/Texte.h"
#include "render/Bildexport.h"
#include "render/Steuerhubgraph.h"

namespace vapro {

// The valve-travel graph by crank angle or by piston travel.
Maler SteuerhubMaler(const Modell& m, Hubachse achse, const Sprache& s);

// The valve-events graph; `dezimal` separates the decimals of its labels.
Maler SteuerzeitenMaler(const Modell& m, const Sprache& s, char dezimal = '.');

// The steam diagram of the top cylinder end with its mean pressure.
Maler DampfdiagrammMaler(const Modell& m, const Sprache& s, const Einheitennamen& einheiten,
                         char dezimal = '.');

} // namespace vapro
