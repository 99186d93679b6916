// The engine on a printed page, compared whole with stored references (its
// margins are read back from a real print in tests/ui/print).

#include "render/Maschinenseite.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "tests/core/Maschine.h"
#include "tests/render/Referenzbild.h"

namespace vapro {
namespace {

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
