// The lever-range window driven through the main window as a user meets it.

#include "ui/analysis/F_Steuerungsverlauf.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/analysis/Verlaufsvorrat.h"
#include "core/numbers/Zahlenformat.h"
#include "core/persist/Pruefeinstellungen.h"
#include "core/persist/Start.h"
#include "tests/ui/Umgebung.h"
#include "ui/dialogs/F_Kurbeltrieb.h"
#include "ui/mainwindow/F_Haupt.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {
namespace {

struct MitVerlauf : test::MitHaupt {
    F_Steuerungsverlauf* f = nullptr;
    void SetUp() override {
        if (h.Läuft()) h.Knopf_Start_Stop_Click();
        h.Menüeintrag("M_Steuerungsverlauf").trigger();
        f = dynamic_cast<F_Steuerungsverlauf*>(h.Rahmenfenster("M_Steuerungsverlauf"));
        ASSERT_TRUE(f && f->isVisible());
        f->DezimalzeichenSetzen('.');
        h.Timer1_Timer();
    }
    QString Zelle(QTableWidget* t, int zeile, int spalte) const {
        return t->item(zeile, spalte)->text();
    }
    QString Ergebnis(Prüfart art) const {
        for (size_t i = 0; i < f->Prüfergebnisse().size(); ++i)
            if (f->Prüfergebnisse()[i].Art == art) return Zelle(f->G_Prüfung, int(i), 6);
        return {};
    }
};

TEST_F(MitVerlauf, DraggingTheLeverMovesTheMarkerWithoutComputingTheRangeAgain) {
    EXPECT_EQ(u.m.SteuerungsverlaufZeigen, Wahr);
    EXPECT_TRUE(h.Menüeintrag("M_Steuerungsverlauf").isChecked());
    const uint32_t berechnungen = u.k.verläufe.Berechnungen();
    const int bilder = f->Neuzeichnungen();
    ASSERT_TRUE(f->Graph().MarkeX());
    const double x = *f->Graph().MarkeX();
    QSlider& hebel = h.SliderUmWinkel();
    for (int i = 0; i <= 30; ++i)
        hebel.setValue(hebel.minimum() + i);
    Takte(20);
    h.K_NullGrad_Click(); // the same engine recomputed for the picture
    Takte(1);
    EXPECT_EQ(u.k.verläufe.Berechnungen(), berechnungen);
    EXPECT_EQ(f->Neuzeichnungen(), bilder);
    ASSERT_TRUE(f->Graph().MarkeX());
    EXPECT_NE(*f->Graph().MarkeX(), x) << "the marker follows the lever";

    // Another engine: once, at the next frame.
    auto* kurbel = Öffnen<F_Kurbeltrieb>("M_Kurbeltrieb");
    kurbel->E(&Modell::PLänge)->setText("200");
    kurbel->Knopf_Übernehmen_Click();
    Takte(3);
    EXPECT_EQ(u.k.verläufe.Berechnungen(), berechnungen + 1);
    EXPECT_EQ(f->Neuzeichnungen(), bilder + 1);
}

TEST_F(MitVerlauf, TableShowsTheRangeOfTheCore) {
    const Steuerungsverlauf v = SteuerungsverlaufBerechnen(u.m, Fensterschritt(u.m));
    ASSERT_EQ(f->G_Verlauf->rowCount(), static_cast<int>(v.Punkte.size() * 4));
    // row: lever angle 0, direction 1, end 2, then the figures
    const int zeile = 4 * 10 + 3; // the eleventh angle, backwards, bottom
    const Verlaufsende& e = v.Punkte[10].Ende(false, false);
    EXPECT_EQ(Zelle(f->G_Verlauf, zeile, 0), Q(FormatMuster(v.Punkte[10].UmWinkelGrad, "0.0#")));
    EXPECT_EQ(Zelle(f->G_Verlauf, zeile, 4), Q(FormatMuster(e.Füllung->Prozent, "0.0")));

    // With the table in front, "Export ..." writes the table as CSV: a line
    // per row, the same figures in full.
    f->Reiter->setCurrentIndex(1);
    QTemporaryDir ordner;
    u.plattform.dateien = {ordner.filePath("verlauf.csv")};
    f->M_Export->trigger();
    QFile csv(ordner.filePath("verlauf.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QStringList zeilen = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), f->G_Verlauf->rowCount() + 1);
    EXPECT_FLOAT_EQ(zeilen[1 + zeile].split(',').value(4).toFloat(), e.Füllung->Prozent);

    // An engine whose ports never open: no cut-off, shown as such.
    auto* schieber = Öffnen<Dialograhmen>("M_Schieber");
    schieber->E(&Modell::SchiEO)->setText("100");
    schieber->E(&Modell::SchiEU)->setText("100");
    schieber->Knopf_Übernehmen_Click();
    Takte(1);
    EXPECT_EQ(Zelle(f->G_Verlauf, zeile, 4), "---");
    EXPECT_EQ(Ergebnis(Prüfart::FüllungVollauslage), "Warnung");
    u.plattform.Meldungen(); // whatever the slide-valve dialog had to say
}

TEST_F(MitVerlauf, TargetsAreAppliedRepairedKeptAndSurviveARestart) {
    // typed targets in the table's order; what the fields show afterwards
    const std::array<const char*, 8> getippt{"90", "0", "150", "-1", "0.004", "3", "50", "75"};
    for (size_t i = 0; i < getippt.size(); ++i)
        f->E_Grenze[i]->setText(getippt[i]);
    f->Knopf_Übernehmen->click();
    const std::array<const char*, 8> gezeigt{"0", "90", "100", "0", "0.004", "3", "50", "75"};
    for (size_t i = 0; i < gezeigt.size(); ++i)
        EXPECT_EQ(f->E_Grenze[i]->text(), gezeigt[i]) << i;
    EXPECT_EQ(u.speicher.Lesen(AbschnittPrüfung, "FüllungMax", ""), "90");
    EXPECT_EQ(Ergebnis(Prüfart::FüllungGleich), "gut") << "3 … 100 % apart is within 100";
    EXPECT_FALSE(u.k.zustand.verlauf.NameRückgängig()) << "targets are no engine change";

    // A word where a number belongs: reported, and nothing stored.
    f->E_Grenze[0]->setText("viel");
    f->Knopf_Übernehmen_Click();
    ASSERT_EQ(u.plattform.Meldungen().size(), 1u);
    EXPECT_EQ(PrüfgrenzenLaden(u.speicher).FüllungMin, 0);

    // The next run of the program opens the window with the same targets.
    test::Umgebung zweite;
    zweite.speicher = u.speicher;
    zweite.speicher.Schreiben(AbschnittAktuell, "Steuerungsverlauf Zeigen", "True");
    F_Haupt neu(zweite.k);
    neu.Form_Load({});
    auto* g = dynamic_cast<F_Steuerungsverlauf*>(neu.Rahmenfenster("M_Steuerungsverlauf"));
    ASSERT_TRUE(g && g->isVisible());
    EXPECT_EQ(g->E_Grenze[1]->text(), "90");
    EXPECT_EQ(g->E_Grenze[2]->text(), "100");
}

} // namespace
} // namespace vapro
