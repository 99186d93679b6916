#pragma once
// Closed-form position solver of the whole engine at the model's crank angle
// `Winkel` and reversing angle `UmWinkel`.

#include "model/Modell.h"

namespace vapro {

// Writes every position, the running extremes and the picture coordinates.
// Throws GeometrieFehler when the engine cannot be assembled at these angles;
// results computed before the failing step keep their new values.
void Kinematik(Modell& m);

}  // namespace vapro
