#pragma once

#include <string>

#include "core/model/Ansichten.h"
#include "core/model/Modell.h"

namespace vapro {

// A default engine ready for the solver: the window colours, the engine of a
// unit key ("[mm]" or any other text for inches), its derived slide valve and
// port-face levels. The direction of rotation is left as the defaults give it.
void StandardmaschineEinrichten(Modell& m, const std::string& einheit);

// Installs the default engine of a unit key, derives the slide valve,
// recomputes and starts the change counter afresh. The window flags stay.
void StandarddatenLaden(Modell& m, Ansichten& a, const std::string& einheit);

} // namespace vapro
