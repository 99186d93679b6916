#pragma once
// Valve events: where each controlling valve edge crosses its port edge over
// one revolution, and what that means for admission, exhaust, cut-off and
// compression at both cylinder ends.
//
// With outside admission (`Einströmung` 0) live steam reaches a port past the
// valve's outer edge and exhaust leaves past the cavity edge; with inside
// admission (1) it is the other way round. The edge crossings are the same,
// only admission and exhaust of each end change places.

#include <array>
#include <span>

#include "core/model/Modell.h"

namespace vapro {

// Turns the crank through one revolution in steps of 0.25° in the direction
// of rotation and records the eight raw events. Restores `Winkel` afterwards;
// the solver results are those of the last sweep angle (top dead centre).
// Needs current port-face levels (SpiegelBerechnen).
void SteuerzeitenSuchen(Modell& m);

// The search, unless the raw events are those of a search since which the
// change count, angle step, lever and direction stayed the same, so that the
// views of one frame search once between them. False when it did not search.
// A load changes the engine before its recomputation counts the change: a
// view refilled then clears `Steuerzeitensuche.gesucht` first.
bool SteuerzeitenSuchenWennNötig(Modell& m);

// The events a valve edge records when it opens and when it closes its port
// edge: for the lower outer, lower inner, upper inner and upper outer edge in
// turn. With inside admission (1) admission and exhaust change places.
struct Kantenereignisse {
    Steuerzeit Modell::*auf;
    Steuerzeit Modell::*zu;
};
std::array<Kantenereignisse, 4> KantenereignisseFür(int16_t einströmung);

// Crank angle, piston travel and the heights of the four controlling valve
// edges at one solved position.
struct Kantenlage {
    float Winkel = 0, Weg = 0;
    float UntenAußen = 0, UntenInnen = 0, ObenInnen = 0, ObenAußen = 0;
};
// The edges at the solver's current position.
Kantenlage KantenlageJetzt(const Modell& m);

// The angles the search visits, 0°, 0.25°, … 360° (1441), and the position
// it solves before the first of them in each direction.
inline constexpr int SuchSchritte = 1441;
inline constexpr float SuchVorlaufVor = 359.99f, SuchVorlaufZurück = 0.01f;
inline float SuchWinkel(int i) {
    return 0.25f * static_cast<float>(i);
}

// The raw events from positions solved beforehand, exactly as the search would
// record them: `lagen` at SuchWinkel(0 … 1440), `vorlauf` at the pre-position
// of the direction `Drehrichtung` names; a backward search reads `lagen` from
// the end. Lets one sweep serve both directions.
void SteuerzeitenAusLagen(Modell& m, const Kantenlage& vorlauf, std::span<const Kantenlage> lagen);

// The resulting events, cut-off and compression of both ends from the raw ones.
void SteuerzeitenAuswerten(Modell& m);

} // namespace vapro
