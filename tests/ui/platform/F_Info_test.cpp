#include "ui/platform/F_Info.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/ui/Umgebung.h"

namespace vapro {
namespace {

TEST(F_InfoTest, ClosesOnDeactivationAndOnOkAndKeepsItsPlace) {
    test::Umgebung u;
    u.speicher.Schreiben("Aktuell", "Info x", "3000");
    u.speicher.Schreiben("Aktuell", "Info y", "kaputt"); // unreadable: the default place
    F_Info f(u.k);
    EXPECT_EQ(f.geometry().topLeft(), QPoint(220 / 15, 220 / 15));

    f.show();
    f.setGeometry(QRect(QPoint(300, 150), f.size()));
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QWidget anderes;
    anderes.show();
    anderes.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&anderes));
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(u.speicher.Lesen("Aktuell", "Info x", ""), "4500");
    EXPECT_EQ(u.speicher.Lesen("Aktuell", "Info y", ""), "2250");

    f.show();
    QTest::mouseClick(f.K_OK, Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
}

} // namespace
} // namespace vapro
