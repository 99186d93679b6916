#pragma once
// Closed-form position solver of the whole engine at the model's crank angle
// `Winkel` and reversing angle `UmWinkel`.

#include "core/model/Modell.h"

namespace vapro {

// Writes every position, the running extremes and the picture coordinates.
// Throws GeometrieFehler when the engine cannot be assembled at these angles;
// results computed before the failing step keep their new values.
void Kinematik(Modell& m);

// The same without the picture coordinates, for sweeps that only need the
// positions (the picture is always drawn after a full solve).
void KinematikOhneBild(Modell& m);
// The picture coordinates of the current positions, from the picture frame.
void Bildpunkte(Modell& m);

} // namespace vapro
