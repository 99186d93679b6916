#include <gtest/gtest.h>

#include <cstdio>
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

TEST(Cli, SolveAtQuarterTurnGivesWorkedExample) {
    Lauf l = Starte({"--kv", "solve", "--winkel", "90"});
    ASSERT_EQ(l.code, 0) << l.err;
    auto kv = Schlüssel(l.out);
    EXPECT_NEAR(Zahl(kv, "KreuzkopfY"), 265.14, 0.005);
    EXPECT_NEAR(Zahl(kv, "kwegmm"), 46.14, 0.005);
    EXPECT_NEAR(Zahl(kv, "kwegproz"), 45.23, 0.005);
    EXPECT_TRUE(kv.count("Springen"));  // link motion results present
}

TEST(Cli, KvNumbersReadBackExactly) {
    Lauf l = Starte({"--kv", "solve", "--winkel", "33.3"});
    ASSERT_EQ(l.code, 0);
    for (const auto& [k, v] : Schlüssel(l.out)) {
        float f = std::strtof(v.c_str(), nullptr);
        EXPECT_EQ(std::to_string(f), std::to_string(std::strtof(v.c_str(), nullptr))) << k;
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(f));
        EXPECT_EQ(std::strtof(buf, nullptr), f) << k;
    }
}

TEST(Cli, SingleEccentricOmitsLinkResults) {
    Lauf l = Starte({"--kv", "--set", "Umsteuertyp=0", "solve", "--winkel", "10"});
    ASSERT_EQ(l.code, 0) << l.err;
    auto kv = Schlüssel(l.out);
    EXPECT_FALSE(kv.count("Springen"));
    EXPECT_FALSE(kv.count("HebelX"));
    EXPECT_TRUE(kv.count("SchieHub"));
}

TEST(Cli, SweepReportsValveTravelAndDieSlip) {
    Lauf l = Starte({"--kv", "sweep", "--von", "0", "--bis", "350", "--schritt", "10"});
    ASSERT_EQ(l.code, 0) << l.err;
    auto kv = Schlüssel(l.out);
    EXPECT_NEAR(Zahl(kv, "SchieHub"), 29.46, 0.01);
    EXPECT_DOUBLE_EQ(Zahl(kv, "Springen"), 6.75);
    l = Starte({"--kv", "--umwinkel", "0", "sweep", "--von", "0", "--bis", "350", "--schritt", "10"});
    kv = Schlüssel(l.out);
    EXPECT_NEAR(Zahl(kv, "SchieHub"), 18.06, 0.01);
    EXPECT_DOUBLE_EQ(Zahl(kv, "Springen"), 2.98);
}

TEST(Cli, DirectionFollowsReversingAngle) {
    auto kv = Schlüssel(Starte({"--kv", "direction"}).out);
    EXPECT_LT(Zahl(kv, "Drehrichtungsbilanz"), -200);
    EXPECT_EQ(kv["Drehrichtung"], "false");
    kv = Schlüssel(Starte({"--kv", "--umwinkel", "-40", "direction"}).out);
    EXPECT_GT(Zahl(kv, "Drehrichtungsbilanz"), 200);
    EXPECT_EQ(kv["Drehrichtung"], "true");
}

TEST(Cli, EventsListEveryKey) {
    Lauf l = Starte({"--kv", "--umwinkel", "-40", "events"});
    ASSERT_EQ(l.code, 0) << l.err;
    auto kv = Schlüssel(l.out);
    for (const char* roh : {"EinlaßAufOben", "EinlaßZuOben", "AuslaßAufOben", "AuslaßZuOben",
                            "EinlaßAufUnten", "EinlaßZuUnten", "AuslaßAufUnten", "AuslaßZuUnten"}) {
        EXPECT_GE(Zahl(kv, std::string(roh) + ".Winkel"), 0) << roh;
        EXPECT_TRUE(kv.count(std::string(roh) + ".Weg")) << roh;
    }
    for (const char* ende : {"Oben", "Unten"}) {
        for (const char* e : {"Einlaßbeginn", "Einlaßende", "Auslaßbeginn", "Auslaßende"}) {
            const std::string s = std::string(ende) + "." + e;
            int bezug = static_cast<int>(Zahl(kv, s + ".Bezug"));
            EXPECT_TRUE(bezug >= 1 && bezug <= 4) << s;
        }
        double f = Zahl(kv, std::string(ende) + ".Füllung");
        EXPECT_GT(f, 0.3) << ende;
        EXPECT_LT(f, 1.0) << ende;
    }
}

