#include "ui/analysis/F_Betriebsparameter.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/model/Bewegung.h"
#include "core/persist/Maschinendatei.h"
#include "tests/ui/Umgebung.h"
#include "ui/mainwindow/F_Haupt.h"

namespace vapro {
namespace {

struct Betriebsparameter : ::testing::Test {
    test::Umgebung u;
    Ansichten ansichten;
    F_Betriebsparameter d{u.k};
    Betriebsparameter() {
        u.k.ansichten = &ansichten;
        Neuberechnung(u.m, ansichten, Anlass::NeueDaten);
        d.Form_Load();
    }
    void Tippen(FeldOrt feld, const char* text) { d.E(feld)->setText(QString::fromUtf8(text)); }
};

TEST_F(Betriebsparameter, SpeedSliderStepsRoundHalfUpAndRewriteTheMaximum) {
    // typed maximum and step; slider steps, stored maximum and step
    const std::tuple<const char*, const char*, int, int16_t, int16_t> fälle[] = {
        {"1000", "300", 3, 900, 300}, {"1000", "400", 3, 1200, 400}, // 2.5 goes up
        {"500", "20", 25, 500, 20},   {"99999", "300", 33, 9900, 300},
        {"1000", "0", 1000, 1000, 1}, // a step of 0 would divide by zero
        {"0,05", "10", 0, 0, 1},      // below 0.1 the maximum is 0
    };
    for (const auto& [max, schritt, schritte, maxNeu, schrittNeu] : fälle) {
        d.DezimalzeichenSetzen(',');
        Tippen(&Modell::DrehzahlMax, max);
        Tippen(&Modell::DrehzahlSchrittweite, schritt);
        d.Knopf_Übernehmen_Click();
        EXPECT_EQ(std::tuple(d.S_Drehzahl->maximum(), u.m.DrehzahlMax, u.m.DrehzahlSchrittweite),
                  std::tuple(schritte, maxNeu, schrittNeu))
            << max << " / " << schritt;
        EXPECT_EQ(d.E(&Modell::DrehzahlMax)->text(), QString::number(maxNeu));
        EXPECT_LE(u.m.Drehzahl, u.m.DrehzahlMax);
    }
    Tippen(&Modell::DrehzahlMax, "1000");
    Tippen(&Modell::DrehzahlSchrittweite, "300");
    d.Knopf_Übernehmen_Click();
    d.S_Drehzahl->setValue(2);
    EXPECT_EQ(u.m.Drehzahl, 600);
    EXPECT_EQ(std::tuple(d.A_Drehzahl->text(), d.A_DrehzahlBei->text()),
              std::tuple(QString("600"), QString("600")));
}

TEST_F(Betriebsparameter, LimitsAndABadEntryInTheCurrentLanguage) {
    Tippen(&Modell::PO1, "600");
    Tippen(&Modell::PO2, "700");
    Tippen(&Modell::Überhitzung, "1.5");
    Tippen(&Modell::MechWirkungsgrad, "-4");
    d.Knopf_Übernehmen_Click();
    EXPECT_EQ(std::tuple(u.m.PO1, u.m.PO2, u.m.Überhitzung, u.m.MechWirkungsgrad),
              std::tuple(500.0f, 500.0f, 1.3f, int16_t{0}));
    EXPECT_EQ(d.E(&Modell::Überhitzung)->text(), "1.3");

    const std::pair<int16_t, const char*> sprachen[] = {
        {SprachbasisDeutsch, "Fehler in den Betriebsparametern\n\nEinige Werte passen nicht "
                             "zusammen\nBitte erneut versuchen."},
        {SprachbasisEnglisch, "Error in the operating parameters\n\nSome values do not fit "
                              "together\nPlease try again."}};
    for (const auto& [sprache, meldung] : sprachen) {
        SpracheEinstellen(u.sprache, sprache);
        d.WechselSprache();
        Tippen(&Modell::PO1, "12");
        Tippen(&Modell::PO2, "2");
        Tippen(&Modell::Überhitzung, "x");
        d.Knopf_Übernehmen_Click();
        EXPECT_EQ(std::tuple(u.m.PO1, u.m.PO2, u.m.Überhitzung), std::tuple(12.0f, 2.0f, 1.3f));
        const auto& m = u.plattform.Meldungen();
        ASSERT_EQ(m.size(), sprache == SprachbasisDeutsch ? 1u : 2u);
        EXPECT_EQ(m.back().text, QString::fromUtf8(meldung));
        EXPECT_EQ(m.back().symbol, Symbol::Stopp);
        EXPECT_EQ(d.E(&Modell::Überhitzung)->text(), "x") << "a rejected entry is not refilled";
    }
}

// A chest pressure above the table's last row leaves only the steam cells
// empty; power and torque follow the new pressure all the same.
TEST_F(Betriebsparameter, PressureAboveTheTableBlanksOnlyTheSteamCells) {
    auto steam = [this] {
        return std::vector{d.A_Sättigungstemperatur->text(), d.A_V2Strich->text(),
                           d.A_Druck->text(), d.A_DampfgewichtMin->text(),
                           d.A_DampfgewichtStunde->text()};
    };
    // chest pressure; steam cells filled
    const std::pair<const char*, bool> fälle[] = {{"11", true}, {"300", false}, {"200", true}};
    QString leistung;
    for (const auto& [druck, gefüllt] : fälle) {
        Tippen(&Modell::PO1, druck);
        d.Knopf_Übernehmen_Click();
        for (const QString& zelle : steam())
            EXPECT_EQ(zelle.isEmpty(), !gefüllt) << druck;
        EXPECT_NE(d.A_LeistungKW->text(), leistung) << druck;
        leistung = d.A_LeistungKW->text();
        EXPECT_NE(d.A_DrehmomentNm->text(), "0.000") << druck;
    }
    EXPECT_EQ(d.A_Sättigungstemperatur->text(), "365.75"); // the row at 200 bara
}

// With no other window open, the cut-off and the mean pressure still follow
// the lever: the valve events are searched again when the engine changed.
TEST_F(Betriebsparameter, CutOffAndMeanPressureFollowTheLever) {
    auto füllung = [this] { return d.G_Hub->item(2, 3)->text(); };
    EXPECT_EQ(std::tuple(d.G_Hub->item(2, 1)->text(), d.G_Hub->item(2, 2)->text()),
              std::tuple(QString("83.4"), QString("79.0")));
    const QString vorher = füllung(), pm = d.TE_PMittel->text();
    u.m.UmWinkel /= 2;
    d.S_Drehzahl->setValue(d.S_Drehzahl->value() - 1);
    EXPECT_NE(füllung(), vorher);
    EXPECT_NE(d.TE_PMittel->text(), pm);
}

TEST_F(Betriebsparameter, StandingEngineAndInchUnits) {
    d.S_Drehzahl->setValue(0);
    for (auto [l, null] : {std::pair{d.A_Dampfvolumen, "0"},
                           {d.A_LeistungKW, "0.000"},
                           {d.A_WellenleistungKW, "0.000"},
                           {d.A_DrehmomentNm, "0.000"}})
        EXPECT_EQ(l->text(), null);

    test::Umgebung zoll(false);
    F_Betriebsparameter z{zoll.k};
    z.Form_Load();
    EXPECT_TRUE(z.A_DampfvolumenKubikmeter->text().isEmpty());
    EXPECT_FALSE(z.A_V2Strich->text().isEmpty()) << "the US table, with its window never opened";
    EXPECT_EQ(z.G_Hub->item(1, 4)->text(), "cu in");
}

struct MitHauptfenster : test::MitHaupt {
    F_Betriebsparameter* d = Öffnen<F_Betriebsparameter>("M_Betriebsparameter");
    void SetUp() override { ASSERT_NE(d, nullptr); }
    QString Hubvolumen() const { return d->G_Hub->item(1, 3)->text(); }
};

TEST_F(MitHauptfenster, TypingWhileTheEngineTurnsKeepsTheText) {
    ASSERT_EQ(u.m.BetriebsparameterZeigen, Wahr);
    const QString vorher = Hubvolumen();
    d->E(&Modell::PO1)->setText("12");
    Schritt(u.m, *u.k.ansichten);
    // Another window changes the bore; the next step shows it.
    u.m.KDurchmesser += 10;
    Neuberechnung(u.m, *u.k.ansichten, Anlass::Eingabe);
    Schritt(u.m, *u.k.ansichten);
    Schritt(u.m, *u.k.ansichten);
    EXPECT_NE(Hubvolumen(), vorher);
    EXPECT_EQ(d->E(&Modell::PO1)->text(), "12");
}

} // namespace
} // namespace vapro
