// Engine picture: the scale frame against hand calculations, and probes of the
// drawn image at places whose content follows from the geometry alone.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cmath>

#include "Maschine.h"
#include "model/GeometrieFehler.h"
#include "model/Kinematik.h"
#include "render/Dampffarben.h"
#include "render/Maschinenbild.h"

namespace vapro {
namespace {

constexpr QSize Größe(1000, 800);
constexpr double Tw = 15.0; // twips per pixel

const QRgb Schwarz = 0x000000, Weiß = 0xFFFFFF, Rot = 0xFF0000, Blau = 0x0000FF, HellRot = 0xFF8080,
           HellCyan = 0xC0FFFF;

QRgb Pixel(const QImage& im, double xTwips, double yTwips) {
    return im.pixel(static_cast<int>(xTwips / Tw), static_cast<int>(yTwips / Tw)) & 0xFFFFFF;
}

// Some pixel of this colour within `r` pixels of a picture point.
bool FarbeNahe(const QImage& im, double xTwips, double yTwips, QRgb farbe, int r = 1) {
    const int x = static_cast<int>(xTwips / Tw), y = static_cast<int>(yTwips / Tw);
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
            if (im.valid(x + dx, y + dy) && (im.pixel(x + dx, y + dy) & 0xFFFFFF) == farbe)
                return true;
    return false;
}

// The model scaled and solved as the picture sees it, with its frame.
struct Gelöst {
    Modell m;
    Maschinenbild bild;
    explicit Gelöst(Modell modell) : m(std::move(modell)) {
        bild.Skalierung(m, QSizeF(Größe) * Tw);
        Kinematik(m);
    }
    double KwY() const { return m.BildHöhe - m.YKwUnten; }
    double Y(double höhe) const { return KwY() - höhe * m.Maßstab; }
};

TEST(Maschinenbild, SkalierungNachHandrechnung) {
    // 1000 x 800 pixels = 15000 x 12000 twips; margins 1 %, 1 %, 2 % of the height.
    // Default engine: crank side 2*51 + 120 + 270 + 20 + 10 = 522,
    // valve side 375 + 51 + 104 - 20 + 10 = 520.
    struct Fall {
        const char* name;
        float kaumy, kDurchmesser;
        int16_t rand; // all three margins in percent, -1 = defaults
        double höhe, d, halbeBreite, randOU, randL;
    };
    const Fall fälle[] = {
        {"crank side higher", 375, 125, -1, 522, 0, 62.5, 120, 240},
        {"valve side higher", 425, 125, -1, 570, 48, 62.5, 120, 240},
        {"crank circle wider", 375, 90, -1, 522, 0, 51, 120, 240},
        {"no margins", 375, 125, 0, 522, 0, 62.5, 0, 0},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.name);
        Modell m = test::Standardmaschine();
        m.kaumy = f.kaumy;
        m.KDurchmesser = f.kDurchmesser;
        if (f.rand >= 0) m.RandObenP = m.RandUntenP = m.RandLinksP = f.rand;
        Maschinenbild bild;
        bild.Skalierung(m, QSizeF(15000, 12000));

        const double M = (12000 - 2 * f.randOU) / f.höhe;
        EXPECT_EQ(m.BildHöhe, 12000);
        EXPECT_NEAR(m.Maßstab, M, 1e-5);
        EXPECT_NEAR(bild.Rahmen().ZylOben, f.randOU + f.d * M, 0.01);
        EXPECT_NEAR(m.YKwUnten, 51 * M + f.randOU, 0.01);
        EXPECT_NEAR(m.XKw, f.randL + f.halbeBreite * M, 0.01);
        EXPECT_NEAR(m.XSteuerung, f.randL + (f.halbeBreite + 150) * M, 0.01);

        // Port face: 20 + 12 + 10 + 20 + 10 + 12 + 20 from kaumy - 20 upward;
        // chest wall 40 - 20 right of the shaft copy, stubs 20 + 20 left of it.
        const double y0 = 12000 - (51 * M + f.randOU);
        EXPECT_NEAR(bild.Kasten().Y[0], y0 - (f.kaumy - 20) * M, 0.01);
        EXPECT_NEAR(bild.Kasten().Y[4], y0 - (f.kaumy + 12 + 10 + 20) * M, 0.01);
        EXPECT_NEAR(bild.Kasten().Y[7], y0 - (f.kaumy + 84) * M, 0.01);
        EXPECT_FLOAT_EQ(m.KaKanteOO, f.kaumy + 64);
        EXPECT_NEAR(bild.Kasten().SpiegelX, m.XSteuerung - 20 * M, 0.01);
        EXPECT_NEAR(bild.Kasten().KastenX, m.XSteuerung + 20 * M, 0.01);
        EXPECT_NEAR(bild.Kasten().StutzenX, m.XSteuerung - 40 * M, 0.01);
    }
}

TEST(Maschinenbild, OhneHöheKeinMaßstab) {
    Modell m; // all lengths 0
    Maschinenbild bild;
    EXPECT_THROW(bild.Skalierung(m, QSizeF(15000, 12000)), GeometrieFehler);
}

// Which way each port is open, from the valve and port edges of the default
// geometry (port face from kaumy upward: 12 port, 10 bar, 20 exhaust, 10 bar, 12 port).
enum class Offen { Kasten, Höhlung, Zu };
Offen ObenOffen(const Modell& m) {
    const double kante = m.kaumy + 12 + 10 + 20 + 10; // lower edge of the top port
    const double unterkante = m.SchieberY - m.SchiEU;
    if (unterkante + m.SchiLänge < kante + 12) return Offen::Kasten;
    if (unterkante + m.SchiLänge - m.SchiLaufO > kante) return Offen::Höhlung;
    return Offen::Zu;
}
Offen UntenOffen(const Modell& m) {
    const double unterkante = m.SchieberY - m.SchiEU;
    if (unterkante > m.kaumy) return Offen::Kasten;
    if (unterkante + m.SchiLaufU < m.kaumy + 12) return Offen::Höhlung;
    return Offen::Zu;
}

TEST(Maschinenbild, DampfzustandInZylinderKanalUndStutzen) {
    // Live steam is in the chest with outside admission, in the cavity with inside.
    struct Fall {
        int16_t einströmung;
        bool drehrichtung;
        QRgb kasten, höhlung, zuA, zuB;
    };
    for (const Fall& f : {Fall{0, true, Rot, Blau, HellRot, HellCyan},
                          Fall{1, false, Blau, Rot, HellCyan, HellRot}}) {
        SCOPED_TRACE(f.einströmung);
        int gesehen[2][3] = {};
        for (int w = 0; w < 360; w += 10) {
            SCOPED_TRACE(w);
            Modell m = test::Standardmaschine();
            m.Einströmung = f.einströmung;
            m.Drehrichtung = f.drehrichtung;
            m.Winkel = static_cast<float>(w);
            const Gelöst g(m);
            const QImage im = MaschinenbildRendern(m, Größe);
            const auto& k = g.bild.Kasten();
            auto farbe = [&](Offen o, bool zweiteHälfte) {
                if (o == Offen::Kasten) return f.kasten;
                if (o == Offen::Höhlung) return f.höhlung;
                return zweiteHälfte == f.drehrichtung ? f.zuB : f.zuA;
            };
            const Offen oben = ObenOffen(g.m), unten = UntenOffen(g.m);
            ++gesehen[0][static_cast<int>(oben)];
            ++gesehen[1][static_cast<int>(unten)];
            const QRgb farbeOben = farbe(oben, w > 180), farbeUnten = farbe(unten, w < 180);

            const double M = g.m.Maßstab, x = g.m.XKw - 30 * M; // beside the piston rod
            const double kolbenOben = g.m.KolbenYBild - g.m.KDicke * M;
            const double deckel = g.Y(51 + 270 + 120 + 20 + 10), boden = g.Y(270 - 51 + 120 - 10);
            const double stutzenX = (k.SpiegelX + k.StutzenX) / 2;
            EXPECT_EQ(Pixel(im, x, (deckel + kolbenOben) / 2), farbeOben);
            EXPECT_EQ(Pixel(im, stutzenX, g.Y(g.m.kaumy + 58)), farbeOben);
            EXPECT_EQ(Pixel(im, x, (g.m.KolbenYBild + boden) / 2), farbeUnten);
            EXPECT_EQ(Pixel(im, stutzenX, g.Y(g.m.kaumy + 6)), farbeUnten);
            // Half way along each passage.
            const double zylRechts = g.m.XKw + 62.5 * M, mitteX = (zylRechts + k.StutzenX) / 2;
            EXPECT_EQ(Pixel(im, mitteX, (deckel + 5 * M + g.Y(g.m.kaumy + 58)) / 2), farbeOben);
            EXPECT_EQ(Pixel(im, mitteX, (boden - 5 * M + g.Y(g.m.kaumy + 6)) / 2), farbeUnten);
            // The middle port is open to the cavity all the time.
            EXPECT_EQ(Pixel(im, stutzenX, g.Y(g.m.kaumy + 32)), f.höhlung);
        }
        // The sweep passed through every state at both ends.
        for (const auto& ende : gesehen)
            for (int n : ende)
                EXPECT_GT(n, 0);
    }
}

TEST(Maschinenbild, VerdeckteKanäleAmUnterenTotpunkt) {
    // The valve in mid position covers both ports; which covered case shows
    // changes at bottom dead centre, 180° itself going to the top end's first
    // half and to the bottom end's second half.
    using Z = Dampfzustand;
    struct Fall {
        float winkel;
        bool vorwärts;
        Z oben, unten;
    };
    const Fall fälle[] = {
        {179, true, Z::GeschlossenA, Z::GeschlossenB},
        {180, true, Z::GeschlossenA, Z::GeschlossenA},
        {181, true, Z::GeschlossenB, Z::GeschlossenA},
        {179, false, Z::GeschlossenB, Z::GeschlossenA},
        {180, false, Z::GeschlossenB, Z::GeschlossenB},
        {181, false, Z::GeschlossenA, Z::GeschlossenB},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(testing::Message() << f.winkel << (f.vorwärts ? " forward" : " backward"));
        Modell m = test::Standardmaschine();
        m.SchieberY = m.kaumy; // lower valve edge 5 below the lower port, as the laps are
        m.Winkel = f.winkel;
        m.Drehrichtung = f.vorwärts;
        EXPECT_EQ(ZustandOben(m), f.oben);
        EXPECT_EQ(ZustandUnten(m), f.unten);
    }
}

TEST(Maschinenbild, OhneDampfzustandBleibenKanäleLeer) {
    Modell m = test::Standardmaschine();
    m.ZusZei = 0;
    m.Winkel = 90;
    const Gelöst g(m);
    const QImage im = MaschinenbildRendern(m, Größe);
    const double stutzenX = (g.bild.Kasten().SpiegelX + g.bild.Kasten().StutzenX) / 2;
    for (double h : {6.0, 32.0, 58.0})
        EXPECT_EQ(Pixel(im, stutzenX, g.Y(m.kaumy + h)), Weiß);
    EXPECT_EQ(Pixel(im, g.m.XKw - 30 * g.m.Maßstab, g.m.KolbenYBild + 5 * g.m.Maßstab), Weiß);
}

TEST(Maschinenbild, KurbelzapfenWoDerLöserIhnHinlegt) {
    for (int w : {0, 60, 135, 200, 290}) {
        SCOPED_TRACE(w);
        Modell m = test::Standardmaschine();
        m.Winkel = static_cast<float>(w);
        m.GelenkKurbel = 150; // a joint ring of 10 pixels
        const Gelöst g(m);
        const double M = g.m.Maßstab, a = w * 3.14159265358979 / 180;
        const double x = g.m.XKw + 51 * std::sin(a) * M, y = g.KwY() - 51 * std::cos(a) * M;
        EXPECT_NEAR(g.m.KurbelXBild, x, 0.5);
        EXPECT_NEAR(g.m.KurbelYBild, y, 0.5);

        const QImage im = MaschinenbildRendern(m, Größe);
        // An open joint: background inside, black ring around.
        EXPECT_EQ(Pixel(im, x, y), Weiß);
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            EXPECT_TRUE(FarbeNahe(im, x + dx * 150, y + dy * 150, Schwarz)) << dx << "," << dy;
    }
}

TEST(Maschinenbild, HöhereSchieberseiteSetztKurbelseiteTiefer) {
    for (float kaumy : {375.0f, 425.0f}) {
        SCOPED_TRACE(kaumy);
        Modell m = test::Standardmaschine();
        m.kaumy = kaumy;
        m.Winkel = 90;
        const Gelöst g(m);
        const double höhe = std::max(522.0, kaumy + 51.0 + 104 - 20 + 10);
        const double M = (12000 - 240) / höhe;
        const double kwY = 12000 - 120 - 51 * M, deckel = 120 + (höhe - 522) * M;
        const QImage im = MaschinenbildRendern(m, Größe);
        EXPECT_TRUE(FarbeNahe(im, g.m.XKw, kwY, Schwarz, 0)); // filled shaft joint
        const double x = g.m.XKw - 40 * M;
        EXPECT_TRUE(FarbeNahe(im, x, deckel, Schwarz)); // top cylinder cover
        EXPECT_EQ(Pixel(im, x, deckel - 3 * Tw), Weiß);
    }
}

TEST(Maschinenbild, BeideSteuerungsarten) {
    struct Fall {
        const char* name;
        int16_t typ;
        float exRadius, dex;
    };
    for (const Fall& f :
         {Fall{"link", 1, 0, 150}, Fall{"link, sheaves", 1, 25, 150}, Fall{"eccentric", 0, 0, 150},
          Fall{"eccentric, sheave", 0, 25, 150}, Fall{"link about the crankshaft", 1, 0, 0}}) {
        SCOPED_TRACE(f.name);
        Modell m = test::Standardmaschine();
        m.ussmx = 15; // a link die off the shaft's vertical
        m.Winkel = 70;
        m.ExRadius = f.exRadius;
        m.DEX = f.dex;
        Kinematik(m); // leaves a die position that the single eccentric must not use
        m.Umsteuertyp = f.typ;
        const Gelöst g(m);
        const QImage im = MaschinenbildRendern(m, Größe);
        const double M = g.m.Maßstab;
        const double steinX = f.typ == 1 ? g.m.XSteuerung + 15 * M : g.m.XSteuerung;
        // The link's die block is a filled joint, the eccentric rod's end an open one.
        EXPECT_EQ(Pixel(im, steinX, g.m.SteinYBild), f.typ == 1 ? Schwarz : Weiß);
        EXPECT_TRUE(FarbeNahe(im, steinX + 40, g.m.SteinYBild, Schwarz));
        EXPECT_TRUE(FarbeNahe(im, g.m.XSteuerung, g.KwY(), Schwarz, 0)); // filled shaft joint
        // Valve rod half way up to the valve.
        EXPECT_TRUE(FarbeNahe(im, steinX, g.m.SteinYBild - 75.5 / 2 * M, Schwarz));
        // The forward eccentric rod in blue half way to its end.
        EXPECT_TRUE(FarbeNahe(im, (g.m.ExVorXBild + g.m.StangeVorXBild) / 2,
                              (g.m.ExVorYBild + g.m.StangeVorYBild) / 2, Blau));
        if (f.typ == 1) {
            EXPECT_TRUE(FarbeNahe(im, (g.m.ExRückXBild + g.m.BalkenRückXBild) / 2,
                                  (g.m.ExRückYBild + g.m.BalkenRückYBild) / 2, Rot));
        }
        // A sheave only with a radius: a point inside it but off every line.
        const double sx = g.m.ExVorXBild - 15 * M, sy = g.m.ExVorYBild + 15 * M;
        const QRgb blech = Pixel(im, sx, sy);
        if (f.exRadius > 0) {
            EXPECT_TRUE(blech == Blau || blech == Rot);
        } else {
            EXPECT_EQ(blech, Weiß);
        }
    }
}

TEST(Maschinenbild, HilfslinienInIhrenHöhen) {
    for (int16_t zeigen : {0, 1}) {
        SCOPED_TRACE(zeigen);
        Modell m = test::Standardmaschine();
        m.HilfslinienZeigen = zeigen;
        m.Hilfslinie = {0, 120, 260, 310}; // all below the cylinder, which covers them
        const Gelöst g(m);
        const QImage im = MaschinenbildRendern(m, Größe);
        for (float h : m.Hilfslinie) {
            SCOPED_TRACE(h);
            const double y = g.Y(h);
            EXPECT_EQ(FarbeNahe(im, 995 * Tw, y, Schwarz), zeigen == 1);
            // They start at the left margin (2 % of the height = 16 pixels).
            EXPECT_EQ(Pixel(im, 8 * Tw, y), Weiß);
            EXPECT_EQ(FarbeNahe(im, 18 * Tw, y, Schwarz), zeigen == 1);
        }
    }
}

TEST(Maschinenbild, KolbenstangeMaßstäblich) {
    struct Fall {
        float unten, oben;
        int breite; // expected width in pixels
    };
    // 16 mm at 11760 / 522 twips per mm are 24 pixels; 0.1 mm still one.
    for (const Fall& f : {Fall{16, 0, 24}, Fall{0.1f, 0, 1}, Fall{16, 10, 24}}) {
        SCOPED_TRACE(f.unten);
        Modell m = test::Standardmaschine();
        m.KolbenstangendickeJa = 1;
        m.KsDurchmesserU = f.unten;
        m.KsDurchmesserO = f.oben;
        m.Winkel = 180;
        const Gelöst g(m);
        const QImage im = MaschinenbildRendern(m, Größe);
        const int y = static_cast<int>((g.m.KreuzkopfYBild + g.m.KolbenYBild) / 2 / Tw);
        int schwarz = 0;
        for (int x = static_cast<int>(g.m.XKw / Tw) - 30; x <= g.m.XKw / Tw + 30; ++x)
            if ((im.pixel(x, y) & 0xFFFFFF) == Schwarz) ++schwarz;
        EXPECT_NEAR(schwarz, f.breite, f.breite > 1 ? 1 : 0);
        // The tail rod only with a diameter above the piston.
        const double überKolben = g.m.KolbenYBild - (20 + 40) * g.m.Maßstab;
        EXPECT_EQ(Pixel(im, g.m.XKw, überKolben) == Schwarz, f.oben > 0);
    }
}

} // namespace
} // namespace vapro
