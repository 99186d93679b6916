#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Befehle.h"

namespace {

struct Lauf {
    int code;
    std::string out, err;
};

Lauf Starte(std::vector<std::string> args) {
    std::ostringstream out, err;
    int code = vapro::cli::Ausführen(args, out, err);
    return {code, out.str(), err.str()};
}

std::map<std::string, std::string> Schlüssel(const std::string& text) {
    std::map<std::string, std::string> kv;
    std::istringstream in(text);
    for (std::string z; std::getline(in, z);) {
        auto g = z.find('=');
        if (g != std::string::npos) kv[z.substr(0, g)] = z.substr(g + 1);
    }
    return kv;
}

double Zahl(const std::map<std::string, std::string>& kv, const std::string& k) {
    auto it = kv.find(k);
    EXPECT_NE(it, kv.end()) << k;
    return it == kv.end() ? 0.0 : std::stod(it->second);
}

class CliDatei : public ::testing::Test {
protected:
    std::filesystem::path ordner = std::filesystem::temp_directory_path() / "vapro_cli_test";
    void SetUp() override { std::filesystem::create_directories(ordner); }
    void TearDown() override { std::filesystem::remove_all(ordner); }
};

TEST_F(CliDatei, SavedEngineLoadsWithTheSameEvents) {
    const std::string datei = (ordner / "lang.kmf").string();
    ASSERT_EQ(Starte({"--set", "PLänge=300", "--umwinkel", "-25", "save", datei}).code, 0);
    const Lauf geladen = Starte({"--file", datei, "--kv", "events"});
    const Lauf direkt = Starte({"--set", "PLänge=300", "--umwinkel", "-25", "--kv", "events"});
    ASSERT_EQ(geladen.code, 0) << geladen.err;
    EXPECT_EQ(geladen.out, direkt.out);
}

TEST_F(CliDatei, FileErrorsExitWithFourOnOneLine) {
    const std::string kaputt = (ordner / "kaputt.kmf").string();
    std::ofstream(kaputt) << "10000,\"x\"\r\n10001,\"y\"\r\n10002,\"Dateiformat: \",33\r\n";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--file", (ordner / "fehlt.kmf").string(), "events"},
          std::vector<std::string>{"--file", kaputt, "events"},
          std::vector<std::string>{"save", (ordner / "nicht/da/x.kmf").string()}}) {
        const Lauf l = Starte(args);
        EXPECT_EQ(l.code, 4) << args[1];
        EXPECT_EQ(l.err.find('\n'), l.err.size() - 1) << l.err;
    }
    EXPECT_NE(Starte({"--file", kaputt, "events"}).err.find("33"), std::string::npos);
}

TEST(Cli, ConversionAndLanguage) {
    auto kv = Schlüssel(Starte({"--umrechnen", "--kv", "solve", "--winkel", "0"}).out);
    EXPECT_NEAR(Zahl(kv, "kwegmm"), 102 / 25.4, 1e-4);
    const Lauf en = Starte({"--sprache", "en", "--umwinkel", "-40", "events"});
    EXPECT_NE(en.out.find("TDC"), std::string::npos);
    const Lauf de = Starte({"--umwinkel", "-40", "events"});
    EXPECT_NE(de.out.find("OT"), std::string::npos);
}

TEST(Cli, SteamRowCoversTheRequestedPressure) {
    for (const auto& [einheit, druck] : {std::pair{"mm", 7.3}, std::pair{"inch", 101.0}}) {
        auto kv = Schlüssel(
            Starte({"--default", einheit, "--kv", "steam", "--druck", std::to_string(druck)}).out);
        EXPECT_GE(Zahl(kv, "Druck"), druck * 0.99999) << einheit;
        EXPECT_LE(Zahl(kv, "Druck"), druck * 1.02) << einheit;
        EXPECT_GT(Zahl(kv, "V2Strich"), 0);
    }
}

TEST(Cli, FiguresAndDiagram) {
    auto kv = Schlüssel(Starte({"--kv", "--umwinkel", "-40", "figures", "--drehzahl", "300"}).out);
    const double h = 3.14159265358979 / 4 * 125 * 125 * 102;  // swept volume above the piston
    EXPECT_NEAR(Zahl(kv, "HubvolumenO"), h, h * 1e-6);
    // Torque from shaft power: T = 60000 W / (2 pi n).
    EXPECT_NEAR(Zahl(kv, "DrehmomentNm"),
                60000 * Zahl(kv, "WellenleistungKW") / (2 * 3.14159265358979 * 300), 1e-3);
    kv = Schlüssel(Starte({"--kv", "figures", "--drehzahl", "0"}).out);
    EXPECT_EQ(Zahl(kv, "LeistungKW"), 0);
    EXPECT_EQ(Zahl(kv, "DrehmomentNm"), 0);

    kv = Schlüssel(Starte({"--kv", "diagram", "--breite", "400"}).out);
    EXPECT_NEAR(Zahl(kv, "PM"), Zahl(kv, "pf") - 1, 1e-5);  // back pressure 1 bar
    EXPECT_GE(Zahl(kv, "Punkte"), 1);
    EXPECT_EQ(Starte({"diagram"}).code, 2);
    EXPECT_EQ(Starte({"figures", "--drehzahl", "-1"}).code, 2);
}

}  // namespace
