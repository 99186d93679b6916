#include "analysis/Dampfdiagramm.h"

#include <cmath>

#include <gtest/gtest.h>

#include "Maschine.h"
#include "model/GeometrieFehler.h"

namespace vapro {
namespace {

using test::Standardmaschine;
constexpr double kPi = 3.14159265358979;

// A default engine with the top cut-off at the given share of the stroke.
Modell Maschine(bool mm, double anteil, float exponent) {
    Modell m = Standardmaschine(mm);
    m.Überhitzung = exponent;
    m.Oben.FüllungWeg = static_cast<float>(anteil * m.Hub);
    return m;
}

// Mean of PO1 · (Vc / V)^n over Vc..Vt, integrated in closed form.
double Mittel(double po1, double vc, double vt, double n) {
    if (n == 1) return po1 * vc * std::log(vt / vc) / (vt - vc);
    return po1 * std::pow(vc, n) * (std::pow(vt, 1 - n) - std::pow(vc, 1 - n)) /
           ((1 - n) * (vt - vc));
}

TEST(Dampfdiagramm, FullStrokeCutOffGivesChestLessBackPressure) {
    for (bool mm : {true, false})
        for (float n : {1.0f, 1.3f})
            for (double breite : {200.0, 537.0, 3000.0}) {
                Modell m = Maschine(mm, 1, n);
                // Running backwards with cut-off after bottom dead centre the
                // event's own travel counts from there; the cut-off is the stroke.
                m.Oben.Einlaßende = {20, 4, 0.1f};
                const Dampfdiagramm d = DampfdiagrammBerechnen(m, DiagrammrahmenFürBreite(breite));
                EXPECT_EQ(d.Vc, d.Vt);
                ASSERT_EQ(d.Punkte.size(), 1u);
                EXPECT_EQ(d.pa, m.PO1);
                EXPECT_EQ(d.pf, m.PO1);
                EXPECT_EQ(d.pe, m.PO1);
                EXPECT_FLOAT_EQ(d.PM, m.PO1 - m.PO2) << mm << " n " << n << " width " << breite;
            }
}

TEST(Dampfdiagramm, ShorterCutOffFollowsTheExpansionIntegral) {
    for (bool mm : {true, false})
        for (double anteil : {0.2, 0.5, 0.75})
            for (float n : {1.0f, 1.15f, 1.3f})
                for (double breite : {400.0, 4000.0}) {
                    const Modell m = Maschine(mm, anteil, n);
                    const Dampfdiagramm d =
                        DampfdiagrammBerechnen(m, DiagrammrahmenFürBreite(breite));
                    const double h = m.Hub, wc = anteil * h,
                                 a = kPi * m.KDurchmesser * m.KDurchmesser / 4;
                    const double v0 = a * m.KOFreihub, vc = a * wc + v0, vt = a * h + v0;
                    const double pe = m.PO1 * std::pow(vc / vt, n);
                    const double pa = Mittel(m.PO1, vc, vt, n);
                    const double pm = (wc * m.PO1 + (h - wc) * pa) / h - m.PO2;

                    // Each sample stands for s of volume: the mean of N samples of a
                    // falling curve is off by at most its fall over N, twice for the
                    // part of the last step beyond the stroke.
                    const double N = static_cast<double>(d.Punkte.size());
                    const double toleranz = 2 * (m.PO1 - pe) / N + 1e-5 * m.PO1;
                    const auto fall = ::testing::Message()
                                      << (mm ? "mm" : "inch") << " cut-off " << anteil << " n " << n
                                      << " width " << breite;
                    EXPECT_NEAR(d.pe, pe, 1e-5 * pe) << fall;
                    EXPECT_NEAR(d.pa, pa, toleranz) << fall;
                    EXPECT_NEAR(d.PM, pm, toleranz) << fall;
                    EXPECT_LT(d.PM, m.PO1 - m.PO2) << fall;
                    // One point every 10 pixels across (Vt - Vc).
                    const double punkte = (vt - vc) * breite / (1.05 * vt) / 10;
                    EXPECT_NEAR(N, std::floor(punkte) + 1, 1) << fall;
                }
}

TEST(Dampfdiagramm, SteeperExpansionGivesSmallerMeanPressure) {
    const auto pm = [](float n) {
        return DampfdiagrammBerechnen(Maschine(true, 0.4, n), DiagrammrahmenFürBreite(500)).PM;
    };
    EXPECT_GT(pm(1.0f), pm(1.15f));
    EXPECT_GT(pm(1.15f), pm(1.3f));
}

TEST(Dampfdiagramm, HyperbolaPointsTenPixelsApart) {
    const Modell m = Maschine(false, 0.3, 1.0f);
    const Diagrammrahmen r = DiagrammrahmenFürFenster(600, 400, 12, 60, 90);
    EXPECT_DOUBLE_EQ(r.RandOben, 18);
    EXPECT_DOUBLE_EQ(r.RandUnten, 48);
    EXPECT_DOUBLE_EQ(r.RandLinks, 42);
    EXPECT_DOUBLE_EQ(r.RandRechts, 90);
    const Dampfdiagramm d = DampfdiagrammBerechnen(m, r);
    EXPECT_FLOAT_EQ(d.xs, static_cast<float>(468 / (1.05 * d.Vt)));
    EXPECT_FLOAT_EQ(d.ys, static_cast<float>(334 / (1.1 * 165)));

    ASSERT_GE(d.Punkte.size(), 10u);
    EXPECT_EQ(d.Punkte.front().V, d.Vc);
    EXPECT_EQ(d.Punkte.front().p, m.PO1);
    for (std::size_t i = 0; i < d.Punkte.size(); ++i) {
        const Diagrammpunkt& p = d.Punkte[i];
        EXPECT_LE(p.V, d.Vt);
        EXPECT_NEAR(p.p * p.V, m.PO1 * d.Vc, 1e-5 * m.PO1 * d.Vc) << i;
        if (i > 0) {
            const Bildpunkt a = DiagrammBildpunkt(r, d, d.Punkte[i - 1].V, 0);
            const Bildpunkt b = DiagrammBildpunkt(r, d, p.V, 0);
            EXPECT_NEAR(b.x - a.x, 10, 1e-3) << i;
        }
    }
    EXPECT_GT(d.Punkte.back().V + d.s, d.Vt);

    // The axes' origin and the far corner of the value range.
    const Bildpunkt null = DiagrammBildpunkt(r, d, 0, 0);
    EXPECT_DOUBLE_EQ(null.x, 42);
    EXPECT_DOUBLE_EQ(null.y, 352);
    const Bildpunkt ecke = DiagrammBildpunkt(r, d, 1.05 * d.Vt, 1.1 * m.PO1);
    EXPECT_NEAR(ecke.x, 510, 1e-3);
    EXPECT_NEAR(ecke.y, 18, 1e-3);
}

TEST(Dampfdiagramm, VolumesOfTheTopEnd) {
    const Dampfdiagramm d =
        DampfdiagrammBerechnen(Maschine(true, 0.25, 1), DiagrammrahmenFürBreite(500));
    const double a = kPi * 125 * 125 / 4; // bore 125 mm
    EXPECT_FLOAT_EQ(d.A, a);
    EXPECT_FLOAT_EQ(d.V0, a * 10); // clearance 10 mm
    EXPECT_FLOAT_EQ(d.Vh, a * 102);
    EXPECT_FLOAT_EQ(d.Vt, a * 112);
    EXPECT_FLOAT_EQ(d.Vc, a * (25.5 + 10));
    EXPECT_FLOAT_EQ(d.Wc, 25.5f);
}

TEST(Dampfdiagramm, NoClearanceAndNoAdmission) {
    Modell m = Maschine(true, 0, 1.3f);
    m.KOFreihub = 0;
    const Dampfdiagramm d = DampfdiagrammBerechnen(m, DiagrammrahmenFürBreite(300));
    EXPECT_EQ(d.V0, 0);
    EXPECT_EQ(d.Vc, 0);
    EXPECT_EQ(d.pe, 0);
    ASSERT_GT(d.Punkte.size(), 1u);
    EXPECT_EQ(d.Punkte[0].p, m.PO1);
    EXPECT_EQ(d.Punkte[1].p, 0);
    EXPECT_FLOAT_EQ(d.pa, m.PO1 / static_cast<float>(d.Punkte.size()));
    EXPECT_FLOAT_EQ(d.PM, d.pa - m.PO2);
}

TEST(Dampfdiagramm, ArithmeticFaultsAreRaised) {
    const struct {
        const char* fall;
        void (*ändern)(Modell&);
        double breite;
    } fälle[] = {
        {"no bore", [](Modell& m) { m.KDurchmesser = 0; }, 500},
        {"no stroke", [](Modell& m) { m.Hub = 0; }, 500},
        {"no chest pressure", [](Modell& m) { m.PO1 = 0; }, 500},
        {"no width", [](Modell&) {}, 0},
        {"negative width", [](Modell&) {}, -50},
        {"points below the volume resolution", [](Modell&) {}, 1e12},
    };
    for (const auto& f : fälle) {
        Modell m = Maschine(true, 0.3, 1);
        f.ändern(m);
        EXPECT_THROW(DampfdiagrammBerechnen(m, DiagrammrahmenFürBreite(f.breite)), GeometrieFehler)
            << f.fall;
    }
}

TEST(Dampfdiagramm, Labels) {
    const Dampfdiagramm mm =
        DampfdiagrammBerechnen(Maschine(true, 1, 1), DiagrammrahmenFürBreite(500));
    const DiagrammBeschriftung b = DiagrammBeschriften(mm, true, "PM");
    EXPECT_EQ(b.PM, "PM: 10.00 bar");
    EXPECT_EQ(b.ProzentV0, "0");
    EXPECT_EQ(b.ProzentVc, "100.0");
    EXPECT_EQ(b.ProzentVt, "100");
    EXPECT_EQ(b.VolumenV0, "0.0");
    EXPECT_EQ(b.VolumenVt, "1251.7"); // cm³
    EXPECT_EQ(b.VolumenVc, "1251.7");
    EXPECT_EQ(b.DruckPO1, "11.0");
    EXPECT_EQ(b.DruckPO2, "1.0");
    EXPECT_EQ(b.Druckpe, "11.0");
    EXPECT_EQ(b.DruckNull, "0.0");

    const Dampfdiagramm in =
        DampfdiagrammBerechnen(Maschine(false, 0.25, 1), DiagrammrahmenFürBreite(500));
    const DiagrammBeschriftung c = DiagrammBeschriften(in, false, "MEP", ',');
    EXPECT_EQ(c.PM.substr(0, 5), "MEP: ");
    EXPECT_EQ(c.PM.substr(c.PM.size() - 4), " psi");
    EXPECT_EQ(c.ProzentVc, "25,0");
    EXPECT_EQ(c.VolumenVc, "7,07");  // π/4 · 3² · 1 cu in
    EXPECT_EQ(c.VolumenVt, "28,27"); // π/4 · 3² · 4
    EXPECT_EQ(c.DruckPO1, "165");
    EXPECT_EQ(c.DruckPO2, "5");
    EXPECT_EQ(c.DruckNull, "0");
}

TEST(Dampfdiagramm, RecomputingTakesTheCurrentCutOff) {
    Modell m = Standardmaschine();
    m.Winkel = 123;
    m.Oben.FüllungWeg = -1; // stale
    const Dampfdiagramm d = DampfdiagrammNeuberechnen(m, DiagrammrahmenFürBreite(500));
    EXPECT_EQ(m.Winkel, 123);
    EXPECT_GT(m.Oben.FüllungWeg, 0);
    EXPECT_EQ(d.Wc, m.Oben.FüllungWeg);
    EXPECT_GT(d.PM, 0);
    EXPECT_LT(d.PM, m.PO1 - m.PO2);
}

} // namespace
} // namespace vapro
