#include "core/persist/Texte.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

namespace vapro {
namespace {

TEST(TexteTest, FreeNumbersAnswerDashAndUsedOnesHaveBothTexts) {
    for (int n : {INT_MIN, 999, 3306, 13306})
        EXPECT_EQ(TextNummer(n), "-") << n;
    // A slot is free in both languages or in neither.
    for (int n = 999; n <= 3306; ++n) {
        EXPECT_EQ(TextNummer(n) == "-", TextNummer(n + 10000) == "-") << n;
        EXPECT_FALSE(TextNummer(n).empty()) << n;
    }
    // Every number the program asks for needs both texts.
    ASSERT_FALSE(BenutzteTexte().empty());
    for (int n : BenutzteTexte()) {
        for (int nummer : {n, n + 10000}) {
            EXPECT_FALSE(TextNummer(nummer).empty()) << nummer;
            EXPECT_NE(TextNummer(nummer), "-") << nummer;
        }
    }
}

TEST(TexteTest, MessagesExpandMarkers) {
    const std::string_view crlf = "\r\n";
    const struct {
        std::string_view text;
        std::initializer_list<std::pair<std::string_view, std::string_view>> paare;
        std::string_view ergebnis;
    } fälle[] = {
        {TextNummer(3015),
         {{"|1", crlf}, {"|2", crlf}, {"|3", "\r\n10107"}},
         "Fehler beim Laden der KMF-Datei:\r\n10107\r\nBitte erneut versuchen.\r\nMöglicherweise "
         "müssen Sie das Programm neu starten!"},
        {"|Datei| und |DATEI| und |datei|", {{"|Datei|", "x"}}, "x und x und x"},
        {"Maße: |ÄRGER| |ärger|", {{"|Ärger|", "y"}}, "Maße: y y"},
        {"|1 und |1", {{"|1", "<|1>"}}, "<|1> und <|1>"}, // own marker inside is kept
    };
    for (const auto& f : fälle)
        EXPECT_EQ(Meldungstext(f.text, f.paare), f.ergebnis) << f.text;
}

TEST(TexteTest, SpracheEinstellenFallsBackToGerman) {
    const std::pair<int16_t, std::string_view> fälle[] = {
        {11000, "11000|TDC|BDC|Volume|MEP|Vapro15e.hlp|[rpm]|rpm"},
        {5000, "1000|OT|UT|Füllung|PM|Vapro15.hlp|[U/min]|U/min"},
    };
    Sprache s; // one object throughout: nothing of the previous language may stay
    for (const auto& [eingabe, erwartet] : fälle) {
        SpracheEinstellen(s, eingabe);
        EXPECT_EQ(std::to_string(s.Sprachbasis) + "|" + s.TextOT + "|" + s.TextUT + "|" +
                      s.TextFüllung + "|" + s.TextPM + "|" + s.Hilfedatei + "|" +
                      s.EinheitDrehzahlK + "|" + s.EinheitDrehzahl,
                  erwartet);
    }
}

} // namespace
} // namespace vapro
