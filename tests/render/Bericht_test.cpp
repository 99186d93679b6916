// The design report drawn page by page: every part in its place for both
// default engines, compared whole with stored references.

#include "render/Bericht.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "core/model/Bewegung.h"
#include "core/persist/Texte.h"
#include "tests/core/Maschine.h"
#include "tests/render/Referenzbild.h"

namespace vapro {
namespace {

// The pages side by side, four to a row, at a quarter of their size.
QImage Übersicht(const std::vector<QImage>& seiten) {
    const QSize klein = seiten.front().size() / 4;
    QImage bild(klein.width() * 4, klein.height() * static_cast<int>((seiten.size() + 3) / 4),
                QImage::Format_RGB32);
    bild.fill(Qt::gray);
    QPainter p(&bild);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (size_t i = 0; i < seiten.size(); ++i)
        p.drawImage(QRect(QPoint(static_cast<int>(i % 4) * klein.width(),
                                 static_cast<int>(i / 4) * klein.height()),
                          klein),
                    seiten[i]);
    return bild;
}

TEST(BerichtReferenzbild, DefaultEngines) {
    for (const bool mm : {true, false}) {
        Modell m = test::Standardmaschine(mm);
        m.UmWinkel = static_cast<float>(-20 * 3.14159265358979 / 180);
        SpiegelBerechnen(m);
        Sprache s;
        SpracheEinstellen(s, mm ? SprachbasisDeutsch : SprachbasisEnglisch);
        Berichtsangaben a;
        a.datei = "/home/konstrukteur/Versuch.kmf";
        a.datum = "06.12.2026  12:00:00";
        a.seite = QPageSize(mm ? QPageSize::A4 : QPageSize::Letter);
        const std::vector<QImage> seiten = BerichtsseitenRendern(m, s, a);
        // Title with the picture, two pages of inputs, the valve events,
        // two pages of graphs, the operating figures, the lever range.
        ASSERT_EQ(seiten.size(), 8u);
        test::MitReferenzbildVergleichen(Übersicht(seiten), mm ? "bericht_mm" : "bericht_inch");
    }
}

} // namespace
} // namespace vapro
