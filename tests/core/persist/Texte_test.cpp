#include "persist/Texte.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace vapro {
namespace {

TEST(TexteTest, SampleTextsInBothLanguages) {
    struct Case {
        int number;
        std::string_view german, english;
    };
    const Case cases[] = {
        {1043, "Kurbeltrieb", "Crank Assembly"},
        {1035, "  Übdedeckung innen", "  Lap inside"}, // the typo is part of the caption
        {1154, "Zeige mittleren Kanal", "Show midle chanal"},
        {1400, "Zelto Vapro ", "Zelto Vapro "},
        {1430, "Datei", "File "},
        {1465, "Dampftafel US (Marks && Davis Steam Table)", "Marks && Davis Steam Table"},
        {1515, "Totraum", " "},
        {1802, " ", " "},
        {3301, "Dateiformat: ", "File format: "},
    };
    Sprache de, en;
    SpracheEinstellen(de, SprachbasisDeutsch);
    SpracheEinstellen(en, SprachbasisEnglisch);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(TextNummer(c.number), c.german);
        EXPECT_EQ(TextNummer(c.number + 10000), c.english);
        EXPECT_EQ(de.Text(c.number - 1000), c.german);
        EXPECT_EQ(en.Text(c.number - 1000), c.english);
    }
}

TEST(TexteTest, FreeAndUnknownNumbersAnswerDash) {
    for (int n : {INT_MIN, -1, 0, 999, 1084, 1623, 1709, 3005, 3305, 3306, 4000, 10999, 11623,
                  13305, 13306, 21043, INT_MAX}) {
        EXPECT_EQ(TextNummer(n), "-") << n;
    }
    // A slot is free in both languages or in neither.
    for (int n = 999; n <= 3306; ++n) {
        EXPECT_EQ(TextNummer(n) == "-", TextNummer(n + 10000) == "-") << n;
        EXPECT_FALSE(TextNummer(n).empty()) << n;
    }
}

