#include "analysis/Dampftafel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "persist/Texte.h"
#include "persist/Zahlenformat.h"

namespace vapro {
namespace {

namespace fs = std::filesystem;

// A small table of the SI kind: three data rows below names and units.
const std::string KleineTafel = R"("Test"
"Zeilen",4
"Spalten",4
"Fixierte Zeilen",2
"Fixierte Spalten",1
"p",1
"t",2
"v'",4
"v''",3
"p","t","v'","v''"
"bar","°C","m³/kg","m³/kg"
1.0,99.61,0.0010,1.694
2.0,120.21,0.0011,0.886
3.0,133.52,0.0011,0.606
)";

// Temporary folder of one test, removed afterwards.
class DampftafelDateiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        ordner_ =
            fs::temp_directory_path() / ("vapro-dampftafel-" + std::string(info->name()) + "-" +
                                         std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::create_directories(ordner_);
    }
    void TearDown() override { fs::remove_all(ordner_); }

    fs::path Schreiben(const std::string& name, const std::string& inhalt) {
        const auto pfad = ordner_ / name;
        std::ofstream(pfad, std::ios::binary) << inhalt;
        return pfad;
    }

    fs::path ordner_;
};

std::vector<std::string> AlleFelder(std::string_view text, std::string* fehler = nullptr) {
    Feldleser leser(text);
    std::vector<std::string> felder;
    while (auto f = leser.Nächstes())
        felder.push_back(f->Text);
    if (fehler) *fehler = leser.Fehler();
    return felder;
}

double Zahl(std::string_view text) {
    const auto z = LiesZahl(text);
    EXPECT_TRUE(z) << "not a number: " << text;
    return z.value_or(NAN);
}

// --- Fields -----------------------------------------------------------------------

TEST(DampftafelFeldleser, SplitsFieldsByTheCommaRules) {
    struct Fall {
        std::string text;
        std::vector<std::string> felder;
    };
    const std::vector<Fall> fälle = {
        {"a,b,c", {"a", "b", "c"}},
        {"  a \t,  b c ", {"a", "b c"}},
        {"\"x, y\",z", {"x, y", "z"}},
        {"\"  kept  \" , 2", {"  kept  ", "2"}},
        {"\"say \"\"hi\"\"\",1", {"say \"hi\"", "1"}},
        {"v'',x\"y", {"v''", "x\"y"}},
        {"a,,b", {"a", "", "b"}},
        // Line ends separate like commas but never add empty fields.
        {"a,\nb\r\n\r\n\rc\n", {"a", "b", "c"}},
        {"1\n2,3", {"1", "2", "3"}},
        {"\"two\nlines\",4", {"two\nlines", "4"}},
        {"", {}},
        {" \n\r\n ", {}},
    };
    for (const auto& f : fälle) {
        std::string fehler;
        EXPECT_EQ(AlleFelder(f.text, &fehler), f.felder) << f.text;
        EXPECT_EQ(fehler, "") << f.text;
    }
}

TEST(DampftafelFeldleser, MalformedQuotesStopTheReadingWithTheLine) {
    struct Fall {
        std::string text;
        std::vector<std::string> davor;
        int zeile;
    };
    const std::vector<Fall> fälle = {
        {"a,\n\"open", {"a"}, 2},
        {"a\n\"x\"y,b", {"a"}, 2},
        {"\"ok\"\n\"a\nb", {"ok"}, 3},
    };
    for (const auto& f : fälle) {
        Feldleser leser(f.text);
        std::vector<std::string> felder;
        while (auto feld = leser.Nächstes())
            felder.push_back(feld->Text);
        EXPECT_EQ(felder, f.davor) << f.text;
        EXPECT_NE(leser.Fehler(), "") << f.text;
        EXPECT_EQ(leser.Zeile(), f.zeile) << f.text;
        EXPECT_FALSE(leser.Nächstes()) << "reading goes on after a fault";
    }
}

TEST(DampftafelFeldleser, FieldsKnowTheirLine) {
    Feldleser leser("a,\r\nb\n\n  c,\"d\ne\",f");
    std::vector<int> zeilen;
    while (auto f = leser.Nächstes())
        zeilen.push_back(f->Zeile);
    EXPECT_EQ(zeilen, (std::vector<int>{1, 2, 4, 4, 5}));
}

