#pragma once
// The `render` and `report` commands' link to the drawing library. The command line
// itself needs only the core; a vapro-cli built with the painters installs
// the function that draws and writes the pictures at start.

#include <functional>

#include "cli/Aufruf.h"
#include "core/model/Modell.h"
#include "core/persist/Texte.h"

namespace vapro::cli {

// Draws the picture `auf.bild` of the engine at `auf.winkel` and writes it to
// `auf.ausgabe`. Throws Bedienfehler for a picture it does not draw,
// Dateifehler when the file cannot be written, GeometrieFehler when the
// engine cannot be assembled.
using Bildzeichner = std::function<void(Modell&, const Aufruf&, const Sprache&)>;

void BildzeichnerSetzen(Bildzeichner zeichner);

// Runs the installed one; without one, a usage error that says so.
void BildZeichnen(Modell& m, const Aufruf& auf, const Sprache& s);

// Writes the design report of the engine to `auf.ausgabe`; throws like a
// Bildzeichner.
using Berichtzeichner = std::function<void(Modell&, const Aufruf&, const Sprache&)>;

void BerichtzeichnerSetzen(Berichtzeichner zeichner);
void BerichtZeichnen(Modell& m, const Aufruf& auf, const Sprache& s);

} // namespace vapro::cli
