// The slide valve and its valve chest: laps and geometry giving each other,
// repairs, entry modes, and the chest refilling the open valve window.

#include "ui/dialogs/F_Schieber.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "core/model/Schieber.h"
#include "tests/ui/Umgebung.h"
#include "ui/dialogs/F_Schieka.h"

namespace vapro {
namespace {

using Länge = float Modell::*;

struct F_Schieber_ : ::testing::Test {
    test::Umgebung u;
    Ansichten ansichten;
    F_Schieber d{u.k};
    F_Schieber_() {
        u.k.ansichten = &ansichten;
        // Ports 25, bridges 15, central port 40.
        u.m.KaWeiO = u.m.KaWeiU = 25;
        u.m.KaDamO = u.m.KaDamU = 15;
        u.m.KaWeiM = 40;
        d.Form_Load();
    }
    QString Text(Länge feld) const { return d.E(feld)->text(); }
    void Tippen(Länge feld, const char* text) { d.E(feld)->setText(text); }
};

TEST_F(F_Schieber_, LapsAndGeometryGiveEachOther) {
    d.O_Überdeckung->click();
    for (auto [f, t] : {std::pair{&Modell::SchiEO, "5"},
                        {&Modell::SchiEU, "5"},
                        {&Modell::SchiIO, "1"},
                        {&Modell::SchiIU, "1"}})
        Tippen(f, t);
    d.Knopf_Übernehmen_Click();
    EXPECT_EQ(std::tuple(Text(&Modell::SchiLaufO), Text(&Modell::SchiLaufU),
                         Text(&Modell::SchiLänge), Text(&Modell::SchiMitte)),
              std::tuple("31", "31", "130", "68"));

    // Entered by its geometry, a longer top face gives a larger top lap only.
    d.O_Schiebergeometrie->click();
    Tippen(&Modell::SchiLaufO, "35");
    Tippen(&Modell::SchiEO, "99"); // derived: overwritten
    d.Knopf_Übernehmen_Click();
    EXPECT_EQ(std::tuple(Text(&Modell::SchiIO), Text(&Modell::SchiIU), Text(&Modell::SchiEO),
                         Text(&Modell::SchiEU), Text(&Modell::SchiLänge)),
              std::tuple("1", "1", "9", "5", "134"));
}

TEST_F(F_Schieber_, CavityAsDeepAsTheBodyIsCorrectedWithAMessage) {
    struct Fall {
        const char *tiefe, *innen;
        float erwartet;
        bool meldung;
    };
    size_t gemeldet = 0;
    for (const Fall& f : {Fall{"10", "10", 9.999f, true}, Fall{"0.0005", "3", 0, true}}) {
        Tippen(&Modell::SchiTiefe, f.tiefe);
        Tippen(&Modell::SchiInTiefe, f.innen);
        Tippen(&Modell::SstLänge, "80");
        d.Knopf_Übernehmen_Click();
        EXPECT_FLOAT_EQ(u.m.SchiInTiefe, f.erwartet) << f.tiefe;
        EXPECT_EQ(u.m.SstLänge, 80.0f); // the apply goes on
        const auto& meldungen = u.plattform.Meldungen();
        gemeldet += f.meldung;
        ASSERT_EQ(meldungen.size(), gemeldet) << f.tiefe;
        if (f.meldung) {
            EXPECT_EQ(
                std::pair(meldungen.back().text, meldungen.back().symbol),
                std::pair(QString("Werte passen nicht zueinander !\n\nAuomatische Anpassung..."),
                          Symbol::Keins));
        }
    }
}

constexpr Länge kSpiegel[] = {&Modell::KaLaufO, &Modell::KaWeiO, &Modell::KaDamO, &Modell::KaWeiM,
                              &Modell::KaDamU,  &Modell::KaWeiU, &Modell::KaLaufU};

struct F_Schieka_ : ::testing::Test {
    test::Umgebung u;
    Ansichten ansichten;
    F_Schieka d{u.k};
    F_Schieka_() {
        u.k.ansichten = &ansichten;
        d.Form_Load();
    }
    void Tippen(Länge feld, const char* text) { d.E(feld)->setText(text); }
};

TEST_F(F_Schieka_, ShowsPortFaceAndChestLengthRepairsPassages) {
    const char* teile[] = {"20", "25", "15", "40", "15", "25", "20"};
    for (int i = 0; i < 7; ++i)
        Tippen(kSpiegel[i], teile[i]);
    Tippen(&Modell::SkOben, "30");
    Tippen(&Modell::SkUnten, "40");
    Tippen(&Modell::SkBreite, "0");
    Tippen(&Modell::KanallängeUnten, "-2");
    d.Knopf_Übernehmen_Click();
    const auto anzeigen = d.Form()->Anzeigen();
    ASSERT_EQ(anzeigen.size(), 2u);
    EXPECT_EQ(std::tuple(anzeigen[0]->text(), anzeigen[1]->text(), u.m.SpieLänge),
              std::tuple(QString("160"), QString("230"), 160.0f));
    EXPECT_EQ(std::tuple(d.E(&Modell::SkBreite)->text(), u.m.KanallängeUnten),
              std::tuple(QString("0.001"), 0.001f));
}

TEST_F(F_Schieka_, BadFieldKeepsEarlierOnesAndStillRecomputes) {
    const float mitteVorher = u.m.KaWeiM;
    const int16_t stand = u.m.Geometriestand;
    Tippen(&Modell::KaLaufO, "31");
    Tippen(&Modell::KaWeiO, "1-");
    Tippen(&Modell::KaWeiM, "77");
    d.Knopf_Übernehmen_Click();
    const auto& meldungen = u.plattform.Meldungen();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_TRUE(meldungen[0].text.startsWith("Geometriefehler im Schieberkasten\n\nEinige "
                                             "Werte passen nicht zusammen\nBitte erneut"));
    EXPECT_EQ(meldungen[0].symbol, Symbol::Stopp);
    // The top face is applied, the rest not; refilled and recomputed, so
    // that the port-face length and the views agree with the model.
    EXPECT_EQ(std::tuple(u.m.KaLaufO, u.m.KaWeiM, u.m.SpieLänge),
              std::tuple(31.0f, mitteVorher, static_cast<float>(Spiegellänge(u.m))));
    EXPECT_EQ(d.E(&Modell::KaWeiO)->text(), QString::number(u.m.KaWeiO));
    EXPECT_NE(u.m.Geometriestand, stand);
}

TEST_F(F_Schieka_, RefillsTheOpenValveWindowByItsEntryMode) {
    F_Schieber schieber(u.k);
    schieber.Form_Load();
    for (int16_t modus : {1, 0}) {
        u.m.SchieberEingabe = modus;
        u.m.KaWeiO = 12;
        schieber.Einschreiben();
        const float eo = u.m.SchiEO, laufO = u.m.SchiLaufO;
        Tippen(&Modell::KaWeiO, "14");
        d.Knopf_Übernehmen_Click();
        // Laps entered: the running face grows; geometry entered: the lap shrinks.
        const float erwartet = modus == 1 ? laufO + 2 : eo - 2;
        QLineEdit* geändert = schieber.E(modus == 1 ? &Modell::SchiLaufO : &Modell::SchiEO);
        EXPECT_EQ(geändert->text(), QString::number(erwartet)) << modus;
        EXPECT_EQ(modus == 1 ? u.m.SchiEO : u.m.SchiLaufO, modus == 1 ? eo : laufO) << modus;
    }
}

} // namespace
} // namespace vapro
