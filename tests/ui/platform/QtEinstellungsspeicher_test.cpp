#include "ui/platform/QtEinstellungsspeicher.h"

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
    // Keys and values an INI file could mangle: umlauts, commas, blanks, nothing.
    const char* const einträge[][2] = {{"Meßwerte Zeigen", "True"},
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
    EXPECT_EQ(s.Lesen("Aktuell", "Fehlt", "vorgabe") + s.Lesen("Anderer", "Leer", "!"), "vorgabe!");
}

TEST_F(QtEinstellungsspeicherTest, SectionsAndKeysOfAnyCaseAreOneEntry) {
    QFile f(datei()); // edited by hand, one section in two spellings
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) &&
                f.write("[Aktuell]\nHaupt x=450\n[AKTUELL]\nBild y=900\n") && f.flush());
    QtEinstellungsspeicher s(datei());
    s.Schreiben("Aktuell", "Meßwerte Zeigen", "True");
    s.Schreiben("Version", "Sprache", "11000");
    EXPECT_EQ(s.Lesen("AKTUELL", "MEßWERTE ZEIGEN", ""), "True");
    EXPECT_EQ(s.Lesen("aktuell", "HAUPT X", "") + " " + s.Lesen("Aktuell", "bild Y", ""),
              "450 900");
    s.Schreiben("AKTUELL", "haupt X", "600");
    EXPECT_EQ(s.Lesen("Aktuell", "Haupt x", ""), "600");
    // The hand-written spelling was replaced, not joined by a second entry.
    const QStringList roh = QSettings(datei(), QSettings::IniFormat).allKeys();
    EXPECT_EQ(roh.filter("haupt x", Qt::CaseInsensitive).size(), 1) << qPrintable(roh.join(";"));
    s.AbschnittLöschen("aktuell");
    EXPECT_EQ(s.Lesen("Aktuell", "Bild y", "") + s.Lesen("aktuell", "Meßwerte Zeigen", ""), "");
    EXPECT_EQ(s.Lesen("VERSION", "sprache", ""), "11000");
}

} // namespace
} // namespace vapro
