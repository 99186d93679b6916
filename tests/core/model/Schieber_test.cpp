#include "core/model/Schieber.h"

#include <gtest/gtest.h>
#include <tuple>

namespace vapro {
namespace {

// Valve chest with ports 25, bridges 15 and a central port of 40.
Modell Schieberkasten() {
    Modell m;
    m.KaWeiO = m.KaWeiU = 25;
    m.KaDamO = m.KaDamU = 15;
    m.KaWeiM = 40;
    return m;
}

TEST(Schieber, LapsGiveTheGeometry) {
    Modell m = Schieberkasten();
    m.SchieberEingabe = 1;
    m.SchiEO = m.SchiEU = 5;
    m.SchiIO = m.SchiIU = 1;
    SchieberAbleiten(m);
    EXPECT_FLOAT_EQ(m.SchiLaufO, 31);
    EXPECT_FLOAT_EQ(m.SchiLaufU, 31);
    EXPECT_FLOAT_EQ(m.SchiLänge, 130);
    EXPECT_FLOAT_EQ(m.SchiMitte, 68);
}

TEST(Schieber, GeometryGivesTheLapsOfEachEnd) {
    Modell m = Schieberkasten();
    m.SchieberEingabe = 0;
    m.SchiMitte = 68;
    m.SchiLaufO = 31;
    m.SchiLaufU = 31;
    SchieberAbleiten(m);
    EXPECT_FLOAT_EQ(m.SchiLänge, 130);
    EXPECT_FLOAT_EQ(m.SchiIO, 1);
    EXPECT_FLOAT_EQ(m.SchiIU, 1);
    EXPECT_FLOAT_EQ(m.SchiEO, 5);
    EXPECT_FLOAT_EQ(m.SchiEU, 5);

    // A longer top face gives a larger top lap only, and the laps give the
    // same valve back.
    m.SchiLaufO = 35;
    SchieberAbleiten(m);
    EXPECT_FLOAT_EQ(m.SchiEO, 9);
    EXPECT_FLOAT_EQ(m.SchiEU, 5);
    EXPECT_FLOAT_EQ(m.SchiLänge, 134);
    Modell zurück = Schieberkasten();
    zurück.SchieberEingabe = 1;
    zurück.SchiEO = m.SchiEO;
    zurück.SchiEU = m.SchiEU;
    zurück.SchiIO = m.SchiIO;
    zurück.SchiIU = m.SchiIU;
    SchieberAbleiten(zurück);
    EXPECT_EQ(std::tuple(zurück.SchiLänge, zurück.SchiMitte, zurück.SchiLaufO, zurück.SchiLaufU),
              std::tuple(m.SchiLänge, m.SchiMitte, m.SchiLaufO, m.SchiLaufU));
}

} // namespace
} // namespace vapro
