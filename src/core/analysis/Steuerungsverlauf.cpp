#include "core/analysis/Steuerungsverlauf.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <stdexcept>

#include "core/analysis/Steuerzeiten.h"
#include "core/model/Bewegung.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Kinematik.h"
#include "core/model/Rechnen.h"

namespace vapro {

namespace {

// Opening of both steam ports at one position, up to each port's width;
// negative while the port is covered. The admitting edge is the outer one
// with outside admission, the cavity edge with inside admission.
struct Öffnungen {
    double oben, unten;
};

Öffnungen Dampfkanäle(const Modell& m, const Kantenlage& l) {
    const double weiteOben = static_cast<double>(m.KaKanteOO) - m.KaKanteOU;
    const double weiteUnten = static_cast<double>(m.KaKanteUO) - m.KaKanteUU;
    double oben, unten;
    if (m.Einströmung == 1) {
        oben = static_cast<double>(l.ObenInnen) - m.KaKanteOU;
        unten = static_cast<double>(m.KaKanteUO) - l.UntenInnen;
    } else {
        oben = static_cast<double>(m.KaKanteOO) - l.ObenAußen;
        unten = static_cast<double>(l.UntenAußen) - m.KaKanteUU;
    }
    return {std::min(oben, weiteOben), std::min(unten, weiteUnten)};
}

std::optional<Verlaufsereignis> Ereignis(const Steuerzeit& roh, const Steuerereignis& e,
                                         double prozent) {
    if (roh.Winkel < 0) return std::nullopt; // the search never saw it
    return Verlaufsereignis{roh.Winkel, e, static_cast<float>(prozent)};
}

// One end's events from the model's evaluated ones, for the direction the
// evaluation ran in.
void EreignisseÜbernehmen(const Modell& k, bool oben, double hub, Verlaufsende& v) {
    const Steuerzeitergebnis& e = oben ? k.Oben : k.Unten;
    const Steuerzeit& einAuf = oben ? k.EinlaßAufOben : k.EinlaßAufUnten;
    const Steuerzeit& einZu = oben ? k.EinlaßZuOben : k.EinlaßZuUnten;
    const Steuerzeit& ausAuf = oben ? k.AuslaßAufOben : k.AuslaßAufUnten;
    const Steuerzeit& ausZu = oben ? k.AuslaßZuOben : k.AuslaßZuUnten;

    v.Einlaß = Ereignis(einAuf, e.Einlaßbeginn, e.Einlaßbeginn.Weg / hub * 100.0);
    v.Füllung = Ereignis(einZu, e.Einlaßende, e.Füllung * 100.0);
    // Exhaust opening before the far dead centre ("vor UT" for the top end,
    // "vor OT" for the bottom end) leaves that distance of the stroke undone.
    const int16_t vorFernemTotpunkt = oben ? 3 : 1;
    const double getan = e.Auslaßbeginn.Bezug == vorFernemTotpunkt
                             ? (hub - e.Auslaßbeginn.Weg) / hub * 100.0
                             : 100.0;
    v.Vorausströmung = Ereignis(ausAuf, e.Auslaßbeginn, getan);
    if (einAuf.Winkel >= 0) v.Kompression = Ereignis(ausZu, e.Auslaßende, e.Kompression * 100.0);
}

// The working state of one range: a copy of the model to turn and one
// revolution of solved positions, shared by every lever angle.
struct Rechner {
    Modell k;
    std::vector<Kantenlage> lagen;

    explicit Rechner(const Modell& m) : k(m), lagen(SuchSchritte) {}

    // At the lever angle `umWinkel` (radians), shown as `grad`.
    void Berechnen(float grad, float umWinkel, Verlaufspunkt& p) {
        p = Verlaufspunkt{};
        p.UmWinkelGrad = grad;
        try {
            k.UmWinkel = umWinkel;
            Umlauf(p);
        } catch (const GeometrieFehler& e) {
            p = Verlaufspunkt{};
            p.UmWinkelGrad = grad;
            p.Fehler = e.what();
        }
    }

  private:
    Kantenlage Lösen(float winkel) {
        k.Winkel = winkel;
        KinematikOhneBild(k);
        return KantenlageJetzt(k);
    }

