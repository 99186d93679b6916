// Valve-events graph: marks at the core's event angles, bands inside the
// open ports, markers, degenerate areas, and whole-image references.

#include "render/Steuerzeitenbild.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "core/analysis/Steuerzeiten.h"
#include "core/model/Bewegung.h"
#include "core/model/Kinematik.h"
#include "core/model/Schieberkanten.h"
#include "render/Maschinenbild.h"
#include "tests/core/Maschine.h"
#include "tests/render/Referenzbild.h"

namespace vapro {
namespace {

constexpr double Tw = TwipsJePixel;
const QRgb Schwarz = 0x000000, Rot = 0xFF0000, Blau = 0x0000FF;

Steuerzeitentexte Texte(const Modell& m, int16_t sprache = SprachbasisDeutsch) {
    Sprache s;
    SpracheEinstellen(s, sprache);
    return SteuerzeitentexteFür(m, s, '.');
}

// A graph drawn into an image as a window draws it.
struct Graph {
    Modell m;
    QImage im{QSize(900, 600), QImage::Format_RGB32};
    Steuerzeitenbild bild;
    explicit Graph(Modell modell) : m(std::move(modell)) {
        SpiegelBerechnen(m);
        Zeichnen();
    }
    void Zeichnen() {
        QPainter p(&im);
        p.scale(1 / Tw, 1 / Tw);
        bild.Neuzeichnen(p, m, QSizeF(im.size()) * Tw, 0xFFFFFF, Texte(m));
    }
    QRgb Pixel(double x, double y) const {
        return im.pixel(static_cast<int>(x / Tw), static_cast<int>(y / Tw)) & 0xFFFFFF;
    }
};

TEST(Steuerzeitenbild, MarksStandAtTheCoresEventAnglesAndRestoreTheEngine) {
    // lever, direction, admission
    for (const auto& [umwinkel, vor, einströmung] :
         {std::tuple{40.0, false, 0}, std::tuple{40.0, false, 1}}) {
        Modell m = test::Standardmaschine();
        m.UmWinkel = test::Grad(umwinkel);
        m.Drehrichtung = vor;
        m.Einströmung = static_cast<int16_t>(einströmung);
        m.Winkel = 77;
        Graph g(m);
        EXPECT_EQ(g.m.Winkel, 77);
        Modell jetzt = g.m;
        Kinematik(jetzt);
        EXPECT_EQ(g.m.kwegmm, jetzt.kwegmm) << "solved again where the crank stands";

        Modell kern = g.m;
        SteuerzeitenSuchen(kern);
        ASSERT_EQ(g.bild.Marken().size(), 8u) << umwinkel;
        for (const Steuerzeitmarke& marke : g.bild.Marken()) {
            const Steuerzeit z = kern.*marke.ereignis;
            EXPECT_EQ(marke.winkel, z.Winkel);
            // With inside admission the cavity edge admits: bottom admission
            // on the upper edge of the bottom port.
            if (marke.ereignis == &Modell::EinlaßAufUnten) {
                const Steuerzeitenrahmen& r = g.bild.Rahmen();
                EXPECT_EQ(marke.punkt.y(), einströmung ? r.LinieUO : r.LinieUU);
            }
            // Its place from the piston at that angle, on the down or the up stroke.
            Modell probe = kern;
            probe.Winkel = z.Winkel;
            Kinematik(probe);
            const double u = z.Winkel <= 180 ? probe.Hub - probe.kwegmm : probe.Hub + probe.kwegmm;
            EXPECT_NEAR(marke.punkt.x(), 50 + u * g.bild.Rahmen().MaßstabX, 1e-6);
            // The mark itself: black a little above and below its port edge.
            for (double dy : {-25.0, 25.0})
                EXPECT_EQ(g.Pixel(marke.punkt.x(), marke.punkt.y() + dy), Schwarz)
                    << umwinkel << " at " << z.Winkel;
        }
        // Travel from bottom dead centre and its share of the stroke, as the
        // command line reports the top cut-off of this engine (16.904 of 102 mm).
        if (einströmung) continue;
        const Steuerzeitmarke& zu = g.bild.Marken().back();
        EXPECT_EQ(std::pair(zu.zeilen[0], zu.zeilen[1]),
                  std::pair(QString("zu 16.90 mm"), QString("16.57 %")));
    }
}

// While a port is open its band lies inside the port along the edge that
// opened it, in the steam colour of that edge.
TEST(Steuerzeitenbild, BandsLieInsideTheOpenPortsInTheSteamColours) {
    for (int16_t einströmung : {0, 1}) {
        Modell m = test::Standardmaschine();
        m.Einströmung = einströmung;
        Graph g(m);
        const QRgb frisch = einströmung == 1 ? Blau : Rot, abdampf = einströmung == 1 ? Rot : Blau;
        const Steuerzeitenrahmen& r = g.bild.Rahmen();
        int offen = 0;
        for (int a = 2; a <= 358; a += 4) {
            Modell p = g.m;
            p.Winkel = static_cast<float>(a);
            Kinematik(p);
            const double x = g.bild.X(p, p.Winkel, p.kwegmm);
            // bottom port to chest and to cavity, top port to cavity and to chest
            const std::tuple<bool, double, QRgb> bänder[] = {
                {KanteUntenAußen(p) > p.KaKanteUU, r.LinieUU - 50, frisch},
                {KanteUntenInnen(p) < p.KaKanteUO, r.LinieUO + 50, abdampf},
                {KanteObenInnen(p) > p.KaKanteOU, r.LinieOU - 50, abdampf},
                {KanteObenAußen(p) < p.KaKanteOO, r.LinieOO + 50, frisch}};
            for (const auto& [auf, y, farbe] : bänder)
                if (auf) {
                    EXPECT_EQ(g.Pixel(x, y), farbe) << einströmung << " at " << a;
                    ++offen;
                }
        }
        EXPECT_GT(offen, 50);
    }
}

TEST(Steuerzeitenbild, NothingToDrawInAnAreaSmallerThanItsMargins) {
    const Modell m = test::Standardmaschine();
    Modell ohneSpiegel = m;
    ohneSpiegel.SpieLänge = 0;
    // width, height (pixels), engine
    const std::tuple<int, int, const Modell*> fälle[] = {{40, 300, &m}, {400, 300, &ohneSpiegel}};
    for (const auto& [breite, höhe, modell] : fälle) {
        QImage im = SteuerzeitenbildRendern(*modell, Texte(*modell), QSize(breite, höhe), 0xE0E0E0);
        EXPECT_EQ(test::Pixelzahl(im, 0xE0E0E0u), breite * höhe) << breite << "x" << höhe;
    }
}

TEST(SteuerzeitenbildReferenzbild, DefaultEngines) {
    for (bool mm : {true, false}) {
        const Modell m = test::Standardmaschine(mm);
        test::MitReferenzbildVergleichen(SteuerzeitenbildRendern(m, Texte(m), QSize(400, 300)),
                                         mm ? "steuerzeiten_mm" : "steuerzeiten_inch");
    }
}

} // namespace
} // namespace vapro
