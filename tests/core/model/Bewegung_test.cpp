#include "core/model/Bewegung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/model/GeometrieFehler.h"
#include "core/model/Kinematik.h"
#include "core/model/Schieber.h"
#include "core/model/Standarddaten.h"
#include "tests/core/Maschine.h"

namespace vapro {
namespace {

using test::Grad;
using test::Standardmaschine;

TEST(WinkelWeiter, StepsAndWrapsInBothDirections) {
    struct Fall {
        bool vor;
        float schritt, von, nach;
    };
    const Fall fälle[] = {
        {true, 10, 355, 0},
        {false, 7, 0, 357},
        {false, 10, 5, -5},
        {false, 10, -5, 350},
    };
    for (const Fall& f : fälle) {
        Modell m;
        m.Drehrichtung = f.vor;
        m.WinkelSchritt = f.schritt;
        m.Winkel = f.von;
        WinkelWeiter(m);
        EXPECT_FLOAT_EQ(m.Winkel, f.nach)
            << (f.vor ? "vor " : "zurück ") << f.schritt << " von " << f.von;
    }
}

// Inside admission reverses the score; ports that never open score 0 and
// keep the direction the engine had.
TEST(Drehrichtung, ScoreFollowsTheReversingLever) {
    struct Fall {
        double umwinkel;
        int16_t einströmung;
        bool ohneKanäle, vorher;
        int min, max;
        bool richtung;
    };
    for (Fall f :
         {Fall{40, 0, false, true, -218, -218, false}, Fall{-40, 0, false, false, 216, 216, true},
          Fall{-40, 1, false, true, -1000, -101, false}, Fall{40, 0, true, false, 0, 0, false}}) {
        Modell m = Standardmaschine();
        m.UmWinkel = Grad(f.umwinkel);
        m.Einströmung = f.einströmung;
        if (f.ohneKanäle) {
            m.KaWeiO = m.KaWeiU = 0;
            m.SchiEO = m.SchiEU = 200;
            SchieberAbleiten(m);
            SpiegelBerechnen(m);
        }
        m.Drehrichtung = f.vorher;
        m.Winkel = 123;
        DrehrichtungBestimmen(m);
        SCOPED_TRACE(testing::Message() << f.umwinkel << " " << f.einströmung << f.ohneKanäle);
        EXPECT_GE(m.Drehrichtungsbilanz, f.min);
        EXPECT_LE(m.Drehrichtungsbilanz, f.max);
        EXPECT_EQ(m.Drehrichtung, f.richtung);
        EXPECT_EQ(m.Winkel, 123) << "angle restored";
    }
}

TEST(Drehrichtung, SolverFailureInsideTheSweepRestoresTheAngle) {
    Modell m = Standardmaschine();
    m.PLänge = 45; // fails only where the crank pin swings far out
    m.Winkel = 0;
    EXPECT_THROW(DrehrichtungBestimmen(m), GeometrieFehler);
    EXPECT_EQ(m.Winkel, 0);
}

// Records what a frame or a recomputation asks of the windows.
struct Protokoll : Ansichten {
    std::vector<std::string> aufrufe;
    double uhr = 100;
    void Umlaufzeit(double s) override {
        aufrufe.push_back("Umlaufzeit " + std::to_string(int(s)));
    }
    void SchrittMalen(Schrittfenster f) override {
        aufrufe.push_back("SchrittMalen " + std::to_string(int(f)));
    }
    void TabelleAusgeben() override { aufrufe.push_back("Tabelle"); }
    void Ausgabe() override { aufrufe.push_back("Ausgabe"); }
    void BildZeichnen() override { aufrufe.push_back("Zeichnen"); }
    void DruckZeichnen() override { aufrufe.push_back("Druck"); }
    void DatenGeändert() override { aufrufe.push_back("Geändert"); }
    void BildSkalieren() override { aufrufe.push_back("Skalierung"); }
    void BildNeuzeichnen() override { aufrufe.push_back("Neuzeichnen"); }
    void DrehrichtungsbilanzZeigen(int16_t b) override {
        aufrufe.push_back("Bilanz " + std::to_string(b));
    }
    void DiagrammNeuzeichnen() override { aufrufe.push_back("Diagramm"); }
    double Sekunden() const override { return uhr; }
};

TEST(Schritt, AsksTheOpenWindowsInOrder) {
    Modell m = Standardmaschine();
    m.Winkel = 30;
    m.SteuerHubZeigen = m.DiagrammZeigen = m.BetriebsparameterZeigen = Wahr;
    m.SteinZeigen = m.SteuerungsverlaufZeigen = Wahr;
    m.MeßwerteZeigen = 1; // only -1 counts as shown
    m.TabelleZeigen = Wahr;
    m.DruckenAktiv = 1;
    Protokoll p;
    Schritt(m, p);
    const std::vector<std::string> erwartet{"SchrittMalen 0", "SchrittMalen 2", "SchrittMalen 5",
                                            "SchrittMalen 6", "SchrittMalen 7", "Tabelle",
                                            "Ausgabe",        "Zeichnen",       "Druck"};
    EXPECT_EQ(p.aufrufe, erwartet);
}

TEST(Schritt, ResolvesAfterTheViewsMovedTheCrank) {
    struct Wegdreher : Ansichten {
        Modell* m = nullptr;
        void SchrittMalen(Schrittfenster) override { m->Winkel = 200; }
    };
    Modell m = Standardmaschine();
    m.SteuerHubZeigen = Wahr;
    m.Winkel = 0;
    Wegdreher w;
    w.m = &m;
    Schritt(m, w);
    Modell erwartet = Standardmaschine();
    erwartet.Winkel = 200;
    Kinematik(erwartet);
    EXPECT_EQ(m.kwegmm, erwartet.kwegmm);
}

// None on the first pass, which has nothing to compare with.
TEST(Schritt, RevolutionTimeOncePerTurnWhateverTheStep) {
    for (float schritt : {10.0f, 0.3f}) {
        for (bool vor : {true, false}) {
            Modell m = Standardmaschine();
            m.BildZeigen = Falsch;
            m.WinkelSchritt = schritt;
            m.Drehrichtung = vor;
            m.Winkel = 0;
            Protokoll p;
            const int proUmlauf = static_cast<int>(std::floor(360.0 / schritt));
            for (int i = 0; i < 3 * proUmlauf; ++i) {
                Schritt(m, p);
                WinkelWeiter(m);
                p.uhr += 1;
            }
            const auto zeiten = std::count_if(p.aufrufe.begin(), p.aufrufe.end(),
                                              [](auto& a) { return a.starts_with("Umlaufzeit"); });
            EXPECT_EQ(zeiten, 2) << schritt << (vor ? " forward" : " backward");
            if (schritt == 10.0f) {
                EXPECT_EQ(std::ranges::count(p.aufrufe, "Umlaufzeit 36"), 2) << vor;
            }
        }
    }
}

TEST(Neuberechnung, OrderAndChangedStateByCause) {
    // cause, changed before, changed after
    const std::tuple<Anlass, bool, bool> fälle[] = {
        {Anlass::Eingabe, false, true},
        {Anlass::Ansicht, true, true},
        {Anlass::NeueDaten, true, false},
    };
    for (const auto& [anlass, vorher, nachher] : fälle) {
        Modell m = Standardmaschine();
        m.Geändert = vorher;
        m.Winkel = 30;
        const int16_t stand = m.Geometriestand;
        Protokoll p;
        Neuberechnung(m, p, anlass);
        Modell hier = Standardmaschine();
        hier.Winkel = 30;
        Kinematik(hier);
        EXPECT_EQ(m.kwegmm, hier.kwegmm) << "the solver stays at the crank's own angle";
        std::vector<std::string> erwartet{"Skalierung", "Neuzeichnen", "Bilanz -218", "Diagramm"};
        if (anlass == Anlass::Eingabe) erwartet.insert(erwartet.begin(), "Geändert");
        EXPECT_EQ(p.aufrufe, erwartet) << int(anlass);
        EXPECT_EQ(m.Geometriestand, stand + 1);
        EXPECT_EQ(m.Geändert, nachher) << int(anlass);
    }
}

TEST(Standarddaten, InstallTheUnitsEngineAndRestartTheCounterButKeepTheWindows) {
    for (const auto& [einheit, erwartet, umwinkel] :
         {std::tuple{"[mm]", "[mm]", 40.0}, std::tuple{"[MM]", "[inch]", -14.0}}) {
        Modell m;
        m.Winkel = 77;
        m.Geometriestand = 5;
        m.Geändert = true;
        m.BildZeigen = Falsch;
        m.TabelleZeigen = m.DampftafelUSZeigen = Wahr;
        Ansichten still;
        StandarddatenLaden(m, still, einheit);
        EXPECT_EQ(std::tuple(m.BildZeigen, m.TabelleZeigen, m.DampftafelUSZeigen, m.Geändert),
                  std::tuple(Falsch, Wahr, Wahr, false));
        EXPECT_EQ(m.Einheit, erwartet) << einheit;
        EXPECT_FLOAT_EQ(m.UmWinkel, Grad(umwinkel)) << einheit;
        EXPECT_EQ(m.Geometriestand, 0);
        EXPECT_EQ(m.Winkel, 77);
        EXPECT_EQ(m.Drehrichtung, m.Drehrichtungsbilanz > 0); // set by the direction check
    }
}

} // namespace
} // namespace vapro