    void Umlauf(Verlaufspunkt& p) {
        const Kantenlage vorlaufVor = Lösen(SuchVorlaufVor);
        float steinMin = std::numeric_limits<float>::infinity(), steinMax = -steinMin;
        double offenOben = 0, offenUnten = 0;
        int bilanz = 0;
        for (int i = 0; i < SuchSchritte; ++i) {
            const Kantenlage& l = lagen[static_cast<size_t>(i)] = Lösen(SuchWinkel(i));
            // The whole degrees are the direction check's angles, solved alike.
            if (i % 4 == 0) bilanz += DrehrichtungspunkteBei(k, i / 4);
            steinMin = std::min(steinMin, k.SteinWinkel);
            steinMax = std::max(steinMax, k.SteinWinkel);
            const Öffnungen o = Dampfkanäle(k, l);
            offenOben = std::max(offenOben, o.oben);
            offenUnten = std::max(offenUnten, o.unten);
        }
        const Kantenlage vorlaufZurück = Lösen(SuchVorlaufZurück);
        // Each end's stroke begins at its own dead centre: the top end's at 0°,
        // the bottom end's at 180°.
        const double voreilenOben = Dampfkanäle(k, lagen.front()).oben;
        const double voreilenUnten = Dampfkanäle(k, lagen[SuchSchritte / 2]).unten;

        const double hub = 2.0 * k.KWRadius;
        for (bool vor : {true, false}) {
            k.Drehrichtung = vor;
            SteuerzeitenAusLagen(k, vor ? vorlaufVor : vorlaufZurück, lagen);
            SteuerzeitenAuswerten(k);
            for (bool oben : {true, false}) {
                Verlaufsende& v = p.Ende(vor, oben);
                v.Voreilen = static_cast<float>(oben ? voreilenOben : voreilenUnten);
                v.Kanalöffnung = static_cast<float>(oben ? offenOben : offenUnten);
                EreignisseÜbernehmen(k, oben, hub, v);
            }
        }
        if (k.Umsteuertyp == 1)
            p.Steinspringen =
                Einzel((static_cast<double>(steinMax) - steinMin) * k.BaRadius, "die slip");
        p.Drehrichtungsbilanz = static_cast<int16_t>(bilanz); // at most ±282
    }
};

} // namespace

std::vector<float> Hebelwinkel(const Modell& m, double schrittGrad) {
    if (!(schrittGrad > 0) || !std::isfinite(schrittGrad))
        throw std::invalid_argument("lever range: the step must be a positive number of degrees");
    const double zeichen = m.Vorzeichen < 0 ? -1.0 : 1.0;
    const double a = zeichen * m.UmMin, b = zeichen * m.UmMax;
    if (!std::isfinite(a) || !std::isfinite(b))
        throw std::invalid_argument("lever range: the lever's travel is not a number");
    const double von = std::min(a, b), bis = std::max(a, b);
    const double n = std::floor((bis - von) / schrittGrad + 1e-9);
    const bool endeExtra = von + n * schrittGrad < bis - 1e-9 * std::max(1.0, std::fabs(bis));
    if (n + (endeExtra ? 2 : 1) > VerlaufMaxPunkte)
        throw std::invalid_argument("lever range: the step gives more than " +
                                    std::to_string(VerlaufMaxPunkte) + " lever angles");
    std::vector<float> winkel;
    winkel.reserve(static_cast<size_t>(n) + 2);
    for (int i = 0; i <= static_cast<int>(n); ++i)
        winkel.push_back(static_cast<float>(von + i * schrittGrad));
    if (endeExtra) winkel.push_back(static_cast<float>(bis));
    return winkel;
}

Steuerungsverlauf SteuerungsverlaufBerechnen(const Modell& m, double schrittGrad) {
    const std::vector<float> winkel = Hebelwinkel(m, schrittGrad);
    Steuerungsverlauf v;
    v.Hub = static_cast<float>(2.0 * m.KWRadius);
    v.KanalweiteOben = static_cast<float>(static_cast<double>(m.KaKanteOO) - m.KaKanteOU);
    v.KanalweiteUnten = static_cast<float>(static_cast<double>(m.KaKanteUO) - m.KaKanteUU);
    v.MM = IstMM(m);
    v.Punkte.resize(winkel.size());
    Rechner r(m);
    for (size_t i = 0; i < winkel.size(); ++i)
        r.Berechnen(winkel[i], static_cast<float>(Rad(winkel[i])), v.Punkte[i]);
    return v;
}

Verlaufspunkt VerlaufspunktBerechnen(const Modell& m, float umWinkelGrad) {
    Verlaufspunkt p;
    Rechner(m).Berechnen(umWinkelGrad, static_cast<float>(Rad(umWinkelGrad)), p);
    return p;
}

Verlaufspunkt VerlaufspunktJetzt(const Modell& m) {
    Verlaufspunkt p;
    Rechner(m).Berechnen(static_cast<float>(m.UmWinkel / Pi * 180.0), m.UmWinkel, p);
    return p;
}

std::array<std::optional<float>, 6> Verlaufswerte(const Verlaufspunkt& p, bool vor, bool oben) {
    if (!p.Lösbar())
        return {std::nullopt, std::nullopt, std::nullopt,
                std::nullopt, std::nullopt, p.Steinspringen};
    const Verlaufsende& e = p.Ende(vor, oben);
    auto prozent = [](const std::optional<Verlaufsereignis>& x) {
        return x ? std::optional(x->Prozent) : std::nullopt;
    };
    return {e.Voreilen,     prozent(e.Füllung), prozent(e.Vorausströmung), prozent(e.Kompression),
            e.Kanalöffnung, p.Steinspringen};
}

} // namespace vapro
