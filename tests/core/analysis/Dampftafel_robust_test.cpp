// Damaged table files: every load must either succeed with a sound grid or
// fail with the file name, whatever the damage.

#include "analysis/Dampftafel.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace vapro {
namespace {

namespace fs = std::filesystem;

const std::string Vorlage = R"("Robust"
"Zeilen",5
"Spalten",6
"Fixierte Zeilen",2
"Fixierte Spalten",1
"p",2
"t",2
"h'",1
"r",1
"h''",1
"v''",4
"p","t","h'","r","h''","v''"
"psia","°F","Btu/lb","Btu/lb","Btu/lb","cu ft/lb"
14.70,211.95,180.1,970.4,1150.5,26.8024
15.00,213.00,181.2,969.7,1150.9,26.2903
20.00,227.92,196.3,960.1,1156.3,20.0891
25.00,240.03,208.5,952.2,1160.7,16.3012
)";

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    std::istringstream ein(text);
    for (std::string z; std::getline(ein, z);)
        zeilen.push_back(z);
    return zeilen;
}

std::string Zusammen(const std::vector<std::string>& zeilen) {
    std::string text;
    for (const auto& z : zeilen)
        text += z + '\n';
    return text;
}

class Verderber {
  public:
    explicit Verderber(unsigned saat) : zufall_(saat) {}

    std::string Verderben(std::string text) {
        const int wie_oft = Zahl(1, 3);
        for (int i = 0; i < wie_oft; ++i)
            text = Einmal(std::move(text));
        return text;
    }

  private:
    int Zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall_); }

    std::string Einmal(std::string text) {
        static const std::vector<std::string> Ersatz = {
            "abc", "1e308",   "-1e308",      "1e999", "NaN",        "inf",
            "",    "\"",      "99999999999", "-5",    "2147483647", "0",
            "1.5", "\"x,y\"", ",,,",         "\r",    "\xff\xfe",
        };
        auto zeilen = Zeilen(text);
        const auto zeile = [&] {
            return static_cast<std::size_t>(Zahl(0, static_cast<int>(zeilen.size()) - 1));
        };
        switch (Zahl(0, 8)) {
        case 0: // truncate anywhere
            return text.substr(0, static_cast<std::size_t>(Zahl(0, static_cast<int>(text.size()))));
        case 1:
            if (!zeilen.empty()) zeilen.erase(zeilen.begin() + static_cast<long>(zeile()));
            break;
        case 2:
            if (!zeilen.empty()) {
                const auto z = zeile();
                zeilen.insert(zeilen.begin() + static_cast<long>(z), zeilen[z]);
            }
            break;
        case 3:
            if (zeilen.size() > 1) std::swap(zeilen[zeile()], zeilen[zeile()]);
            break;
        case 4:
        case 5: { // replace one field of a line
            if (zeilen.empty()) break;
            auto& z = zeilen[zeile()];
            std::vector<std::size_t> kommas = {0};
            for (std::size_t i = 0; i < z.size(); ++i)
                if (z[i] == ',') kommas.push_back(i + 1);
            const auto anfang =
                kommas[static_cast<std::size_t>(Zahl(0, static_cast<int>(kommas.size()) - 1))];
            auto ende = z.find(',', anfang);
            if (ende == std::string::npos) ende = z.size();
            z.replace(
                anfang, ende - anfang,
                Ersatz[static_cast<std::size_t>(Zahl(0, static_cast<int>(Ersatz.size()) - 1))]);
            break;
        }
        case 6: { // binary noise
            std::string rauschen;
            for (int i = Zahl(1, 16); i > 0; --i)
                rauschen += static_cast<char>(Zahl(0, 255));
            text.insert(static_cast<std::size_t>(Zahl(0, static_cast<int>(text.size()))), rauschen);
            return text;
        }
        case 7: // flip one byte
            if (!text.empty())
                text[static_cast<std::size_t>(Zahl(0, static_cast<int>(text.size()) - 1))] ^=
                    static_cast<char>(Zahl(1, 255));
            return text;
        default:
            return "";
        }
        return Zusammen(zeilen);
    }

    std::mt19937 zufall_;
};

// A successful load must give a grid the views can walk without checks.
void GridIstStimmig(const Dampftafel& t) {
    ASSERT_GE(t.Spalten(), 1);
    ASSERT_LE(t.Spalten(), DampftafelMaxSpalten);
    for (int f : t.Formate) {
        ASSERT_GE(f, 0);
        ASSERT_LE(f, DampftafelMaxFormat);
    }
    ASSERT_GE(t.Zeilen(), 1);
    for (const auto& zeile : t.Zellen)
        ASSERT_EQ(zeile.size(), static_cast<std::size_t>(t.Spalten()));
}

TEST(DampftafelRobust, DamagedFilesLoadOrFailWithTheFileName) {
    ASSERT_TRUE(DampftafelLesen(Vorlage, "vorlage.txt").Ok());
    ASSERT_EQ(DampftafelPrüfen(DampftafelLesen(Vorlage, "v").Tafel, Dampftafelart::US),
              std::nullopt);

    const fs::path ordner =
        fs::temp_directory_path() /
        ("vapro-dampftafel-robust-" +
         std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::create_directories(ordner);
    Verderber verderber(20240611u);
    std::mt19937 druck(7u);
    int gut = 0, schlecht = 0;
    for (int i = 0; i < 3000; ++i) {
        const std::string text = verderber.Verderben(Vorlage);
        DampftafelErgebnis e;
        std::string name;
        if (i % 10 == 0) { // now and then through a real file
            name = "Dampftafel " + std::to_string(i) + ".txt";
            std::ofstream(ordner / name, std::ios::binary) << text;
            e = DampftafelLadenFürSuche(ordner / name, Dampftafelart::US);
        } else {
            name = "text " + std::to_string(i);
            e = DampftafelLesen(text, name);
        }
        if (e.Ok()) {
            ++gut;
            GridIstStimmig(e.Tafel);
        } else {
            ++schlecht;
            ASSERT_EQ(e.Fehler->Dateiname, name) << text;
            ASSERT_FALSE(e.Fehler->Grund.empty()) << text;
        }
        // Whatever came back, even a partial grid, must survive the lookup.
        const float PO1 = std::uniform_real_distribution<float>(0.0f, 40.0f)(druck);
        (void)DampftafelPrüfen(e.Tafel, Dampftafelart::US);
        if (const auto z = DampfzustandSuchen(e.Tafel, PO1, Dampftafelart::US)) {
            ASSERT_LT(z->Zeile, e.Tafel.Zeilen());
        }
    }
    fs::remove_all(ordner);
    // Both outcomes must occur, or the damage is not exercising anything.
    EXPECT_GT(gut, 300);
    EXPECT_GT(schlecht, 300);
}

} // namespace
} // namespace vapro
