// "Export ..." of the graph windows and the valve-events table: the graph's
// painter at the asked size, drawings as SVG, the table as the command line's CSV.

#include <QAction>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "core/model/Bewegung.h"
#include "tests/cli/Lauf.h"
#include "tests/render/Referenzbild.h"
#include "tests/ui/Umgebung.h"
#include "ui/analysis/F_Diagramm.h"
#include "ui/analysis/F_SteuerzeitenTabelle.h"
#include "ui/views/F_SteuerHub.h"
#include "ui/views/F_SteuerHubWeg.h"
#include "ui/views/F_Steuerzeiten.h"

namespace vapro {
namespace {

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
        {"steuerhubweg", &Öffnen<F_SteuerHubWeg>},
        {"steuerzeiten", &Öffnen<F_Steuerzeiten>},
        {"diagramm", &Öffnen<F_Diagramm>},
    };
    for (const auto& [name, öffnen] : fälle) {
        const Fenster f = öffnen(u.k);
        EXPECT_EQ(f.exportieren->text(), QString::fromUtf8("Exportieren ...")) << name;
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
    EXPECT_NE(cli.out.find("Oben,Einlaßbeginn,"), std::string::npos);
}

} // namespace
} // namespace vapro
