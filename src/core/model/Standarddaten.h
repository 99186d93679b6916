#pragma once

#include <string>

#include "core/model/Ansichten.h"
#include "core/model/Modell.h"

namespace vapro {

// Installs the default engine of a unit key, derives the slide valve,
// recomputes and starts the change counter afresh. The window flags stay.
void StandarddatenLaden(Modell& m, Ansichten& a, const std::string& einheit);

} // namespace vapro
