#include "core/model/Schieber.h"

#include <gtest/gtest.h>

#include "core/model/GeometrieFehler.h"
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

TEST(Schieber, GeometryGivesTheLapsOfEachEnd) {
    Modell m = Schieberkasten();
    m.SchieberEingabe = 0;
    m.SchiMitte = 68;
    m.SchiLaufO = 31;
    m.SchiLaufU = 31;
    SchieberAbleiten(m);
    EXPECT_EQ(std::tuple(m.SchiLänge, m.SchiIO, m.SchiIU, m.SchiEO, m.SchiEU),
              std::tuple(130.f, 1.f, 1.f, 5.f, 5.f));

    // A longer top face gives a larger top lap only, and the laps (the other
    // way of entering a valve) give the same valve back.
    m.SchiLaufO = 35;
    SchieberAbleiten(m);
    EXPECT_EQ(std::tuple(m.SchiEO, m.SchiEU, m.SchiLänge), std::tuple(9.f, 5.f, 134.f));
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

TEST(Schieber, PortFaceLengthAndRepairedPassages) {
    Modell m;
    const float teile[] = {20, 25, 15, 40, 15, 25, 20};
    float* felder[] = {&m.KaLaufO, &m.KaWeiO, &m.KaDamO, &m.KaWeiM,
                       &m.KaDamU,  &m.KaWeiU, &m.KaLaufU};
    for (int i = 0; i < 7; ++i)
        *felder[i] = teile[i];
    m.SkBreite = 0;
    m.KanallängeOben = -3;
    m.KanallängeUnten = 70;
    SchieberkastenAbleiten(m);
    EXPECT_EQ(std::tuple(m.SpieLänge, m.SkBreite, m.KanallängeOben, m.KanallängeUnten),
              std::tuple(160.0f, 0.001f, 0.001f, 70.0f));

    // A face without length is refused and leaves the stored length alone.
    m.KaWeiM = -120;
    EXPECT_THROW(SchieberkastenAbleiten(m), GeometrieFehler);
    EXPECT_EQ(m.SpieLänge, 160.0f);
}

TEST(Schieber, CavityIsShallowerThanTheBodyButNeverNegative) {
    struct Fall {
        float tiefe, innen, erwartet;
        bool geändert;
    };
    for (const Fall& f :
         {Fall{10, 12, 9.999f, true}, Fall{10, 9, 9, false}, Fall{0.0008f, 0.5f, 0, true}}) {
        Modell m;
        m.SchiTiefe = f.tiefe;
        m.SchiInTiefe = f.innen;
        EXPECT_EQ(KanalInnenReparieren(m), f.geändert) << f.tiefe << " " << f.innen;
        EXPECT_FLOAT_EQ(m.SchiInTiefe, f.erwartet) << f.tiefe << " " << f.innen;
    }
}

} // namespace
} // namespace vapro
