#include "core/analysis/Steuerzeitentabelle.h"

#include <gtest/gtest.h>

#include "core/analysis/Steuerzeiten.h"
#include "tests/core/Maschine.h"

namespace vapro {
namespace {

using Zellen = Steuerzeitenzellen;

Zellen Suchen(Modell& m, const Sprache& s) {
    SteuerzeitenSuchen(m);
    SteuerzeitenAuswerten(m);
    return SteuerzeitenWerte(m, s, '.');
}

Sprache Deutsch() {
    Sprache s;
    SpracheEinstellen(s, SprachbasisDeutsch);
    return s;
}

// The mm engine turning backwards, as the command line finds it: events of
// its reference output, in the table's formats.
TEST(Steuerzeitentabelle, DefaultEngineInTheTablesFormats) {
    Modell m = test::Standardmaschine();
    m.Drehrichtung = false;
    const Zellen z = Suchen(m, Deutsch());
    // row, column, text
    const std::tuple<int, int, const char*> fälle[] = {
        {2, 1, "12.8"},     {2, 2, "100.51"},      {2, 3, "98.54"}, // raw top admission opening
        {2, 6, "vor OT"},   {2, 7, "12.8"},        {2, 8, "1.49"},   {2, 9, "1.46"},
        {3, 6, "nach OT"},  {6, 6, "        ---"}, {6, 8, "85.10"},  {6, 9, "83.43"}, // cut-off
        {11, 6, "nach UT"}, {11, 7, "129.5"},      {15, 8, "13.43"}, {15, 9, "13.16"},
        {8, 1, ""},
    };
    for (const auto& [zeile, spalte, text] : fälle)
        EXPECT_EQ(z[static_cast<size_t>(zeile)][static_cast<size_t>(spalte)], text)
            << zeile << "/" << spalte;

    Sprache englisch;
    SpracheEinstellen(englisch, SprachbasisEnglisch);
    EXPECT_EQ(SteuerzeitenWerte(m, englisch, ',')[2][6], "before TDC");
    EXPECT_EQ(SteuerzeitenWerte(m, englisch, ',')[2][8], "1,49");
}

// Which value cells stand on which raw event: a missing event must not show
// the travel an earlier search left behind, nor anything evaluated from it.
TEST(Steuerzeitentabelle, MissingEventBlanksEveryCellDerivedFromIt) {
    struct Fall {
        Steuerzeit Modell::*ereignis;
        int zeile;       // its row, raw and resulting
        int füllung;     // row of the cut-off it ends, 0 = none
        int kompression; // row of the compression it bounds, 0 = none
    };
    const Fall fälle[] = {
        {&Modell::EinlaßAufOben, 2, 0, 7},    {&Modell::EinlaßZuOben, 3, 6, 0},
        {&Modell::AuslaßAufOben, 4, 0, 0},    {&Modell::AuslaßZuOben, 5, 0, 7},
        {&Modell::EinlaßAufUnten, 10, 0, 15}, {&Modell::EinlaßZuUnten, 11, 14, 0},
        {&Modell::AuslaßAufUnten, 12, 0, 0},  {&Modell::AuslaßZuUnten, 13, 0, 15},
    };
    const Sprache s = Deutsch();
    // The engine running its way with the lever at either end.
    for (const auto& [umwinkel, vor] : {std::pair{40.0, false}, std::pair{-40.0, true}}) {
        Modell m = test::Standardmaschine();
        m.UmWinkel = test::Grad(umwinkel);
        m.Drehrichtung = vor;
        Suchen(m, s);
        // Both exhausts close before their dead centre: compression ends
        // where admission begins.
        ASSERT_EQ(m.Oben.Auslaßende.Bezug, 1);
        ASSERT_EQ(m.Unten.Auslaßende.Bezug, 3);
        for (const Fall& f : fälle) {
            Modell x = m;
            (x.*f.ereignis).Winkel = -1; // as the search leaves it, with the old travel
            SteuerzeitenAuswerten(x);
            const Zellen z = SteuerzeitenWerte(x, s, '.');
            for (int zeile : {2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15})
                for (int spalte : {2, 3, 6, 7, 8, 9}) {
                    const bool rechts = spalte >= 6;
                    const bool summe = zeile == 6 || zeile == 7 || zeile == 14 || zeile == 15;
                    if (summe && (!rechts || spalte < 8)) continue;
                    const bool soll =
                        summe ? (zeile == f.füllung || zeile == f.kompression) : zeile == f.zeile;
                    EXPECT_EQ(z[static_cast<size_t>(zeile)][static_cast<size_t>(spalte)] == Fehlt,
                              soll)
                        << vor << " row " << f.zeile << ": " << zeile << "/" << spalte;
                }
            EXPECT_EQ(z[static_cast<size_t>(f.zeile)][1], "-1.0");
        }
    }
}

} // namespace
} // namespace vapro
