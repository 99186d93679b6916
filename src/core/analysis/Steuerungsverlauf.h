#pragma once
// The valve gear over the whole travel of the reversing lever: for every
// lever angle, both directions of rotation and both cylinder ends, the
// figures a designer compares (lead, admission, cut-off, release,
// compression, port opening) and the die slip. One sweep per lever angle
// serves both directions; the events are those of SteuerzeitenSuchen.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/model/Modell.h"

namespace vapro {

// One event of one cylinder end.
struct Verlaufsereignis {
    float Kurbelwinkel = 0;  // crank angle where it happens, degrees 0 … 360
    Steuerereignis Ereignis; // from its dead centre, as the valve-events table shows it
    float Prozent = 0;       // percent of stroke, meaning given with each event below
};

// One cylinder end running one way at one lever angle. An event the valve
// never makes is missing, and so is every figure derived from it.
struct Verlaufsende {
    // Opening of the steam port at the dead centre where this end's stroke
    // begins, in the length unit; negative while the port is still covered.
    float Voreilen = 0;
    // The largest opening of the steam port over the revolution (at most its width).
    float Kanalöffnung = 0;
    // Admission begins; Prozent: the piston's distance from the dead centre named.
    std::optional<Verlaufsereignis> Einlaß;
    // Cut-off; Prozent: Füllung · 100, travel from this end's dead centre.
    std::optional<Verlaufsereignis> Füllung;
    // Exhaust opens; Prozent: the part of this end's stroke done by then
    // (100 when it opens only after the far dead centre).
    std::optional<Verlaufsereignis> Vorausströmung;
    // Exhaust closes; Prozent: Kompression · 100. Missing also when the
    // admission that ends the compression is missing.
    std::optional<Verlaufsereignis> Kompression;
};

struct Verlaufspunkt {
    float UmWinkelGrad = 0; // lever angle in degrees, as `UmWinkel` holds it in radians
    // Why the gear cannot be assembled somewhere in the revolution at this
    // angle; then every figure of it is missing. Empty when it can.
    std::string Fehler;
    bool Lösbar() const { return Fehler.empty(); }
    // The direction check's score here: decides which way the engine runs.
    int16_t Drehrichtungsbilanz = 0;
    // Peak-to-peak slip of the die in the link over one revolution, in the
    // length unit (the link motion only).
    std::optional<float> Steinspringen;
    std::array<std::array<Verlaufsende, 2>, 2> Enden{}; // read through Ende(vor, oben)

    Verlaufsende& Ende(bool vor, bool oben) { return Enden[vor ? 0 : 1][oben ? 0 : 1]; }
    const Verlaufsende& Ende(bool vor, bool oben) const { return Enden[vor ? 0 : 1][oben ? 0 : 1]; }
};

struct Steuerungsverlauf {
    std::vector<Verlaufspunkt> Punkte;             // ascending lever angle
    float Hub = 0;                                 // stroke, length unit
    float KanalweiteOben = 0, KanalweiteUnten = 0; // widths of the steam ports
    bool MM = true;                                // length unit millimetres, else inches
};

// The six figures of one end and direction as tables list them: lead,
// cut-off, release, compression (percent of stroke), port opening and die
// slip; all but the die slip missing where the gear cannot be assembled.
std::array<std::optional<float>, 6> Verlaufswerte(const Verlaufspunkt& p, bool vor, bool oben);

// The most lever angles one range may hold.
inline constexpr int VerlaufMaxPunkte = 10001;

// The lever angles of the range, in degrees of `UmWinkel`: over the lever's
// travel (`UmMin` … `UmMax` on the slider, times `Vorzeichen`) from its lower
// end upwards in steps of `schrittGrad`, both ends included. Throws
// std::invalid_argument for a step that is not positive or gives more than
// VerlaufMaxPunkte angles.
std::vector<float> Hebelwinkel(const Modell& m, double schrittGrad);

// The range at those angles. Reads the model (port-face levels must be
// current, see SpiegelBerechnen) and leaves it untouched; a lever angle at
// which the gear cannot be assembled is marked, not thrown.
Steuerungsverlauf SteuerungsverlaufBerechnen(const Modell& m, double schrittGrad);

// The same figures at one lever angle (degrees).
Verlaufspunkt VerlaufspunktBerechnen(const Modell& m, float umWinkelGrad);
// … and at the model's own `UmWinkel`, exactly as the windows see it.
Verlaufspunkt VerlaufspunktJetzt(const Modell& m);

} // namespace vapro
