#include "core/analysis/Konstruktionspruefung.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/model/Bewegung.h"
#include "tests/core/Maschine.h"

namespace vapro {
namespace {

const Prüfergebnis& Zeile(const std::vector<Prüfergebnis>& e, Prüfart art,
                          std::optional<bool> vor = std::nullopt) {
    for (const Prüfergebnis& r : e)
        if (r.Art == art && (!vor || r.Vorwärts == vor)) return r;
    throw std::logic_error("no such check");
}

// A fixed eccentric on long rods, its valve centred on the port face: both
// ends see the same valve motion, so only the connecting rod's angularity
// can make their cut-offs differ.
Modell Symmetrisch(float pleuel) {
    Modell m = test::Standardmaschine();
    m.Umsteuertyp = 0;
    m.ExStangenlängeV = 3000;
    m.kaumy = m.ExStangenlängeV + m.SstLänge; // mid-travel: laps equal at both ends
    m.PLänge = pleuel;
    SpiegelBerechnen(m);
    return m;
}

TEST(Konstruktionspruefung, LongRodsGiveEqualCutOffsAShortConnectingRodFavoursTheTop) {
    const Modell lang = Symmetrisch(10000);
    const auto e = Prüfen(lang, SteuerungsverlaufBerechnen(lang, 45), {});
    const Prüfergebnis& gleich = Zeile(e, Prüfart::FüllungGleich);
    ASSERT_TRUE(gleich.Wert);
    EXPECT_LT(*gleich.Wert, 0.5);
    EXPECT_TRUE(gleich.Bestanden);

    // The rod's angularity carries the piston further from top dead centre
    // at the same crank angle: the top end cuts off later.
    const Modell kurz = Symmetrisch(270);
    const auto k = Prüfen(kurz, SteuerungsverlaufBerechnen(kurz, 45), {});
    const Prüfergebnis& ungleich = Zeile(k, Prüfart::FüllungGleich);
    ASSERT_TRUE(ungleich.Wert);
    EXPECT_GT(*ungleich.Wert, 3);
    EXPECT_FALSE(ungleich.Bestanden);
    EXPECT_EQ(ungleich.Oben, true);
    EXPECT_FALSE(AlleBestanden(k));
}

// Three lever angles by hand: full gear forwards at -45°, mid-gear where the
// engine stands, full gear backwards at 45°.
Steuerungsverlauf Bereich() {
    Steuerungsverlauf v;
    v.Hub = 100;
    v.KanalweiteOben = v.KanalweiteUnten = 10;
    for (auto [grad, bilanz] : {std::pair{-45.0f, 200}, {0.0f, 0}, {45.0f, -200}}) {
        Verlaufspunkt p;
        p.UmWinkelGrad = grad;
        p.Drehrichtungsbilanz = static_cast<int16_t>(bilanz);
        for (bool vor : {true, false})
            for (bool oben : {true, false}) {
                Verlaufsende& e = p.Ende(vor, oben);
                e.Voreilen = 1;
                e.Kanalöffnung = 10;
                e.Füllung = Verlaufsereignis{0, {}, 75};
                e.Vorausströmung = Verlaufsereignis{0, {}, 90};
                e.Kompression = Verlaufsereignis{0, {}, 10};
            }
        v.Punkte.push_back(p);
    }
    return v;
}

TEST(Konstruktionspruefung, EachCheckMeasuresWhereItShouldAndWarnsOnMissingValues) {
    const Modell m = test::Standardmaschine();
    {
        const auto e = Prüfen(m, Bereich(), {});
        EXPECT_TRUE(AlleBestanden(e));
        EXPECT_EQ(e.size(), 12u);
        EXPECT_EQ(Zeile(e, Prüfart::Drehrichtung, true).UmWinkelGrad, -45);
        EXPECT_EQ(Zeile(e, Prüfart::Drehrichtung, false).Wert, -200);
    }
    struct Fall {
        const char* was;
        void (*ändern)(Steuerungsverlauf&);
        Prüfart art;
        std::optional<bool> vor;
        std::optional<float> wert;
        std::optional<float> umWinkel;
        std::optional<bool> oben;
    };
    const Fall fälle[] = {
        {"bottom cut-off short at forward full gear",
         [](Steuerungsverlauf& v) { v.Punkte[0].Ende(true, false).Füllung->Prozent = 60; },
         Prüfart::FüllungVollauslage, true, 60.0f, -45.0f, false},
        {"top cut-off missing at backward full gear",
         [](Steuerungsverlauf& v) { v.Punkte[2].Ende(false, true).Füllung.reset(); },
         Prüfart::FüllungVollauslage, false, std::nullopt, 45.0f, true},
        {"ends differ where the engine runs backward",
         [](Steuerungsverlauf& v) { v.Punkte[2].Ende(false, true).Füllung->Prozent = 80; },
         Prüfart::FüllungGleich, false, 5.0f, 45.0f, true},
        {"mid-gear, where the engine stands, is not judged",
         [](Steuerungsverlauf& v) { v.Punkte[1].Ende(true, true).Füllung.reset(); },
         Prüfart::FüllungGleich, true, 0.0f, -45.0f, false},
        {"an angle that cannot be solved warns",
         [](Steuerungsverlauf& v) { v.Punkte[1].Fehler = "no"; }, Prüfart::FüllungGleich,
         std::nullopt, std::nullopt, 0.0f, std::nullopt},
        {"lead differs at forward full gear",
         [](Steuerungsverlauf& v) { v.Punkte[0].Ende(true, false).Voreilen = 1.25f; },
         Prüfart::VoreilenGleich, true, 0.25f, -45.0f, false},
        {"backward mirror cuts off later",
         [](Steuerungsverlauf& v) { v.Punkte[2].Ende(false, false).Füllung->Prozent = 79; },
         Prüfart::UmkehrGleich, false, 4.0f, 45.0f, false},
        {"the engine stands at one limit",
         [](Steuerungsverlauf& v) { v.Punkte[2].Drehrichtungsbilanz = -5; }, Prüfart::Drehrichtung,
         false, -5.0f, 45.0f, std::nullopt},
        {"a port opens to 80 % of its width",
         [](Steuerungsverlauf& v) { v.Punkte[2].Ende(false, true).Kanalöffnung = 8; },
         Prüfart::KanalöffnungVoll, false, 80.0f, 45.0f, true},
        {"exhaust opens early",
         [](Steuerungsverlauf& v) { v.Punkte[0].Ende(true, true).Vorausströmung->Prozent = 70; },
         Prüfart::VorausströmungSpät, true, 70.0f, -45.0f, true},
    };
    for (const Fall& f : fälle) {
        Steuerungsverlauf v = Bereich();
        f.ändern(v);
        const auto e = Prüfen(m, v, {});
        const Prüfergebnis& r = Zeile(e, f.art, f.vor);
        EXPECT_EQ(r.Wert, f.wert) << f.was;
        EXPECT_EQ(r.UmWinkelGrad, f.umWinkel) << f.was;
        EXPECT_EQ(r.Oben, f.oben) << f.was;
        EXPECT_EQ(r.Bestanden, f.wert == 0.0f) << f.was;
    }
}

TEST(Konstruktionspruefung, LeadLimitFollowsTheUnitAndLimitsAreFoundByName) {
    const Modell m = test::Standardmaschine();
    Steuerungsverlauf v = Bereich();
    v.Punkte[0].Ende(true, false).Voreilen = 1.05f; // 0.05 apart
    EXPECT_TRUE(Zeile(Prüfen(m, v, {}), Prüfart::VoreilenGleich, true).Bestanden);
    v.MM = false; // 0.05 inch is far more than 0.004 inch
    EXPECT_FALSE(Zeile(Prüfen(m, v, {}), Prüfart::VoreilenGleich, true).Bestanden);

    EXPECT_EQ(PrüfgrenzeSuchen("fuellungmax")->feld, &Prüfgrenzen::FüllungMax);
    EXPECT_EQ(PrüfgrenzeSuchen("KanaloeffnungMin")->feld, &Prüfgrenzen::KanalöffnungMin);
    EXPECT_EQ(PrüfgrenzeSuchen("Füllung"), nullptr);
}

} // namespace
} // namespace vapro
