// Valve-travel curves: the sweep, the shaded stretch of a port per edge, and
// the limits of the graph settings, in the settings window's rules and on load.

#include "core/analysis/Steuerhub.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/model/GeometrieFehler.h"
#include "core/model/Kinematik.h"
#include "core/model/Schieberkanten.h"
#include "core/persist/Maschinendatei.h"
#include "tests/core/Maschine.h"

namespace vapro {
namespace {

TEST(Steuerhub, EdgeOpensOnlyItsOwnPortAndOnlyPastTheEdge) {
    Modell m;
    m.KaKanteUU = 10;
    m.KaKanteUO = 20;
    m.KaKanteOU = 50;
    m.KaKanteOO = 60;
    using K = Schieberkante;
    struct Fall {
        K kante;
        float höhe;
        std::optional<std::pair<float, float>> offen;
    };
    const Fall fälle[] = {
        // An edge exactly on a port edge opens nothing.
        {K::UntenAußen, 10, {}},         {K::UntenAußen, 25, {{10, 20}}},
        {K::UntenInnen, 15, {{15, 20}}}, {K::ObenInnen, 55, {{50, 55}}},
        {K::ObenAußen, 60, {}},          {K::ObenAußen, 55, {{55, 60}}},
    };
    for (const Fall& f : fälle) {
        const auto offen = Kantenöffnung(m, f.kante, f.höhe);
        SCOPED_TRACE(testing::Message() << static_cast<int>(f.kante) << " at " << f.höhe);
        ASSERT_EQ(offen.has_value(), f.offen.has_value());
        if (offen) {
            EXPECT_EQ(std::pair(offen->von, offen->bis), *f.offen);
        }
    }
}

TEST(Steuerhub, SweepRecordsEveryWholeDegreeAndLeavesTheCrankWhereItWas) {
    Modell m = test::Standardmaschine();
    m.Winkel = 37;
    Kinematik(m);
    const float schieber = m.SchieberY;
    const std::vector<Hubpunkt> verlauf = SteuerhubVerlauf(m);
    ASSERT_EQ(verlauf.size(), 361u);
    EXPECT_EQ(std::tuple(m.Winkel, m.SchieberY), std::tuple(37.0f, schieber));
    // Piston travel from top dead centre: 0, the stroke at the bottom, twice at the end.
    EXPECT_FLOAT_EQ(verlauf[0].Kolbenweg, 0);
    EXPECT_FLOAT_EQ(verlauf[180].Kolbenweg, m.Hub);
    EXPECT_FLOAT_EQ(verlauf[360].Kolbenweg, 2 * m.Hub);
    Modell einzeln = m;
    einzeln.Winkel = 95;
    Kinematik(einzeln);
    EXPECT_EQ(verlauf[95].Kante, (std::array{KanteUntenAußen(einzeln), KanteUntenInnen(einzeln),
                                             KanteObenInnen(einzeln), KanteObenAußen(einzeln)}));
}

TEST(Steuerhub, AFailingSweepRestoresTheCrankAngle) {
    // A connecting rod shorter than the crank reaches the pin near the dead
    // centres only.
    Modell m = test::Standardmaschine();
    m.PLänge = 20;
    m.Winkel = 10;
    Kinematik(m);
    const float schieber = m.SchieberY;
    EXPECT_THROW(SteuerhubVerlauf(m), GeometrieFehler);
    EXPECT_EQ(std::tuple(m.Winkel, m.SchieberY), std::tuple(10.0f, schieber));
}

TEST(Steuerhub, SettingsKeptWithinWhatTheGraphsDraw) {
    // revolutions, marker, cursor in; the same repaired
    const std::array<int16_t, 3> fälle[][2] = {
        {{0, 0, 5}, {1, 1, 0}},
        {{32767, 6, 0}, {20, 6, 0}},
        {{3, 5, 1}, {3, 5, 1}},
    };
    for (const auto& [ein, aus] : fälle) {
        Modell m = test::Standardmaschine();
        m.usPerioden = ein[0];
        m.usKreis = ein[1];
        m.faden = ein[2];
        SteuerhubEinstellungenReparieren(m);
        EXPECT_EQ((std::array{m.usPerioden, m.usKreis, m.faden}), aus) << ein[0];

        // A machine file brings them under the same limits.
        Modell gespeichert = test::Standardmaschine();
        gespeichert.usPerioden = ein[0];
        gespeichert.usKreis = ein[1];
        Sprache s;
        SpracheEinstellen(s, SprachbasisDeutsch);
        std::stringstream datei;
        ASSERT_TRUE(Speichern(gespeichert, datei, s, "t"));
        Modell geladen = test::Standardmaschine();
        ASSERT_EQ(Laden(geladen, datei, s).art, Ladeergebnis::Ok);
        EXPECT_EQ(std::pair(geladen.usPerioden, geladen.usKreis), std::pair(aus[0], aus[1]));
    }
}

} // namespace
} // namespace vapro
