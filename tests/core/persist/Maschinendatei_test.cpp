#include "persist/Maschinendatei.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <streambuf>
#include <vector>

#include "Maschine.h"
#include "model/Felder.h"
#include "model/Schieber.h"
#include "persist/Zahlenformat.h"

namespace vapro {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kZeit = "24.12.2023,  18:30:00";

Sprache SpracheFür(int16_t basis) {
    Sprache s;
    SpracheEinstellen(s, basis);
    return s;
}
const Sprache kDeutsch = SpracheFür(SprachbasisDeutsch);
const Sprache kEnglisch = SpracheFür(SprachbasisEnglisch);

std::string Datei(const Modell& m, const Sprache& s = kDeutsch, std::string_view zeit = kZeit) {
    std::ostringstream out;
    EXPECT_TRUE(Speichern(m, out, s, zeit));
    return out.str();
}

Ladeergebnis LadenAus(Modell& m, const std::string& text, const Sprache& s = kDeutsch) {
    std::istringstream in(text);
    return Laden(m, in, s);
}

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    for (std::size_t anfang = 0; anfang < text.size();) {
        auto ende = text.find("\r\n", anfang);
        if (ende == std::string::npos) ende = text.size();
        zeilen.push_back(text.substr(anfang, ende - anfang));
        anfang = ende + 2;
    }
    return zeilen;
}

std::string Verbinden(const std::vector<std::string>& zeilen) {
    std::string text;
    for (const auto& z : zeilen)
        text += z + "\r\n";
    return text;
}

// Everything a load may change, for comparing models.
struct Abzug {
    std::vector<double> felder;
    std::string einheit, druckeinheit;
    float hub;
    int16_t stand;
    bool operator==(const Abzug&) const = default;
};
Abzug Abziehen(const Modell& m) {
    Abzug a{{}, m.Einheit, m.Druckeinheit, m.Hub, m.Geometriestand};
    for (const Feld& f : Felder())
        a.felder.push_back(FeldLesen(m, f));
    return a;
}

// A machine whose every stored field holds a value of its own, negatives and
// values between -1 and 1 among them.
Modell Belegt(bool mm) {
    Modell m = test::Standardmaschine(mm);
    for (const Feld& f : Felder()) {
        if (f.satz == 0) continue;
        const auto i = static_cast<int>(FeldSuchen(f.name) - Felder().data());
        double wert = 0;
        switch (f.größe) {
        case Größe::Farbe:
            wert = (0x10305 * i) % 0x1000000;
            break;
        case Größe::Ganzzahl:
            wert = i % 3 == 0 ? -i : i;
            break;
        case Größe::Bogenmaß:
            wert = -37.25;
            break;
        // Seven digits are what the file keeps of a single-precision value.
        default:
            wert = (i % 2 ? -1 : 1) * (0.013 * i + 0.3);
            break;
        }
        EXPECT_TRUE(FeldSetzen(m, f, wert)) << f.name;
    }
    m.Hub = 2 * m.KWRadius;
    return m;
}

TEST(MaschinendateiTest, SaveLoadSaveGivesTheSameFile) {
    for (bool mm : {true, false}) {
        for (const Sprache* s : {&kDeutsch, &kEnglisch}) {
            SCOPED_TRACE(testing::Message() << "mm " << mm << ", language " << s->Sprachbasis);
            const Modell quelle = Belegt(mm);
            const std::string erste = Datei(quelle, *s, "1.1.2000,  00:00");

            Modell ziel = test::Standardmaschine(!mm);
            ziel.Geometriestand = 17;
            // Loaded under German captions, whatever the file's language.
            const Ladeergebnis e = LadenAus(ziel, erste, kDeutsch);
            ASSERT_EQ(e.art, Ladeergebnis::Ok) << e.meldung;
            EXPECT_EQ(e.meldung, "");
            EXPECT_EQ(e.version, 34);
            for (const Feld& f : Felder()) {
                if (f.satz != 0) {
                    EXPECT_EQ(FeldLesen(ziel, f), FeldLesen(quelle, f)) << f.name;
                }
            }
            EXPECT_EQ(ziel.Einheit, quelle.Einheit);
            EXPECT_EQ(ziel.Druckeinheit, quelle.Druckeinheit);
            EXPECT_EQ(ziel.Hub, 2 * ziel.KWRadius);
            EXPECT_EQ(ziel.Geometriestand, 0);

            const auto a = Zeilen(erste), b = Zeilen(Datei(ziel, *s, "2.2.2002,  22:22"));
            ASSERT_EQ(a.size(), b.size());
            for (std::size_t i = 0; i < a.size(); ++i) {
                if (a[i].starts_with("10005,")) {
                    EXPECT_NE(a[i], b[i]);
                } else {
                    EXPECT_EQ(a[i], b[i]);
                }
            }
        }
    }
}

