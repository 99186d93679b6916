#include "core/analysis/Steuerhub.h"

#include <algorithm>

#include "core/model/GeometrieFehler.h"
#include "core/model/Kinematik.h"
#include "core/model/Schieberkanten.h"

namespace vapro {

void SteuerhubEinstellungenReparieren(Modell& m) {
    m.usPerioden = std::clamp<int16_t>(m.usPerioden, 1, SteuerhubPeriodenMax);
    m.usKreis = std::max<int16_t>(m.usKreis, 1);
    m.faden = m.faden == 1 ? 1 : 0;
    m.auslaß = m.auslaß == 1 ? 1 : 0;
}

float KolbenwegSeitOT(const Modell& m) {
    const double weg = m.Winkel <= 180 ? static_cast<double>(m.Hub) - m.kwegmm
                                       : static_cast<double>(m.Hub) + m.kwegmm;
    return static_cast<float>(weg);
}

std::vector<Hubpunkt> SteuerhubVerlauf(Modell& m, int punkteJeGrad) {
    const int jeGrad = std::clamp(punkteJeGrad, 1, SteuerhubPunkteJeGradMax);
    const int schritte = 360 * jeGrad;
    std::vector<Hubpunkt> verlauf;
    verlauf.reserve(static_cast<size_t>(schritte) + 1);
    const float winkel = m.Winkel;
    try {
        for (int a = 0; a <= schritte; ++a) {
            m.Winkel = static_cast<float>(static_cast<double>(a) / jeGrad);
            KinematikOhneBild(m);
            verlauf.push_back(
                {m.Winkel,
                 KolbenwegSeitOT(m),
                 {KanteUntenAußen(m), KanteUntenInnen(m), KanteObenInnen(m), KanteObenAußen(m)}});
        }
    } catch (const GeometrieFehler&) {
        m.Winkel = winkel;
        try {
            KinematikOhneBild(m);
        } catch (const GeometrieFehler&) {
            // The crank's own angle fails too; the caller hears of the first failure.
        }
        throw;
    }
    // Windows asked after this one in the same frame see the crank where it stands.
    m.Winkel = winkel;
    KinematikOhneBild(m);
    return verlauf;
}

std::optional<Öffnung> Kantenöffnung(const Modell& m, Schieberkante kante, float höhe) {
    switch (kante) {
    case Schieberkante::UntenAußen: // above the lower port's lower edge
        if (!(höhe > m.KaKanteUU)) return std::nullopt;
        return Öffnung{m.KaKanteUU, höhe > m.KaKanteUO ? m.KaKanteUO : höhe};
    case Schieberkante::UntenInnen: // below the lower port's upper edge
        if (!(höhe < m.KaKanteUO)) return std::nullopt;
        return Öffnung{höhe < m.KaKanteUU ? m.KaKanteUU : höhe, m.KaKanteUO};
    case Schieberkante::ObenInnen: // above the upper port's lower edge
        if (!(höhe > m.KaKanteOU)) return std::nullopt;
        return Öffnung{m.KaKanteOU, höhe > m.KaKanteOO ? m.KaKanteOO : höhe};
    case Schieberkante::ObenAußen: // below the upper port's upper edge
        break;
    }
    if (!(höhe < m.KaKanteOO)) return std::nullopt;
    return Öffnung{höhe < m.KaKanteOU ? m.KaKanteOU : höhe, m.KaKanteOO};
}

} // namespace vapro
