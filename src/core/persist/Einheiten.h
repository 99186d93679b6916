#pragma once
// Units: the unit key of the model says whether every length and pressure
// is in millimetres and bar or in inches and psi; the names below label the
// fields and read-outs; the conversion takes a whole machine from one system
// to the other.

#include <string>
#include <string_view>

#include "core/model/Modell.h"

namespace vapro {

// Unit names shown beside fields and numbers. Names ending in K carry the
// square brackets and label fields; the others follow numbers.
struct Einheitennamen {
    std::string EinheitLänge;
    std::string EinheitFlächeK, EinheitFläche;
    std::string EinheitVolumenKleinK, EinheitVolumenKlein;
    std::string EinheitVolumenK, EinheitVolumen;
    std::string Druckeinheit, EinheitDruck;
    std::string EinheitDruckAbsK, EinheitDruckAbs;
    std::string EinheitTemperatur;
    std::string EinheitSpezVolumen;
    std::string EinheitStromKlein, EinheitStromMittel, EinheitStromGroß, EinheitStromStunde;
};

// Sets the names for a unit key. Exactly "[mm]" is millimetres, any other
// text inches. In inch units the two small-volume names keep what they held:
// there is no inch name for them.
void EinheitenSetzen(Einheitennamen& namen, std::string_view einheit);

// The pressure key belonging to a unit key: "[bar]" for exactly "[mm]",
// otherwise "[psi]".
std::string_view DruckeinheitFür(std::string_view einheit);

// Converts every length and pressure of the model into the system that
// `Einheit` names (the caller has switched it already): lengths by 1/25.4
// into inches or by 25.4 into millimetres, pressures by 1/0.07 into psi or
// by 0.07 into bar; then `Hub` = 2 * `KWRadius`. Angles, speeds, the
// efficiency, the superheat factor, line widths and margins stay. Each value
// is multiplied in double precision and rounded to single precision.
// Throws GeometrieFehler when a value leaves the single-precision range; the
// model is then unchanged.
void Umrechnen(Modell& m);

// The menu action without its window work: "[mm]" becomes "[inch]", any
// other key "[mm]"; the pressure key follows; then `Umrechnen`. Storing the
// key in the settings, refreshing the unit names and windows and the
// recompute are the caller's. Throws like `Umrechnen`, leaving the model
// unchanged.
void EinheitUmschalten(Modell& m);

} // namespace vapro
