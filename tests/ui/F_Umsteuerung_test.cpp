#include "ui/dialogs/F_Umsteuerung.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/ui/Umgebung.h"
#include "ui/dialogs/Getriebeskizze.h"
#include "ui/mainwindow/F_Haupt.h"

namespace vapro {
namespace {

struct F_Umsteuerung_ : ::testing::Test {
    test::Umgebung u;
    Ansichten ansichten;
    F_Umsteuerung d{u.k};
    F_Umsteuerung_() {
        u.k.ansichten = &ansichten;
        d.Form_Load();
    }
};

TEST_F(F_Umsteuerung_, AngleRangeIsRepaired) {
    // typed UmMin, UmMax, then stored
    const std::tuple<const char*, const char*, float, float> fälle[] = {
        {"-400", "500", -360, 360},
        {"50", "30", 30, 30},
        {"20", "-10", 0, 0},
    };
    for (const auto& [min, max, sollMin, sollMax] : fälle) {
        d.E(&Modell::UmMin)->setText(min);
        d.E(&Modell::UmMax)->setText(max);
        d.Knopf_Übernehmen_Click();
        EXPECT_EQ(std::pair(u.m.UmMin, u.m.UmMax), std::pair(sollMin, sollMax)) << min << max;
        // shown as repaired
        EXPECT_EQ(d.E(&Modell::UmMin)->text(), QString::number(sollMin));
    }
}

TEST_F(F_Umsteuerung_, EachChoiceAppliesTheWholeDialogAtOnce) {
    d.show();
    struct Fall {
        QAbstractButton* knopf;
        int16_t einströmung, umsteuertyp, vorzeichen;
    };
    // From the default: outside admission, link motion, slider not inverted.
    const Fall fälle[] = {{d.O_Innen, 1, 1, -1}, {d.C_Vorzeichen, 1, 1, 1}, {d.O_UmNein, 1, 0, 1}};
    int getippt = 10;
    for (const Fall& f : fälle) {
        d.E(&Modell::ExZentrizität)->setText(QString::number(++getippt)); // not yet applied
        const int16_t stand = u.m.Geometriestand;
        QTest::mouseClick(f.knopf, Qt::LeftButton, {}, QPoint(6, f.knopf->height() / 2));
        EXPECT_EQ(std::tuple(u.m.Einströmung, u.m.Umsteuertyp, u.m.Vorzeichen, u.m.ExZentrizität,
                             u.m.Geometriestand),
                  std::tuple(f.einströmung, f.umsteuertyp, f.vorzeichen,
                             static_cast<float>(getippt), static_cast<int16_t>(stand + 1)))
            << f.knopf->text().toStdString();
    }
}

// The link-motion rows, here and in the main window, exist only with a link.
struct UmsteuerungImHauptfenster : test::MitHaupt {
    F_Umsteuerung& Dialog() { return *Öffnen<F_Umsteuerung>("M_Umsteuerung"); }
    // Visible rows of the dialog and controls of the main window, by link or not.
    void SichtbarWie(bool kulisse, const char* wann) {
        SCOPED_TRACE(wann);
        F_Umsteuerung& d = Dialog();
        for (auto f : {&Modell::ExStangenlängeR, &Modell::BaRadius, &Modell::UmMax})
            EXPECT_EQ(!d.E(f)->isHidden(), kulisse);
        EXPECT_EQ(d.Skizze->KulisseGezeigt(), kulisse);
        EXPECT_EQ(!h.Anzeige("T_Springen").isHidden(), kulisse);
        EXPECT_EQ(!h.SliderUmWinkel().isHidden(), kulisse);
    }
};

TEST_F(UmsteuerungImHauptfenster, VisibilityFollowsTheGearTypeAlsoAfterALoad) {
    EXPECT_TRUE(h.Menüeintrag("M_Umsteuerung").isEnabled());
    SichtbarWie(true, "opened");
    Dialog().O_UmNein->click(); // no apply button needed
    EXPECT_EQ(u.m.Umsteuertyp, 0);
    SichtbarWie(false, "single eccentric chosen");

    QTemporaryDir ordner;
    const QString ohne = ordner.filePath("ohne.kmf");
    ASSERT_TRUE(h.SpeicherAktion(ohne));
    Dialog().O_UmJa->click();
    SichtbarWie(true, "link chosen");
    ASSERT_TRUE(h.Ladeaktion(ohne));
    SichtbarWie(false, "file without link loaded");
    // With the dialog closed the main window follows a load as well.
    h.RahmenfensterZeigen("M_Umsteuerung", false);
    ASSERT_TRUE(h.Ladeaktion(ohne));
    EXPECT_TRUE(h.SliderUmWinkel().isHidden());
}

TEST_F(UmsteuerungImHauptfenster, ApplyingSetsTheSliderRange) {
    F_Umsteuerung& d = Dialog();
    d.E(&Modell::UmMin)->setText("-20");
    d.E(&Modell::UmMax)->setText("30");
    d.Knopf_Übernehmen_Click();
    EXPECT_EQ(std::pair(h.SliderUmWinkel().minimum(), h.SliderUmWinkel().maximum()),
              std::pair(-40, 60));
}

} // namespace
} // namespace vapro
