#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>
#include <fstream>

#include "tests/cli/Lauf.h"

namespace vapro::test {
namespace {

TEST(CliDatei, SaveLoadAndFileErrors) {
    const auto ordner = std::filesystem::temp_directory_path() / "vapro_cli_test";
    std::filesystem::create_directories(ordner);
    const std::string datei = (ordner / "lang.kmf").string();
    ASSERT_EQ(Starte({"--set", "PLänge=300", "--umwinkel", "-25", "save", datei}).code, 0);
    EXPECT_EQ(Starte({"--file", datei, "--kv", "events"}).out,
              Starte({"--set", "PLänge=300", "--umwinkel", "-25", "--kv", "events"}).out);

    const std::string alt = (ordner / "alt.kmf").string();
    std::ofstream(alt) << "10000,\"x\"\r\n10001,\"y\"\r\n10002,\"Dateiformat: \",33\r\n";
    for (const auto& args :
         {std::vector<std::string>{"--file", (ordner / "fehlt.kmf").string(), "events"},
          std::vector<std::string>{"--file", alt, "events"},
          std::vector<std::string>{"save", (ordner / "nicht/da/x.kmf").string()}}) {
        const Lauf l = Starte(args);
        EXPECT_EQ(l.code, 4) << args[1];
        EXPECT_EQ(l.err.find('\n'), l.err.size() - 1) << l.err;
    }
    EXPECT_NE(Starte({"--file", alt, "events"}).err.find("33"), std::string::npos);
    std::filesystem::remove_all(ordner);
}

TEST(CliDatei, FileErrorsNameTheFileAndTheCauseAtOnce) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> fälle{
        {{"--sprache", "en", "--file", "/dev/zero", "events"},
         "File: /dev/zero This is not a regular file"},
        {{"--file", "/nirgends/motor.kmf", "events"},
         "Datei: /nirgends/motor.kmf Die Datei oder ihr Ordner existiert nicht."},
        {{"--sprache", "en", "save", "/nirgends/motor.kmf"},
         "File: /nirgends/motor.kmf The file or its folder does not exist."},
    };
    for (const auto& [args, text] : fälle) {
        const Lauf l = Starte(args);
        EXPECT_EQ(l.code, 4) << l.err;
        EXPECT_NE(l.err.find(text), std::string::npos) << l.err;
    }
}

TEST(CliDatei, BackwardMotionWithAStepInexactInBinaryEnds) {
    const Lauf l = Starte({"--richtung", "zurueck", "motion", "--schritt", "0.3", "--csv"});
    ASSERT_EQ(l.code, 0) << l.err;
    EXPECT_EQ(std::count(l.out.begin(), l.out.end(), '\n'), 1201); // header + 1200 rows
    EXPECT_EQ(l.out.find(",,,"), std::string::npos) << "every row written";
}

TEST(CliDatei, ConversionLanguageSteamFiguresAndDiagram) {
    EXPECT_NEAR(Werte({"--umrechnen", "--kv", "solve", "--winkel", "0"}).at("kwegmm"), 102 / 25.4,
                1e-4);
    EXPECT_NE(Starte({"--sprache", "en", "--umwinkel", "-40", "events"}).out.find("TDC"),
              std::string::npos);

    for (const auto& [einheit, druck] : {std::pair{"mm", 7.3}, std::pair{"inch", 101.0}}) {
        const auto kv =
            Werte({"--default", einheit, "--kv", "steam", "--druck", std::to_string(druck)});
        EXPECT_GE(kv.at("Druck"), druck * 0.99999) << einheit; // the next row up,
        EXPECT_LE(kv.at("Druck"), druck * 1.02) << einheit;    // at most 2 % above
    }
    EXPECT_NE(Starte({"--kv", "steam", "--druck", "7"}).out.find("/Dampftafel SI.txt\n"),
              std::string::npos)
        << "names the table it read";

    auto kv = Werte({"--kv", "--umwinkel", "-40", "figures", "--drehzahl", "300"});
    const double pi = 3.14159265358979;
    EXPECT_NEAR(kv.at("HubvolumenO"), pi / 4 * 125 * 125 * 102, 2);
    EXPECT_NEAR(kv.at("DrehmomentNm"), 60000 * kv.at("WellenleistungKW") / (2 * pi * 300), 1e-3);
    kv = Werte({"--kv", "figures", "--drehzahl", "0"});
    EXPECT_EQ(kv.at("LeistungKW"), 0);
    EXPECT_EQ(kv.at("DrehmomentNm"), 0);

    kv = Werte({"--kv", "diagram", "--breite", "400"});
    EXPECT_NEAR(kv.at("PM"), kv.at("pf") - 1, 1e-5); // back pressure 1 bar
    EXPECT_EQ(Starte({"diagram"}).code, 2);
}

} // namespace
} // namespace vapro::test
