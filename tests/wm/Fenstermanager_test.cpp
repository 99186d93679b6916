// Window places as a window manager frames them. Offscreen windows have no
// real frames, so a place can round-trip there while the program drifts on
// a desktop; these tests run the program's windows on an X server with a
// window manager (tests/wm/mit_fenstermanager.sh) and skip without one.
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "core/persist/Einstellungsspeicher.h"
#include "tests/ui/Aufzeichner.h"
#include "ui/mainwindow/F_Haupt.h"
#include "ui/mainwindow/Programmstart.h"
#include "ui/views/F_Bild.h"

namespace vapro {
namespace {

QString Grund; // why the tests cannot run, empty when they can

// One run of the program against a store that outlives it.
struct Lauf {
    Modell m;
    Sprache sprache;
    Einheitennamen einheiten;
    Programmzustand zustand;
    test::Aufzeichner plattform;
    Kontext k;
    std::unique_ptr<F_Haupt> haupt;

    explicit Lauf(Einstellungsspeicher& speicher)
        : k{m, sprache, einheiten, speicher, plattform, zustand} {
        haupt = ProgrammStarten(k, {}, "/daten/", {});
        haupt->KnopfStartStop().click(); // a still engine: nothing but the windows matter
    }
    ~Lauf() {
        if (haupt->isVisible()) haupt->M_Beenden_Click();
    }
};

// Waits until the window manager has framed and placed the window.
bool Gerahmt(QWidget& w) {
    return QTest::qWaitForWindowExposed(&w) &&
           QTest::qWaitFor([&] { return w.frameGeometry() != w.geometry(); }, 5000);
}

QRect Arbeitsfläche(const QWidget& w) {
    return w.screen()->availableGeometry();
}

#define OHNE_FENSTERMANAGER_ÜBERSPRINGEN()                                                         \
    if (!Grund.isEmpty()) GTEST_SKIP() << Grund.toStdString()

TEST(Fenstermanager, MainWindowStaysPutOverRestarts) {
    OHNE_FENSTERMANAGER_ÜBERSPRINGEN();
    SpeicherImSpeicher speicher;
    QRect erster;
    for (int start = 0; start < 3; ++start) {
        Lauf lauf(speicher);
        ASSERT_TRUE(Gerahmt(*lauf.haupt)) << "no frame after start " << start;
        const QRect rahmen = lauf.haupt->frameGeometry();
        EXPECT_TRUE(Arbeitsfläche(*lauf.haupt).contains(rahmen)) << "start " << start;
        if (start == 0)
            erster = rahmen;
        else
            EXPECT_EQ(rahmen.topLeft(), erster.topLeft()) << "drifted at start " << start;
        lauf.haupt->M_Beenden_Click();
    }
}

TEST(Fenstermanager, PictureOpensBesideTheMainWindow) {
    OHNE_FENSTERMANAGER_ÜBERSPRINGEN();
    SpeicherImSpeicher speicher;
    Lauf lauf(speicher);
    F_Bild& bild = lauf.haupt->Bild();
    ASSERT_TRUE(Gerahmt(*lauf.haupt) && Gerahmt(bild));
    EXPECT_FALSE(bild.frameGeometry().intersects(lauf.haupt->frameGeometry()));
    EXPECT_TRUE(Arbeitsfläche(bild).contains(bild.frameGeometry()));
}

} // namespace
} // namespace vapro

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    vapro::Grund = qEnvironmentVariable("VAPRO_OHNE_FENSTERMANAGER");
    if (vapro::Grund.isEmpty() && qEnvironmentVariableIsEmpty("DISPLAY"))
        vapro::Grund = QStringLiteral("no X display: run through tests/wm/mit_fenstermanager.sh");
    if (!vapro::Grund.isEmpty()) return RUN_ALL_TESTS();
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