// --- Cells --------------------------------------------------------------------------

TEST(DampftafelZelle, NumbersGetTheColumnsDecimalsOtherTextStays) {
    struct Fall {
        std::string feld;
        int format;
        std::string gezeigt;
    };
    const std::vector<Fall> fälle = {
        {"12", 3, "12.000"},       {"1.25", 1, "1.3"},         {"2.675", 2, "2.68"},
        {"7.5", 0, "8"},           {"1e3", 0, "1000"},         {"-0.001", 2, "0.00"},
        {"0.0355", 6, "0.035500"}, {"bar", 2, "bar"},          {"", 4, ""},
        {"nan", 2, "nan"},         {"1e999", 1, "1e999"},      {"1.2.3", 1, "1.2.3"},
        {"3.14159", 9, "3.14159"}, {"3.14159", -1, "3.14159"},
    };
    for (const auto& f : fälle)
        EXPECT_EQ(ZelleAnzeigen(f.feld, f.format), f.gezeigt) << f.feld << " / " << f.format;
}

// --- Building the grid ----------------------------------------------------------------

TEST(DampftafelLesen, FillsTheGridFormattedByColumn) {
    const auto e = DampftafelLesen(KleineTafel, "klein.txt");
    ASSERT_TRUE(e.Ok()) << e.Fehler->Grund;
    const auto& t = e.Tafel;
    EXPECT_EQ(t.Zeilen(), 5);
    EXPECT_EQ(t.Spalten(), 4);
    EXPECT_EQ(t.FixeZeilen, 2);
    EXPECT_EQ(t.FixeSpalten, 1);
    EXPECT_EQ(t.Formate, (std::vector<int>{1, 2, 4, 3}));
    EXPECT_EQ(t.Zelle(0, 4), "v''");
    EXPECT_EQ(t.Zelle(1, 2), "°C");
    EXPECT_EQ(t.Zelle(2, 1), "1.0");
    EXPECT_EQ(t.Zelle(3, 3), "0.0011");
    EXPECT_EQ(t.Zelle(4, 4), "0.606");
    EXPECT_EQ(t.Zelle(4, 5), "") << "outside the columns";
    EXPECT_EQ(t.Zelle(5, 1), "") << "outside the rows";
}

TEST(DampftafelLesen, LayoutOfLinesDoesNotMatter) {
    // Same fields, one per line, with blank lines, CR LF ends and a byte-order mark.
    std::string umgebrochen = "\xEF\xBB\xBF";
    for (const auto& f : AlleFelder(KleineTafel)) {
        std::string feld = f;
        if (feld.empty() || feld.front() < '0' || feld.front() > '9') feld = '"' + feld + '"';
        umgebrochen += "  " + feld + " ,\r\n\r\n";
    }
    const auto a = DampftafelLesen(KleineTafel, "a");
    const auto b = DampftafelLesen(umgebrochen, "b");
    ASSERT_TRUE(b.Ok()) << b.Fehler->Grund;
    EXPECT_EQ(a.Tafel.Zellen, b.Tafel.Zellen);
    EXPECT_EQ(a.Tafel.Formate, b.Tafel.Formate);
}

TEST(DampftafelLesen, NoRowsAfterTheHeadingGivesOnlyRowZero) {
    const auto e = DampftafelLesen("T,Z,0,S,2,F,1,F,0,a,0,b,3,x,y", "null.txt");
    ASSERT_TRUE(e.Ok());
    EXPECT_EQ(e.Tafel.Zeilen(), 1);
    EXPECT_EQ(e.Tafel.Zelle(0, 2), "y");
}

