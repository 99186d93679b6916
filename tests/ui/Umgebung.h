#pragma once
// Everything a window needs, for tests: the default mm engine, German texts,
// an in-memory settings store and a recording platform; and the main window.

#include "core/model/Bewegung.h"
#include "core/model/Standarddaten.h"
#include "tests/ui/Aufzeichner.h"
#include "ui/Kontext.h"
#include "ui/mainwindow/F_Haupt.h"

namespace vapro::test {

struct Umgebung {
    Modell m;
    Sprache sprache;
    Einheitennamen einheiten;
    SpeicherImSpeicher speicher;
    Aufzeichner plattform;
    Programmzustand zustand;
    Kontext k{m, sprache, einheiten, speicher, plattform, zustand};

    explicit Umgebung(bool mm = true) {
        StandardmaschineEinrichten(m, mm ? "[mm]" : "[inch]");
        SpracheEinstellen(sprache, SprachbasisDeutsch);
        EinheitenSetzen(einheiten, m.Einheit);
    }
};

// The main window loaded on the default engine, for what it wires together.
struct MitHaupt : ::testing::Test {
    Umgebung u;
    F_Haupt h{u.k};
    MitHaupt() { h.Form_Load({}); }
    // `n` ticks of the main window's timer.
    void Takte(int n) {
        for (int i = 0; i < n; ++i)
            h.Timer1_Timer();
    }
    // `schritte` steps of the engine as a frame takes them, without the timer.
    void Drehen(int schritte) {
        for (int i = 0; i < schritte; ++i) {
            WinkelWeiter(u.m);
            Schritt(u.m, *u.k.ansichten);
        }
    }
    // The window behind a menu entry, opened; null when it is no `F`.
    template <class F> F* Öffnen(const char* menü) {
        h.RahmenfensterZeigen(menü, true);
        return dynamic_cast<F*>(h.Rahmenfenster(menü));
    }
};

} // namespace vapro::test
