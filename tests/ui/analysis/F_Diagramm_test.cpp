#include "ui/analysis/F_Diagramm.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

#include "core/analysis/Steuerzeiten.h"
#include "core/model/Bewegung.h"
#include "render/Dampfdiagrammbild.h"
#include "render/Farben.h"
#include "tests/core/Maschine.h"
#include "tests/ui/Umgebung.h"
#include "ui/mainwindow/F_Haupt.h"

namespace vapro {
namespace {

struct Diagrammfenster : ::testing::Test {
    test::Umgebung u;
    Ansichten ansichten;
    void SetUp() override {
        u.k.ansichten = &ansichten;
        Neuberechnung(u.m, ansichten, Anlass::NeueDaten);
    }
};

bool NurHintergrund(const QImage& im, uint32_t farbe) {
    const QRgb grund = AlsQColor(farbe).rgb();
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if (im.pixel(x, y) != grund) return false;
    return true;
}

// The kept size holds from the window's creation on, shown or not, and the
// mean pressure is the core's for exactly that drawing area; the operating
// figures, computing it from the kept size, get the same frame.
TEST_F(Diagrammfenster, MeanPressureIsTheCoresForTheWindowSize) {
    u.speicher.Schreiben("Aktuell", "Diagramm Breite", "9000");
    u.speicher.Schreiben("Aktuell", "Diagramm Höhe", "6000");
    F_Diagramm w(u.k);
    EXPECT_EQ(w.size(), QSize(600, 400));
    w.Form_Load();
    ASSERT_TRUE(w.Diagramm().has_value());

    Modell m = u.m;
    SteuerzeitenSuchen(m);
    SteuerzeitenAuswerten(m);
    const Diagrammrahmen r = DiagrammrahmenFür(QSizeF(600, 400), QFontMetricsF(w.font(), &w));
    const Dampfdiagramm d = DampfdiagrammBerechnen(m, r);
    EXPECT_EQ(w.Diagramm()->PM, d.PM);
    EXPECT_EQ(w.Diagramm()->Punkte.size(), d.Punkte.size());
    const Diagrammrahmen gespeichert = DiagrammrahmenGespeichert(u.k, w);
    EXPECT_EQ(std::tuple(gespeichert.Breite, gespeichert.Höhe, gespeichert.RandLinks),
              std::tuple(r.Breite, r.Höhe, r.RandLinks));

    // The curve is sampled every 10 pixels: another width, another mean
    // pressure, and the kept size follows the window.
    w.show();
    w.resize(300, 400);
    const Diagrammrahmen schmal = DiagrammrahmenGespeichert(u.k, w);
    EXPECT_EQ(schmal.Breite, 300);
    EXPECT_EQ(w.Diagramm()->PM, DampfdiagrammBerechnen(m, schmal).PM);
    EXPECT_NE(w.Diagramm()->PM, d.PM);
}

// Narrower or lower than its margins, or with an engine the diagram cannot
// be computed for, the window stays blank: no exception leaves it and no
// message box opens; a later change draws it again.
TEST_F(Diagrammfenster, NoDiagramLeavesTheWindowBlankAndRaisesNothing) {
    F_Diagramm w(u.k);
    w.Form_Load();
    ASSERT_TRUE(w.Diagramm().has_value());
    for (const QSize größe : {QSize(60, 300), QSize(400, 30)}) {
        w.resize(größe);
        EXPECT_NO_THROW(w.Neuzeichnen());
        EXPECT_FALSE(w.Diagramm().has_value());
        EXPECT_TRUE(NurHintergrund(w.Bildpuffer(), u.m.FarbeDiagramm));
    }
    w.resize(500, 350);
    w.Neuzeichnen();
    ASSERT_TRUE(w.Diagramm().has_value());

    u.m.KDurchmesser = 0; // no piston area: no volume scale
    EXPECT_NO_THROW(Neuberechnung(u.m, ansichten, Anlass::Eingabe));
    EXPECT_NO_THROW(w.Neuzeichnen());
    EXPECT_FALSE(w.Diagramm().has_value());
    for (int i = 0; i < 3; ++i)
        EXPECT_NO_THROW(w.SchrittMalen());
    u.m.KDurchmesser = 125;
    Neuberechnung(u.m, ansichten, Anlass::Eingabe);
    w.SchrittMalen();
    EXPECT_TRUE(w.Diagramm().has_value());
}

struct DiagrammMitHauptfenster : test::MitHaupt {
    F_Diagramm* w = Öffnen<F_Diagramm>("M_Diagramm");
    void SetUp() override { ASSERT_TRUE(w && w->isVisible()); }
    void Drehen(int schritte) {
        for (int i = 0; i < schritte; ++i) {
            WinkelWeiter(u.m);
            Schritt(u.m, *u.k.ansichten);
        }
    }
};

// Turning costs no search (the events the search writes stay as a probe
// left them); the lever, a recomputation and another unit redraw at once.
TEST_F(DiagrammMitHauptfenster, FollowsTheEngineOnlyWhenItChanged) {
    ASSERT_EQ(u.m.DiagrammZeigen, Wahr);
    ASSERT_TRUE(w->Diagramm().has_value());
    const float wc = w->Diagramm()->Wc;
    u.m.EinlaßZuOben.Winkel = 12345; // a search would overwrite it
    Drehen(40);
    EXPECT_EQ(u.m.EinlaßZuOben.Winkel, 12345);

    u.m.UmWinkel = test::Grad(-20);
    Drehen(1);
    EXPECT_NE(u.m.EinlaßZuOben.Winkel, 12345);
    EXPECT_NE(w->Diagramm()->Wc, wc);

    const float pm = w->Diagramm()->PM;
    u.m.PO1 = 8;
    Neuberechnung(u.m, *u.k.ansichten, Anlass::Eingabe);
    EXPECT_NE(w->Diagramm()->PM, pm) << "redrawn by the recomputation itself";

    h.M_Umrechnen_Click();
    EXPECT_EQ(w->Diagramm()->PO1, u.m.PO1);
}

TEST_F(DiagrammMitHauptfenster, PopupMenuOpensHelpAndTheOperatingParameters) {
    w->M_Infotext->trigger();
    EXPECT_EQ(u.plattform.hilfen, std::vector<int>{4500});
    EXPECT_FALSE(h.RahmenfensterOffen("M_Betriebsparameter"));
    w->M_Betriebsparameter->trigger();
    EXPECT_TRUE(h.RahmenfensterOffen("M_Betriebsparameter"));
    EXPECT_EQ(u.m.BetriebsparameterZeigen, Wahr);
    EXPECT_TRUE(h.Menüeintrag("M_Betriebsparameter").isChecked());
}

} // namespace
} // namespace vapro
