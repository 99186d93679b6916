#include "core/persist/Hilfedatei.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/persist/Datenordner.h"

namespace vapro {
namespace {

namespace fs = std::filesystem;

// Topics as "number|title|text" lines, to compare in one go.
std::string Flach(const std::vector<Hilfethema>& themen) {
    std::string s;
    for (const auto& t : themen)
        s += std::to_string(t.Nummer) + "|" + t.Titel + "|" + t.Text + "\n";
    return s;
}

TEST(HilfedateiTest, SplitsIntoTopics) {
    const std::pair<std::string_view, std::string_view> fälle[] = {
        {"Vorspann ohne Thema\n#1000 Hauptfenster\n\nErster Absatz.\nZweite Zeile.\n   \n"
         "Zweiter Absatz.\n\n#2050\tKurbeltrieb  \nRadius und Stange.\n",
         "1000|Hauptfenster|Erster Absatz.\nZweite Zeile.\n\nZweiter Absatz.\n"
         "2050|Kurbeltrieb|Radius und Stange.\n"},
        // Byte-order mark and CR LF; malformed headers are text; the first of two #1 counts.
        {"\xEF\xBB\xBF#1 Eins\r\n#12x kein Kopf\r\n#2\r\nzwei\r\n#1 Doppelt\r\nverworfen\r\n#3 "
         "Drei",
         "1|Eins|#12x kein Kopf\n2||zwei\n3|Drei|\n"},
    };
    for (const auto& [text, themen] : fälle)
        EXPECT_EQ(Flach(HilfeZerlegen(text)), themen) << text;
    EXPECT_TRUE(HilfeZerlegen("nur Text\n#x\n").empty());

    const auto themen = HilfeZerlegen("#1 a\n#2050 Kurbeltrieb\n");
    EXPECT_EQ(HilfethemaSuchen(themen, 2050), &themen[1]);
    EXPECT_EQ(HilfethemaSuchen(themen, 3000), nullptr);
}

TEST(HilfedateiTest, ReadsFilesAndUnreadableOnesGiveNothing) {
    const auto ordner = fs::temp_directory_path() / "vapro_hilfe_test";
    fs::create_directories(ordner);
    EXPECT_FALSE(HilfedateiLesen((ordner / "fehlt.hlp").string()));

    std::ofstream(ordner / "klein.hlp") << "#7 Sieben\nText\n";
    const auto themen = HilfedateiLesen((ordner / "klein.hlp").string());
    ASSERT_TRUE(themen);
    EXPECT_EQ(Flach(*themen), "7|Sieben|Text\n");
    fs::remove_all(ordner);
}

TEST(Datenordner, InstalledShareBeforeDataBesideTheProgramBeforeTheSourceTree) {
    const fs::path wurzel = fs::temp_directory_path() / "vapro-datenordner-test";
    fs::remove_all(wurzel);
    const fs::path bin = wurzel / "bin", share = wurzel / "share" / "zelto-vapro";
    fs::create_directories(bin / "data");
    fs::create_directories(share);

    EXPECT_EQ(Datenordner(bin), fs::path(VAPRO_DATA_DIR)) << "nothing installed";
    std::ofstream(bin / "data" / "Vapro15.hlp") << "#1000 x\n";
    EXPECT_EQ(Datenordner(bin), (bin / "data").lexically_normal());
    std::ofstream(share / "Vapro15.hlp") << "#1000 x\n";
    EXPECT_EQ(Datenordner(bin), share.lexically_normal());
    fs::remove_all(wurzel);
}

} // namespace
} // namespace vapro
