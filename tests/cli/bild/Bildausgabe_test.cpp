// vapro-cli render: the painters of the windows, headless, by the file's extension.

#include "cli/Bildausgabe.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "cli/Befehle.h"
#include "cli/Bildzeichner.h"
#include "tests/cli/Lauf.h"

namespace vapro {
namespace {

struct Render : ::testing::Test {
    QTemporaryDir ordner;
    void SetUp() override { cli::BildzeichnerSetzen(cli::Bildausgabe); }
    void TearDown() override { cli::BildzeichnerSetzen(nullptr); }
    std::string Pfad(const char* name) const { return ordner.filePath(name).toStdString(); }
};

TEST_F(Render, BildIsAPngOfTheAskedSizeInSteamColours) {
    const std::string png = Pfad("bild.png");
    const test::Lauf l = test::Starte({"--umwinkel", "-40", "render", "bild", "--out", png,
                                       "--groesse", "320x400", "--winkel", "30"});
    ASSERT_EQ(l.code, 0) << l.err;
    EXPECT_TRUE(l.out.empty());
    const QImage bild(QString::fromStdString(png));
    ASSERT_EQ(bild.size(), QSize(320, 400));
    // Live steam red, exhaust blue (outside admission) fill chest and cylinder.
    int rot = 0, blau = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = bild.pixel(x, y) & 0xFFFFFF;
            rot += p == 0xFF0000;
            blau += p == 0x0000FF;
        }
    EXPECT_GT(rot, 500);
    EXPECT_GT(blau, 500);
    // The other types by their extensions.
    auto anfang = [this](const char* name) {
        EXPECT_EQ(test::Starte({"render", "bild", "--out", Pfad(name)}).code, 0) << name;
        QFile f(QString::fromStdString(Pfad(name)));
        return f.open(QIODevice::ReadOnly) ? f.read(5) : QByteArray();
    };
    EXPECT_EQ(std::pair(anfang("b.svg"), anfang("b.pdf")),
              std::pair(QByteArray("<?xml"), QByteArray("%PDF-")));
}

TEST_F(Render, RefusalsAndTheirExitCodes) {
    const std::string png = Pfad("x.png");
    struct Fall {
        std::vector<std::string> argumente;
        int code;
        const char* meldung;
    };
    const Fall fälle[] = {
        {{"render", "steuerhub", "--out", png}, 2, "not yet available"},
        {{"render", "kessel", "--out", png}, 2, "unknown picture"},
        {{"render", "bild"}, 2, "--out"},
        {{"render", "bild", "--out", Pfad("x.gif")}, 2, ".png, .svg or .pdf"},
        {{"render", "bild", "--out", png, "--groesse", "30000x10"}, 2, "at most"},
        {{"render", "bild", "--out", Pfad("fehlt/x.png")}, 4, "existiert nicht"},
        {{"--set", "PLänge=20", "render", "bild", "--out", png}, 3, "geometry error"},
    };
    for (const Fall& f : fälle) {
        const test::Lauf l = test::Starte(f.argumente);
        EXPECT_EQ(l.code, f.code) << f.argumente[1] << " " << l.err;
        EXPECT_NE(l.err.find(f.meldung), std::string::npos) << l.err;
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(png)));

    cli::BildzeichnerSetzen(nullptr);
    const test::Lauf ohne = test::Starte({"render", "bild", "--out", png});
    EXPECT_EQ(ohne.code, 2);
    EXPECT_NE(ohne.err.find("without the drawing library"), std::string::npos) << ohne.err;
}

} // namespace
} // namespace vapro
