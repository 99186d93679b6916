// Printing and export as the main window wires them: the picture's pop-up
// opens the print dialog, the page comes from the frame, the File menu
// reports the printer.

#include <QAction>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "render/Maschinenbild.h"
#include "tests/ui/Umgebung.h"
#include "ui/mainwindow/F_Haupt.h"
#include "ui/print/F_BildDruck.h"
#include "ui/views/F_Bild.h"

namespace vapro {
namespace {

struct HauptDruck : ::testing::Test {
    test::Umgebung u;
    QTemporaryDir ordner;
    F_Haupt h{u.k};
    void SetUp() override {
        h.Form_Load({});
        h.Knopf_Start_Stop_Click(); // stands still
    }
};

TEST_F(HauptDruck, PrintFromThePicturesMenuKeepsTheScreenScale) {
    u.m.FarbeBild = 0x80FFFF;
    h.Bild().M_Drucken->trigger();
    F_BildDruck* druck = h.BildDruck();
    ASSERT_TRUE(druck && druck->isVisible());
    EXPECT_EQ(u.m.FarbeBildDruck, 0x80FFFFu) << "the print window takes the picture's colour";

    const float maßstab = u.m.Maßstab, xKw = u.m.XKw;
    const QString pdf = ordner.filePath("bild.pdf");
    u.plattform.Drucker().setOutputFileName(pdf);
    druck->K_Drucken_Click();
    ASSERT_EQ(u.plattform.Meldungen().size(), 1u);
    EXPECT_EQ(u.plattform.Meldungen()[0].symbol, Symbol::Information);
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(std::tuple(u.m.Maßstab, u.m.XKw, u.m.DruckenAktiv), std::tuple(maßstab, xKw, 0));

    // The following frames draw the screen only.
    QFile::remove(pdf);
    h.Knopf_Vor_Click();
    h.Knopf_Vor_Click();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(u.plattform.Meldungen().size(), 1u);
}

TEST_F(HauptDruck, PrinterPropertiesOnThreeLines) {
    h.Menüeintrag("M_Druckereigenschaften").trigger();
    ASSERT_EQ(u.plattform.Meldungen().size(), 1u);
    const QPrinter& p = u.plattform.Drucker();
    const QSize seite = p.pageLayout().fullRectPixels(p.resolution()).size();
    EXPECT_EQ(u.plattform.Meldungen()[0].text,
              QString("Auflösung in DPI = %1\nBreite in Pixel = %2\nHöhe in Pixel = %3")
                  .arg(p.resolution())
                  .arg(seite.width())
                  .arg(seite.height()));
}

TEST_F(HauptDruck, PictureExportWritesWhatTheWindowShows) {
    F_Bild& bild = h.Bild();
    bild.resize(360, 300);
    // No extension: a PNG, at the size asked for.
    u.plattform.dateien = {ordner.filePath("maschine")};
    u.plattform.größen = {QSize(240, 200)};
    bild.M_Exportieren->trigger();
    const QImage png(ordner.filePath("maschine.png"));
    ASSERT_EQ(png.size(), QSize(240, 200));
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
              MaschinenbildRendern(u.m, QSize(240, 200)).convertToFormat(QImage::Format_RGB32));
    u.plattform.dateien = {ordner.filePath("fehlt/maschine.svg")};
    bild.M_Exportieren->trigger();
    ASSERT_EQ(u.plattform.Meldungen().size(), 1u);
    EXPECT_TRUE(u.plattform.Meldungen()[0].text.startsWith("Die Datei konnte nicht exportiert"));
}

} // namespace
} // namespace vapro
