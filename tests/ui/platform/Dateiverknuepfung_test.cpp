#include "ui/platform/Dateiverknuepfung.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/ui/Umgebung.h"

namespace vapro {
namespace {

// A missing file reads as a text naming it, so two missing files never compare equal.
QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : "missing " + pfad.toUtf8();
}

struct DateiverknuepfungTest : testing::Test {
    test::Umgebung u;
    QTemporaryDir ordner;
    Verknüpfungsorte orte{ordner.path(), QStringLiteral(VAPRO_DATA_DIR),
                          QStringLiteral("/opt/Zelto Vapro/vapro"), false};
};

TEST_F(DateiverknuepfungTest, WritesEntryMimePackageAndIconsIntoTheDataFolder) {
    ASSERT_TRUE(DateiverknüpfungSchreiben(orte, u.plattform, u.sprache));
    const QString eintrag(Inhalt(ordner.filePath("applications/zelto-vapro.desktop")));
    for (const char* zeile : {"[Desktop Entry]\n", "\nExec=\"/opt/Zelto Vapro/vapro\" %f\n",
                              "\nMimeType=application/x-zelto-vapro;\n", "\nIcon=zelto-vapro\n"})
        EXPECT_EQ(eintrag.count(zeile), 1) << zeile;
    // The package and the icons are the shipped files.
    for (auto [ziel, vorlage] :
         {std::pair{"mime/packages/zelto-vapro.xml", "zelto-vapro-mime.xml"},
          {"icons/hicolor/64x64/mimetypes/application-x-zelto-vapro.png", "vapro.png"}})
        EXPECT_EQ(Inhalt(ordner.filePath(ziel)),
                  Inhalt(QStringLiteral(VAPRO_DATA_DIR "/") + vorlage));
}

TEST(Dateiverknuepfung, ExecQuotesOnlyWhereTheDesktopNeedsIt) {
    for (auto [programm, exec] : {std::pair{"/usr/bin/vapro", "/usr/bin/vapro %f"},
                                  {"/opt/Zelto Vapro/vapro", "\"/opt/Zelto Vapro/vapro\" %f"},
                                  {"/opt/50%/vapro", "/opt/50%%/vapro %f"}})
        EXPECT_EQ(ExecZeile(programm), exec) << programm;
}

TEST_F(DateiverknuepfungTest, WriteFailuresReportMessage3011) {
    // A plain file where a folder should be cannot be written into, not even by root.
    ASSERT_TRUE(QFile(ordner.filePath("datei")).open(QIODevice::WriteOnly));
    orte.basis = ordner.filePath("datei/share");
    EXPECT_FALSE(DateiverknüpfungSchreiben(orte, u.plattform, u.sprache));
    ASSERT_EQ(u.plattform.Meldungen().size(), 1u);
    EXPECT_EQ(u.plattform.Meldungen()[0].text,
              "Fehler beim Speichern der RegDatei. Bitte erneut versuchen.");
}

} // namespace
} // namespace vapro
