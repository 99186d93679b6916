// The command optimise: the automatic setting of the valve gear, written to
// a machine file, with the inputs, the goals and the design checks before
// and after.

#include <array>
#include <cmath>
#include <ostream>
#include <stdexcept>
#include <string>

#include "cli/Befehle.h"
#include "cli/Befehle_intern.h"
#include "core/analysis/Einstellung.h"
#include "core/numbers/Zahlenformat.h"
#include "core/persist/Einheiten.h"

namespace vapro::cli {

namespace {

Einstellauftrag Auftrag(const Modell& m, const Aufruf& auf) {
    Einstellauftrag a;
    for (const FreiAngabe& f : auf.frei) {
        const Feld* feld = FeldSuchen(f.name);
        a.frei.push_back({feld, f.min ? Grenzen{*f.min, *f.max} : Vorgabegrenzen(m, *feld)});
    }
    if (!auf.gewichte.empty()) {
        a.gewichte = {};
        for (const auto& [name, gewicht] : auf.gewichte)
            a.gewichte[static_cast<size_t>(*EinstellzielSuchen(name))] = gewicht;
    }
    if (auf.zeit) a.zeitSekunden = *auf.zeit;
    try {
        AuftragPrüfen(m, a);
    } catch (const std::invalid_argument& e) {
        throw Bedienfehler(std::string("optimise: ") + e.what());
    }
    return a;
}

// A field's name with its unit, as the engine measures it.
std::string MitEinheit(const Modell& m, const Feld& f) {
    if (f.größe == Größe::Winkel) return std::string(f.name) + " [°]";
    return std::string(f.name) + (IstMM(m) ? " [mm]" : " [inch]");
}

void Tabelle(const Modell& m, const Einstellauftrag& a, const Einstellergebnis& e,
             const Prüfvergleich& p, const Sprache& s, std::ostream& out) {
    auto T = [&s](int n) { return std::string(s.Text(n)); };
    out << T(960) << "\n\n";
    out << Spalte(T(964), 24) << Spalte(T(965), 12, true) << Spalte(T(966), 12, true)
        << Spalte(T(977), 12, true) << Spalte(T(978), 12, true) << '\n';
    for (size_t i = 0; i < a.frei.size(); ++i) {
        const Grenzen& g = a.frei[i].grenzen;
        out << Spalte(MitEinheit(m, *a.frei[i].feld), 24);
        for (double x : {g.min, g.max, e.vorher[i], e.nachher[i]})
            out << Spalte(FormatAllgemein(static_cast<float>(x)), 12, true);
        out << '\n';
    }

    out << '\n'
        << Spalte(T(992), 48) << Spalte(T(993), 10, true) << Spalte(T(977), 12, true)
        << Spalte(T(978), 12, true) << '\n';
    for (Einstellziel z : AlleEinstellziele) {
        out << Spalte(T(969 + static_cast<int>(z)), 48)
            << Spalte(FormatAllgemein(static_cast<float>(a.gewichte[static_cast<size_t>(z)])), 10,
                      true)
            << Spalte(FormatMuster(e.bewertungVorher.Teil(z), "0.000"), 12, true)
            << Spalte(FormatMuster(e.bewertungNachher.Teil(z), "0.000"), 12, true) << '\n';
    }
    out << Spalte(T(979), 58) << Spalte(FormatMuster(e.zielVorher, "0.000"), 12, true)
        << Spalte(FormatMuster(e.zielNachher, "0.000"), 12, true) << "\n\n";

    const bool mm = IstMM(m);
    out << Spalte(T(900), 52) << Spalte(T(902), 11) << Spalte(T(977), 9, true)
        << Spalte(T(978), 9, true) << "  " << Spalte(T(977), 8) << T(978) << '\n';
    for (size_t i = 0; i < p.vorher.size() && i < p.nachher.size(); ++i) {
        const Prüfergebnis &v = p.vorher[i], &n = p.nachher[i];
        std::string name = T(912 + static_cast<int>(v.Art));
        if (v.Art == Prüfart::VoreilenGleich) name += mm ? " [mm]" : " [inch]";
        out << Spalte(name, 52) << Spalte(v.Vorwärts ? T(*v.Vorwärts ? 910 : 911) : "", 11)
            << Spalte(Muster(v.Wert, Wertmuster(v.Art, mm)), 9, true)
            << Spalte(Muster(n.Wert, Wertmuster(n.Art, mm)), 9, true) << "  "
            << Spalte(T(v.Bestanden ? 908 : 909), 8) << T(n.Bestanden ? 908 : 909) << '\n';
    }

    out << '\n'
        << Meldungstext(s.Text(980), {{"|1", std::to_string(e.auswertungen)},
                                      {"|2", FormatMuster(e.sekunden, "0.0")}});
    if (e.zeitAbgelaufen) out << ", " << T(982);
    if (!e.Verbessert()) out << ", " << T(983);
    out << '\n';
}

void Schlüssel(const Einstellauftrag& a, const Einstellergebnis& e, const Prüfvergleich& p,
               Ausgabe& aus) {
    for (size_t i = 0; i < a.frei.size(); ++i) {
        const std::string n = "Frei." + std::string(a.frei[i].feld->name);
        aus.Wert(n + ".Min", static_cast<float>(a.frei[i].grenzen.min));
        aus.Wert(n + ".Max", static_cast<float>(a.frei[i].grenzen.max));
        aus.Wert(n + ".Vorher", static_cast<float>(e.vorher[i]));
        aus.Wert(n + ".Nachher", static_cast<float>(e.nachher[i]));
    }
    for (Einstellziel z : AlleEinstellziele) {
        const std::string n = "Ziel." + std::string(EinstellzielName(z));
        aus.Wert(n + ".Gewicht", static_cast<float>(a.gewichte[static_cast<size_t>(z)]));
        aus.Wert(n + ".Vorher", static_cast<float>(e.bewertungVorher.Teil(z)));
        aus.Wert(n + ".Nachher", static_cast<float>(e.bewertungNachher.Teil(z)));
    }
    aus.Wert("Zielwert.Vorher", static_cast<float>(e.zielVorher));
    aus.Wert("Zielwert.Nachher", static_cast<float>(e.zielNachher));
    aus.Wahrheit("Verbessert", e.Verbessert());
    aus.Wert("Auswertungen", e.auswertungen);
    aus.Wert("Sekunden", static_cast<float>(e.sekunden));
    aus.Wahrheit("Zeitgrenze", e.zeitAbgelaufen);
    for (size_t i = 0; i < p.vorher.size() && i < p.nachher.size(); ++i) {
        std::string n(PrüfartName(p.vorher[i].Art));
        if (p.vorher[i].Vorwärts) n += *p.vorher[i].Vorwärts ? ".vor" : ".zurueck";
        for (const auto& [wann, r] :
             {std::pair{".Vorher", &p.vorher[i]}, {".Nachher", &p.nachher[i]}}) {
            if (r->Wert)
                aus.Wert(n + ".Wert" + wann, *r->Wert);
            else
                aus.Text(n + ".Wert" + wann, "");
            aus.Wahrheit(n + ".Bestanden" + wann, r->Bestanden);
        }
    }
    aus.Wahrheit("Bestanden.Vorher", AlleBestanden(p.vorher));
    aus.Wahrheit("Bestanden.Nachher", AlleBestanden(p.nachher));
}

} // namespace

int Einstellung(const Modell& m, const Aufruf& auf, const Sprache& s, Ausgabe& aus) {
    const Einstellauftrag a = Auftrag(m, auf);
    const Einstellergebnis e = Einstellen(m, a);
    // Written before anything is printed: what the table shows is on disk.
    Aufruf sichern = auf;
    sichern.ziel = auf.ausgabe;
    Sichern(e.maschine, sichern, s);
    const Prüfvergleich p = PrüfungVergleichen(m, e.maschine);
    if (aus.kv())
        Schlüssel(a, e, p, aus);
    else
        Tabelle(m, a, e, p, s, aus.roh());
    return kFertig;
}

} // namespace vapro::cli
