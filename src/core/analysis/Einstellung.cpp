#include "core/analysis/Einstellung.h"

#include <nlopt.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "core/model/GeometrieFehler.h"
#include "core/model/Schieber.h"
#include "core/model/Verlauf.h"

namespace vapro {

namespace {

constexpr std::array<Stellgröße, 16> kStellgrößen{{
    {"ExVorWinkel", false},
    {"ExRückWinkel", true},
    {"ExStangenlängeV", false},
    {"ExStangenlängeR", true},
    {"SstLänge", false},
    {"SchiEO", false},
    {"SchiIO", false},
    {"SchiEU", false},
    {"SchiIU", false},
    {"HeLänge", true},
    {"UmLänge", true},
    {"BaLänge", true},
    {"BaRadius", true},
    {"BaÜberstand", true},
    {"ummx", true},
    {"ummy", true},
}};

bool IstÜberdeckung(const Feld& f) {
    for (std::string_view n : {"SchiEO", "SchiIO", "SchiEU", "SchiIU"})
        if (f.name == n) return true;
    return false;
}

std::string OhneUmlaute(std::string_view text) {
    constexpr std::pair<std::string_view, std::string_view> kUmlaute[] = {
        {"ä", "ae"}, {"Ä", "Ae"}, {"ö", "oe"}, {"Ö", "Oe"}, {"ü", "ue"}, {"Ü", "Ue"}, {"ß", "ss"}};
    std::string s;
    for (size_t i = 0; i < text.size();) {
        bool ersetzt = false;
        for (const auto& [umlaut, ersatz] : kUmlaute)
            if (text.substr(i).starts_with(umlaut)) {
                s += ersatz;
                i += umlaut.size();
                ersetzt = true;
                break;
            }
        if (!ersetzt) s += text[i++];
    }
    return s;
}

// The bounds as the field can hold them: the nearest single-precision values
// inside, so that a value rounded to the field never leaves them.
Grenzen Einzelgrenzen(const Grenzen& g) {
    auto nachInnen = [](double x, double richtung) {
        float f = static_cast<float>(x);
        if (richtung > 0 ? f < x : f > x) f = std::nextafter(f, static_cast<float>(richtung));
        return static_cast<double>(f);
    };
    constexpr double kUnendlich = std::numeric_limits<double>::infinity();
    return {nachInnen(g.min, kUnendlich), nachInnen(g.max, -kUnendlich)};
}

using Uhr = std::chrono::steady_clock;

// One search: the evaluations, the best point found and when to stop.
class Suche {
  public:
    Suche(const Modell& start, const Einstellauftrag& a, const std::atomic<bool>* abbrechen,
          const std::function<void(const Einstellstand&)>& fortschritt)
        : start_(start), a_(a), abbrechen_(abbrechen), fortschritt_(fortschritt),
          beginn_(Uhr::now()) {
        for (const FreieEingabe& f : a.frei) {
            const Grenzen g = Einzelgrenzen(f.grenzen);
            unten_.push_back(g.min);
            oben_.push_back(g.max);
            besterPunkt_.push_back(FeldLesen(start, *f.feld));
        }
    }

    double Sekunden() const { return std::chrono::duration<double>(Uhr::now() - beginn_).count(); }
    bool Abgebrochen() const { return abbrechen_ && abbrechen_->load(); }

