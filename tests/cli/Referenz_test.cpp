// Whole outputs of vapro-cli for both default engines, compared with the
// files in tests/cli/referenz. After a deliberate change, scripts/referenzen
// writes them anew; review the difference before committing it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/Lauf.h"

namespace vapro::test {
namespace {

struct Referenz {
    const char* datei;
    std::vector<std::string> argumente;
};

std::vector<Referenz> Referenzen() {
    std::vector<Referenz> r;
    for (const std::string einheit : {"mm", "inch"}) {
        const std::vector<std::string> maschine{"--default", einheit};
        auto mit = [&](std::vector<std::string> rest) {
            std::vector<std::string> a = maschine;
            a.insert(a.end(), rest.begin(), rest.end());
            return a;
        };
        const bool mm = einheit == "mm";
        r.push_back({mm ? "events_mm.txt" : "events_inch.txt", mit({"--kv", "events"})});
        r.push_back(
            {mm ? "motion_mm.csv" : "motion_inch.csv", mit({"motion", "--schritt", "5", "--csv"})});
        r.push_back({mm ? "sweep_mm.txt" : "sweep_inch.txt",
                     mit({"sweep", "--von", "0", "--bis", "355", "--schritt", "5"})});
        r.push_back(
            {mm ? "range_mm.csv" : "range_inch.csv", mit({"range", "--schritt", "5", "--csv"})});
        r.push_back({mm ? "check_mm.txt" : "check_inch.txt", mit({"--kv", "check"})});
    }
    return r;
}

std::string Lesen(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Referenz, OutputsOfBothDefaultEnginesMatchTheirFiles) {
    const bool neu = std::getenv("VAPRO_REFERENZEN_SCHREIBEN") != nullptr;
    for (const Referenz& r : Referenzen()) {
        const Lauf l = Starte(r.argumente);
        ASSERT_TRUE(l.code == 0 || (l.code == 5 && r.argumente.back() == "check"))
            << r.datei << ": " << l.err;
        const std::string pfad = std::string(VAPRO_REFERENZ_DIR) + "/" + r.datei;
        if (neu) {
            std::ofstream(pfad, std::ios::binary) << l.out;
            continue;
        }
        EXPECT_EQ(l.out, Lesen(pfad)) << r.datei << " differs; if the change is deliberate, "
                                      << "run scripts/referenzen and review the difference";
    }
}

} // namespace
} // namespace vapro::test