TEST(DampftafelLesen, BadHeadersAndShortFilesFailWithTheFileName) {
    struct Fall {
        std::string text;
        std::string grund; // part of the reason
    };
    const std::string kopf = "T,Z,1,S,2,F,1,F,0,";
    const std::vector<Fall> fälle = {
        {"", "title"},
        {"T,Z", "row count"},
        {"T,Z,-1,S,2,F,1,F,0", "row count"},
        {"T,Z,x,S,2,F,1,F,0", "row count"},
        {"T,Z,1,S,0,F,1,F,0", "column count"},
        {"T,Z,1,S,21,F,1,F,0", "from 1 to 20"},
        {"T,Z,1,S,2.5,F,1,F,0", "column count"},
        {"T,Z,1,S,2,F,-3,F,0", "fixed row count"},
        {"T,Z,1,S,2,F,1,F,1e99", "fixed column count"},
        {kopf + "a,7,b,0", "format code of column 1"},
        {kopf + "a,0,b,-1", "format code of column 2"},
        {kopf + "a,0,b,1,x,y,1", "cell (1, 2)"},
        {kopf + "a,0,b,1,\"x,y,1,2", "never closed"},
        {kopf + "a,0,b,1,\"x\"!,y,1,2", "after the closing quote"},
    };
    for (const auto& f : fälle) {
        const auto e = DampftafelLesen(f.text, "kaputt.txt");
        ASSERT_FALSE(e.Ok()) << f.text;
        EXPECT_EQ(e.Fehler->Dateiname, "kaputt.txt");
        EXPECT_NE(e.Fehler->Grund.find(f.grund), std::string::npos)
            << f.text << " -> " << e.Fehler->Grund;
    }
}

TEST(DampftafelLesen, FailureKeepsTheRowsFilledBeforeIt) {
    const std::string gekürzt = KleineTafel.substr(0, KleineTafel.find("120.21") + 6);
    const auto e = DampftafelLesen(gekürzt, "kurz.txt");
    ASSERT_FALSE(e.Ok());
    EXPECT_NE(e.Fehler->Grund.find("cell (3, 3)"), std::string::npos) << e.Fehler->Grund;
    ASSERT_EQ(e.Tafel.Zeilen(), 4);
    EXPECT_EQ(e.Tafel.Zelle(2, 4), "1.694");
    EXPECT_EQ(e.Tafel.Zelle(3, 2), "120.21");
    EXPECT_EQ(e.Tafel.Zelle(3, 3), "");
}

// --- Lookup ----------------------------------------------------------------------------

TEST(DampftafelSuche, FirstRowAtOrAboveTheChestPressure) {
    const auto tafel = DampftafelLesen(KleineTafel, "klein.txt").Tafel;
    struct Fall {
        float PO1;
        int zeile; // 0: none
    };
    const std::vector<Fall> fälle = {
        {0.2f, 2},   {1.0f, 2}, {1.01f, 3},  {1.5f, 3}, {2.0f, 3},
        {2.999f, 4}, {3.0f, 4}, {3.001f, 0}, {NAN, 0},
    };
    for (const auto& f : fälle) {
        const auto z = DampfzustandSuchen(tafel, f.PO1, Dampftafelart::SI);
        ASSERT_EQ(z.has_value(), f.zeile != 0) << f.PO1;
        if (!z) continue;
        EXPECT_EQ(z->Zeile, f.zeile) << f.PO1;
        EXPECT_EQ(z->Druck, Zahl(tafel.Zelle(f.zeile, 1)));
        EXPECT_EQ(z->Sättigungstemperatur, tafel.Zelle(f.zeile, 2));
        EXPECT_EQ(z->V2Strich, tafel.Zelle(f.zeile, 4));
        EXPECT_EQ(z->V2StrichZahl, Zahl(tafel.Zelle(f.zeile, 4)));
    }
}

TEST(DampftafelSuche, ChestPressureInSinglePrecisionMatchesItsRow) {
    // 1.1f lies above the double 1.1; the row typed as 1.1 must still match.
    const auto tafel = DampftafelLesen("T,Z,3,S,4,F,2,F,1,p,1,t,2,a,0,v,3,"
                                       "p,t,a,v,bar,C,x,m3,1.1,102.32,0,1.549,1.2,104.81,0,1.428",
                                       "t")
                           .Tafel;
    const auto z = DampfzustandSuchen(tafel, 1.1f, Dampftafelart::SI);
    ASSERT_TRUE(z);
    EXPECT_EQ(z->Zeile, 2);
}

TEST(DampftafelSuche, StopsAtAPressureThatIsNoNumber) {
    auto tafel = DampftafelLesen(KleineTafel, "klein.txt").Tafel;
    tafel.Zellen[3][0] = "zwei";
    EXPECT_TRUE(DampfzustandSuchen(tafel, 1.0f, Dampftafelart::SI));
    EXPECT_FALSE(DampfzustandSuchen(tafel, 2.5f, Dampftafelart::SI));
}

