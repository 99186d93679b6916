#pragma once
// Design checks: what a designer aims for in a valve gear, measured over the
// lever range, each with its value, its target and a pass or a warning.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/analysis/Steuerungsverlauf.h"
#include "core/model/Modell.h"

namespace vapro {

// The targets. Percentages are of the stroke unless said otherwise.
struct Prüfgrenzen {
    float FüllungMin = 70, FüllungMax = 85; // cut-off at full gear, both ends
    float FüllungDifferenz = 3;             // top against bottom at every lever angle
    float VoreilenDifferenzMM = 0.1f;       // top against bottom lead at full gear, mm …
    float VoreilenDifferenzZoll = 0.004f;   // … and inches
    float UmkehrDifferenz = 3;              // forwards against backwards at mirrored lever angles
    float KanalöffnungMin = 100;  // steam-port opening at full gear, % of the port's width
    float VorausströmungMin = 75; // exhaust opens at full gear, % of the stroke done
};

// The targets by name, for the command line and the settings.
struct Prüfgrenze {
    std::string_view name;
    float Prüfgrenzen::*feld;
};
std::span<const Prüfgrenze> PrüfgrenzenTabelle();
// Nothing for an unknown name; "ue", "oe", "ae" stand for the umlauts.
const Prüfgrenze* PrüfgrenzeSuchen(std::string_view name);

// Targets a check can be measured against: a value that is not a number
// takes its default, percentages stay within 0 … 100, tolerances are not
// negative, and a cut-off band given upside down is turned round.
Prüfgrenzen PrüfgrenzenRepariert(Prüfgrenzen g);

enum class Prüfart : uint8_t {
    FüllungVollauslage, // cut-off at the lever limit of a direction
    FüllungGleich,      // top against bottom cut-off over the range
    VoreilenGleich,     // top against bottom lead at full gear
    UmkehrGleich,       // forwards against backwards at mirrored lever angles
    Drehrichtung,       // the engine turns that way at that lever limit
    KanalöffnungVoll,   // the steam ports open fully at full gear
    VorausströmungSpät, // the exhaust opens late enough at full gear
};

// The check's name as the command line's key=value output writes it.
std::string_view PrüfartName(Prüfart art);

struct Prüfergebnis {
    Prüfart Art{};
    std::optional<bool> Vorwärts; // the direction of rotation the row is about
    // The measured value; missing when an event or position it needs is.
    std::optional<float> Wert;
    float Min = 0, Max = 0; // the target band; ±infinity for an open side
    bool Bestanden = false;
    std::optional<float> UmWinkelGrad; // the lever angle measured (the worst one)
    std::optional<bool> Oben;          // the cylinder end concerned (the worse one)
};

// Full gear forwards is the lever limit with the higher direction score, full
// gear backwards the other. `m` is the engine of `v`; mirrored lever angles
// missing from `v` are computed from it.
std::vector<Prüfergebnis> Prüfen(const Modell& m, const Steuerungsverlauf& v, const Prüfgrenzen& g);

inline bool AlleBestanden(std::span<const Prüfergebnis> e) {
    for (const Prüfergebnis& p : e)
        if (!p.Bestanden) return false;
    return true;
}

} // namespace vapro
