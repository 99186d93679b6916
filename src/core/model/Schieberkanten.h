#pragma once
// Heights of the four controlling valve edges at the solver's current valve
// position, rounded to single precision as they are compared.

#include "core/model/Modell.h"

namespace vapro {

inline float KanteUntenAußen(const Modell& m) {
    return static_cast<float>(static_cast<double>(m.SchieberY) - m.SchiEU);
}
inline float KanteUntenInnen(const Modell& m) {
    return static_cast<float>(static_cast<double>(m.SchieberY) - m.SchiEU + m.SchiLaufU);
}
inline float KanteObenInnen(const Modell& m) {
    return static_cast<float>(static_cast<double>(m.SchieberY) - m.SchiEU + m.SchiLänge -
                              m.SchiLaufO);
}
inline float KanteObenAußen(const Modell& m) {
    return static_cast<float>(static_cast<double>(m.SchieberY) - m.SchiEU + m.SchiLänge);
}

} // namespace vapro
