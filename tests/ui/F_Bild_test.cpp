#include "views/F_Bild.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include "Umgebung.h"
#include "model/Bewegung.h"
#include "model/Kinematik.h"
#include "render/Farben.h"

namespace vapro {
namespace {

// The main window's side of a frame and a recomputation, reduced to the picture.
struct BildAnsichten : Ansichten {
    F_Bild* bild = nullptr;
    int zeichnen = 0, geändert = 0;
    void BildSkalieren() override { bild->Skalierung(); }
    void BildNeuzeichnen() override { bild->Neuzeichnen(); }
    void BildZeichnen() override {
        ++zeichnen;
        bild->Zeichnen();
    }
    void DatenGeändert() override { ++geändert; }
};

struct F_Bild_ : ::testing::Test {
    test::Umgebung u;
    BildAnsichten ansichten;
    F_Bild bild{u.k};
    F_Bild_() {
        ansichten.bild = &bild;
        u.k.ansichten = &ansichten;
    }
    QRgb Pixel(int x, int y) const { return bild.Bildpuffer().pixel(x, y) & 0xFFFFFF; }
    // The filled joint at the crankshaft centre.
    QRgb Kurbelwelle() const {
        return Pixel(static_cast<int>(u.m.XKw / 15),
                     static_cast<int>((u.m.BildHöhe - u.m.YKwUnten) / 15));
    }
};

TEST_F(F_Bild_, StandardLageUndTexte) {
    // 10000 / 300 twips position, 7500 x 9000 twips size.
    EXPECT_EQ(bild.pos(), QPoint(666, 20));
    EXPECT_EQ(bild.size(), QSize(500, 600));
    EXPECT_EQ(bild.windowTitle(), "Maschinenanimation");
    EXPECT_EQ(bild.M_Infotext->text(), "Infotext - Maschinenanimation");
    EXPECT_EQ(bild.M_Einstellungen->text(), "Konfiguration Maschinenanimation ...");
    EXPECT_EQ(bild.M_Drucken->text(), "Drucken ...");
    EXPECT_EQ(bild.M_Hintergrundfarbe->text(), "Hintergrundfarbe ...");

    SpracheEinstellen(u.sprache, SprachbasisEnglisch);
    bild.WechselSprache();
    EXPECT_EQ(bild.windowTitle(), "Engine Animation");
    EXPECT_EQ(bild.M_Einstellungen->text(), "Picture layout ...");
}

TEST(F_Bild, GespeicherteLageUndGröße) {
    test::Umgebung u;
    u.speicher.Schreiben("Aktuell", "Bild x", "1500");
    u.speicher.Schreiben("Aktuell", "Bild y", "3000");
    u.speicher.Schreiben("Aktuell", "Bild Höhe", "9000");
    u.speicher.Schreiben("Aktuell", "Bild Breite", "12000");
    F_Bild bild(u.k);
    EXPECT_EQ(bild.pos(), QPoint(100, 200));
    EXPECT_EQ(bild.size(), QSize(800, 600));

    bild.move(40, 60);
    bild.close();
    EXPECT_EQ(u.speicher.Lesen("Aktuell", "Bild x", ""), "600");
    EXPECT_EQ(u.speicher.Lesen("Aktuell", "Bild y", ""), "900");
    EXPECT_EQ(u.speicher.Lesen("Aktuell", "Bild Höhe", ""), "9000");
}

TEST_F(F_Bild_, GrößenänderungRechnetNeuUndZeichnet) {
    u.m.Winkel = 130;
    const int16_t stand = u.m.Geometriestand;
    bild.resize(800, 600);
    bild.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bild));
    EXPECT_EQ(bild.Bildpuffer().size(), QSize(800, 600));
    // The height alone sets the scale: 9000 twips less 1 % margins over 522 mm.
    EXPECT_NEAR(u.m.Maßstab, (9000 - 180) / 522.0, 1e-4);
    EXPECT_NE(u.m.Geometriestand, stand);
    EXPECT_EQ(ansichten.geändert, 0); // a resize is no change of the data
    EXPECT_EQ(u.m.Winkel, 0);         // the picture starts afresh at 0°
    EXPECT_EQ(Kurbelwelle(), 0x000000u);
    EXPECT_EQ(u.m.BildZeigen, Wahr);

