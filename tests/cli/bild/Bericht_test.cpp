// vapro-cli report: the design report as a PDF, written whole or not at all.

#include "cli/Berichtausgabe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "cli/Befehle.h"
#include "cli/Bildzeichner.h"
#include "tests/cli/Lauf.h"
#include "tests/render/Pdfseiten.h"

namespace vapro {
namespace {

struct Report : ::testing::Test {
    QTemporaryDir ordner;
    void SetUp() override { cli::BerichtzeichnerSetzen(cli::Berichtausgabe); }
    void TearDown() override { cli::BerichtzeichnerSetzen(nullptr); }
    std::string Pfad(const char* name) const { return ordner.filePath(name).toStdString(); }
};

QByteArray Inhalt(const std::string& pfad) {
    QFile f(QString::fromStdString(pfad));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every page's text, one after the other.
QString Text(QPdfDocument& pdf) {
    QString text;
    for (int i = 0; i < pdf.pageCount(); ++i)
        text += pdf.getAllText(i).text() + "\n";
    return text;
}

TEST_F(Report, DefaultEngineGivesAllPagesTitledWithTheFileName) {
    const std::string kmf = Pfad("Versuchsmaschine.kmf");
    ASSERT_EQ(test::Starte({"save", kmf}).code, 0);
    for (const char* sprache : {"de", "en"}) {
        const std::string pdf = Pfad((std::string("bericht-") + sprache + ".pdf").c_str());
        const test::Lauf l =
            test::Starte({"--file", kmf, "--sprache", sprache, "report", "--out", pdf});
        ASSERT_EQ(l.code, 0) << l.err;
        EXPECT_TRUE(l.out.empty());
        const auto bericht = test::PdfLaden(QString::fromStdString(pdf));
        ASSERT_TRUE(bericht) << sprache;
        // Title and picture, two pages of inputs, both valve-events tables,
        // the two valve-travel graphs, the valve-events graph with the steam
        // diagram, the operating figures, the lever range.
        EXPECT_EQ(bericht->pageCount(), 8) << sprache;
        const QString titel = bericht->metaData(QPdfDocument::MetaDataField::Title).toString();
        const QString deckblatt = bericht->getAllText(0).text();
        const char* überschrift =
            std::string(sprache) == "de" ? "Konstruktionsbericht" : "Design report";
        EXPECT_TRUE(titel.startsWith(überschrift) && titel.contains("Versuchsmaschine.kmf"))
            << titel.toStdString();
        EXPECT_TRUE(deckblatt.contains(überschrift) && deckblatt.contains("Versuchsmaschine.kmf"))
            << deckblatt.toStdString();
    }
}

TEST_F(Report, AnEngineThatCannotBeAssembledStillGetsEveryPage) {
    // The gear cannot reach the link: each part says so in its place.
    const std::string pdf = Pfad("kaputt.pdf");
    const test::Lauf l =
        test::Starte({"--richtung", "vor", "--set", "UmLänge=500", "report", "--out", pdf});
    ASSERT_EQ(l.code, 0) << l.err;
    const auto bericht = test::PdfLaden(QString::fromStdString(pdf));
    ASSERT_TRUE(bericht);
    EXPECT_EQ(bericht->pageCount(), 8);
    EXPECT_TRUE(Text(*bericht).contains("Nicht zu berechnen")) << Text(*bericht).toStdString();
}

TEST_F(Report, RefusalsLeaveNoFileAndKeepAnOldOne) {
    const std::string alt = Pfad("alt.pdf");
    {
        QFile f(QString::fromStdString(alt));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old report");
    }
    QFile::setPermissions(QString::fromStdString(alt), QFile::ReadOwner | QFile::ReadGroup);
    ASSERT_TRUE(QDir(ordner.path()).mkdir("mappe.pdf"));
    struct Fall {
        const char* wozu;
        std::string ziel;
        int code;
    };
    const Fall fälle[] = {
        {"read-only file", alt, 4},
        {"missing folder", Pfad("fehlt/bericht.pdf"), 4},
        {"folder in the way", Pfad("mappe.pdf"), 4},
        {"not a pdf", Pfad("bericht.png"), 2},
    };
    for (const Fall& f : fälle) {
        const test::Lauf l = test::Starte({"report", "--out", f.ziel});
        EXPECT_EQ(l.code, f.code) << f.wozu << ": " << l.err;
        EXPECT_FALSE(l.err.empty()) << f.wozu;
    }
    EXPECT_EQ(Inhalt(alt), "old report");
    // Nothing else was left behind, not even a temporary file.
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"alt.pdf"});
}

TEST_F(Report, NeedsItsFileAndTheDrawingLibrary) {
    EXPECT_EQ(test::Starte({"report"}).code, 2);
    cli::BerichtzeichnerSetzen(nullptr);
    EXPECT_EQ(test::Starte({"report", "--out", Pfad("b.pdf")}).code, 2);
}

} // namespace
} // namespace vapro
