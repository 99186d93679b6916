#include "views/F_BildKonfiguration.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <gtest/gtest.h>

#include "Umgebung.h"
#include "render/Farben.h"

namespace vapro {
namespace {

// Where a user clicks a check box: on its indicator.
void Anklicken(QCheckBox* c) {
    QStyleOptionButton opt;
    opt.initFrom(c);
    const QRect r = c->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, c);
    QTest::mouseClick(c, Qt::LeftButton, {}, r.center());
}

struct F_BildKonfiguration_ : ::testing::Test {
    test::Umgebung u;
    Ansichten ansichten;
    F_BildKonfiguration d{u.k};
    F_BildKonfiguration_() {
        u.k.ansichten = &ansichten;
        d.Form_Load();
    }
};

TEST_F(F_BildKonfiguration_, ShowsTheModel) {
    u.m.DEX = 12.5f;
    u.m.Hilfslinie[3] = -40;
    u.m.UmKonturJa = 1;
    u.m.KaJa = 0;
    d.Einschreiben();
    EXPECT_EQ(d.E_RandLinksP->text(), "2");
    EXPECT_EQ(d.E_GelenkKurbel->text(), "50");
    EXPECT_EQ(d.E_DEX->text(), "12.5");
    EXPECT_EQ(d.E_Hilfslinie[3]->text(), "-40");
    EXPECT_TRUE(d.C_UmKonturJa->isChecked());
    EXPECT_FALSE(d.C_KaJa->isChecked());
    EXPECT_EQ(d.T_Einheit->text(), "mm");
    EXPECT_EQ(d.T_Pixel[4]->text(), "Pixel");
}

TEST_F(F_BildKonfiguration_, MarginsAreLimitedOtherValuesTakenAsTheyAre) {
    const struct {
        const char* getippt;
        int16_t rand;
    } fälle[] = {{"55", 40}, {"-3", 0}, {"40", 40}, {"0", 0}, {"17", 17}};
    for (const auto& f : fälle) {
        for (QLineEdit* e : {d.E_RandObenP, d.E_RandUntenP, d.E_RandLinksP})
            e->setText(f.getippt);
        d.E_LStärkeKurbel->setText(f.getippt);
        d.Knopf_Übernehmen_Click();
        EXPECT_EQ(u.m.RandObenP, f.rand) << f.getippt;
        EXPECT_EQ(u.m.RandUntenP, f.rand);
        EXPECT_EQ(u.m.RandLinksP, f.rand);
        EXPECT_EQ(d.E_RandObenP->text(), QString::number(f.rand));
        EXPECT_EQ(QString::number(u.m.LStärkeKurbel), f.getippt);
    }
    EXPECT_TRUE(u.plattform.meldungen.empty());
}

TEST_F(F_BildKonfiguration_, CheckBoxAppliesHalfTypedNumberElsewhere) {
    d.show();
    d.E_DEX->clear();
    QTest::keyClicks(d.E_DEX, "-7"); // typed, not yet applied
    const int16_t stand = u.m.Geometriestand;
    Anklicken(d.C_HilfslinienZeigen);
    EXPECT_EQ(u.m.HilfslinienZeigen, 1);
    EXPECT_EQ(u.m.DEX, -7.0f);
    EXPECT_EQ(u.m.Geometriestand, stand + 1);
    Anklicken(d.C_HilfslinienZeigen);
    EXPECT_EQ(u.m.HilfslinienZeigen, 0);
}

TEST_F(F_BildKonfiguration_, BadThirdFieldKeepsFirstTwoAndStops) {
    d.E_RandObenP->setText("5");
    d.E_RandUntenP->setText("6");
    d.E_RandLinksP->setText("x");
    d.E_DEX->setText("99");
    const int16_t stand = u.m.Geometriestand;
    QTest::keyClick(d.E_RandObenP, Qt::Key_Enter);
    EXPECT_EQ(u.m.RandObenP, 5);
    EXPECT_EQ(u.m.RandUntenP, 6);
    EXPECT_EQ(u.m.RandLinksP, 2);
    EXPECT_EQ(u.m.DEX, 150.0f);
    EXPECT_EQ(u.m.Geometriestand, stand);
    ASSERT_EQ(u.plattform.meldungen.size(), 1u);
    EXPECT_EQ(u.plattform.meldungen[0].text,
              "Konfiguration\n\nFalsche Eingabe!\nBitte erneut versuchen.");
}

TEST_F(F_BildKonfiguration_, LanguageSwitchRelabels) {
    SpracheEinstellen(u.sprache, SprachbasisEnglisch);
    d.WechselSprache();
    EXPECT_EQ(d.windowTitle(), "Picture Layout");
    EXPECT_EQ(d.Knopf_Übernehmen->text(), "Input");
    EXPECT_EQ(d.T_Überschrift->text(), "Picture border");
    EXPECT_EQ(d.Fr_Kurven->title(), "Line thickness of elements");
    EXPECT_EQ(d.T_DEX->text(), "X-Distance to crank");
    EXPECT_EQ(d.C_KolbenstangendickeJa->text(), "Scaled piston rod");
    EXPECT_EQ(d.M_Infotext->text(), "Infotext - Picture settings");
    EXPECT_EQ(d.T_Hilfslinie[2]->text(), "Construction line 2");
    EXPECT_EQ(d.C_HilfslinienZeigen->text(), "Show construction lines");
    EXPECT_EQ(d.C_UmKonturJa->text(), "Steuerungskontur zeigen");
}

TEST_F(F_BildKonfiguration_, ColourCountsAsChangeCancelChangesNothing) {
    u.m.Geometriestand = 32767;
    u.plattform.farben = {std::nullopt, QColor(1, 2, 3)};
    d.M_Hintergrundfarbe_Click();
    EXPECT_EQ(u.m.FarbeBildKonfiguration, 0xC0C0FFu);
    EXPECT_EQ(u.m.Geometriestand, 32767);
    d.M_Hintergrundfarbe_Click();
    EXPECT_EQ(u.m.FarbeBildKonfiguration, AlsFarbe(QColor(1, 2, 3)));
    EXPECT_EQ(d.C_SpieJa->palette().color(QPalette::Window), QColor(1, 2, 3));
    EXPECT_EQ(u.m.Geometriestand, -32768);
    d.M_Infotext_Click();
    EXPECT_EQ(u.plattform.hilfen, std::vector<int>{3510});
}

} // namespace
} // namespace vapro
