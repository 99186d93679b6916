#include "ui/analysis/F_Einstellung.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "core/model/Verlauf.h"
#include "tests/ui/Umgebung.h"
#include "ui/mainwindow/F_Haupt.h"

namespace vapro {
namespace {

struct EinstellungFenster : test::MitHaupt {
    F_Einstellung& Fenster() {
        if (!h.RahmenfensterOffen("M_Einstellung")) h.Menüeintrag("M_Einstellung").trigger();
        return static_cast<F_Einstellung&>(*h.Rahmenfenster("M_Einstellung"));
    }
    static void Frei(F_Einstellung& f, std::initializer_list<const char*> namen) {
        for (const auto& z : f.Zeilen())
            z.C_Frei->setChecked(false);
        for (const char* n : namen)
            f.Zeile(n).C_Frei->setChecked(true);
    }
    static void Abwarten(F_Einstellung& f) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !f.Läuft(); }, 60000));
    }
    Dialograhmen& Schieber() { return *Öffnen<Dialograhmen>("M_Schieber"); }
    QString Rückgängig() { return h.Menüeintrag("M_Rückgängig").text(); }
};

// Every field a machine file holds, bit for bit.
void GleicheFelder(const Modell& a, const Modell& b, const char* wo) {
    for (const Feld& f : Felder())
        if (f.satz) {
            EXPECT_EQ(FeldLesen(a, f), FeldLesen(b, f)) << wo << ": " << f.name;
        }
}

TEST_F(EinstellungFenster, AnAppliedSettingIsOneStepThatUndoTakesBackBitForBit) {
    Dialograhmen& schieber = Schieber();
    schieber.E(&Modell::SstLänge)->setText("79.5");
    schieber.Knopf_Übernehmen_Click();
    ASSERT_EQ(u.m.SstLänge, 79.5f);
    const Modell verstellt = u.m;

    F_Einstellung& f = Fenster();
    Frei(f, {"SstLänge"});
    f.Knopf_Starten_Click();
    Abwarten(f);
    ASSERT_TRUE(f.Ergebnis() && f.Ergebnis()->Verbessert());
    EXPECT_EQ(u.m.SstLänge, 79.5f) << "the search works on a copy";
    ASSERT_TRUE(f.Knopf_Anwenden->isEnabled());

    const double gefunden = f.Ergebnis()->nachher[0];
    f.Knopf_Anwenden->click();
    EXPECT_EQ(u.m.SstLänge, static_cast<float>(gefunden));
    EXPECT_EQ(Rückgängig(), "&Rückgängig: Automatische Einstellung");
    EXPECT_FLOAT_EQ(schieber.E(&Modell::SstLänge)->text().toFloat(), u.m.SstLänge)
        << "the open dialogs follow";
    const Modell gesetzt = u.m;

    // Undo and redo across the setting, a dialog apply and a unit conversion.
    h.M_Umrechnen_Click();
    ASSERT_EQ(u.m.Einheit, "[inch]");
    const Modell umgerechnet = u.m;
    h.Menüeintrag("M_Rückgängig").trigger();
    GleicheFelder(u.m, gesetzt, "conversion undone");
    h.Menüeintrag("M_Rückgängig").trigger();
    GleicheFelder(u.m, verstellt, "setting undone");
    EXPECT_EQ(f.Zeile("SstLänge").A_Jetzt->text(), "79.5");
    h.Menüeintrag("M_Rückgängig").trigger();
    EXPECT_EQ(u.m.SstLänge, 75.5f);
    EXPECT_FALSE(h.Menüeintrag("M_Rückgängig").isEnabled());
    for (int i = 0; i < 3; ++i)
        h.Menüeintrag("M_Wiederholen").trigger();
    GleicheFelder(u.m, umgerechnet, "all redone");
}

TEST_F(EinstellungFenster, CancelKeepsTheBestSoFarAndTheWindowStaysResponsive) {
    u.m.SstLänge += 4;
    F_Einstellung& f = Fenster();
    f.Einschreiben();
    Frei(f, {"SstLänge", "ExVorWinkel", "ExRückWinkel"});
    f.E_Zeit->setText("60");
    f.Knopf_Starten_Click();
    // Reports arrive through the event loop while the search runs.
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.A_Stand->text().contains("Auswertungen"); }, 30000));
    EXPECT_TRUE(f.Läuft());
    EXPECT_TRUE(f.Knopf_Abbrechen->isEnabled());
    f.Knopf_Abbrechen->click();
    Abwarten(f);
    ASSERT_TRUE(f.Ergebnis());
    EXPECT_TRUE(f.Ergebnis()->abgebrochen);
    EXPECT_TRUE(f.A_Stand->text().contains("abgebrochen")) << f.A_Stand->text().toStdString();
    EXPECT_LE(f.Ergebnis()->zielNachher, f.Ergebnis()->zielVorher);

    // Closing a window whose search still runs ends the search with it.
    f.Knopf_Starten_Click();
    QPointer<F_Einstellung> zu(&f);
    f.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(zu.isNull());
    EXPECT_EQ(u.m.EinstellungZeigen, Falsch);
}

TEST_F(EinstellungFenster, BadRequestsAreReportedAndStartNothing) {
    F_Einstellung& f = Fenster();
    Frei(f, {"SchiEO"});
    f.Zeile("SchiEO").E_Von->setText("6"); // bounds that leave out the value
    f.Knopf_Starten_Click();
    EXPECT_FALSE(f.Läuft());
    ASSERT_EQ(u.plattform.Meldungen().size(), 1u);
    EXPECT_TRUE(u.plattform.Meldungen()[0].text.contains("Die Grenzen von SchiEO"));

    // An engine that does not reverse cannot be set; the window says why.
    u.m.Umsteuertyp = 1;
    u.m.ExRückWinkel = u.m.ExVorWinkel;
    f.Einschreiben();
    Frei(f, {"SstLänge"});
    f.Knopf_Starten_Click();
    Abwarten(f);
    EXPECT_FALSE(f.Ergebnis());
    EXPECT_FALSE(f.Knopf_Anwenden->isEnabled());
    EXPECT_TRUE(f.A_Stand->text().startsWith("Die Maschine lässt sich so nicht einstellen"));
}

TEST_F(EinstellungFenster, AResultForAnEngineChangedSinceIsNotApplied) {
    u.m.SstLänge += 4;
    F_Einstellung& f = Fenster();
    f.Einschreiben();
    Frei(f, {"SstLänge"});
    f.Knopf_Starten_Click();
    Abwarten(f);
    ASSERT_TRUE(f.Knopf_Anwenden->isEnabled());

    Dialograhmen& schieber = Schieber();
    schieber.E(&Modell::SchiEO)->setText("6");
    schieber.Knopf_Übernehmen_Click();
    const Modell geändert = u.m;
    f.Knopf_Anwenden_Click();
    ASSERT_EQ(u.plattform.Meldungen().size(), 1u);
    EXPECT_TRUE(u.plattform.Meldungen()[0].text.startsWith("Die Maschine wurde seit der Suche"));
    GleicheFelder(u.m, geändert, "refused");
    EXPECT_EQ(Rückgängig(), "&Rückgängig: Schieber");
}

} // namespace
} // namespace vapro
