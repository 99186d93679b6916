#include "analysis/Betriebswerte.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "Maschine.h"
#include "analysis/Steuerzeiten.h"
#include "model/GeometrieFehler.h"
#include "persist/Zahlenformat.h"

namespace vapro {
namespace {

using test::Standardmaschine;
constexpr double kPi = 3.14159265358979;

// Annulus area times length, worked out from the drawing dimensions.
double Ring(double bohrung, double stange, double länge) {
    return kPi / 4 * (bohrung * bohrung - stange * stange) * länge;
}

Modell MitSteuerzeiten(bool mm) {
    Modell m = Standardmaschine(mm);
    DrehrichtungBestimmen(m);
    SteuerzeitenSuchen(m);
    SteuerzeitenAuswerten(m);
    return m;
}

Dampfzustand Zeile(double druck, std::string t, std::string v2) {
    Dampfzustand z;
    z.Zeile = 2;
    z.Druck = druck;
    z.Sättigungstemperatur = std::move(t);
    z.V2Strich = v2;
    char* ende = nullptr;
    const double zahl = std::strtod(v2.c_str(), &ende);
    if (!v2.empty() && *ende == '\0') z.V2StrichZahl = zahl;
    return z;
}

using F = Betriebsfeld;

TEST(BetriebsparameterÜbernehmen, LimitsEveryEntry) {
    struct Fall {
        BetriebsparameterEingabe e;
        int16_t drehzahl; // speed before the apply
        float po1, po2, ü;
        int16_t max, schritt, n, wg;
        std::vector<F> begrenzt;
    };
    const Fall fälle[] = {
        // clang-format off
        {{11, 1, 1.1, 500, 20, 80}, 200, 11, 1, 1.1f, 500, 20, 200, 80, {}},
        {{600, 700, 1.5, 20000, 30000, 150}, 200, 500, 500, 1.3f, 10000, 10000, 200, 100,
         {F::PO1, F::PO2, F::Überhitzung, F::DrehzahlMax, F::DrehzahlSchrittweite, F::MechWirkungsgrad}},
        // 0.1 % efficiency does not survive the whole-number field
        {{0.5, -1, 0.8, -3, -5, -5}, 200, 1, 0, 1, 0, 1, 0, 0,
         {F::PO1, F::PO2, F::Überhitzung, F::DrehzahlMax, F::DrehzahlSchrittweite, F::Drehzahl,
          F::MechWirkungsgrad}},
        {{11, 12, 1, 0.05, 0, 80}, 0, 11, 11, 1, 0, 1, 0, 80,
         {F::PO2, F::DrehzahlMax, F::DrehzahlSchrittweite}},
        // whole numbers round halves to even; rounding is no limit
        {{11, 1, 1, 500.5, 20.5, 79.5}, 200, 11, 1, 1, 500, 20, 200, 80, {}},
        {{11, 1, 1, 501.5, 600, 0.4}, 600, 11, 1, 1, 502, 502, 502, 0,
         {F::DrehzahlSchrittweite, F::Drehzahl}},
        {{11, 1, 1, 0.3, 0.4, 100}, 0, 11, 1, 1, 0, 1, 0, 100, {F::DrehzahlSchrittweite}},
        // clang-format on
    };
    for (const Fall& f : fälle) {
        Modell m = Standardmaschine();
        m.Drehzahl = f.drehzahl;
        const BetriebsparameterÜbernahme r = BetriebsparameterÜbernehmen(m, f.e);
        const auto fall = ::testing::Message()
                          << "PO1 entry " << *f.e.PO1 << ", max " << *f.e.DrehzahlMax;
        EXPECT_TRUE(r.Ok()) << fall;
        EXPECT_FLOAT_EQ(m.PO1, f.po1) << fall;
        EXPECT_FLOAT_EQ(m.PO2, f.po2) << fall;
        EXPECT_FLOAT_EQ(m.Überhitzung, f.ü) << fall;
        EXPECT_EQ(m.DrehzahlMax, f.max) << fall;
        EXPECT_EQ(m.DrehzahlSchrittweite, f.schritt) << fall;
        EXPECT_EQ(m.Drehzahl, f.n) << fall;
        EXPECT_EQ(m.MechWirkungsgrad, f.wg) << fall;
        EXPECT_EQ(r.Begrenzt, f.begrenzt) << fall;
    }
}

TEST(BetriebsparameterÜbernehmen, StopsAtTheFirstEntryThatIsNoNumber) {
    Modell m = Standardmaschine();
    const Modell vorher = m;
    BetriebsparameterEingabe e{12, 2, std::nullopt, 800, 40, 70};
    const BetriebsparameterÜbernahme r = BetriebsparameterÜbernehmen(m, e);
    ASSERT_FALSE(r.Ok());
    EXPECT_EQ(*r.Fehlerfeld, F::Überhitzung);
    EXPECT_EQ(m.PO1, 12);
    EXPECT_EQ(m.PO2, 2);
    EXPECT_EQ(m.Überhitzung, vorher.Überhitzung);
    EXPECT_EQ(m.DrehzahlMax, vorher.DrehzahlMax);
    EXPECT_EQ(m.MechWirkungsgrad, vorher.MechWirkungsgrad);

    e.Überhitzung = std::nan("");
    EXPECT_EQ(*BetriebsparameterÜbernehmen(m, e).Fehlerfeld, F::Überhitzung);
    EXPECT_EQ(BetriebsparameterFehlertext(),
              "Fehler in den Betriebsparametern\n\nEinige Werte passen nicht zusammen\n"
              "Bitte erneut versuchen.");
}

TEST(DrehzahlreglerEinrichten, StepsRoundHalvesUp) {
    struct Fall {
        int16_t max, schritt, schritte, neuMax;
    };
    for (const Fall f : {Fall{1000, 300, 3, 900}, Fall{1000, 400, 3, 1200}, Fall{500, 20, 25, 500},
                         Fall{0, 1, 0, 0}, Fall{10, 4, 3, 12}}) {
        const Drehzahlregler r = DrehzahlreglerEinrichten(f.max, f.schritt);
        EXPECT_EQ(r.Schritte, f.schritte) << f.max << "/" << f.schritt;
        EXPECT_EQ(r.DrehzahlMax, f.neuMax) << f.max << "/" << f.schritt;
    }
    EXPECT_THROW(DrehzahlreglerEinrichten(500, 0), GeometrieFehler);
    EXPECT_THROW(DrehzahlreglerEinrichten(500, -20), GeometrieFehler);
    EXPECT_THROW(DrehzahlreglerEinrichten(32767, 20000), GeometrieFehler); // 2 × 20000
}

TEST(Kurbelvolumina, FromBoreRodsStrokeAndClearance) {
    struct Fall {
        float bohrung, stangeO, stangeU, hub, freiO, freiU;
    };
    for (const Fall f : {Fall{125, 0, 16, 102, 10, 10}, Fall{3, 0, 0.5f, 4, 0.21875f, 0.21875f},
                         Fall{80, 0, 10, 80, 0, 2}, Fall{50, 50, 50, 40, 1, 1}}) {
        Modell m;
        m.KDurchmesser = f.bohrung;
        m.KsDurchmesserO = f.stangeO;
        m.KsDurchmesserU = f.stangeU;
        m.Hub = f.hub;
        m.KOFreihub = f.freiO;
        m.KUFreihub = f.freiU;
        const Kurbelvolumina v = KurbelvoluminaBerechnen(m);
        EXPECT_FLOAT_EQ(v.HubvolumenO, Ring(f.bohrung, f.stangeO, f.hub)) << f.bohrung;
        EXPECT_FLOAT_EQ(v.HubvolumenU, Ring(f.bohrung, f.stangeU, f.hub)) << f.bohrung;
        EXPECT_FLOAT_EQ(v.FreiHubvolumenO, Ring(f.bohrung, f.stangeO, f.freiO)) << f.bohrung;
        EXPECT_FLOAT_EQ(v.FreiHubvolumenU, Ring(f.bohrung, f.stangeU, f.freiU)) << f.bohrung;
        KurbelvoluminaEintragen(m);
        EXPECT_EQ(m.HubvolumenU, v.HubvolumenU);
        EXPECT_EQ(m.FreiHubvolumenO, v.FreiHubvolumenO);
    }
    // A bore of 80 and a crank radius of 40 sweep 402.1 cm³ above the piston.
    Modell m;
    m.KDurchmesser = 80;
    m.Hub = 80;
    m.PO1 = 11;
    EXPECT_EQ(
        BetriebswerteAnzeigen(BetriebswerteBerechnen(m, 0, std::nullopt)).Volumentabelle[0][0],
        "402.1");
}

TEST(Betriebswerte, DefaultEnginesAgainstHandCalculation) {
    struct Fall {
        bool mm;
        double bohrung, stangeU, hub;
        Dampfzustand zeile;
        double jeKubik;   // length unit cubed per m³ or cu ft
        double jeFußProS; // length unit per m or ft, times 60 s
    };
    const Fall fälle[] = {
        {true, 125, 16, 102, Zeile(11, "184.06", "0.17739"), 1e9, 1000.0 * 60},
        {false, 3, 0.5, 4, Zeile(165, "366.0", "2.751"), 1728, 12.0 * 60},
    };
    for (const Fall& f : fälle) {
        Modell m = MitSteuerzeiten(f.mm);
        m.Drehzahl = 240;
        m.MechWirkungsgrad = 75;
        const float pm = 4.5f;
        const Betriebswerte w = BetriebswerteBerechnen(m, pm, f.zeile);

        const double vO = Ring(f.bohrung, 0, f.hub), vU = Ring(f.bohrung, f.stangeU, f.hub);
        EXPECT_NEAR(w.Volumina.HubvolumenO, vO, vO * 1e-6);
        EXPECT_NEAR(w.Volumina.HubvolumenU, vU, vU * 1e-6);
        EXPECT_EQ(w.FüllungO, m.Oben.Füllung);
        EXPECT_EQ(w.FüllungU, m.Unten.Füllung);
        ASSERT_GT(w.FüllungO, 0.1) << "the engine admits steam at the top";
        ASSERT_GT(w.FüllungU, 0.1) << "and at the bottom";

        // Steam: admitted volume of both ends, 240 times a minute.
        const double q = (vO * m.Oben.Füllung + vU * m.Unten.Füllung) * 240;
        EXPECT_NEAR(w.DampfvolumenMin, q, q * 1e-6);
        const double v2 = *f.zeile.V2StrichZahl;
        EXPECT_NEAR(*w.DampfgewichtMin, q / f.jeKubik / v2, q / f.jeKubik / v2 * 1e-6);
        EXPECT_NEAR(*w.DampfgewichtStunde, *w.DampfgewichtMin * 60, *w.DampfgewichtMin * 1e-4);
        ASSERT_TRUE(w.Sattdampf);
        EXPECT_EQ(w.Sattdampf->Sättigungstemperatur, f.zeile.Sättigungstemperatur);
        EXPECT_DOUBLE_EQ(*w.Sattdampf->SättigungstemperaturZahl,
                         std::stod(f.zeile.Sättigungstemperatur));

        // Piston speed: two strokes per revolution.
        EXPECT_NEAR(w.Kolbengeschwindigkeit, 2 * f.hub * 240 / f.jeFußProS, 1e-9);

        // Power and torque from the work of one revolution: mean pressure over
        // both swept volumes (bar·mm³ = 1e-4 J; psi·cu in = 1/12 ft·lb).
        const double arbeit = pm * (vO + vU);
        const double wellenarbeitJ = 0.75 * (f.mm ? arbeit * 1e-4 : arbeit / 12 / 0.737562);
        EXPECT_NEAR(w.WellenleistungKW, wellenarbeitJ * 240 / 60 / 1000, 1e-3 * w.WellenleistungKW);
        EXPECT_NEAR(w.LeistungKW, w.WellenleistungKW / 0.75, 1e-9);
        EXPECT_NEAR(w.DrehmomentNm, wellenarbeitJ / (2 * kPi), 1e-3 * w.DrehmomentNm);
        EXPECT_NEAR(w.DrehmomentFtLb, w.DrehmomentNm * 0.737562, 1e-9);
    }
}

TEST(Betriebswerte, TorqueOfAKnownPower) {
    // 10 kW shaft power at 1000 U/min: 95.493 N·m, 70.432 ft·lb.
    Modell m;
    m.KDurchmesser = 100;
    m.Hub = 100;
    m.Drehzahl = 1000;
    m.MechWirkungsgrad = 100;
    const double v = Ring(100, 0, 100) * 2;
    const float pm = static_cast<float>(10 * 6e8 / (v * 1000));
    const Betriebswerte w = BetriebswerteBerechnen(m, pm, std::nullopt);
    EXPECT_NEAR(w.WellenleistungKW, 10, 1e-5);
    EXPECT_NEAR(w.DrehmomentNm, 95.4930, 1e-3);
    EXPECT_NEAR(w.DrehmomentFtLb, 70.4320, 1e-3);
    const BetriebswerteTexte t = BetriebswerteAnzeigen(w);
    EXPECT_EQ(t.DrehmomentNm, "95.493");
    EXPECT_EQ(t.WellenleistungKW, "10.000");
    EXPECT_EQ(t.WellenleistungPS, "13.60");
    EXPECT_EQ(t.WellenleistungHP, "13.41");
}

TEST(Betriebswerte, StandingEngineGivesZeroFigures) {
    for (bool mm : {true, false}) {
        for (int16_t n : {0, -20}) {
            Modell m = MitSteuerzeiten(mm);
            m.Drehzahl = n;
            const Betriebswerte w = BetriebswerteBerechnen(m, 7.0f, Zeile(11, "184.06", "0.17739"));
            EXPECT_GT(w.HubvolumenGesamt(), 0);
            EXPECT_GT(w.DampfvolumenUmdrehung(), 0);
            for (double null : {w.DampfvolumenMin, *w.DampfgewichtMin, *w.DampfgewichtStunde,
                                w.Kolbengeschwindigkeit, w.LeistungKW, w.WellenleistungKW,
                                w.DrehmomentNm, w.DrehmomentFtLb})
                EXPECT_EQ(null, 0) << mm << " " << n;
            const BetriebswerteTexte t = BetriebswerteAnzeigen(w);
            EXPECT_EQ(t.DrehmomentNm, "0.000");
            EXPECT_EQ(t.Dampfvolumen, "0");
        }
    }
}

TEST(Betriebswerte, SteamRowAndReadOuts) {
    Modell m = MitSteuerzeiten(false);
    m.Drehzahl = 300;
    // Without a row, or without a usable v'', the steam weight stays blank.
    const struct {
        std::optional<Dampfzustand> zeile;
        bool sattdampf, gewicht;
    } fälle[] = {{std::nullopt, false, false},
                 {Zeile(165, "366.0", "0"), true, false},
                 {Zeile(165, "366.0", "n/a"), true, false},
                 {Zeile(165.4, "366.0", "2.751"), true, true}};
    for (const auto& f : fälle) {
        const Betriebswerte w = BetriebswerteBerechnen(m, 50, f.zeile);
        const BetriebswerteTexte t = BetriebswerteAnzeigen(w);
        EXPECT_EQ(w.Sattdampf.has_value(), f.sattdampf);
        EXPECT_EQ(w.DampfgewichtMin.has_value(), f.gewicht);
        EXPECT_EQ(t.DampfgewichtMin.empty(), !f.gewicht);
        EXPECT_EQ(t.Sättigungstemperatur, f.sattdampf ? "366.0" : "");
        EXPECT_EQ(t.Druck, f.sattdampf ? "165" : "");
        EXPECT_GT(w.LeistungKW, 0); // the rest does not depend on the table
    }

    // Inch read-outs: cubic inches, cubic feet, no third per-minute field.
    const Betriebswerte w = BetriebswerteBerechnen(m, 50, Zeile(165, "366.0", "2.751"));
    const BetriebswerteTexte t = BetriebswerteAnzeigen(w);
    EXPECT_EQ(t.Volumentabelle[0][0], "28.3"); // π/4 · 3² · 4
    EXPECT_EQ(t.Volumentabelle[0][1], "27.5"); // π/4 · (3² − 0.5²) · 4
    EXPECT_EQ(t.Volumentabelle[0][2], "55.8");
    EXPECT_EQ(t.Kolbengeschwindigkeit, "3.33"); // 2 · 4 in · 300 / 720
    EXPECT_TRUE(t.DampfvolumenKubikmeter.empty());
    EXPECT_EQ(t.DampfvolumenLiter, FormatMuster(w.DampfvolumenMin / 1728, "0.0"));
    EXPECT_EQ(t.DampfvolumenStunde, FormatMuster(w.DampfvolumenMin / 1728 * 60, "0.00"));

    // Millimetre read-outs in cm³, dm³, m³ and m³/h, with a decimal comma.
    Modell mm = MitSteuerzeiten(true);
    mm.Drehzahl = 300;
    const Betriebswerte wm = BetriebswerteBerechnen(mm, 5, std::nullopt);
    const BetriebswerteTexte tm = BetriebswerteAnzeigen(wm, ',');
    EXPECT_EQ(tm.Volumentabelle[0][0], "1251,7");
    EXPECT_EQ(tm.Volumentabelle[0][1], "1231,2");
    EXPECT_EQ(tm.Volumentabelle[1][2],
              FormatMuster((static_cast<double>(wm.FüllungO) + wm.FüllungU) * 50, "0.0", ','));
    EXPECT_EQ(tm.DampfvolumenKubikmeter, FormatMuster(wm.DampfvolumenMin / 1e9, "0.00", ','));
    EXPECT_EQ(tm.DampfvolumenStunde, FormatMuster(wm.DampfvolumenMin * 60 / 1e9, "0.00", ','));
    EXPECT_EQ(tm.Kolbengeschwindigkeit, "1,02"); // 2 · 0.102 m · 300 / 60
    EXPECT_EQ(tm.PMittel, "5,0");
}

} // namespace
} // namespace vapro
