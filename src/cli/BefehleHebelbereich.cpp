// The lever-range commands: range (the valve events over the lever's travel)
// and check (the design checks over it).

#include <array>
#include <cmath>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "cli/Befehle.h"
#include "cli/Befehle_intern.h"
#include "core/analysis/Konstruktionspruefung.h"
#include "core/analysis/Steuerungsverlauf.h"
#include "core/analysis/SteuerungsverlaufCsv.h"
#include "core/numbers/Zahlenformat.h"

namespace vapro::cli {

namespace {

// The range at --schritt; a step the core refuses is the user's error.
Steuerungsverlauf Berechnen(const Modell& m, const Aufruf& auf) {
    try {
        return SteuerungsverlaufBerechnen(m, auf.schritt);
    } catch (const std::invalid_argument& e) {
        throw Bedienfehler(e.what());
    }
}

const char* Richtungsname(bool vor) {
    return vor ? "vor" : "zurueck";
}

} // namespace

std::string Muster(const std::optional<float>& wert, std::string_view muster) {
    return wert ? FormatMuster(*wert, muster) : std::string("---");
}

std::string_view Wertmuster(Prüfart art, bool mm) {
    switch (art) {
    case Prüfart::VoreilenGleich:
        return mm ? "0.000" : "0.0000";
    case Prüfart::Drehrichtung:
        return "0";
    default:
        return "0.0";
    }
}

void Hebelbereich(const Modell& m, const Aufruf& auf, Ausgabe& aus) {
    const Steuerungsverlauf v = Berechnen(m, auf);
    std::ostream& out = aus.roh();
    if (auf.csv) {
        SteuerungsverlaufCsvSchreiben(out, v);
        return;
    }
    constexpr std::array<std::string_view, 9> kKopf{"UmWinkel",    "Richtung",     "Ende",
                                                    "Voreilen",    "Füllung",      "Vorausströmung",
                                                    "Kompression", "Kanalöffnung", "Steinspringen"};
    constexpr std::array<size_t, 9> kBreite{8, 9, 6, 9, 8, 15, 12, 13, 14};
    for (size_t i = 0; i < kKopf.size(); ++i)
        out << Spalte(kKopf[i], kBreite[i], true);
    out << '\n';

    constexpr std::array<std::string_view, 6> kMuster{"0.00", "0.0", "0.0", "0.0", "0.00", "0.00"};
    for (const Verlaufspunkt& p : v.Punkte)
        for (bool vor : {true, false})
            for (bool oben : {true, false}) {
                const auto werte = Verlaufswerte(p, vor, oben);
                std::array<std::string, 9> zellen{FormatMuster(p.UmWinkelGrad, "0.0"),
                                                  Richtungsname(vor), oben ? "oben" : "unten"};
                for (size_t i = 0; i < werte.size(); ++i)
                    zellen[3 + i] = Muster(werte[i], kMuster[i]);
                for (size_t i = 0; i < zellen.size(); ++i)
                    out << Spalte(zellen[i], kBreite[i], true);
                out << '\n';
            }
}

namespace {

std::string Ziel(const Prüfergebnis& r) {
    if (std::isinf(r.Min)) return "<= " + FormatKurz(r.Max);
    if (std::isinf(r.Max)) return ">= " + FormatKurz(r.Min);
    return FormatKurz(r.Min) + " ... " + FormatKurz(r.Max);
}

void PrüfungTabelle(const std::vector<Prüfergebnis>& e, bool mm, const Sprache& s,
                    std::ostream& out) {
    // Check, direction, measured, target, lever angle, end, result; the
    // numbers right-aligned.
    constexpr std::array<size_t, 6> kBreite{52, 10, 9, 12, 14, 7};
    auto zeile = [&](const std::array<std::string, 7>& zellen) {
        for (size_t i = 0; i < kBreite.size(); ++i)
            out << Spalte(zellen[i], kBreite[i], i >= 2 && i <= 4) << "  ";
        out << zellen[6] << '\n';
    };
    out << s.Text(900) << "\n\n";
    std::array<std::string, 7> kopf;
    for (size_t i = 0; i < kopf.size(); ++i)
        kopf[i] = s.Text(901 + static_cast<int>(i));
    zeile(kopf);
    for (const Prüfergebnis& r : e) {
        std::string name(s.Text(912 + static_cast<int>(r.Art)));
        if (r.Art == Prüfart::VoreilenGleich) name += mm ? " [mm]" : " [inch]";
        zeile({name, r.Vorwärts ? std::string(s.Text(*r.Vorwärts ? 910 : 911)) : "",
               Muster(r.Wert, Wertmuster(r.Art, mm)), Ziel(r),
               r.UmWinkelGrad ? FormatMuster(*r.UmWinkelGrad, "0.0") : "",
               r.Oben ? std::string(s.Text(*r.Oben ? 807 : 819)) : "",
               std::string(s.Text(r.Bestanden ? 908 : 909))});
    }
}

void PrüfungSchlüssel(const std::vector<Prüfergebnis>& e, Ausgabe& aus) {
    for (const Prüfergebnis& r : e) {
        std::string p(PrüfartName(r.Art));
        if (r.Vorwärts) p += std::string(".") + Richtungsname(*r.Vorwärts);
        if (r.Wert)
            aus.Wert(p + ".Wert", *r.Wert);
        else
            aus.Text(p + ".Wert", "");
        if (!std::isinf(r.Min)) aus.Wert(p + ".Min", r.Min);
        if (!std::isinf(r.Max)) aus.Wert(p + ".Max", r.Max);
        if (r.UmWinkelGrad) aus.Wert(p + ".UmWinkel", *r.UmWinkelGrad);
        if (r.Oben) aus.Text(p + ".Ende", *r.Oben ? "oben" : "unten");
        aus.Wahrheit(p + ".Bestanden", r.Bestanden);
    }
    aus.Wahrheit("Bestanden", AlleBestanden(e));
}

} // namespace

int Prüfung(const Modell& m, const Aufruf& auf, const Sprache& s, Ausgabe& aus) {
    Prüfgrenzen g;
    for (const auto& [name, wert] : auf.grenzen)
        g.*(PrüfgrenzeSuchen(name)->feld) = static_cast<float>(wert);
    const Steuerungsverlauf v = Berechnen(m, auf);
    const std::vector<Prüfergebnis> e = Prüfen(m, v, g);
    if (aus.kv())
        PrüfungSchlüssel(e, aus);
    else
        PrüfungTabelle(e, v.MM, s, aus.roh());
    return AlleBestanden(e) ? kFertig : kWarnung;
}

} // namespace vapro::cli