TEST(MaschinendateiTest, Layout) {
    struct Fall {
        bool mm;
        const Sprache* sprache;
        std::vector<std::string> zeilen;  // each must occur as a whole line
    };
    const Fall fälle[] = {
        {true,
         &kDeutsch,
         {R"(10000,"=============================== **** ==========")",
          R"(10001,"Zelto Vapro   ------ kmf    ")", R"(10002,"Dateiformat: ",34)",
          R"(10003,"=============================== **** ==========")", R"(10004,"","")",
          R"(10005,"Gespeichert: 24.12.2023,  18:30:00")", R"(10006,"Maßeinheit: ","[mm]")",
          R"(10007,"Druckeinheit: ","[bar]")",
          R"(10099,"=============================== **** ==========")",
          R"(10100,"Kurbeltrieb-----------------")", R"(10101,"Hintergrundfarbe",16777152)",
          R"(10102,"Kurbelwellenradius",51)",
          R"(10199,"=============================== **** ==========")", R"(10214,"usmmx",0)",
          R"(10408,"Steuerstange Länge",75.5)", R"(10409,"Schiebergeometrie",1)",
          R"(10904,"Links",12)", R"(11122,"Balkenstärke",20)"}},
        {false,
         &kEnglisch,
         {R"(10002,"File format: ",34)", R"(10005,"Saved: 24.12.2023,  18:30:00")",
          R"(10006,"Length measurement unit: ","[inch]")",
          R"(10007,"Pressure measurement unit: ","[psi]")",
          R"(10105," - Piston rod dia. bottom",0.5)", R"(10300,"Valve chest-----------------")",
          R"(10502,"Valve chest pressure",165)"}},
    };
    for (const Fall& c : fälle) {
        const std::string text = Datei(test::Standardmaschine(c.mm), *c.sprache);
        const auto zeilen = Zeilen(text);
        for (const auto& z : c.zeilen)
            EXPECT_NE(std::find(zeilen.begin(), zeilen.end(), z), zeilen.end()) << z;

        EXPECT_TRUE(text.ends_with(
            "\r\n11499,\"========== Dateiende =========== File end ============\"\r\n"));
        for (std::size_t i = 0; i < text.size(); ++i) {
            const bool paar = text[i] == '\r'   ? i + 1 < text.size() && text[i + 1] == '\n'
                              : text[i] == '\n' ? i > 0 && text[i - 1] == '\r'
                                                : true;
            ASSERT_TRUE(paar) << i;
        }
        // Fifteen sections, data records numbered without gaps.
        int abschnitte = 0, vorige = 0;
        for (const auto& z : zeilen) {
            const int nummer = std::stoi(z);
            if (nummer % 100 == 0) {
                ++abschnitte;
            } else if (nummer % 100 != 99 && nummer > 10100) {
                EXPECT_EQ(nummer, vorige + 1) << z;
            }
            vorige = nummer;
        }
        EXPECT_EQ(abschnitte, 15);
        // The reversing angle is written in degrees with double precision.
        const auto umwinkel = std::find_if(zeilen.begin(), zeilen.end(),
                                           [](const auto& z) { return z.starts_with("10602,"); });
        ASSERT_NE(umwinkel, zeilen.end());
        const auto grad = LiesZahl(umwinkel->substr(umwinkel->rfind(',') + 1));
        ASSERT_TRUE(grad);
        EXPECT_NEAR(*grad, c.mm ? 40 : -14, 1e-5);
        EXPECT_GT(umwinkel->size() - umwinkel->rfind(','), 9u);  // more than float digits
    }
}

