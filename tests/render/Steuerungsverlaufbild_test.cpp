#include "render/Steuerungsverlaufbild.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "core/model/Bewegung.h"
#include "core/model/Schieber.h"
#include "tests/core/Maschine.h"
#include "tests/render/Referenzbild.h"

namespace vapro {
namespace {

// Pixels of a smoothed red or blue curve.
bool Rötlich(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 200 && qBlue(c) < 200;
}
bool Bläulich(QRgb c) {
    return qBlue(c) > 200 && qGreen(c) < 200 && qRed(c) < 200;
}

Verlaufbildtexte Texte() {
    return {"Umsteuerwinkel [°]",
            "Füllung [%]",
            "Voreilen und Steinspringen [mm]",
            "Oben",
            "Unten",
            "vorwärts",
            "rückwärts",
            "Voreilen",
            "Steinspringen",
            "keine Werte"};
}

struct Verlaufsgraph {
    Steuerungsverlauf v;
    Steuerungsverlaufbild g;
    QImage im{QSize(400, 300), QImage::Format_RGB32};
    explicit Verlaufsgraph(const Modell& m, double schritt = 1.0)
        : v(SteuerungsverlaufBerechnen(m, schritt)) {
        g.Texte(Texte());
        QPainter p(&im);
        g.Zeichnen(p, QSizeF(im.size()), v, 0xFFFFFF, std::pair(70.0f, 85.0f));
    }
    void Marke(std::optional<float> grad) {
        QPainter p(&im);
        g.Hebelmarke(p, grad);
    }
    // Pixels of one kind inside a panel's plot.
    int Anzahl(const Graphfeld& f, bool (*farbe)(QRgb)) const {
        int n = 0;
        const QRect r = f.Plot().toAlignedRect().adjusted(1, 1, -1, -1);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += farbe(im.pixel(x, y));
        return n;
    }
};

// Cut-offs that never happen leave the upper panel without curves, while
// the lead, which every position has, is still drawn below.
TEST(Steuerungsverlaufbild, MissingCutOffsDrawNoCurve) {
    Modell zu = test::Standardmaschine();
    zu.SchiEO = zu.SchiEU = 100; // no steam port ever opens
    SchieberAbleiten(zu);
    SpiegelBerechnen(zu);
    const Verlaufsgraph ohne(zu, 15.0), mit(test::Standardmaschine(), 15.0);
    for (auto* farbe : {Rötlich, Bläulich}) {
        EXPECT_EQ(ohne.Anzahl(ohne.g.Füllungsfeld(), farbe), 0);
        EXPECT_GT(mit.Anzahl(mit.g.Füllungsfeld(), farbe), 50);
    }
    // The two leads may lie on one another.
    EXPECT_GT(ohne.Anzahl(ohne.g.Untenfeld(), Rötlich) + ohne.Anzahl(ohne.g.Untenfeld(), Bläulich),
              100);
}

TEST(SteuerungsverlaufbildReferenzbild, DefaultEngines) {
    for (const bool mm : {true, false}) {
        Verlaufsgraph a(test::Standardmaschine(mm));
        a.Marke(-20.0f);
        test::MitReferenzbildVergleichen(a.im,
                                         mm ? "steuerungsverlauf_mm" : "steuerungsverlauf_inch");
    }
}

} // namespace
} // namespace vapro
