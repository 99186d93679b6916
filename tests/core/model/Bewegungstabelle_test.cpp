#include "core/model/Bewegungstabelle.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/model/Bewegung.h"
#include "core/model/GeometrieFehler.h"

namespace vapro {
namespace {

TEST(Bewegungstabelle, RowCountPerAngleStep) {
    for (auto [schritt, zeilen] : {std::pair{10.f, 36}, {7.f, 52}, {0.5f, 720}}) {
        Modell m;
        m.WinkelSchritt = schritt;
        TabelleEinrichten(m);
        EXPECT_EQ(std::pair(m.TabellenZeilen, m.TabellenSchritt),
                  std::pair(int16_t(zeilen), schritt));
    }
    Modell m;
    m.WinkelSchritt = 0;
    EXPECT_THROW(TabelleEinrichten(m), GeometrieFehler);
    m.WinkelSchritt = 0.001f;
    EXPECT_THROW(TabelleEinrichten(m), GeometrieFehler); // more rows than 16 bits hold
}

// Rows written while the engine turns `schritte` steps from `start`.
std::vector<int> Zeilen(Modell& m, int schritte) {
    std::vector<int> z;
    for (int i = 0; i < schritte; ++i) {
        z.push_back(NächsteTabellenzeile(m).zeile);
        WinkelWeiter(m);
    }
    return z;
}

TEST(Bewegungstabelle, EachAngleGoesInItsRowBothWays) {
    Modell m;
    m.WinkelSchritt = 10;
    m.Winkel = 0;
    TabelleEinrichten(m);
    const std::vector<int> z = Zeilen(m, 37);
    for (int k = 0; k <= 35; ++k)
        EXPECT_EQ(z[static_cast<size_t>(k)], k + 1);
    EXPECT_EQ(z[36], 1);

    m.WinkelSchritt = 10;
    m.Winkel = 0;
    m.Drehrichtung = false;
    TabelleEinrichten(m);
    EXPECT_EQ(Zeilen(m, 3), (std::vector<int>{1, 36, 35}));
}

TEST(Bewegungstabelle, ChangedStepLaysTheTableOutAgain) {
    Modell m;
    m.WinkelSchritt = 10;
    m.Winkel = 0;
    TabelleEinrichten(m);
    Zeilen(m, 5); // now at 50°
    m.WinkelSchritt = 5;
    const Tabellenzeile z = NächsteTabellenzeile(m);
    EXPECT_TRUE(z.neuEingerichtet);
    EXPECT_EQ(m.TabellenZeilen, 72);
    EXPECT_EQ(z.zeile, 11); // 50° in steps of 5 lands in row 11
    EXPECT_FALSE(NächsteTabellenzeile(m).neuEingerichtet);
}

// Steps like 0.3° never meet 0° again running backward: the angle passes it
// (a small positive angle, then one at or below 0°). The pass must still put
// 0° in row 1 and keep every other angle in its row.
TEST(Bewegungstabelle, StepsInexactInBinaryKeepTheRowsInStep) {
    for (float schritt : {0.3f, 1.1f}) {
        for (bool vor : {true, false}) {
            Modell m;
            m.WinkelSchritt = schritt;
            m.Winkel = 0;
            m.Drehrichtung = vor;
            TabelleEinrichten(m);
            ASSERT_EQ(NächsteTabellenzeile(m).zeile, 1);
            int nullzeilen = 0;
            for (int i = 0; i < 3 * m.TabellenZeilen; ++i) {
                WinkelWeiter(m);
                const int zeile = NächsteTabellenzeile(m).zeile;
                // Angles just below 360° and at or below 0° both stand for 0°.
                double schritte = m.Winkel < 0 ? 0.0 : m.Winkel / schritt;
                if (schritte > m.TabellenZeilen - 0.5) schritte -= m.TabellenZeilen;
                if (zeile == 1) ++nullzeilen;
                ASSERT_NEAR(zeile, schritte + 1, 1.0)
                    << schritt << (vor ? " forward" : " backward") << " at " << m.Winkel;
            }
            EXPECT_GE(nullzeilen, 2) << schritt << (vor ? " forward" : " backward");
        }
    }
}

} // namespace
} // namespace vapro
