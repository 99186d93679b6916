// How the windows behave as windows: placing and closing.
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/ui/Umgebung.h"
#include "ui/mainwindow/F_Haupt.h"
#include "ui/platform/Hilfefenster.h"
#include "ui/views/F_BildKonfiguration.h"

namespace vapro {
namespace {

struct Fenster : test::MitHaupt {
    void SetUp() override {
        h.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&h));
    }
    QRect Arbeitsfläche() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

TEST_F(Fenster, ExitClosesTheHelpWindowAndEndsTheProgram) {
    Hilfefenster hilfe(u.k);
    hilfe.Zeigen(1000);
    ASSERT_TRUE(hilfe.isVisible());
    EXPECT_TRUE(Arbeitsfläche().contains(hilfe.frameGeometry()));
    h.FensterZeigen(F_Haupt::Fenster::Bild, true);
    h.M_Beenden_Click();
    EXPECT_FALSE(hilfe.isVisible());
    // The event loop ends with the last visible window.
    for (const QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << w->windowTitle().toStdString();
}

TEST_F(Fenster, DialogsAreOrdinaryWindowsBesideTheMainWindowAndCloseOnEscape) {
    h.FensterZeigen(F_Haupt::Fenster::BildKonfiguration, true);
    F_BildKonfiguration* d = h.BildKonfiguration();
    ASSERT_TRUE(d && d->isVisible());
    EXPECT_EQ(d->windowType(), Qt::Window);
    EXPECT_TRUE(Arbeitsfläche().contains(d->frameGeometry()));
    EXPECT_NE(d->geometry().topLeft(), QPoint(50 / 15, 50 / 15)) << "not piled in the corner";
    QTest::keyClick(d, Qt::Key_Escape);
    EXPECT_FALSE(h.FensterOffen(F_Haupt::Fenster::BildKonfiguration));
}

} // namespace
} // namespace vapro
