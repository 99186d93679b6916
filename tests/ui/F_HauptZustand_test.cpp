// What the main window tells the user about the engine: the changed state,
// the read-outs after a jump, the exit question and the help on a right click.

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/model/Bewegung.h"
#include "core/model/Kinematik.h"
#include "tests/ui/Umgebung.h"
#include "ui/mainwindow/F_Haupt.h"
#include "ui/mainwindow/F_Tabelle.h"
#include "ui/platform/Hilfethemen.h"
#include "ui/views/F_Bild.h"

namespace vapro {
namespace {

struct HauptZustand : ::testing::Test {
    test::Umgebung u;
    F_Haupt h{u.k};
    void SetUp() override { h.Form_Load({}); }
    QString Anzeige(const char* name) { return h.Anzeige(name).text(); }
    QString Zustand() { return Anzeige("T_Dateiname"); }
};

TEST_F(HauptZustand, OnlyChangesOfTheEngineCountAsChanges) {
    const QString unverändert = "Grunddaten in [mm]  / nicht geändert";
    h.FensterZeigen(F_Haupt::Fenster::Bild, true);
    h.Bild().resize(h.Bild().size() + QSize(40, 30));
    EXPECT_EQ(Zustand(), unverändert) << "resizing the picture";
    h.K_NullGrad_Click();
    EXPECT_EQ(Zustand(), unverändert) << "0°";
    h.M_Sprache_Click();
    h.M_Sprache_Click();
    EXPECT_EQ(Zustand(), unverändert) << "language switch";
    EXPECT_FALSE(u.m.Geändert);

    h.M_Umrechnen_Click();
    EXPECT_EQ(Zustand(), "Grunddaten in [inch]  / geändert");
    EXPECT_TRUE(u.m.Geändert);

    // Saving clears the state, an accepted entry sets it, loading clears it.
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("motor.kmf");
    u.plattform.dateien = {datei};
    ASSERT_TRUE(h.M_Speichernunter_Click());
    EXPECT_FALSE(u.m.Geändert);
    Neuberechnung(u.m, *u.k.ansichten, Anlass::Eingabe);
    EXPECT_TRUE(u.m.Geändert);
    ASSERT_TRUE(h.Ladeaktion(datei));
    EXPECT_FALSE(u.m.Geändert);
}

TEST_F(HauptZustand, DefaultEngineLeavesTheWindowsAsTheyAre) {
    h.FensterZeigen(F_Haupt::Fenster::Bild, false);
    h.FensterZeigen(F_Haupt::Fenster::Tabelle, true);
    h.M_Grunddaten_Click("[inch]");
    EXPECT_EQ(std::pair(u.m.BildZeigen, u.m.TabelleZeigen), std::pair(Falsch, Wahr));
    EXPECT_FALSE(h.FensterOffen(F_Haupt::Fenster::Bild));

    // The open motion table goes on filling: each tick writes its angle.
    for (int i = 0; i < 3; ++i) {
        h.Timer1_Timer();
        F_Tabelle& t = *h.Tabelle();
        EXPECT_EQ(t.Zelle(t.AktuelleZeile(), 1), Anzeige("Aus_Winkel")) << i;
    }
}

TEST_F(HauptZustand, ReadOutsFollowTheZeroButtonAndALoad) {
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

    // The delay read-out keeps telling the slider's interval after a load.
    h.SliderZeit().setValue(1);
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("motor.kmf");
    u.plattform.dateien = {datei};
    ASSERT_TRUE(h.M_Speichernunter_Click());
    ASSERT_TRUE(h.Ladeaktion(datei));
    EXPECT_EQ(Anzeige("Aus_Zeit"), "25");
    EXPECT_EQ(h.Zeitgeber().interval(), 25);
}

TEST_F(HauptZustand, RightClickOnAControlShowsItsHelpAndNoMenu) {
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

    // The free area still has the window's menu.
    QContextMenuEvent frei(QContextMenuEvent::Mouse, QPoint(2, 2), h.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&h, &frei);
    QWidget* popup = QApplication::activePopupWidget();
    EXPECT_NE(popup, nullptr);
    if (popup) popup->close();
    EXPECT_EQ(u.plattform.hilfen.size(), 1u);
}

TEST_F(HauptZustand, ExitWithUnsavedChangesOffersToSaveThem) {
    h.show();
    h.M_Umrechnen_Click();
    ASSERT_TRUE(u.m.Geändert);

    u.plattform.antwortSichern = Sichern::Abbrechen;
    EXPECT_FALSE(h.close());
    h.M_Beenden_Click();
    EXPECT_TRUE(h.isVisible()) << "cancel keeps the program, from the close box and the menu";
    ASSERT_EQ(u.plattform.Fragen().size(), 2u);
    EXPECT_TRUE(u.plattform.Fragen()[0].startsWith(
        "Die Maschinendaten wurden seit dem letzten Laden oder Speichern geändert."));

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
    EXPECT_EQ(u.plattform.Fragen().size(), 4u);
}

TEST_F(HauptZustand, DiscardingEndsWithoutSavingAndAGivenExtensionStays) {
    QTemporaryDir ordner;
    u.plattform.dateien = {ordner.filePath("motor2.txt")};
    ASSERT_TRUE(h.M_Speichernunter_Click());
    EXPECT_TRUE(QFileInfo::exists(ordner.filePath("motor2.txt")));

    h.show();
    h.M_Umrechnen_Click();
    u.plattform.antwortSichern = Sichern::Verwerfen;
    EXPECT_TRUE(h.close());
    EXPECT_EQ(u.plattform.Fragen().size(), 1u);
    EXPECT_EQ(u.plattform.dateien.size(), 0u) << "no chooser was opened";
}

TEST_F(HauptZustand, ATickInsideAMessageBoxDoesNotRunIntoTheFailedTick) {
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

TEST_F(HauptZustand, MenusHaveMnemonicsAndTheStandardKeys) {
    EXPECT_EQ(h.Menüeintrag("M_Laden").shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(h.Menüeintrag("M_Speichern").shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(h.Menüeintrag("M_Beenden").shortcut(), QKeySequence(QKeySequence::Quit));
    for (const char* name : {"M_Laden", "M_Speichernunter", "M_Bericht", "M_Bild",
                             "M_Grunddaten_mm", "M_Hilfedatei", "M_Sprache"})
        EXPECT_TRUE(h.Menüeintrag(name).text().contains('&')) << name;
    // Buttons that open windows carry the captions without the mnemonics.
    for (const auto* knopf : h.findChildren<QPushButton*>())
        EXPECT_FALSE(knopf->text().contains('&')) << knopf->text().toStdString();
}

} // namespace
} // namespace vapro
