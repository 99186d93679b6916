// The goals of the automatic setting, measured over the lever range.

#include <algorithm>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "core/analysis/Einstellung.h"
#include "core/model/Bewegung.h"
#include "core/model/Rechnen.h"
#include "core/numbers/Zahlenformat.h"

namespace vapro {

namespace {

// A cut-off the valve never makes counts as a whole stroke apart: worse than
// any that it does make.
constexpr double kFehlend = 100.0 * 100.0;

constexpr std::array<std::string_view, EinstellzielAnzahl> kNamen{"fuellung", "voreilen",
                                                                  "richtung", "stein"};

// Squares of differences, averaged; none gives 0.
class Mittel {
  public:
    void Quadrat(double d) { Summand(d * d); }
    void Summand(double q) {
        summe_ += q;
        ++anzahl_;
    }
    // Both values given: their difference squared; else the missing penalty.
    void Differenz(const std::optional<Verlaufsereignis>& a,
                   const std::optional<Verlaufsereignis>& b) {
        if (a && b)
            Quadrat(static_cast<double>(a->Prozent) - b->Prozent);
        else
            Summand(kFehlend);
    }
    double Wert() const { return anzahl_ ? summe_ / anzahl_ : 0.0; }

  private:
    double summe_ = 0;
    int anzahl_ = 0;
};

bool Dreht(const Verlaufspunkt& p) {
    return BilanzEntscheidend(p.Drehrichtungsbilanz);
}

const Verlaufspunkt* Spiegelpunkt(const Steuerungsverlauf& v, float grad) {
    for (const Verlaufspunkt& q : v.Punkte)
        if (std::fabs(q.UmWinkelGrad + grad) <= 1e-4f * std::max(1.0f, std::fabs(grad))) return &q;
    return nullptr;
}

} // namespace

std::string_view EinstellzielName(Einstellziel ziel) {
    return kNamen.at(static_cast<std::size_t>(ziel));
}

std::optional<Einstellziel> EinstellzielSuchen(std::string_view name) {
    if (name == "füllung") return Einstellziel::Füllung;
    for (Einstellziel z : AlleEinstellziele)
        if (EinstellzielName(z) == name) return z;
    return std::nullopt;
}

double Zielbewertung::Summe(const Zielgewichte& gewichte) const {
    if (!Gültig()) return Strafwert;
    double s = 0;
    for (std::size_t i = 0; i < teile.size(); ++i)
        if (gewichte[i] > 0) s += gewichte[i] * teile[i];
    return std::min(s, Strafwert);
}

Zielbewertung ZieleBewerten(const Steuerungsverlauf& v, bool kulisse) {
    Zielbewertung b;
    if (v.Punkte.empty() || !(v.Hub > 0)) {
        b.verworfen = "no lever angle to judge";
        return b;
    }
    for (const Verlaufspunkt& p : v.Punkte)
        if (!p.Lösbar()) {
            b.verworfen = "the gear cannot be assembled at lever angle " +
                          FormatKurz(p.UmWinkelGrad) + "°: " + p.Fehler;
            return b;
        }
    const Verlaufspunkt& erster = v.Punkte.front();
    const Verlaufspunkt& letzter = v.Punkte.back();
    if (kulisse) {
        if (!Dreht(erster) || !Dreht(letzter) ||
            (erster.Drehrichtungsbilanz > 0) == (letzter.Drehrichtungsbilanz > 0)) {
            b.verworfen = "the engine does not turn both ways at full gear";
            return b;
        }
    } else if (!Dreht(erster)) {
        b.verworfen = "the engine does not turn";
        return b;
    }
    const double prozent = 100.0 / v.Hub;

    // Top against bottom cut-off, each lever angle in the direction the
    // engine turns there; where it stands, cut-off means nothing.
    Mittel füllung;
    for (const Verlaufspunkt& p : v.Punkte)
        if (Dreht(p)) {
            const bool vor = p.Drehrichtungsbilanz > 0;
            füllung.Differenz(p.Ende(vor, true).Füllung, p.Ende(vor, false).Füllung);
        }

    // Lead at the lever limits: the valve's position at the dead centres,
    // whichever way the engine turns.
    Mittel voreilen;
    for (const Verlaufspunkt* p : {&erster, &letzter}) {
        voreilen.Quadrat(
            (static_cast<double>(p->Ende(true, true).Voreilen) - p->Ende(true, false).Voreilen) *
            prozent);
        if (!kulisse) break; // one lever angle stands for all
    }

    // Forwards against backwards: the direction the engine turns at one of
    // a pair of mirrored lever angles against the other at its mirror.
    Mittel richtung;
    if (kulisse)
        for (const Verlaufspunkt& p : v.Punkte) {
            if (!(p.UmWinkelGrad > 0)) continue;
            const Verlaufspunkt* q = Spiegelpunkt(v, p.UmWinkelGrad);
            if (!q) continue;
            const Verlaufspunkt* dreht = Dreht(p) ? &p : Dreht(*q) ? q : nullptr;
            if (!dreht) continue;
            const Verlaufspunkt* spiegel = dreht == &p ? q : &p;
            const bool vor = dreht->Drehrichtungsbilanz > 0;
            for (bool oben : {true, false})
                richtung.Differenz(dreht->Ende(vor, oben).Füllung,
                                   spiegel->Ende(!vor, oben).Füllung);
        }

    Mittel stein;
    for (const Verlaufspunkt& p : v.Punkte)
        if (p.Steinspringen) stein.Quadrat(static_cast<double>(*p.Steinspringen) * prozent);

    b.teile = {füllung.Wert(), voreilen.Wert(), richtung.Wert(), stein.Wert()};
    return b;
}

Steuerungsverlauf Einstellverlauf(const Modell& m) {
    Steuerungsverlauf v;
    v.Hub = static_cast<float>(2.0 * m.KWRadius);
    v.KanalweiteOben = static_cast<float>(static_cast<double>(m.KaKanteOO) - m.KaKanteOU);
    v.KanalweiteUnten = static_cast<float>(static_cast<double>(m.KaKanteUO) - m.KaKanteUU);
    v.MM = IstMM(m);
    if (m.Umsteuertyp != 1) {
        v.Punkte.push_back(VerlaufspunktJetzt(m));
        return v;
    }
    // The lever angles are independent of each other: the search evaluates
    // hundreds of ranges, so they are shared out among the processor's cores.
    const std::vector<float> winkel = Hebelwinkel(m, EinstellSchrittGrad);
    v.Punkte.resize(winkel.size());
    const size_t teile = std::clamp<size_t>(std::thread::hardware_concurrency(), 1,
                                            std::min<size_t>(4, winkel.size()));
    auto rechnen = [&](size_t teil) {
        for (size_t i = teil; i < winkel.size(); i += teile)
            v.Punkte[i] = VerlaufspunktBerechnen(m, winkel[i]);
    };
    std::vector<std::thread> helfer;
    for (size_t t = 1; t < teile; ++t)
        helfer.emplace_back(rechnen, t);
    rechnen(0);
    for (std::thread& h : helfer)
        h.join();
    return v;
}

Zielbewertung ZieleBewerten(const Modell& m) {
    return ZieleBewerten(Einstellverlauf(m), m.Umsteuertyp == 1);
}

} // namespace vapro
