// The valve-events table and graph in the main window: what they show, when
// they search the valve events again, and failures that stay inside them;
// "Export ..." of the graph windows and the valve-events table: the graph's
// painter at the asked size, drawings as SVG, the table as the command line's CSV.

#include <QAction>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "core/analysis/Steuerzeiten.h"
#include "core/analysis/Steuerzeitentabelle.h"
#include "core/model/Bewegung.h"
#include "core/model/Schieber.h"
#include "core/persist/Maschinendatei.h"
#include "tests/cli/Lauf.h"
#include "tests/core/Maschine.h"
#include "tests/render/Referenzbild.h"
#include "tests/ui/Umgebung.h"
#include "ui/analysis/F_Diagramm.h"
#include "ui/analysis/F_SteuerzeitenTabelle.h"
#include "ui/mainwindow/F_Haupt.h"
#include "ui/views/F_SteuerHub.h"
#include "ui/views/F_SteuerHubWeg.h"
#include "ui/views/F_Steuerzeiten.h"

namespace vapro {
namespace {

struct Steuerzeitenfenster : test::MitHaupt {
    F_SteuerzeitenTabelle* t = Öffnen<F_SteuerzeitenTabelle>("M_Meßwerte");
    F_Steuerzeiten* g = Öffnen<F_Steuerzeiten>("M_Steuerzeiten");
    void SetUp() override { ASSERT_TRUE(t && g); }
    QString Zelle(int z, int s) const { return t->G_Meß->item(z, s)->text(); }
    // Every value cell as a fresh search of the engine as it is now gives it.
    void ZeigtSoll(const char* wann) const {
        Modell m = u.m;
        SpiegelBerechnen(m);
        SteuerzeitenSuchen(m);
        SteuerzeitenAuswerten(m);
        const Steuerzeitenzellen soll = SteuerzeitenWerte(m, u.sprache, t->Dezimalzeichen());
        for (size_t z = 0; z < soll.size(); ++z)
            for (size_t s = 0; s < soll[z].size(); ++s) {
                if (soll[z][s].empty()) continue;
                EXPECT_EQ(Zelle(int(z), int(s)), Q(soll[z][s])) << wann << " " << z << "/" << s;
            }
    }
    // A value no search leaves: it stays until the next search.
    void Markieren() { u.m.EinlaßAufOben.Winkel = 1234; }
    bool Gesucht() const { return u.m.EinlaßAufOben.Winkel != 1234; }
};

// Turning alone moves no valve event; each thing that moves them makes both
// windows search again at the next step, once.
TEST_F(Steuerzeitenfenster, TurningCostsNoSearchEveryChangeRefreshesAtTheNextStep) {
    Markieren();
    Drehen(35);
    EXPECT_FALSE(Gesucht());

    const std::pair<const char*, std::function<void(Modell&)>> änderungen[] = {
        {"lever", [](Modell& m) { m.UmWinkel = test::Grad(20); }},
        {"geometry",
         [this](Modell& m) {
             m.SchiEU += 1;
             Neuberechnung(m, *u.k.ansichten, Anlass::Eingabe);
         }},
    };
    for (const auto& [was, ändern] : änderungen) {
        ändern(u.m);
        Markieren();
        Drehen(1);
        EXPECT_TRUE(Gesucht()) << was;
        ZeigtSoll(was);
        EXPECT_TRUE(g->Gesperrt() || u.m.Winkel <= 0) << was;
        Markieren();
        Drehen(2);
        EXPECT_FALSE(Gesucht()) << was;
    }
}

// Another file, here one whose valve never opens the top port to the chest:
// no travel left over from the engine before, no mark for the missing events.
TEST_F(Steuerzeitenfenster, LoadingAnotherFileRefreshesBothAndShowsMissingEvents) {
    QTemporaryDir ordner;
    const QString b = ordner.filePath("b.kmf");
    Modell mb = u.m;
    mb.SchiEO += 60;
    SchieberAbleiten(mb);
    ASSERT_TRUE(Speichern(mb, std::filesystem::path(b.toStdString()), u.sprache, "").ok);
    // A load settles the direction of rotation last; the next step shows it.
    ASSERT_TRUE(h.Ladeaktion(b));
    Schritt(u.m, *u.k.ansichten);
    ZeigtSoll("file b");
    EXPECT_EQ(Zelle(2, 1), "-1.0");
    for (int s : {2, 3, 6, 7, 8, 9})
        EXPECT_EQ(std::pair(Zelle(2, s), Zelle(3, s)), std::pair(QString("---"), QString("---")));
    EXPECT_EQ(Zelle(6, 8), "---");
    EXPECT_EQ(g->Bild().Marken().size(), 6u);
}

// An engine that cannot be assembled half way round: no message from the
// running step, dashes and an empty graph, no new attempt at every step.
TEST_F(Steuerzeitenfenster, SolverFailureStaysInsideTheWindows) {
    u.m.PLänge = u.m.KWRadius / 2; // the rod misses the pin near 90°, not at 0°
    u.m.Winkel = 0;
    GeometriestandErhöhen(u.m);
    Schritt(u.m, *u.k.ansichten);
    EXPECT_EQ(std::pair(Zelle(2, 1), Zelle(7, 9)), std::pair(QString("---"), QString("---")));
    QImage leer(g->Bildpuffer().size(), QImage::Format_RGB32);
    leer.fill(Qt::white);
    EXPECT_EQ(g->Bildpuffer(), leer);
    Markieren();
    Schritt(u.m, *u.k.ansichten);
    EXPECT_FALSE(Gesucht());
    EXPECT_EQ(u.m.Winkel, 0);
}

struct Grafikexport : ::testing::Test {
    test::Umgebung u;
    QTemporaryDir ordner;
};

// The window and its export entry.
struct Fenster {
    std::unique_ptr<QWidget> fenster;
    QAction* exportieren;
};

template <class F> Fenster Öffnen(Kontext& k) {
    auto* f = new F(k);
    f->setAttribute(Qt::WA_DeleteOnClose, false);
    f->WechselSprache();
    return {std::unique_ptr<QWidget>(f), f->M_Exportieren};
}

TEST_F(Grafikexport, EveryGraphWindowExportsItsPictureAndDrawing) {
    const std::pair<const char*, std::function<Fenster(Kontext&)>> fälle[] = {
        {"steuerhub", &Öffnen<F_SteuerHub>},
        {"steuerzeiten", &Öffnen<F_Steuerzeiten>},
        {"diagramm", &Öffnen<F_Diagramm>},
    };
    for (const auto& [name, öffnen] : fälle) {
        const Fenster f = öffnen(u.k);
        const QString png = ordner.filePath(QString(name) + ".png");
        u.plattform.dateien = {png};
        u.plattform.größen = {QSize(420, 300)};
        f.exportieren->trigger();
        const QImage bild(png);
        ASSERT_EQ(bild.size(), QSize(420, 300)) << name;
        // Lines and curves over the background, not an empty area.
        const QRgb grund = bild.pixel(0, 0) & 0xFFFFFF;
        EXPECT_GT(test::Pixelzahl(bild, [grund](QRgb c) { return c != grund; }), 1500) << name;

        const QString svg = ordner.filePath(QString(name) + ".svg");
        u.plattform.dateien = {svg};
        f.exportieren->trigger();
        QFile datei(svg);
        ASSERT_TRUE(datei.open(QIODevice::ReadOnly)) << name;
        const QByteArray inhalt = datei.readAll();
        EXPECT_TRUE(inhalt.startsWith("<?xml")) << name;
        EXPECT_TRUE(inhalt.contains("<path") || inhalt.contains("<polyline")) << name;
    }
}

TEST_F(Grafikexport, ValveEventsTableExportsTheCommandLinesCsv) {
    DrehrichtungBestimmen(u.m); // as the command line settles it first
    F_SteuerzeitenTabelle t(u.k);
    t.setAttribute(Qt::WA_DeleteOnClose, false);
    t.Einschreiben();
    u.plattform.dateien = {ordner.filePath("steuerzeiten")};
    t.M_Exportieren->trigger();
    QFile datei(ordner.filePath("steuerzeiten.csv"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const test::Lauf cli = test::Starte({"events", "--csv"});
    ASSERT_EQ(cli.code, 0) << cli.err;
    EXPECT_EQ(datei.readAll().toStdString(), cli.out);
}

} // namespace
} // namespace vapro
