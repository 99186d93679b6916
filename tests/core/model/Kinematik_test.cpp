#include "core/model/Kinematik.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "core/model/GeometrieFehler.h"
#include "core/model/Rechnen.h"
#include "tests/core/Maschine.h"

namespace vapro {
namespace {

using test::Grad;
using test::Standardmaschine;

TEST(Kinematik, CrankDriveOfTheDefaultEngine) {
    Modell m = Standardmaschine();
    for (auto [winkel, kreuzkopf, weg, prozent] : {std::array{0.f, 321.f, 102.f, 100.f},
                                                   {90, 265.139f, 46.139f, 45.234f},
                                                   {180, 219, 0, 0}}) {
        m.Winkel = winkel;
        Kinematik(m);
        EXPECT_NEAR(m.KreuzkopfY, kreuzkopf, 1e-3) << winkel;
        EXPECT_NEAR(m.kwegmm, weg, 1e-3) << winkel;
        EXPECT_NEAR(m.kwegproz, prozent, 1e-3) << winkel;
    }
    m.Winkel = 90; // clockwise: 90° puts the pin to the right
    Kinematik(m);
    EXPECT_NEAR(m.KurbelX, 51, 1e-4);
    EXPECT_NEAR(m.KurbelY, 0, 1e-4);
}

TEST(Kinematik, ValveTravelAndDieSlipOverARevolution) {
    for (auto [umwinkel, schieHub, springen] :
         {std::tuple{40.0, 29.46, 6.75f}, {0.0, 18.06, 2.98f}}) {
        Modell m = Standardmaschine();
        m.UmWinkel = Grad(umwinkel);
        m.LetzterUmWinkel = m.UmWinkel + 1;
        for (int w = 0; w <= 350; w += 10) {
            m.Winkel = static_cast<float>(w);
            Kinematik(m);
        }
        EXPECT_NEAR(m.SchieHub, schieHub, 0.01) << umwinkel;
        EXPECT_FLOAT_EQ(m.Springen, springen) << umwinkel;
    }
}

TEST(Kinematik, RodsKeepTheirLengthsAndThePinsLieOnTheLink) {
    Modell m = Standardmaschine();
    for (int w = 0; w < 360; w += 15) {
        m.Winkel = static_cast<float>(w);
        Kinematik(m);
        const struct {
            float x1, y1, x2, y2, länge;
        } stangen[] = {
            {m.HebelX, m.HebelY, m.BalkenVorX, m.BalkenVorY, m.HeLänge},
            {m.ExVorX, m.ExVorY, m.BalkenVorX, m.BalkenVorY, m.ExStangenlängeV},
            {m.ExRückX, m.ExRückY, m.BalkenRückX, m.BalkenRückY, m.ExStangenlängeR},
            {m.BalkenVorX, m.BalkenVorY, m.BalkenRückX, m.BalkenRückY, m.BaLänge},
            {m.KulisseMitteX, m.KulisseMitteY, m.BalkenVorX, m.BalkenVorY, m.BaRadius},
            {m.KulisseMitteX, m.KulisseMitteY, m.BalkenRückX, m.BalkenRückY, m.BaRadius},
            {m.KulisseMitteX, m.KulisseMitteY, m.ussmx, m.SteinY, m.BaRadius},
        };
        for (const auto& s : stangen)
            EXPECT_NEAR(std::hypot(s.x2 - s.x1, s.y2 - s.y1), s.länge, 1e-2) << w;
        EXPECT_FLOAT_EQ(m.SchieberY, m.SteinY + m.SstLänge);
    }
}

TEST(Kinematik, AnglesRepeatEveryRevolution) {
    for (float w : {-350.f, 123.25f}) {
        Modell a = Standardmaschine(), b = a;
        a.Winkel = w;
        b.Winkel = w + 360;
        Kinematik(a);
        Kinematik(b);
        EXPECT_NEAR(a.kwegmm, b.kwegmm, 2e-4) << w;
        EXPECT_NEAR(a.SteinY, b.SteinY, 2e-4) << w;
    }
}

TEST(Kinematik, AnyChangeOfReversingAngleResetsTheExtremes) {
    Modell m = Standardmaschine();
    for (int w = 0; w < 360; w += 30) {
        m.Winkel = static_cast<float>(w);
        Kinematik(m);
    }
    ASSERT_GT(m.Springen, 0);
    m.UmWinkel = std::nextafter(m.UmWinkel, 1.0f);
    Kinematik(m);
    EXPECT_EQ(m.SchieHub, 0);
    EXPECT_EQ(m.Springen, 0);
}

TEST(Kinematik, ImpossibleGeometryFailsAndLeavesAUsableModel) {
    const std::pair<const char*, std::function<void(Modell&)>> fälle[] = {
        {"suspension link cannot reach", [](Modell& m) { m.HeLänge = 1; }},
        {"die line misses the link", [](Modell& m) { m.ussmx = 1000; }},
        {"die slip beyond 16 bits",
         [](Modell& m) { m.SteinMin = -1000, m.SteinMax = 1000, m.LetzterUmWinkel = m.UmWinkel; }},
    };
    for (const auto& [was, ändern] : fälle) {
        Modell m = Standardmaschine();
        ändern(m);
        m.Winkel = 90;
        EXPECT_THROW(Kinematik(m), GeometrieFehler) << was;
    }
    Modell m = Standardmaschine();
    m.PLänge = 40;
    m.Winkel = 90;
    try {
        Kinematik(m);
        FAIL();
    } catch (const GeometrieFehler& e) { // names the computation and the angle
        EXPECT_NE(std::string(e.what()).find("connecting rod"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("90.00"), std::string::npos) << e.what();
    }
    m.PLänge = 270;
    EXPECT_NO_THROW(Kinematik(m));
}

} // namespace
} // namespace vapro
