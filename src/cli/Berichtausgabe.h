#pragma once
// `vapro-cli report`: the design report of the engine, headless, drawn by
// the same painters as the program's File → Report.

#include "cli/Aufruf.h"
#include "core/model/Modell.h"
#include "core/persist/Texte.h"

namespace vapro::cli {

// The Berichtzeichner of vapro-cli: writes the report of the engine as the
// command line built it to `auf.ausgabe`, a file ending in .pdf. Without a
// usable steam table the steam figures stay blank.
void Berichtausgabe(Modell& m, const Aufruf& auf, const Sprache& s);

} // namespace vapro::cli
