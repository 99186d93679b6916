// The engine on a printed page: fitted into the area inside the print
// margins by the picture's rules, with the print widths, on a copy of the model.

#include "render/Maschinenseite.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "tests/core/Maschine.h"
#include "tests/render/Pdfseiten.h"
#include "tests/render/Referenzbild.h"

namespace vapro {
namespace {

// A4 at 60 dpi.
const QSize kHoch(496, 702), kQuer(702, 496);

// Widths are printer pixels: at the few dots per inch of a test page the
// thinnest show the geometry best.
void DünneStriche(Modell& m) {
    m.LStärkeKurbelD = m.LStärkeSteuerD = m.LStärkeGelenkeD = m.LStärkeRestD = 1;
}

QImage Seite(const Modell& m, QSize größe, double dpi = 60) {
    QImage bild(größe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    MaschinenseiteZeichnen(p, m, QSizeF(größe), dpi);
    return bild;
}

TEST(Maschinenseite, DrawingFillsTheAreaInsideTheMarginsByItsHeight) {
    struct Fall {
        QSize seite;
        int16_t links, rechts, oben, unten;
    };
    const Fall fälle[] = {
        {kHoch, 10, 10, 10, 10},
        {kQuer, 5, 30, 20, 15},
    };
    for (const Fall& f : fälle) {
        Modell m = test::Standardmaschine();
        DünneStriche(m);
        m.Winkel = 90;
        std::tie(m.RandLinksD, m.RandRechtsD, m.RandObenD, m.RandUntenD) =
            std::tuple(f.links, f.rechts, f.oben, f.unten);
        const QRectF bereich = Druckbereich(m, QSizeF(f.seite));
        EXPECT_NEAR(bereich.left(), f.seite.width() * f.links / 100.0, 1e-9);
        EXPECT_NEAR(bereich.bottom(), f.seite.height() * (100 - f.unten) / 100.0, 1e-9);

        const QRect tinte = test::Tinte(Seite(m, f.seite));
        // The picture's own margins (1 % at the bottom, 2 % at the left, both
        // of the height) inside the page's: the crank circle on the bottom
        // one, the wider of crank circle and cylinder on the left one. The
        // steam pipe leaves at the top; nothing crosses the page's margins.
        const double h = bereich.height();
        const std::string fall = std::to_string(f.seite.width()) + " " + std::to_string(f.oben);
        EXPECT_NEAR(tinte.bottom(), bereich.bottom() - 0.01 * h, 2.0) << fall;
        EXPECT_NEAR(tinte.left(), bereich.left() + 0.02 * h, 2.0) << fall;
        EXPECT_NEAR(tinte.top(), bereich.top(), 1.0) << fall;
        EXPECT_LE(tinte.right(), bereich.right() + 1) << fall;
    }
}

// Both default engines on a page either way (A4 at 30 dpi), lever at -40°,
// crank at 30°.
TEST(MaschinenseiteReferenzbild, DefaultEngines) {
    for (const bool mm : {true, false})
        for (const bool hoch : {true, false}) {
            Modell m = test::Standardmaschine(mm);
            m.UmWinkel = test::Grad(-40);
            m.Winkel = 30;
            DünneStriche(m);
            m.LStärkeKurbelD = 2;
            const QSize größe = hoch ? QSize(248, 351) : QSize(351, 248);
            test::MitReferenzbildVergleichen(Seite(m, größe, 30), std::string("maschinenseite_") +
                                                                      (mm ? "mm" : "inch") +
                                                                      (hoch ? "_hoch" : "_quer"));
        }
}

} // namespace
} // namespace vapro
