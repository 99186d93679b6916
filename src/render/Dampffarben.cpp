#include "render/Dampffarben.h"

#include "core/model/Schieberkanten.h"

namespace vapro {

namespace {

constexpr uint32_t HellRot = 0x8080FF;
constexpr uint32_t HellCyan = 0xFFFFC0;

// A covered port: case B on one side of bottom dead centre when turning
// forward, on the other side when turning backward.
Dampfzustand Geschlossen(bool fallB) {
    return fallB ? Dampfzustand::GeschlossenB : Dampfzustand::GeschlossenA;
}

} // namespace

uint32_t Dampffarben::Farbe(Dampfzustand z) const {
    switch (z) {
    case Dampfzustand::Frisch:
        return Frisch;
    case Dampfzustand::Abdampf:
        return Abdampf;
    case Dampfzustand::GeschlossenA:
        return GeschlossenA;
    case Dampfzustand::GeschlossenB:
        break;
    }
    return GeschlossenB;
}

Dampffarben DampffarbenFür(int16_t einströmung) {
    if (einströmung == 1) return {FarbeBlau, FarbeRot, HellCyan, HellRot, FarbeBlau, FarbeRot};
    return {FarbeRot, FarbeBlau, HellRot, HellCyan, FarbeRot, FarbeBlau};
}

Dampfzustand ZustandOben(const Modell& m) {
    if (KanteObenAußen(m) < m.KaKanteOO) return Dampfzustand::Frisch;
    if (KanteObenInnen(m) > m.KaKanteOU) return Dampfzustand::Abdampf;
    // 180° itself belongs to the first half for the top end ...
    return Geschlossen(m.Winkel > 180 ? m.Drehrichtung : !m.Drehrichtung);
}

Dampfzustand ZustandUnten(const Modell& m) {
    if (KanteUntenAußen(m) > m.KaKanteUU) return Dampfzustand::Frisch;
    if (KanteUntenInnen(m) < m.KaKanteUO) return Dampfzustand::Abdampf;
    // ... and to the second half for the bottom end.
    return Geschlossen(m.Winkel < 180 ? m.Drehrichtung : !m.Drehrichtung);
}

} // namespace vapro
