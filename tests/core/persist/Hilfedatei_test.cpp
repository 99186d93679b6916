#include "persist/Hilfedatei.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vapro {
namespace {

TEST(HilfedateiTest, TopicsWithTitlesAndTrimmedParagraphs) {
    const auto themen = HilfeZerlegen("Vorspann ohne Thema\n"
                                      "#1000 Hauptfenster\n"
                                      "\n"
                                      "Erster Absatz.\n"
                                      "Zweite Zeile.\n"
                                      "   \n"
                                      "Zweiter Absatz.\n"
                                      "\n"
                                      "#2050\tKurbeltrieb  \n"
                                      "Radius und Stange.\n");
    ASSERT_EQ(themen.size(), 2u);
    EXPECT_EQ(themen[0].Nummer, 1000);
    EXPECT_EQ(themen[0].Titel, "Hauptfenster");
    EXPECT_EQ(themen[0].Text, "Erster Absatz.\nZweite Zeile.\n\nZweiter Absatz.");
    EXPECT_EQ(themen[1].Nummer, 2050);
    EXPECT_EQ(themen[1].Titel, "Kurbeltrieb");
    EXPECT_EQ(themen[1].Text, "Radius und Stange.");
    ASSERT_NE(HilfethemaSuchen(themen, 2050), nullptr);
    EXPECT_EQ(HilfethemaSuchen(themen, 2050)->Titel, "Kurbeltrieb");
    EXPECT_EQ(HilfethemaSuchen(themen, 3000), nullptr);
}

TEST(HilfedateiTest, MalformedHeadersAreTextAndDuplicatesKeepTheFirst) {
    const auto themen = HilfeZerlegen("\xEF\xBB\xBF#1 Eins\r\n"
                                      "#abc kein Kopf\r\n"
                                      "#12x auch keiner\r\n"
                                      "#\r\n"
                                      "# 5 mit Leerzeichen\r\n"
                                      "#1234567890 zu lang\r\n"
                                      "#2\r\n"
                                      "zwei\r\n"
                                      "#1 Doppelt\r\n"
                                      "verworfen\r\n"
                                      "#3 Drei");
    ASSERT_EQ(themen.size(), 3u);
    EXPECT_EQ(themen[0].Nummer, 1);
    EXPECT_EQ(themen[0].Titel, "Eins");
    EXPECT_EQ(themen[0].Text, "#abc kein Kopf\n#12x auch keiner\n#\n# 5 mit Leerzeichen\n"
                              "#1234567890 zu lang");
    EXPECT_EQ(themen[1].Nummer, 2);
    EXPECT_EQ(themen[1].Titel, "");
    EXPECT_EQ(themen[1].Text, "zwei");
    EXPECT_EQ(themen[2].Nummer, 3);
    EXPECT_EQ(themen[2].Text, "");
}

TEST(HilfedateiTest, EmptyOrTopicFreeTextGivesNoTopics) {
    for (std::string_view text : {"", "\n\n", "nur Text\n#x\n", "\xEF\xBB\xBF"})
        EXPECT_TRUE(HilfeZerlegen(text).empty()) << text;
}

TEST(HilfedateiTest, UnreadableFilesGiveNothing) {
    const auto ordner = std::filesystem::temp_directory_path() / "vapro_hilfe_test";
    std::filesystem::create_directories(ordner);
    EXPECT_FALSE(HilfedateiLesen((ordner / "fehlt.hlp").string()));
    EXPECT_FALSE(HilfedateiLesen(ordner.string())); // a folder, not a file

    const auto datei = ordner / "klein.hlp";
    std::ofstream(datei) << "#7 Sieben\nText\n";
    const auto themen = HilfedateiLesen(datei.string());
    ASSERT_TRUE(themen);
    ASSERT_EQ(themen->size(), 1u);
    EXPECT_EQ(themen->front().Text, "Text");
    std::filesystem::remove_all(ordner);
}

} // namespace
} // namespace vapro
