#pragma once
// The valve-travel curves: where the four working edges of the slide valve
// stand at every whole crank angle of one revolution, which part of a port
// each of them uncovers, and the limits of the graphs' settings.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/model/Druckeinstellungen.h"
#include "core/model/Modell.h"

namespace vapro {

// The graph settings within what the graphs can draw: 1 to 20 revolutions
// side by side (0 would divide the width by zero, thousands would draw
// millions of points), a marker size of at least 1, the two switches 1 or 0.
// The settings window and a loaded machine file share these rules.
inline constexpr int16_t SteuerhubPeriodenMax = 20;
void SteuerhubEinstellungenReparieren(Modell& m);

// The valve edges in the order the graphs number them: lower outer, lower
// inner, upper inner, upper outer.
enum class Schieberkante : uint8_t { UntenAußen, UntenInnen, ObenInnen, ObenAußen };

// One whole crank angle of the sweep.
struct Hubpunkt {
    float Winkel = 0;
    // Piston travel since top dead centre: 0 at 0°, `Hub` at 180°, 2·`Hub` at 360°.
    float Kolbenweg = 0;
    std::array<float, 4> Kante{}; // heights of the four edges, by Schieberkante
};

// Piston travel since top dead centre at the solver's current position.
float KolbenwegSeitOT(const Modell& m);

// Solves the engine at 0°, 1°, … 360° and records the edges; with
// `punkteJeGrad` n > 1 at every n-th part of a degree (1 to
// SteuerhubPunkteJeGradMax, a value outside taken as the nearest limit). `Winkel` and
// the solver's results are those of the angle it started from afterwards,
// also when the solver fails part way (GeometrieFehler is passed on).
// Needs current port-face levels (SpiegelBerechnen).
inline constexpr int SteuerhubPunkteJeGradMax = GradPunkteGrößte;
std::vector<Hubpunkt> SteuerhubVerlauf(Modell& m, int punkteJeGrad = 1);

// The stretch of its port that an edge at `höhe` uncovers, from the lower to
// the upper height; none while the port is covered on that side (an edge
// exactly on a port edge uncovers nothing). The outer edges open their port
// to the chest side, the inner ones to the valve cavity.
struct Öffnung {
    float von = 0, bis = 0;
};
std::optional<Öffnung> Kantenöffnung(const Modell& m, Schieberkante kante, float höhe);

// Whether an edge lets live steam in (outer edges) rather than exhaust out.
inline bool ÖffnetZurKammer(Schieberkante kante) {
    return kante == Schieberkante::UntenAußen || kante == Schieberkante::ObenAußen;
}

} // namespace vapro
