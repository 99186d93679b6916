#include "core/analysis/Dampfdiagramm.h"

#include <cmath>

#include <gtest/gtest.h>

#include "core/model/GeometrieFehler.h"
#include "tests/core/Maschine.h"

namespace vapro {
namespace {

// A default engine with the top cut-off at the given share of the stroke.
Modell Maschine(bool mm, double anteil, float exponent) {
    Modell m = test::Standardmaschine(mm);
    m.Überhitzung = exponent;
    m.Oben.FüllungWeg = static_cast<float>(anteil * m.Hub);
    // As a search that found the top admission would leave them.
    m.EinlaßAufOben.Winkel = 350;
    m.EinlaßZuOben.Winkel = 100;
    return m;
}

// Mean of PO1 · (Vc / V)^n over Vc..Vt, integrated in closed form.
double Mittel(double po1, double vc, double vt, double n) {
    if (vc == vt) return po1;
    if (n == 1) return po1 * vc * std::log(vt / vc) / (vt - vc);
    return po1 * std::pow(vc, n) * (std::pow(vt, 1 - n) - std::pow(vc, 1 - n)) /
           ((1 - n) * (vt - vc));
}

// Full chest pressure up to cut-off, then the expansion integral; a cut-off
// at the end of the stroke gives PM = PO1 - PO2.
TEST(Dampfdiagramm, MeanPressureFollowsTheExpansionIntegral) {
    for (const auto& [mm, breite] : {std::pair{true, 400.0}, {false, 4000.0}})
        for (double anteil : {0.2, 0.75, 1.0})
            for (float n : {1.0f, 1.15f, 1.3f}) {
                SCOPED_TRACE(::testing::Message() << (mm ? "mm" : "inch") << " cut-off " << anteil
                                                  << " n " << n << " width " << breite);
                const Modell m = Maschine(mm, anteil, n);
                const Dampfdiagramm d = DampfdiagrammBerechnen(m, DiagrammrahmenFürBreite(breite));
                const double a = 3.14159265358979 / 4 * m.KDurchmesser * m.KDurchmesser;
                const double vc = a * (anteil * m.Hub + m.KOFreihub),
                             vt = a * (m.Hub + m.KOFreihub);
                const double pe = m.PO1 * std::pow(vc / vt, n);
                const double pm = anteil * m.PO1 + (1 - anteil) * Mittel(m.PO1, vc, vt, n) - m.PO2;
                // Each sample stands for s of volume: the mean of N samples of a
                // falling curve is off by at most its fall over N, twice for the
                // part of the last step beyond the stroke.
                const double N = static_cast<double>(d.Punkte.size());
                EXPECT_NEAR(d.Vc, vc, 1e-6 * vc);
                EXPECT_NEAR(d.pe, pe, 1e-5 * pe);
                EXPECT_NEAR(d.PM, pm, 2 * (m.PO1 - pe) / N + 1e-5 * m.PO1);
                // One point every 10 pixels across (Vt - Vc).
                EXPECT_NEAR(N, std::floor((vt - vc) * breite / (1.05 * vt) / 10) + 1, 1);
            }
}

TEST(Dampfdiagramm, HyperbolaPointsTenPixelsApartInTheWindowFrame) {
    const Modell m = Maschine(false, 0.3, 1.0f);
    // Margins: 1.5 and 4 text heights, 0.7 × the pressure text, the cut-off text.
    const Diagrammrahmen r = DiagrammrahmenFürFenster(600, 400, 12, 60, 90);
    const Dampfdiagramm d = DampfdiagrammBerechnen(m, r);
    const Bildpunkt o = DiagrammBildpunkt(r, d, 0, 0);
    const Bildpunkt e = DiagrammBildpunkt(r, d, 1.05 * d.Vt, 1.1 * m.PO1);
    EXPECT_EQ(std::tuple(std::round(o.x), std::round(o.y), std::round(e.x), std::round(e.y)),
              std::tuple(42.0, 400.0 - 48, 600.0 - 90, 18.0));
    ASSERT_GE(d.Punkte.size(), 10u);
    for (std::size_t i = 1; i < d.Punkte.size(); ++i) {
        const Diagrammpunkt &p = d.Punkte[i], &q = d.Punkte[i - 1];
        EXPECT_NEAR(p.p * p.V, m.PO1 * d.Vc, 1e-5 * m.PO1 * d.Vc) << i;
        EXPECT_NEAR(DiagrammBildpunkt(r, d, p.V, 0).x - DiagrammBildpunkt(r, d, q.V, 0).x, 10,
                    1e-3);
    }
    // The last point is the last step that stays within the stroke.
    EXPECT_TRUE(d.Punkte.back().V <= d.Vt && d.Punkte.back().V + d.s > d.Vt) << d.Punkte.back().V;
}

TEST(Dampfdiagramm, ArithmeticFaultsAreRaised) {
    // The last: points closer than the volume resolution.
    // clang-format off
    const std::pair<void (*)(Modell&), double> fälle[] = {
        {[](Modell& m) { m.KDurchmesser = 0; }, 500}, {[](Modell&) {}, 0}, {[](Modell&) {}, 1e12}};
    // clang-format on
    for (const auto& [ändern, breite] : fälle) {
        Modell m = Maschine(true, 0.3, 1);
        ändern(m);
        EXPECT_THROW(DampfdiagrammBerechnen(m, DiagrammrahmenFürBreite(breite)), GeometrieFehler);
    }
}

// A search that misses either admission event of the top end leaves a
// stale travel behind; the diagram keeps only its scale and a mean pressure of 0.
TEST(Dampfdiagramm, MissingAdmissionGivesAxesOnly) {
    for (Steuerzeit Modell::*fehlt : {&Modell::EinlaßAufOben, &Modell::EinlaßZuOben}) {
        Modell m = Maschine(true, 0.6, 1);
        (m.*fehlt).Winkel = -1;
        const Diagrammrahmen r = DiagrammrahmenFürFenster(400, 300, 12, 40, 80);
        const Dampfdiagramm d = DampfdiagrammBerechnen(m, r);
        EXPECT_TRUE(d.OhneEinlaß);
        EXPECT_TRUE(d.Punkte.empty());
        EXPECT_EQ(std::tuple(d.Wc, d.pe, d.pa, d.pf, d.PM), std::tuple(0.f, 0.f, 0.f, 0.f, 0.f));
        // The axes still span the cylinder and the chest pressure.
        EXPECT_NEAR(DiagrammBildpunkt(r, d, 1.05 * d.Vt, 1.1 * m.PO1).x, 400 - 80, 1e-3);
    }
}

TEST(Dampfdiagramm, Labels) {
    const auto b = DiagrammBeschriften(
        DampfdiagrammBerechnen(Maschine(true, 1, 1), DiagrammrahmenFürBreite(500)), true, "PM");
    const auto c = DiagrammBeschriften(
        DampfdiagrammBerechnen(Maschine(false, 0.25, 1), DiagrammrahmenFürBreite(500)), false,
        "MEP", ',');
    EXPECT_EQ(b.PM, "PM: 10.00 bar");
    EXPECT_TRUE(c.PM.starts_with("MEP: ") && c.PM.ends_with(" psi")) << c.PM;
    // Swept 1251.7 cm³; inch: cut-off π/4 · 3² · 1 cu in of π/4 · 3² · 4, with the
    // clearance 0.21875 in a release pressure of 165 · 1.21875 / 4.21875 psi.
    for (const auto& [l, text] : {std::pair{b, "100.0 1251.7 1251.7 11.0 1.0 11.0 0.0"},
                                  std::pair{c, "25,0 7,07 28,27 165 5 48 0"}})
        EXPECT_EQ(l.ProzentVc + " " + l.VolumenVc + " " + l.VolumenVt + " " + l.DruckPO1 + " " +
                      l.DruckPO2 + " " + l.Druckpe + " " + l.DruckNull,
                  text);
}

TEST(Dampfdiagramm, RecomputingTakesTheCurrentCutOff) {
    Modell m = test::Standardmaschine();
    m.Winkel = 123;
    m.Oben.FüllungWeg = -1; // stale
    const Dampfdiagramm d = DampfdiagrammNeuberechnen(m, DiagrammrahmenFürBreite(500));
    EXPECT_EQ(m.Winkel, 123);
    EXPECT_TRUE(d.Wc > 0 && d.Wc == m.Oben.FüllungWeg) << d.Wc;
}

} // namespace
} // namespace vapro
