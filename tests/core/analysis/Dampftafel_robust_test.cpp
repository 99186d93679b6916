// Damaged table files: every load must either succeed with a sound grid or
// fail with the file name, whatever the damage.

#include "core/analysis/Dampftafel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

namespace vapro {
namespace {

namespace fs = std::filesystem;

const std::string Vorlage =
    "\"Robust\"\nZeilen,5\nSpalten,6\nFixierte Zeilen,2\nFixierte Spalten,1\n"
    "p,2,t,2,h',1,r,1,h'',1,v'',4\np,t,h',r,h'',v''\npsia,°F,Btu/lb,Btu/lb,Btu/lb,cu ft/lb\n"
    "14.70,211.95,180.1,970.4,1150.5,26.8024\n15.00,213.00,181.2,969.7,1150.9,26.2903\n"
    "20.00,227.92,196.3,960.1,1156.3,20.0891\n25.00,240.03,208.5,952.2,1160.7,16.3012\n";

// One to three random changes: truncation, a flipped byte, inserted noise or
// an awkward token, a field replaced by one, a line dropped or repeated.
std::string Verderben(std::string text, std::mt19937& zufall) {
    static const std::string Ersatz[] = {
        "abc", "1e308", "-1e308", "1e999", "NaN",     "inf",         "",           "\"",      "-5",
        "0",   "1.5",   ",,,",    "\r",    "\"x,y\"", "99999999999", "2147483647", "\xff\xfe"};
    const auto zahl = [&](std::size_t bis) {
        return std::uniform_int_distribution<std::size_t>(0, bis)(zufall);
    };
    for (auto n = zahl(2) + 1; n > 0; --n) {
        const std::size_t pos = zahl(text.size());
        const std::string& token = Ersatz[zahl(std::size(Ersatz) - 1)];
        const auto feld = text.find_last_of(",\n", pos == 0 ? 0 : pos - 1);
        const std::size_t anfang = feld == std::string::npos ? 0 : feld + 1;
        const std::size_t zeile = pos == 0 ? 0 : text.rfind('\n', pos - 1) + 1; // npos + 1 == 0
        const std::size_t ende = std::min(text.find('\n', pos), text.size()) + 1;
        // clang-format off
        switch (zahl(5)) {
        case 0: text.resize(pos); break;
        case 1: if (pos < text.size()) text[pos] ^= static_cast<char>(zahl(254) + 1); break;
        case 2: text.insert(pos, token); break;
        case 3: text.replace(anfang, text.find_first_of(",\n", anfang) - anfang, token); break;
        case 4: text.erase(zeile, ende - zeile); break;
        default: text.insert(zeile, text.substr(zeile, ende - zeile));
        }
        // clang-format on
    }
    return text;
}

TEST(DampftafelRobust, DamagedFilesLoadOrFailWithTheFileName) {
    ASSERT_EQ(DampftafelPrüfen(DampftafelLesen(Vorlage, "v").Tafel, Dampftafelart::US),
              std::nullopt);
    const fs::path ordner =
        fs::temp_directory_path() / ("vapro-robust-" + std::to_string(std::random_device{}()));
    fs::create_directories(ordner);
    std::mt19937 zufall(20240611u);
    int gut = 0, schlecht = 0;
    for (int i = 0; i < 1000; ++i) {
        const std::string text = Verderben(Vorlage, zufall);
        // Every tenth through a real file, which also checks the table for the lookup.
        const std::string name = "Dampftafel " + std::to_string(i) + ".txt";
        if (i % 10 == 0) std::ofstream(ordner / name, std::ios::binary) << text;
        const auto e = i % 10 == 0 ? DampftafelLadenFürSuche(ordner / name, Dampftafelart::US)
                                   : DampftafelLesen(text, name);
        if (e.Ok()) {
            ++gut;
            // A loaded grid is one the views can walk without checks.
            const auto& t = e.Tafel;
            ASSERT_TRUE(t.Spalten() >= 1 && t.Spalten() <= DampftafelMaxSpalten) << text;
            for (int f : t.Formate)
                ASSERT_TRUE(f >= 0 && f <= DampftafelMaxFormat) << text;
            ASSERT_GE(t.Zeilen(), 1) << text;
            for (const auto& zeile : t.Zellen)
                ASSERT_EQ(zeile.size(), t.Formate.size()) << text;
        } else {
            ++schlecht;
            ASSERT_EQ(e.Fehler->Dateiname, name) << text;
            ASSERT_FALSE(e.Fehler->Grund.empty()) << text;
        }
        // Whatever came back, even a partial grid, must survive the check and the lookup.
        (void)DampftafelPrüfen(e.Tafel, Dampftafelart::US);
        const float PO1 = std::uniform_real_distribution<float>(0.0f, 40.0f)(zufall);
        if (const auto z = DampfzustandSuchen(e.Tafel, PO1, Dampftafelart::US)) {
            ASSERT_LT(z->Zeile, e.Tafel.Zeilen());
        }
    }
    fs::remove_all(ordner);
    // Both outcomes must occur, or the damage is not exercising anything.
    EXPECT_GT(gut, 200);
    EXPECT_GT(schlecht, 200);
}

} // namespace
} // namespace vapro
