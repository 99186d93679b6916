#include "core/analysis/Steuerungsverlauf.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <vector>

#include "core/analysis/Steinweg.h"
#include "core/analysis/Steuerzeiten.h"
#include "core/analysis/Verlaufsvorrat.h"
#include "core/model/Bewegung.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Kinematik.h"
#include "core/model/Rechnen.h"
#include "core/model/Schieber.h"
#include "tests/core/Maschine.h"

namespace vapro {
namespace {

using test::Standardmaschine;

// The engine at one lever angle and direction, searched and evaluated as
// every window does it.
Modell Gesucht(const Modell& m, float grad, bool vor) {
    Modell s = m;
    s.UmWinkel = static_cast<float>(Rad(grad));
    s.Drehrichtung = vor;
    SteuerzeitenSuchen(s);
    SteuerzeitenAuswerten(s);
    return s;
}

void GleichesEreignis(const std::optional<Verlaufsereignis>& e, const Steuerzeit& roh,
                      const Steuerereignis& erwartet, const char* was) {
    ASSERT_EQ(e.has_value(), roh.Winkel >= 0) << was;
    if (!e) return;
    EXPECT_EQ(std::tuple(e->Kurbelwinkel, e->Ereignis.Winkel, e->Ereignis.Bezug, e->Ereignis.Weg),
              std::tuple(roh.Winkel, erwartet.Winkel, erwartet.Bezug, erwartet.Weg))
        << was;
}

TEST(Steuerungsverlauf, EveryLeverAngleAndDirectionHasTheEventsOfTheSearch) {
    for (int16_t einströmung : {0, 1}) {
        Modell m = Standardmaschine();
        m.Einströmung = einströmung;
        m.Winkel = 123;
        Kinematik(m);
        const float umWinkel = m.UmWinkel, schieber = m.SchieberY;
        const Steuerungsverlauf v = SteuerungsverlaufBerechnen(m, 15);
        ASSERT_EQ(v.Punkte.size(), 7u); // -45 … 45
        for (const Verlaufspunkt& p : v.Punkte) {
            ASSERT_TRUE(p.Lösbar()) << p.Fehler;
            Modell r = m;
            r.UmWinkel = static_cast<float>(Rad(p.UmWinkelGrad));
            DrehrichtungBestimmen(r);
            EXPECT_EQ(p.Drehrichtungsbilanz, r.Drehrichtungsbilanz) << p.UmWinkelGrad;
            for (bool vor : {true, false}) {
                const Modell s = Gesucht(m, p.UmWinkelGrad, vor);
                SCOPED_TRACE(testing::Message() << "admission " << einströmung << " lever "
                                                << p.UmWinkelGrad << (vor ? " forward" : " back"));
                for (bool oben : {true, false}) {
                    const Verlaufsende& e = p.Ende(vor, oben);
                    const Steuerzeitergebnis& x = oben ? s.Oben : s.Unten;
                    GleichesEreignis(e.Einlaß, oben ? s.EinlaßAufOben : s.EinlaßAufUnten,
                                     x.Einlaßbeginn, "admission");
                    GleichesEreignis(e.Füllung, oben ? s.EinlaßZuOben : s.EinlaßZuUnten,
                                     x.Einlaßende, "cut-off");
                    GleichesEreignis(e.Vorausströmung, oben ? s.AuslaßAufOben : s.AuslaßAufUnten,
                                     x.Auslaßbeginn, "release");
                    GleichesEreignis(e.Kompression, oben ? s.AuslaßZuOben : s.AuslaßZuUnten,
                                     x.Auslaßende, "compression");
                    if (e.Füllung) {
                        EXPECT_EQ(e.Füllung->Prozent, static_cast<float>(x.Füllung * 100.0));
                    }
                    if (e.Kompression) {
                        EXPECT_EQ(e.Kompression->Prozent,
                                  static_cast<float>(x.Kompression * 100.0));
                    }
                }
            }
        }
        // The model is left as it was.
        EXPECT_EQ(std::tuple(m.Winkel, m.UmWinkel, m.SchieberY, m.Drehrichtung),
                  std::tuple(123.f, umWinkel, schieber, true));
        EXPECT_EQ(m.EinlaßZuOben.Winkel, -1); // no search ran on it
    }
}

TEST(Steuerungsverlauf, ReleaseLeadAndPortOpeningAtTheDefaultEngine) {
    const Modell m = Standardmaschine();
    const Verlaufspunkt p = VerlaufspunktBerechnen(m, 40);
    const Modell s = Gesucht(m, 40, false); // the engine runs backward here
    for (bool oben : {true, false}) {
        const Verlaufsende& e = p.Ende(false, oben);
        // Release: the part of this end's stroke done when exhaust opens, from
        // the piston's travel at that crank angle (kwegmm counts from BDC).
        const float weg = oben ? s.AuslaßAufOben.Weg : s.AuslaßAufUnten.Weg;
        const double hub = 2.0 * s.KWRadius;
        const double getan = oben ? hub - weg : weg;
        ASSERT_TRUE(e.Vorausströmung);
        EXPECT_NEAR(e.Vorausströmung->Prozent, getan / hub * 100.0, 1e-3);
        EXPECT_GT(e.Voreilen, 0); // the port is open at its dead centre
        EXPECT_GT(e.Kanalöffnung, e.Voreilen);
        EXPECT_LE(e.Kanalöffnung, oben ? m.KaWeiO : m.KaWeiU);
        EXPECT_EQ(e.Voreilen, p.Ende(true, oben).Voreilen); // positions do not depend on it
    }
    // At the model's own lever angle, as the windows hold it.
    Modell jetzt = m;
    jetzt.Drehrichtung = false;
    SteuerzeitenSuchen(jetzt);
    SteuerzeitenAuswerten(jetzt);
    const Verlaufspunkt q = VerlaufspunktJetzt(m);
    EXPECT_NEAR(q.UmWinkelGrad, 40, 1e-4);
    EXPECT_EQ(q.Ende(false, true).Füllung->Prozent, static_cast<float>(jetzt.Oben.Füllung * 100.0));
    EXPECT_EQ(q.Ende(false, false).Einlaß->Kurbelwinkel, jetzt.EinlaßAufUnten.Winkel);
}

TEST(Steuerungsverlauf, EventsThatNeverHappenStayMissing) {
    Modell m = Standardmaschine();
    m.SchiEO = m.SchiEU = 100; // no steam port ever opens
    SchieberAbleiten(m);
    const Verlaufspunkt p = VerlaufspunktBerechnen(m, 40);
    ASSERT_TRUE(p.Lösbar());
    for (bool vor : {true, false})
        for (bool oben : {true, false}) {
            const Verlaufsende& e = p.Ende(vor, oben);
            EXPECT_FALSE(e.Einlaß);
            EXPECT_FALSE(e.Füllung);
            EXPECT_FALSE(e.Kompression); // ends with an admission that never comes
            EXPECT_EQ(e.Kanalöffnung, 0);
        }
}

TEST(Steuerungsverlauf, LeverAngleThatCannotBeAssembledIsMarked) {
    Modell m = Standardmaschine();
    m.UmLänge = 150; // the lever swings the hanger out of reach at one end
    m.UmMin = -90;
    m.UmMax = 90;
    m.Winkel = 77;
    const Steuerungsverlauf v = SteuerungsverlaufBerechnen(m, 45);
    ASSERT_EQ(v.Punkte.size(), 5u);
    EXPECT_FALSE(v.Punkte.front().Lösbar());
    EXPECT_NE(v.Punkte.front().Fehler.find("crank angle"), std::string::npos);
    for (size_t i = 1; i < v.Punkte.size(); ++i)
        EXPECT_TRUE(v.Punkte[i].Lösbar() && v.Punkte[i].Ende(true, true).Füllung) << i;
    EXPECT_EQ(m.Winkel, 77);
}

TEST(Steuerungsverlauf, LeverAnglesCoverTheLeversTravelBothEndsIncluded) {
    struct Fall {
        float umMin, umMax;
        int16_t vorzeichen;
        double schritt;
        std::vector<float> winkel;
    };
    const Fall fälle[] = {
        {-30, 45, -1, 30, {-45, -15, 15, 30}}, // the slider's sign turns the range
        {-30, 45, 1, 30, {-30, 0, 30, 45}},
        {10, 10, 1, 5, {10}},
    };
    for (const Fall& f : fälle) {
        Modell m;
        m.UmMin = f.umMin;
        m.UmMax = f.umMax;
        m.Vorzeichen = f.vorzeichen;
        EXPECT_EQ(Hebelwinkel(m, f.schritt), f.winkel) << f.umMin << " " << f.umMax;
    }
    Modell m;
    m.UmMin = -45;
    m.UmMax = 45;
    for (double schlecht : {0.0, 0.001})
        EXPECT_THROW(Hebelwinkel(m, schlecht), std::invalid_argument) << schlecht;
}

Modell BeiHebel(float grad) {
    Modell m = Standardmaschine();
    m.UmWinkel = static_cast<float>(Rad(grad));
    return m;
}

TEST(Steinweg, PeakToPeakIsTheSlipOfASweepAndOfTheLeverRange) {
    for (float grad : {-45.0f, 12.5f}) {
        const Modell m = BeiHebel(grad);
        const auto w = SteinwegBerechnen(m);
        ASSERT_TRUE(w) << grad;
        ASSERT_EQ(w->Lage.size(), size_t(SuchSchritte - 1));
        // The running extremes of the solver over the same angles.
        Modell s = m;
        s.LetzterUmWinkel = s.UmWinkel + 1;
        for (int i = 0; i < SuchSchritte; ++i) {
            s.Winkel = SuchWinkel(i);
            KinematikOhneBild(s);
        }
        EXPECT_NEAR(w->Springen(), s.Springen, 0.005 + 1e-5) << grad; // hundredths there
        EXPECT_NEAR(w->Springen(), *VerlaufspunktBerechnen(m, grad).Steinspringen, 1e-4) << grad;
    }
}

TEST(Steinweg, NoDieWithoutALinkAndAGearThatJamsIsAnError) {
    Modell fest = Standardmaschine();
    fest.Umsteuertyp = 0;
    EXPECT_FALSE(SteinwegBerechnen(fest));

    Modell m = Standardmaschine();
    m.UmLänge = 150; // the lever swings the hanger out of reach
    m.UmWinkel = static_cast<float>(Rad(-90));
    m.Winkel = 77;
    EXPECT_THROW(SteinwegBerechnen(m), GeometrieFehler);
    EXPECT_EQ(m.Winkel, 77);
}

TEST(Verlaufsvorrat, ComputesOncePerEngineNotPerLeverCrankOrRedraw) {
    Modell m = test::Standardmaschine();
    Verlaufsvorrat vorrat;
    const Steuerungsverlauf& v = vorrat.Für(m);
    EXPECT_EQ(vorrat.Berechnungen(), 1u);
    const Steuerungsverlauf erwartet = SteuerungsverlaufBerechnen(m, Fensterschritt(m));
    ASSERT_EQ(v.Punkte.size(), erwartet.Punkte.size());
    EXPECT_EQ(v.Punkte[7].Ende(false, true).Füllung->Prozent,
              erwartet.Punkte[7].Ende(false, true).Füllung->Prozent);

    // what moves without changing the engine; whether the range is computed again
    const std::pair<void (*)(Modell&), bool> fälle[] = {
        {[](Modell& x) { x.UmWinkel = 0.3f; }, false},
        {[](Modell& x) { x.Drehrichtung = !x.Drehrichtung; }, false},
        {[](Modell& x) { GeometriestandErhöhen(x); }, false}, // a picture resized
        {[](Modell& x) { x.SchiEO += 0.5f; }, false},         // not counted as a change yet
        {[](Modell& x) { GeometriestandErhöhen(x); }, true},
        {[](Modell& x) { x.Einheit = "[inch]", GeometriestandErhöhen(x); }, true},
    };
    uint32_t n = 1;
    for (const auto& [ändern, neu] : fälle) {
        ändern(m);
        vorrat.Für(m);
        vorrat.Für(m);
        n += neu ? 1 : 0;
        EXPECT_EQ(vorrat.Berechnungen(), n);
    }
    EXPECT_FALSE(vorrat.Für(m).MM);
}

TEST(Verlaufsvorrat, ALeverWithoutATravelGivesAnEmptyRangeNotAnError) {
    Modell m = test::Standardmaschine();
    m.UmMax = std::numeric_limits<float>::quiet_NaN();
    Verlaufsvorrat vorrat;
    EXPECT_TRUE(vorrat.Für(m).Punkte.empty());
    EXPECT_FALSE(vorrat.Fehler().empty());
    // steps: the lever's travel, step
    const std::pair<float, double> schritte[] = {{9, 0.25}, {180, 2.0}};
    for (const auto& [spanne, schritt] : schritte) {
        m.UmMin = -spanne / 2;
        m.UmMax = spanne / 2;
        EXPECT_DOUBLE_EQ(Fensterschritt(m), schritt) << spanne;
    }
}

} // namespace
} // namespace vapro
