// Judging a lever range: the design checks and the goals of the automatic
// setting, and the setting itself.

#include "core/analysis/Einstellung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "core/analysis/Konstruktionspruefung.h"
#include "core/model/Bewegung.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Verlauf.h"
#include "tests/core/Maschine.h"

namespace vapro {
namespace {

FreieEingabe Frei(const Modell& m, const char* name) {
    const Feld* f = FeldSuchen(name);
    return {f, Vorgabegrenzen(m, *f)};
}

// The default engine with its valve rod 4 mm too long: top and bottom
// cut-off then differ by tens of per cent.
Modell Verstellt() {
    Modell m = test::Standardmaschine();
    m.SstLänge += 4;
    return m;
}

// The largest top-against-bottom cut-off difference where the engine turns,
// in % of the stroke; a cut-off the valve never makes counts as 100.
double FüllungDifferenz(const Modell& m) {
    double größte = 0;
    for (const Verlaufspunkt& p : SteuerungsverlaufBerechnen(m, 5).Punkte) {
        if (!BilanzEntscheidend(p.Drehrichtungsbilanz)) continue;
        const bool vor = p.Drehrichtungsbilanz > 0;
        const auto& oben = p.Ende(vor, true).Füllung;
        const auto& unten = p.Ende(vor, false).Füllung;
        größte =
            std::max(größte, oben && unten ? std::fabs(oben->Prozent - unten->Prozent) : 100.0);
    }
    return größte;
}

TEST(Einstellung, ALengthenedValveRodIsBroughtBack) {
    const Modell m = Verstellt();
    ASSERT_GT(FüllungDifferenz(m), 10);
    Einstellauftrag a;
    a.frei = {Frei(m, "SstLänge")};
    a.zeitSekunden = 120; // ends on convergence, long before this even in a sanitizer build
    const Einstellergebnis e = Einstellen(m, a);
    ASSERT_TRUE(e.Verbessert());
    EXPECT_FALSE(e.zeitAbgelaufen);
    EXPECT_LE(FüllungDifferenz(e.maschine), FüllungDifferenz(test::Standardmaschine()) + 0.5);
    EXPECT_NEAR(e.maschine.SstLänge, 75.5, 1.0);
    EXPECT_EQ(e.zielNachher, ZieleBewerten(e.maschine).Summe(a.gewichte))
        << "the engine returned is the one judged";
    EXPECT_FALSE(e.abgebrochen);
}

TEST(Einstellung, BoundsAreNeverCrossed) {
    const Modell m = Verstellt();
    // Bounds that keep the rod long: the best is at the lower bound.
    Einstellauftrag a;
    a.frei = {{FeldSuchen("SstLänge"), {79.3, 79.7}},
              {FeldSuchen("ExVorWinkel"), {-121.5, -119}},
              {FeldSuchen("SchiEO"), {4.9, 5.05}}};
    a.zeitSekunden = 2;
    const Einstellergebnis e = Einstellen(m, a);
    for (const FreieEingabe& f : a.frei) {
        const double wert = FeldLesen(e.maschine, *f.feld);
        EXPECT_TRUE(wert >= f.grenzen.min && wert <= f.grenzen.max) << f.feld->name << " " << wert;
    }
    EXPECT_LE(e.zielNachher, e.zielVorher);
}

TEST(Einstellung, CancelAndTimeLimitReturnTheBestSoFar) {
    const Modell m = Verstellt();
    Einstellauftrag a;
    a.frei = {Frei(m, "SstLänge"), Frei(m, "ExVorWinkel"), Frei(m, "ExRückWinkel")};
    const double start = ZieleBewerten(m).Summe(a.gewichte);
    std::atomic<bool> abbrechen = false;
    double gemeldet = 0;
    const Einstellergebnis e = Einstellen(m, a, &abbrechen, [&](const Einstellstand& s) {
        if (s.besterWert < 0.5 * start || s.auswertungen >= 30) {
            gemeldet = s.besterWert;
            abbrechen = true;
        }
    });
    EXPECT_TRUE(e.abgebrochen);
    EXPECT_FALSE(e.zeitAbgelaufen);
    EXPECT_LE(e.zielNachher, gemeldet);
    EXPECT_EQ(e.zielNachher, ZieleBewerten(e.maschine).Summe(a.gewichte));

    a.zeitSekunden = 0.05;
    const Einstellergebnis kurz = Einstellen(m, a);
    EXPECT_TRUE(kurz.zeitAbgelaufen);
    EXPECT_LE(kurz.zielNachher, kurz.zielVorher);
}

TEST(Einstellung, BadRequestsAndUnusableStartsAreRefused) {
    const Modell m = test::Standardmaschine();
    Modell fest = m;
    fest.Umsteuertyp = 0;
    struct Fall {
        const char* was;
        const Modell* maschine;
        void (*ändern)(Einstellauftrag&);
    };
    const Fall fälle[] = {
        {"named twice", &m, [](Einstellauftrag& a) { a.frei.push_back(a.frei[0]); }},
        {"link input on a fixed eccentric", &fest,
         [](Einstellauftrag& a) { a.frei[0].feld = FeldSuchen("BaRadius"); }},
        {"bounds cross", &m,
         [](Einstellauftrag& a) {
             a.frei[0].grenzen = {75.5, 75.5};
         }},
        {"no weight", &m, [](Einstellauftrag& a) { a.gewichte = {}; }},
    };
    for (const Fall& f : fälle) {
        Einstellauftrag a;
        a.frei = {Frei(m, "SstLänge")};
        f.ändern(a);
        EXPECT_THROW(Einstellen(*f.maschine, a), std::invalid_argument) << f.was;
    }

    // Both eccentrics alike: the lever reverses nothing.
    Modell einseitig = m;
    einseitig.ExRückWinkel = einseitig.ExVorWinkel;
    Einstellauftrag a;
    a.frei = {Frei(einseitig, "SstLänge")};
    EXPECT_THROW(Einstellen(einseitig, a), GeometrieFehler);
}

// --- The design checks, judged on the same kind of range ---------------------

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
        p.Steinspringen = 2;
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
        {"top cut-off missing at backward full gear",
         [](Steuerungsverlauf& v) { v.Punkte[2].Ende(false, true).Füllung.reset(); },
         Prüfart::FüllungVollauslage, false, std::nullopt, 45.0f, true},
        {"ends differ where the engine runs backward",
         [](Steuerungsverlauf& v) { v.Punkte[2].Ende(false, true).Füllung->Prozent = 80; },
         Prüfart::FüllungGleich, false, 5.0f, 45.0f, true},
        {"an angle that cannot be solved warns",
         [](Steuerungsverlauf& v) { v.Punkte[1].Fehler = "no"; }, Prüfart::FüllungGleich,
         std::nullopt, std::nullopt, 0.0f, std::nullopt},
        {"a port opens to 80 % of its width",
         [](Steuerungsverlauf& v) { v.Punkte[2].Ende(false, true).Kanalöffnung = 8; },
         Prüfart::KanalöffnungVoll, false, 80.0f, 45.0f, true},
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