    // Nelder–Mead, restarted from the best point on a smaller simplex while a
    // run still improves on the one before.
    //
    // Why Nelder–Mead and not BOBYQA: the events are found in steps of 0.25°
    // of crank angle, so every goal is a staircase of small flat treads, and
    // an engine the solver cannot assemble scores a flat penalty. BOBYQA
    // interpolates a quadratic model through its points and trusts its slope;
    // on a tread the slope is zero, across a riser it is huge, and the trust
    // region shrinks onto one tread. Nelder–Mead only ranks the values at the
    // corners of its simplex, which starts across a quarter of each bound
    // and so steps over many treads at once, and it copes with the penalty
    // as with any bad corner. It also runs with a single free input, where
    // BOBYQA needs two.
    void Laufen(double besterWert) {
        besterWert_ = besterWert;
        const unsigned n = static_cast<unsigned>(a_.frei.size());
        std::vector<double> schritt(n), toleranz(n);
        for (unsigned i = 0; i < n; ++i) {
            schritt[i] = (oben_[i] - unten_[i]) / 4;
            // Below what moves an event by one search step (0.25° of crank).
            toleranz[i] = (oben_[i] - unten_[i]) * 1e-3;
        }
        for (int lauf = 0; lauf < 6 && !Abgebrochen() && !zeitAbgelaufen_; ++lauf) {
            const double rest = a_.zeitSekunden - Sekunden();
            if (!(rest > 0)) {
                zeitAbgelaufen_ = true;
                break;
            }
            nlopt::opt opt(nlopt::LN_NELDERMEAD, n);
            opt.set_lower_bounds(unten_);
            opt.set_upper_bounds(oben_);
            opt.set_min_objective(&Suche::Ziel, this);
            opt.set_xtol_abs(toleranz);
            opt.set_initial_step(schritt);
            opt.set_maxtime(rest);
            opt_ = &opt;
            std::vector<double> x = besterPunkt_;
            double f = 0;
            const double vorLauf = besterWert_;
            try {
                if (opt.optimize(x, f) == nlopt::MAXTIME_REACHED) zeitAbgelaufen_ = true;
            } catch (const nlopt::forced_stop&) {
                // cancelled or out of time: the best point is kept below
            } catch (const nlopt::roundoff_limited&) {
                // nothing more to gain at this resolution
            }
            opt_ = nullptr;
            if (!(besterWert_ < vorLauf)) break;
            for (double& s : schritt)
                s /= 4;
        }
    }

    int auswertungen() const { return auswertungen_; }
    bool zeitAbgelaufen() const { return zeitAbgelaufen_; }
    const std::vector<double>& besterPunkt() const { return besterPunkt_; }
    double besterWert() const { return besterWert_; }

  private:
    static double Ziel(unsigned n, const double* x, double*, void* daten) {
        auto* s = static_cast<Suche*>(daten);
        try {
            return s->Auswerten(std::span<const double>(x, n));
        } catch (...) {
            return Strafwert; // an engine that cannot be judged is no better than a rejected one
        }
    }

    double Auswerten(std::span<const double> x) {
        if (Abgebrochen() || Sekunden() >= a_.zeitSekunden) {
            if (!Abgebrochen()) zeitAbgelaufen_ = true;
            opt_->force_stop();
            return Strafwert;
        }
        // Each value as its field holds it, so that the best point installed
        // afterwards is the engine that was judged.
        std::vector<double> werte(x.size());
        for (size_t i = 0; i < x.size(); ++i)
            werte[i] = static_cast<float>(std::clamp(x[i], unten_[i], oben_[i]));
        Modell m = start_;
        double wert = Strafwert;
        try {
            if (EingabenSetzen(m, a_.frei, werte)) wert = ZieleBewerten(m).Summe(a_.gewichte);
        } catch (const GeometrieFehler&) {
        }
        ++auswertungen_;
        const bool besser = wert < besterWert_;
        if (besser) {
            besterWert_ = wert;
            besterPunkt_ = werte;
        }
        if (fortschritt_ && (besser || auswertungen_ % 10 == 0))
            fortschritt_({auswertungen_, besterWert_, Sekunden()});
        return wert;
    }

