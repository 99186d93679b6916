// Pictures and texts to files: the type by the extension, the file written
// whole or not at all.

#include "render/Bildexport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <functional>
#include <stdexcept>

namespace vapro {
namespace {

Sprache Deutsch() {
    Sprache s;
    SpracheEinstellen(s, SprachbasisDeutsch);
    return s;
}

void Rot(QPainter& p, QSizeF größe) {
    p.fillRect(QRectF(QPointF(), größe), Qt::red);
}

QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Where the file cannot go or the painter fails halfway:
// the file there stays as it was and nothing else appears beside it.
TEST(Bildexport, FailureLeavesTheOldFileAndNothingElse) {
    QTemporaryDir ordner;
    const Sprache s = Deutsch();
    const QString alt = ordner.filePath("alt.png");
    {
        QFile f(alt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("old") == 3);
    }
    QFile::setPermissions(alt, QFileDevice::ReadOwner);
    const QString neu = ordner.filePath("neu.pdf");
    const Maler halb = [](QPainter& p, QSizeF g) {
        Rot(p, g);
        throw std::runtime_error("halfway");
    };
    const std::pair<std::function<Exportergebnis()>, const char*> fälle[] = {
        {[&] {
             return BildExportieren(alt, {40, 30}, Rot, s);
         },
         "schreibgeschützt"},
        {[&] { return TextExportieren(ordner.filePath("fehlt/t.csv"), "a", s); },
         "existiert nicht"},
        {[&] {
             return BildExportieren(neu, {40, 30}, halb, s);
         },
         nullptr},
    };
    const QStringList vorher = QDir(ordner.path()).entryList(QDir::AllEntries | QDir::Hidden);
    for (const auto& [schreiben, ursache] : fälle) {
        if (!ursache) {
            EXPECT_THROW(schreiben(), std::runtime_error);
            continue;
        }
        const Exportergebnis e = schreiben();
        EXPECT_FALSE(e.ok);
        EXPECT_EQ(e.meldung.rfind("Die Datei konnte nicht exportiert werden.\n\nDatei: ", 0), 0u);
        EXPECT_NE(e.meldung.find(ursache), std::string::npos) << e.meldung;
    }
    EXPECT_EQ(Inhalt(alt), "old");
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::AllEntries | QDir::Hidden), vorher);
}

} // namespace
} // namespace vapro
