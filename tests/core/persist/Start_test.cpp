#include "core/persist/Start.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "core/persist/Pruefeinstellungen.h"

namespace vapro {
namespace {

// One start-up, as "registered|next start|language|unit|help folder|file".
std::string Starten(SpeicherImSpeicher& s) {
    Modell m;
    Programmzustand z;
    const bool registrieren = VersionPrüfen(s, "01.02.2024", "10:00:00");
    const auto e = EinstellungenLaden(s, m, z, "/usr/share/zelto-vapro");
    return std::to_string(registrieren) + "|" + std::to_string(m.NächsterStart) + "|" +
           std::to_string(e.Sprachbasis) + "|" + e.Einheit + "|" + z.Programmpfad + "|" +
           z.Dateiname;
}

// Stored values joined by '|', "?" for a missing one.
std::string Werte(const SpeicherImSpeicher& s, std::string_view abschnitt,
                  std::initializer_list<std::string_view> schlüssel) {
    std::string w;
    for (auto k : schlüssel)
        w += s.Lesen(abschnitt, k, "?") + "|";
    return w;
}

TEST(StartTest, FirstStartUsesDefaultsAndRecordsTheVersion) {
    SpeicherImSpeicher s;
    EXPECT_EQ(Starten(s), "1|1|1000|[mm]|/usr/share/zelto-vapro/|");
    EXPECT_FALSE(VersionPrüfen(s, "02.02.2024", "11:00:00")); // a second start
    EXPECT_EQ(Werte(s, "Version", {"Versions Nr", "33 am:", "33 um:"}), "33|01.02.2024|10:00:00|");
}

// Only this version's number stored spares the registration.
TEST(StartTest, StoredValuesAreReadAndUnusableOnesGiveDefaults) {
    const std::array<const char*, 6> fälle[] = {
        // Versions Nr, File Start, Sprache, Einheit, Programmpfad; what the start reads.
        // Any unit text but exactly "[mm]" means inches.
        {" 33 ", "0", "11000", "[mm]", "/opt/vapro", "0|0|11000|[mm]|/opt/vapro/|"},
        {"32", "x", "Deutsch", "[MM]", "", "1|1|1000|[inch]|/usr/share/zelto-vapro/|"},
    };
    for (const auto& f : fälle) {
        SpeicherImSpeicher s;
        s.Schreiben("Version", "Versions Nr", f[0]);
        s.Schreiben("Aktuell", "File Start", f[1]);
        s.Schreiben("Version", "Sprache", f[2]);
        s.Schreiben("Version", "Einheit", f[3]);
        s.Schreiben("Version", "Programmpfad", f[4]);
        EXPECT_EQ(Starten(s), f[5]);
    }
}

// Shut-down stores the file only when it is to be reopened; a reset then
// forgets the run but keeps language and unit.
TEST(StartTest, ShutDownAndReset) {
    for (int16_t nächster : {int16_t{0}, int16_t{1}}) {
        SpeicherImSpeicher s;
        s.Schreiben("Version", "Sprache", "11000");
        s.Schreiben("Version", "Einheit", "[inch]");
        Modell m;
        m.NächsterStart = nächster;
        Programmzustand z;
        z.Dateiname = "/home/a/Lok.kmf";
        EinstellungenSichern(
            s, m, z, "03.04.2024", "18:30:00",
            {{"Bild Zeigen", true}, {"Meßwerte Zeigen", true}, {"Diagramm Zeigen", false}});
        EXPECT_EQ(Werte(s, "Aktuell",
                        {"File Start", "Filename", "Aufruf am", "Aufruf um", "bild zeigen",
                         "MEßWERTE ZEIGEN", "Diagramm Zeigen"}),
                  nächster ? "1|/home/a/Lok.kmf|03.04.2024|18:30:00|True|True|False|"
                           : "0||03.04.2024|18:30:00|True|True|False|");
        EXPECT_EQ(Starten(s), nächster ? "1|1|11000|[inch]|/usr/share/zelto-vapro/|/home/a/Lok.kmf"
                                       : "1|0|11000|[inch]|/usr/share/zelto-vapro/|");

        // Closing windows after the save still store their places.
        s.Schreiben("Aktuell", "Tabelle x", "140");
        EinstellungenZurücksetzen(s, "d2", "t2");
        EXPECT_EQ(
            Werte(s, "Aktuell",
                  {"Tabelle x", "Bild Zeigen", "Filename", "File Start", "Aufruf am", "Aufruf um"}),
            "?|?|?|?|d2|t2|");
        EXPECT_EQ(Starten(s), "0|1|11000|[inch]|/usr/share/zelto-vapro/|");
    }
}

TEST(StartTest, HelpPath) {
    const auto pfad = [](const char* ordner, int16_t basis) {
        Programmzustand z;
        z.Programmpfad = ordner;
        Sprache s;
        SpracheEinstellen(s, basis);
        return HilfePfad(z, s);
    };
    EXPECT_EQ(pfad("/opt/vapro/", SprachbasisDeutsch), "/opt/vapro/Vapro15.hlp");
    EXPECT_EQ(pfad("/opt/vapro", SprachbasisEnglisch), "/opt/vapro/Vapro15e.hlp");
}

TEST(Pruefeinstellungen, TargetsComeBackAsStoredAndRepairedWhenAbsurd) {
    SpeicherImSpeicher s;
    EXPECT_EQ(PrüfgrenzenLaden(s).FüllungMin, 70) << "nothing stored: the defaults";

    Prüfgrenzen g;
    g.FüllungMin = 65.5f;
    g.VoreilenDifferenzZoll = 0.01f;
    g.VorausströmungMin = 80;
    PrüfgrenzenSpeichern(s, g);
    const Prüfgrenzen zurück = PrüfgrenzenLaden(s);
    for (const Prüfgrenze& e : PrüfgrenzenTabelle())
        EXPECT_EQ(zurück.*e.feld, g.*e.feld) << e.name;

    // stored text; the target it gives
    const std::tuple<const char*, const char*, float> fälle[] = {
        {"KanalöffnungMin", "250", 100},
        {"VorausströmungMin", "1e300", 75}, // beyond a float: the default
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
