#include "core/model/Druckeinstellungen.h"

#include <gtest/gtest.h>

#include "tests/core/Maschine.h"

namespace vapro {
namespace {

TEST(Druckeinstellungen, WidthsAndSpacingsAtLeastOneMarginsLeavePaper) {
    struct Fall {
        int16_t breite, erster, zweiter, breiteSoll, ersterSoll, zweiterSoll;
    };
    const Fall fälle[] = {
        {35, 10, 10, 35, 10, 10}, {0, 60, 50, 1, 60, 39},       {-5, 99, 5, 1, 99, 0},
        {1, 150, 0, 1, 99, 0},    {-32768, -20, 120, 1, 0, 99},
    };
    for (const Fall& f : fälle) {
        Modell m = test::Standardmaschine();
        for (int16_t Modell::*b :
             {&Modell::LStärkeKurbelD, &Modell::GelenkSteuerD, &Modell::LStärkeRestD,
              &Modell::GradPunkte, &Modell::AbstandWinkel, &Modell::KolbenWegAbstand})
            m.*b = f.breite;
        m.RandLinksD = m.RandObenD = m.DruckLinks = m.DruckOben = f.erster;
        m.RandRechtsD = m.RandUntenD = m.DruckRechts = m.DruckUnten = f.zweiter;
        const bool geändert =
            f.breite != f.breiteSoll || f.erster != f.ersterSoll || f.zweiter != f.zweiterSoll;
        EXPECT_EQ(DruckeinstellungenReparieren(m), geändert) << f.breite << " " << f.erster;
        EXPECT_EQ(std::tuple(m.LStärkeKurbelD, m.GelenkSteuerD, m.LStärkeRestD, m.GradPunkte,
                             m.AbstandWinkel, m.KolbenWegAbstand),
                  std::tuple(f.breiteSoll, f.breiteSoll, f.breiteSoll, f.breiteSoll, f.breiteSoll,
                             f.breiteSoll));
        // The first of a pair keeps what it can, the second gets what is left.
        for (auto [a, b] : {std::pair{m.RandLinksD, m.RandRechtsD},
                            {m.RandObenD, m.RandUntenD},
                            {m.DruckLinks, m.DruckRechts},
                            {m.DruckOben, m.DruckUnten}})
            EXPECT_EQ(std::pair(a, b), std::pair(f.ersterSoll, f.zweiterSoll)) << f.erster;
    }
}

} // namespace
} // namespace vapro
