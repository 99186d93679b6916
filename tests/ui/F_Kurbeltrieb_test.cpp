#include "ui/dialogs/F_Kurbeltrieb.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/persist/Maschinendatei.h"
#include "tests/ui/Umgebung.h"
#include "ui/mainwindow/F_Haupt.h"

namespace vapro {
namespace {

struct Dialog {
    test::Umgebung u;
    Ansichten ansichten;
    F_Kurbeltrieb d{u.k};
    explicit Dialog(bool mm = true) : u(mm) {
        u.k.ansichten = &ansichten;
        d.DezimalzeichenSetzen('.');
        d.Form_Load();
    }
    void Tippen(FeldOrt feld, const char* text) { d.E(feld)->setText(text); }
    QString Volumen(int i) const { return d.Form()->Anzeigen().at(i)->text(); }
};

TEST(F_Kurbeltrieb, RepairsShowAsRepaired) {
    using K = Modell;
    struct Fall {
        bool mm;
        std::vector<std::pair<float Modell::*, const char*>> getippt;
        float Modell::*feld;
        float wert;
        const char* angezeigt;
    };
    const Fall fälle[] = {
        {true, {{&K::KWRadius, "60"}, {&K::PLänge, "100"}}, &K::PLänge, 120, "120"}, // rod < stroke
        {false, {{&K::KsDurchmesserU, "0"}}, &K::KsDurchmesserU, 1 / 25.4f, "0.03937008"},
        {true, {{&K::KsDurchmesserO, "0"}}, &K::KsDurchmesserO, 0, "0"}, // top rod 0 stays
        {true,
         {{&K::KsDurchmesserU, "90"}, {&K::KDurchmesser, "80"}},
         &K::KsDurchmesserU,
         80,
         "80"},
    };
    for (const Fall& f : fälle) {
        SCOPED_TRACE(f.getippt.back().second);
        Dialog t(f.mm);
        for (auto [feld, text] : f.getippt)
            t.Tippen(feld, text);
        t.d.Knopf_Übernehmen_Click();
        EXPECT_FLOAT_EQ(t.u.m.*f.feld, f.wert);
        EXPECT_EQ(t.d.E(f.feld)->text(), f.angezeigt);
    }
}

// Swept top, bottom, clearance top, bottom: bore 80, radius 40, no top rod;
// a rod as thick as the bore leaves no annulus; inches in cubic inches.
TEST(F_Kurbeltrieb, Volumes) {
    using K = Modell;
    using Getippt = std::vector<std::pair<float Modell::*, const char*>>;
    const std::tuple<bool, Getippt, std::array<const char*, 4>> fälle[] = {
        {true,
         {{&K::KDurchmesser, "80"}, {&K::KWRadius, "40"}, {&K::KsDurchmesserO, "0"}},
         {"402.1", "386.0", "50.3", "48.3"}},
        {true,
         {{&K::KsDurchmesserU, "500"}, {&K::KUFreihub, "-1"}},
         {"1251.7", "0.0", "122.7", "0.0"}},
    };
    for (const auto& [mm, getippt, volumen] : fälle) {
        Dialog t(mm);
        for (auto [feld, text] : getippt)
            t.Tippen(feld, text);
        t.d.Knopf_Übernehmen_Click();
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(t.Volumen(i), volumen[static_cast<size_t>(i)]) << volumen[0] << " " << i;
    }
}

// Converting the units and loading a file refill the open dialog.
using F_KurbeltriebImHauptfenster = test::MitHaupt;
TEST_F(F_KurbeltriebImHauptfenster, LoadAndConversionRefillTheOpenDialog) {
    auto* d = Öffnen<F_Kurbeltrieb>("M_Kurbeltrieb");
    d->DezimalzeichenSetzen('.');
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("b.kmf");
    Modell anders = u.m;
    anders.KWRadius = 40;
    anders.KDurchmesser = 80;
    anders.KsDurchmesserO = 0;
    anders.FarbeKurbeltrieb = 0x102030;
    ASSERT_TRUE(Speichern(anders, std::filesystem::path(datei.toStdString()), u.sprache, "x").ok);
    h.M_Umrechnen_Click();
    ASSERT_EQ(u.m.Einheit, "[inch]");
    EXPECT_EQ(d->E(&Modell::KDurchmesser)->text().toFloat(), u.m.KDurchmesser);
    EXPECT_EQ(d->Form()->Anzeigen().at(0)->text(), "76.39"); // cubic inches, two decimals

    d->E(&Modell::KWRadius)->setText("99"); // typed, not applied
    ASSERT_TRUE(h.Ladeaktion(datei));
    EXPECT_EQ(d->E(&Modell::KWRadius)->text(), "40");
    EXPECT_EQ(d->E(&Modell::KDurchmesser)->text(), "80");
    EXPECT_EQ(d->Form()->Anzeigen().at(0)->text(), "402.1");
    EXPECT_EQ(d->palette().color(QPalette::Window), QColor(0x30, 0x20, 0x10));
}

} // namespace
} // namespace vapro
