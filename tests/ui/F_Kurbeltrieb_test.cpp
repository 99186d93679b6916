#include "ui/dialogs/F_Kurbeltrieb.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

#include "core/persist/Maschinendatei.h"
#include "tests/ui/Umgebung.h"
#include "ui/mainwindow/F_Haupt.h"

namespace vapro {
namespace {

constexpr const char* kFalscheEingabe = "Kurbeltrieb\n\nFalsche Eingabe!\nBitte erneut versuchen.";

struct Neuzeichnungen : Ansichten {
    int bild = 0;
    void BildNeuzeichnen() override { ++bild; }
};

struct Dialog {
    test::Umgebung u;
    Neuzeichnungen ansichten;
    F_Kurbeltrieb d{u.k};
    explicit Dialog(bool mm = true) : u(mm) {
        u.k.ansichten = &ansichten;
        d.DezimalzeichenSetzen('.');
        d.Form_Load();
    }
    void Tippen(FeldOrt feld, const char* text) { d.E(feld)->setText(text); }
    QString Volumen(int i) const { return d.Form()->Anzeigen().at(i)->text(); }
};

TEST(F_Kurbeltrieb, CrankRadiusOfZeroOrLessChangesNoField) {
    for (const char* radius : {"0", "-5"}) {
        Dialog t;
        t.Tippen(&Modell::KWRadius, radius);
        t.Tippen(&Modell::PLänge, "300");
        t.Tippen(&Modell::KOFreihub, "3");
        const uint32_t stand = t.u.m.Änderungen;
        t.d.Knopf_Übernehmen_Click();
        ASSERT_EQ(t.u.plattform.Meldungen().size(), 1u) << radius;
        EXPECT_EQ(t.u.plattform.Meldungen()[0].text, kFalscheEingabe);
        EXPECT_EQ(std::tuple(t.u.m.KWRadius, t.u.m.Hub, t.u.m.PLänge, t.u.m.KOFreihub),
                  std::tuple(51.f, 102.f, 270.f, 10.f));
        // Refilled from the model and recomputed all the same.
        EXPECT_EQ(t.d.E(&Modell::KWRadius)->text(), "51");
        EXPECT_EQ(t.d.E(&Modell::PLänge)->text(), "270");
        EXPECT_NE(t.u.m.Änderungen, stand);
    }
}

TEST(F_Kurbeltrieb, RepairsShowAsRepaired) {
    struct Fall {
        const char* was;
        bool mm;
        std::vector<std::pair<float Modell::*, const char*>> getippt;
        float Modell::*feld;
        float wert;
        const char* angezeigt;
    };
    const Fall fälle[] = {
        {"rod shorter than the stroke",
         true,
         {{&Modell::KWRadius, "60"}, {&Modell::PLänge, "100"}},
         &Modell::PLänge,
         120,
         "120"},
        {"bottom rod 0 is 1 mm",
         true,
         {{&Modell::KsDurchmesserU, "0"}},
         &Modell::KsDurchmesserU,
         1,
         "1"},
        {"bottom rod 0 in inches is 1 mm",
         false,
         {{&Modell::KsDurchmesserU, "0"}},
         &Modell::KsDurchmesserU,
         1 / 25.4f,
         "0.03937008"},
        {"bottom rod loses its sign",
         true,
         {{&Modell::KsDurchmesserU, "-12"}},
         &Modell::KsDurchmesserU,
         12,
         "12"},
        {"top rod 0 stays",
         true,
         {{&Modell::KsDurchmesserO, "0"}},
         &Modell::KsDurchmesserO,
         0,
         "0"},
        {"top rod loses its sign",
         true,
         {{&Modell::KsDurchmesserO, "-3"}},
         &Modell::KsDurchmesserO,
         3,
         "3"},
        {"rod thicker than the bore",
         true,
         {{&Modell::KsDurchmesserU, "90"}, {&Modell::KDurchmesser, "80"}},
         &Modell::KsDurchmesserU,
         80,
         "80"},
        {"piston of no thickness", true, {{&Modell::KDicke, "0"}}, &Modell::KDicke, 1, "1"},
        {"negative piston thickness", true, {{&Modell::KDicke, "-2"}}, &Modell::KDicke, 1, "1"},
        {"negative clearance", true, {{&Modell::KUFreihub, "-4"}}, &Modell::KUFreihub, 0, "0"},
    };
    for (const Fall& f : fälle) {
        Dialog t(f.mm);
        for (auto [feld, text] : f.getippt)
            t.Tippen(feld, text);
        t.d.Knopf_Übernehmen_Click();
        EXPECT_FLOAT_EQ(t.u.m.*f.feld, f.wert) << f.was;
        EXPECT_EQ(t.d.E(f.feld)->text(), f.angezeigt) << f.was;
        EXPECT_TRUE(t.u.plattform.Meldungen().empty()) << f.was;
    }
}

TEST(F_Kurbeltrieb, Volumes) {
    struct Fall {
        const char* was;
        bool mm;
        std::vector<std::pair<float Modell::*, const char*>> getippt;
        std::array<const char*, 4> volumen; // swept top, bottom, clearance top, bottom
    };
    const Fall fälle[] = {
        {"bore 80, radius 40, no top rod",
         true,
         {{&Modell::KDurchmesser, "80"}, {&Modell::KWRadius, "40"}, {&Modell::KsDurchmesserO, "0"}},
         {"402.1", "386.0", "50.3", "48.3"}},
        {"rod as thick as the bore leaves no annulus",
         true,
         {{&Modell::KsDurchmesserU, "500"}, {&Modell::KUFreihub, "-1"}},
         {"1251.7", "0.0", "122.7", "0.0"}},
        {"inch units in cubic inches",
         false,
         {{&Modell::KDurchmesser, "3"}, {&Modell::KWRadius, "2"}, {&Modell::KsDurchmesserO, "0"}},
         {"28.27", "27.49", "1.55", "1.50"}},
    };
    for (const Fall& f : fälle) {
        Dialog t(f.mm);
        for (auto [feld, text] : f.getippt)
            t.Tippen(feld, text);
        t.d.Knopf_Übernehmen_Click();
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(t.Volumen(i), f.volumen[static_cast<size_t>(i)]) << f.was << " " << i;
    }
    // Stored in the model for the operating figures.
    Dialog t;
    EXPECT_NEAR(t.u.m.HubvolumenO, 3.14159265358979 / 4 * 125 * 125 * 102, 1);
}

TEST(F_Kurbeltrieb, BoreOfZeroOrLessIsRejectedEarlierFieldsStay) {
    for (const char* bohrung : {"0", "-80"}) {
        Dialog t;
        t.Tippen(&Modell::KDicke, "30");
        t.Tippen(&Modell::KDurchmesser, bohrung);
        t.Tippen(&Modell::KUFreihub, "5");
        t.d.Knopf_Übernehmen_Click();
        ASSERT_EQ(t.u.plattform.Meldungen().size(), 1u) << bohrung;
        EXPECT_EQ(t.u.plattform.Meldungen()[0].text, kFalscheEingabe);
        EXPECT_EQ(std::tuple(t.u.m.KDicke, t.u.m.KDurchmesser, t.u.m.KUFreihub),
                  std::tuple(30.f, 125.f, 10.f));
    }
}

TEST(F_Kurbeltrieb, BadThirdFieldLeavesFirstTwoAppliedAndViewsCurrent) {
    Dialog t;
    t.Tippen(&Modell::KWRadius, "45");
    t.Tippen(&Modell::PLänge, "300");
    t.Tippen(&Modell::KsLänge, "1.2.3");
    t.Tippen(&Modell::KsDurchmesserU, "20");
    const int bilder = t.ansichten.bild;
    t.d.Knopf_Übernehmen_Click();
    ASSERT_EQ(t.u.plattform.Meldungen().size(), 1u);
    EXPECT_EQ(
        std::tuple(t.u.m.KWRadius, t.u.m.Hub, t.u.m.PLänge, t.u.m.KsLänge, t.u.m.KsDurchmesserU),
        std::tuple(45.f, 90.f, 300.f, 120.f, 16.f));
    EXPECT_EQ(t.d.E(&Modell::KsLänge)->text(), "120");
    EXPECT_EQ(t.d.E(&Modell::KsDurchmesserU)->text(), "16");
    // The picture was redrawn from the new crank, the volumes follow the new stroke.
    EXPECT_GT(t.ansichten.bild, bilder);
    EXPECT_NEAR(std::hypot(t.u.m.KurbelX, t.u.m.KurbelY), 45, 1e-3);
    EXPECT_EQ(t.Volumen(0), "1104.5");
}

TEST(F_Kurbeltrieb, EnterInTheFirstFieldAppliesEveryField) {
    Dialog t;
    t.d.show();
    const std::pair<float Modell::*, const char*> getippt[] = {
        {&Modell::KWRadius, "50"},       {&Modell::PLänge, "260"},       {&Modell::KsLänge, "110"},
        {&Modell::KsDurchmesserU, "15"}, {&Modell::KsDurchmesserO, "8"}, {&Modell::KDicke, "18"},
        {&Modell::KDurchmesser, "100"},  {&Modell::KUFreihub, "7"},      {&Modell::KOFreihub, "6"},
    };
    for (auto [feld, text] : getippt)
        t.Tippen(feld, text);
    t.d.E(&Modell::KWRadius)->setFocus();
    QTest::keyClick(t.d.E(&Modell::KWRadius), Qt::Key_Return);
    for (auto [feld, text] : getippt)
        EXPECT_EQ(QString::number(t.u.m.*feld), text);
    EXPECT_FLOAT_EQ(t.u.m.Hub, 100);
    EXPECT_EQ(t.d.focusWidget(), t.d.E(&Modell::PLänge));
    EXPECT_TRUE(t.u.plattform.Meldungen().empty());
}

TEST(F_Kurbeltrieb, CaptionsInBothLanguages) {
    Dialog t;
    EXPECT_EQ(t.d.windowTitle(), "Kurbeltrieb");
    EXPECT_EQ(t.d.Form()->Beschriftung(&Modell::KsDurchmesserU)->text(), " - Durchmesser unten");
    SpracheEinstellen(t.u.sprache, SprachbasisEnglisch);
    t.d.WechselSprache();
    EXPECT_EQ(t.d.windowTitle(), "Crank Assembly");
    EXPECT_EQ(t.d.Form()->Beschriftung(&Modell::KsDurchmesserU)->text(),
              " - Piston rod dia. bottom");
    EXPECT_EQ(t.d.M_Infotext->text(), "Infotext - Crank Assembly");
    t.d.Knopf_Übernehmen->click(); // applies
    EXPECT_TRUE(t.u.plattform.Meldungen().empty());
}

struct F_KurbeltriebImHauptfenster : ::testing::Test {
    test::Umgebung u;
    F_Haupt h{u.k};
    void SetUp() override { h.Form_Load({}); }
    F_Kurbeltrieb* Öffnen() {
        h.RahmenfensterZeigen("M_Kurbeltrieb", true);
        return static_cast<F_Kurbeltrieb*>(h.Rahmenfenster("M_Kurbeltrieb"));
    }
};

TEST_F(F_KurbeltriebImHauptfenster, ReopenedDialogShowsTheModelNotWhatWasTyped) {
    EXPECT_TRUE(h.Menüeintrag("M_Kurbeltrieb").isEnabled());
    QPointer<F_Kurbeltrieb> d = Öffnen();
    EXPECT_TRUE(h.Menüeintrag("M_Kurbeltrieb").isChecked());
    EXPECT_EQ(u.m.KurbeltriebZeigen, Wahr);
    d->E(&Modell::KWRadius)->setText("77");
    h.RahmenfensterZeigen("M_Kurbeltrieb", false);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(d.isNull());
    EXPECT_EQ(u.m.KurbeltriebZeigen, Falsch);
    EXPECT_FLOAT_EQ(u.m.KWRadius, 51);
    d = Öffnen();
    EXPECT_EQ(d->E(&Modell::KWRadius)->text(), "51");
}

TEST_F(F_KurbeltriebImHauptfenster, LoadingAFileRefillsTheOpenDialog) {
    F_Kurbeltrieb* d = Öffnen();
    d->DezimalzeichenSetzen('.');
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("b.kmf");
    Modell anders = u.m;
    anders.KWRadius = 40;
    anders.KDurchmesser = 80;
    anders.KsDurchmesserO = 0;
    anders.FarbeKurbeltrieb = 0x102030;
    ASSERT_TRUE(Speichern(anders, std::filesystem::path(datei.toStdString()), u.sprache, "x").ok);
    d->E(&Modell::KWRadius)->setText("99"); // typed, not applied
    ASSERT_TRUE(h.Ladeaktion(datei));
    EXPECT_EQ(d->E(&Modell::KWRadius)->text(), "40");
    EXPECT_EQ(d->E(&Modell::KDurchmesser)->text(), "80");
    EXPECT_EQ(d->Form()->Anzeigen().at(0)->text(), "402.1");
    EXPECT_EQ(d->palette().color(QPalette::Window), QColor(0x30, 0x20, 0x10));
}

TEST_F(F_KurbeltriebImHauptfenster, UnitConversionRefillsTheOpenDialog) {
    F_Kurbeltrieb* d = Öffnen();
    d->DezimalzeichenSetzen('.');
    h.M_Umrechnen_Click();
    ASSERT_EQ(u.m.Einheit, "[inch]");
    EXPECT_EQ(d->E(&Modell::KDurchmesser)->text().toFloat(), u.m.KDurchmesser);
    EXPECT_EQ(d->E(&Modell::KWRadius)->text().toFloat(), u.m.KWRadius);
    // Cubic inches with two decimals.
    EXPECT_EQ(d->Form()->Anzeigen().at(0)->text(), "76.39");
}

} // namespace
} // namespace vapro
