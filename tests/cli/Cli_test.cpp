#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

#include "tests/cli/Lauf.h"

namespace vapro::test {
namespace {

TEST(Cli, SolveAndSweepGiveTheWorkedExample) {
    auto kv = Werte({"--kv", "solve", "--winkel", "90"});
    EXPECT_NEAR(kv.at("KreuzkopfY"), 265.14, 0.005);
    EXPECT_NEAR(kv.at("kwegmm"), 46.14, 0.005);
    EXPECT_NEAR(kv.at("kwegproz"), 45.23, 0.005);
    kv = Werte({"--kv", "sweep", "--von", "0", "--bis", "350", "--schritt", "10"});
    EXPECT_NEAR(kv.at("SchieHub"), 29.46, 0.01);
    EXPECT_DOUBLE_EQ(kv.at("Springen"), 6.75);
    kv = Werte(
        {"--kv", "--umwinkel", "0", "sweep", "--von", "0", "--bis", "350", "--schritt", "10"});
    EXPECT_NEAR(kv.at("SchieHub"), 18.06, 0.01);
    EXPECT_DOUBLE_EQ(kv.at("Springen"), 2.98);
}

TEST(Cli, KvNumbersReadBackExactlyAndSingleEccentricOmitsLinkResults) {
    const Lauf l = Starte({"--kv", "solve", "--winkel", "33.3"});
    std::istringstream in(l.out);
    for (std::string z; std::getline(in, z);) {
        const std::string wert = z.substr(z.find('=') + 1);
        const float f = std::strtof(wert.c_str(), nullptr);
        char kurz[32];
        std::snprintf(kurz, sizeof kurz, "%.9g", static_cast<double>(f));
        EXPECT_EQ(std::strtof(kurz, nullptr), f) << z;
        EXPECT_LE(wert.size(), std::string(kurz).size()) << "shortest text: " << z;
    }
    const auto kv = Werte({"--kv", "--set", "Umsteuertyp=0", "solve", "--winkel", "10"});
    EXPECT_FALSE(kv.count("Springen"));
    EXPECT_TRUE(kv.count("SchieHub"));
}

TEST(Cli, DirectionAndEventsFollowTheReversingLever) {
    auto kv = Werte({"--kv", "direction"});
    EXPECT_EQ(kv.at("Drehrichtungsbilanz"), -218);
    EXPECT_EQ(kv.at("Drehrichtung"), 0);
    kv = Werte({"--kv", "--umwinkel", "-40", "events"});
    EXPECT_EQ(kv.at("Drehrichtung"), 1);
    for (const char* roh : {"EinlaßAufOben", "EinlaßZuOben", "AuslaßAufOben", "AuslaßZuOben",
                            "EinlaßAufUnten", "EinlaßZuUnten", "AuslaßAufUnten", "AuslaßZuUnten"})
        EXPECT_GE(kv.at(std::string(roh) + ".Winkel"), 0) << roh;
    for (const char* ende : {"Oben", "Unten"}) {
        for (const char* e : {"Einlaßbeginn", "Einlaßende", "Auslaßbeginn", "Auslaßende"}) {
            const double bezug = kv.at(std::string(ende) + "." + e + ".Bezug");
            EXPECT_TRUE(bezug >= 1 && bezug <= 4) << ende << e;
        }
        EXPECT_GT(kv.at(std::string(ende) + ".Füllung"), 0.3) << ende;
        EXPECT_LT(kv.at(std::string(ende) + ".Füllung"), 1.0) << ende;
    }
}

TEST(Cli, EventsCsvReadsBackToTheKvNumbers) {
    const auto kv = Werte({"--kv", "--umwinkel", "-40", "events"});
    const Lauf l = Starte({"--umwinkel", "-40", "events", "--csv"});
    ASSERT_EQ(l.code, 0) << l.err;
    std::istringstream in(l.out);
    std::string zeile;
    std::getline(in, zeile);
    EXPECT_EQ(zeile, "Ende,Ereignis,Winkel,Bezug,Weg,Anteil");
    int zeilen = 0;
    while (std::getline(in, zeile)) {
        std::vector<std::string> f;
        std::istringstream z(zeile);
        for (std::string feld; std::getline(z, feld, ',');)
            f.push_back(feld);
        f.resize(6);
        const std::string name = f[0] + "." + f[1];
        ++zeilen;
        if (f[2].empty()) { // cut-off or compression: travel and share
            EXPECT_EQ(std::strtof(f[4].c_str(), nullptr), static_cast<float>(kv.at(name + "Weg")))
                << zeile;
            EXPECT_EQ(std::strtof(f[5].c_str(), nullptr), static_cast<float>(kv.at(name))) << zeile;
            continue;
        }
        EXPECT_EQ(std::strtof(f[2].c_str(), nullptr), static_cast<float>(kv.at(name + ".Winkel")))
            << zeile;
        EXPECT_EQ(std::stoi(f[3]), kv.at(name + ".Bezug")) << zeile;
        EXPECT_EQ(std::strtof(f[4].c_str(), nullptr), static_cast<float>(kv.at(name + ".Weg")))
            << zeile;
    }
    EXPECT_EQ(zeilen, 12);
    EXPECT_EQ(Starte({"solve", "--csv"}).code, 2);
}

TEST(Cli, MotionCsvHasOneRowPerStep) {
    const Lauf l = Starte({"--richtung", "vor", "motion", "--schritt", "8", "--csv"});
    std::istringstream in(l.out);
    std::vector<std::string> zeilen;
    for (std::string z; std::getline(in, z);)
        zeilen.push_back(z);
    ASSERT_EQ(zeilen.size(), 47u); // header + 46 rows
    EXPECT_EQ(zeilen[0], "Winkel,kwegmm,kwegproz,Schieber");
    EXPECT_EQ(zeilen[2].substr(0, 2), "8,");
    EXPECT_EQ(zeilen[46], ",,,"); // never reached running forward
}

TEST(Cli, ExitCodesWithOneLineMessages) {
    const std::vector<std::pair<std::vector<std::string>, int>> fälle{
        {{}, 2},
        {{"fly"}, 2},
        {{"--bogus", "events"}, 2},
        {{"--set", "Unbekannt=3", "events"}, 2},
        {{"--set", "PLänge=abc", "events"}, 2},
        {{"--set", "Umsteuertyp=99999", "events"}, 2},
        {{"solve", "--winkel"}, 2},
        {{"sweep", "--von", "0", "--bis", "10", "--schritt", "-1"}, 2},
        {{"motion", "--schritt", "0"}, 2},
        {{"--richtung", "seitwärts", "events"}, 2},
        {{"--set", "PLänge=40", "solve", "--winkel", "90"}, 3},
        {{"--set", "BaRadius=35", "--richtung", "vor", "solve", "--winkel", "0"}, 3},
        {{"--set", "HeLänge=1", "direction"}, 3},
        {{"--help"}, 0},
    };
    for (const auto& [args, code] : fälle) {
        const Lauf l = Starte(args);
        EXPECT_EQ(l.code, code) << (args.empty() ? "" : args[0]) << l.err;
        if (code >= 2) {
            EXPECT_EQ(l.err.find('\n'), l.err.size() - 1) << l.err;
        }
    }
    EXPECT_NE(Starte({"--set", "PLänge=40", "solve", "--winkel", "90"}).err.find("connecting rod"),
              std::string::npos);
}

TEST(Cli, ProgramRunsAsProcess) {
    const std::string exe = VAPRO_CLI_EXE;
    EXPECT_EQ(std::system((exe + " events > /dev/null").c_str()), 0);
    const int status =
        std::system((exe + " --set KWRadius=9e30 solve --winkel 1 2>/dev/null").c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3);
}

} // namespace
} // namespace vapro::test
