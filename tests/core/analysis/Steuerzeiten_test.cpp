#include "core/analysis/Steuerzeiten.h"

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
    for (double umwinkel : {-40.0, 40.0, -20.0}) {
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

TEST(SteuerzeitenSuchen, EventsThatNeverHappenStayAtMinusOne) {
    Modell m = Standardmaschine();
    m.SchiEO = m.SchiEU = 100; // laps so large that no admission port ever opens
    SchieberAbleiten(m);
    SteuerzeitenSuchen(m);
    EXPECT_EQ(m.EinlaßAufOben.Winkel, -1);
    EXPECT_EQ(m.EinlaßZuOben.Winkel, -1);
    EXPECT_EQ(m.EinlaßAufUnten.Winkel, -1);
    EXPECT_EQ(m.EinlaßZuUnten.Winkel, -1);
}

TEST(SteuerzeitenSuchen, EdgeStandingOnItsSeatRecordsClosingsOnly) {
    for (bool vor : {true, false}) {
        Modell m = Standardmaschine();
        m.Umsteuertyp = 0;
        m.ExZentrizität = 0; // the valve stands still
        m.kaumy = 380.5f;    // top outer edge exactly on the top port's upper edge
        SpiegelBerechnen(m);
        m.Drehrichtung = vor;
        SteuerzeitenSuchen(m);
        EXPECT_EQ(m.EinlaßAufOben.Winkel, -1);
        EXPECT_EQ(m.EinlaßZuOben.Winkel, vor ? 360 : 0); // the last of many closings
    }
}

TEST(SteuerzeitenSuchen, InsideAdmissionExchangesAdmissionAndExhaustOfEachEnd) {
    for (double umwinkel : {40.0, -40.0, 0.0}) {
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
            // The evaluation, and what rests on it, follows the exchanged events.
            Modell getauscht = außen;
            for (const auto& [einlaß, auslaß] : paare)
                std::swap(getauscht.*einlaß, getauscht.*auslaß);
            SteuerzeitenAuswerten(getauscht);
            SteuerzeitenAuswerten(innen);
            EXPECT_EQ(innen.Oben.Füllung, getauscht.Oben.Füllung);
            EXPECT_EQ(innen.Unten.Füllung, getauscht.Unten.Füllung);
            EXPECT_EQ(innen.Oben.Kompression, getauscht.Oben.Kompression);
            EXPECT_EQ(innen.Unten.Auslaßbeginn.Winkel, getauscht.Unten.Auslaßbeginn.Winkel);
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

    const Steuerzeitergebnis& o = m.Oben;
    EXPECT_EQ(o.Einlaßbeginn.Bezug, 1);
    EXPECT_EQ(o.Einlaßbeginn.Winkel, 5);
    EXPECT_EQ(o.Einlaßende.Winkel, 20);
    EXPECT_EQ(o.Einlaßende.Bezug, 4);
    EXPECT_EQ(o.Füllung, 1);
    EXPECT_EQ(o.Auslaßbeginn.Winkel, 30);
    EXPECT_EQ(o.Auslaßbeginn.Bezug, 3);
    EXPECT_EQ(o.Auslaßende.Winkel, 30);
    EXPECT_EQ(o.Auslaßende.Bezug, 1);
    EXPECT_FLOAT_EQ(o.KompressionWeg, 7 - 0.5f); // from exhaust closing to admission
    EXPECT_FLOAT_EQ(o.Kompression, 0.065f);

    const Steuerzeitergebnis& u = m.Unten;
    EXPECT_EQ(u.Einlaßbeginn.Winkel, 5);
    EXPECT_EQ(u.Einlaßbeginn.Bezug, 3);
    EXPECT_EQ(u.Einlaßende.Winkel, 110);
    EXPECT_EQ(u.Einlaßende.Bezug, 4);
    EXPECT_FLOAT_EQ(u.Füllung, 0.6f);
    EXPECT_EQ(u.Auslaßende.Bezug, 3);
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
        EXPECT_EQ(m.Oben.Einlaßbeginn.Winkel, 10);
        EXPECT_EQ(m.Oben.Einlaßbeginn.Bezug, bezug);
        EXPECT_EQ(m.Oben.Einlaßbeginn.Weg, 2);
    }
    m.EinlaßZuOben = {150, 80}; // cut-off 30° before BDC... seen running backward
    m.EinlaßZuUnten = {300, 40};
    SteuerzeitenAuswerten(m);
    EXPECT_EQ(m.Oben.Einlaßende.Winkel, 30);
    EXPECT_EQ(m.Oben.Einlaßende.Bezug, 4);
    EXPECT_EQ(m.Oben.Einlaßende.Weg, 80); // travel from BDC when running backward
    EXPECT_EQ(m.Oben.Füllung, 1);
    EXPECT_EQ(m.Unten.Einlaßende.Winkel, 60);
    EXPECT_EQ(m.Unten.Einlaßende.Bezug, 2);
    EXPECT_EQ(m.Unten.Füllung, 1);
}

// Views of one frame share a search: a second asks again only for another
// engine, angle step, lever or direction, or when the events were cleared.
TEST(SteuerzeitenSuchenWennNötig, SearchesAgainOnlyWhenTheEngineMovedOn) {
    Modell m = Standardmaschine();
    EXPECT_TRUE(SteuerzeitenSuchenWennNötig(m));
    const std::pair<const char*, void (*)(Modell&)> änderungen[] = {
        {"nothing", [](Modell&) {}},
        {"change count", [](Modell& x) { ++x.Änderungen; }},
        {"angle step", [](Modell& x) { x.WinkelSchritt = 3; }},
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

} // namespace
} // namespace vapro
