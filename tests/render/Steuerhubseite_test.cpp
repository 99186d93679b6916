// A valve-travel graph on a printed page: inside the graph print's margins,
// with the print settings, each graph with the grid of its own axis only.

#include "render/Steuerhubseite.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <string>

#include "render/Dampffarben.h"
#include "tests/core/Maschine.h"
#include "tests/render/Referenzbild.h"

namespace vapro {
namespace {

// A4 landscape at 60 dpi.
const QSize kQuer(702, 496);

QImage Seite(const Modell& m, Hubachse achse, QSize größe = kQuer, double dpi = 60) {
    QImage bild(größe, QImage::Format_RGB32);
    bild.fill(Qt::gray);
    QPainter p(&bild);
    SteuerhubseiteZeichnen(p, m, achse, QSizeF(größe), dpi, "OT", "UT");
    return bild;
}

int Zählen(const QImage& bild, QRgb farbe) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            n += (bild.pixel(x, y) & 0xFFFFFF) == (farbe & 0xFFFFFF);
    return n;
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
        {"piston travel, angle grid", Hubachse::Kolbenweg, &Modell::WinkelRaster, false},
        {"piston travel, piston grid", Hubachse::Kolbenweg, &Modell::KolbenWeg, true},
        {"crank angle, valve grid", Hubachse::Kurbelwinkel, &Modell::WegRaster, true},
        {"piston travel, valve grid", Hubachse::Kolbenweg, &Modell::WegRaster, true},
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
    EXPECT_NEAR(Zählen(bild, qRgb(160, 160, 164)), außen, kQuer.width() + kQuer.height());
    EXPECT_GT(Zählen(bild, qRgb(255, 255, 255)), bereich.width() * bereich.height() / 2);
}

TEST(Steuerhubseite, PrintSettingsShowOnThePage) {
    const uint32_t frisch = DampffarbenFür(0).Frisch;
    const QRgb dampf = qRgb(frisch & 0xFF, (frisch >> 8) & 0xFF, frisch >> 16);
    const Modell schlicht = Schlicht();
    const QImage vorher = Seite(schlicht, Hubachse::Kurbelwinkel);
    EXPECT_GT(Zählen(vorher, dampf), 100);

    Modell m = schlicht;
    m.Öffnung = 0;
    EXPECT_EQ(Zählen(Seite(m, Hubachse::Kurbelwinkel), dampf), 0) << "no port openings";
    const int schwarz = Zählen(vorher, qRgb(0, 0, 0));
    for (auto [name, breiter] : {std::pair{"grid", &Modell::LStärke},
                                 {"ports", &Modell::KStärke},
                                 {"points", &Modell::Kuller}}) {
        m = schlicht;
        m.*breiter = 5;
        EXPECT_GT(Zählen(Seite(m, Hubachse::Kurbelwinkel), qRgb(0, 0, 0)), schwarz + 100) << name;
    }
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
