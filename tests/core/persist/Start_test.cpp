#include "persist/Start.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vapro {
namespace {

constexpr std::string_view Vorgabe = "/usr/share/zelto-vapro";

struct Start {
    Modell m;
    Programmzustand z;
    GeleseneEinstellungen e;
    bool registrieren = false;
};

Start Starten(SpeicherImSpeicher& s) {
    Start st;
    st.registrieren = VersionPrüfen(s, "01.02.2024", "10:00:00");
    st.e = EinstellungenLaden(s, st.m, st.z, Vorgabe);
    return st;
}

std::vector<std::pair<std::string, bool>> Fenster(std::initializer_list<std::string_view> offen) {
    std::vector<std::pair<std::string, bool>> f;
    for (auto k : FensterZeigenSchlüssel)
        f.emplace_back(k, std::find(offen.begin(), offen.end(), k) != offen.end());
    return f;
}

TEST(StartTest, FirstStartWithEmptyStoreUsesDefaultsAndRecordsVersion) {
    SpeicherImSpeicher s;
    const Start st = Starten(s);
    EXPECT_TRUE(st.registrieren);
    EXPECT_EQ(s.Lesen("Version", "Versions Nr", ""), "33");
    EXPECT_EQ(s.Lesen("Version", "33 am:", ""), "01.02.2024");
    EXPECT_EQ(s.Lesen("Version", "33 um:", ""), "10:00:00");
    EXPECT_EQ(st.e.Sprachbasis, SprachbasisDeutsch);
    EXPECT_EQ(st.e.Einheit, "[mm]");
    EXPECT_EQ(st.m.NächsterStart, 1);
    EXPECT_EQ(st.z.Dateiname, "");
    EXPECT_EQ(st.z.Programmpfad, "/usr/share/zelto-vapro/");
}

TEST(StartTest, OnlyAnotherStoredVersionAsksForRegistration) {
    const struct {
        const char* gespeichert;
        bool registrieren;
    } fälle[] = {{"33", false}, {" 33 ", false}, {"32", true},  {"34", true},
                 {"abc", true}, {"", true},      {"33.5", true}};
    for (const auto& f : fälle) {
        SCOPED_TRACE(f.gespeichert);
        SpeicherImSpeicher s;
        s.Schreiben("Version", "Versions Nr", f.gespeichert);
        s.Schreiben("Version", "33 am:", "alt");
        EXPECT_EQ(VersionPrüfen(s, "heute", "jetzt"), f.registrieren);
        EXPECT_EQ(s.Lesen("Version", "33 am:", ""), f.registrieren ? "heute" : "alt");
    }
}

TEST(StartTest, SecondStartDoesNotRegisterAgain) {
    SpeicherImSpeicher s;
    Starten(s);
    EXPECT_FALSE(Starten(s).registrieren);
    EXPECT_EQ(s.Lesen("Version", "33 am:", ""), "01.02.2024");
}

TEST(StartTest, StoredValuesAreReadAndUnusableOnesGiveDefaults) {
    const struct {
        const char *fileStart, *sprache, *einheit, *pfad;
        int16_t nächsterStart, sprachbasis;
        const char *einheitErwartet, *pfadErwartet;
    } fälle[] = {
        {"0", "11000", "[inch]", "/opt/vapro/", 0, 11000, "[inch]", "/opt/vapro/"},
        {"1", "1000", "[mm]", "/opt/vapro", 1, 1000, "[mm]", "/opt/vapro/"},
        {"x", "Deutsch", "[cm]", "", 1, 1000, "[mm]", "/usr/share/zelto-vapro/"},
        {"2", "12000", "", "  ", 1, 1000, "[mm]", "/usr/share/zelto-vapro/"},
        {" 0 ", "99999999999", " [INCH] ", "c:\\Vapro\\", 0, 1000, "[inch]", "c:\\Vapro\\"},
    };
    for (const auto& f : fälle) {
        SCOPED_TRACE(testing::Message() << f.fileStart << " / " << f.sprache << " / " << f.einheit);
        SpeicherImSpeicher s;
        s.Schreiben("Aktuell", "File Start", f.fileStart);
        s.Schreiben("Aktuell", "Filename", "/home/a/m.kmf");
        s.Schreiben("Version", "Sprache", f.sprache);
        s.Schreiben("Version", "Einheit", f.einheit);
        s.Schreiben("Version", "Programmpfad", f.pfad);
        const Start st = Starten(s);
        EXPECT_EQ(st.m.NächsterStart, f.nächsterStart);
        EXPECT_EQ(st.e.Sprachbasis, f.sprachbasis);
        EXPECT_EQ(st.e.Einheit, f.einheitErwartet);
        EXPECT_EQ(st.z.Programmpfad, f.pfadErwartet);
        EXPECT_EQ(st.z.Dateiname, "/home/a/m.kmf");
    }
}

TEST(StartTest, ShutDownStoresFileOnlyWhenItIsToBeReopened) {
    for (int16_t nächster : {int16_t{0}, int16_t{1}}) {
        SCOPED_TRACE(nächster);
        SpeicherImSpeicher s;
        Modell m;
        m.NächsterStart = nächster;
        Programmzustand z;
        z.Dateiname = "/home/a/Lok.kmf";
        EinstellungenSichern(s, m, z, "03.04.2024", "18:30:00",
                             Fenster({"Bild Zeigen", "Meßwerte Zeigen"}));
        EXPECT_EQ(s.Lesen("Aktuell", "File Start", ""), nächster ? "1" : "0");
        EXPECT_EQ(s.Lesen("Aktuell", "Filename", "?"), nächster ? "/home/a/Lok.kmf" : "");
        EXPECT_EQ(s.Lesen("Aktuell", "Aufruf am", ""), "03.04.2024");
        EXPECT_EQ(s.Lesen("Aktuell", "Aufruf um", ""), "18:30:00");
        EXPECT_EQ(s.Lesen("Aktuell", "bild zeigen", ""), "True");
        EXPECT_EQ(s.Lesen("Aktuell", "MEßWERTE ZEIGEN", ""), "True");
        EXPECT_EQ(s.Lesen("Aktuell", "Diagramm Zeigen", ""), "False");

        const Start st = Starten(s);
        EXPECT_EQ(st.m.NächsterStart, nächster);
        EXPECT_EQ(st.z.Dateiname, nächster ? "/home/a/Lok.kmf" : "");
    }
}

TEST(StartTest, ResetForgetsTheRunButKeepsLanguageAndUnit) {
    SpeicherImSpeicher s;
    Starten(s);
    s.Schreiben("Version", "Sprache", "11000");
    s.Schreiben("Version", "Einheit", "[inch]");
    s.Schreiben("Aktuell", "Bild x", "4000");
    Modell m;
    Programmzustand z;
    z.Dateiname = "/home/a/Lok.kmf";
    EinstellungenSichern(s, m, z, "d1", "t1", Fenster({"Tabelle Zeigen"}));
    // Closing windows after the save still store their places.
    s.Schreiben("Aktuell", "Tabelle x", "140");
    EinstellungenZurücksetzen(s, "d2", "t2");

    for (std::string_view k : {"Bild x", "Tabelle x", "Tabelle Zeigen", "Filename", "File Start"})
        EXPECT_FALSE(s.Enthält("Aktuell", k)) << k;
    EXPECT_EQ(s.Lesen("Aktuell", "Aufruf am", ""), "d2");
    EXPECT_EQ(s.Lesen("Aktuell", "Aufruf um", ""), "t2");

    const Start st = Starten(s);
    EXPECT_FALSE(st.registrieren);
    EXPECT_EQ(st.e.Sprachbasis, SprachbasisEnglisch);
    EXPECT_EQ(st.e.Einheit, "[inch]");
    EXPECT_EQ(st.z.Dateiname, ""); // nothing to reopen
}

TEST(StartTest, HelpPathJoinsFolderAndFileOfTheLanguage) {
    Programmzustand z;
    Sprache de, en;
    SpracheEinstellen(de, SprachbasisDeutsch);
    SpracheEinstellen(en, SprachbasisEnglisch);
    z.Programmpfad = "/opt/vapro/";
    EXPECT_EQ(HilfePfad(z, de), "/opt/vapro/Vapro15.hlp");
    EXPECT_EQ(HilfePfad(z, en), "/opt/vapro/Vapro15e.hlp");
    z.Programmpfad = "/opt/vapro";
    EXPECT_EQ(HilfePfad(z, de), "/opt/vapro/Vapro15.hlp");
    z.Programmpfad = "";
    EXPECT_EQ(HilfePfad(z, en), "Vapro15e.hlp");
}

TEST(StartTest, ClockGivesDateAndTimeInTheStoredForm) {
    const Zeitpunkt t = JetztLokal();
    ASSERT_EQ(t.Datum.size(), 10u);
    EXPECT_EQ(t.Datum[2], '.');
    EXPECT_EQ(t.Datum[5], '.');
    ASSERT_EQ(t.Zeit.size(), 8u);
    EXPECT_EQ(t.Zeit[2], ':');
    EXPECT_EQ(t.Zeit[5], ':');
}

} // namespace
} // namespace vapro
