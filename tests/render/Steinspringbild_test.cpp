#include "render/Steinspringbild.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "core/model/Kinematik.h"
#include "core/model/Rechnen.h"
#include "tests/core/Maschine.h"
#include "tests/render/Referenzbild.h"

namespace vapro {
namespace {

constexpr QRgb Rot = 0xFF0000, Blau = 0x0000FF, Schwarz = 0x000000;

struct Steingraph {
    Modell m;
    std::optional<Steinweg> weg;
    Steinspringbild g;
    QImage im{QSize(400, 300), QImage::Format_RGB32};
    explicit Steingraph(float grad, bool mm = true) : m(test::Standardmaschine(mm)) {
        m.UmWinkel = static_cast<float>(Rad(grad));
        weg = SteinwegBerechnen(m);
        g.Stellen(mm);
        g.Texte({"Kurbelwinkel [°]", "Steinlage [mm]", "Umsteuerwinkel [°]", "Steinspringen [mm]",
                 "Steinspringen", "mm", "OT", "UT", "keine Kulisse", "klemmt"});
        QPainter p(&im);
        g.Zeichnen(p, QSizeF(im.size()), weg, false, SteuerungsverlaufBerechnen(m, 5), grad,
                   0xFFFFFF);
    }
    void Schritt(float winkel) {
        m.Winkel = winkel;
        Kinematik(m);
        QPainter p(&im);
        g.Schritt(p, m, false, 0xFFFFFF);
    }
    QRgb Bei(QPointF ort) const { return im.pixel(ort.toPoint()) & 0xFFFFFF; }
};

// The (smoothed, hence bluish) curve reaches from the line of the smallest to
// that of the largest position and no further: the graph's peak-to-peak is the slip.
TEST(Steinspringbild, CurveSpansExactlyTheSlipBetweenItsLines) {
    const Steingraph s(-35);
    ASSERT_TRUE(s.weg && s.g.Lagefeld().Gültig());
    int oben = s.im.height(), unten = -1;
    const QRect plot = s.g.Lagefeld().Plot().toAlignedRect().adjusted(1, 1, -1, -1);
    for (int y = plot.top(); y <= plot.bottom(); ++y)
        for (int x = plot.left(); x <= plot.right(); ++x)
            if (const QRgb c = s.im.pixel(x, y);
                qBlue(c) > 200 && qRed(c) < 200 && qGreen(c) < 200) {
                oben = std::min(oben, y);
                unten = std::max(unten, y);
            }
    EXPECT_NEAR(oben, s.g.Lagefeld().Y(s.weg->Max), 1.5);
    EXPECT_NEAR(unten, s.g.Lagefeld().Y(s.weg->Min), 1.5);
}

TEST(SteinspringbildReferenzbild, DefaultEngines) {
    for (const bool mm : {true, false}) {
        Steingraph s(-35, mm);
        for (float w : {0.f, 10.f, 20.f, 30.f})
            s.Schritt(w);
        test::MitReferenzbildVergleichen(s.im, mm ? "steinspringen_mm" : "steinspringen_inch");
    }
}

} // namespace
} // namespace vapro
