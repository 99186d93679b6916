#include "core/model/Bewegung.h"

#include <array>
#include <chrono>
#include <cmath>
#include <utility>

#include "core/model/Kinematik.h"
#include "core/model/Rechnen.h"
#include "core/model/Schieberkanten.h"

namespace vapro {

double Ansichten::Sekunden() const {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void SpiegelBerechnen(Modell& m) {
    const char* was = "valve face";
    auto plus = [was](float a, float b) { return Einzel(static_cast<double>(a) + b, was); };
    m.SpiegelU = Einzel(static_cast<double>(m.kaumy) - m.KaLaufU, was);
    m.KaKanteUU = plus(m.SpiegelU, m.KaLaufU);
    m.KaKanteUO = plus(m.KaKanteUU, m.KaWeiU);
    m.KaKanteMU = plus(m.KaKanteUO, m.KaDamU);
    m.KaKanteMO = plus(m.KaKanteMU, m.KaWeiM);
    m.KaKanteOU = plus(m.KaKanteMO, m.KaDamO);
    m.KaKanteOO = plus(m.KaKanteOU, m.KaWeiO);
    m.SpiegelO = plus(m.KaKanteOO, m.KaLaufO);
}

void WinkelWeiter(Modell& m) {
    if (m.WinkelSchritt <= 0) return;
    if (m.Drehrichtung) {
        m.Winkel = Einzel(static_cast<double>(m.Winkel) + m.WinkelSchritt, "crank angle");
        if (m.Winkel >= 360) m.Winkel = 0;
        return;
    }
    const double q = 360.0 / m.WinkelSchritt;
    const double n = std::floor(q);
    const double mm = RundeGerade16(q - n + 0.5, "crank angle");
    if (m.Winkel <= 0) m.Winkel = Einzel((n + mm) * m.WinkelSchritt, "crank angle");
    m.Winkel = Einzel(static_cast<double>(m.Winkel) - m.WinkelSchritt, "crank angle");
}

void Schritt(Modell& m, Ansichten& a) {
    if (BeiNullGrad(m)) {
        m.ZeitVorher = m.ZeitAktuell;
        m.ZeitAktuell = a.Sekunden();
        if (m.ZeitVorher >= 0) a.Umlaufzeit(m.ZeitAktuell - m.ZeitVorher);
    }
    Kinematik(m);
    const std::array<std::pair<int16_t, Schrittfenster>, 8> fenster{{
        {m.SteuerHubZeigen, Schrittfenster::SteuerHub},
        {m.SteuerHubWegZeigen, Schrittfenster::SteuerHubWeg},
        {m.DiagrammZeigen, Schrittfenster::Diagramm},
        {m.SteuerzeitenZeigen, Schrittfenster::Steuerzeiten},
        {m.MeßwerteZeigen, Schrittfenster::Meßwerte},
        {m.BetriebsparameterZeigen, Schrittfenster::Betriebsparameter},
        {m.SteinZeigen, Schrittfenster::Stein},
        {m.SteuerungsverlaufZeigen, Schrittfenster::Steuerungsverlauf},
    }};
    for (const auto& [flagge, f] : fenster)
        if (flagge == Wahr) a.SchrittMalen(f);
    // The views may have swept the crank for their own purposes.
    Kinematik(m);
    if (m.TabelleZeigen == Wahr && m.TabelleAktualisieren == 1) a.TabelleAusgeben();
    a.Ausgabe();
    if (m.BildZeigen == Wahr) a.BildZeichnen();
    if (m.DruckenAktiv == 1) a.DruckZeichnen();
}

void GeometriestandErhöhen(Modell& m) {
    ++m.Änderungen;
    m.Geometriestand =
        m.Geometriestand == 32767 ? int16_t{-32768} : static_cast<int16_t>(m.Geometriestand + 1);
}

void DatensatzGeändert(Modell& m, Ansichten& a) {
    GeometriestandErhöhen(m);
    m.Geändert = true;
    a.DatenGeändert();
}

void Neuberechnung(Modell& m, Ansichten& a, Anlass anlass) {
    if (anlass == Anlass::Eingabe) {
        DatensatzGeändert(m, a);
    } else {
        GeometriestandErhöhen(m);
        if (anlass == Anlass::NeueDaten) m.Geändert = false;
    }
    SpiegelBerechnen(m);
    a.BildSkalieren();
    Kinematik(m);
    a.BildNeuzeichnen();
    DrehrichtungBestimmen(m);
    // The sweep left the solver at its last angle; whatever shows the
    // position next sees the crank where it stands.
    Kinematik(m);
    a.DrehrichtungsbilanzZeigen(m.Drehrichtungsbilanz);
    a.DiagrammNeuzeichnen();
}

int DrehrichtungspunkteBei(const Modell& m, int grad) {
    const bool abwärts = grad >= 20 && grad <= 160, aufwärts = grad >= 200 && grad <= 340;
    if (!abwärts && !aufwärts) return 0;
    bool oben, unten; // the port is open to live steam
    if (m.Einströmung == 1) {
        oben = KanteObenInnen(m) > m.KaKanteOU;
        unten = KanteUntenInnen(m) < m.KaKanteUO;
    } else {
        oben = KanteObenAußen(m) < m.KaKanteOO;
        unten = KanteUntenAußen(m) > m.KaKanteUU;
    }
    // Top port open while the piston goes down, bottom port while it goes up.
    const bool richtig = abwärts ? oben : unten, falsch = abwärts ? unten : oben;
    return (richtig ? 1 : 0) - (falsch ? 1 : 0);
}

void DrehrichtungBestimmen(Modell& m) {
    WinkelMerker merker(m);
    m.Drehrichtungsbilanz = 0;
    // Both strokes are swept twice with different tests (A and C over
    // 20°…160°, B and D over 200°…340°). The positions at an angle do not
    // depend on the test, so each angle is solved once and scored for both of
    // its tests: the score, the running extremes and the last solved angle
    // come out the same.
    for (const auto& [von, bis] : {std::pair{20, 160}, std::pair{200, 340}})
        for (int w = von; w <= bis; ++w) {
            m.Winkel = static_cast<float>(w);
            KinematikOhneBild(m);
            const int punkte = DrehrichtungspunkteBei(m, w);
            if (punkte != 0)
                m.Drehrichtungsbilanz = Plus16(m.Drehrichtungsbilanz, punkte, "direction score");
        }
    if (m.Drehrichtungsbilanz > 0)
        m.Drehrichtung = true;
    else if (m.Drehrichtungsbilanz < 0)
        m.Drehrichtung = false;
}

} // namespace vapro
