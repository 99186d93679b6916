// Engine picture: the scale frame against hand calculations, probes of the
// drawn image at places whose content follows from the geometry alone, and
// the picture and its printed page compared with stored references.

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

#include "core/model/GeometrieFehler.h"
#include "core/model/Kinematik.h"
#include "render/Maschinenbild.h"
#include "render/Maschinenseite.h"
#include "tests/core/Maschine.h"
#include "tests/render/Referenzbild.h"

namespace vapro {
namespace {

constexpr QSize Größe(1000, 800);
constexpr double Tw = 15.0; // twips per pixel

const QRgb Schwarz = 0x000000, Weiß = 0xFFFFFF, Rot = 0xFF0000, Blau = 0x0000FF, HellRot = 0xFF8080,
           HellCyan = 0xC0FFFF;

QRgb Pixel(const QImage& im, double xTwips, double yTwips) {
    return im.pixel(static_cast<int>(xTwips / Tw), static_cast<int>(yTwips / Tw)) & 0xFFFFFF;
}

// How much of a pixel a line of colour `farbe` covers on the background
// `grund`: lines are drawn smoothly, so a line pixel is the two blended.
// 0 when the pixel is not such a blend (another colour shows there).
double Deckung(QRgb pixel, QRgb farbe, QRgb grund = 0xFFFFFF) {
    const int kanäle[] = {16, 8, 0};
    auto kanal = [](QRgb c, int k) { return static_cast<double>((c >> k) & 0xFF); };
    double zähler = 0, nenner = 0;
    for (int k : kanäle) {
        const double d = kanal(grund, k) - kanal(farbe, k), p = kanal(grund, k) - kanal(pixel, k);
        zähler += p * d;
        nenner += d * d;
    }
    const double anteil = nenner > 0 ? zähler / nenner : 0;
    for (int k : kanäle) {
        const double d = kanal(grund, k) - kanal(farbe, k), p = kanal(grund, k) - kanal(pixel, k);
        if (std::fabs(p - anteil * d) > 48) return 0;
    }
    return std::clamp(anteil, 0.0, 1.0);
}

// Some pixel within `r` pixels of a picture point that is at least half the
// line of this colour.
bool FarbeNahe(const QImage& im, double xTwips, double yTwips, QRgb farbe, int r = 1) {
    const int x = static_cast<int>(xTwips / Tw), y = static_cast<int>(yTwips / Tw);
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
            if (im.valid(x + dx, y + dy) &&
                Deckung(im.pixel(x + dx, y + dy) & 0xFFFFFF, farbe) >= 0.45)
                return true;
    return false;
}

// The model scaled and solved as the picture sees it, its frame and its image.
struct Gelöst {
    Modell m;
    QImage im;
    explicit Gelöst(const Modell& modell) : m(modell), im(MaschinenbildRendern(modell, Größe)) {
        Maschinenbild().Skalierung(m, QSizeF(Größe) * Tw);
        Kinematik(m);
    }
    double Y(double höhe) const { return m.BildHöhe - m.YKwUnten - höhe * m.Maßstab; }
};

TEST(Maschinenbild, ScaleMatchesHandCalculation) {
    // 15000 x 12000 twips; margins 1 %, 1 %, 2 % of the height. Default engine:
    // crank side 2*51 + 120 + 270 + 20 + 10 = 522, valve side 375 + 51 + 104 - 20 + 10 = 520.
    // kaumy, bore, picture height, cover drop, half width, margins top/bottom and left (twips)
    const std::array<double, 7> fälle[] = {{375, 125, 522, 0, 62.5, 120, 240},
                                           {425, 125, 570, 48, 62.5, 120, 240},
                                           {375, 125, 522, 0, 62.5, 0, 0}};
    for (const auto& [kaumy, bohrung, höhe, d, halb, randOU, randL] : fälle) {
        SCOPED_TRACE(testing::Message() << kaumy << " " << bohrung << " " << randL);
        Modell m = test::Standardmaschine();
        m.kaumy = static_cast<float>(kaumy);
        m.KDurchmesser = static_cast<float>(bohrung);
        if (randL == 0) m.RandObenP = m.RandUntenP = m.RandLinksP = 0;
        Maschinenbild bild;
        bild.Skalierung(m, QSizeF(15000, 12000));
        const double M = (12000 - 2 * randOU) / höhe;
        EXPECT_NEAR(m.Maßstab, M, 1e-5);
        EXPECT_NEAR(bild.Rahmen().ZylOben, randOU + d * M, 0.01);
        EXPECT_NEAR(m.YKwUnten, 51 * M + randOU, 0.01);
        EXPECT_NEAR(m.XKw, randL + halb * M, 0.01);
        // The valve gear 150 right of the crankshaft, the chest's stubs 40 left of that.
        EXPECT_NEAR(bild.Kasten().StutzenX, randL + (halb + 150 - 40) * M, 0.01);
    }
    Modell leer; // all lengths 0: no scale rather than a division by zero
    EXPECT_THROW(Maschinenbild().Skalierung(leer, QSizeF(15000, 12000)), GeometrieFehler);
}

// Which way each port is open, from the valve and port edges of the default
// geometry (port face from kaumy upward: 12 port, 10 bar, 20 exhaust, 10 bar, 12 port).
enum class Offen { Kasten, Höhlung, Zu };
Offen ObenOffen(const Modell& m) {
    const double kante = m.kaumy + 12 + 10 + 20 + 10, oben = m.SchieberY - m.SchiEU + m.SchiLänge;
    return oben < kante + 12            ? Offen::Kasten
           : oben - m.SchiLaufO > kante ? Offen::Höhlung
                                        : Offen::Zu;
}
Offen UntenOffen(const Modell& m) {
    const double unten = m.SchieberY - m.SchiEU;
    return unten > m.kaumy                      ? Offen::Kasten
           : unten + m.SchiLaufU < m.kaumy + 12 ? Offen::Höhlung
                                                : Offen::Zu;
}

TEST(Maschinenbild, SteamStateInCylinderAndPorts) {
    // Live steam is in the chest with outside admission, in the cavity with inside;
    // with the steam state switched off everything stays background.
    for (auto [einströmung, zeigen, vorwärts, kasten, höhlung, zuA, zuB] :
         {std::tuple{0, 1, true, Rot, Blau, HellRot, HellCyan},
          {1, 1, false, Blau, Rot, HellCyan, HellRot},
          {0, 0, true, Weiß, Weiß, Weiß, Weiß}}) {
        int gesehen[2][3] = {};
        for (int w = 0; w < 360; w += 10) {
            SCOPED_TRACE(testing::Message() << einströmung << " " << zeigen << " " << w);
            Modell m = test::Standardmaschine();
            m.Einströmung = static_cast<int16_t>(einströmung);
            m.ZusZei = static_cast<int16_t>(zeigen);
            m.Drehrichtung = vorwärts;
            m.Winkel = static_cast<float>(w);
            const Gelöst g(m);
            auto farbe = [&](int ende, Offen o, bool zweiteHälfte) {
                ++gesehen[ende][static_cast<int>(o)];
                if (o == Offen::Kasten) return kasten;
                if (o == Offen::Höhlung) return höhlung;
                return zweiteHälfte == vorwärts ? zuB : zuA;
            };
            const QRgb oben = farbe(0, ObenOffen(g.m), w > 180);
            const QRgb unten = farbe(1, UntenOffen(g.m), w < 180);
            const double M = g.m.Maßstab, x = g.m.XKw - 30 * M; // beside the piston rod
            const double deckel = g.Y(51 + 270 + 120 + 20 + 10), boden = g.Y(270 - 51 + 120 - 10);
            const double stutzenX = g.m.XSteuerung - 30 * M; // between port face and stub ends
            EXPECT_EQ(Pixel(g.im, x, (deckel + g.m.KolbenYBild - g.m.KDicke * M) / 2), oben);
            EXPECT_EQ(Pixel(g.im, stutzenX, g.Y(g.m.kaumy + 58)), oben);
            EXPECT_EQ(Pixel(g.im, x, (g.m.KolbenYBild + boden) / 2), unten);
            EXPECT_EQ(Pixel(g.im, stutzenX, g.Y(g.m.kaumy + 6)), unten);
            // The middle port is open to the cavity all the time.
            EXPECT_EQ(Pixel(g.im, stutzenX, g.Y(g.m.kaumy + 32)), höhlung);
        }
        // The sweep passed through every state at both ends.
        EXPECT_EQ(std::count(&gesehen[0][0], &gesehen[0][0] + 6, 0), 0);
    }
}

TEST(Maschinenbild, CrankDriveWhereTheSolverPutsIt) {
    // A taller valve side (kaumy 425) sets the whole crank side lower by the difference.
    // Piston rod to scale: 16 mm at 11760 / 522 twips per mm are 24 pixels, 0.1 mm still one;
    // unscaled it is a line of the crank drive's width.
    const std::tuple<int, double, float, float, int> fälle[] = {
        {0, 375, 0, 0, 3}, {60, 425, 0.1f, 10, 1}, {135, 375, 16, 0, 24}, {200, 425, 0, 10, 3}};
    for (const auto& [w, kaumy, stange, schwanz, breite] : fälle) {
        SCOPED_TRACE(testing::Message() << w << " " << kaumy);
        Modell m = test::Standardmaschine();
        m.kaumy = static_cast<float>(kaumy);
        m.Winkel = static_cast<float>(w);
        m.GelenkKurbel = 150; // a joint ring of 10 pixels
        m.KolbenstangendickeJa = stange > 0;
        m.KsDurchmesserU = stange;
        m.KsDurchmesserO = schwanz;
        const Gelöst g(m);
        const double höhe = std::max(522.0, kaumy + 51 + 104 - 20 + 10), M = (12000 - 240) / höhe;
        const double kwY = 12000 - 120 - 51 * M, deckel = 120 + (höhe - 522) * M;
        const double a = w * 3.14159265358979 / 180, zx = g.m.XKw - 40 * M;
        const double x = g.m.XKw + 51 * std::sin(a) * M, y = kwY - 51 * std::cos(a) * M;
        EXPECT_LT(std::hypot(g.m.KurbelXBild - x, g.m.KurbelYBild - y), 0.5);
        EXPECT_EQ(Pixel(g.im, x, y), Weiß); // an open joint: background inside, black ring
        EXPECT_TRUE(FarbeNahe(g.im, x + 150, y, Schwarz) && FarbeNahe(g.im, x, y - 150, Schwarz));
        EXPECT_TRUE(FarbeNahe(g.im, g.m.XKw, kwY, Schwarz, 0)); // filled shaft joint
        EXPECT_TRUE(FarbeNahe(g.im, zx, deckel, Schwarz));      // top cylinder cover
        // Black pixels across the piston rod half way between crosshead and piston.
        const int ry = static_cast<int>((g.m.KreuzkopfYBild + g.m.KolbenYBild) / 2 / Tw);
        double schwarz = 0; // in whole pixels' worth of ink, on the cylinder's colour
        const int links = static_cast<int>(g.m.XKw / Tw) - 30;
        const QRgb grund = g.im.pixel(links, ry) & 0xFFFFFF;
        for (int rx = links; rx <= g.m.XKw / Tw + 30; ++rx)
            schwarz += Deckung(g.im.pixel(rx, ry) & 0xFFFFFF, Schwarz, grund);
        EXPECT_NEAR(schwarz, breite, breite > 1 ? 1 : 0.5);
        // The tail rod only with a diameter: 5 above the 20 thick piston.
        EXPECT_EQ(Pixel(g.im, g.m.XKw, g.m.KolbenYBild - 25 * M) == Schwarz, schwanz > 0);
    }
}

// A bare eccentric draws no die block and no backward rod, whatever die
// position the link left behind.
TEST(Maschinenbild, SingleEccentricIgnoresTheLinksDie) {
    Modell m = test::Standardmaschine();
    m.ussmx = 15; // a link die off the shaft's vertical
    m.Winkel = 70;
    Kinematik(m); // leaves a die position that the single eccentric must not use
    m.Umsteuertyp = 0;
    const Gelöst g(m);
    EXPECT_EQ(Pixel(g.im, g.m.XSteuerung, g.m.SteinYBild), Weiß);
    EXPECT_TRUE(FarbeNahe(g.im, (g.m.ExVorXBild + g.m.StangeVorXBild) / 2,
                          (g.m.ExVorYBild + g.m.StangeVorYBild) / 2, Blau));
    EXPECT_FALSE(FarbeNahe(g.im, (g.m.ExRückXBild + g.m.BalkenRückXBild) / 2,
                           (g.m.ExRückYBild + g.m.BalkenRückYBild) / 2, Rot));
}

// The whole picture of both default engines as a redraw leaves it (at 0°),
// the lever at -40°.
TEST(MaschinenbildReferenzbild, DefaultEngines) {
    for (const bool mm : {true, false}) {
        Modell m = test::Standardmaschine(mm);
        m.UmWinkel = static_cast<float>(-40 * 3.14159265358979 / 180);
        test::MitReferenzbildVergleichen(MaschinenbildRendern(m, QSize(400, 320)),
                                         mm ? "maschinenbild_mm" : "maschinenbild_inch");
    }
}

// Both default engines on a page either way (A4 at 30 dpi), lever at -40°,
// crank at 30°, with the thinnest print widths but the crank's.
TEST(MaschinenseiteReferenzbild, DefaultEngines) {
    for (const bool mm : {true, false})
        for (const bool hoch : {true, false}) {
            Modell m = test::Standardmaschine(mm);
            m.UmWinkel = test::Grad(-40);
            m.Winkel = 30;
            m.LStärkeSteuerD = m.LStärkeGelenkeD = m.LStärkeRestD = 1;
            m.LStärkeKurbelD = 2;
            const QSize größe = hoch ? QSize(248, 351) : QSize(351, 248);
            QImage bild(größe, QImage::Format_RGB32);
            bild.fill(Qt::white);
            QPainter p(&bild);
            MaschinenseiteZeichnen(p, m, QSizeF(größe), 30);
            p.end();
            test::MitReferenzbildVergleichen(bild, std::string("maschinenseite_") +
                                                       (mm ? "mm" : "inch") +
                                                       (hoch ? "_hoch" : "_quer"));
        }
}

} // namespace
} // namespace vapro
