#include "ui/mainwindow/F_Tabelle.h"

#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/model/Bewegung.h"
#include "core/model/Kinematik.h"
#include "tests/cli/Lauf.h"
#include "tests/ui/Umgebung.h"

namespace vapro {
namespace {

// Turns the engine `schritte` steps and writes each position as a frame does.
void Drehen(test::Umgebung& u, F_Tabelle& t, int schritte) {
    for (int i = 0; i < schritte; ++i) {
        Kinematik(u.m);
        t.Ausgeben();
        WinkelWeiter(u.m);
    }
}

TEST(F_Tabelle, BackwardFromZeroAndStepChange) {
    test::Umgebung u;
    u.m.Drehrichtung = false;
    u.m.Winkel = 0;
    F_Tabelle t(u.k);
    Drehen(u, t, 3);
    EXPECT_EQ(t.Zelle(1, 1), "0");
    EXPECT_EQ(t.Zelle(36, 1), "350");

    u.m.WinkelSchritt = 2.5f; // half-degree steps show a decimal
    Drehen(u, t, 1);
    EXPECT_EQ(u.m.TabellenZeilen, 144);
    EXPECT_EQ(t.Zelle(t.AktuelleZeile(), 1), "330.0");
    EXPECT_TRUE(t.Zelle(1, 1).isEmpty()) << "laid out afresh";
}

TEST(F_Tabelle, ValveColumnStartsAtTheLowestPosition) {
    test::Umgebung u;
    SpiegelBerechnen(u.m);
    u.m.LetzterUmWinkel = u.m.UmWinkel + 1;
    F_Tabelle t(u.k);
    Drehen(u, t, 36);
    double min = 1e9;
    for (int z = 1; z <= 36; ++z)
        min = std::min(min, t.Zelle(z, 4).toDouble());
    EXPECT_EQ(min, 0.0);
}

// The exported table holds the numbers the command line's motion table
// gives, not the rounded ones on the screen.
TEST(F_Tabelle, CsvExportIsTheCommandLinesMotionTable) {
    test::Umgebung u;
    DrehrichtungBestimmen(u.m); // as the command line settles it first
    u.m.Winkel = 0;
    F_Tabelle t(u.k);
    Drehen(u, t, 2 * u.m.TabellenZeilen);
    QTemporaryDir ordner;
    u.plattform.dateien = {ordner.filePath("bewegung")};
    t.M_Exportieren_Click();
    QFile datei(ordner.filePath("bewegung.csv"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const test::Lauf cli = test::Starte({"motion", "--schritt", "10", "--csv"});
    ASSERT_EQ(cli.code, 0) << cli.err;
    EXPECT_EQ(datei.readAll().toStdString(), cli.out);
}

} // namespace
} // namespace vapro
