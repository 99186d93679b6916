#include "ui/analysis/F_SteuerzeitenTabelle.h"

#include <QAction>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/analysis/Steuerzeiten.h"
#include "core/analysis/Steuerzeitentabelle.h"
#include "core/model/Schieber.h"
#include "core/persist/Maschinendatei.h"
#include "core/persist/Start.h"
#include "tests/core/Maschine.h"
#include "tests/ui/Umgebung.h"
#include "ui/mainwindow/F_Haupt.h"

namespace vapro {
namespace {

struct Messwerte : ::testing::Test {
    test::Umgebung u;
    F_Haupt h{u.k};
    F_SteuerzeitenTabelle* t = nullptr;
    void SetUp() override {
        h.Form_Load({});
        h.RahmenfensterZeigen("M_Meßwerte", true);
        t = dynamic_cast<F_SteuerzeitenTabelle*>(h.Rahmenfenster("M_Meßwerte"));
        ASSERT_NE(t, nullptr);
    }
    QString Zelle(int z, int s) const { return t->G_Meß->item(z, s)->text(); }
    // What the table must show for the engine as it is now.
    Steuerzeitenzellen Soll() const {
        Modell m = u.m;
        SpiegelBerechnen(m);
        SteuerzeitenSuchen(m);
        SteuerzeitenAuswerten(m);
        return SteuerzeitenWerte(m, u.sprache, t->Dezimalzeichen());
    }
    void ZeigtSoll(const char* wann) const {
        const Steuerzeitenzellen soll = Soll();
        for (int z = 0; z < SteuerzeitenZeilen; ++z)
            for (int s = 0; s < SteuerzeitenSpalten; ++s) {
                const std::string& text = soll[static_cast<size_t>(z)][static_cast<size_t>(s)];
                if (text.empty()) continue;
                EXPECT_EQ(Zelle(z, s), Q(text)) << wann << " " << z << "/" << s;
            }
    }
    void Drehen(int schritte) {
        for (int i = 0; i < schritte; ++i) {
            WinkelWeiter(u.m);
            Schritt(u.m, *u.k.ansichten);
        }
    }
    // A value no search writes: it stays until the next search.
    void Markieren() { u.m.EinlaßAufOben.Winkel = 1234; }
    bool Gesucht() const { return u.m.EinlaßAufOben.Winkel != 1234; }
};

TEST_F(Messwerte, OpensWithCaptionsValuesAndItsMenuTick) {
    EXPECT_EQ(u.m.MeßwerteZeigen, Wahr);
    EXPECT_TRUE(h.Menüeintrag("M_Meßwerte").isChecked());
    EXPECT_EQ(t->windowTitle(), "Steuerzeiten - Tabelle");
    EXPECT_EQ(t->Ü_1[1]->text(), " Resultierende Steuerzeiten");
    EXPECT_EQ(std::tuple(Zelle(1, 0), Zelle(1, 2), Zelle(9, 5), Zelle(13, 0), Zelle(15, 5)),
              std::tuple(QString("Oben"), QString("[mm]"), QString("Unten"), QString("Auslaß Zu"),
                         QString("Kompression")));
    EXPECT_EQ(t->G_Meß->item(2, 0)->foreground().color(), QColor(255, 0, 0));
    ZeigtSoll("opened");

    h.M_Sprache_Click();
    EXPECT_EQ(t->windowTitle(), "Open/Close Data");
    EXPECT_EQ(std::tuple(Zelle(2, 5), Zelle(6, 5)),
              std::tuple(QString("Intake open"), QString("Fullness")));
    EXPECT_TRUE(Zelle(2, 6).contains("TDC") || Zelle(2, 6).contains("BDC"));

    h.RahmenfensterZeigen("M_Meßwerte", false);
    EXPECT_EQ(u.m.MeßwerteZeigen, Falsch);
    EXPECT_FALSE(u.speicher.Lesen(AbschnittAktuell, "Meßwerte x", "").empty());
}

TEST_F(Messwerte, TurningAloneCostsNoSearchAndEachChangeRefreshesAtTheNextStep) {
    Drehen(1);
    Markieren();
    Drehen(40); // more than a revolution at 10° a step
    EXPECT_FALSE(Gesucht()) << "turning moves no valve event";

    const std::pair<const char*, std::function<void(Modell&)>> änderungen[] = {
        {"lever", [](Modell& m) { m.UmWinkel = test::Grad(20); }},
        {"angle step", [](Modell& m) { m.WinkelSchritt = 7.5f; }},
        {"direction", [](Modell& m) { m.Drehrichtung = !m.Drehrichtung; }},
        {"geometry",
         [this](Modell& m) {
             m.SchiEU += 1;
             Neuberechnung(m, *u.k.ansichten, Anlass::Eingabe);
         }},
    };
    for (const auto& [was, ändern] : änderungen) {
        Markieren();
        ändern(u.m);
        Drehen(1);
        EXPECT_TRUE(Gesucht()) << was;
        ZeigtSoll(was);
        Markieren();
        Drehen(2);
        EXPECT_FALSE(Gesucht()) << was;
    }
    EXPECT_TRUE(u.plattform.Meldungen().empty());
}

TEST_F(Messwerte, LoadingAnotherFileRefreshesTheTable) {
    QTemporaryDir ordner;
    const QString a = ordner.filePath("a.kmf"), b = ordner.filePath("b.kmf");
    Modell mb = u.m;
    mb.KaWeiO += 2;
    mb.UmWinkel = test::Grad(25);
    ASSERT_TRUE(Speichern(u.m, std::filesystem::path(a.toStdString()), u.sprache, "").ok);
    ASSERT_TRUE(Speichern(mb, std::filesystem::path(b.toStdString()), u.sprache, "").ok);
    // The load settles the direction of rotation last; the next step shows it.
    ASSERT_TRUE(h.Ladeaktion(b));
    Schritt(u.m, *u.k.ansichten);
    ZeigtSoll("file b");
    const QString wegB = Zelle(3, 8);
    ASSERT_TRUE(h.Ladeaktion(a));
    Schritt(u.m, *u.k.ansichten);
    ZeigtSoll("file a");
    EXPECT_NE(Zelle(3, 8), wegB);
    EXPECT_TRUE(u.plattform.Meldungen().empty());
}

TEST_F(Messwerte, MissingEventShowsDashesNotTheTravelOfTheLastSearch) {
    u.m.SchiEO += 60; // the top port never opens to the chest
    SchieberAbleiten(u.m);
    Neuberechnung(u.m, *u.k.ansichten, Anlass::Eingabe);
    Drehen(1);
    EXPECT_EQ(Zelle(2, 1), "-1.0");
    for (int s : {2, 3, 6, 7, 8, 9})
        EXPECT_EQ(Zelle(2, s), "---") << s;
    EXPECT_EQ(Zelle(6, 8), "---");
    EXPECT_NE(Zelle(10, 8), "---");
}

// A search that fails half way round stays inside the table: no message from
// the running step, dashes, and no new attempt until the engine changes.
TEST_F(Messwerte, SolverFailureInsideTheSearchStaysInTheTable) {
    u.m.PLänge = u.m.KWRadius / 2; // fails near 90°, not at 0°
    u.m.Winkel = 0;
    GeometriestandErhöhen(u.m);
    Schritt(u.m, *u.k.ansichten);
    EXPECT_EQ(Zelle(2, 1), "---");
    EXPECT_EQ(Zelle(7, 9), "---");
    Markieren();
    Schritt(u.m, *u.k.ansichten);
    EXPECT_FALSE(Gesucht());
    EXPECT_EQ(u.m.Winkel, 0);
    EXPECT_TRUE(u.plattform.Meldungen().empty());
}

} // namespace
} // namespace vapro
