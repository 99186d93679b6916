#include "platform/QtEinstellungsspeicher.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vapro {
namespace {

struct QtEinstellungsspeicherTest : testing::Test {
    QTemporaryDir ordner;
    QString datei() const { return ordner.filePath("Zelto Vapro.ini"); }
};

TEST_F(QtEinstellungsspeicherTest, ValuesSurviveANewStoreOnTheSameFile) {
    const std::pair<const char*, const char*> einträge[] = {{"Versions Nr", "33"},
                                                            {"33 am:", "01.02.2024"},
                                                            {"Meßwerte Zeigen", "True"},
                                                            {"Bild Höhe", "4000"},
                                                            {"Filename", "/home/ä b/Lok, alt.kmf"},
                                                            {"Programmpfad", "  /opt/v/ "},
                                                            {"Leer", ""}};
    {
        QtEinstellungsspeicher s(datei());
        for (const auto& [k, w] : einträge)
            s.Schreiben("Aktuell", k, w);
    }
    QtEinstellungsspeicher s(datei());
    for (const auto& [k, w] : einträge)
        EXPECT_EQ(s.Lesen("Aktuell", k, "?"), w) << k;
    EXPECT_EQ(s.Lesen("Aktuell", "Fehlt", "vorgabe"), "vorgabe");
    EXPECT_EQ(s.Lesen("Anderer", "Versions Nr", "vorgabe"), "vorgabe");
}

TEST_F(QtEinstellungsspeicherTest, SectionsAndKeysIgnoreCase) {
    QtEinstellungsspeicher s(datei());
    s.Schreiben("Aktuell", "Meßwerte Zeigen", "True");
    s.Schreiben("Version", "Sprache", "11000");
    EXPECT_EQ(s.Lesen("AKTUELL", "MEßWERTE ZEIGEN", ""), "True");
    EXPECT_EQ(s.Lesen("aktuell", "meßwerte zeigen", ""), "True");
    EXPECT_EQ(s.Lesen("version", "SPRACHE", ""), "11000");

    s.Schreiben("aktuell", "MEßWERTE ZEIGEN", "False");
    EXPECT_EQ(s.Lesen("Aktuell", "Meßwerte Zeigen", ""), "False");

    s.AbschnittLöschen("AKTUELL");
    EXPECT_EQ(s.Lesen("Aktuell", "Meßwerte Zeigen", "weg"), "weg");
    EXPECT_EQ(s.Lesen("Version", "Sprache", ""), "11000");
}

TEST_F(QtEinstellungsspeicherTest, HandEditedEntriesOfAnyCaseAreFoundAndReplaced) {
    {
        QFile f(datei());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Aktuell]\nHaupt x=450\nFilename=a, b\n[AKTUELL]\nBild y=900\n");
    }
    QtEinstellungsspeicher s(datei());
    EXPECT_EQ(s.Lesen("aktuell", "HAUPT X", ""), "450");
    EXPECT_EQ(s.Lesen("Aktuell", "Bild y", ""), "900");
    EXPECT_EQ(s.Lesen("Aktuell", "Filename", ""), "a, b");

    s.Schreiben("Aktuell", "Haupt x", "600");
    EXPECT_EQ(s.Lesen("Aktuell", "Haupt x", ""), "600");
    QSettings roh(datei(), QSettings::IniFormat);
    int hauptX = 0;
    for (const QString& k : roh.allKeys())
        hauptX += k.toLower() == "aktuell/haupt x";
    EXPECT_EQ(hauptX, 1);

    s.AbschnittLöschen("Aktuell");
    EXPECT_EQ(s.Lesen("Aktuell", "Bild y", "weg"), "weg");
    EXPECT_EQ(s.Lesen("Aktuell", "Filename", "weg"), "weg");
}

} // namespace
} // namespace vapro
