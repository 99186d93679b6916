#include "core/analysis/Konstruktionspruefung.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "core/model/Bewegung.h"

namespace vapro {

namespace {

constexpr float Unendlich = std::numeric_limits<float>::infinity();

constexpr std::array<Prüfgrenze, 8> kGrenzen{{
    {"FüllungMin", &Prüfgrenzen::FüllungMin},
    {"FüllungMax", &Prüfgrenzen::FüllungMax},
    {"FüllungDifferenz", &Prüfgrenzen::FüllungDifferenz},
    {"VoreilenDifferenzMM", &Prüfgrenzen::VoreilenDifferenzMM},
    {"VoreilenDifferenzZoll", &Prüfgrenzen::VoreilenDifferenzZoll},
    {"UmkehrDifferenz", &Prüfgrenzen::UmkehrDifferenz},
    {"KanalöffnungMin", &Prüfgrenzen::KanalöffnungMin},
    {"VorausströmungMin", &Prüfgrenzen::VorausströmungMin},
}};

// Lower case, umlauts written out, so that "Fuellungmin" finds "FüllungMin".
std::string Schlüssel(std::string_view text) {
    constexpr std::pair<std::string_view, std::string_view> kUmlaute[] = {
        {"ä", "ae"}, {"Ä", "ae"}, {"ö", "oe"}, {"Ö", "oe"}, {"ü", "ue"}, {"Ü", "ue"}, {"ß", "ss"}};
    std::string s;
    for (size_t i = 0; i < text.size();) {
        bool umlaut = false;
        for (const auto& [zeichen, ersatz] : kUmlaute)
            if (text.substr(i).starts_with(zeichen)) {
                s += ersatz;
                i += zeichen.size();
                umlaut = true;
                break;
            }
        if (umlaut) continue;
        const char c = text[i++];
        s += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return s;
}

Prüfergebnis Zeile(Prüfart art, std::optional<bool> vor, float min, float max) {
    Prüfergebnis r;
    r.Art = art;
    r.Vorwärts = vor;
    r.Min = min;
    r.Max = max;
    return r;
}

Prüfergebnis Bewertet(Prüfergebnis r) {
    r.Bestanden = r.Wert && *r.Wert >= r.Min && *r.Wert <= r.Max;
    return r;
}

// How far a value lies outside a band; negative inside it.
float Abweichung(float x, float min, float max) {
    return std::max(min - x, x - max);
}

// A figure of both ends at one lever angle; the row keeps the end `schlechter`
// picks, or no value when an end lacks it.
template <typename Wert, typename Schlechter>
Prüfergebnis BeideEnden(Prüfergebnis r, const Verlaufspunkt* p, Wert wert, Schlechter schlechter) {
    if (!p) return r;
    r.UmWinkelGrad = p->UmWinkelGrad;
    if (!p->Lösbar()) return r;
    const bool vor = *r.Vorwärts;
    const std::optional<float> oben = wert(p->Ende(vor, true), true);
    const std::optional<float> unten = wert(p->Ende(vor, false), false);
    if (!oben || !unten) {
        r.Oben = !oben;
        return r;
    }
    r.Oben = !schlechter(*unten, *oben);
    r.Wert = *r.Oben ? *oben : *unten;
    return r;
}

std::optional<float> Prozent(const std::optional<Verlaufsereignis>& e) {
    if (!e) return std::nullopt;
    return e->Prozent;
}

bool Dreht(const Verlaufspunkt& p) {
    return p.Lösbar() && BilanzEntscheidend(p.Drehrichtungsbilanz);
}

// Top against bottom cut-off at every lever angle where the engine turns, in
// the direction it turns there. An angle that cannot be solved or lacks a
// cut-off ends the search with no value.
Prüfergebnis FüllungGleich(const Steuerungsverlauf& v, const Prüfgrenzen& g) {
    Prüfergebnis r = Zeile(Prüfart::FüllungGleich, std::nullopt, -Unendlich, g.FüllungDifferenz);
    float schlimmste = -1;
    for (const Verlaufspunkt& p : v.Punkte) {
        if (p.Lösbar() && !BilanzEntscheidend(p.Drehrichtungsbilanz)) continue;
        const bool vor = p.Drehrichtungsbilanz > 0;
        const auto oben = Prozent(p.Ende(vor, true).Füllung);
        const auto unten = Prozent(p.Ende(vor, false).Füllung);
        if (!p.Lösbar() || !oben || !unten) {
            r = Zeile(Prüfart::FüllungGleich, p.Lösbar() ? std::optional(vor) : std::nullopt,
                      -Unendlich, g.FüllungDifferenz);
            r.UmWinkelGrad = p.UmWinkelGrad;
            if (p.Lösbar()) r.Oben = !oben;
            return r;
        }
        const float d = std::fabs(*oben - *unten);
        if (d > schlimmste) {
            schlimmste = d;
            r.Wert = d;
            r.Vorwärts = vor;
            r.UmWinkelGrad = p.UmWinkelGrad;
            r.Oben = *oben > *unten; // the end with the longer cut-off
        }
    }
    return Bewertet(r);
}

// Forwards against backwards at mirrored lever angles: each pair where the
// engine turns at one of them, compared in that direction there and in the
// other at the mirror. A mirror within the lever's travel but not in `v` is
// computed.
Prüfergebnis UmkehrGleich(const Modell& m, const Steuerungsverlauf& v, const Prüfgrenzen& g) {
    Prüfergebnis r = Zeile(Prüfart::UmkehrGleich, std::nullopt, -Unendlich, g.UmkehrDifferenz);
    if (v.Punkte.empty()) return r;
    const float von = v.Punkte.front().UmWinkelGrad, bis = v.Punkte.back().UmWinkelGrad;
    float schlimmste = -1;
    for (const Verlaufspunkt& p : v.Punkte) {
        const float w = p.UmWinkelGrad;
        if (!(w > 0) || -w < von) continue;
        const Verlaufspunkt* q = nullptr;
        for (const Verlaufspunkt& kandidat : v.Punkte)
            if (std::fabs(kandidat.UmWinkelGrad + w) <= 1e-4f * std::max(1.0f, w)) q = &kandidat;
        Verlaufspunkt gerechnet;
        if (!q) {
            if (-w > bis) continue;
            gerechnet = VerlaufspunktBerechnen(m, -w);
            q = &gerechnet;
        }
        const Verlaufspunkt* dreht = Dreht(p) ? &p : Dreht(*q) ? q : nullptr;
        if (!dreht && p.Lösbar() && q->Lösbar()) continue;
        const Verlaufspunkt* spiegel = dreht == &p ? q : &p;
        const bool vor = dreht ? dreht->Drehrichtungsbilanz > 0 : true;
        for (bool oben : {true, false}) {
            const auto hin = dreht ? Prozent(dreht->Ende(vor, oben).Füllung) : std::nullopt;
            const auto zurück = Prozent(spiegel->Ende(!vor, oben).Füllung);
            if (!hin || !zurück || !spiegel->Lösbar()) {
                r = Zeile(Prüfart::UmkehrGleich, vor, -Unendlich, g.UmkehrDifferenz);
                r.UmWinkelGrad = w;
                r.Oben = oben;
                return r;
            }
            const float d = std::fabs(*hin - *zurück);
            if (d > schlimmste) {
                schlimmste = d;
                r.Wert = d;
                r.Vorwärts = vor;
                r.UmWinkelGrad = dreht->UmWinkelGrad;
                r.Oben = oben;
            }
        }
    }
    return Bewertet(r);
}

} // namespace

std::string_view PrüfartName(Prüfart art) {
    // In the order of Prüfart.
    constexpr std::array<std::string_view, 7> kNamen{
        "FüllungVollauslage", "FüllungGleich",    "VoreilenGleich",    "UmkehrGleich",
        "Drehrichtung",       "KanalöffnungVoll", "VorausströmungSpät"};
    return kNamen.at(static_cast<size_t>(art));
}

std::span<const Prüfgrenze> PrüfgrenzenTabelle() {
    return kGrenzen;
}

const Prüfgrenze* PrüfgrenzeSuchen(std::string_view name) {
    const std::string gesucht = Schlüssel(name);
    for (const Prüfgrenze& g : kGrenzen)
        if (Schlüssel(g.name) == gesucht) return &g;
    return nullptr;
}

Prüfgrenzen PrüfgrenzenRepariert(Prüfgrenzen g) {
    const Prüfgrenzen vorgabe;
    for (const Prüfgrenze& e : kGrenzen) {
        float& x = g.*e.feld;
        if (!std::isfinite(x)) x = vorgabe.*e.feld;
    }
    for (float* prozent : {&g.FüllungMin, &g.FüllungMax, &g.FüllungDifferenz, &g.UmkehrDifferenz,
                           &g.KanalöffnungMin, &g.VorausströmungMin})
        *prozent = std::clamp(*prozent, 0.0f, 100.0f);
    g.VoreilenDifferenzMM = std::max(g.VoreilenDifferenzMM, 0.0f);
    g.VoreilenDifferenzZoll = std::max(g.VoreilenDifferenzZoll, 0.0f);
    if (g.FüllungMin > g.FüllungMax) std::swap(g.FüllungMin, g.FüllungMax);
    return g;
}

std::vector<Prüfergebnis> Prüfen(const Modell& m, const Steuerungsverlauf& v,
                                 const Prüfgrenzen& g) {
    // Full gear: the lever limits, forwards where the engine turns forwards more decidedly.
    const Verlaufspunkt* vorne = v.Punkte.empty() ? nullptr : &v.Punkte.front();
    const Verlaufspunkt* hinten = v.Punkte.empty() ? nullptr : &v.Punkte.back();
    if (vorne && hinten->Drehrichtungsbilanz > vorne->Drehrichtungsbilanz) std::swap(vorne, hinten);
    auto vollauslage = [&](bool vor) { return vor ? vorne : hinten; };
    const float voreilen = v.MM ? g.VoreilenDifferenzMM : g.VoreilenDifferenzZoll;

    std::vector<Prüfergebnis> e;
    for (bool vor : {true, false}) {
        Prüfergebnis r = Zeile(Prüfart::FüllungVollauslage, vor, g.FüllungMin, g.FüllungMax);
        e.push_back(Bewertet(BeideEnden(
            r, vollauslage(vor), [](const Verlaufsende& x, bool) { return Prozent(x.Füllung); },
            [&](float a, float b) {
                return Abweichung(a, g.FüllungMin, g.FüllungMax) >
                       Abweichung(b, g.FüllungMin, g.FüllungMax);
            })));
    }
    e.push_back(FüllungGleich(v, g));
    for (bool vor : {true, false}) {
        Prüfergebnis r = Zeile(Prüfart::VoreilenGleich, vor, -Unendlich, voreilen);
        const Verlaufspunkt* p = vollauslage(vor);
        if (p) r.UmWinkelGrad = p->UmWinkelGrad;
        if (p && p->Lösbar()) {
            const float oben = p->Ende(vor, true).Voreilen, unten = p->Ende(vor, false).Voreilen;
            r.Wert = std::fabs(oben - unten);
            r.Oben = oben > unten; // the end with the larger lead
        }
        e.push_back(Bewertet(r));
    }
    e.push_back(UmkehrGleich(m, v, g));
    for (bool vor : {true, false}) {
        // Decisive as the running engine takes it (BilanzEntscheidend).
        Prüfergebnis r =
            Zeile(Prüfart::Drehrichtung, vor, vor ? 11.0f : -Unendlich, vor ? Unendlich : -11.0f);
        const Verlaufspunkt* p = vollauslage(vor);
        if (p) r.UmWinkelGrad = p->UmWinkelGrad;
        if (p && p->Lösbar()) r.Wert = static_cast<float>(p->Drehrichtungsbilanz);
        e.push_back(Bewertet(r));
    }
    for (bool vor : {true, false}) {
        Prüfergebnis r = Zeile(Prüfart::KanalöffnungVoll, vor, g.KanalöffnungMin, Unendlich);
        const auto anteil = [&v](const Verlaufsende& x, bool oben) -> std::optional<float> {
            const float weite = oben ? v.KanalweiteOben : v.KanalweiteUnten;
            if (!(weite > 0)) return std::nullopt;
            return static_cast<float>(static_cast<double>(x.Kanalöffnung) / weite * 100.0);
        };
        e.push_back(Bewertet(
            BeideEnden(r, vollauslage(vor), anteil, [](float a, float b) { return a < b; })));
    }
    for (bool vor : {true, false}) {
        Prüfergebnis r = Zeile(Prüfart::VorausströmungSpät, vor, g.VorausströmungMin, Unendlich);
        e.push_back(Bewertet(BeideEnden(
            r, vollauslage(vor),
            [](const Verlaufsende& x, bool) { return Prozent(x.Vorausströmung); },
            [](float a, float b) { return a < b; })));
    }
    return e;
}

} // namespace vapro
