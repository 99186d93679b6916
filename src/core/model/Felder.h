#pragma once
// The model's persistent and settable fields, described once: the machine
// file, the unit conversion and the command line's --set read this table
// instead of repeating a line per field.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "core/model/Modell.h"

namespace vapro {

// What a value measures; decides unit conversion and how it is written.
enum class Größe : uint8_t {
    Länge,    // mm or inch, converted
    Druck,    // bar or psi, converted
    Winkel,   // degrees
    Bogenmaß, // held in radians, written and entered in degrees
    Zahl,     // plain single-precision number
    Ganzzahl, // 16-bit integer
    Farbe,    // colour, red + 256 green + 65536 blue
};

struct HilfslinienIndex {
    int index;
    bool operator==(const HilfslinienIndex&) const = default;
};

using FeldOrt =
    std::variant<float Modell::*, int16_t Modell::*, uint32_t Modell::*, HilfslinienIndex>;

// A field's value in the two default engines, in the units the user enters
// (Bogenmaß fields in degrees).
struct Vorgabe {
    float mm = 0, inch = 0;
};

struct Feld {
    std::string_view name;
    FeldOrt ort;
    Größe größe;
    int16_t satz = 0; // record number in the machine file; 0 = not stored
    // German number of the record's label text (the caption of the control
    // that edits the value); 0 = the fixed label below, the same in every
    // language.
    int16_t text = 0;
    // The value both default engines install; none for the fields they leave
    // to the unit-independent settings.
    std::optional<Vorgabe> vorgabe = std::nullopt;
    std::string_view festerText = {};
};

// Every field, stored ones in record order first.
std::span<const Feld> Felder();
// The first field of that name or place, or nullptr.
const Feld* FeldSuchen(std::string_view name);
const Feld* FeldSuchen(const FeldOrt& ort);

// Reads and writes a field as a double (Bogenmaß fields in degrees).
double FeldLesen(const Modell& m, const Feld& f);
// Writes a value; false when it does not fit the field's type (range, NaN).
bool FeldSetzen(Modell& m, const Feld& f, double wert);

// Installs the default of every field that has one, of the millimetre or the
// inch engine.
void VorgabenSetzen(Modell& m, bool mm);

} // namespace vapro
