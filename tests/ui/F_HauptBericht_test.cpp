// File → Report in the program: the file chosen through the platform gets
// the report of the engine on screen, which stays as it was.

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/ui/Umgebung.h"
#include "ui/mainwindow/F_Haupt.h"

namespace vapro {
namespace {

TEST(HauptBericht, WritesTheChosenFileAndLeavesTheEngineAsItWas) {
    test::Umgebung u;
    F_Haupt h{u.k};
    h.Form_Load({});
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath("bericht");
    const float maßstab = u.m.Maßstab, winkel = u.m.Winkel;

    u.plattform.dateien = {ziel};
    h.Menüeintrag("M_Bericht").trigger();
    // A name without extension gets the one of the type offered.
    QFile pdf(ziel + ".pdf");
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_EQ(u.m.Maßstab, maßstab);
    EXPECT_EQ(u.m.Winkel, winkel);
    EXPECT_EQ(h.Menüeintrag("M_Bericht").text(), "Be&richt ...");

    // A place that cannot be written: the message in the current language.
    u.plattform.dateien = {ordner.filePath("fehlt/bericht.pdf")};
    h.Menüeintrag("M_Bericht").trigger();
    ASSERT_EQ(u.plattform.Meldungen().size(), 1u);
    EXPECT_TRUE(
        u.plattform.Meldungen()[0].text.startsWith("Der Bericht konnte nicht geschrieben werden."));

    // Cancelled: nothing happens.
    h.Menüeintrag("M_Bericht").trigger();
    EXPECT_EQ(u.plattform.Meldungen().size(), 1u);
}

} // namespace
} // namespace vapro
