#include "core/analysis/Dampftafel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <random>
#include <tuple>

#include "core/numbers/Zahlenformat.h"
#include "core/persist/Texte.h"

namespace vapro {
namespace {

namespace fs = std::filesystem;

// A small table of the SI kind: three data rows below names and units. The
// first pressure, 1.1, lies below the single-precision 1.1f a user types.
// The title and row 0 exercise the field rules: a comma and quotes inside
// quotes, trimmed blanks, an empty field.
const std::string KleineTafel =
    "\"Test, SI\"\nZeilen,4\nSpalten,4\nFixierte Zeilen,2\nFixierte Spalten,1\n"
    "p,1,t,2,v',4,v'',3\n  p \t,\"t, \"\"sat\"\"\",,v''\nbar,°C,m³/kg,m³/kg\n"
    "1.1,102.32,0.0010,1.549\n2.0,120.21,0.0011,0.886\n3.0,133.52,0.0011,0.606\n";
// The same cut off in the middle of data row 3.
const std::string Gekürzt = KleineTafel.substr(0, KleineTafel.find("120.21") + 6);

const auto Zahl = [](std::string_view text) { return LiesZahl(text).value_or(NAN); };

TEST(DampftafelZelle, NumbersGetTheColumnsDecimalsOtherTextStays) {
    const std::vector<std::tuple<std::string, int, std::string>> fälle = {
        {"2.675", 2, "2.68"}, {"-0.001", 2, "0.00"}, {"bar", 2, "bar"}};
    for (const auto& [feld, format, gezeigt] : fälle)
        EXPECT_EQ(ZelleAnzeigen(feld, format), gezeigt) << feld << " / " << format;
}

TEST(DampftafelLesen, FillsTheGridWhateverTheLineLayout) {
    // The same fields after a byte-order mark, with a comma before every line
    // end, CR LF and lone CR ends and blank lines.
    std::string anders = "\xEF\xBB\xBF";
    for (char c : KleineTafel)
        anders += c == '\n' ? std::string(" ,\r\n\r\n\r") : std::string(1, c);
    for (const auto& text : {KleineTafel, anders}) {
        const auto e = DampftafelLesen(text, "klein.txt");
        ASSERT_TRUE(e.Ok()) << e.Fehler->Grund;
        const auto& t = e.Tafel;
        EXPECT_EQ(std::tie(t.FixeZeilen, t.FixeSpalten), std::make_tuple(2, 1));
        EXPECT_EQ(t.Formate, (std::vector<int>{1, 2, 4, 3}));
        ASSERT_EQ(t.Zeilen(), 5);
        EXPECT_EQ(t.Zellen[0], (std::vector<std::string>{"p", "t, \"sat\"", "", "v''"}));
        EXPECT_EQ(t.Zellen[2], (std::vector<std::string>{"1.1", "102.32", "0.0010", "1.549"}));
        EXPECT_EQ(t.Zelle(1, 2), "°C");
        EXPECT_EQ(t.Zelle(4, 5), "") << "outside the columns";
        EXPECT_EQ(t.Zelle(5, 1), "") << "outside the rows";
    }
    EXPECT_EQ(DampftafelLesen("T,Z,0,S,2,F,1,F,0,a,0,b,3,x,y", "null").Tafel.Zeilen(), 1);
}

TEST(DampftafelLesen, BadOrShortFilesFailWithTheFileName) {
    const std::string kopf = "T,Z,1,S,2,F,1,F,0,";
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> fälle = {
        {"", "title"}, {"T\r\nZ,1\r\nS,2.5,F,1,F,0", "line 3: column count"},
        {kopf + "a,7,b,0", "format code of column 1"}, {Gekürzt, "cell (3, 3)"},
        {kopf + "a,0,b,1,\n\"x,y,1,2", "opened in line 2 is never closed"}};
    // clang-format on
    for (const auto& [text, grund] : fälle) {
        const auto e = DampftafelLesen(text, "kaputt.txt");
        ASSERT_FALSE(e.Ok()) << text;
        EXPECT_EQ(e.Fehler->Dateiname, "kaputt.txt");
        EXPECT_NE(e.Fehler->Grund.find(grund), std::string::npos) << e.Fehler->Grund;
    }
    // A failure keeps the rows filled before it.
    const auto kurz = DampftafelLesen(Gekürzt, "kurz.txt").Tafel;
    EXPECT_EQ(kurz.Zeilen(), 4);
    EXPECT_EQ(kurz.Zelle(3, 2), "120.21");
}

TEST(DampftafelSuche, FirstRowAtOrAboveTheChestPressure) {
    auto tafel = DampftafelLesen(KleineTafel, "klein.txt").Tafel;
    // clang-format off
    const std::vector<std::pair<float, int>> fälle = { // row 0: none
        {1.1f, 2}, {1.5f, 3}, {3.0f, 4}, {3.001f, 0}};
    // clang-format on
    for (const auto& [PO1, zeile] : fälle) {
        const auto z = DampfzustandSuchen(tafel, PO1, Dampftafelart::SI);
        EXPECT_EQ(z ? z->Zeile : 0, zeile) << PO1;
        if (!z) continue;
        EXPECT_EQ(z->Sättigungstemperatur, tafel.Zelle(zeile, 2));
        EXPECT_EQ(z->V2StrichZahl, Zahl(tafel.Zelle(zeile, 4)));
    }
    // A pressure that is no number ends the search.
    tafel.Zellen[3][0] = "zwei";
    EXPECT_TRUE(DampfzustandSuchen(tafel, 1.0f, Dampftafelart::SI));
    EXPECT_FALSE(DampfzustandSuchen(tafel, 2.5f, Dampftafelart::SI));
}

TEST(DampftafelSuche, CheckNamesWhatTheLookupCannotUse) {
    const auto gut = DampftafelLesen(KleineTafel, "klein.txt").Tafel;
    EXPECT_EQ(DampftafelPrüfen(gut, Dampftafelart::SI), std::nullopt);
    EXPECT_NE(DampftafelPrüfen(gut, Dampftafelart::US), std::nullopt) << "no column 6";
    const std::vector<std::tuple<int, int, std::string, std::string>> fälle = {
        {4, 1, "2.0", "row 4: pressure not higher"},
        {3, 4, "0", "row 3: v''"},
    };
    for (const auto& [zeile, spalte, text, grund] : fälle) {
        auto t = gut;
        t.Zellen[zeile][spalte - 1] = text;
        EXPECT_NE(DampftafelPrüfen(t, Dampftafelart::SI).value_or("").find(grund),
                  std::string::npos);
    }
}

TEST(DampftafelDatei, LoadsAFileAndNamesItInEveryFailure) {
    const fs::path ordner =
        fs::temp_directory_path() / ("vapro-dampftafel-" + std::to_string(std::random_device{}()));
    fs::create_directories(ordner);
    const auto datei = [&](const std::string& name, const std::string& inhalt) {
        std::ofstream(ordner / name, std::ios::binary) << inhalt;
        return ordner / name;
    };
    EXPECT_TRUE(DampftafelLaden(datei("gut.txt", KleineTafel)).Ok());
    const std::vector<std::pair<DampftafelErgebnis, std::string>> fälle = {
        {DampftafelLaden(ordner / "fehlt.txt"), "fehlt.txt"},
        {DampftafelLaden(datei("Dampftafel SI.txt", Gekürzt)), "Dampftafel SI.txt"},
        // Well formed, but without the US table's v'' column.
        {DampftafelLadenFürSuche(datei("US.txt", KleineTafel), Dampftafelart::US), "US.txt"},
    };
    fs::remove_all(ordner);
    for (const auto& [e, name] : fälle) {
        ASSERT_FALSE(e.Ok()) << name;
        EXPECT_EQ(e.Fehler->Dateiname, name);
    }
}

TEST(DampftafelMeldung, FramesTheFileNameAndGivesTheCause) {
    Sprache en;
    SpracheEinstellen(en, SprachbasisEnglisch);
    const auto fehlt = std::make_error_code(std::errc::no_such_file_or_directory);
    EXPECT_EQ(
        DampftafelMeldung(en, {"Dampftafel SI.txt", "", DampftafelFehler::Art::Datei, 0, fehlt}),
        "Error in loading steam table file: '  Dampftafel SI.txt  '\n Please try again.\nThe "
        "file or its folder does not exist.");
}

// Damaged tables, one to three random changes each (a cut, a flipped byte,
// an awkward token, a line dropped): each either loads a grid the views can
// walk without checks or fails with the file name, and the lookup survives
// whatever came back.
TEST(DampftafelRobust, DamagedTablesLoadOrFailWithTheFileName) {
    const std::string Ersatz[] = {"abc", "-1e308", "NaN", "", "\"", ",,,", "\"x,y\""};
    std::mt19937 zufall(20240611u);
    const auto zahl = [&](std::size_t bis) { return zufall() % (bis + 1); };
    int gut = 0, schlecht = 0;
    for (int i = 0; i < 300; ++i) {
        std::string text = KleineTafel;
        for (auto n = zahl(2) + 1; n > 0; --n) {
            const std::size_t pos = zahl(text.size()), zeile = text.rfind('\n', pos) + 1;
            // clang-format off
            switch (zahl(3)) {
            case 0: text.resize(pos); break;
            case 1: if (pos < text.size()) text[pos] ^= static_cast<char>(zahl(254) + 1); break;
            case 2: text.insert(pos, Ersatz[zahl(std::size(Ersatz) - 1)]); break;
            default: text.erase(zeile, std::min(text.find('\n', pos), text.size()) + 1 - zeile);
            }
            // clang-format on
        }
        const auto e = DampftafelLesen(text, "t.txt");
        if (e.Ok()) {
            ++gut;
            ASSERT_TRUE(e.Tafel.Spalten() >= 1 && e.Tafel.Zeilen() >= 1) << text;
            for (const auto& z : e.Tafel.Zellen)
                ASSERT_EQ(z.size(), e.Tafel.Formate.size()) << text;
        } else {
            ++schlecht;
            ASSERT_EQ(e.Fehler->Dateiname, "t.txt") << text;
        }
        if (const auto z =
                DampfzustandSuchen(e.Tafel, static_cast<float>(zahl(40)) / 10, Dampftafelart::SI)) {
            ASSERT_LT(z->Zeile, e.Tafel.Zeilen());
        }
    }
    EXPECT_GT(gut, 30);
    EXPECT_GT(schlecht, 30);
}

// --- The shipped tables ----------------------------------------------------------

Dampftafel Mitgeliefert(Dampftafelart art) {
    const auto e = DampftafelLadenFürSuche(DampftafelPfad(art, VAPRO_DATA_DIR), art);
    EXPECT_TRUE(e.Ok()) << e.Fehler->Dateiname << ": " << e.Fehler->Grund;
    return e.Tafel;
}

// Published IAPWS-IF97 saturation values: T from the verification values of
// the saturation-pressure equation, v'' at 0.1, 1 and 10 MPa and the critical
// point. Converted to the units of the table the unit key chooses (bar, °C,
// m³/kg or psia, °F, cu ft/lb) and read linearly between its rows.
TEST(DampftafelMitgeliefert, BothTablesMatchPublishedIf97Values) {
    EXPECT_EQ(DampftafelartFürEinheit("[MM]"), Dampftafelart::US);
    // MPa, K, v'' in m³/kg
    const std::tuple<double, double, double> werte[] = {{0.1, 372.755919, 1.6940},
                                                        {1.0, 453.035632, 0.19435},
                                                        {10.0, 584.149488, 0.018034},
                                                        {22.064, 647.096, 1.0 / 322.0}};
    for (const bool si : {true, false}) {
        const auto art = DampftafelartFürEinheit(si ? "[mm]" : "[inch]");
        const auto t = Mitgeliefert(art);
        // The last row is the critical point, its pressure rounded to the digits shown.
        const double pKrit = Zahl(t.Zelle(t.Zeilen() - 1, 1));
        for (const auto& [MPa, K, v2SI] : werte) {
            const double p = std::min(pKrit, si ? MPa * 10 : MPa * 1e6 / 6894.757293168);
            const double T = si ? K - 273.15 : (K - 273.15) * 1.8 + 32;
            const double v2 = si ? v2SI : v2SI * 0.45359237 / (0.3048 * 0.3048 * 0.3048);
            const auto oben = DampfzustandSuchen(t, static_cast<float>(p), art);
            ASSERT_TRUE(oben) << p;
            const auto wert = [&, u = oben->Zeile - 1](int c) {
                const double unten = Zahl(t.Zelle(u, c)), pu = Zahl(t.Zelle(u, 1));
                return unten + (p - pu) / (oben->Druck - pu) * (Zahl(t.Zelle(u + 1, c)) - unten);
            };
            EXPECT_NEAR(wert(2), T, 0.01) << DampftafelDateiname(art) << " at " << p;
            EXPECT_NEAR(wert(V2StrichSpalte(art)), v2, v2 * 2e-4 + (si ? 5e-6 : 5e-5)) << p;
        }
        EXPECT_FALSE(DampfzustandSuchen(t, static_cast<float>(pKrit) * 1.0001f, art));
    }
}

// In the working range the row found never lies more than 2 % above the
// chest pressure asked for.
TEST(DampftafelMitgeliefert, RowsAreDenseInTheWorkingRange) {
    const std::tuple<Dampftafelart, double, double> bereiche[] = {{Dampftafelart::SI, 1.0, 30.0},
                                                                  {Dampftafelart::US, 15.0, 450.0}};
    for (const auto& [art, von, bis] : bereiche) {
        const auto t = Mitgeliefert(art);
        ASSERT_LE(Zahl(t.Zelle(ErsteDatenzeile, 1)), von);
        ASSERT_GE(Zahl(t.Zelle(t.Zeilen() - 1, 1)), bis);
        for (int z = ErsteDatenzeile + 1; z < t.Zeilen(); ++z) {
            const double unten = Zahl(t.Zelle(z - 1, 1)), oben = Zahl(t.Zelle(z, 1));
            if (oben <= von || unten >= bis) continue;
            // The worst request lies just above the lower row (or at the range start).
            EXPECT_LE(oben, std::max(unten, von) * 1.02 * (1 + 1e-12))
                << DampftafelDateiname(art) << ": " << unten << " -> " << oben;
        }
    }
}

} // namespace
} // namespace vapro