// The file with the lines of some records replaced; an empty replacement
// drops the line.
using Änderungen = std::vector<std::pair<int, std::string_view>>;
std::string Geändert(const std::string& text, const Änderungen& änderungen) {
    std::vector<std::string> zeilen = Zeilen(text);
    for (const auto& [satz, neu] : änderungen) {
        const auto z = std::find_if(zeilen.begin(), zeilen.end(), [&](const std::string& z) {
            return z.starts_with(std::to_string(satz) + ",");
        });
        EXPECT_NE(z, zeilen.end()) << satz;
        if (neu.empty())
            zeilen.erase(z);
        else
            *z = neu;
    }
    return Verbinden(zeilen);
}

TEST(MaschinendateiTest, ReaderTakesTheFieldsAsTheyCome) {
    struct Fall {
        int satz;
        std::string_view neu;
        const char* feld;
        double wert;
    };
    const Fall fälle[] = {
        {10102, "10102,\"a, b\",.5E2", "KWRadius", 50},
        {10103, " 10103 , \"x\" , 270.5 ", "PLänge", 270.5},
        {10104, "10104,ohne Anführung,-.25", "KsLänge", -0.25},
        {10502, "10502,\"\",1.5E+01", "PO1", 15},
        {10505, "10505,\"\",\r\n\r\n700", "DrehzahlMax", 700},
        {10602, "10602,\"\",-12.5", "UmWinkel", -12.5},
        {10912, "10912,\"\",0", "WinkelRaster", 0},
        {10701, "10701,\"\",255", "FarbeBildDruck", 255},
    };
    const std::string gut = Datei(test::Standardmaschine(true));
    for (const Fall& c : fälle) {
        Modell m = test::Standardmaschine(true);
        const Ladeergebnis e = LadenAus(m, Geändert(gut, {{c.satz, c.neu}}));
        ASSERT_EQ(e.art, Ladeergebnis::Ok) << c.neu << ": " << e.meldung;
        EXPECT_FLOAT_EQ(static_cast<float>(FeldLesen(m, *FeldSuchen(c.feld))),
                        static_cast<float>(c.wert))
            << c.neu;
    }
    // Line feeds alone do as well.
    std::string lf;
    for (const auto& z : Zeilen(gut))
        lf += z + "\n";
    Modell m;
    EXPECT_EQ(LadenAus(m, lf).art, Ladeergebnis::Ok);
}

TEST(MaschinendateiTest, AFailedLoadChangesNothing) {
    struct Fall {
        Änderungen änderungen;
        std::string_view ganz;  // the whole file, when there are no changes
        Ladeergebnis::Art art;
        int16_t satz;
        std::string_view meldungTeil, messagePart;
    };
    const Fall fälle[] = {
        {{{10002, R"(10002,"Dateiformat: ",33)"}},
         "",
         Ladeergebnis::Version,
         10002,
         "Die Datei wurde mit der älteren\r\nProgrammversion Nr. 33 gespeichert.\r\n",
         "This file was created by an older\r\nprogram version No. 33.\r\n"},
        {{{10107, ""}},
         "",
         Ladeergebnis::Fehler,
         10108,
         "Fehler beim Laden der KMF-Datei:\r\n10108\r\n",
         "Error while loading KMF-file:\r\n10108\r\n"},
        {{{10303, "10303,\"Kanalweite Oben\",zwölf"}},
         "",
         Ladeergebnis::Fehler,
         10303,
         "\r\n10303\r\n",
         "\r\n10303\r\n"},
        {{{10505, "10505,\"\",40000"}}, "", Ladeergebnis::Fehler, 10505, "", ""},
        {{{10102, "10102,\"\",1e39"}}, "", Ladeergebnis::Fehler, 10102, "", ""},
        {{{10102, "10102,\"\",2e38"}}, "", Ladeergebnis::Fehler, 10102, "", ""},  // the stroke
        {{{10402, "10402,\"\",3e38"}, {10404, "10404,\"\",3e38"}},
         "",
         Ladeergebnis::Fehler,
         10409,
         "",
         ""},
        {{{10602, "10602,\"\",NaN"}}, "", Ladeergebnis::Fehler, 10602, "", ""},
        {{{10101, "10101,\"\",-1"}}, "", Ladeergebnis::Fehler, 10101, "", ""},
        {{{10502, "10502,\"\",\"11\""}}, "", Ladeergebnis::Fehler, 10502, "", ""},
        // A line end after a comma separates nothing: the next record's
        // number becomes the value, and its label stands where its number should.
        {{{10503, "10503,\"\","}}, "", Ladeergebnis::Fehler, 10504, "", ""},
        {{{11499, "11498,\"\""}}, "", Ladeergebnis::Fehler, 11498, "", ""},
        {{}, "", Ladeergebnis::Fehler, 10000, "", ""},
        {{}, "10000,\"x\"\r\n10001,\"", Ladeergebnis::Fehler, 10001, "", ""},
    };
    const std::string gut = Datei(test::Standardmaschine(true));
    for (const Fall& c : fälle) {
        const std::string text =
            c.änderungen.empty() ? std::string(c.ganz) : Geändert(gut, c.änderungen);
        for (const Sprache* s : {&kDeutsch, &kEnglisch}) {
            Modell m = test::Standardmaschine(false);
            const Abzug vorher = Abziehen(m);
            const Ladeergebnis e = LadenAus(m, text, *s);
            EXPECT_EQ(e.art, c.art) << text;
            EXPECT_EQ(e.satz, c.satz) << text;
            EXPECT_TRUE(Abziehen(m) == vorher) << text;
            const auto teil = s == &kDeutsch ? c.meldungTeil : c.messagePart;
            EXPECT_NE(e.meldung.find(teil), std::string::npos) << e.meldung;
            EXPECT_NE(e.meldung, "");
        }
    }
}

