// The die-slip window driven through the main window.

#include "ui/mainwindow/F_Stein.h"

#include <QAction>
#include <QSlider>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/analysis/Steuerzeiten.h"
#include "core/model/Bewegung.h"
#include "core/model/Kinematik.h"
#include "core/model/Rechnen.h"
#include "core/persist/Start.h"
#include "tests/ui/Umgebung.h"
#include "ui/mainwindow/F_Haupt.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {
namespace {

struct MitStein : test::MitHaupt {
    F_Stein* f = nullptr;
    void SetUp() override {
        if (h.Läuft()) h.Knopf_Start_Stop_Click();
        h.Menüeintrag("M_Stein").trigger();
        f = dynamic_cast<F_Stein*>(h.Rahmenfenster("M_Stein"));
        ASSERT_TRUE(f && f->isVisible());
        Takte(1);
    }
    // Springen after the solver has passed the sweep's angles at the lever's angle.
    float SpringenEinesUmlaufs() const {
        Modell s = u.m;
        s.LetzterUmWinkel = s.UmWinkel + 1;
        for (int i = 0; i < SuchSchritte; ++i) {
            s.Winkel = SuchWinkel(i);
            KinematikOhneBild(s);
        }
        return s.Springen;
    }
};

TEST_F(MitStein, GraphsTheSlipOfARevolutionAndRedrawsOnlyForTheLever) {
    EXPECT_EQ(u.m.SteinZeigen, Wahr);
    QSlider& hebel = h.SliderUmWinkel();
    for (const int stellung : {hebel.minimum(), 0, hebel.maximum() - 7}) {
        hebel.setValue(stellung);
        Takte(1);
        ASSERT_TRUE(f->Weg());
        EXPECT_NEAR(f->Weg()->Springen(), SpringenEinesUmlaufs(), 0.005 + 1e-5) << stellung;
    }
    const int bilder = f->Neuzeichnungen();
    const QImage vorher = f->Bildpuffer();
    Takte(5);
    EXPECT_EQ(f->Neuzeichnungen(), bilder) << "turning adds markers only";
    EXPECT_NE(f->Bildpuffer(), vorher);
    h.Knopf_Vor_Click();
    EXPECT_EQ(f->Neuzeichnungen(), bilder);
}

TEST_F(MitStein, AFixedEccentricAndAJammedGearStayInsideTheWindow) {
    f->M_Infotext_Click();
    EXPECT_EQ(u.plattform.hilfen, std::vector{HilfeKontext::Steinspringen});
    u.m.Umsteuertyp = 0;
    GeometriestandErhöhen(u.m);
    f->SchrittMalen();
    EXPECT_FALSE(f->Weg());

    u.m.Umsteuertyp = 1;
    u.m.UmLänge = 150; // the lever swings the hanger out of reach
    u.m.UmWinkel = static_cast<float>(Rad(-90));
    GeometriestandErhöhen(u.m);
    const int bilder = f->Neuzeichnungen();
    f->SchrittMalen();
    f->SchrittMalen();
    EXPECT_FALSE(f->Weg());
    EXPECT_EQ(f->Neuzeichnungen(), bilder + 1) << "not tried again at every frame";
}

} // namespace
} // namespace vapro