TEST(DampftafelSuche, UsTableTakesVolumeFromColumnSix) {
    const auto tafel = DampftafelLesen("T,Z,2,S,6,F,2,F,1,a,0,b,0,c,0,d,0,e,0,f,2,"
                                       "p,t,c,d,e,v,psia,F,,,,cu ft/lb,15,213,1,2,3,26.29",
                                       "us")
                           .Tafel;
    const auto z = DampfzustandSuchen(tafel, 14.7f, Dampftafelart::US);
    ASSERT_TRUE(z);
    EXPECT_EQ(z->Sättigungstemperatur, "213");
    EXPECT_EQ(z->V2Strich, "26.29");
}

TEST(DampftafelSuche, CheckNamesWhatTheLookupCannotUse) {
    const auto gut = DampftafelLesen(KleineTafel, "klein.txt").Tafel;
    EXPECT_EQ(DampftafelPrüfen(gut, Dampftafelart::SI), std::nullopt);
    EXPECT_NE(DampftafelPrüfen(gut, Dampftafelart::US), std::nullopt) << "no column 6";

    struct Fall {
        int zeile, spalte;
        std::string text, grund;
    };
    const std::vector<Fall> fälle = {
        {3, 1, "zwei", "row 3: pressure"},
        {4, 1, "1.5", "row 4: pressure lower"},
        {2, 2, "", "row 2: saturation temperature"},
        {3, 4, "0", "row 3: v''"},
        {4, 4, "-1", "row 4: v''"},
    };
    for (const auto& f : fälle) {
        auto t = gut;
        t.Zellen[f.zeile][f.spalte - 1] = f.text;
        const auto grund = DampftafelPrüfen(t, Dampftafelart::SI);
        ASSERT_TRUE(grund) << f.grund;
        EXPECT_NE(grund->find(f.grund), std::string::npos) << *grund;
    }
    auto nurKopf = gut;
    nurKopf.Zellen.resize(2);
    EXPECT_NE(DampftafelPrüfen(nurKopf, Dampftafelart::SI), std::nullopt);
}

// --- Files -------------------------------------------------------------------------------

TEST_F(DampftafelDateiTest, LoadsAFileAndNamesItInEveryFailure) {
    EXPECT_TRUE(DampftafelLaden(Schreiben("gut.txt", KleineTafel)).Ok());

    const std::vector<std::pair<fs::path, std::string>> fälle = {
        {ordner_ / "fehlt.txt", "fehlt.txt"},
        {ordner_, ordner_.filename().string()},
        {Schreiben("leer.txt", ""), "leer.txt"},
        {Schreiben("Dampftafel SI.txt", KleineTafel.substr(0, 90)), "Dampftafel SI.txt"},
        {Schreiben("riesig.txt", std::string(DampftafelMaxBytes + 1, ' ')), "riesig.txt"},
    };
    for (const auto& [pfad, name] : fälle) {
        const auto e = DampftafelLaden(pfad);
        ASSERT_FALSE(e.Ok()) << pfad;
        EXPECT_EQ(e.Fehler->Dateiname, name);
        EXPECT_FALSE(e.Fehler->Grund.empty());
    }
}

TEST_F(DampftafelDateiTest, TableUnfitForTheLookupFailsToLoadForIt) {
    const auto pfad = Schreiben("Dampftafel US.txt", KleineTafel);
    EXPECT_TRUE(DampftafelLaden(pfad).Ok());
    const auto e = DampftafelLadenFürSuche(pfad, Dampftafelart::US);
    ASSERT_FALSE(e.Ok());
    EXPECT_EQ(e.Fehler->Dateiname, "Dampftafel US.txt");
}

TEST(DampftafelMeldung, FramesTheFileNameInBothLanguages) {
    const DampftafelFehler f{"Dampftafel SI.txt", "file not found"};
    Sprache s;
    SpracheEinstellen(s, SprachbasisDeutsch);
    EXPECT_EQ(DampftafelMeldung(s, f), "Fehler beim Laden der Dampftafel-Datei: '  Dampftafel "
                                       "SI.txt  '\n Bitte erneut versuchen.");
    SpracheEinstellen(s, SprachbasisEnglisch);
    EXPECT_EQ(DampftafelMeldung(s, f),
              "Error in loading steam table file: '  Dampftafel SI.txt  '\n Please try again.");
}

