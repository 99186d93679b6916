// The kinematic commands: solve, sweep, direction, events, motion.

#include <array>
#include <cmath>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>
#include <tuple>
#include <vector>

#include "cli/Befehle_intern.h"
#include "core/analysis/Steuerzeiten.h"
#include "core/model/Bewegung.h"
#include "core/model/Bewegungstabelle.h"
#include "core/model/Kinematik.h"
#include "core/numbers/Zahlenformat.h"

namespace vapro::cli {

namespace {

struct Ergebnis {
    std::string_view name;
    float Modell::*feld;
};

// Results written by every solve, then those only the link motion writes.
constexpr std::array<Ergebnis, 13> kErgebnisse{{
    {"KurbelX", &Modell::KurbelX},
    {"KurbelY", &Modell::KurbelY},
    {"KreuzkopfY", &Modell::KreuzkopfY},
    {"kwegmm", &Modell::kwegmm},
    {"kwegproz", &Modell::kwegproz},
    {"ExVorX", &Modell::ExVorX},
    {"ExVorY", &Modell::ExVorY},
    {"SteinY", &Modell::SteinY},
    {"SchieberY", &Modell::SchieberY},
    {"HubMax", &Modell::HubMax},
    {"HubMin", &Modell::HubMin},
    {"SchieHub", &Modell::SchieHub},
    {"LetzterUmWinkel", &Modell::LetzterUmWinkel},
}};
constexpr std::array<Ergebnis, 16> kStephensonErgebnisse{{
    {"HebelX", &Modell::HebelX},
    {"HebelY", &Modell::HebelY},
    {"ExRückX", &Modell::ExRückX},
    {"ExRückY", &Modell::ExRückY},
    {"BalkenVorX", &Modell::BalkenVorX},
    {"BalkenVorY", &Modell::BalkenVorY},
    {"BalkenRückX", &Modell::BalkenRückX},
    {"BalkenRückY", &Modell::BalkenRückY},
    {"KulisseMitteX", &Modell::KulisseMitteX},
    {"KulisseMitteY", &Modell::KulisseMitteY},
    {"KulisseAnfang", &Modell::KulisseAnfang},
    {"KulisseEnde", &Modell::KulisseEnde},
    {"SteinWinkel", &Modell::SteinWinkel},
    {"SteinMin", &Modell::SteinMin},
    {"SteinMax", &Modell::SteinMax},
    {"Springen", &Modell::Springen},
}};

// Resets the running extremes at the next solve, as a picture redraw does.
void ExtremeZurücksetzen(Modell& m) {
    m.LetzterUmWinkel = m.UmWinkel + 1.0f;
}

void LösungAusgeben(const Modell& m, Ausgabe& aus) {
    for (const auto& e : kErgebnisse)
        aus.Wert(e.name, m.*e.feld);
    if (m.Umsteuertyp == 1)
        for (const auto& e : kStephensonErgebnisse)
            aus.Wert(e.name, m.*e.feld);
}

void ErgebnisAusgeben(std::string_view ende, const Steuerzeitergebnis& e, const Sprache& sprache,
                      Ausgabe& aus) {
    const std::array<std::pair<std::string_view, const Steuerereignis*>, 4> ereignisse{{
        {"Einlaßbeginn", &e.Einlaßbeginn},
        {"Einlaßende", &e.Einlaßende},
        {"Auslaßbeginn", &e.Auslaßbeginn},
        {"Auslaßende", &e.Auslaßende},
    }};
    const std::string p(ende);
    for (const auto& [name, ereignis] : ereignisse) {
        const std::string s = p + "." + std::string(name);
        aus.Wert(s + ".Winkel", ereignis->Winkel);
        if (aus.kv())
            aus.Wert(s + ".Bezug", static_cast<int>(ereignis->Bezug));
        else
            aus.Text(s + ".Bezug", sprache.Text(830 + ereignis->Bezug));
        aus.Wert(s + ".Weg", ereignis->Weg);
    }
    aus.Wert(p + ".FüllungWeg", e.FüllungWeg);
    aus.Wert(p + ".Füllung", e.Füllung);
    aus.Wert(p + ".KompressionWeg", e.KompressionWeg);
    aus.Wert(p + ".Kompression", e.Kompression);
}

// The valve events as the valve-events table shows them, for people.
void SteuerzeitenTabelle(const Modell& m, const Sprache& s, std::ostream& out) {
    const std::string einheit = IstMM(m) ? "mm" : "inch";
    auto winkel = [](float w) { return FormatMuster(w, "0.0") + "°"; };
    auto weg = [&](float w) { return FormatMuster(w, "0.00") + " " + einheit; };

    out << s.Text(805) << "\n" << Spalte("", 14) << Spalte(s.Text(807), 24) << s.Text(819) << "\n";
    const std::array<std::tuple<int, const Steuerzeit*, const Steuerzeit*>, 4> roh{{
        {808, &m.EinlaßAufOben, &m.EinlaßAufUnten},
        {809, &m.EinlaßZuOben, &m.EinlaßZuUnten},
        {810, &m.AuslaßAufOben, &m.AuslaßAufUnten},
        {811, &m.AuslaßZuOben, &m.AuslaßZuUnten},
    }};
    for (const auto& [text, oben, unten] : roh)
        out << Spalte(s.Text(text), 14) << Spalte(winkel(oben->Winkel), 9, true)
            << Spalte(weg(oben->Weg), 13, true) << "  " << Spalte(winkel(unten->Winkel), 9, true)
            << Spalte(weg(unten->Weg), 13, true) << "\n";

    out << "\n"
        << s.Text(806) << "\n"
        << Spalte("", 14) << Spalte(s.Text(812), 36) << s.Text(824) << "\n";
    auto ereignis = [&](const Steuerereignis& e) {
        return Spalte(winkel(e.Winkel), 9, true) + " " +
               Spalte(e.Bezug >= 1 && e.Bezug <= 4 ? s.Text(830 + e.Bezug) : "?", 11) +
               Spalte(weg(e.Weg), 13, true);
    };
    const std::array<std::pair<int, Steuerereignis Steuerzeitergebnis::*>, 4> ereignisse{{
        {813, &Steuerzeitergebnis::Einlaßbeginn},
        {814, &Steuerzeitergebnis::Einlaßende},
        {815, &Steuerzeitergebnis::Auslaßbeginn},
        {816, &Steuerzeitergebnis::Auslaßende},
    }};
    for (const auto& [text, feld] : ereignisse)
        out << Spalte(s.Text(text), 14) << ereignis(m.Oben.*feld) << "  " << ereignis(m.Unten.*feld)
            << "\n";
    auto anteil = [&](float anteil, float w) {
        return Spalte(FormatMuster(anteil * 100.0, "0.0") + " %", 20, true) +
               Spalte(weg(w), 14, true);
    };
    out << Spalte(s.Text(817), 14) << anteil(m.Oben.Füllung, m.Oben.FüllungWeg) << "  "
        << anteil(m.Unten.Füllung, m.Unten.FüllungWeg) << "\n";
    out << Spalte(s.Text(818), 14) << anteil(m.Oben.Kompression, m.Oben.KompressionWeg) << "  "
        << anteil(m.Unten.Kompression, m.Unten.KompressionWeg) << "\n\n";
    // Both admission modes are evaluated, so only the note on negative values is shown.
    out << s.Text(803) << "\n";
}

} // namespace

void RichtungWählen(Modell& m, Richtung r) {
    if (r == Richtung::Auto)
        DrehrichtungBestimmen(m);
    else
        m.Drehrichtung = r == Richtung::Vor;
}

void Lösen(Modell& m, const Aufruf& auf, Ausgabe& aus) {
    ExtremeZurücksetzen(m);
    m.Winkel = static_cast<float>(auf.winkel);
    Kinematik(m);
    LösungAusgeben(m, aus);
}

void Durchlauf(Modell& m, const Aufruf& auf, Ausgabe& aus) {
    ExtremeZurücksetzen(m);
    const long n = static_cast<long>(std::floor((auf.bis - auf.von) / auf.schritt + 1e-9));
    for (long i = 0; i <= n; ++i) {
        m.Winkel = static_cast<float>(auf.von + static_cast<double>(i) * auf.schritt);
        Kinematik(m);
    }
    LösungAusgeben(m, aus);
}

void RichtungAusgeben(const Modell& m, Ausgabe& aus) {
    aus.Wert("Drehrichtungsbilanz", static_cast<int>(m.Drehrichtungsbilanz));
    aus.Wahrheit("Drehrichtung", m.Drehrichtung);
}

void Steuerzeiten(Modell& m, const Sprache& sprache, Ausgabe& aus) {
    SteuerzeitenSuchen(m);
    SteuerzeitenAuswerten(m);
    if (!aus.kv()) {
        SteuerzeitenTabelle(m, sprache, aus.roh());
        return;
    }
    aus.Wahrheit("Drehrichtung", m.Drehrichtung);
    const std::array<std::pair<std::string_view, const Steuerzeit*>, 8> roh{{
        {"EinlaßAufOben", &m.EinlaßAufOben},
        {"EinlaßZuOben", &m.EinlaßZuOben},
        {"AuslaßAufOben", &m.AuslaßAufOben},
        {"AuslaßZuOben", &m.AuslaßZuOben},
        {"EinlaßAufUnten", &m.EinlaßAufUnten},
        {"EinlaßZuUnten", &m.EinlaßZuUnten},
        {"AuslaßAufUnten", &m.AuslaßAufUnten},
        {"AuslaßZuUnten", &m.AuslaßZuUnten},
    }};
    for (const auto& [name, z] : roh) {
        aus.Wert(std::string(name) + ".Winkel", z->Winkel);
        aus.Wert(std::string(name) + ".Weg", z->Weg);
    }
    ErgebnisAusgeben("Oben", m.Oben, sprache, aus);
    ErgebnisAusgeben("Unten", m.Unten, sprache, aus);
}

// Two revolutions from 0° through the table's row logic, as the animation
// fills the table while it is shown and updated continuously.
void Bewegung(Modell& m, const Aufruf& auf, Ausgabe& aus) {
    m.WinkelSchritt = static_cast<float>(auf.schritt);
    m.Winkel = 0;
    TabelleEinrichten(m);
    std::vector<std::optional<Bewegungswerte>> zeilen(static_cast<size_t>(m.TabellenZeilen) + 1);
    auto ausgeben = [&] {
        Kinematik(m);
        const Tabellenzeile z = NächsteTabellenzeile(m);
        zeilen[static_cast<size_t>(z.zeile)] = BewegungswerteVon(m);
    };
    // Counted, not waited for: a step that does not divide 360° in binary
    // never meets 0° again.
    const long schritte = 2L * m.TabellenZeilen;
    ausgeben();
    for (long i = 1; i < schritte; ++i) {
        WinkelWeiter(m);
        ausgeben();
    }

    std::ostream& out = aus.roh();
    // Row 0 is never written: the table counts from 1.
    const std::span<const std::optional<Bewegungswerte>> tabelle(zeilen.data() + 1,
                                                                 zeilen.size() - 1);
    if (auf.csv) {
        BewegungCsvSchreiben(out, tabelle);
        return;
    }
    const std::string einheit = m.Einheit;
    out << "1)    [°]  2) " << einheit << "  3)    [%]  4) " << einheit << '\n';
    const char* winkelMuster = WinkelMuster(m.WinkelSchritt);
    for (const auto& z : tabelle) {
        auto spalte = [&](std::string text) {
            out << std::string(text.size() < 10 ? 10 - text.size() : 0, ' ') << text << ' ';
        };
        if (z) {
            spalte(FormatMuster(z->Winkel, winkelMuster));
            spalte(FormatMuster(z->kwegmm, "##0.0"));
            spalte(FormatMuster(z->kwegproz, "##0.0"));
            spalte(FormatMuster(z->Schieber, "##0.00"));
        }
        out << '\n';
    }
}

} // namespace vapro::cli