    EXPECT_EQ(PrüfgrenzeSuchen("KanaloeffnungMin")->feld, &Prüfgrenzen::KanalöffnungMin);
}

TEST(Einstellung, GoalsAreMeanSquaresInPercentOfTheStroke) {
    struct Fall {
        const char* was;
        void (*ändern)(Steuerungsverlauf&);
        std::array<double, EinstellzielAnzahl> teile;
    };
    const Fall fälle[] = {
        {"all equal: only the die slip counts", [](Steuerungsverlauf&) {}, {0, 0, 0, 4}},
        {"bottom cut-off 4 % shorter forwards",
         [](Steuerungsverlauf& v) { v.Punkte[0].Ende(true, false).Füllung->Prozent = 71; },
         {16.0 / 2, 0, 16.0 / 2, 4}},
        {"top lead 0.5 larger at one limit",
         [](Steuerungsverlauf& v) {
             for (bool vor : {true, false})
                 v.Punkte[2].Ende(vor, true).Voreilen = 1.5f;
         },
         {0, 0.25 / 2, 0, 4}},
    };
    for (const Fall& f : fälle) {
        Steuerungsverlauf v = Bereich();
        f.ändern(v);
        const Zielbewertung b = ZieleBewerten(v, true);
        ASSERT_TRUE(b.Gültig()) << f.was;
        for (size_t i = 0; i < EinstellzielAnzahl; ++i)
            EXPECT_DOUBLE_EQ(b.teile[i], f.teile[i]) << f.was << " goal " << i;
    }
    const Zielbewertung b = ZieleBewerten(Bereich(), true);
    EXPECT_DOUBLE_EQ(b.Summe({1, 0, 0, 0.5}), 2);

    Steuerungsverlauf unlösbar = Bereich();
    unlösbar.Punkte[1].Fehler = "no";
    EXPECT_EQ(ZieleBewerten(unlösbar, true).Summe({1, 1, 1, 1}), Strafwert);
}

// What the goals read of a lever angle, as one text, every float exactly.
std::string Abzug(const Verlaufspunkt& p) {
    std::ostringstream s;
    s.precision(9);
    s << p.UmWinkelGrad << " " << p.Drehrichtungsbilanz << " " << p.Steinspringen.value_or(-1);
    for (bool vor : {true, false})
        for (bool oben : {true, false}) {
            const Verlaufsende& e = p.Ende(vor, oben);
            s << " " << e.Voreilen << " " << (e.Füllung ? e.Füllung->Prozent : -1);
        }
    return s.str();
}

TEST(Einstellung, TheRangeSharedAmongThreadsIsTheRangeOfTheLeverAnalysis) {
    const Modell m = test::Standardmaschine(false);
    const Steuerungsverlauf geteilt = Einstellverlauf(m);
    const Steuerungsverlauf v = SteuerungsverlaufBerechnen(m, EinstellSchrittGrad);
    ASSERT_EQ(geteilt.Punkte.size(), v.Punkte.size());
    for (size_t i = 0; i < v.Punkte.size(); ++i)
        EXPECT_EQ(Abzug(geteilt.Punkte[i]), Abzug(v.Punkte[i]));
}

TEST(Einstellung, InputsAreFoundByNameWithDefaultBounds) {
    const Modell m = test::Standardmaschine();
    EXPECT_EQ(StellgrößeSuchen("ExRueckWinkel"), StellgrößeSuchen("ExRückWinkel"));
    Modell null = m;
    null.SchiIO = 0; // a lap of nought moves by a tenth of the stroke
    const Grenzen lap = Vorgabegrenzen(null, *FeldSuchen("SchiIO"));
    EXPECT_DOUBLE_EQ(lap.max, 10.2);
}

} // namespace
} // namespace vapro