TEST(MaschinendateiTest, ValveEnteredByGeometryKeepsItsLaps) {
    Modell m = test::Standardmaschine(true);
    m.SchieberEingabe = 0;
    m.SchiMitte = 30;
    m.SchiLaufO = m.SchiLaufU = 25;
    SchieberAbleiten(m);
    const std::string text = Datei(m);

    // The model loaded into still holds another valve's geometry.
    Modell ziel = test::Standardmaschine(true);
    ASSERT_NE(ziel.SchiMitte, m.SchiMitte);
    ASSERT_EQ(LadenAus(ziel, text).art, Ladeergebnis::Ok);
    SchieberAbleiten(ziel);  // what refilling the dialog does
    for (const char* name : {"SchiEO", "SchiEU", "SchiIO", "SchiIU", "SchiMitte", "SchiLänge"})
        EXPECT_FLOAT_EQ(static_cast<float>(FeldLesen(ziel, *FeldSuchen(name))),
                        static_cast<float>(FeldLesen(m, *FeldSuchen(name))))
            << name;
}

// Fails every write, like a full disk.
struct VolleFestplatte : std::streambuf {
    int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(MaschinendateiTest, AFailedSaveLosesNothing) {
    const fs::path ordner = fs::path(testing::TempDir()) / "vapro_maschinendatei_test";
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    const fs::path datei = ordner / "maschine.kmf";
    const auto inhalt = [](const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const auto einträge = [&] {
        return std::distance(fs::directory_iterator(ordner), fs::directory_iterator());
    };

    ASSERT_TRUE(Speichern(test::Standardmaschine(true), datei, kDeutsch, kZeit).ok);
    const std::string alt = inhalt(datei);
    EXPECT_EQ(alt, Datei(test::Standardmaschine(true)));

    fs::create_directory(ordner / "ordner.kmf");
    for (const fs::path& ziel : {ordner / "ordner.kmf", ordner / "fehlt" / "maschine.kmf"}) {
        const auto e = Speichern(test::Standardmaschine(false), ziel, kEnglisch, kZeit);
        EXPECT_FALSE(e.ok) << ziel;
        EXPECT_EQ(e.meldung, "Error while writing KMF-file \r\n\r\nPlease try agein.");
    }
    EXPECT_TRUE(fs::is_directory(ordner / "ordner.kmf"));
    EXPECT_EQ(einträge(), 2);  // no temporary file left behind

    VolleFestplatte voll;
    std::ostream out(&voll);
    EXPECT_FALSE(Speichern(test::Standardmaschine(true), out, kDeutsch, kZeit));

    // Replacing works and the file loads; a missing file does not.
    ASSERT_TRUE(Speichern(test::Standardmaschine(false), datei, kDeutsch, kZeit).ok);
    EXPECT_NE(inhalt(datei), alt);
    EXPECT_EQ(einträge(), 2);
    Modell m = test::Standardmaschine(true);
    EXPECT_EQ(Laden(m, datei, kDeutsch).art, Ladeergebnis::Ok);
    EXPECT_EQ(m.Einheit, "[inch]");
    const Abzug vorher = Abziehen(m);
    const auto e = Laden(m, ordner / "fehlt.kmf", kDeutsch);
    EXPECT_EQ(e.art, Ladeergebnis::Fehler);
    EXPECT_NE(e.meldung, "");
    EXPECT_TRUE(Abziehen(m) == vorher);
    fs::remove_all(ordner);
}

// Damaged files in many ways: each load either succeeds or reports the load
// message and leaves the model exactly as it was.
TEST(MaschinendateiTest, DamagedFilesLeaveTheModelUntouched) {
    const std::vector<std::string> gut = Zeilen(Datei(Belegt(true)));
    const std::string_view ersatz[] = {"",       "abc",         "NaN",
                                       "nan",    "inf",         "-inf",
                                       "1e999",  "-1e39",       "3.4e38",
                                       "1e38",   "99999999999", "\"",
                                       "\"\"",   ",",           ",,",
                                       "0x10",   "1,5",         "--1",
                                       ".",      "E5",          std::string_view("\x00\xff", 2),
                                       "-0",     "0",           "32768",
                                       "-32769", "16777216",    "1e-45",
                                       "\r",     "\n"};
    std::mt19937 zufall(20240601);
    const auto bis = [&](std::size_t n) { return n == 0 ? 0 : zufall() % n; };

    const Modell ausgang = test::Standardmaschine(false);
    const Abzug vorher = Abziehen(ausgang);
    int geladen = 0;
    for (int runde = 0; runde < 2000; ++runde) {
        std::vector<std::string> zeilen = gut;
        const int schritte = 1 + static_cast<int>(bis(3));
        std::string text;
        for (int k = 0; k < schritte; ++k) {
            auto& z = zeilen[bis(zeilen.size())];
            switch (bis(8)) {
            case 0:
                zeilen.erase(zeilen.begin() + static_cast<long>(bis(zeilen.size())));
                break;
            case 1:
                zeilen.insert(zeilen.begin() + static_cast<long>(bis(zeilen.size())), z);
                break;
            case 2:
                std::swap(z, zeilen[bis(zeilen.size())]);
                break;
            case 3: {  // one field replaced
                const auto komma = z.rfind(',');
                z = z.substr(0, komma + 1) + std::string(ersatz[bis(std::size(ersatz))]);
                break;
            }
            case 4: {  // noise
                std::string rauschen;
                for (std::size_t n = 1 + bis(6); n > 0; --n)
                    rauschen += static_cast<char>(zufall() & 0xFF);
                z.insert(bis(z.size() + 1), rauschen);
                break;
            }
            case 5:
                if (!z.empty()) z[bis(z.size())] = static_cast<char>(zufall() & 0xFF);
                break;
            case 6:
                z.insert(bis(z.size() + 1), ersatz[bis(std::size(ersatz))]);
                break;
            default:
                zeilen.resize(bis(zeilen.size() + 1));
                break;
            }
            if (zeilen.empty()) break;
        }
        text = Verbinden(zeilen);
        if (bis(4) == 0) text.resize(bis(text.size() + 1));

        Modell m = ausgang;
        const Ladeergebnis e = LadenAus(m, text);
        if (e.art == Ladeergebnis::Ok) {
            ++geladen;
            EXPECT_EQ(m.Hub, 2 * m.KWRadius);
            EXPECT_EQ(m.Geometriestand, 0);
            EXPECT_EQ(e.meldung, "");
        } else {
            ASSERT_TRUE(Abziehen(m) == vorher) << "round " << runde << ":\n" << text;
            ASSERT_NE(e.meldung, "");
        }
    }
    // Some damage is harmless (a duplicated line after the end, a changed
    // label); most is not.
    EXPECT_GT(geladen, 0);
    EXPECT_LT(geladen, 2000);
}

}  // namespace
}  // namespace vapro