// --- The shipped tables --------------------------------------------------------------------

Dampftafel Mitgeliefert(Dampftafelart art) {
    const auto e = DampftafelLadenFürSuche(DampftafelPfad(art), art);
    EXPECT_TRUE(e.Ok()) << e.Fehler->Dateiname << ": " << e.Fehler->Grund;
    return e.Tafel;
}

TEST(DampftafelMitgeliefert, UnitKeyChoosesTheShippedFile) {
    EXPECT_EQ(DampftafelPfad(DampftafelartFürEinheit("[mm]")).filename(), "Dampftafel SI.txt");
    EXPECT_EQ(DampftafelPfad(DampftafelartFürEinheit("[inch]")).filename(), "Dampftafel US.txt");
    EXPECT_EQ(DampftafelartFürEinheit("[MM]"), Dampftafelart::US);
    EXPECT_EQ(Mitgeliefert(Dampftafelart::SI).Zelle(1, 4), "m³/kg");
    EXPECT_EQ(Mitgeliefert(Dampftafelart::US).Zelle(1, 6), "cu ft/lb");
}

// Published IAPWS-IF97 saturation values: pressure in bar, temperature in K
// (verification values of the saturation-pressure equation), v'' in m³/kg.
TEST(DampftafelMitgeliefert, SiRowsMatchPublishedIf97Values) {
    const auto tafel = Mitgeliefert(Dampftafelart::SI);
    struct Wert {
        float p;
        double T, v2;
    };
    const std::vector<Wert> werte = {
        {1.0f, 372.755919, 1.6940},
        {10.0f, 453.035632, 0.19435},
        {100.0f, 584.149488, 0.018034},
        {220.64f, 647.096, 1.0 / 322.0},
    };
    for (const auto& w : werte) {
        const auto z = DampfzustandSuchen(tafel, w.p, Dampftafelart::SI);
        ASSERT_TRUE(z) << w.p;
        EXPECT_FLOAT_EQ(static_cast<float>(z->Druck), w.p);
        EXPECT_NEAR(Zahl(z->Sättigungstemperatur), w.T - 273.15, 0.005) << w.p;
        EXPECT_NEAR(*z->V2StrichZahl, w.v2, w.v2 * 2e-4 + 5e-6) << w.p;
    }
    EXPECT_EQ(DampfzustandSuchen(tafel, 220.65f, Dampftafelart::SI), std::nullopt);
}

// Each US row converted to SI must lie between the SI rows around its pressure.
TEST(DampftafelMitgeliefert, UsRowsAgreeWithSiRowsByUnitConversion) {
    const auto si = Mitgeliefert(Dampftafelart::SI);
    const auto us = Mitgeliefert(Dampftafelart::US);
    constexpr double BarProPsi = 0.0689475729317831;
    constexpr double M3kgProFt3lb = 0.3048 * 0.3048 * 0.3048 / 0.45359237;
    int geprüft = 0;
    for (int r = ErsteDatenzeile; r < us.Zeilen(); ++r) {
        const double p = Zahl(us.Zelle(r, 1)) * BarProPsi;
        const double t = (Zahl(us.Zelle(r, 2)) - 32.0) / 1.8;
        const double v = Zahl(us.Zelle(r, 6)) * M3kgProFt3lb;
        const auto oben = DampfzustandSuchen(si, static_cast<float>(p), Dampftafelart::SI);
        if (!oben || oben->Zeile == ErsteDatenzeile) continue; // outside the SI range
        const int u = oben->Zeile - 1;
        // Half a unit of the last shown digit of either table as slack.
        EXPECT_GE(t, Zahl(si.Zelle(u, 2)) - 0.006) << us.Zelle(r, 1) << " psia";
        EXPECT_LE(t, Zahl(oben->Sättigungstemperatur) + 0.006) << us.Zelle(r, 1) << " psia";
        EXPECT_LE(v, Zahl(si.Zelle(u, 4)) * 1.001 + 5e-6) << us.Zelle(r, 1) << " psia";
        EXPECT_GE(v, *oben->V2StrichZahl * 0.999 - 5e-6) << us.Zelle(r, 1) << " psia";
        ++geprüft;
    }
    EXPECT_GT(geprüft, 500);
    // Normal boiling point, 14.696 psia: 99.974 °C = 211.953 °F with
    // v'' = 1.6733 m³/kg = 26.80 cu ft/lb; interpolated between the rows around it.
    const auto oben = DampfzustandSuchen(us, 14.696f, Dampftafelart::US);
    ASSERT_TRUE(oben);
    const int u = oben->Zeile - 1;
    const double anteil = (14.696 - Zahl(us.Zelle(u, 1))) / (oben->Druck - Zahl(us.Zelle(u, 1)));
    const auto zwischen = [&](int spalte) {
        const double a = Zahl(us.Zelle(u, spalte));
        return a + anteil * (Zahl(us.Zelle(oben->Zeile, spalte)) - a);
    };
    EXPECT_NEAR(zwischen(2), 211.953, 0.01);
    EXPECT_NEAR(zwischen(6), 26.80, 0.01);
}

