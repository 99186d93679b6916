// Steam diagram painter: the cycle's corners and markers where the core's
// numbers put them, and whole images of the
// default engines (a window too small for it: tests/ui/analysis).

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "core/model/Bewegung.h"
#include "core/persist/Einheiten.h"
#include "core/persist/Texte.h"
#include "render/Dampfdiagrammbild.h"
#include "tests/core/Maschine.h"
#include "tests/render/Referenzbild.h"

namespace vapro {
namespace {

constexpr QRgb Schwarz = 0x000000, Rot = 0xFF0000, Blau = 0x0000FF;

struct Diagrammbild {
    Modell m;
    Sprache sprache;
    Einheitennamen einheiten;
    Diagrammrahmen r;
    Dampfdiagramm d;
    QImage im;

    Diagrammbild(Modell modell, QSize größe)
        : m(std::move(modell)), im(größe, QImage::Format_RGB32) {
        SpracheEinstellen(sprache, SprachbasisDeutsch);
        EinheitenSetzen(einheiten, m.Einheit);
        SpiegelBerechnen(m);
        QPainter p(&im);
        r = DiagrammrahmenFür(QSizeF(größe), QFontMetricsF(p.font(), &im));
        d = DampfdiagrammNeuberechnen(m, r);
        DampfdiagrammZeichnen(p, r, d, DiagrammtexteFür(d, IstMM(m), sprache, einheiten),
                              m.FarbeDiagramm);
    }
    QRgb Bei(double V, double druck, double dx = 0, double dy = 0) const {
        const Bildpunkt b = DiagrammBildpunkt(r, d, V, druck);
        return im.pixel(static_cast<int>(b.x + dx), static_cast<int>(b.y + dy)) & 0xFFFFFF;
    }
};

// A default engine with the lever well over, turning the way its ports say.
Modell Ausgelegt(bool mm) {
    Modell m = test::Standardmaschine(mm);
    m.UmWinkel = test::Grad(-40);
    SpiegelBerechnen(m);
    DrehrichtungBestimmen(m);
    return m;
}

TEST(Dampfdiagrammbild, CycleAndMarkersWhereTheNumbersPutThem) {
    for (const bool mm : {true, false}) {
        SCOPED_TRACE(mm ? "mm" : "inch");
        const Diagrammbild b(Ausgelegt(mm), QSize(600, 420));
        const Dampfdiagramm& d = b.d;
        ASSERT_FALSE(d.OhneEinlaß);
        ASSERT_GT(d.Vc, d.V0);
        // Admission line half way to cut-off, the exhaust line half way along
        // the stroke (blue over it where it meets the pressure axis), the
        // release line half way up, the mean-pressure line two pixels wide.
        const double Vmitte = (d.V0 + d.Vt) / 2;
        EXPECT_EQ(b.Bei((d.V0 + d.Vc) / 2, d.PO1), Schwarz);
        EXPECT_EQ(b.Bei(Vmitte, d.PO2), Schwarz);
        EXPECT_EQ(b.Bei(d.Vt, (d.PO2 + d.pe) / 2), Schwarz);
        EXPECT_EQ(b.Bei(Vmitte, d.pf), Schwarz);
        // Red cut-off marker below the admission line, blue release level
        // left of the release line.
        EXPECT_EQ(b.Bei(d.Vc, d.PO1 / 2), Rot);
        EXPECT_EQ(b.Bei(d.Vt / 2, d.pe), Blau);
        // Every expansion point is drawn, but where the red cut-off marker
        // ends (the first) and on the blue release level.
        ASSERT_GT(d.Punkte.size(), 3u);
        const auto zeile = [&](double druck) {
            return static_cast<int>(DiagrammBildpunkt(b.r, d, 0, druck).y);
        };
        for (std::size_t i = 1; i < d.Punkte.size(); ++i) {
            if (zeile(d.Punkte[i].p) == zeile(d.pe)) continue;
            EXPECT_EQ(b.Bei(d.Punkte[i].V, d.Punkte[i].p), Schwarz) << i;
        }
    }
}

TEST(DampfdiagrammReferenzbild, DefaultEngines) {
    for (const bool mm : {true, false}) {
        const Modell m = Ausgelegt(mm);
        Sprache sprache;
        SpracheEinstellen(sprache, mm ? SprachbasisDeutsch : SprachbasisEnglisch);
        Einheitennamen einheiten;
        EinheitenSetzen(einheiten, m.Einheit);
        test::MitReferenzbildVergleichen(
            DampfdiagrammRendern(m, QSize(400, 300), sprache, einheiten),
            mm ? "dampfdiagramm_mm" : "dampfdiagramm_inch");
    }
}

} // namespace
} // namespace vapro
