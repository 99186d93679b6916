#include "core/analysis/Steuerzeiten.h"
#include "core/analysis/Steuerzeitentabelle.h"

#include <gtest/gtest.h>

#include "core/analysis/Betriebswerte.h"
#include "core/analysis/Dampfdiagramm.h"
#include "core/model/Bewegung.h"
#include "core/model/Kinematik.h"
#include "core/model/Schieber.h"
#include "core/model/Schieberkanten.h"
#include "tests/core/Maschine.h"

namespace vapro {
namespace {

using test::Grad;
using test::Standardmaschine;

// Valve edge and port edge of a raw event, and whether the port is open.
struct Kante {
    Steuerzeit Modell::*ereignis;
    float (*kante)(const Modell&);
    float Modell::*sitz;
    bool offenWennDarüber; // port open while the valve edge is above the seat edge
    bool auf;              // the event opens the port
};

const Kante kKanten[] = {
    {&Modell::EinlaßAufUnten, KanteUntenAußen, &Modell::KaKanteUU, true, true},
    {&Modell::EinlaßZuUnten, KanteUntenAußen, &Modell::KaKanteUU, true, false},
    {&Modell::AuslaßAufUnten, KanteUntenInnen, &Modell::KaKanteUO, false, true},
    {&Modell::AuslaßZuUnten, KanteUntenInnen, &Modell::KaKanteUO, false, false},
    {&Modell::AuslaßAufOben, KanteObenInnen, &Modell::KaKanteOU, true, true},
    {&Modell::AuslaßZuOben, KanteObenInnen, &Modell::KaKanteOU, true, false},
    {&Modell::EinlaßAufOben, KanteObenAußen, &Modell::KaKanteOO, false, true},
    {&Modell::EinlaßZuOben, KanteObenAußen, &Modell::KaKanteOO, false, false},
};

bool Offen(Modell& m, const Kante& k, float winkel) {
    m.Winkel = winkel;
    Kinematik(m);
    const float kante = k.kante(m), sitz = m.*k.sitz;
    return k.offenWennDarüber ? kante > sitz : kante < sitz;
}

TEST(SteuerzeitenSuchen, EachEventIsTheStepWherePortStateChanges) {
    for (double umwinkel : {-40.0, 40.0}) {
        Modell m = Standardmaschine();
        m.UmWinkel = Grad(umwinkel);
        m.Drehrichtung = umwinkel < 0;
        m.Winkel = 77;
        SteuerzeitenSuchen(m);
        EXPECT_EQ(m.Winkel, 77) << "angle restored";
        const float schritt = m.Drehrichtung ? 0.25f : -0.25f;
        for (const Kante& k : kKanten) {
            const Steuerzeit z = m.*k.ereignis;
            ASSERT_GE(z.Winkel, 0) << umwinkel;
            Modell probe = m;
            EXPECT_EQ(Offen(probe, k, z.Winkel - schritt), !k.auf)
                << umwinkel << " at " << z.Winkel;
            EXPECT_EQ(Offen(probe, k, z.Winkel), k.auf) << umwinkel << " at " << z.Winkel;
            EXPECT_FLOAT_EQ(z.Weg, probe.kwegmm);
        }
    }
}

TEST(SteuerzeitenSuchen, InsideAdmissionExchangesAdmissionAndExhaustOfEachEnd) {
    for (double umwinkel : {40.0, -40.0}) {
        for (bool vor : {true, false}) {
            Modell außen = Standardmaschine();
            außen.UmWinkel = Grad(umwinkel);
            außen.Drehrichtung = vor;
            Modell innen = außen;
            innen.Einströmung = 1;
            SteuerzeitenSuchen(außen);
            SteuerzeitenSuchen(innen);
            // The cavity edges admit, the outer edges exhaust: the same crossings.
            const std::pair<Steuerzeit Modell::*, Steuerzeit Modell::*> paare[] = {
                {&Modell::EinlaßAufOben, &Modell::AuslaßAufOben},
                {&Modell::EinlaßZuOben, &Modell::AuslaßZuOben},
                {&Modell::EinlaßAufUnten, &Modell::AuslaßAufUnten},
                {&Modell::EinlaßZuUnten, &Modell::AuslaßZuUnten},
            };
            for (const auto& [einlaß, auslaß] : paare) {
                EXPECT_EQ((innen.*einlaß).Winkel, (außen.*auslaß).Winkel) << umwinkel;
                EXPECT_EQ((innen.*auslaß).Winkel, (außen.*einlaß).Winkel) << umwinkel;
                EXPECT_EQ((innen.*einlaß).Weg, (außen.*auslaß).Weg) << umwinkel;
            }
        }
    }
    // At 40° with inside admission the engine runs forward and admits late,
    // through the whole stroke: the diagram and the figures show that cut-off.
    Modell innen = Standardmaschine();
    innen.Einströmung = 1;
    DrehrichtungBestimmen(innen);
    ASSERT_TRUE(innen.Drehrichtung);
    const Dampfdiagramm d = DampfdiagrammNeuberechnen(innen, DiagrammrahmenFürBreite(500));
    EXPECT_EQ(innen.Oben.Füllung, 1);
    EXPECT_EQ(d.Wc, 2 * innen.KWRadius);
    const Betriebswerte w = BetriebswerteBerechnen(innen, d.PM, std::nullopt);
    EXPECT_EQ(w.FüllungO, innen.Oben.Füllung);
    EXPECT_EQ(w.FüllungU, innen.Unten.Füllung);
}

TEST(SteuerzeitenAuswerten, CutOffAndCompression) {
    Modell m;
    m.KWRadius = 50; // stroke 100
    m.Drehrichtung = true;
    // Top: admission 355° (5° before TDC), cut-off 200° (after BDC), exhaust 150°..330°.
    m.EinlaßAufOben = {355, 99.5f};
    m.EinlaßZuOben = {200, 3};
    m.AuslaßAufOben = {150, 7};
    m.AuslaßZuOben = {330, 93};
    // Bottom: admission 175°, cut-off 290°, exhaust 340°..150°; exhaust closes 30° before BDC.
    m.EinlaßAufUnten = {175, 0.5f};
    m.EinlaßZuUnten = {290, 60};
    m.AuslaßAufUnten = {340, 96};
    m.AuslaßZuUnten = {150, 6.5f};
    SteuerzeitenAuswerten(m);

    // Angle and reference (1 before TDC, 2 after, 3 before BDC, 4 after) of
    // admission start and end, exhaust start and end.
    const auto wb = [](const Steuerereignis& e) { return std::pair(e.Winkel, int(e.Bezug)); };
    using P = std::pair<float, int>;
    const Steuerzeitergebnis &o = m.Oben, &u = m.Unten;
    EXPECT_EQ(
        (std::array{wb(o.Einlaßbeginn), wb(o.Einlaßende), wb(o.Auslaßbeginn), wb(o.Auslaßende)}),
        (std::array{P{5, 1}, P{20, 4}, P{30, 3}, P{30, 1}}));
    EXPECT_EQ(o.Füllung, 1);
    EXPECT_FLOAT_EQ(o.KompressionWeg, 7 - 0.5f); // from exhaust closing to admission
    EXPECT_FLOAT_EQ(o.Kompression, 0.065f);
    EXPECT_EQ(std::tuple(wb(u.Einlaßbeginn), wb(u.Einlaßende), u.Auslaßende.Bezug),
              std::tuple(P{5, 3}, P{110, 4}, 3));
    EXPECT_FLOAT_EQ(u.Füllung, 0.6f);
    EXPECT_FLOAT_EQ(u.KompressionWeg, 6);

    // Top exhaust closing after TDC: no compression.
    m.AuslaßZuOben = {10, 99};
    SteuerzeitenAuswerten(m);
    EXPECT_EQ(m.Oben.Auslaßende.Bezug, 2);
    EXPECT_EQ(m.Oben.Kompression, 0);
}

TEST(SteuerzeitenAuswerten, BackwardRunningMirrorsTheAngles) {
    Modell m;
    m.KWRadius = 50;
    // A top admission opening at raw 10° is 10° after TDC forward, before TDC backward.
    for (auto [vor, bezug] : {std::pair{true, 2}, std::pair{false, 1}}) {
        m.Drehrichtung = vor;
        m.EinlaßAufOben = {10, 98};
        SteuerzeitenAuswerten(m);
        const Steuerereignis& e = m.Oben.Einlaßbeginn;
        EXPECT_EQ(std::tuple(e.Winkel, int(e.Bezug), e.Weg), std::tuple(10.0f, bezug, 2.0f));
    }
    m.EinlaßZuOben = {150, 80}; // cut-off 30° before BDC... seen running backward
    m.EinlaßZuUnten = {300, 40};
    SteuerzeitenAuswerten(m);
    // travel from BDC when running backward
    EXPECT_EQ(std::tuple(m.Oben.Einlaßende.Winkel, m.Oben.Einlaßende.Bezug, m.Oben.Einlaßende.Weg),
              std::tuple(30.0f, int16_t{4}, 80.0f));
    EXPECT_EQ(std::tuple(m.Unten.Einlaßende.Winkel, m.Unten.Einlaßende.Bezug),
              std::tuple(60.0f, int16_t{2}));
    EXPECT_EQ(std::pair(m.Oben.Füllung, m.Unten.Füllung), std::pair(1.0f, 1.0f));
}

// Views of one frame share a search: a second asks again only for another
// engine, angle step, lever or direction, or when the events were cleared.
TEST(SteuerzeitenSuchenWennNötig, SearchesAgainOnlyWhenTheEngineMovedOn) {
    Modell m = Standardmaschine();
    EXPECT_TRUE(SteuerzeitenSuchenWennNötig(m));
    const std::pair<const char*, void (*)(Modell&)> änderungen[] = {
        {"nothing", [](Modell&) {}},
        {"change count", [](Modell& x) { ++x.Änderungen; }},
        {"lever", [](Modell& x) { x.UmWinkel = Grad(-10); }},
        {"direction", [](Modell& x) { x.Drehrichtung = !x.Drehrichtung; }},
        {"cleared", [](Modell& x) { x.Steuerzeitensuche.gesucht = false; }},
    };
    for (const auto& [was, ändern] : änderungen) {
        ändern(m);
        m.EinlaßAufOben.Winkel = 1234; // no search leaves this
        EXPECT_EQ(SteuerzeitenSuchenWennNötig(m), std::string_view(was) != "nothing") << was;
        EXPECT_EQ(m.EinlaßAufOben.Winkel == 1234, std::string_view(was) == "nothing") << was;
        EXPECT_FALSE(SteuerzeitenSuchenWennNötig(m)) << was;
    }
}

using Zellen = Steuerzeitenzellen;

Zellen Suchen(Modell& m, const Sprache& s) {
    SteuerzeitenSuchen(m);
    SteuerzeitenAuswerten(m);
    return SteuerzeitenWerte(m, s, '.');
}

Sprache Deutsch() {
    Sprache s;
    SpracheEinstellen(s, SprachbasisDeutsch);
    return s;
}

// The mm engine turning backwards, as the command line finds it: events of
// its reference output, in the table's formats.
TEST(Steuerzeitentabelle, DefaultEngineInTheTablesFormats) {
    Modell m = test::Standardmaschine();
    m.Drehrichtung = false;
    const Zellen z = Suchen(m, Deutsch());
    // row, column, text
    const std::tuple<int, int, const char*> fälle[] = {
        {2, 1, "12.8"},        {2, 2, "100.51"}, {2, 6, "vor OT"}, {2, 8, "1.49"}, // top admission
        {6, 6, "        ---"}, {6, 8, "85.10"},  {15, 9, "13.16"}, // cut-off, compression
    };
    for (const auto& [zeile, spalte, text] : fälle)
        EXPECT_EQ(z[static_cast<size_t>(zeile)][static_cast<size_t>(spalte)], text)
            << zeile << "/" << spalte;
    EXPECT_EQ(SteuerzeitenWerte(m, Deutsch(), ',')[2][8], "1,49");
}

// Which value cells stand on which raw event: a missing event must not show
// the travel an earlier search left behind, nor anything evaluated from it.
TEST(Steuerzeitentabelle, MissingEventBlanksEveryCellDerivedFromIt) {
    struct Fall {
        Steuerzeit Modell::*ereignis;
        int zeile;       // its row, raw and resulting
        int füllung;     // row of the cut-off it ends, 0 = none
        int kompression; // row of the compression it bounds, 0 = none
    };
    const Fall fälle[] = {{&Modell::EinlaßAufOben, 2, 0, 7},
                          {&Modell::EinlaßZuOben, 3, 6, 0},
                          {&Modell::AuslaßZuUnten, 13, 0, 15}};
    const Sprache s = Deutsch();
    // The engine running its way with the lever at either end.
    for (const auto& [umwinkel, vor] : {std::pair{40.0, false}, std::pair{-40.0, true}}) {
        Modell m = test::Standardmaschine();
        m.UmWinkel = test::Grad(umwinkel);
        m.Drehrichtung = vor;
        Suchen(m, s);
        // Both exhausts close before their dead centre: compression ends
        // where admission begins.
        ASSERT_EQ(m.Oben.Auslaßende.Bezug, 1);
        ASSERT_EQ(m.Unten.Auslaßende.Bezug, 3);
        for (const Fall& f : fälle) {
            Modell x = m;
            (x.*f.ereignis).Winkel = -1; // as the search leaves it, with the old travel
            SteuerzeitenAuswerten(x);
            const Zellen z = SteuerzeitenWerte(x, s, '.');
            for (int zeile : {2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15})
                for (int spalte : {2, 3, 6, 7, 8, 9}) {
                    const bool rechts = spalte >= 6;
                    const bool summe = zeile == 6 || zeile == 7 || zeile == 14 || zeile == 15;
                    if (summe && (!rechts || spalte < 8)) continue;
                    const bool soll =
                        summe ? (zeile == f.füllung || zeile == f.kompression) : zeile == f.zeile;
                    EXPECT_EQ(z[static_cast<size_t>(zeile)][static_cast<size_t>(spalte)] == Fehlt,
                              soll)
                        << vor << " row " << f.zeile << ": " << zeile << "/" << spalte;
                }
            EXPECT_EQ(z[static_cast<size_t>(f.zeile)][1], "-1.0");
        }
    }
}

} // namespace
} // namespace vapro
