#include "ui/mainwindow/F_Haupt.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

#include "core/model/Bewegung.h"
#include "core/persist/Maschinendatei.h"
#include "tests/ui/Umgebung.h"
#include "ui/mainwindow/F_Tabelle.h"
#include "ui/views/F_Bild.h"

namespace vapro {
namespace {

struct Haupt : ::testing::Test {
    test::Umgebung u;
    F_Haupt h{u.k};
    void SetUp() override { h.Form_Load({}); }
    QString Anzeige(const char* name) { return h.Anzeige(name).text(); }
};

TEST_F(Haupt, SlidersSetDelayStepAndTheReversingAngleWithItsSign) {
    h.SliderZeit().setValue(20);
    EXPECT_EQ(h.Zeitgeber().interval(), 500);
    h.SliderWinkel().setValue(3);
    EXPECT_FLOAT_EQ(u.m.WinkelSchritt, 1.5f);
    // Sign -1 (default): to the right gives a negative reversing angle.
    h.SliderUmWinkel().setValue(20);
    EXPECT_NEAR(u.m.UmWinkel, -10 * 3.14159265358979 / 180, 1e-7);
    EXPECT_EQ(Anzeige("Aus_UmWinkel"), "10.0");
}

TEST_F(Haupt, ReversingSliderWhileStoppedRedrawsWithoutTurning) {
    h.Knopf_Start_Stop_Click();
    ASSERT_FALSE(h.Läuft());
    u.m.Winkel = 70;
    const float vorher = u.m.SchieberY;
    h.SliderUmWinkel().setValue(-30);
    EXPECT_EQ(u.m.Winkel, 70);
    EXPECT_NE(u.m.SchieberY, vorher);
}

TEST_F(Haupt, TickTurnsOnlyWithADecisiveScore) {
    h.Timer1_Timer(); // takes up the reversing angle
    struct Fall {
        int16_t bilanz;
        bool dreht;
    };
    for (Fall f : {Fall{10, false}, Fall{-10, false}, Fall{11, true}, Fall{-11, true}}) {
        u.m.Drehrichtungsbilanz = f.bilanz;
        u.m.Drehrichtung = f.bilanz > 0;
        u.m.Winkel = 100;
        h.Timer1_Timer();
        EXPECT_EQ(u.m.Winkel != 100, f.dreht) << f.bilanz;
        EXPECT_EQ(h.Anzeige("T_Drehung").isVisibleTo(&h), !f.dreht) << f.bilanz;
        if (!f.dreht) {
            EXPECT_EQ(Anzeige("T_Drehung"),
                      QString::fromUtf8("Maschine Stop! Ungenügende Einlaßmenge."));
        }
    }
}

TEST_F(Haupt, GeometryFailureDuringATickStopsTheEngine) {
    ASSERT_TRUE(h.Läuft());
    u.m.PLänge = 10;
    h.Timer1_Timer();
    EXPECT_FALSE(h.Läuft());
    EXPECT_EQ(h.KnopfStartStop().text(), "Start");
    ASSERT_EQ(u.plattform.Meldungen().size(), 1u);
    EXPECT_TRUE(
        u.plattform.Meldungen()[0].text.startsWith("Geometriefehler bei der Maschinendrehung"));
    EXPECT_EQ(u.plattform.Meldungen()[0].symbol, Symbol::Stopp);
}

TEST_F(Haupt, SingleStepsStopTheEngineAndSetTheDirection) {
    u.m.Winkel = 0;
    h.Knopf_Vor_Click();
    EXPECT_FALSE(h.Läuft());
    EXPECT_EQ(u.m.Winkel, 10);
    EXPECT_TRUE(u.m.Drehrichtung);
    h.Knopf_Zurück_Click();
    h.Knopf_Zurück_Click();
    EXPECT_EQ(u.m.Winkel, 350);
    h.K_NullGrad_Click();
    EXPECT_EQ(u.m.Winkel, 0);
    EXPECT_EQ(Anzeige("T_Dateiname"), "Grunddaten in [mm]  / nicht geändert") << "0° is no change";
}

TEST_F(Haupt, LanguageSwitchRelabelsOpenWindowsAndIsStored) {
    h.FensterZeigen(F_Haupt::Fenster::Tabelle, true);
    h.M_Sprache_Click();
    EXPECT_EQ(u.speicher.Lesen("Version", "Sprache", ""), "11000");
    EXPECT_EQ(h.Menüeintrag("M_Sprache").text(), "&Deutsch");
    EXPECT_EQ(h.Menüeintrag("M_Laden").text(), "&Load ...");
    EXPECT_EQ(Anzeige("T_Dateiname"), "Basic data in [mm]  / not changed");
    EXPECT_EQ(h.Tabelle()->windowTitle(), "Engine Movement - List");
    EXPECT_EQ(h.Bild().windowTitle(), "Engine Animation");
    h.M_Sprache_Click();
    EXPECT_EQ(h.Menüeintrag("M_Sprache").text(), "&English");
}

TEST_F(Haupt, SaveAndLoadThroughTheMenus) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("motor.kmf");
    u.plattform.dateien = {datei};
    h.M_Speichernunter_Click();
    EXPECT_EQ(Anzeige("T_Dateiname"), datei);
    EXPECT_TRUE(h.Menüeintrag("M_NächsterStart").isChecked());

    u.m.PLänge = 280;
    u.plattform.dateien = {datei};
    h.M_Laden_Click();
    EXPECT_EQ(u.m.PLänge, 270);

    // Cancelling the chooser loads nothing.
    u.m.PLänge = 290;
    h.M_Laden_Click();
    EXPECT_EQ(u.m.PLänge, 290);

    // A broken file leaves the engine that was there.
    std::ofstream(ordner.filePath("kaputt.kmf").toStdString()) << "10000,\"x\"\r\n";
    u.plattform.dateien = {ordner.filePath("kaputt.kmf")};
    h.M_Laden_Click();
    EXPECT_EQ(u.m.PLänge, 290);
    ASSERT_EQ(u.plattform.Meldungen().size(), 1u);
    EXPECT_TRUE(u.plattform.Meldungen()[0].text.startsWith("Fehler beim Laden der KMF-Datei"));
    EXPECT_EQ(Anzeige("T_Dateiname"), datei);
}

TEST_F(Haupt, ClosingAsksAndNoKeepsTheProgramRunning) {
    h.show();
    u.plattform.antwortJa = false;
    EXPECT_FALSE(h.close());
    EXPECT_TRUE(h.isVisible());
    ASSERT_EQ(u.plattform.Fragen().size(), 1u);
    EXPECT_EQ(u.plattform.Fragen()[0],
              QString::fromUtf8("Möchten Sie die Anwendung wirklich beenden?"));

    u.plattform.antwortJa = true;
    h.FensterZeigen(F_Haupt::Fenster::Tabelle, true);
    EXPECT_TRUE(h.close());
    EXPECT_EQ(u.plattform.Fragen().size(), 2u);
    EXPECT_EQ(u.speicher.Lesen("Aktuell", "Tabelle Zeigen", ""), "True");
    EXPECT_EQ(u.speicher.Lesen("Aktuell", "Filename", "fehlt"), ""); // a default engine
}

} // namespace
} // namespace vapro
