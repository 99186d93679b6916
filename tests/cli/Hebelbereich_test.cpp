// vapro-cli range and check.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/Lauf.h"

namespace vapro::test {
namespace {

std::vector<std::vector<std::string>> Csv(const std::string& text) {
    std::vector<std::vector<std::string>> zeilen;
    std::istringstream in(text);
    for (std::string z; std::getline(in, z);) {
        std::vector<std::string> zellen;
        std::istringstream zeile(z);
        for (std::string c; std::getline(zeile, c, ',');)
            zellen.push_back(c);
        if (!z.empty() && z.back() == ',') zellen.emplace_back();
        zeilen.push_back(zellen);
    }
    return zeilen;
}

TEST(CliRange, UnsolvableAnglesLeaveCellsEmpty) {
    const auto zeilen = Csv(Starte({"--set", "UmLänge=150", "--set", "UmMin=-90", "--set",
                                    "UmMax=90", "range", "--schritt", "90", "--csv"})
                                .out);
    ASSERT_EQ(zeilen.size(), 1u + 3 * 4);
    EXPECT_EQ(zeilen[1], (std::vector<std::string>{"-90", "vor", "oben", "", "", "", "", "", ""}));
    EXPECT_NE(zeilen[5][3], "");
}

TEST(CliCheck, ExitCodeSaysWhetherEveryCheckPasses) {
    const std::vector<std::string> großzügig{
        "--grenze", "FüllungMax=90",         "--grenze", "FuellungDifferenz=10",
        "--grenze", "VoreilenDifferenzMM=1", "--grenze", "UmkehrDifferenz=10",
        "--grenze", "KanaloeffnungMin=50"};
    auto mit = [](std::vector<std::string> vorn, const std::vector<std::string>& hinten) {
        vorn.insert(vorn.end(), hinten.begin(), hinten.end());
        return vorn;
    };
    const std::vector<std::pair<std::vector<std::string>, int>> fälle{
        {{"check"}, 5}, // the default engine misses several targets
        {mit({"check"}, großzügig), 0},
        {mit({"check", "--grenze", "VorausströmungMin=99"}, großzügig), 5},
        {{"check", "--grenze", "FüllungMin=viel"}, 2},
        {{"range"}, 2},
        {{"range", "--schritt", "0.001"}, 2}, // more lever angles than a range holds
    };
    for (const auto& [argumente, code] : fälle) {
        const Lauf l = Starte(argumente);
        EXPECT_EQ(l.code, code) << argumente.back() << ": " << l.err;
        if (code == 2) {
            EXPECT_EQ(l.err.find('\n'), l.err.size() - 1) << l.err; // one line
        }
    }
}

} // namespace
} // namespace vapro::test
