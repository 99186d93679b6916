#include "cli/Befehlstabelle.h"

#include <array>

#include "cli/Befehle.h"
#include "cli/Befehle_intern.h"
#include "cli/Bildzeichner.h"

namespace vapro::cli {

namespace {

using S = const Sprache&;

constexpr std::array<Befehlseintrag, 14> kBefehle{{
    {Befehl::Solve, "solve", "solve --winkel DEG", "positions at one crank angle", "solve", true,
     [](Modell& m, const Aufruf& a, S, Ausgabe& aus) {
         Lösen(m, a, aus);
         return kFertig;
     }},
    {Befehl::Sweep, "sweep", "sweep --von A --bis B --schritt S",
     "solve A, A+S, ... B; results after the last", "sweep", true,
     [](Modell& m, const Aufruf& a, S, Ausgabe& aus) {
         Durchlauf(m, a, aus);
         return kFertig;
     }},
    {Befehl::Direction, "direction", "direction", "direction-of-rotation score", "direction check",
     true,
     [](Modell& m, const Aufruf&, S, Ausgabe& aus) {
         RichtungAusgeben(m, aus);
         return kFertig;
     }},
    {Befehl::Events, "events", "events [--csv]", "valve events of both cylinder ends",
     "valve-event search", true,
     [](Modell& m, const Aufruf& auf, S s, Ausgabe& aus) {
         Steuerzeiten(m, s, auf.csv, aus);
         return kFertig;
     }},
    {Befehl::Motion, "motion", "motion --schritt DEG [--csv]", "motion table after two revolutions",
     "motion table", true,
     [](Modell& m, const Aufruf& a, S, Ausgabe& aus) {
         Bewegung(m, a, aus);
         return kFertig;
     }},
    {Befehl::Save, "save", "save PATH", "write the engine as a machine file", "save", false,
     [](Modell& m, const Aufruf& a, S s, Ausgabe&) {
         Sichern(m, a, s);
         return kFertig;
     }},
    {Befehl::Steam, "steam", "steam --druck P", "steam-table row for chest pressure P",
     "steam-table lookup", true,
     [](Modell& m, const Aufruf& a, S s, Ausgabe& aus) {
         Dampf(m, a, s, aus);
         return kFertig;
     }},
    {Befehl::Figures, "figures", "figures --drehzahl N [--breite PX]",
     "operating figures at N revolutions/min", "operating figures", true,
     [](Modell& m, const Aufruf& a, S s, Ausgabe& aus) {
         Kennzahlen(m, a, s, aus);
         return kFertig;
     }},
    {Befehl::Diagram, "diagram", "diagram --breite PX",
     "indicator-diagram numbers for a plot PX wide", "steam diagram", true,
     [](Modell& m, const Aufruf& a, S, Ausgabe& aus) {
         Diagramm(m, a, aus);
         return kFertig;
     }},
    {Befehl::Range, "range", "range --schritt DEG [--csv]",
     "valve events over the lever's travel, both directions", "lever range", false,
     [](Modell& m, const Aufruf& a, S, Ausgabe& aus) {
         Hebelbereich(m, a, aus);
         return kFertig;
     }},
    {Befehl::Check, "check", "check [--schritt DEG] [--grenze NAME=VALUE]...",
     "design checks over the lever range", "design checks", false,
     [](Modell& m, const Aufruf& a, S s, Ausgabe& aus) { return Prüfung(m, a, s, aus); }},
    {Befehl::Render, "render", "render WHAT --out FILE [--winkel DEG] [--groesse BxH]",
     "the engine picture (bild) as PNG, SVG or PDF", "picture", true,
     [](Modell& m, const Aufruf& a, S s, Ausgabe&) {
         BildZeichnen(m, a, s);
         return kFertig;
     }},
    {Befehl::Report, "report", "report --out FILE.pdf", "a design report of the engine as PDF",
     "report", true,
     [](Modell& m, const Aufruf& a, S s, Ausgabe&) {
         BerichtZeichnen(m, a, s);
         return kFertig;
     }},
    {Befehl::Optimise, "optimise",
     "optimise --frei NAME[:MIN:MAX],... [--ziel NAME=WEIGHT]... [--zeit S] --out FILE.kmf",
     "set the valve gear automatically", "automatic setting", false,
     [](Modell& m, const Aufruf& a, S s, Ausgabe& aus) { return Einstellung(m, a, s, aus); }},
}};

} // namespace

std::span<const Befehlseintrag> Befehlstabelle() {
    return kBefehle;
}

const Befehlseintrag* BefehlSuchen(std::string_view name) {
    for (const auto& b : kBefehle)
        if (b.name == name) return &b;
    return nullptr;
}

const Befehlseintrag& BefehlEintrag(Befehl befehl) {
    for (const auto& b : kBefehle)
        if (b.befehl == befehl) return b;
    return kBefehle.front(); // every Befehl has a row
}

std::string Bedienung() {
    std::string text =
        "usage: vapro-cli [--default mm|inch | --file PATH] [--set FIELD=VALUE]...\n"
        "                 [--umwinkel DEG] [--umrechnen] [--richtung auto|vor|zurueck]\n"
        "                 [--sprache de|en] [--kv] COMMAND\n"
        "commands:\n";
    constexpr std::size_t breite = 37;
    for (const auto& b : kBefehle) {
        std::string zeile = "  " + std::string(b.aufruf);
        // A long command gets its purpose on a line of its own.
        if (zeile.size() >= breite) zeile += "\n";
        zeile.append(zeile.size() < breite ? breite - zeile.size() : breite, ' ');
        text += zeile + std::string(b.zweck) + "\n";
    }
    return text + "exit codes: 0 done, 2 usage error, 3 geometry error, 4 file error,\n"
                  "            5 a design check warns (check)\n";
}

} // namespace vapro::cli
