#include "core/analysis/Steinweg.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/analysis/Steuerungsverlauf.h"
#include "core/analysis/Steuerzeiten.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Kinematik.h"
#include "core/model/Rechnen.h"
#include "tests/core/Maschine.h"

namespace vapro {
namespace {

using test::Standardmaschine;

Modell BeiHebel(float grad) {
    Modell m = Standardmaschine();
    m.UmWinkel = static_cast<float>(Rad(grad));
    return m;
}

TEST(Steinweg, PeakToPeakIsTheSlipOfASweepAndOfTheLeverRange) {
    for (float grad : {-45.0f, -20.0f, 0.0f, 12.5f, 45.0f}) {
        const Modell m = BeiHebel(grad);
        const auto w = SteinwegBerechnen(m);
        ASSERT_TRUE(w) << grad;
        ASSERT_EQ(w->Lage.size(), size_t(SuchSchritte - 1));
        // The running extremes of the solver over the same angles.
        Modell s = m;
        s.LetzterUmWinkel = s.UmWinkel + 1;
        for (int i = 0; i < SuchSchritte; ++i) {
            s.Winkel = SuchWinkel(i);
            KinematikOhneBild(s);
        }
        EXPECT_NEAR(w->Springen(), s.Springen, 0.005 + 1e-5) << grad; // hundredths there
        EXPECT_NEAR(w->Springen(), *VerlaufspunktBerechnen(m, grad).Steinspringen, 1e-4) << grad;
        EXPECT_LE(w->Max, w->Halblänge);
        EXPECT_GE(w->Min, -w->Halblänge);
    }
}

// The position is the arc length from the point of the arc halfway between
// the two rod pins, positive towards the forward rod's pin.
TEST(Steinweg, PositionIsMeasuredAlongTheArcFromTheMiddleBetweenThePins) {
    Modell m = BeiHebel(-30);
    for (float winkel : {0.0f, 95.0f, 200.0f, 333.0f}) {
        m.Winkel = winkel;
        KinematikOhneBild(m);
        const double mx = m.KulisseMitteX, my = m.KulisseMitteY;
        const double stein = std::atan2(m.SteinY - my, m.ussmx - mx);
        const double vor = std::atan2(m.BalkenVorY - my, m.BalkenVorX - mx);
        const double rück = std::atan2(m.BalkenRückY - my, m.BalkenRückX - mx);
        EXPECT_NEAR(SteinLage(m), (stein - (vor + rück) / 2) * m.BaRadius, 1e-3) << winkel;
        EXPECT_GT(vor, rück) << "the forward pin lies on the positive side";
    }
}

TEST(Steinweg, NoDieWithoutALinkAndAGearThatJamsIsAnError) {
    Modell fest = Standardmaschine();
    fest.Umsteuertyp = 0;
    EXPECT_FALSE(SteinwegBerechnen(fest));

    Modell m = Standardmaschine();
    m.UmLänge = 150; // the lever swings the hanger out of reach
    m.UmWinkel = static_cast<float>(Rad(-90));
    m.Winkel = 77;
    EXPECT_THROW(SteinwegBerechnen(m), GeometrieFehler);
    EXPECT_EQ(m.Winkel, 77);
}

} // namespace
} // namespace vapro