    const Modell& start_;
    const Einstellauftrag& a_;
    const std::atomic<bool>* abbrechen_;
    const std::function<void(const Einstellstand&)>& fortschritt_;
    Uhr::time_point beginn_;
    std::vector<double> unten_, oben_, besterPunkt_;
    double besterWert_ = Strafwert;
    int auswertungen_ = 0;
    bool zeitAbgelaufen_ = false;
    nlopt::opt* opt_ = nullptr;
};

} // namespace

std::span<const Stellgröße> Stellgrößen() {
    return kStellgrößen;
}

const Stellgröße* StellgrößeSuchen(std::string_view name) {
    for (const Stellgröße& s : kStellgrößen)
        if (s.name == name || OhneUmlaute(s.name) == name) return &s;
    return nullptr;
}

Grenzen Vorgabegrenzen(const Modell& m, const Feld& f) {
    const double wert = FeldLesen(m, f);
    if (f.größe == Größe::Winkel || f.größe == Größe::Bogenmaß) return {wert - 10, wert + 10};
    double d = 0.1 * std::fabs(wert);
    if (!(d > 0)) d = 0.1 * 2.0 * std::fabs(static_cast<double>(m.KWRadius));
    return {wert - d, wert + d};
}

void AuftragPrüfen(const Modell& m, const Einstellauftrag& a) {
    if (a.frei.empty()) throw std::invalid_argument("no input is free to move");
    for (size_t i = 0; i < a.frei.size(); ++i) {
        const FreieEingabe& f = a.frei[i];
        const Stellgröße* s = f.feld ? StellgrößeSuchen(f.feld->name) : nullptr;
        if (!s) throw std::invalid_argument("not an input the setting can move");
        const std::string name(f.feld->name);
        for (size_t j = 0; j < i; ++j)
            if (a.frei[j].feld == f.feld) throw std::invalid_argument(name + " is named twice");
        if (s->nurKulisse && m.Umsteuertyp != 1)
            throw std::invalid_argument(name + " moves nothing without a link");
        const double wert = FeldLesen(m, *f.feld);
        const Grenzen g = Einzelgrenzen(f.grenzen);
        if (!std::isfinite(f.grenzen.min) || !std::isfinite(f.grenzen.max) || !(g.min < g.max))
            throw std::invalid_argument(name + ": the bounds leave no room to move");
        if (!(wert >= g.min && wert <= g.max))
            throw std::invalid_argument(name + ": the bounds must hold the present value");
    }
    bool einZiel = false;
    for (double w : a.gewichte) {
        if (!(w >= 0) || !std::isfinite(w))
            throw std::invalid_argument("a goal's weight must be a number of 0 or more");
        einZiel = einZiel || w > 0;
    }
    if (!einZiel) throw std::invalid_argument("no goal has a weight above 0");
    if (!(a.zeitSekunden > 0) || !std::isfinite(a.zeitSekunden))
        throw std::invalid_argument("the time limit must be a positive number of seconds");
}

bool EingabenSetzen(Modell& m, std::span<const FreieEingabe> frei, std::span<const double> werte) {
    bool überdeckung = false;
    for (size_t i = 0; i < frei.size() && i < werte.size(); ++i) {
        if (!FeldSetzen(m, *frei[i].feld, werte[i])) return false;
        überdeckung = überdeckung || IstÜberdeckung(*frei[i].feld);
    }
    // The valve's edges follow from its laps whichever way it was entered.
    if (überdeckung) SchieberGeometrieAusÜberdeckung(m);
    return true;
}

Einstellergebnis Einstellen(const Modell& start, const Einstellauftrag& a,
                            const std::atomic<bool>* abbrechen,
                            const std::function<void(const Einstellstand&)>& fortschritt) {
    AuftragPrüfen(start, a);
    Einstellergebnis e;
    e.maschine = start;
    e.bewertungVorher = ZieleBewerten(start);
    if (!e.bewertungVorher.Gültig()) throw GeometrieFehler(e.bewertungVorher.verworfen);
    e.zielVorher = e.bewertungVorher.Summe(a.gewichte);
    for (const FreieEingabe& f : a.frei)
        e.vorher.push_back(FeldLesen(start, *f.feld));

    Suche suche(start, a, abbrechen, fortschritt);
    suche.Laufen(e.zielVorher);
    e.auswertungen = suche.auswertungen();
    e.abgebrochen = suche.Abgebrochen();
    e.zeitAbgelaufen = suche.zeitAbgelaufen() && !e.abgebrochen;

    e.nachher = e.vorher;
    e.bewertungNachher = e.bewertungVorher;
    e.zielNachher = e.zielVorher;
    if (suche.besterWert() < e.zielVorher) {
        Modell besser = start;
        if (EingabenSetzen(besser, a.frei, suche.besterPunkt())) {
            const Zielbewertung b = ZieleBewerten(besser);
            // The same engine as judged in the search; kept only if it still is better.
            if (b.Summe(a.gewichte) < e.zielVorher) {
                e.maschine = besser;
                e.nachher = suche.besterPunkt();
                e.bewertungNachher = b;
                e.zielNachher = b.Summe(a.gewichte);
            }
        }
    }
    e.sekunden = suche.Sekunden();
    return e;
}

Prüfvergleich PrüfungVergleichen(const Modell& vorher, const Modell& nachher,
                                 const Prüfgrenzen& g) {
    Prüfvergleich p;
    p.vorher = Prüfen(vorher, SteuerungsverlaufBerechnen(vorher, 1), g);
    p.nachher = GleicheMaschine(vorher, nachher)
                    ? p.vorher
                    : Prüfen(nachher, SteuerungsverlaufBerechnen(nachher, 1), g);
    return p;
}

} // namespace vapro