TEST(TexteTest, MessagesExpandAllMarkers) {
    const std::string_view crlf = "\r\n", cr = "\r";
    struct Case {
        int number;
        std::initializer_list<std::pair<std::string_view, std::string_view>> pairs;
        std::string german, english;
    };
    const Case cases[] = {
        {3004,
         {{"|1", cr}, {"|2", "Kurbeltrieb\r"}, {"|3", cr}},
         "Geometriefehler    \rKurbeltrieb\rEinige Werte passen nicht zusammen!\rBitte erneut "
         "versuchen.",
         "Geometric error    \rKurbeltrieb\rSome data doesn't fit together!\rPlease try again."},
        {3012,
         {{"|1", crlf}},
         "Geometriefehler bei der Drehrichtungsbestimmung \r\nEinige Werte passen nicht zusammen. "
         "\r\nHabe die Maschine angehalten \r\nBitte zuletz geänderte Werte überdenken oder die "
         "Maschine zunächst komplett eingeben.",
         "Error while calculating direction of rotation"},
        {3013,
         {{"|1", crlf}},
         "Geometriefehler bei der Maschinendrehung\r\nEinige Werte passen nicht zusammen\r\nHabe "
         "die Maschine angehalten.\r\nBitte zuletz geänderte Werte überdenken oder die Maschine "
         "zunächst komplett eingeben.",
         "Error while turning the engine"},
        {3014,
         {{"|1", "\r\r"}},
         "Fehler beim Speichern der KMF-Datei\r\rBitte erneut versuchen.",
         "Error while writing KMF-file \r\rPlease try agein."},
        {3015,
         {{"|1", crlf}, {"|2", crlf}, {"|3", "\r\n10107"}},
         "Fehler beim Laden der KMF-Datei:\r\n10107\r\nBitte erneut versuchen.\r\nMöglicherweise "
         "müssen Sie das Programm neu starten!",
         "Error while loading KMF-file:\r\n10107\r\nPlease try again.\r\nMaybe you have to restart "
         "the whole program!"},
        {3016,
         {{"|1", crlf}, {"|2", "33"}, {"|3", crlf}},
         "Die Datei wurde mit der älteren\r\nProgrammversion Nr. 33 gespeichert.\r\nund kann daher "
         "nicht mehr verarbeitet werden.\r\nBitte bewahren Sie die Datei auf und melden Sie den "
         "Fehler.",
         "This file was created by an older\r\nprogram version No. 33.\r\nand can therefore not be "
         "executed.\r\nPlease keep the file and report the problem."},
        {3017,
         {{"|1", cr}, {"|2", cr}, {"|3", cr}, {"|4", "Umsteuerung"}},
         "Geometriefehler in diesen Einstellungen\rEinige Werte passen nicht zusammen\rBitte "
         "erneut versuchen.\r      Umsteuerung",
         "Geometrie error in this settings\rSome values don't fit together\rPlease try "
         "again.\r      Umsteuerung"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(Meldungstext(TextNummer(c.number), c.pairs), c.german);
        EXPECT_EQ(Meldungstext(TextNummer(c.number + 10000), c.pairs), c.english);
    }
}

TEST(TexteTest, MarkerRules) {
    struct Case {
        std::string_view text;
        std::initializer_list<std::pair<std::string_view, std::string_view>> pairs;
        std::string_view expected;
    };
    const Case cases[] = {
        {"|Datei| und |DATEI| und |datei|", {{"|Datei|", "x"}}, "x und x und x"},
        {"Maße: |ÄRGER| |ärger|", {{"|Ärger|", "y"}}, "Maße: y y"},
        {"a|1b|2c|3", {{"|1", "-"}}, "a-b|2c|3"},         // markers not supplied stay
        {"|1", {{"|1", "|2"}, {"|2", "z"}}, "z"},         // pairs apply in order
        {"|1 und |1", {{"|1", "<|1>"}}, "<|1> und <|1>"}, // own marker inside is kept
        {"abc", {{"", "x"}}, "abc"},
        {"", {{"|1", "x"}}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Meldungstext(c.text, c.pairs), c.expected) << c.text;
}

TEST(TexteTest, SpracheEinstellenSetsLanguageItems) {
    struct Case {
        int16_t input, base;
        std::string_view ot, ut, filling, pm, helpFile, speedUnitK, speedUnit;
    };
    const Case cases[] = {
        {11000, 11000, "TDC", "BDC", "Volume", "MEP", "Vapro15e.hlp", "[rpm]", "rpm"},
        {1000, 1000, "OT", "UT", "Füllung", "PM", "Vapro15.hlp", "[U/min]", "U/min"},
        {5000, 1000, "OT", "UT", "Füllung", "PM", "Vapro15.hlp", "[U/min]", "U/min"},
        {0, 1000, "OT", "UT", "Füllung", "PM", "Vapro15.hlp", "[U/min]", "U/min"},
    };
    Sprache s;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        SpracheEinstellen(s, c.input);
        EXPECT_EQ(s.Sprachbasis, c.base);
        EXPECT_EQ(s.TextOT, c.ot);
        EXPECT_EQ(s.TextUT, c.ut);
        EXPECT_EQ(s.TextFüllung, c.filling);
        EXPECT_EQ(s.TextPM, c.pm);
        EXPECT_EQ(s.Hilfedatei, c.helpFile);
        EXPECT_EQ(s.EinheitDrehzahlK, c.speedUnitK);
        EXPECT_EQ(s.EinheitDrehzahl, c.speedUnit);
        EXPECT_EQ(s.Text(43), TextNummer(c.base + 43));
    }
}

TEST(TexteTest, EveryUsedNumberHasBothTexts) {
    ASSERT_FALSE(BenutzteTexte().empty());
    for (int n : BenutzteTexte()) {
        for (int number : {n, n + 10000}) {
            const std::string_view t = TextNummer(number);
            EXPECT_FALSE(t.empty()) << number;
            EXPECT_NE(t, "-") << number;
        }
    }
}

} // namespace
} // namespace vapro