TEST(Cli, MotionCsvHasOneRowPerStep) {
    Lauf l = Starte({"--richtung", "vor", "motion", "--schritt", "8", "--csv"});
    ASSERT_EQ(l.code, 0) << l.err;
    std::istringstream in(l.out);
    std::vector<std::string> zeilen;
    for (std::string z; std::getline(in, z);) zeilen.push_back(z);
    ASSERT_EQ(zeilen.size(), 47u);  // header + 46 rows
    EXPECT_EQ(zeilen[0], "Winkel,kwegmm,kwegproz,Schieber");
    EXPECT_EQ(zeilen[1].substr(0, 2), "0,");
    EXPECT_EQ(zeilen[2].substr(0, 2), "8,");
    EXPECT_EQ(zeilen[46], ",,,");  // never reached running forward
}

TEST(Cli, ExitCodesForBadInput) {
    struct Fall {
        std::vector<std::string> args;
        int code;
    };
    const std::vector<Fall> fälle{
        {{}, 2},
        {{"fly"}, 2},
        {{"--bogus", "events"}, 2},
        {{"--set", "Unbekannt=3", "events"}, 2},
        {{"--set", "PLänge=abc", "events"}, 2},
        {{"--set", "PLänge", "events"}, 2},
        {{"--set", "Umsteuertyp=99999", "events"}, 2},
        {{"solve"}, 2},
        {{"solve", "--winkel"}, 2},
        {{"sweep", "--von", "0", "--bis", "10", "--schritt", "0"}, 2},
        {{"sweep", "--von", "0", "--bis", "10", "--schritt", "-1"}, 2},
        {{"motion", "--schritt", "0"}, 2},
        {{"--default", "cm", "events"}, 2},
        {{"--richtung", "seitwärts", "events"}, 2},
        {{"--set", "PLänge=40", "solve", "--winkel", "90"}, 3},
        {{"--set", "BaRadius=35", "--richtung", "vor", "solve", "--winkel", "0"}, 3},
        {{"--set", "KWRadius=0", "--richtung", "vor", "solve", "--winkel", "0"}, 3},
        {{"--set", "HeLänge=1", "direction"}, 3},
        {{"--help"}, 0},
    };
    for (const auto& f : fälle) {
        Lauf l = Starte(f.args);
        std::string alle;
        for (const auto& a : f.args) alle += a + " ";
        EXPECT_EQ(l.code, f.code) << alle << l.err;
        if (f.code >= 2) {
            EXPECT_NE(l.err.find('\n'), std::string::npos) << alle;
            EXPECT_EQ(l.err.find('\n'), l.err.size() - 1) << "one line: " << alle;
        }
    }
}

TEST(Cli, GeometryErrorNamesTheComputation) {
    Lauf l = Starte({"--set", "PLänge=40", "--richtung", "vor", "solve", "--winkel", "90"});
    EXPECT_EQ(l.code, 3);
    EXPECT_NE(l.err.find("connecting rod"), std::string::npos) << l.err;
}

TEST(Cli, ProgramRunsAsProcess) {
    const std::string exe = VAPRO_CLI_EXE;
    EXPECT_EQ(std::system((exe + " events > /dev/null").c_str()), 0);
    int status = std::system((exe + " --set KWRadius=9e30 solve --winkel 1 2>/dev/null").c_str());
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3);
}

}  // namespace
