// The engine picture window and its settings window.

#include "ui/views/F_Bild.h"

#include <QCheckBox>
#include <QTest>
#include <gtest/gtest.h>

#include "core/model/Bewegung.h"
#include "tests/ui/Umgebung.h"
#include "ui/views/F_BildKonfiguration.h"

namespace vapro {
namespace {

// The main window's side of a frame and a recomputation, reduced to the picture.
struct BildAnsichten : Ansichten {
    F_Bild* bild = nullptr;
    int geändert = 0;
    void BildSkalieren() override { bild->Skalierung(); }
    void BildNeuzeichnen() override { bild->Neuzeichnen(); }
    void BildZeichnen() override { bild->Zeichnen(); }
    void DatenGeändert() override { ++geändert; }
};

// Colour of the picture at a point in twips.
QRgb Pixel(const F_Bild& bild, double x, double y) {
    return bild.Bildpuffer().pixel(static_cast<int>(x / 15), static_cast<int>(y / 15)) & 0xFFFFFF;
}

struct F_Bild_ : ::testing::Test {
    test::Umgebung u;
    BildAnsichten ansichten;
    F_Bild bild{u.k};
    F_Bild_() {
        ansichten.bild = &bild;
        u.k.ansichten = &ansichten;
        bild.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&bild));
    }
};

TEST_F(F_Bild_, ResizeRecomputesAndRedraws) {
    u.m.Winkel = 130;
    const int16_t stand = u.m.Geometriestand;
    bild.resize(800, 600);
    // The height alone sets the scale: 9000 twips less 1 % margins over 522 mm.
    EXPECT_NEAR(u.m.Maßstab, (9000 - 180) / 522.0, 1e-4);
    // A new image, recomputed, started afresh at 0°, yet a resize is no change of the data.
    EXPECT_EQ(std::tuple(bild.Bildpuffer().size(), u.m.Geometriestand != stand, u.m.Winkel,
                         ansichten.geändert),
              std::tuple(QSize(800, 600), true, 0.f, 0));
    EXPECT_EQ(Pixel(bild, u.m.XKw, u.m.BildHöhe - u.m.YKwUnten), 0u); // the filled shaft joint

    // A frame draws the new position into the same image: the open crank-pin joint at 90°.
    u.m.Winkel = 90;
    Schritt(u.m, ansichten);
    EXPECT_NEAR(u.m.KurbelXBild, u.m.XKw + 51 * u.m.Maßstab, 15);
    EXPECT_EQ(Pixel(bild, u.m.KurbelXBild, u.m.KurbelYBild), 0xFFFFFFu);

    // An engine that cannot be assembled is reported, not thrown.
    u.m.PLänge = 20; // shorter than the crank radius
    bild.resize(400, 300);
    EXPECT_TRUE(!u.plattform.Meldungen().empty() &&
                u.plattform.Meldungen().back().text.startsWith("Geometriefehler"));
}

struct F_BildKonfiguration_ : ::testing::Test {
    test::Umgebung u;
    Ansichten ansichten;
    F_BildKonfiguration d{u.k};
    F_BildKonfiguration_() {
        u.k.ansichten = &ansichten;
        d.Form_Load();
    }
};

TEST_F(F_BildKonfiguration_, ColourCountsAsAChangeWhoseCounterWraps) {
    u.m.Geometriestand = 32767; // the change counter wraps rather than overflows
    u.plattform.farben = {QColor(1, 2, 3)};
    d.M_Hintergrundfarbe_Click();
    EXPECT_EQ(u.m.FarbeBildKonfiguration, 0x030201u); // red + 256 green + 65536 blue
    EXPECT_EQ(d.C(&Modell::SpieJa)->palette().color(QPalette::Window), QColor(1, 2, 3));
    EXPECT_EQ(u.m.Geometriestand, -32768);
}

} // namespace
} // namespace vapro