// Rows that contradict each other point at a wrong column or unit.
TEST(DampftafelMitgeliefert, RowsArePhysicallyConsistent) {
    for (auto art : {Dampftafelart::SI, Dampftafelart::US}) {
        const auto t = Mitgeliefert(art);
        // Columns of h', h'', latent heat, s', s'' and the density of steam.
        const bool si = art == Dampftafelart::SI;
        const int hl = si ? 6 : 3, hv = si ? 7 : 5, r = si ? 8 : 4;
        const int sl = si ? 9 : 8, sv = 10, rho = si ? 5 : 7, v2 = V2StrichSpalte(art);
        for (int z = ErsteDatenzeile; z < t.Zeilen(); ++z) {
            const std::string wo =
                std::string(DampftafelDateiname(art)) + " row " + std::to_string(z);
            EXPECT_NEAR(Zahl(t.Zelle(z, hv)) - Zahl(t.Zelle(z, hl)), Zahl(t.Zelle(z, r)), 0.011)
                << wo;
            EXPECT_NEAR(Zahl(t.Zelle(z, rho)) * Zahl(t.Zelle(z, v2)), 1.0, 2e-3) << wo;
            EXPECT_GE(Zahl(t.Zelle(z, sv)), Zahl(t.Zelle(z, sl))) << wo;
            if (z > ErsteDatenzeile) {
                EXPECT_GT(Zahl(t.Zelle(z, 2)), Zahl(t.Zelle(z - 1, 2)) - 1e-9) << wo;
                EXPECT_LT(Zahl(t.Zelle(z, v2)), Zahl(t.Zelle(z - 1, v2))) << wo;
            }
        }
        // The last row is the critical point: no latent heat left.
        EXPECT_EQ(Zahl(t.Zelle(t.Zeilen() - 1, r)), 0.0);
    }
}

// In the working range the row found never lies more than 2 % above the
// chest pressure asked for.
TEST(DampftafelMitgeliefert, RowsAreDenseInTheWorkingRange) {
    struct Bereich {
        Dampftafelart art;
        double von, bis;
    };
    for (const auto& b :
         {Bereich{Dampftafelart::SI, 1.0, 30.0}, Bereich{Dampftafelart::US, 15.0, 450.0}}) {
        const auto t = Mitgeliefert(b.art);
        ASSERT_LE(Zahl(t.Zelle(ErsteDatenzeile, 1)), b.von);
        ASSERT_GE(Zahl(t.Zelle(t.Zeilen() - 1, 1)), b.bis);
        for (int z = ErsteDatenzeile + 1; z < t.Zeilen(); ++z) {
            const double unten = Zahl(t.Zelle(z - 1, 1)), oben = Zahl(t.Zelle(z, 1));
            if (oben <= b.von || unten >= b.bis) continue;
            // The worst request lies just above the lower row (or at the range start).
            EXPECT_LE(oben, std::max(unten, b.von) * 1.02 * (1 + 1e-12))
                << DampftafelDateiname(b.art) << ": " << unten << " -> " << oben;
        }
    }
}

} // namespace
} // namespace vapro
