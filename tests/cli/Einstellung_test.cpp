// vapro-cli optimise: the automatic setting from the command line.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/model/Standarddaten.h"
#include "core/persist/Maschinendatei.h"
#include "tests/cli/Lauf.h"

namespace vapro::test {
namespace {

struct Ordner {
    std::filesystem::path pfad =
        std::filesystem::temp_directory_path() /
        ("vapro-optimise-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    Ordner() { std::filesystem::create_directories(pfad); }
    ~Ordner() { std::filesystem::remove_all(pfad); }
};

TEST(CliOptimise, TheValveRodIsSetAndTheEngineWritten) {
    Ordner o;
    const std::string datei = (o.pfad / "gesetzt.kmf").string();
    auto kv = Werte({"--set", "SstLänge=79.5", "--kv", "optimise", "--frei", "SstLänge", "--zeit",
                     "120", "--out", datei});
    ASSERT_EQ(kv["Verbessert"], 1);
    EXPECT_LT(kv["Zielwert.Nachher"], kv["Zielwert.Vorher"] / 10);
    EXPECT_EQ(kv["Ziel.fuellung.Gewicht"], 1) << "cut-off is the default goal";
    EXPECT_LT(kv["Frei.SstLänge.Nachher"], 77);

    Modell m;
    StandardmaschineEinrichten(m, "[mm]");
    Sprache s;
    SpracheEinstellen(s, SprachbasisDeutsch);
    ASSERT_EQ(Laden(m, std::filesystem::path(datei), s).art, Ladeergebnis::Ok);
    EXPECT_FLOAT_EQ(m.SstLänge, static_cast<float>(kv["Frei.SstLänge.Nachher"]));
}

TEST(CliOptimise, ExplicitBoundsGoalsAndTheTableForPeople) {
    Ordner o;
    const std::string datei = (o.pfad / "m.kmf").string();
    const Lauf l = Starte({"--sprache", "en", "optimise", "--frei", "SchiEO:4.5:5.5,SchiEU",
                           "--ziel", "voreilen=1", "--zeit", "2", "--out", datei});
    ASSERT_EQ(l.code, 0) << l.err;
    for (const char* text : {"Automatic setting", "SchiEO [mm]", "Design checks"})
        EXPECT_NE(l.out.find(text), std::string::npos) << text << "\n" << l.out;
    EXPECT_TRUE(std::filesystem::exists(datei));
}

TEST(CliOptimise, BadRequestsAreUsageErrorsAndNothingIsWritten) {
    Ordner o;
    const std::string datei = (o.pfad / "nie.kmf").string();
    const std::vector<std::pair<std::vector<std::string>, int>> fälle{
        {{"optimise", "--out", datei}, 2},
        {{"optimise", "--frei", "SstLänge:80:90", "--out", datei}, 2},
        {{"optimise", "--frei", "SstLänge", "--ziel", "tempo=1", "--out", datei}, 2},
        // Both eccentrics alike: the engine does not reverse.
        {{"--set", "ExRückWinkel=-120", "optimise", "--frei", "SstLänge", "--out", datei}, 3},
        {{"optimise", "--frei", "SstLänge", "--zeit", "0.1", "--out",
          (o.pfad / "fehlt" / "x.kmf").string()},
         4},
    };
    for (const auto& [args, code] : fälle) {
        const Lauf l = Starte(args);
        EXPECT_EQ(l.code, code) << args[args.size() > 2 ? 2 : 0] << ": " << l.err;
        EXPECT_EQ(l.err.find('\n'), l.err.size() - 1) << l.err;
    }
    EXPECT_FALSE(std::filesystem::exists(datei));
}

} // namespace
} // namespace vapro::test
