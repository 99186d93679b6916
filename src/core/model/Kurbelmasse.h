#pragma once
// What the crank drive accepts, and how it repairs the rest. The dialog
// applies these rules field by field as it reads them; a loaded machine file
// goes through the same rules at once.

#include <optional>
#include <string_view>

#include "core/model/Modell.h"

namespace vapro {

// A crank radius or a bore of 0 or less (or not a number) leaves no engine
// to compute: such a value is rejected, not repaired.
bool KurbelradiusGültig(double radius);
bool BohrungGültig(double bohrung);

// The connecting rod is never shorter than the stroke.
double PleuelstangeReparieren(double länge, double hub);
// A rod diameter loses its sign. The bottom rod always exists: 0 becomes
// 1 mm (in inch units, 1 mm in inches); the top one may be 0 (no tail rod).
double StangeUntenReparieren(double durchmesser, bool mm);
double StangeObenReparieren(double durchmesser);
// A piston of no thickness becomes 1 thick.
double KolbendickeReparieren(double dicke);
// Neither rod is thicker than the bore.
void StangenBegrenzen(Modell& m);
// A clearance is never negative.
double FreihubReparieren(double freihub);

// Every rule above on the model's crank drive, in the dialog's order, and
// the stroke from the radius. Returns the name of the field rejected (the
// model untouched then), or nothing.
std::optional<std::string_view> KurbeltriebReparieren(Modell& m);

} // namespace vapro
