#include "core/persist/Pruefeinstellungen.h"

#include <gtest/gtest.h>

#include <string>

namespace vapro {
namespace {

TEST(Pruefeinstellungen, TargetsComeBackAsStoredAndRepairedWhenAbsurd) {
    SpeicherImSpeicher s;
    EXPECT_EQ(PrüfgrenzenLaden(s).FüllungMin, 70) << "nothing stored: the defaults";

    Prüfgrenzen g;
    g.FüllungMin = 65.5f;
    g.VoreilenDifferenzZoll = 0.01f;
    g.VorausströmungMin = 80;
    PrüfgrenzenSpeichern(s, g);
    EXPECT_EQ(s.Lesen("prüfung", "füllungmin", ""), "65.5");
    const Prüfgrenzen zurück = PrüfgrenzenLaden(s);
    for (const Prüfgrenze& e : PrüfgrenzenTabelle())
        EXPECT_EQ(zurück.*e.feld, g.*e.feld) << e.name;

    // stored text; the target it gives
    const std::tuple<const char*, const char*, float> fälle[] = {
        {"FüllungMax", "Unsinn", 85},       {"FüllungDifferenz", "-2", 0},
        {"KanalöffnungMin", "250", 100},    {"VoreilenDifferenzMM", "-0.1", 0},
        {"VorausströmungMin", "1e300", 75}, // beyond a float: the default
        {"UmkehrDifferenz", "4,5", 3},      // the settings write a point
    };
    for (const auto& [name, text, erwartet] : fälle) {
        SpeicherImSpeicher t;
        t.Schreiben(AbschnittPrüfung, name, text);
        EXPECT_EQ(PrüfgrenzenLaden(t).*PrüfgrenzeSuchen(name)->feld, erwartet) << name;
    }
    // A band given upside down is turned round.
    SpeicherImSpeicher t;
    t.Schreiben(AbschnittPrüfung, "FüllungMin", "90");
    t.Schreiben(AbschnittPrüfung, "FüllungMax", "60");
    const Prüfgrenzen band = PrüfgrenzenLaden(t);
    EXPECT_EQ(std::pair(band.FüllungMin, band.FüllungMax), std::pair(60.0f, 90.0f));
}

} // namespace
} // namespace vapro
