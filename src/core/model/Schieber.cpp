#include "core/model/Schieber.h"

#include <algorithm>

#include "core/model/GeometrieFehler.h"
#include "core/model/Rechnen.h"

namespace vapro {

namespace {
float F(double v) {
    return Einzel(v, "slide valve");
}
} // namespace

void SchieberGeometrieAusÜberdeckung(Modell& m) {
    m.SchiLaufO = F(static_cast<double>(m.SchiEO) + m.SchiIO + m.KaWeiO);
    m.SchiLaufU = F(static_cast<double>(m.SchiEU) + m.SchiIU + m.KaWeiU);
    m.SchiLänge = F(static_cast<double>(m.SchiEO) + m.SchiEU + m.KaWeiO + m.KaDamO + m.KaWeiM +
                    m.KaDamU + m.KaWeiU);
    m.SchiMitte = F(static_cast<double>(m.SchiLänge) - m.SchiLaufO - m.SchiLaufU);
}

void SchieberAbleiten(Modell& m) {
    if (m.SchieberEingabe == 1) {
        SchieberGeometrieAusÜberdeckung(m);
        return;
    }
    // Geometry entered: the cavity centred over the exhaust port gives equal
    // inside laps; each end's outside lap follows from its own running face,
    // so a valve with different faces keeps them through the laps a file holds.
    m.SchiLänge = F(static_cast<double>(m.SchiMitte) + m.SchiLaufU + m.SchiLaufO);
    m.SchiIO = F((static_cast<double>(m.KaDamU) + m.KaWeiM + m.KaDamO - m.SchiMitte) / 2.0);
    m.SchiIU = m.SchiIO;
    m.SchiEO = F(static_cast<double>(m.SchiLaufO) - m.KaWeiO - m.SchiIO);
    m.SchiEU = F(static_cast<double>(m.SchiLaufU) - m.KaWeiU - m.SchiIU);
}

double Spiegellänge(const Modell& m) {
    return static_cast<double>(m.KaLaufO) + m.KaWeiO + m.KaDamO + m.KaWeiM + m.KaDamU + m.KaWeiU +
           m.KaLaufU;
}

void SchieberkastenAbleiten(Modell& m) {
    const double länge = Spiegellänge(m);
    if (!(länge > 0)) throw GeometrieFehler("port face of no length");
    m.SpieLänge = Einzel(länge, "port face");
    for (float* f : {&m.SkBreite, &m.KanallängeOben, &m.KanallängeUnten})
        if (*f <= 0) *f = 0.001f;
}

bool KanalInnenReparieren(Modell& m) {
    if (!(F(static_cast<double>(m.SchiInTiefe) + 0.001) > m.SchiTiefe)) return false;
    m.SchiInTiefe = std::max(0.0f, F(static_cast<double>(m.SchiTiefe) - 0.001));
    return true;
}

} // namespace vapro
