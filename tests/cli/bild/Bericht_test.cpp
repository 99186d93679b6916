// vapro-cli report: the design report as a PDF, written whole or not at all.

#include "cli/Berichtausgabe.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "cli/Befehle.h"
#include "cli/Bildzeichner.h"
#include "tests/cli/Lauf.h"

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

// Page objects, not the page tree ("/Type /Pages").
int Seiten(const QByteArray& pdf) {
    static const QRegularExpression seite(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    return static_cast<int>(QString::fromLatin1(pdf).count(seite));
}

// The document title, which the writer keeps uncompressed, as big-endian
// UTF-16 after its byte-order mark.
QString Titel(const QByteArray& pdf) {
    const qsizetype anfang = pdf.indexOf("/Title");
    if (anfang < 0) return {};
    const QByteArray rest = pdf.mid(anfang);
    const qsizetype bom = rest.indexOf("\xFE\xFF");
    const qsizetype ende = rest.indexOf("\n");
    if (bom < 0 || (ende >= 0 && ende < bom)) return QString::fromLatin1(rest.left(ende));
    // The string escapes parentheses and backslashes; the title has none.
    QString titel;
    for (qsizetype i = bom + 2; i + 1 < rest.size() && rest[i] != ')'; i += 2)
        titel += QChar(static_cast<char16_t>((static_cast<uchar>(rest[i]) << 8) |
                                             static_cast<uchar>(rest[i + 1])));
    return titel;
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
        const QByteArray inhalt = Inhalt(pdf);
        ASSERT_TRUE(inhalt.startsWith("%PDF-")) << sprache;
        // Title and picture, two pages of inputs, both valve-events tables,
        // the two valve-travel graphs, the valve-events graph with the steam
        // diagram, the operating figures, the lever range.
        EXPECT_EQ(Seiten(inhalt), 8) << sprache;
        EXPECT_TRUE(Titel(inhalt).contains("Versuchsmaschine.kmf")) << Titel(inhalt).toStdString();
        EXPECT_TRUE(Titel(inhalt).startsWith(std::string(sprache) == "de" ? "Konstruktionsbericht"
                                                                          : "Design report"))
            << Titel(inhalt).toStdString();
    }
}

TEST_F(Report, AnEngineThatCannotBeAssembledStillGetsEveryPage) {
    // The gear cannot reach the link: each part says so in its place.
    const std::string pdf = Pfad("kaputt.pdf");
    const test::Lauf l =
        test::Starte({"--richtung", "vor", "--set", "UmLänge=500", "report", "--out", pdf});
    ASSERT_EQ(l.code, 0) << l.err;
    EXPECT_EQ(Seiten(Inhalt(pdf)), 8);
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
