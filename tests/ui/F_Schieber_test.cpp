#include "ui/dialogs/F_Schieber.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/ui/Umgebung.h"

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
    for (const Fall& f : {Fall{"10", "10", 9.999f, true}, Fall{"10", "9", 9, false},
                          Fall{"0.0005", "3", 0, true}}) {
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

TEST_F(F_Schieber_, ModeSwitchChangesNothingUntilApply) {
    u.m.SchiLaufO = 50; // typed geometry a switch must not derive from yet
    Tippen(&Modell::SchiLaufO, "50");
    const float eo = u.m.SchiEO, laufO = u.m.SchiLaufO;
    const int16_t stand = u.m.Geometriestand;
    d.O_Schiebergeometrie->click();
    EXPECT_EQ(std::tuple(u.m.SchieberEingabe, u.m.SchiEO, u.m.SchiLaufO, u.m.Geometriestand),
              std::tuple(0, eo, laufO, stand));
    d.Knopf_Übernehmen_Click();
    EXPECT_NE(u.m.Geometriestand, stand);
}

TEST_F(F_Schieber_, TabReachesOnlyTheEnteredSet) {
    struct Fall {
        QRadioButton* knopf;
        std::vector<Länge> reihe;
        Länge abgeleitet;
    };
    const std::vector<Länge> rest{&Modell::SchiTiefe, &Modell::SchiInTiefe, &Modell::SstLänge};
    for (const Fall& f : {Fall{d.O_Überdeckung,
                               {&Modell::SchiEO, &Modell::SchiIO, &Modell::SchiEU, &Modell::SchiIU},
                               &Modell::SchiLaufO},
                          Fall{d.O_Schiebergeometrie,
                               {&Modell::SchiMitte, &Modell::SchiLaufO, &Modell::SchiLaufU},
                               &Modell::SchiEO}}) {
        f.knopf->click();
        std::vector<Länge> erwartet = f.reihe;
        erwartet.insert(erwartet.end(), rest.begin(), rest.end());
        d.E(erwartet.front())->setFocus();
        for (size_t i = 1; i < erwartet.size(); ++i) {
            QTest::keyClick(d.focusWidget(), Qt::Key_Down);
            EXPECT_EQ(d.focusWidget(), d.E(erwartet[i])) << i;
        }
        // Derived fields are shown in the window's colour, entered ones white.
        EXPECT_EQ(d.E(f.abgeleitet)->palette().color(QPalette::Base),
                  d.palette().color(QPalette::Window));
        EXPECT_EQ(d.E(f.reihe.front())->palette().color(QPalette::Base), QColor(Qt::white));
    }
}

} // namespace
} // namespace vapro
