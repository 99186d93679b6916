// The main window: its controls and ticks, what it tells the user about the
// engine (changed state, read-outs, exit question, help on a right click),
// undo and redo, the menus' files and the report.

#include "ui/mainwindow/F_Haupt.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

#include "core/model/Bewegung.h"
#include "core/model/Kinematik.h"
#include "core/persist/Maschinendatei.h"
#include "tests/ui/Umgebung.h"
#include "ui/dialogs/Dialograhmen.h"
#include "ui/mainwindow/F_Tabelle.h"
#include "ui/platform/Hilfethemen.h"
#include "ui/views/F_Bild.h"

namespace vapro {
namespace {

struct Haupt : test::MitHaupt {
    QString Anzeige(const char* name) { return h.Anzeige(name).text(); }
    QString Zustand() { return Anzeige("T_Dateiname"); }
    QAction& Rückgängig() { return h.Menüeintrag("M_Rückgängig"); }
    QAction& Wiederholen() { return h.Menüeintrag("M_Wiederholen"); }
};

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

    // A broken file leaves the engine that was there.
    u.m.PLänge = 290;
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

TEST_F(Haupt, ReadOutsFollowTheZeroButton) {
    u.m.Winkel = 90;
    h.Timer1_Timer();
    ASSERT_NE(Anzeige("Aus_Winkel"), "0");
    h.K_NullGrad_Click();
    Modell oben = u.m;
    oben.Winkel = 0;
    Kinematik(oben);
    EXPECT_EQ(Anzeige("Aus_Winkel"), "0");
    EXPECT_EQ(Anzeige("aus_kwegmm"), "102.0") << "the piston at the top, not the direction score";
    EXPECT_EQ(u.m.kwegmm, oben.kwegmm);
}

TEST_F(Haupt, RightClickOnAControlShowsItsHelpAndNoMenu) {
    h.show();
    QWidget* ziel = nullptr;
    for (auto* knopf : h.findChildren<QPushButton*>())
        if (knopf->property("hilfe").toInt() == HilfeKontext::Knopf_Vor) ziel = knopf;
    ASSERT_TRUE(ziel);
    const QPoint mitte = ziel->rect().center();
    QMouseEvent druck(QEvent::MouseButtonPress, mitte, ziel->mapToGlobal(mitte), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(ziel, &druck);
    QContextMenuEvent menü(QContextMenuEvent::Mouse, mitte, ziel->mapToGlobal(mitte));
    QApplication::sendEvent(ziel, &menü);
    EXPECT_EQ(u.plattform.hilfen, std::vector<int>{HilfeKontext::Knopf_Vor});
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(Haupt, ExitWithUnsavedChangesOffersToSaveThem) {
    h.show();
    h.M_Umrechnen_Click();
    ASSERT_TRUE(u.m.Geändert);

    u.plattform.antwortSichern = Sichern::Abbrechen;
    h.M_Beenden_Click();
    EXPECT_TRUE(h.isVisible()) << "cancel keeps the program";
    ASSERT_EQ(u.plattform.Fragen().size(), 1u);

    // Save: a cancelled chooser keeps the program running, a saved file ends it.
    QTemporaryDir ordner;
    u.plattform.antwortSichern = Sichern::Speichern;
    u.plattform.dateien = {QString()};
    EXPECT_FALSE(h.close());
    u.plattform.dateien = {ordner.filePath("motor1")};
    EXPECT_TRUE(h.close());
    EXPECT_TRUE(QFileInfo::exists(ordner.filePath("motor1.kmf"))) << "the extension is added";
    EXPECT_EQ(u.speicher.Lesen("Aktuell", "Filename", ""),
              ordner.filePath("motor1.kmf").toStdString());
    EXPECT_EQ(u.plattform.Fragen().size(), 3u);
}

TEST_F(Haupt, ATickInsideAMessageBoxDoesNotRunIntoTheFailedTick) {
    u.m.PLänge = 10; // the crank drive cannot be assembled
    bool liefWährendMeldung = true;
    u.plattform.währendMeldung = [&] {
        liefWährendMeldung = h.Läuft();
        h.Timer1_Timer(); // as a tick delivered by the box's event loop
    };
    h.Timer1_Timer();
    EXPECT_FALSE(liefWährendMeldung);
    EXPECT_EQ(u.plattform.Meldungen().size(), 1u);
}

TEST_F(Haupt, AnAppliedDialogIsTakenBackAndDoneAgain) {
    EXPECT_FALSE(Rückgängig().isEnabled());
    Dialograhmen& d = *Öffnen<Dialograhmen>("M_Kurbeltrieb");
    d.E(&Modell::KWRadius)->setText("60");
    d.Knopf_Übernehmen_Click();
    ASSERT_EQ(u.m.KWRadius, 60);
    EXPECT_EQ(Rückgängig().text(), "&Rückgängig: Kurbeltrieb");
    EXPECT_EQ(Zustand(), "Grunddaten in [mm]  / geändert");

    const uint32_t änderungen = u.m.Änderungen;
    Rückgängig().trigger();
    EXPECT_EQ(u.m.KWRadius, 51);
    EXPECT_EQ(d.E(&Modell::KWRadius)->text(), "51") << "the open dialog shows the engine";
    EXPECT_NE(u.m.Änderungen, änderungen) << "views see a new engine";
    EXPECT_EQ(Zustand(), "Grunddaten in [mm]  / nicht geändert");
    EXPECT_FALSE(Rückgängig().isEnabled());
    EXPECT_EQ(Wiederholen().text(), "&Wiederholen: Kurbeltrieb");

    Wiederholen().trigger();
    EXPECT_EQ(u.m.KWRadius, 60);
    EXPECT_TRUE(u.m.Geändert);

    // A failed apply adds no step.
    d.E(&Modell::KWRadius)->setText("-1");
    d.Knopf_Übernehmen_Click();
    EXPECT_EQ(u.plattform.Meldungen().size(), 1u);
    EXPECT_FALSE(Wiederholen().isEnabled());
}

TEST_F(Haupt, ConversionAndDefaultEnginesAreStepsALoadStartsAfresh) {
    h.M_Umrechnen_Click();
    ASSERT_EQ(u.m.Einheit, "[inch]");
    h.M_Grunddaten_Click("[mm]");
    EXPECT_EQ(Zustand(), "Grunddaten in [mm]  / nicht geändert");

    Rückgängig().trigger(); // back to the converted engine, not saved
    EXPECT_EQ(Zustand(), "Grunddaten in [inch]  / geändert");
    Rückgängig().trigger(); // back in millimetres, labels and stored unit with it
    EXPECT_EQ(u.m.Einheit, "[mm]");
    EXPECT_EQ(u.speicher.Lesen("Version", "Einheit", ""), "[mm]");
    EXPECT_EQ(Zustand(), "Grunddaten in [mm]  / nicht geändert");

    QTemporaryDir ordner;
    const QString datei = ordner.filePath("motor.kmf");
    ASSERT_TRUE(h.SpeicherAktion(datei));
    ASSERT_TRUE(h.Ladeaktion(datei));
    EXPECT_FALSE(Rückgängig().isEnabled());
    EXPECT_FALSE(Wiederholen().isEnabled());
}

TEST_F(Haupt, ReportWritesTheChosenFileAndLeavesTheEngineAsItWas) {
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

    // A place that cannot be written: the message in the current language.
    u.plattform.dateien = {ordner.filePath("fehlt/bericht.pdf")};
    h.Menüeintrag("M_Bericht").trigger();
    ASSERT_EQ(u.plattform.Meldungen().size(), 1u);
    EXPECT_TRUE(
        u.plattform.Meldungen()[0].text.startsWith("Der Bericht konnte nicht geschrieben werden."));
}

} // namespace
} // namespace vapro