    // The frame draws the new position into the same image.
    u.m.Winkel = 90;
    Schritt(u.m, ansichten);
    EXPECT_EQ(ansichten.zeichnen, 1);
    const int x = static_cast<int>(u.m.KurbelXBild / 15),
              y = static_cast<int>(u.m.KurbelYBild / 15);
    EXPECT_EQ(x, static_cast<int>((u.m.XKw + 51 * u.m.Maßstab) / 15));
    EXPECT_EQ(Pixel(x, y), 0xFFFFFFu); // inside the open crank-pin joint
}

TEST(F_Bild, OhneHauptfensterZeichnetEsSelbst) {
    test::Umgebung u;
    F_Bild bild(u.k);
    bild.resize(500, 400);
    bild.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bild));
    EXPECT_EQ(bild.Bildpuffer().size(), QSize(500, 400));
    EXPECT_NEAR(u.m.Maßstab, (6000 - 120) / 522.0, 1e-4);
    const QImage& im = bild.Bildpuffer();
    EXPECT_EQ(im.pixel(static_cast<int>(u.m.XKw / 15),
                       static_cast<int>((u.m.BildHöhe - u.m.YKwUnten) / 15)) &
                  0xFFFFFF,
              0u);
}

TEST_F(F_Bild_, UnmöglicheGeometrieWirdGemeldet) {
    u.m.PLänge = 20; // shorter than the crank radius
    bild.resize(400, 300);
    bild.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bild));
    ASSERT_FALSE(u.plattform.meldungen.empty());
    EXPECT_TRUE(u.plattform.meldungen.back().text.startsWith("Geometriefehler"));
    EXPECT_EQ(u.plattform.meldungen.back().symbol, Symbol::Ausruf);
}

TEST_F(F_Bild_, RechteMaustasteÖffnetDasMenü) {
    bild.resize(400, 300);
    bild.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bild));
    QTest::mouseClick(&bild, Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_TRUE(bild.M_Click->isVisible());
    // Printing comes with its dialog; until then the entry is off.
    EXPECT_FALSE(bild.M_Drucken->isEnabled());
    bild.M_Click->hide();

    int drucken = 0, einstellungen = 0;
    bild.druckenÖffnen = [&] { ++drucken; };
    bild.einstellungenÖffnen = [&] { ++einstellungen; };
    QTest::mouseClick(&bild, Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_TRUE(bild.M_Drucken->isEnabled());
    bild.M_Click->hide();
    bild.M_Drucken->trigger();
    bild.M_Einstellungen->trigger();
    bild.M_Infotext->trigger();
    EXPECT_EQ(drucken, 1);
    EXPECT_EQ(einstellungen, 1);
    EXPECT_EQ(u.plattform.hilfen, std::vector<int>{3500});
}

TEST_F(F_Bild_, Hintergrundfarbe) {
    bild.resize(400, 300);
    bild.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bild));
    const int16_t stand = u.m.Geometriestand;

    u.plattform.farben.push_back(std::nullopt); // cancelled
    bild.M_Hintergrundfarbe->trigger();
    EXPECT_EQ(u.m.FarbeBild, 0xFFFFFFu);
    EXPECT_EQ(u.m.Geometriestand, stand);
    EXPECT_EQ(ansichten.zeichnen, 0);

    u.plattform.farben.push_back(QColor(0, 128, 255));
    bild.M_Hintergrundfarbe->trigger();
    EXPECT_EQ(u.m.FarbeBild, AlsFarbe(QColor(0, 128, 255)));
    EXPECT_EQ(Pixel(399, 299), QColor(0, 128, 255).rgb() & 0xFFFFFF);
    EXPECT_EQ(ansichten.zeichnen, 1); // one frame
    EXPECT_EQ(u.m.Geometriestand, stand + 1);
    EXPECT_EQ(ansichten.geändert, 1);
}

TEST_F(F_Bild_, SchließenMeldetSichAb) {
    bool abgemeldet = false;
    bild.beimSchließen = [&] { abgemeldet = true; };
    bild.show();
    bild.close();
    EXPECT_TRUE(abgemeldet);
    EXPECT_EQ(u.m.BildZeigen, Falsch);
    EXPECT_TRUE(u.speicher.Enthält("Aktuell", "Bild Breite"));
}

} // namespace
} // namespace vapro
