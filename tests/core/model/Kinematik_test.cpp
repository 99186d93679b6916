#include "model/Kinematik.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "Maschine.h"
#include "model/GeometrieFehler.h"
#include "model/Rechnen.h"

namespace vapro {
namespace {

using test::Grad;
using test::Standardmaschine;

TEST(ArcFunktionen, MatchLibraryInsideAndFailAtTheEdges) {
    for (double x : {-0.999, -0.5, 0.0, 0.3, 0.999}) {
        EXPECT_NEAR(ArcCos(x), std::acos(x), 1e-12) << x;
        EXPECT_NEAR(ArcSin(x), std::asin(x), 1e-12) << x;
    }
    for (double x : {1.0, -1.0, 1.0000001, -3.0}) {
        EXPECT_THROW(ArcCos(x), GeometrieFehler) << x;
        EXPECT_THROW(ArcSin(x), GeometrieFehler) << x;
    }
}

TEST(Kinematik, CrankDriveOfTheDefaultEngine) {
    Modell m = Standardmaschine();
    struct Fall {
        float winkel, kreuzkopf, weg, prozent;
    };
    for (Fall f : {Fall{0, 321, 102, 100}, Fall{90, 265.139, 46.139, 45.234},
                   Fall{180, 219, 0, 0}, Fall{270, 265.139, 46.139, 45.234}}) {
        m.Winkel = f.winkel;
        Kinematik(m);
        EXPECT_NEAR(m.KreuzkopfY, f.kreuzkopf, 1e-3) << f.winkel;
        EXPECT_NEAR(m.kwegmm, f.weg, 1e-3) << f.winkel;
        EXPECT_NEAR(m.kwegproz, f.prozent, 1e-3) << f.winkel;
    }
    m.Winkel = 90;
    Kinematik(m);
    EXPECT_NEAR(m.KurbelX, 51, 1e-4);  // clockwise: 90° puts the pin to the right
    EXPECT_NEAR(m.KurbelY, 0, 1e-4);
}

TEST(Kinematik, ValveTravelAndDieSlipOverARevolution) {
    struct Fall {
        double umwinkel, schieHub, springen;
    };
    for (Fall f : {Fall{40, 29.46, 6.75}, Fall{0, 18.06, 2.98}}) {
        Modell m = Standardmaschine();
        m.UmWinkel = Grad(f.umwinkel);
        m.LetzterUmWinkel = m.UmWinkel + 1;
        for (int w = 0; w <= 350; w += 10) {
            m.Winkel = static_cast<float>(w);
            Kinematik(m);
        }
        EXPECT_NEAR(m.SchieHub, f.schieHub, 0.01) << f.umwinkel;
        EXPECT_FLOAT_EQ(m.Springen, static_cast<float>(f.springen)) << f.umwinkel;
    }
}

TEST(Kinematik, LinkGeometryIsConsistent) {
    Modell m = Standardmaschine();
    for (int w = 0; w < 360; w += 15) {
        m.Winkel = static_cast<float>(w);
        Kinematik(m);
        auto abstand = [](double x1, double y1, double x2, double y2) {
            return std::hypot(x2 - x1, y2 - y1);
        };
        // Every rod keeps its length, both pins lie on the arc, the die on the rod line.
        EXPECT_NEAR(abstand(m.HebelX, m.HebelY, m.BalkenVorX, m.BalkenVorY), m.HeLänge, 1e-3);
        EXPECT_NEAR(abstand(m.ExVorX, m.ExVorY, m.BalkenVorX, m.BalkenVorY), m.ExStangenlängeV, 1e-3);
        EXPECT_NEAR(abstand(m.ExRückX, m.ExRückY, m.BalkenRückX, m.BalkenRückY), m.ExStangenlängeR, 1e-3);
        EXPECT_NEAR(abstand(m.BalkenVorX, m.BalkenVorY, m.BalkenRückX, m.BalkenRückY), m.BaLänge, 1e-3);
        EXPECT_NEAR(abstand(m.KulisseMitteX, m.KulisseMitteY, m.BalkenVorX, m.BalkenVorY), m.BaRadius, 1e-2);
        EXPECT_NEAR(abstand(m.KulisseMitteX, m.KulisseMitteY, m.BalkenRückX, m.BalkenRückY), m.BaRadius, 1e-2);
        EXPECT_NEAR(abstand(m.KulisseMitteX, m.KulisseMitteY, m.ussmx, m.SteinY), m.BaRadius, 1e-2);
        EXPECT_FLOAT_EQ(m.SchieberY, m.SteinY + m.SstLänge);
    }
}

TEST(Kinematik, AnglesRepeatEveryRevolutionAndResolvingChangesNothing) {
    Modell m = Standardmaschine();
    for (float w : {-350.f, -90.f, 10.f, 123.25f, 359.75f}) {
        Modell a = m, b = m;
        a.Winkel = w;
        b.Winkel = w + 360;
        Kinematik(a);
        Kinematik(b);
        EXPECT_NEAR(a.kwegmm, b.kwegmm, 2e-4) << w;
        EXPECT_NEAR(a.SteinY, b.SteinY, 2e-4) << w;
        EXPECT_NEAR(a.BalkenRückX, b.BalkenRückX, 2e-4) << w;

        const float hub = a.SchieHub, springen = a.Springen, min = a.SteinMin;
        const float schieber = a.SchieberY;
        Kinematik(a);
        EXPECT_EQ(a.SchieberY, schieber);
        EXPECT_EQ(a.SchieHub, hub);
        EXPECT_EQ(a.Springen, springen);
        EXPECT_EQ(a.SteinMin, min);
    }
}

TEST(Kinematik, AnyChangeOfReversingAngleResetsTheExtremes) {
    Modell m = Standardmaschine();
    for (int w = 0; w < 360; w += 30) {
        m.Winkel = static_cast<float>(w);
        Kinematik(m);
    }
    ASSERT_GT(m.SchieHub, 0);
    ASSERT_GT(m.Springen, 0);
    m.UmWinkel = std::nextafter(m.UmWinkel, 1.0f);
    Kinematik(m);
    EXPECT_EQ(m.SchieHub, 0);
    EXPECT_EQ(m.Springen, 0);
    EXPECT_EQ(m.LetzterUmWinkel, m.UmWinkel);
}

TEST(Kinematik, SingleEccentricIgnoresTheDieLineAndKeepsTheDieSlip) {
    Modell m = Standardmaschine();
    m.Winkel = 30;
    Kinematik(m);
    const float springen = m.Springen;
    m.Umsteuertyp = 0;
    Kinematik(m);
    const float stein = m.SteinY;
    m.ussmx = 7;
    Kinematik(m);
    EXPECT_EQ(m.SteinY, stein);
    EXPECT_EQ(m.Springen, springen);
    const double erwartet =
        std::sqrt(300.0 * 300.0 - double(m.ExVorX) * m.ExVorX) + m.ExVorY;
    EXPECT_NEAR(m.SteinY, erwartet, 1e-3);
    EXPECT_EQ(m.StangeVorXBild, m.XSteuerung);
}

TEST(Kinematik, PictureCoordinatesFollowTheFrame) {
    Modell m = Standardmaschine();
    m.Maßstab = 2;
    m.XKw = 1000;
    m.XSteuerung = 1000 + m.DEX * 2;
    m.BildHöhe = 5000;
    m.YKwUnten = 300;
    m.Winkel = 90;
    Kinematik(m);
    EXPECT_FLOAT_EQ(m.KurbelXBild, m.KurbelX * 2 + 1000);
    EXPECT_FLOAT_EQ(m.KreuzkopfYBild, 5000 - 300 - m.KreuzkopfY * 2);
    EXPECT_FLOAT_EQ(m.KolbenYBild, m.KreuzkopfYBild - m.KsLänge * 2);
    EXPECT_FLOAT_EQ(m.SteinXBild, m.XSteuerung);
    EXPECT_FLOAT_EQ(m.StangeVorXBild, m.BalkenVorXBild);
}

TEST(Kinematik, ImpossibleGeometryFailsAndLeavesAUsableModel) {
    struct Fall {
        const char* was;
        std::function<void(Modell&)> ändern;
        float winkel;
    };
    const Fall fälle[] = {
        {"connecting rod shorter than the crank", [](Modell& m) { m.PLänge = 40; }, 90},
        {"suspension link cannot reach", [](Modell& m) { m.HeLänge = 1; }, 0},
        {"backward rod cannot reach", [](Modell& m) { m.ExStangenlängeR = 100; }, 0},
        {"chord as long as the link diameter", [](Modell& m) { m.BaRadius = 35; }, 0},
        {"zero link radius", [](Modell& m) { m.BaRadius = 0; }, 0},
        {"die line misses the link", [](Modell& m) { m.ussmx = 1000; }, 0},
        {"zero stroke", [](Modell& m) { m.Hub = 0; }, 0},
        {"single eccentric rod too short",
         [](Modell& m) {
             m.Umsteuertyp = 0;
             m.ExStangenlängeV = 5;
         },
         0},
        {"die slip beyond 16 bits",
         [](Modell& m) {
             m.SteinMin = -1000;
             m.SteinMax = 1000;
             m.LetzterUmWinkel = m.UmWinkel;
         },
         0},
    };
    for (const Fall& f : fälle) {
        Modell m = test::Standardmaschine();
        f.ändern(m);
        m.Winkel = f.winkel;
        EXPECT_THROW(Kinematik(m), GeometrieFehler) << f.was;
        Modell gut = test::Standardmaschine();
        gut.Winkel = 45;
        EXPECT_NO_THROW(Kinematik(gut));
    }
}

TEST(Kinematik, FailureKeepsTheResultsComputedBeforeIt) {
    Modell m = Standardmaschine();
    m.Winkel = 0;
    Kinematik(m);
    const float steinVorher = m.SteinY;
    m.HeLänge = 1;
    m.Winkel = 90;
    EXPECT_THROW(Kinematik(m), GeometrieFehler);
    EXPECT_NEAR(m.KurbelX, 51, 1e-4);     // crank drive ran
    EXPECT_EQ(m.SteinY, steinVorher);     // the link did not
}

TEST(Kinematik, FailureMessageNamesComputationAndAngle) {
    Modell m = Standardmaschine();
    m.PLänge = 40;
    m.Winkel = 90;
    try {
        Kinematik(m);
        FAIL();
    } catch (const GeometrieFehler& e) {
        const std::string text = e.what();
        EXPECT_NE(text.find("connecting rod"), std::string::npos) << text;
        EXPECT_NE(text.find("90.00"), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace vapro
