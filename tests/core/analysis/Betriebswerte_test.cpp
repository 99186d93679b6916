#include "core/analysis/Betriebswerte.h"

#include <cmath>
#include <tuple>

#include <gtest/gtest.h>

#include "core/analysis/Steuerzeiten.h"
#include "core/model/Bewegung.h"
#include "core/model/GeometrieFehler.h"
#include "core/numbers/Zahlenformat.h"
#include "tests/core/Maschine.h"

namespace vapro {
namespace {

using F = Betriebsfeld;
constexpr double kPi = 3.14159265358979;

// Annulus area times length, worked out from the drawing dimensions.
double Ring(double bohrung, double stange, double länge) {
    return kPi / 4 * (bohrung * bohrung - stange * stange) * länge;
}

Dampfzustand Zeile(double druck, std::string t, std::string v2) {
    return {2, druck, std::move(t), v2, LiesZahl(v2)};
}

// clang-format off
TEST(BetriebsparameterÜbernehmen, LimitsEveryEntry) {
    // Entries, speed before, then PO1, PO2, superheat, max speed, step, speed, efficiency after.
    struct Fall { BetriebsparameterEingabe e; int16_t drehzahl;
                  std::tuple<float, float, float, int16_t, int16_t, int16_t, int16_t> danach;
                  std::vector<F> begrenzt; };
    const Fall fälle[] = {
        {{600, 700, 1.5, 20000, 30000, 150}, 200, {500, 500, 1.3f, 10000, 10000, 200, 100},
         {F::PO1, F::PO2, F::Überhitzung, F::DrehzahlMax, F::DrehzahlSchrittweite, F::MechWirkungsgrad}},
        // 0.1 % efficiency does not survive the whole-number field
        {{0.5, -1, 0.8, -3, -5, -5}, 200, {1, 0, 1, 0, 1, 0, 0}, {F::PO1, F::PO2, F::Überhitzung,
          F::DrehzahlMax, F::DrehzahlSchrittweite, F::Drehzahl, F::MechWirkungsgrad}},
        // whole numbers round halves to even; rounding is no limit
        {{11, 1, 1, 500.5, 20.5, 79.5}, 200, {11, 1, 1, 500, 20, 200, 80}, {}},
    };
    for (const Fall& f : fälle) {
        Modell m = test::Standardmaschine();
        m.Drehzahl = f.drehzahl;
        const BetriebsparameterÜbernahme r = BetriebsparameterÜbernehmen(m, f.e);
        EXPECT_EQ(std::tie(m.PO1, m.PO2, m.Überhitzung, m.DrehzahlMax, m.DrehzahlSchrittweite,
                           m.Drehzahl, m.MechWirkungsgrad), f.danach) << "PO1 entry " << *f.e.PO1;
        EXPECT_EQ(r.Begrenzt, f.begrenzt) << "PO1 entry " << *f.e.PO1;
    }
}
// clang-format on

TEST(BetriebsparameterÜbernehmen, StopsAtTheFirstEntryThatIsNoNumber) {
    Modell m = test::Standardmaschine();
    const Modell vorher = m;
    BetriebsparameterEingabe e{12, 2, std::nullopt, 800, 40, 70};
    EXPECT_EQ(BetriebsparameterÜbernehmen(m, e).Fehlerfeld, F::Überhitzung);
    EXPECT_EQ(std::tie(m.PO1, m.PO2, m.Überhitzung, m.DrehzahlMax),
              std::make_tuple(12.0f, 2.0f, vorher.Überhitzung, vorher.DrehzahlMax));
}

TEST(DrehzahlreglerEinrichten, StepsRoundHalvesUp) {
    // max, step, steps, reachable max
    for (const auto& [max, schritt, schritte, neuMax] :
         {std::tuple{1000, 300, 3, 900}, {1000, 400, 3, 1200}, {0, 1, 0, 0}}) {
        const Drehzahlregler r = DrehzahlreglerEinrichten(max, schritt);
        EXPECT_EQ(std::tie(r.Schritte, r.DrehzahlMax), std::make_tuple(schritte, neuMax)) << max;
    }
    EXPECT_THROW(DrehzahlreglerEinrichten(500, 0), GeometrieFehler);
}

TEST(Betriebswerte, DefaultEnginesAgainstHandCalculation) {
    // Length unit cubed per m³ or cu ft; length unit per m or ft, times 60 s;
    // texts: swept volumes top, bottom, total, piston speed, row pressure.
    // clang-format off
    struct Fall { bool mm; double bohrung, stangeU, hub, frei; Dampfzustand zeile;
                  double jeKubik, jeFußProS; char dezimal; std::vector<std::string> texte; };
    const Fall fälle[] = {
        {true, 125, 16, 102, 10, Zeile(11, "184.06", "0.17739"), 1e9, 1000.0 * 60, ',',
         {"1251,7", "1231,2", "2482,9", "0,82", "11,0"}},
        {false, 3, 0.5, 4, 0.21875, Zeile(165.4, "366.0", "2.751"), 1728, 12.0 * 60, '.',
         {"28.3", "27.5", "55.8", "2.67", "165"}},
    };
    // clang-format on
    for (const Fall& f : fälle) {
        Modell m = test::Standardmaschine(f.mm);
        DrehrichtungBestimmen(m);
        SteuerzeitenSuchen(m);
        SteuerzeitenAuswerten(m);
        m.Drehzahl = 240;
        m.MechWirkungsgrad = 75;
        const Betriebswerte w = BetriebswerteBerechnen(m, 4.5f, f.zeile);
        const double vO = Ring(f.bohrung, 0, f.hub), vU = Ring(f.bohrung, f.stangeU, f.hub);
        ASSERT_TRUE(w.FüllungO > 0.1 && w.FüllungU > 0.1) << "the engine admits at both ends";

        // Steam: admitted volume of both ends, 240 times a minute.
        const double q = (vO * m.Oben.Füllung + vU * m.Unten.Füllung) * 240;
        const double kg = q / f.jeKubik / *f.zeile.V2StrichZahl; // or lb
        EXPECT_NEAR(w.DampfvolumenMin, q, q * 1e-6);
        EXPECT_NEAR(*w.DampfgewichtMin, kg, kg * 1e-6);

        // Power and torque from the work of one revolution: mean pressure over
        // both swept volumes (bar·mm³ = 1e-4 J; psi·cu in = 1/12 ft·lb).
        const double arbeit = 4.5 * (vO + vU);
        const double wellenarbeitJ = 0.75 * (f.mm ? arbeit * 1e-4 : arbeit / 12 / 0.737562);
        EXPECT_NEAR(w.WellenleistungKW, wellenarbeitJ * 240 / 60 / 1000, 1e-3 * w.WellenleistungKW);
        EXPECT_NEAR(w.DrehmomentNm, wellenarbeitJ / (2 * kPi), 1e-3 * w.DrehmomentNm);

        // Piston speed: two strokes per revolution.
        const BetriebswerteTexte t = BetriebswerteAnzeigen(w, f.dezimal);
        const std::vector<std::string> texte = {t.Volumentabelle[0][0], t.Volumentabelle[0][1],
                                                t.Volumentabelle[0][2], t.Kolbengeschwindigkeit,
                                                t.Druck};
        EXPECT_EQ(texte, f.texte);
        EXPECT_EQ(t.DampfvolumenStunde, FormatMuster(q / f.jeKubik * 60, "0.00", f.dezimal));

        // Without a row, or without a usable v'', the steam weight stays blank.
        for (const auto& zeile :
             {std::optional<Dampfzustand>{}, std::optional{Zeile(9, "1", "n/a")}}) {
            const auto u = BetriebswerteAnzeigen(BetriebswerteBerechnen(m, 4.5f, zeile), f.dezimal);
            EXPECT_EQ(u.DampfgewichtMin + u.DampfgewichtStunde, "");
            EXPECT_EQ(u.Druck.empty(), !zeile);
            EXPECT_EQ(u.WellenleistungKW, t.WellenleistungKW) << "the rest does not need the row";
        }

        // A standing engine (or a negative speed) uses no steam and gives no power.
        m.Drehzahl = -20;
        const Betriebswerte s = BetriebswerteBerechnen(m, 7.0f, f.zeile);
        for (double null : {s.DampfvolumenMin, *s.DampfgewichtMin, s.Kolbengeschwindigkeit,
                            s.LeistungKW, s.DrehmomentNm})
            EXPECT_EQ(null, 0) << f.mm;
    }
}

TEST(Betriebswerte, TorqueOfAKnownPower) {
    // 10 kW shaft power at 1000 U/min: T = 60000 · 10 / (2π · 1000) = 95.493 N·m, 70.432 ft·lb.
    Modell m;
    m.KDurchmesser = m.Hub = 100;
    m.Drehzahl = 1000;
    m.MechWirkungsgrad = 100;
    const float pm = static_cast<float>(10 * 6e8 / (Ring(100, 0, 100) * 2 * 1000));
    const BetriebswerteTexte t = BetriebswerteAnzeigen(BetriebswerteBerechnen(m, pm, std::nullopt));
    EXPECT_EQ(t.WellenleistungKW, "10.000");
    EXPECT_EQ(t.WellenleistungPS, "13.60");
    EXPECT_EQ(t.WellenleistungHP, "13.41");
    EXPECT_EQ(t.DrehmomentNm, "95.493");
    EXPECT_EQ(t.DrehmomentFtLb, "70.432");
}

} // namespace
} // namespace vapro
