#pragma once
// Where the die block stands in the expansion link over one revolution at
// one lever angle: the curve whose peak-to-peak is the die slip.

#include <optional>
#include <vector>

#include "core/model/Modell.h"

namespace vapro {

// The die's position along the link's arc, measured from the middle of the
// arc (halfway between the two eccentric-rod pins), in the length unit;
// positive towards the forward eccentric rod's pin. From the solver's
// current results (the link motion only).
float SteinLage(const Modell& m);

struct Steinweg {
    // SteinLage at the crank angles SuchWinkel(0 … SuchSchritte - 1), the
    // angles the valve-event search and the lever range visit.
    std::vector<float> Lage;
    float Min = 0, Max = 0;
    // Half the length of the link's arc, overhang included: how far the die
    // could go from the middle either way.
    float Halblänge = 0;
    // The die slip: peak-to-peak of the curve.
    float Springen() const { return Max - Min; }
};

// The curve at the model's `UmWinkel`, solved on a copy; nothing for a
// single eccentric, which has no die. Throws GeometrieFehler when the gear
// cannot be assembled somewhere in the revolution.
std::optional<Steinweg> SteinwegBerechnen(const Modell& m);

} // namespace vapro
