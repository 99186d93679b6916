// The valve-travel graph windows and their settings window, driven through
// the main window as a user meets them.

#include "ui/views/F_SteuerHub.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/model/GeometrieFehler.h"
#include "core/persist/Maschinendatei.h"
#include "tests/ui/Umgebung.h"
#include "ui/mainwindow/F_Haupt.h"
#include "ui/platform/Hilfethemen.h"
#include "ui/print/F_SteuerHubD.h"
#include "ui/views/F_SteuerHubMenue.h"
#include "ui/views/F_SteuerHubWeg.h"

namespace vapro {
namespace {

struct MitGraphen : test::MitHaupt {
    F_SteuerHub* winkel = Öffnen<F_SteuerHub>("M_SteuerHub");
    F_SteuerHub* weg = Öffnen<F_SteuerHubWeg>("M_SteuerHubWeg");
    void SetUp() override {
        ASSERT_TRUE(winkel && weg);
        // The first tick checks the direction of rotation.
        Takte(1);
    }
    std::pair<int, int> Neuzeichnungen() const {
        return {winkel->Neuzeichnungen(), weg->Neuzeichnungen()};
    }
    F_SteuerHubMenü& Einstellungen(F_SteuerHub* graph) {
        graph->M_Einstellungen->trigger();
        F_SteuerHubMenü* menü = h.SteuerHubMenü();
        EXPECT_TRUE(menü && menü->isVisible());
        return *menü;
    }
};

TEST_F(MitGraphen, TurningCostsNoRedrawWhileALeverChangeOrALoadRedrawsAtTheNextStep) {
    EXPECT_EQ(std::pair(u.m.SteuerHubZeigen, u.m.SteuerHubWegZeigen), std::pair(Wahr, Wahr));
    const auto [a, b] = Neuzeichnungen();
    Takte(40);
    EXPECT_EQ(Neuzeichnungen(), std::pair(a, b)) << "turning alone draws markers only";
    const QImage vorher = winkel->Bildpuffer();

    h.SliderUmWinkel().setValue(h.SliderUmWinkel().value() - 20);
    Takte(1);
    EXPECT_EQ(Neuzeichnungen(), std::pair(a + 1, b + 1));
    Takte(5);
    EXPECT_EQ(Neuzeichnungen(), std::pair(a + 1, b + 1));
    EXPECT_NE(winkel->Bildpuffer(), vorher) << "the curves follow the lever";

    // Another engine from a file.
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("a.kmf");
    Modell anders = u.m;
    anders.SchiEU += 2;
    ASSERT_TRUE(Speichern(anders, std::filesystem::path(datei.toStdString()), u.sprache, "").ok);
    ASSERT_TRUE(h.Ladeaktion(datei));
    Takte(1);
    EXPECT_EQ(Neuzeichnungen(), std::pair(a + 2, b + 2));
}

TEST_F(MitGraphen, SettingsApplyToTheOpenGraphsWithoutRecomputingTheEngine) {
    F_SteuerHubMenü& menü = Einstellungen(weg);
    EXPECT_EQ(menü.E(&Modell::usPerioden)->text(), "1");
    u.m.Winkel = 120;
    const uint32_t änderungen = u.m.Änderungen;
    // typed revolutions and marker size; stored
    const std::tuple<const char*, const char*, int16_t, int16_t> fälle[] = {{"3", "0", 3, 1},
                                                                            {"50", "6", 20, 6}};
    for (const auto& [perioden, kreis, periodenNeu, kreisNeu] : fälle) {
        const auto [a, b] = Neuzeichnungen();
        menü.E(&Modell::usPerioden)->setText(perioden);
        menü.E(&Modell::usKreis)->setText(kreis);
        menü.Knopf_Übernehmen->click();
        EXPECT_EQ(std::pair(u.m.usPerioden, u.m.usKreis), std::pair(periodenNeu, kreisNeu));
        EXPECT_EQ(menü.E(&Modell::usPerioden)->text(), QString::number(periodenNeu));
        EXPECT_EQ(Neuzeichnungen(), std::pair(a + 1, b + 1)) << perioden;
        EXPECT_EQ(weg->Graph().Rahmen().Perioden, periodenNeu);
    }
    EXPECT_EQ(u.m.Winkel, 120) << "the engine picture was not restarted";
    EXPECT_NE(u.m.Änderungen, änderungen) << "saved settings count as a change";
    EXPECT_TRUE(u.m.Geändert);
    // The redraw took the change in: the next step draws markers only.
    const auto nachher = Neuzeichnungen();
    Takte(2);
    EXPECT_EQ(Neuzeichnungen(), nachher);
    // A step that can be taken back; the graphs and the window follow.
    h.M_Rückgängig_Click();
    EXPECT_EQ(std::pair(u.m.usPerioden, u.m.usKreis), std::pair(int16_t{3}, int16_t{1}));
    EXPECT_EQ(menü.E(&Modell::usPerioden)->text(), "3");
    Takte(1);
    EXPECT_EQ(weg->Graph().Rahmen().Perioden, 3);
}

// An engine that cannot be turned all the way round: the graph shows its
// grid, reports nothing and does not try again at every step.
TEST_F(MitGraphen, AnEngineThatJamsStaysInsideTheGraph) {
    u.m.Winkel = 180;
    u.m.PLänge = 20; // shorter than the crank: only the dead centres are reachable
    GeometriestandErhöhen(u.m);
    const auto [a, b] = Neuzeichnungen();
    winkel->SchrittMalen();
    winkel->SchrittMalen();
    EXPECT_EQ(winkel->Neuzeichnungen(), a + 1);
    EXPECT_EQ(u.m.Winkel, 180);
    EXPECT_TRUE(winkel->Graph().Gesperrt());
    EXPECT_EQ(weg->Neuzeichnungen(), b);
}

} // namespace
} // namespace vapro
