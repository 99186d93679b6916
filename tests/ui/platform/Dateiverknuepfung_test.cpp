#include "platform/Dateiverknuepfung.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "Umgebung.h"

namespace vapro {
namespace {

QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct DateiverknuepfungTest : testing::Test {
    test::Umgebung u;
    QTemporaryDir ordner;
    Verknüpfungsorte orte{ordner.path(), QStringLiteral(VAPRO_DATA_DIR),
                          QStringLiteral("/opt/Zelto Vapro/vapro"), false};
};

TEST_F(DateiverknuepfungTest, WritesEntryMimePackageAndIcons) {
    ASSERT_TRUE(DateiverknüpfungSchreiben(orte, u.plattform, u.sprache));
    EXPECT_TRUE(u.plattform.meldungen.empty());

    const QString eintrag =
        QString::fromUtf8(Inhalt(ordner.filePath("applications/zelto-vapro.desktop")));
    EXPECT_TRUE(eintrag.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(eintrag.contains("\nExec=\"/opt/Zelto Vapro/vapro\" %f\n"));
    EXPECT_EQ(eintrag.count("Exec="), 1);
    EXPECT_TRUE(eintrag.contains("\nMimeType=application/x-zelto-vapro;\n"));
    EXPECT_TRUE(eintrag.contains("\nIcon=zelto-vapro\n"));

    EXPECT_EQ(Inhalt(ordner.filePath("mime/packages/zelto-vapro.xml")),
              Inhalt(QStringLiteral(VAPRO_DATA_DIR "/zelto-vapro-mime.xml")));
    const QByteArray symbol = Inhalt(QStringLiteral(VAPRO_DATA_DIR "/vapro.png"));
    ASSERT_TRUE(symbol.startsWith("\x89PNG"));
    EXPECT_EQ(Inhalt(ordner.filePath("icons/hicolor/64x64/apps/zelto-vapro.png")), symbol);
    EXPECT_EQ(
        Inhalt(ordner.filePath("icons/hicolor/64x64/mimetypes/application-x-zelto-vapro.png")),
        symbol);
}

TEST_F(DateiverknuepfungTest, ExecQuotesOnlyWhereTheDesktopNeedsIt) {
    const std::pair<const char*, const char*> fälle[] = {
        {"/usr/bin/vapro", "/usr/bin/vapro %f"},
        {"/opt/Zelto Vapro/vapro", "\"/opt/Zelto Vapro/vapro\" %f"},
        {"/opt/a$b/vapro", "\"/opt/a\\\\$b/vapro\" %f"},
        {"/opt/50%/vapro", "/opt/50%%/vapro %f"},
        {"/opt/\"x\"/vapro", "\"/opt/\\\\\"x\\\\\"/vapro\" %f"},
    };
    for (const auto& [programm, exec] : fälle)
        EXPECT_EQ(ExecZeile(programm), exec) << programm;
}

TEST_F(DateiverknuepfungTest, WriteFailuresReportMessage3011) {
    // A plain file where a folder should be cannot be written into, not even by root.
    QFile sperre(ordner.filePath("datei"));
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
    sperre.close();
    Verknüpfungsorte gesperrt = orte;
    gesperrt.basis = ordner.filePath("datei/share");
    Verknüpfungsorte ohneVorlagen = orte;
    ohneVorlagen.vorlagen = ordner.filePath("keine");

    for (const Verknüpfungsorte* o : {&gesperrt, &ohneVorlagen}) {
        u.plattform.meldungen.clear();
        EXPECT_FALSE(DateiverknüpfungSchreiben(*o, u.plattform, u.sprache));
        ASSERT_EQ(u.plattform.meldungen.size(), 1u);
        EXPECT_EQ(u.plattform.meldungen[0].text,
                  "Fehler beim Speichern der RegDatei. Bitte erneut versuchen.");
    }
    EXPECT_FALSE(QFileInfo::exists(ordner.filePath("applications/zelto-vapro.desktop")));
}

TEST_F(DateiverknuepfungTest, MimeDatabaseAcceptsThePackage) {
    if (QStandardPaths::findExecutable("update-mime-database").isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    orte.datenbankenAuffrischen = true;
    ASSERT_TRUE(DateiverknüpfungSchreiben(orte, u.plattform, u.sprache));
    const QByteArray globs = Inhalt(ordner.filePath("mime/globs2"));
    EXPECT_TRUE(globs.contains("application/x-zelto-vapro:*.kmf")) << globs.constData();
}

} // namespace
} // namespace vapro
