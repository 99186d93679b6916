#include "ui/views/F_BildKonfiguration.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/ui/Umgebung.h"

namespace vapro {
namespace {

struct F_BildKonfiguration_ : ::testing::Test {
    test::Umgebung u;
    Ansichten ansichten;
    F_BildKonfiguration d{u.k};
    F_BildKonfiguration_() {
        u.k.ansichten = &ansichten;
        d.Form_Load();
    }
};

TEST_F(F_BildKonfiguration_, MarginsAreLimitedOtherValuesTakenAsTheyAre) {
    for (auto [getippt, rand] : {std::pair{"55", 40}, {"-3", 0}, {"17", 17}}) {
        for (QLineEdit* e : {d.E(&Modell::RandObenP), d.E(&Modell::RandUntenP),
                             d.E(&Modell::RandLinksP), d.E(&Modell::LStärkeKurbel)})
            e->setText(getippt);
        d.Knopf_Übernehmen_Click();
        for (int16_t r : {u.m.RandObenP, u.m.RandUntenP, u.m.RandLinksP})
            EXPECT_EQ(r, rand) << getippt;
        EXPECT_EQ(d.E(&Modell::RandObenP)->text(), QString::number(rand)); // shown as limited
        EXPECT_EQ(QString::number(u.m.LStärkeKurbel), getippt);
    }
}

TEST_F(F_BildKonfiguration_, CheckBoxAppliesHalfTypedNumberElsewhere) {
    d.show();
    QCheckBox* c = d.C(&Modell::HilfslinienZeigen);
    auto anklicken = [c] { QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(6, c->height() / 2)); };
    d.E(&Modell::DEX)->clear();
    QTest::keyClicks(d.E(&Modell::DEX), "-7"); // typed, not yet applied
    const int16_t stand = u.m.Geometriestand;
    anklicken(); // on the box itself, as a user does; applied once
    EXPECT_EQ(std::tuple(u.m.HilfslinienZeigen, u.m.DEX, u.m.Geometriestand),
              std::tuple(1, -7.0f, stand + 1));
    anklicken();
    EXPECT_EQ(u.m.HilfslinienZeigen, 0);
}

TEST_F(F_BildKonfiguration_, ColourCountsAsAChangeWhoseCounterWraps) {
    u.m.Geometriestand = 32767; // the change counter wraps rather than overflows
    u.plattform.farben = {QColor(1, 2, 3)};
    d.M_Hintergrundfarbe_Click();
    EXPECT_EQ(u.m.FarbeBildKonfiguration, 0x030201u); // red + 256 green + 65536 blue
    EXPECT_EQ(d.C(&Modell::SpieJa)->palette().color(QPalette::Window), QColor(1, 2, 3));
    EXPECT_EQ(u.m.Geometriestand, -32768);
}

} // namespace
} // namespace vapro
