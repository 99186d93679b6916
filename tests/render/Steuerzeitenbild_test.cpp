// Valve-events graph: marks at the core's event angles, bands inside the
// open ports, markers, degenerate areas, and whole-image references.

#include "render/Steuerzeitenbild.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "core/analysis/Steuerzeiten.h"
#include "core/model/Bewegung.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Kinematik.h"
#include "core/model/Schieber.h"
#include "core/model/Schieberkanten.h"
#include "render/Maschinenbild.h"
#include "tests/core/Maschine.h"
#include "tests/render/Referenzbild.h"

namespace vapro {
namespace {

constexpr double Tw = TwipsJePixel;
const QRgb Schwarz = 0x000000, Rot = 0xFF0000, Blau = 0x0000FF;

// Some pixel within one pixel of a point (twips) has this colour.
bool FarbeNahe(const QImage& im, QPointF punkt, QRgb farbe) {
    const int x = static_cast<int>(punkt.x() / Tw), y = static_cast<int>(punkt.y() / Tw);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (im.valid(x + dx, y + dy) && (im.pixel(x + dx, y + dy) & 0xFFFFFF) == farbe)
                return true;
    return false;
}

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
    for (const auto& [umwinkel, vor] : {std::pair{40.0, false}, std::pair{-40.0, true}}) {
        Modell m = test::Standardmaschine();
        m.UmWinkel = test::Grad(umwinkel);
        m.Drehrichtung = vor;
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
            EXPECT_TRUE(marke.zeilen[0].startsWith("auf ") || marke.zeilen[0].startsWith("zu "));
            EXPECT_TRUE(marke.zeilen[0].endsWith(" mm"));
            EXPECT_TRUE(marke.zeilen[1].endsWith(" %"));
        }
    }
}

TEST(Steuerzeitenbild, EventLabelsInEitherLanguage) {
    Modell m = test::Standardmaschine();
    m.Drehrichtung = false;
    Graph g(m);
    const Steuerzeitmarke& marke = g.bild.Marken().back(); // top admission closing
    ASSERT_EQ(marke.ereignis, &Modell::EinlaßZuOben);
    EXPECT_EQ(marke.zeilen[0], "zu 16.90 mm");
    EXPECT_EQ(marke.zeilen[1], "16.57 %");

    Modell zoll = test::Standardmaschine(false);
    const Steuerzeitentexte t = Texte(zoll, SprachbasisEnglisch);
    EXPECT_EQ(std::tuple(t.OT, t.UT, t.auf, t.zu, t.einheit),
              std::tuple(QString("TDC"), QString("BDC"), QString("open "), QString("close "),
                         QString(" inch")));
}

TEST(Steuerzeitenbild, MissingEventHasNoMark) {
    Modell m = test::Standardmaschine();
    m.SchiEO += 60; // the upper outer edge never uncovers the top port
    SchieberAbleiten(m);
    Graph g(m);
    EXPECT_EQ(g.bild.Marken().size(), 6u);
    for (const Steuerzeitmarke& marke : g.bild.Marken())
        EXPECT_TRUE(marke.ereignis != &Modell::EinlaßAufOben &&
                    marke.ereignis != &Modell::EinlaßZuOben);
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
        int geprüft = 0;
        // Which ports are open at a whole degree: bottom to chest, bottom to
        // cavity, top to cavity, top to chest.
        auto offen = [&g](int a) {
            Modell probe = g.m;
            probe.Winkel = static_cast<float>(a);
            Kinematik(probe);
            return std::array{
                KanteUntenAußen(probe) > probe.KaKanteUU, KanteUntenInnen(probe) < probe.KaKanteUO,
                KanteObenInnen(probe) > probe.KaKanteOU, KanteObenAußen(probe) < probe.KaKanteOO};
        };
        const std::array<std::pair<double, QRgb>, 4> bänder{{{r.LinieUU - 50, frisch},
                                                             {r.LinieUO + 50, abdampf},
                                                             {r.LinieOU - 50, abdampf},
                                                             {r.LinieOO + 50, frisch}}};
        for (int a = 2; a <= 358; a += 4) {
            Modell probe = g.m;
            probe.Winkel = static_cast<float>(a);
            Kinematik(probe);
            const double x = g.bild.X(probe, probe.Winkel, probe.kwegmm);
            const auto vorher = offen(a - 1), jetzt = offen(a), nachher = offen(a + 1);
            for (size_t i = 0; i < 4; ++i) {
                const auto& [y, farbe] = bänder[i];
                if (jetzt[i]) {
                    EXPECT_EQ(g.Pixel(x, y), farbe) << einströmung << " at " << a;
                    ++geprüft;
                } else if (!vorher[i] && !nachher[i]) {
                    // The dots of neighbouring degrees may touch this column.
                    EXPECT_NE(g.Pixel(x, y), farbe) << einströmung << " at " << a;
                }
            }
        }
        EXPECT_GT(geprüft, 50);
    }
}

TEST(Steuerzeitenbild, MarkersRedWhereTheEdgesStandBlackWhereTheyStood) {
    Graph g(test::Standardmaschine());
    QImage leer(g.im.size(), QImage::Format_RGB32);
    leer.fill(Qt::white);
    // Low enough for the top edge's marker to stay in the picture.
    const QPointF alt(3000, 8900), neu(6000, 8800);
    for (const auto& [kreis, rot] : {std::pair{int16_t{40}, true}, std::pair{int16_t{3}, true},
                                     std::pair{int16_t{0}, false}}) {
        QImage im = leer;
        QPainter p(&im);
        p.scale(1 / Tw, 1 / Tw);
        g.bild.Marker(p, alt, neu, kreis, 0xFFFFFF);
        p.end();
        for (double versatz : g.bild.Rahmen().KantenVersatz) {
            EXPECT_EQ(FarbeNahe(im, neu - QPointF(0, versatz), Rot), rot) << kreis;
            EXPECT_FALSE(FarbeNahe(im, alt - QPointF(0, versatz), Rot)) << kreis;
        }
    }
}

TEST(Steuerzeitenbild, NothingToDrawInAnAreaSmallerThanItsMargins) {
    const Modell m = test::Standardmaschine();
    Modell ohneSpiegel = m;
    ohneSpiegel.SpieLänge = 0;
    // width, height (pixels), engine
    const std::tuple<int, int, const Modell*> fälle[] = {
        {40, 300, &m}, {400, 13, &m}, {1, 1, &m}, {400, 300, &ohneSpiegel}};
    for (const auto& [breite, höhe, modell] : fälle) {
        QImage im = SteuerzeitenbildRendern(*modell, Texte(*modell), QSize(breite, höhe), 0xE0E0E0);
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x)
                ASSERT_EQ(im.pixel(x, y) & 0xFFFFFF, 0xE0E0E0u) << breite << "x" << höhe;
    }
}

TEST(Steuerzeitenbild, SolverFailureDuringTheSweepRestoresTheCrankAngle) {
    Modell m = test::Standardmaschine();
    m.PLänge = m.KWRadius / 2; // the rod cannot reach the pin near 90° and 270°
    m.Winkel = 10;
    SpiegelBerechnen(m);
    QImage im(QSize(400, 300), QImage::Format_RGB32);
    QPainter p(&im);
    Steuerzeitenbild bild;
    EXPECT_THROW(bild.Neuzeichnen(p, m, QSizeF(6000, 4500), 0xFFFFFF, Texte(m)), GeometrieFehler);
    EXPECT_EQ(m.Winkel, 10);
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
