#pragma once
// Colours of the steam state of a cylinder end, shared by the engine picture
// and the graphs. What counts as "fresh" steam depends on the admission: with
// outside admission the chest holds live steam, with inside admission the
// valve cavity does, so the two colour sets are mirror images.

#include <cstdint>

#include "core/model/Modell.h"

namespace vapro {

// Model colours (red + 256 green + 65536 blue).
inline constexpr uint32_t FarbeSchwarz = 0x000000;
inline constexpr uint32_t FarbeRot = 0x0000FF;
inline constexpr uint32_t FarbeBlau = 0xFF0000;
inline constexpr uint32_t FarbeGrau = 0x808080;
inline constexpr uint32_t FarbeWeiß = 0xFFFFFF;

// State of one port: open to the chest side, open to the valve cavity, or
// covered by the valve (two cases, told apart by the stroke and direction).
enum class Dampfzustand : uint8_t { Frisch, Abdampf, GeschlossenA, GeschlossenB };

struct Dampffarben {
    uint32_t Frisch, Abdampf, GeschlossenA, GeschlossenB;
    uint32_t Kasten, Höhlung; // fill of the chest and of the valve cavity

    uint32_t Farbe(Dampfzustand z) const;
};

// The colour set for `Einströmung` (1 inside admission, otherwise outside).
Dampffarben DampffarbenFür(int16_t einströmung);

// State of the top and the bottom cylinder end at the solver's current valve
// position, with the port edges of the valve face (`KaKante...`).
Dampfzustand ZustandOben(const Modell& m);
Dampfzustand ZustandUnten(const Modell& m);

} // namespace vapro
