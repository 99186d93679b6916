#pragma once
// The two built-in default engines and the unit-independent settings.

#include <string>

#include "core/model/Modell.h"

namespace vapro {

// Installs the default background colours of the windows.
void Grundfarben(Modell& m);
// Installs every default that does not depend on the unit system.
void Grundeinstellungen(Modell& m);
// Install a complete default engine in millimetres/bar or inches/psi.
void GrunddatenMM(Modell& m);
void GrunddatenInch(Modell& m);
// The default engine of a unit key: exactly "[mm]" gives the millimetre set,
// any other text the inch set.
void GrunddatenFürEinheit(Modell& m, const std::string& einheit);

} // namespace vapro
