// Window places: the rectangle rules, and the round trip through the settings.
#include "ui/platform/Fensterlage.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

#include "core/persist/Einstellungsspeicher.h"

namespace vapro {
namespace {

const QRect Fläche(0, 0, 1600, 1000);
const QMargins Ränder(4, 30, 4, 4); // a title bar of 30 pixels

TEST(Fensterlage, FittingKeepsTheFrameOnTheWorkArea) {
    struct Fall {
        const char* was;
        QRect inhalt, erwartet;
    };
    const Fall fälle[] = {
        {"inside stays", {100, 100, 400, 300}, {100, 100, 400, 300}},
        {"climbed off the top", {100, -600, 400, 300}, {100, 30, 400, 300}},
        {"screen removed on the right", {4000, 200, 400, 300}, {1196, 200, 400, 300}},
        {"larger than the screen", {50, 50, 5000, 3000}, {4, 30, 1592, 966}},
    };
    for (const Fall& f : fälle)
        EXPECT_EQ(Einpassen(f.inhalt, Ränder, Fläche), f.erwartet) << f.was;
}

QRect Arbeitsfläche() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

TEST(Fensterlage, RestoredPlaceRoundTripsAndComesBackOnScreen) {
    SpeicherImSpeicher speicher;
    QWidget fenster;
    fenster.resize(300, 200);
    fenster.show();
    fenster.setGeometry(QRect(QPoint(120, 90), fenster.size()));
    PositionSpeichern(fenster, speicher, "Probe");
    QWidget wieder;
    wieder.resize(300, 200);
    PositionLaden(wieder, speicher, "Probe", 300);
    wieder.show();
    EXPECT_EQ(wieder.frameGeometry(), fenster.frameGeometry());
    // A place from a screen removed since.
    speicher.Schreiben("Aktuell", "Probe x", "-30000");
    speicher.Schreiben("Aktuell", "Probe y", "-6000");
    QWidget fern;
    fern.resize(300, 200);
    PositionLaden(fern, speicher, "Probe", 300);
    fern.show();
    EXPECT_TRUE(Arbeitsfläche().contains(fern.frameGeometry()));
}

TEST(Fensterlage, DamagedSizesAreClampedOrFallBack) {
    struct Fall {
        const char *höhe, *breite;
        QSize erwartet; // invalid: at most the work area
    };
    const QSize vorgabe(500, 600);
    const Fall fälle[] = {
        {"10000000", "10000000", {}}, {"1e30", "abc", vorgabe}, {"3000", "4500", {300, 200}}};
    for (const Fall& f : fälle) {
        SpeicherImSpeicher speicher;
        speicher.Schreiben("Aktuell", "Probe Höhe", f.höhe);
        speicher.Schreiben("Aktuell", "Probe Breite", f.breite);
        QWidget fenster;
        GrößeLaden(fenster, speicher, "Probe", 9000, 7500);
        if (f.erwartet.isValid())
            EXPECT_EQ(fenster.size(), f.erwartet) << f.höhe << " x " << f.breite;
        else
            EXPECT_TRUE(Arbeitsfläche().size().expandedTo(fenster.size()) == Arbeitsfläche().size())
                << f.höhe;
    }
}

} // namespace
} // namespace vapro
