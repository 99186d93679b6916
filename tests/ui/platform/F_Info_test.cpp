#include "platform/F_Info.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

#include "Umgebung.h"

namespace vapro {
namespace {

TEST(F_InfoTest, ShowsVersionAndHelpFilesAtItsStoredPlace) {
    test::Umgebung u;
    u.speicher.Schreiben("Aktuell", "Info x", "3000");
    u.speicher.Schreiben("Aktuell", "Info y", "kaputt");
    F_Info f(u.k);
    EXPECT_EQ(f.pos(), QPoint(200, 220 / 15));
    EXPECT_TRUE(QRegularExpression("^\\d+\\.\\d+\\.\\d+$").match(f.A_Version->text()).hasMatch());
    EXPECT_EQ(f.A_HelpD->text(), "Vapro15.hlp");
    EXPECT_EQ(f.A_HelpE->text(), "Vapro15e.hlp");
    EXPECT_EQ(f.windowTitle(), "Versions-Info");
    EXPECT_TRUE(f.T_Über->text().contains("Zelto Vapro"));

    SpracheEinstellen(u.sprache, SprachbasisEnglisch);
    f.WechselSprache();
    EXPECT_EQ(f.windowTitle(), "About Zelto Vapro");
}

TEST(F_InfoTest, ClosesOnOkAndOnDeactivationAndKeepsItsPlace) {
    test::Umgebung u;
    F_Info f(u.k);
    f.show();
    f.move(300, 150);
    QTest::mouseClick(f.K_OK, Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(u.speicher.Lesen("Aktuell", "Info x", ""), "4500");
    EXPECT_EQ(u.speicher.Lesen("Aktuell", "Info y", ""), "2250");

    QWidget anderes;
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    anderes.show();
    anderes.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&anderes));
    EXPECT_FALSE(f.isVisible());
}

} // namespace
} // namespace vapro
