// Both default engines, every field of the table in exact (hexadecimal)
// notation, compared with the files in tests/core/model/referenz. After a
// deliberate change of a default, run core_tests with
// VAPRO_REFERENZEN_SCHREIBEN=1 and --gtest_filter='Grunddaten.*' and review
// the difference before committing it.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/model/Felder.h"
#include "core/model/Grunddaten.h"

namespace vapro {
namespace {

std::string Auflistung(const Modell& m) {
    std::string s = "Einheit " + m.Einheit + "\nDruckeinheit " + m.Druckeinheit + "\n";
    auto zeile = [&s](std::string_view name, double wert) {
        char zahl[64];
        std::snprintf(zahl, sizeof zahl, " %a\n", wert);
        s.append(name).append(zahl);
    };
    zeile("Hub", m.Hub);
    for (const Feld& f : Felder())
        // Radians exactly as held, not as shown in degrees.
        zeile(f.name,
              f.größe == Größe::Bogenmaß ? m.*std::get<float Modell::*>(f.ort) : FeldLesen(m, f));
    return s;
}

std::string Lesen(const std::filesystem::path& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Grunddaten, BothDefaultEnginesMatchTheirFilesBitForBit) {
    const bool neu = std::getenv("VAPRO_REFERENZEN_SCHREIBEN") != nullptr;
    const auto ordner = std::filesystem::path(__FILE__).parent_path() / "referenz";
    for (const bool mm : {true, false}) {
        Modell m;
        m.Winkel = 123; // neither set touches the crank angle
        if (mm)
            GrunddatenMM(m);
        else
            GrunddatenInch(m);
        EXPECT_EQ(m.Winkel, 123.0f);
        const auto pfad = ordner / (mm ? "grunddaten_mm.txt" : "grunddaten_inch.txt");
        if (neu) {
            std::filesystem::create_directories(ordner);
            std::ofstream(pfad, std::ios::binary) << Auflistung(m);
            continue;
        }
        EXPECT_EQ(Auflistung(m), Lesen(pfad)) << pfad;
    }
}

} // namespace
} // namespace vapro
