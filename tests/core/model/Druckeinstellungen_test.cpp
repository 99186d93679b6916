#include "core/model/Druckeinstellungen.h"

#include <gtest/gtest.h>

#include "tests/core/Maschine.h"

namespace vapro {
namespace {

TEST(Druckeinstellungen, WidthsAndSpacingsAreAtLeastOne) {
    for (const int16_t wert : {int16_t{0}, int16_t{-5}, int16_t{-32768}}) {
        Modell m = test::Standardmaschine();
        for (int16_t Modell::*f :
             {&Modell::LStärkeKurbelD, &Modell::GelenkSteuerD, &Modell::LStärkeRestD,
              &Modell::GradPunkte, &Modell::AbstandWinkel, &Modell::KolbenWegAbstand})
            m.*f = wert;
        EXPECT_TRUE(DruckeinstellungenReparieren(m));
        EXPECT_EQ(std::tuple(m.LStärkeKurbelD, m.GelenkSteuerD, m.LStärkeRestD, m.GradPunkte,
                             m.AbstandWinkel, m.KolbenWegAbstand),
                  std::tuple(1, 1, 1, 1, 1, 1))
            << wert;
    }
}

TEST(Druckeinstellungen, OppositeMarginsLeavePaper) {
    struct Fall {
        int16_t erster, zweiter, ersterSoll, zweiterSoll;
    };
    const Fall fälle[] = {
        {10, 10, 10, 10}, {60, 50, 60, 39},  {99, 5, 99, 0},
        {150, 0, 99, 0},  {-20, 120, 0, 99}, {0, 100, 0, 99},
    };
    for (const Fall& f : fälle) {
        Modell m = test::Standardmaschine();
        m.RandLinksD = m.RandObenD = m.DruckLinks = m.DruckOben = f.erster;
        m.RandRechtsD = m.RandUntenD = m.DruckRechts = m.DruckUnten = f.zweiter;
        const bool geändert = f.erster != f.ersterSoll || f.zweiter != f.zweiterSoll;
        EXPECT_EQ(DruckeinstellungenReparieren(m), geändert) << f.erster << " " << f.zweiter;
        for (auto [a, b] : {std::pair{m.RandLinksD, m.RandRechtsD},
                            {m.RandObenD, m.RandUntenD},
                            {m.DruckLinks, m.DruckRechts},
                            {m.DruckOben, m.DruckUnten}})
            EXPECT_EQ(std::pair(a, b), std::pair(f.ersterSoll, f.zweiterSoll))
                << f.erster << " " << f.zweiter;
    }
}

TEST(Druckeinstellungen, DefaultsNeedNoRepair) {
    for (bool mm : {true, false}) {
        Modell m = test::Standardmaschine(mm);
        EXPECT_FALSE(DruckeinstellungenReparieren(m)) << mm;
    }
}

} // namespace
} // namespace vapro
