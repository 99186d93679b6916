// Undo and redo in the main window: each applied dialog, conversion and
// default engine is a step the Edit menu names; taking it back brings the
// engine, the open windows and the changed state back with it.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/ui/Umgebung.h"
#include "ui/dialogs/Dialograhmen.h"
#include "ui/mainwindow/F_Haupt.h"

namespace vapro {
namespace {

struct HauptVerlauf : ::testing::Test {
    test::Umgebung u;
    F_Haupt h{u.k};
    void SetUp() override { h.Form_Load({}); }
    QAction& Rückgängig() { return h.Menüeintrag("M_Rückgängig"); }
    QAction& Wiederholen() { return h.Menüeintrag("M_Wiederholen"); }
    Dialograhmen& Kurbeltrieb() {
        h.RahmenfensterZeigen("M_Kurbeltrieb", true);
        return *h.Rahmenfenster("M_Kurbeltrieb");
    }
    QString Zustand() const { return h.Anzeige("T_Dateiname").text(); }
};

TEST_F(HauptVerlauf, AnAppliedDialogIsTakenBackAndDoneAgain) {
    EXPECT_FALSE(Rückgängig().isEnabled());
    EXPECT_EQ(Rückgängig().shortcut(), QKeySequence(QKeySequence::Undo));
    Dialograhmen& d = Kurbeltrieb();
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

    // A failed apply adds no step; the language follows a switch.
    d.E(&Modell::KWRadius)->setText("-1");
    d.Knopf_Übernehmen_Click();
    EXPECT_EQ(u.plattform.Meldungen().size(), 1u);
    h.M_Sprache_Click();
    EXPECT_EQ(Rückgängig().text(), "&Undo: Crank Assembly");
    EXPECT_FALSE(Wiederholen().isEnabled());
}

TEST_F(HauptVerlauf, ConversionAndDefaultEnginesAreStepsALoadStartsAfresh) {
    h.M_Umrechnen_Click();
    ASSERT_EQ(u.m.Einheit, "[inch]");
    h.M_Grunddaten_Click("[mm]");
    EXPECT_EQ(Zustand(), "Grunddaten in [mm]  / nicht geändert");

    Rückgängig().trigger(); // back to the converted engine, not saved
    EXPECT_EQ(u.m.Einheit, "[inch]");
    EXPECT_FLOAT_EQ(u.m.KWRadius, 51 / 25.4f);
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

} // namespace
} // namespace vapro
