// Valve-travel graphs: repetition over several revolutions, shading against
// the core's port openings, the markers' start at 0° and the cursor line;
// the graph on a printed page inside its margins with the print settings and
// its own axis's grid; whole reference images of both.

#include "render/Steuerhubgraph.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>

#include "core/analysis/Steuerhub.h"
#include "core/model/Kinematik.h"
#include "core/model/Schieberkanten.h"
#include "render/Steuerhubseite.h"
#include "tests/core/Maschine.h"
#include "tests/render/Referenzbild.h"

namespace vapro {
namespace {

constexpr double Tw = 15.0;
constexpr QRgb Weiß = 0xFFFFFF, Rot = 0xFF0000, Blau = 0x0000FF;

// A graph drawn into an image as a window's backing image holds it.
struct Graph {
    Modell m;
    Steuerhubgraph g;
    QImage im;
    Graph(Hubachse achse, Modell modell, QSizeF flächeTwips)
        : m(std::move(modell)), g(achse),
          im(QSize(static_cast<int>(std::ceil(flächeTwips.width() / Tw)),
                   static_cast<int>(std::ceil(flächeTwips.height() / Tw))),
             QImage::Format_RGB32) {
        im.fill(Qt::white);
        g.Skalierung(m, flächeTwips);
        Malen([this](QPainter& p) { g.Neuzeichnen(p, m, m.FarbeSteuerHub); });
    }
    template <typename F> void Malen(F f) {
        QPainter p(&im);
        p.scale(1 / Tw, 1 / Tw);
        f(p);
    }
    void Schritt(float winkel) {
        m.Winkel = winkel;
        Kinematik(m);
        Malen([this](QPainter& p) { g.Schritt(p, m, m.FarbeSteuerHub); });
    }
    QRgb Pixel(int x, int y) const { return im.pixel(x, y) & 0xFFFFFF; }
};

TEST(Steuerhubgraph, ThreeRevolutionsRepeatTheGraphSideBySide) {
    // 4150 twips: a width of 4050 after the margins, 90 pixels a revolution,
    // where no whole degree falls on a pixel's edge.
    for (const Hubachse achse : {Hubachse::Kurbelwinkel, Hubachse::Kolbenweg}) {
        Modell m = test::Standardmaschine();
        m.usPerioden = 3;
        m.auslaß = 1;
        Graph g(achse, m, QSizeF(4150, 4500));
        EXPECT_DOUBLE_EQ(g.g.Rahmen().Periodenbreite, 1350);
        // Markers repeat too: start them and take two steps.
        g.Schritt(0);
        g.Schritt(10);
        const int links = static_cast<int>(50 / Tw), breite = 90;
        int schwarz = 0;
        // Below the labels, which may reach into the next revolution, and
        // off the first and last degrees, where a marker of the next
        // revolution may stand.
        for (int y = 25; y < g.im.height(); ++y)
            for (int x = links + 4; x < links + breite - 4; ++x) {
                const QRgb erste = g.Pixel(x, y);
                schwarz += erste == 0;
                ASSERT_EQ(g.Pixel(x + breite, y), erste) << x << "," << y;
                ASSERT_EQ(g.Pixel(x + 2 * breite, y), erste) << x << "," << y;
            }
        EXPECT_GT(schwarz, 500) << "curves and grid are drawn";
        // Nothing beyond the third revolution but the margin (and labels).
        for (int y = 25; y < g.im.height(); ++y)
            EXPECT_EQ(g.Pixel(links + 3 * breite + 2, y), Weiß) << y;
    }
}

// Each port is shaded in its column exactly where the core says the valve
// uncovers it, in the colour of what flows through it.
TEST(Steuerhubgraph, ShadingLiesBetweenTheRightPortEdges) {
    for (const int16_t einströmung : {0, 1}) {
        Modell m = test::Standardmaschine();
        m.Einströmung = einströmung;
        // Two pixels a degree: every whole degree has a column of its own.
        Graph g(Hubachse::Kurbelwinkel, m, QSizeF(100 + 720 * Tw, 9000));
        const QRgb frisch = einströmung == 1 ? Blau : Rot, abdampf = einströmung == 1 ? Rot : Blau;
        std::set<int> geöffnet;
        for (int winkel = 7; winkel < 360; winkel += 25) { // off the grid lines
            Modell w = g.m;
            w.Winkel = static_cast<float>(winkel);
            Kinematik(w);
            const int x = static_cast<int>(g.g.XBei(winkel, 0, 0) / Tw);
            const std::array<float, 4> kanten = {KanteUntenAußen(w), KanteUntenInnen(w),
                                                 KanteObenInnen(w), KanteObenAußen(w)};
            // The two ports, from their lower to their upper edge (pixel rows).
            const std::pair<float, float> ports[] = {{w.KaKanteUU, w.KaKanteUO},
                                                     {w.KaKanteOU, w.KaKanteOO}};
            for (const auto& [unten, oben] : ports) {
                for (int y = static_cast<int>(g.g.Y(oben) / Tw) + 2;
                     y < static_cast<int>(g.g.Y(unten) / Tw) - 1; ++y) {
                    const double höhe = unten + (oben - unten) * (g.g.Y(unten) / Tw - y - 0.5) /
                                                    ((g.g.Y(unten) - g.g.Y(oben)) / Tw);
                    QRgb soll = Weiß;
                    for (size_t k = 0; k < 4; ++k) {
                        const auto kante = static_cast<Schieberkante>(k);
                        const auto offen = Kantenöffnung(w, kante, kanten[k]);
                        // Rows a pixel or less from an end of the stretch may go either way.
                        const double rand = 1.5 * Tw / g.g.Rahmen().MaßstabY;
                        if (offen && höhe > offen->von + rand && höhe < offen->bis - rand) {
                            soll = ÖffnetZurKammer(kante) ? frisch : abdampf;
                            geöffnet.insert(static_cast<int>(k));
                        } else if (offen && höhe > offen->von - rand && höhe < offen->bis + rand) {
                            soll = 1; // the end of the stretch: not checked
                        }
                    }
                    if (soll == 1) continue;
                    EXPECT_EQ(g.Pixel(x, y), soll) << "angle " << winkel << ", height " << höhe
                                                   << ", admission " << einströmung;
                }
            }
        }
        EXPECT_EQ(geöffnet.size(), 4u) << "every edge opened its port at some of the angles";
    }
}

TEST(Steuerhubgraph, MarkersStartOnlyAfterPassingZero) {
    for (const bool vorwärts : {true, false}) {
        Modell m = test::Standardmaschine();
        m.Drehrichtung = vorwärts;
        Graph g(Hubachse::Kolbenweg, m, QSizeF(6000, 4500));
        const QImage leer = g.im;
        // Red where the graph itself has no red: the markers.
        auto marken = [&g, &leer] {
            std::set<std::pair<int, int>> rot;
            for (int y = 0; y < g.im.height(); ++y)
                for (int x = 0; x < g.im.width(); ++x)
                    if (g.Pixel(x, y) == Rot && (leer.pixel(x, y) & 0xFFFFFF) != Rot)
                        rot.emplace(x, y);
            return rot;
        };
        // Turning backwards with a step that does not divide 360°, the crank
        // passes 0° at -7°.
        const std::vector<float> vorher =
            vorwärts ? std::vector<float>{200, 270, 350} : std::vector<float>{150, 70, 3};
        for (const float w : vorher)
            g.Schritt(w);
        EXPECT_EQ(g.im, leer) << "no marker before 0°";
        EXPECT_TRUE(g.g.Gesperrt());
        g.Schritt(vorwärts ? 0 : -7);
        const auto erste = marken();
        EXPECT_GT(erste.size(), 4u * 10) << "four red markers";
        g.Schritt(vorwärts ? 30 : 330);
        const auto zweite = marken();
        EXPECT_GT(zweite.size(), 4u * 10);
        EXPECT_NE(zweite, erste) << "the markers moved on";
        // A full redraw locks them again until the next pass.
        g.Malen([&g](QPainter& p) { g.g.Neuzeichnen(p, g.m, g.m.FarbeSteuerHub); });
        g.Schritt(vorwärts ? 40 : 320);
        EXPECT_EQ(g.im, leer);
    }
}

// The cursor is the only difference to a graph without it, wherever it
// moves: taking it away leaves nothing behind.
TEST(Steuerhubgraph, CursorLeavesNoTraceWhenItMoves) {
    Modell m = test::Standardmaschine();
    Graph ohne(Hubachse::Kurbelwinkel, m, QSizeF(6000, 4500));
    m.faden = 1;
    Graph mit(Hubachse::Kurbelwinkel, m, QSizeF(6000, 4500));
    for (const float winkel : {0.f, 10.f, 200.f}) {
        ohne.Schritt(winkel);
        mit.Schritt(winkel);
        std::set<int> spalten;
        for (int y = 0; y < mit.im.height(); ++y)
            for (int x = 0; x < mit.im.width(); ++x)
                if (mit.Pixel(x, y) != ohne.Pixel(x, y)) spalten.insert(x);
        ASSERT_EQ(spalten.size(), 1u) << "at " << winkel << "°";
        EXPECT_NEAR(*spalten.begin(), mit.g.X(mit.m) / Tw, 1);
        // A whole line, inverted.
        const int x = *spalten.begin();
        for (int y = 0; y < mit.im.height(); ++y)
            ASSERT_EQ(mit.Pixel(x, y), ~ohne.Pixel(x, y) & 0xFFFFFF) << y;
    }
}

// Both graphs of the mm engine with the middle port and markers after a few
// steps.
TEST(SteuerhubgraphReferenzbild, DefaultEngine) {
    for (const Hubachse achse : {Hubachse::Kurbelwinkel, Hubachse::Kolbenweg}) {
        Modell m = test::Standardmaschine(true);
        m.auslaß = 1;
        Graph g(achse, m, QSizeF(400, 300) * Tw);
        for (const float w : {0.f, 10.f, 20.f, 30.f})
            g.Schritt(w);
        test::MitReferenzbildVergleichen(g.im, achse == Hubachse::Kurbelwinkel ? "steuerhub_mm"
                                                                               : "steuerhubweg_mm");
    }
}

// A4 landscape at 60 dpi.
const QSize kQuer(702, 496);

QImage Seite(const Modell& m, Hubachse achse, QSize größe = kQuer, double dpi = 60) {
    QImage bild(größe, QImage::Format_RGB32);
    bild.fill(Qt::gray);
    QPainter p(&bild);
    SteuerhubseiteZeichnen(p, m, achse, QSizeF(größe), dpi, "OT", "UT");
    return bild;
}

// Thin lines and no extra grid: what each case adds shows alone.
Modell Schlicht() {
    Modell m = test::Standardmaschine();
    m.LStärke = m.KStärke = m.Kuller = 1;
    m.WinkelRaster = m.KolbenWeg = m.WegRaster = 0;
    return m;
}

TEST(Steuerhubseite, EachGraphDrawsOnlyTheGridOfItsOwnAxis) {
    struct Fall {
        const char* name;
        Hubachse achse;
        int16_t Modell::*raster;
        bool zeigt;
    };
    const Fall fälle[] = {
        {"crank angle, angle grid", Hubachse::Kurbelwinkel, &Modell::WinkelRaster, true},
        {"crank angle, piston grid", Hubachse::Kurbelwinkel, &Modell::KolbenWeg, false},
        {"piston travel, piston grid", Hubachse::Kolbenweg, &Modell::KolbenWeg, true},
    };
    for (const Fall& f : fälle) {
        Modell m = Schlicht();
        const QImage ohne = Seite(m, f.achse);
        m.*f.raster = 1;
        EXPECT_EQ(Seite(m, f.achse) != ohne, f.zeigt) << f.name;
    }
}

TEST(Steuerhubseite, DrawingStaysInsideTheMarginsOnWhitePaper) {
    Modell m = Schlicht();
    std::tie(m.DruckLinks, m.DruckRechts, m.DruckOben, m.DruckUnten) = std::tuple(10, 5, 20, 30);
    const QRectF bereich = Steuerhubbereich(m, QSizeF(kQuer));
    EXPECT_EQ(bereich, QRectF(70.2, 99.2, 596.7, 248));
    const QImage bild = Seite(m, Hubachse::Kurbelwinkel);
    // Grey where the paper was left alone: everything outside the area.
    const int außen =
        kQuer.width() * kQuer.height() - bereich.toRect().width() * bereich.toRect().height();
    EXPECT_NEAR(test::Pixelzahl(bild, qRgb(160, 160, 164)), außen, kQuer.width() + kQuer.height());
    EXPECT_GT(test::Pixelzahl(bild, qRgb(255, 255, 255)), bereich.width() * bereich.height() / 2);
}

// Both graphs of the millimetre engine on a landscape page (A4 at 30 dpi)
// with the default print settings but thin lines.
TEST(SteuerhubseiteReferenzbild, DefaultEngine) {
    Modell m = test::Standardmaschine(true);
    m.LStärke = 2;
    m.KStärke = m.Kuller = 1;
    for (const Hubachse achse : {Hubachse::Kurbelwinkel, Hubachse::Kolbenweg})
        test::MitReferenzbildVergleichen(Seite(m, achse, QSize(351, 248), 30),
                                         achse == Hubachse::Kurbelwinkel ? "steuerhubseite_mm"
                                                                         : "steuerhubwegseite_mm");
}

} // namespace
} // namespace vapro
