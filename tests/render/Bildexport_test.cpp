// Pictures and texts to files: the type by the extension, the file written
// whole or not at all.

#include "render/Bildexport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <stdexcept>

namespace vapro {
namespace {

Sprache Deutsch() {
    Sprache s;
    SpracheEinstellen(s, SprachbasisDeutsch);
    return s;
}

// Red left half, blue right half, whatever the size.
void Halbe(QPainter& p, QSizeF größe) {
    p.fillRect(QRectF(0, 0, größe.width() / 2, größe.height()), Qt::red);
    p.fillRect(QRectF(größe.width() / 2, 0, größe.width() / 2, größe.height()), Qt::blue);
}

QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(Bildexport, TypeFollowsTheExtension) {
    QTemporaryDir ordner;
    const Sprache s = Deutsch();
    const QSize größe(120, 80);

    const QString png = ordner.filePath("bild.PNG");
    ASSERT_TRUE(BildExportieren(png, größe, Halbe, s).ok);
    const QImage bild(png, "PNG");
    EXPECT_EQ(bild.size(), größe);
    EXPECT_EQ(bild.pixel(10, 40) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(bild.pixel(110, 40) & 0xFFFFFF, 0x0000FFu);

    const QString svg = ordner.filePath("bild.svg");
    ASSERT_TRUE(BildExportieren(svg, größe, Halbe, s).ok);
    const QByteArray text = Inhalt(svg);
    EXPECT_TRUE(text.contains("<svg")) << text.left(200).toStdString();
    EXPECT_TRUE(text.contains("viewBox=\"0 0 120 80\"")) << text.left(400).toStdString();

    // 96 pixels to the inch: 120 x 80 pixels are 90 x 60 points.
    const QString pdf = ordner.filePath("bild.pdf");
    ASSERT_TRUE(BildExportieren(pdf, größe, Halbe, s).ok);
    const QByteArray dokument = Inhalt(pdf);
    EXPECT_TRUE(dokument.startsWith("%PDF"));
    EXPECT_TRUE(QRegularExpression("/MediaBox \\[0 0 90(\\.0+)? 60(\\.0+)?\\]")
                    .match(QString::fromLatin1(dokument))
                    .hasMatch());

    const Exportergebnis fremd = BildExportieren(ordner.filePath("bild.gif"), größe, Halbe, s);
    EXPECT_FALSE(fremd.ok);
    EXPECT_NE(fremd.meldung.find(".png, .svg, .pdf"), std::string::npos) << fremd.meldung;
    EXPECT_FALSE(QFile::exists(ordner.filePath("bild.gif")));
}

// Where the file cannot go, the file there stays as it was and nothing else
// appears beside it.
TEST(Bildexport, FailureLeavesTheOldFileAndNothingElse) {
    QTemporaryDir ordner;
    const Sprache s = Deutsch();
    const QString alt = ordner.filePath("alt.png");
    {
        QFile f(alt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old picture");
    }
    QFile::setPermissions(alt, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    ASSERT_TRUE(QDir().mkdir(ordner.filePath("ordner.png")));
    struct Fall {
        QString pfad;
        std::string ursache;
    };
    const Fall fälle[] = {
        {alt, "schreibgeschützt"},
        {ordner.filePath("ordner.png"), "keine gewöhnliche Datei"},
        {ordner.filePath("fehlt/bild.png"), "existiert nicht"},
    };
    const QStringList vorher = QDir(ordner.path()).entryList(QDir::AllEntries | QDir::Hidden);
    for (const Fall& f : fälle) {
        for (const auto& schreiben : {std::function<Exportergebnis()>([&] {
                                          return BildExportieren(f.pfad, QSize(40, 30), Halbe, s);
                                      }),
                                      std::function<Exportergebnis()>(
                                          [&] { return TextExportieren(f.pfad, "a,b\n", s); })}) {
            const Exportergebnis e = schreiben();
            EXPECT_FALSE(e.ok) << f.pfad.toStdString();
            EXPECT_EQ(e.meldung.rfind("Die Datei konnte nicht exportiert werden.", 0), 0u);
            EXPECT_NE(e.meldung.find(f.ursache), std::string::npos) << e.meldung;
        }
    }
    EXPECT_EQ(Inhalt(alt), "old picture");
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::AllEntries | QDir::Hidden), vorher);
}

TEST(Bildexport, PainterFailingHalfwayLeavesNoFile) {
    QTemporaryDir ordner;
    const Sprache s = Deutsch();
    for (const char* name : {"a.png", "a.svg", "a.pdf"}) {
        const QString pfad = ordner.filePath(name);
        EXPECT_THROW(BildExportieren(
                         pfad, QSize(40, 30),
                         [](QPainter& p, QSizeF g) {
                             Halbe(p, g);
                             throw std::runtime_error("halfway");
                         },
                         s),
                     std::runtime_error);
        EXPECT_TRUE(
            QDir(ordner.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            << name;
    }
}

TEST(Bildexport, TextIsWrittenAsGiven) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("t.csv");
    const std::string text = "Winkel,kwegmm\n0,1.5\n";
    ASSERT_TRUE(TextExportieren(pfad, text, Deutsch()).ok);
    EXPECT_EQ(Inhalt(pfad).toStdString(), text);
}

} // namespace
} // namespace vapro
