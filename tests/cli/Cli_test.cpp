// vapro-cli as a whole: number output, exit codes, machine files, and the
// commands that combine several computations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

#include "tests/cli/Lauf.h"

namespace vapro::test {
namespace {

// The number texts themselves are pinned by the reference files.
TEST(Cli, SingleEccentricOmitsLinkResults) {
    const auto kv = Werte({"--kv", "--set", "Umsteuertyp=0", "solve", "--winkel", "10"});
    EXPECT_FALSE(kv.count("Springen"));
    EXPECT_TRUE(kv.count("SchieHub"));
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
    const auto zahl = [](const std::string& s) { return std::strtof(s.c_str(), nullptr); };
    const auto wert = [&](const std::string& k) { return static_cast<float>(kv.at(k)); };
    for (; std::getline(in, zeile); ++zeilen) {
        std::vector<std::string> f;
        std::istringstream z(zeile);
        for (std::string feld; std::getline(z, feld, ',');)
            f.push_back(feld);
        f.resize(6);
        const std::string name = f[0] + "." + f[1];
        if (f[2].empty()) { // cut-off or compression: travel and share
            EXPECT_EQ(std::tuple(zahl(f[4]), zahl(f[5])),
                      std::tuple(wert(name + "Weg"), wert(name)))
                << zeile;
        } else {
            EXPECT_EQ(std::tuple(zahl(f[2]), std::stoi(f[3]), zahl(f[4])),
                      std::tuple(wert(name + ".Winkel"), static_cast<int>(kv.at(name + ".Bezug")),
                                 wert(name + ".Weg")))
                << zeile;
        }
    }
    EXPECT_EQ(zeilen, 12);
}

TEST(Cli, ExitCodesWithOneLineMessages) {
    const auto ordner = std::filesystem::temp_directory_path() / "vapro_cli_test";
    std::filesystem::create_directories(ordner);
    const std::string alt = (ordner / "alt.kmf").string();
    std::ofstream(alt) << "10000,\"x\"\r\n10001,\"y\"\r\n10002,\"Dateiformat: \",33\r\n";
    // arguments, exit code, part of the message
    const std::vector<std::tuple<std::vector<std::string>, int, std::string>> fälle{
        {{}, 2, ""},
        {{"--set", "PLänge=abc", "events"}, 2, ""},
        {{"motion", "--schritt", "0"}, 2, ""},
        {{"solve", "--csv"}, 2, ""},
        {{"--set", "PLänge=40", "solve", "--winkel", "90"}, 3, "connecting rod"},
        {{"--file", alt, "events"}, 4, "33"},
        {{"--file", "/nirgends/motor.kmf", "events"}, 4, "Datei: /nirgends/motor.kmf Die Datei"},
        {{"--sprache", "en", "save", "/nirgends/motor.kmf"}, 4, "File: /nirgends/motor.kmf"},
        {{"--help"}, 0, ""},
    };
    for (const auto& [args, code, text] : fälle) {
        const Lauf l = Starte(args);
        EXPECT_EQ(l.code, code) << (args.empty() ? "" : args[0]) << l.err;
        EXPECT_NE(l.err.find(text), std::string::npos) << l.err;
        if (code >= 2) {
            EXPECT_EQ(l.err.find('\n'), l.err.size() - 1) << l.err;
        }
    }
    std::filesystem::remove_all(ordner);
}

TEST(Cli, ProgramRunsAsProcess) {
    const std::string exe = VAPRO_CLI_EXE;
    EXPECT_EQ(std::system((exe + " events > /dev/null").c_str()), 0);
    const int status =
        std::system((exe + " --set KWRadius=9e30 solve --winkel 1 2>/dev/null").c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3);
}

TEST(CliDatei, SavedEngineLoadsBack) {
    const auto ordner = std::filesystem::temp_directory_path() / "vapro_cli_datei_test";
    std::filesystem::create_directories(ordner);
    const std::string datei = (ordner / "lang.kmf").string();
    ASSERT_EQ(Starte({"--set", "PLänge=300", "--umwinkel", "-25", "save", datei}).code, 0);
    EXPECT_EQ(Starte({"--file", datei, "--kv", "events"}).out,
              Starte({"--set", "PLänge=300", "--umwinkel", "-25", "--kv", "events"}).out);
    std::filesystem::remove_all(ordner);
}

TEST(CliDatei, ConversionLanguageSteamFiguresAndDiagram) {
    EXPECT_NEAR(Werte({"--umrechnen", "--kv", "solve", "--winkel", "0"}).at("kwegmm"), 102 / 25.4,
                1e-4);
    const auto dampf = Werte({"--default", "inch", "--kv", "steam", "--druck", "101"});
    EXPECT_GE(dampf.at("Druck"), 101 * 0.99999); // the next row up,
    EXPECT_LE(dampf.at("Druck"), 101 * 1.02);    // at most 2 % above
    auto kv = Werte({"--kv", "figures", "--drehzahl", "0"});
    EXPECT_EQ(std::pair(kv.at("LeistungKW"), kv.at("DrehmomentNm")), std::pair(0.0, 0.0));
    kv = Werte({"--kv", "diagram", "--breite", "400"});
    EXPECT_NEAR(kv.at("PM"), kv.at("pf") - 1, 1e-5); // back pressure 1 bar
}

} // namespace
} // namespace vapro::test
