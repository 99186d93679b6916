#include "ui/views/F_Steuerzeiten.h"

#include <QAction>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/model/Schieber.h"
#include "core/persist/Maschinendatei.h"
#include "core/persist/Start.h"
#include "tests/core/Maschine.h"
#include "tests/ui/Umgebung.h"
#include "ui/mainwindow/F_Haupt.h"

namespace vapro {
namespace {

// Pixels that turned red since `vorher` (the bands of fresh steam are red too).
int NeuRot(const QImage& vorher, const QImage& jetzt) {
    int n = 0;
    for (int y = 0; y < jetzt.height(); ++y)
        for (int x = 0; x < jetzt.width(); ++x)
            if ((jetzt.pixel(x, y) & 0xFFFFFF) == 0xFF0000 &&
                vorher.pixel(x, y) != jetzt.pixel(x, y))
                ++n;
    return n;
}

struct Graphfenster : ::testing::Test {
    test::Umgebung u;
    F_Haupt h{u.k};
    F_Steuerzeiten* g = nullptr;
    void SetUp() override {
        h.Form_Load({});
        h.RahmenfensterZeigen("M_Steuerzeiten", true);
        g = dynamic_cast<F_Steuerzeiten*>(h.Rahmenfenster("M_Steuerzeiten"));
        ASSERT_NE(g, nullptr);
    }
    void Drehen(int schritte) {
        for (int i = 0; i < schritte; ++i) {
            WinkelWeiter(u.m);
            Schritt(u.m, *u.k.ansichten);
        }
    }
    void Markieren() { u.m.EinlaßAufOben.Winkel = 1234; }
    bool Gesucht() const { return u.m.EinlaßAufOben.Winkel != 1234; }
};

TEST_F(Graphfenster, OpensDrawnWithEveryEventMarked) {
    EXPECT_EQ(u.m.SteuerzeitenZeigen, Wahr);
    EXPECT_TRUE(h.Menüeintrag("M_Steuerzeiten").isChecked());
    EXPECT_EQ(g->windowTitle(), "Steuerzeiten - Graphik");
    EXPECT_EQ(g->Bild().Marken().size(), 8u);
    EXPECT_EQ(g->Bildpuffer().size(), g->size() * g->devicePixelRatioF());
    h.M_Sprache_Click();
    EXPECT_EQ(g->windowTitle(), "Open/Close Diagram");
    EXPECT_TRUE(g->Bild().Marken().front().zeilen[0].startsWith("open "));
    h.RahmenfensterZeigen("M_Steuerzeiten", false);
    EXPECT_EQ(u.m.SteuerzeitenZeigen, Falsch);
    EXPECT_FALSE(u.speicher.Lesen(AbschnittAktuell, "Steuerzeiten x", "").empty());
}

// After a redraw the markers wait for the crank to pass 0°; turning on
// without a change redraws nothing, each change redraws at the next step.
TEST_F(Graphfenster, MarkersStartAtZeroAndOnlyChangesRedraw) {
    u.m.Drehrichtung = true;
    u.m.Winkel = 0;
    Drehen(1); // 10°
    g->Neuzeichnen();
    const QImage frisch = g->Bildpuffer().copy();
    Markieren();
    Drehen(34); // up to 350°
    EXPECT_TRUE(g->Gesperrt());
    EXPECT_EQ(g->Bildpuffer(), frisch);
    Drehen(1); // 0°
    EXPECT_FALSE(g->Gesperrt());
    EXPECT_GT(NeuRot(frisch, g->Bildpuffer()), 0);
    Drehen(5);
    EXPECT_FALSE(Gesucht()) << "turning moves no valve event";

    const std::pair<const char*, std::function<void(Modell&)>> änderungen[] = {
        {"lever", [](Modell& m) { m.UmWinkel = test::Grad(20); }},
        {"angle step", [](Modell& m) { m.WinkelSchritt = 5; }},
        {"direction", [](Modell& m) { m.Drehrichtung = !m.Drehrichtung; }},
    };
    for (const auto& [was, ändern] : änderungen) {
        Markieren();
        ändern(u.m);
        Drehen(1);
        EXPECT_TRUE(Gesucht()) << was;
        EXPECT_TRUE(g->Gesperrt() || u.m.Winkel <= 0) << was;
    }
    EXPECT_TRUE(u.plattform.Meldungen().empty());
}

TEST_F(Graphfenster, LoadingAnotherFileRedrawsTheGraph) {
    QTemporaryDir ordner;
    const QString b = ordner.filePath("b.kmf");
    Modell mb = u.m;
    mb.SchiEO += 60; // no top admission
    SchieberAbleiten(mb);
    ASSERT_TRUE(Speichern(mb, std::filesystem::path(b.toStdString()), u.sprache, "").ok);
    ASSERT_TRUE(h.Ladeaktion(b));
    EXPECT_EQ(g->Bild().Marken().size(), 6u);
    EXPECT_TRUE(u.plattform.Meldungen().empty());
}

// An engine that cannot be assembled half way round: an empty graph, no
// message from the running step, no markers, no new attempt at every step.
TEST_F(Graphfenster, SolverFailureStaysInsideTheWindow) {
    u.m.PLänge = u.m.KWRadius / 2;
    u.m.Winkel = 0;
    GeometriestandErhöhen(u.m);
    Schritt(u.m, *u.k.ansichten);
    EXPECT_EQ(u.m.Winkel, 0);
    QImage leer(g->Bildpuffer().size(), QImage::Format_RGB32);
    leer.fill(Qt::white);
    EXPECT_EQ(g->Bildpuffer(), leer);
    Markieren();
    Schritt(u.m, *u.k.ansichten);
    EXPECT_FALSE(Gesucht());
    EXPECT_TRUE(u.plattform.Meldungen().empty());
}

} // namespace
} // namespace vapro
