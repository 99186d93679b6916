// The steam windows: operating parameters, the steam tables and the steam diagram.

#include "ui/analysis/F_Betriebsparameter.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/analysis/Steuerzeiten.h"
#include "core/model/Bewegung.h"
#include "core/persist/Maschinendatei.h"
#include "render/Dampfdiagrammbild.h"
#include "render/Farben.h"
#include "tests/core/Maschine.h"
#include "tests/render/Referenzbild.h"
#include "tests/ui/Umgebung.h"
#include "ui/analysis/F_Dampftafel.h"
#include "ui/analysis/F_Diagramm.h"
#include "ui/mainwindow/F_Haupt.h"

namespace vapro {
namespace {

// The default engine computed as for its windows, with silent views.
struct Diagrammfenster : ::testing::Test {
    test::Umgebung u;
    Ansichten ansichten;
    Diagrammfenster() {
        u.k.ansichten = &ansichten;
        Neuberechnung(u.m, ansichten, Anlass::NeueDaten);
    }
};

struct Betriebsparameter : Diagrammfenster {
    F_Betriebsparameter d{u.k};
    Betriebsparameter() { d.Form_Load(); }
    void Tippen(FeldOrt feld, const char* text) { d.E(feld)->setText(QString::fromUtf8(text)); }
};

TEST_F(Betriebsparameter, SpeedSliderStepsRoundHalfUpAndRewriteTheMaximum) {
    // typed maximum and step; slider steps, stored maximum and step
    const std::tuple<const char*, const char*, int, int16_t, int16_t> fälle[] = {
        {"1000", "400", 3, 1200, 400}, // 2.5 goes up
        {"1000", "0", 1000, 1000, 1},  // a step of 0 would divide by zero
        {"0,05", "10", 0, 0, 1},       // below 0.1 the maximum is 0
    };
    for (const auto& [max, schritt, schritte, maxNeu, schrittNeu] : fälle) {
        d.DezimalzeichenSetzen(',');
        Tippen(&Modell::DrehzahlMax, max);
        Tippen(&Modell::DrehzahlSchrittweite, schritt);
        d.Knopf_Übernehmen_Click();
        EXPECT_EQ(std::tuple(d.S_Drehzahl->maximum(), u.m.DrehzahlMax, u.m.DrehzahlSchrittweite),
                  std::tuple(schritte, maxNeu, schrittNeu))
            << max << " / " << schritt;
        EXPECT_LE(u.m.Drehzahl, u.m.DrehzahlMax);
    }
}

TEST_F(Betriebsparameter, LimitsAndABadEntry) {
    Tippen(&Modell::PO1, "600");
    Tippen(&Modell::PO2, "700");
    Tippen(&Modell::Überhitzung, "1.5");
    Tippen(&Modell::MechWirkungsgrad, "-4");
    d.Knopf_Übernehmen_Click();
    EXPECT_EQ(std::tuple(u.m.PO1, u.m.PO2, u.m.Überhitzung, u.m.MechWirkungsgrad),
              std::tuple(500.0f, 500.0f, 1.3f, int16_t{0}));
    EXPECT_EQ(d.E(&Modell::Überhitzung)->text(), "1.3");

    Tippen(&Modell::PO1, "12");
    Tippen(&Modell::PO2, "2");
    Tippen(&Modell::Überhitzung, "x");
    d.Knopf_Übernehmen_Click();
    EXPECT_EQ(std::tuple(u.m.PO1, u.m.PO2, u.m.Überhitzung), std::tuple(12.0f, 2.0f, 1.3f));
    const auto& m = u.plattform.Meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_TRUE(m.back().text.startsWith("Fehler in den Betriebsparametern"));
    EXPECT_EQ(m.back().symbol, Symbol::Stopp);
    EXPECT_EQ(d.E(&Modell::Überhitzung)->text(), "x") << "a rejected entry is not refilled";
}

// A chest pressure above the table's last row leaves only the steam cells
// empty; power and torque follow the new pressure all the same.
TEST_F(Betriebsparameter, PressureAboveTheTableBlanksOnlyTheSteamCells) {
    auto steam = [this] {
        return std::vector{d.A_Sättigungstemperatur->text(), d.A_V2Strich->text(),
                           d.A_Druck->text(), d.A_DampfgewichtMin->text(),
                           d.A_DampfgewichtStunde->text()};
    };
    // chest pressure; steam cells filled
    const std::pair<const char*, bool> fälle[] = {{"300", false}, {"200", true}};
    QString leistung;
    for (const auto& [druck, gefüllt] : fälle) {
        Tippen(&Modell::PO1, druck);
        d.Knopf_Übernehmen_Click();
        for (const QString& zelle : steam())
            EXPECT_EQ(zelle.isEmpty(), !gefüllt) << druck;
        EXPECT_NE(d.A_LeistungKW->text(), leistung) << druck;
        leistung = d.A_LeistungKW->text();
        EXPECT_NE(d.A_DrehmomentNm->text(), "0.000") << druck;
    }
    EXPECT_EQ(d.A_Sättigungstemperatur->text(), "365.75"); // the row at 200 bara
}

// With no other window open, the cut-off and the mean pressure still follow
// the lever: the valve events are searched again when the engine changed.
TEST_F(Betriebsparameter, CutOffAndMeanPressureFollowTheLever) {
    auto füllung = [this] { return d.G_Hub->item(2, 3)->text(); };
    EXPECT_EQ(std::tuple(d.G_Hub->item(2, 1)->text(), d.G_Hub->item(2, 2)->text()),
              std::tuple(QString("83.4"), QString("79.0")));
    const QString vorher = füllung(), pm = d.TE_PMittel->text();
    u.m.UmWinkel /= 2;
    d.S_Drehzahl->setValue(d.S_Drehzahl->value() - 1);
    EXPECT_NE(füllung(), vorher);
    EXPECT_NE(d.TE_PMittel->text(), pm);
}

TEST(BetriebsparameterZoll, InchUnitsUseTheUsTable) {
    test::Umgebung zoll(false);
    F_Betriebsparameter z{zoll.k};
    z.Form_Load();
    EXPECT_TRUE(z.A_DampfvolumenKubikmeter->text().isEmpty());
    EXPECT_FALSE(z.A_V2Strich->text().isEmpty()) << "the US table, with its window never opened";
    EXPECT_EQ(z.G_Hub->item(1, 4)->text(), "cu in");
}

struct MitHauptfenster : test::MitHaupt {
    F_Betriebsparameter* d = Öffnen<F_Betriebsparameter>("M_Betriebsparameter");
    void SetUp() override { ASSERT_NE(d, nullptr); }
    QString Hubvolumen() const { return d->G_Hub->item(1, 3)->text(); }
};

TEST_F(MitHauptfenster, TypingWhileTheEngineTurnsKeepsTheText) {
    ASSERT_EQ(u.m.BetriebsparameterZeigen, Wahr);
    const QString vorher = Hubvolumen();
    d->E(&Modell::PO1)->setText("12");
    Schritt(u.m, *u.k.ansichten);
    // Another window changes the bore; the next step shows it.
    u.m.KDurchmesser += 10;
    Neuberechnung(u.m, *u.k.ansichten, Anlass::Eingabe);
    Schritt(u.m, *u.k.ansichten);
    Schritt(u.m, *u.k.ansichten);
    EXPECT_NE(Hubvolumen(), vorher);
    EXPECT_EQ(d->E(&Modell::PO1)->text(), "12");
}

// Both shipped tables as their windows show them, read once for the table
// window and the operating figures together.
TEST(Dampftafelfenster, ShowsTheFileRowsInBothUnitSystems) {
    struct Fall {
        Dampftafelart art;
        bool mm;
        const char* titel;
        int zeilen;
        // cells (row, column) of the headings, the first and the last row
        std::vector<std::tuple<int, int, const char*>> zellen;
    };
    const Fall fälle[] = {
        {Dampftafelart::SI,
         true,
         "Dampftafel SI",
         639,
         {{1, 1, "bar"},
          {2, 1, "0.050"},
          {2, 4, "28.18631"},
          {638, 1, "220.640"},
          {638, 10, "4.4120"}}},
        {Dampftafelart::US,
         false,
         "Dampftafel US (Marks & Davis Tables)",
         618,
         {{1, 1, "psia"}, {2, 6, "333.5075"}, {617, 1, "3200.11"}}},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.titel);
        test::Umgebung u(f.mm);
        F_Betriebsparameter p(u.k);
        p.Form_Load(); // looks its steam data up in the table of its unit
        F_Dampftafel w(u.k, f.art);
        w.Form_Load();
        EXPECT_EQ(w.windowTitle(), QString::fromUtf8(f.titel));
        EXPECT_EQ(std::tuple(w.Zeilen(), w.Spalten(), w.FesteZeilen()),
                  std::tuple(f.zeilen, 11, 2));
        EXPECT_EQ(w.G_Dampftafel->rowCount(), f.zeilen - 2) << "headings stay in view";
        for (const auto& [r, c, text] : f.zellen)
            EXPECT_EQ(w.Zelle(r, c), QString::fromUtf8(text)) << r << ", " << c;
        EXPECT_EQ(u.k.dampftafeln.Lesevorgänge(), 1);
    }
}

// A missing file is reported once with its name, by whichever window meets
// it first; the operating figures go on without steam data and never report
// it again, in a step or on a refresh.
TEST(Dampftafelfenster, MissingFileIsReportedOnceWithItsName) {
    QTemporaryDir leer;
    test::Umgebung u;
    u.zustand.Programmpfad = leer.path().toStdString() + "/";
    Ansichten ansichten;
    u.k.ansichten = &ansichten;
    Neuberechnung(u.m, ansichten, Anlass::NeueDaten);

    F_Dampftafel w(u.k, Dampftafelart::SI);
    w.Form_Load();
    F_Betriebsparameter p(u.k);
    p.Form_Load();
    u.m.UmWinkel /= 2;
    GeometriestandErhöhen(u.m);
    p.SchrittMalen();
    p.Auffrischen();
    w.Einschreiben();

    const auto& meldungen = u.plattform.Meldungen();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_TRUE(meldungen[0].text.startsWith(
        QString::fromUtf8("Fehler beim Laden der Dampftafel-Datei: '  Dampftafel SI.txt  '\n Bitte "
                          "erneut versuchen.")))
        << meldungen[0].text.toStdString();
    EXPECT_EQ(meldungen[0].symbol, Symbol::Stopp);
    EXPECT_EQ(w.Zeilen(), 0);
    EXPECT_TRUE(p.A_Sättigungstemperatur->text().isEmpty());
    EXPECT_FALSE(p.A_LeistungKW->text().isEmpty());
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
    w.resize(60, 300);
    EXPECT_NO_THROW(w.Neuzeichnen());
    EXPECT_FALSE(w.Diagramm().has_value());
    const QImage& bild = w.Bildpuffer();
    EXPECT_EQ(test::Pixelzahl(bild, AlsQColor(u.m.FarbeDiagramm).rgb()),
              bild.width() * bild.height());
    w.resize(500, 350);
    w.Neuzeichnen();
    ASSERT_TRUE(w.Diagramm().has_value());

    u.m.KDurchmesser = 0; // no piston area: no volume scale
    EXPECT_NO_THROW(Neuberechnung(u.m, ansichten, Anlass::Eingabe));
    EXPECT_NO_THROW(w.Neuzeichnen());
    EXPECT_FALSE(w.Diagramm().has_value());
    EXPECT_NO_THROW(w.SchrittMalen());
    u.m.KDurchmesser = 125;
    Neuberechnung(u.m, ansichten, Anlass::Eingabe);
    w.SchrittMalen();
    EXPECT_TRUE(w.Diagramm().has_value());
}

struct DiagrammMitHauptfenster : test::MitHaupt {
    F_Diagramm* w = Öffnen<F_Diagramm>("M_Diagramm");
    void SetUp() override { ASSERT_TRUE(w && w->isVisible()); }
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

} // namespace
} // namespace vapro
