#include "core/persist/Maschinendatei.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <sys/stat.h>

#include "core/model/Druckeinstellungen.h"
#include "core/model/Felder.h"
#include "core/model/Kurbelmasse.h"
#include "core/model/Schieber.h"
#include "core/numbers/Zahlenformat.h"
#include "tests/core/Maschine.h"

namespace vapro {
namespace {

namespace fs = std::filesystem;

Sprache SpracheFür(int16_t basis) {
    Sprache s;
    SpracheEinstellen(s, basis);
    return s;
}
const Sprache kDeutsch = SpracheFür(SprachbasisDeutsch),
              kEnglisch = SpracheFür(SprachbasisEnglisch);

std::string Datei(const Modell& m, const Sprache& s = kDeutsch,
                  std::string_view zeit = "24.12.2023,  18:30:00") {
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
    for (std::size_t anfang = 0, ende; anfang < text.size(); anfang = ende + 2) {
        ende = std::min(text.find("\r\n", anfang), text.size());
        zeilen.push_back(text.substr(anfang, ende - anfang));
    }
    return zeilen;
}

std::string Inhalt(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Schreiben(const fs::path& p, const std::string& inhalt) {
    std::ofstream(p, std::ios::binary) << inhalt;
}

struct Ordner {
    fs::path p =
        fs::path(testing::TempDir()) / ("vapro-datei-" + std::to_string(std::random_device{}()));
    Ordner() { fs::create_directories(p); }
    ~Ordner() {
        std::error_code ec;
        fs::remove_all(p, ec);
    }
};

// Everything a load may change, or only what the file holds, for comparing models.
auto Abzug(const Modell& m, bool nurGespeicherte = false) {
    std::vector<double> werte{m.Hub, static_cast<double>(m.Geometriestand)};
    for (const Feld& f : Felder())
        if (f.satz != 0 || !nurGespeicherte) werte.push_back(FeldLesen(m, f));
    return std::tuple(werte, m.Einheit, m.Druckeinheit);
}

// A machine whose every stored field holds a value of its own, negatives and
// values between -1 and 1 among them; seven digits, as the file keeps them.
Modell Belegt(bool mm) {
    Modell m = test::Standardmaschine(mm);
    for (const Feld& f : Felder()) {
        if (f.satz == 0) continue;
        const auto i = static_cast<int>(&f - Felder().data());
        const double wert = f.größe == Größe::Farbe      ? (0x10305 * i) % 0x1000000
                            : f.größe == Größe::Ganzzahl ? (i % 3 == 0 ? -i : i)
                            : f.größe == Größe::Bogenmaß ? -37.25
                                                         : (i % 2 ? -1 : 1) * (0.013 * i + 0.3);
        EXPECT_TRUE(FeldSetzen(m, f, wert)) << f.name;
    }
    // The crank drive as its rules leave it, which a load enforces.
    m.KWRadius = std::fabs(m.KWRadius);
    m.KDurchmesser = std::fabs(m.KDurchmesser);
    EXPECT_FALSE(KurbeltriebReparieren(m));
    // Choices a load keeps: the other of each pair, not any number.
    m.Vorzeichen = 1;
    m.Umsteuertyp = 0;
    m.Einströmung = 1;
    // Values a load would repair do not come back as saved.
    float positiv = 1.25f;
    for (float* f : {&m.KaLaufO, &m.KaWeiO, &m.KaDamO, &m.KaWeiM, &m.KaDamU, &m.KaWeiU, &m.KaLaufU,
                     &m.SkBreite, &m.KanallängeOben, &m.KanallängeUnten, &m.SchiTiefe})
        *f = positiv += 1;
    m.SchiInTiefe = 0.5f;
    SchieberkastenAbleiten(m);
    // Operating parameters inside the limits a load applies.
    m.PO1 = 12.5f;
    m.PO2 = 0.75f;
    m.Überhitzung = 1.25f;
    m.DrehzahlMax = 900;
    m.DrehzahlSchrittweite = 30;
    m.MechWirkungsgrad = 77;
    // Graph settings inside the limits a load applies.
    m.usPerioden = 7;
    m.usKreis = 33;
    // Print settings within the limits a load applies.
    DruckeinstellungenReparieren(m);
    m.Hub = 2 * m.KWRadius;
    m.Geometriestand = 0;
    return m;
}

// The file with some records replaced by the given lines (led by their
// number); a number alone drops its record.
std::string Geändert(std::string text, const std::vector<std::string_view>& neu) {
    for (const std::string_view zeile : neu) {
        // Appended, not prefixed: GCC 12 at -O3 warns falsely on "\n" + string.
        std::string satz(1, '\n');
        satz += std::to_string(std::stoi(std::string(zeile)));
        satz += ',';
        const auto anfang = text.find(satz) + 1;
        EXPECT_NE(anfang, 0u) << zeile;
        const auto ende = text.find("\r\n", anfang) + 2;
        const bool weg = zeile.find(',') == zeile.npos;
        text.replace(anfang, ende - anfang, weg ? "" : std::string(zeile) + "\r\n");
    }
    return text;
}

// Also: a file saved in English loads under German captions, and one with
// line feeds alone loads as well.
TEST(MaschinendateiTest, SaveLoadSaveGivesTheSameFileButTheTime) {
    for (bool mm : {true, false}) {
        for (const Sprache* s : {&kDeutsch, &kEnglisch}) {
            SCOPED_TRACE(testing::Message() << "mm " << mm << ", language " << s->Sprachbasis);
            const Modell quelle = Belegt(mm);
            const std::string erste = Datei(quelle, *s, "1.1.2000,  00:00");
            Modell ziel = test::Standardmaschine(!mm);
            ziel.Geometriestand = 17;
            ziel.Änderungen = 40;
            const Ladeergebnis e = LadenAus(ziel, erste, kDeutsch);
            ASSERT_EQ(std::tuple(e.art, e.version), std::tuple(Ladeergebnis::Ok, 34)) << e.meldung;
            EXPECT_EQ(std::tuple(ziel.Geometriestand, ziel.Änderungen), std::tuple(0, 40u))
                << "a load restarts the data set's counter, not the views' one";
            EXPECT_EQ(Abzug(ziel, true), Abzug(quelle, true));
            const std::string zweite = Datei(ziel, *s, "2.2.2002,  22:22");
            EXPECT_EQ(Geändert(zweite, {"10005"}), Geändert(erste, {"10005"}));
            std::string lf = erste;
            std::erase(lf, '\r');
            EXPECT_EQ(LadenAus(ziel, lf).art, Ladeergebnis::Ok);
        }
    }
}

TEST(MaschinendateiTest, Layout) {
    // clang-format off
    const std::string_view erwartet[] = {R"(10000,"=============================== **** ==========")",
        R"(10001,"Zelto Vapro   ------ kmf    ")", R"(10002,"Dateiformat: ",34)", R"(10004,"","")",
        R"(10005,"Gespeichert: 24.12.2023,  18:30:00")", R"(10006,"Maßeinheit: ","[mm]")",
        R"(10007,"Druckeinheit: ","[bar]")", R"(10101,"Hintergrundfarbe",16777152)",
        R"(10602,"Umsteuerung [°]",39.9999988363717)", // degrees, more than float digits
        R"(11499,"========== Dateiende =========== File end ============")"};
    // clang-format on
    const std::string text = Datei(test::Standardmaschine(true));
    const auto zeilen = Zeilen(text);
    for (const auto& z : erwartet)
        EXPECT_NE(std::ranges::find(zeilen, z), zeilen.end()) << z;
    // CR LF after every line and nowhere else; fifteen sections (B+00 ... B+99).
    EXPECT_EQ(std::ranges::count(text, '\n') + std::ranges::count(text, '\r'),
              2 * std::ssize(zeilen));
    EXPECT_EQ(std::ranges::count_if(zeilen, [](auto& z) { return !(std::stoi(z) % 100); }), 15);
}

// Files edited in some records, loaded in both languages: the reader takes
// values as they come; a load that fails names the record it stopped at and
// leaves the model as it was.
TEST(MaschinendateiTest, EditedFiles) {
    using L = Ladeergebnis;
    // changed lines or else the whole file, answer, record, part of the message
    // clang-format off
    const std::tuple<std::vector<std::string_view>, const char*, L::Art, int, const char*,
                     const char*> fälle[] = {
        {{"10102,\"a, b\",.51E2", " 10103 , \"x\" , 27E1 "}, "", L::Ok, 11499, "", ""},
        {{"10104,ohne Anführung,+120.", "10505,\"\",\r\n\r\n500"}, "", L::Ok, 11499, "", ""},
        {{R"(10002,"Dateiformat: ",33)"}, "", L::Version, 10002,
         "Die Datei wurde mit der älteren\r\nProgrammversion Nr. 33 gespeichert.\r\n",
         "This file was created by an older\r\nprogram version No. 33.\r\n"},
        {{"10107"}, "", L::Fehler, 10108, "Fehler beim Laden der KMF-Datei:\r\n10108\r\n",
         "Error while loading KMF-file:\r\n10108\r\n"},
        {{"10303,\"x\",zwölf"}, "", L::Fehler, 10303, "\r\n10303\r\n", "\r\n10303\r\n"},
        {{"10402,\"\",3e38", "10404,\"\",3e38"}, "", L::Fehler, 10409, "", ""},
        {{"11499"}, "", L::Fehler, 11499, "", ""},
        {{}, "10000,\"x\"\r\n10001,\"", L::Fehler, 10001, "", ""}};
    // clang-format on
    const std::string gut = Datei(test::Standardmaschine(true));
    const std::string unberührt = Datei(test::Standardmaschine(false));
    for (const auto& [änderungen, ganz, art, nr, de, en] : fälle) {
        const std::string text = änderungen.empty() ? std::string(ganz) : Geändert(gut, änderungen);
        for (const Sprache* s : {&kDeutsch, &kEnglisch}) {
            Modell m = test::Standardmaschine(false);
            const Ladeergebnis e = LadenAus(m, text, *s);
            EXPECT_EQ(std::tuple(e.art, e.satz, e.meldung == ""),
                      std::tuple(art, nr, art == L::Ok));
            EXPECT_EQ(Datei(m), art == L::Ok ? gut : unberührt) << text;
            EXPECT_NE(e.meldung.find(s == &kDeutsch ? de : en), e.meldung.npos) << e.meldung;
        }
    }
}

// The same limits as the operating-parameters entry; a speed step of 0 would
// leave the speed slider dividing by zero.
TEST(MaschinendateiTest, OperatingParametersAreLimitedOnLoad) {
    // clang-format off
    const std::pair<std::vector<std::string_view>, std::array<double, 6>> fälle[] = {
        // PO1, PO2, superheat, maximum speed, step, efficiency
        {{"10502,\"\",600", "10503,\"\",700"}, {500, 500, 1, 500, 20, 80}},
        {{"10503,\"\",-2", "10504,\"\",1.5", "10507,\"\",120"}, {11, 0, 1.3, 500, 20, 100}},
        {{"10505,\"\",0", "10506,\"\",0"}, {11, 1, 1, 0, 1, 80}},
    };
    // clang-format on
    const std::string gut = Datei(test::Standardmaschine(true));
    for (const auto& [änderungen, soll] : fälle) {
        Modell m = test::Standardmaschine(true);
        ASSERT_EQ(LadenAus(m, Geändert(gut, änderungen)).art, Ladeergebnis::Ok);
        const std::array<double, 6> ist{m.PO1,
                                        m.PO2,
                                        m.Überhitzung,
                                        static_cast<double>(m.DrehzahlMax),
                                        static_cast<double>(m.DrehzahlSchrittweite),
                                        static_cast<double>(m.MechWirkungsgrad)};
        for (std::size_t i = 0; i < ist.size(); ++i)
            EXPECT_NEAR(ist[i], soll[i], 1e-6) << änderungen.front() << " value " << i;
        EXPECT_LE(m.Drehzahl, m.DrehzahlMax);
    }
}

TEST(MaschinendateiTest, PrintSettingsAreRepairedOnLoad) {
    const std::string gut = Datei(test::Standardmaschine(true));
    Modell m = test::Standardmaschine(true);
    // Widths and spacings of 0 or less, margins that leave no paper.
    const std::string schlecht =
        Geändert(gut, {"10702,\"\",0", "10707,\"\",-3", "10904,\"\",80", "10905,\"\",40",
                       "10902,\"\",120", "10908,\"\",0", "10913,\"\",-15"});
    ASSERT_EQ(LadenAus(m, schlecht).art, Ladeergebnis::Ok);
    EXPECT_EQ(std::tuple(m.LStärkeKurbelD, m.LStärkeRestD, m.GradPunkte, m.AbstandWinkel),
              std::tuple(1, 1, 1, 1));
    EXPECT_EQ(std::tuple(m.DruckLinks, m.DruckRechts, m.DruckOben, m.DruckUnten),
              std::tuple(80, 19, 99, 0));
    // More points per degree than a page can show.
    ASSERT_EQ(LadenAus(m, Geändert(gut, {"10908,\"\",500"})).art, Ladeergebnis::Ok);
    EXPECT_EQ(m.GradPunkte, GradPunkteGrößte);
}

// A file edited by hand gets what the valve-gear dialog would have made of it.
TEST(MaschinendateiTest, ValveGearChoicesAndAngleRangeAreRepairedOnLoad) {
    // UmMin, UmMax, Vorzeichen, Umsteuertyp, Einströmung as written, then as loaded
    using W = std::tuple<float, float, int, int, int>;
    const std::pair<W, W> fälle[] = {
        {{-45, 45, 1, 0, 1}, {-45, 45, 1, 0, 1}},
        {{-400, 500, 0, 2, -1}, {-360, 360, 1, 0, 0}},
        {{20, -10, -2, 1, 1}, {0, 0, 1, 1, 1}},
    };
    const std::string gut = Datei(test::Standardmaschine(true));
    for (const auto& [datei, soll] : fälle) {
        const auto [min, max, vz, typ, ein] = datei;
        const std::vector<std::string> zeilen{
            "10210,\"\"," + std::to_string(min), "10211,\"\"," + std::to_string(max),
            "10218,\"\"," + std::to_string(ein), "10219,\"\"," + std::to_string(typ),
            "10220,\"\"," + std::to_string(vz)};
        const std::string text = Geändert(gut, {zeilen.begin(), zeilen.end()});
        Modell m = test::Standardmaschine(false);
        ASSERT_EQ(LadenAus(m, text).art, Ladeergebnis::Ok);
        EXPECT_EQ(W(m.UmMin, m.UmMax, m.Vorzeichen, m.Umsteuertyp, m.Einströmung), soll)
            << min << " " << max << " " << vz;
    }
}

// Crank-drive fields saved outside their rules come back as the dialog
// repairs them; a radius or bore of zero or less is a damaged record.
TEST(MaschinendateiTest, CrankDriveIsRepairedOrRefusedOnLoad) {
    // mm, field, as saved, as loaded, record refused (0: none)
    const std::tuple<bool, float Modell::*, float, float, int> fälle[] = {
        {true, &Modell::PLänge, 60, 102, 0}, // rod shorter than the stroke
        {false, &Modell::KsDurchmesserU, 0, 1 / 25.4f, 0},
        {true, &Modell::KsDurchmesserO, 0, 0, 0},     // top rod 0 stays
        {true, &Modell::KsDurchmesserO, 200, 125, 0}, // not thicker than the bore
        {true, &Modell::KWRadius, -5, 0, 10102},
        {true, &Modell::KDurchmesser, 0, 0, 10109},
    };
    for (const auto& [mm, feld, gespeichert, geladen, satz] : fälle) {
        Modell quelle = test::Standardmaschine(mm);
        quelle.*feld = gespeichert;
        Modell m = test::Standardmaschine(mm);
        const Ladeergebnis e = LadenAus(m, Datei(quelle));
        SCOPED_TRACE(testing::Message() << "saved " << gespeichert << ", loaded " << geladen);
        if (satz) {
            EXPECT_EQ(std::tuple(e.art, e.satz), std::tuple(Ladeergebnis::Fehler, satz));
            EXPECT_EQ(Datei(m), Datei(test::Standardmaschine(mm))) << "the engine before stays";
        } else {
            ASSERT_EQ(e.art, Ladeergebnis::Ok);
            EXPECT_FLOAT_EQ(m.*feld, geladen);
        }
    }
    // Volumes follow the load: bore 80, radius 40, no top rod give 402.1 cm³ on top.
    Modell quelle = test::Standardmaschine(true);
    quelle.KDurchmesser = 80;
    quelle.KWRadius = 40;
    quelle.KsDurchmesserO = 0;
    Modell m = test::Standardmaschine(true);
    ASSERT_EQ(LadenAus(m, Datei(quelle)).art, Ladeergebnis::Ok);
    EXPECT_FLOAT_EQ(m.Hub, 80);
    EXPECT_NEAR(m.HubvolumenO, 402123.9, 0.1);
}

TEST(MaschinendateiTest, AsymmetricValveAndChestRepairsSurviveALoad) {
    Modell m = test::Standardmaschine(true);
    m.SchieberEingabe = 0;
    m.SchiMitte = 30;
    m.SchiLaufO = 29;
    m.SchiLaufU = 23;
    m.KaWeiM = 30; // the port face changes; its length must follow on load
    SchieberAbleiten(m);
    Modell ziel = test::Standardmaschine(true);
    ASSERT_EQ(LadenAus(ziel, Datei(m)).art, Ladeergebnis::Ok);
    SchieberAbleiten(ziel);
    for (const char* n : {"SchiLaufO", "SchiLaufU", "SchiMitte", "SchiLänge", "SchiEO", "SchiEU"})
        EXPECT_FLOAT_EQ(FeldLesen(ziel, *FeldSuchen(n)), FeldLesen(m, *FeldSuchen(n))) << n;
    EXPECT_FLOAT_EQ(ziel.SpieLänge, 114);

    // A port face without length cannot be drawn: the file is refused.
    m.KaWeiM = -200;
    ziel = test::Standardmaschine(true);
    const Ladeergebnis e = LadenAus(ziel, Datei(m));
    EXPECT_EQ(std::tuple(e.art, e.satz),
              std::tuple(Ladeergebnis::Fehler, FeldSuchen("KaLaufU")->satz));
    EXPECT_EQ(Datei(ziel), Datei(test::Standardmaschine(true))); // a refused file changes nothing
}

TEST(MaschinendateiTest, AFailedSaveLosesNothing) {
    const Ordner o;
    const fs::path &ordner = o.p, datei = ordner / "maschine.kmf";
    fs::create_directories(ordner / "ordner.kmf");
    ASSERT_TRUE(Speichern(test::Standardmaschine(true), datei, kDeutsch, "t").ok);
    const std::vector<std::pair<fs::path, std::string>> fehlschläge{
        {ordner / "ordner.kmf", "This is not a regular file but a folder, a device or a pipe."},
        {ordner / "fehlt" / "maschine.kmf", "The file or its folder does not exist."}};
    for (const auto& [ziel, ursache] : fehlschläge) {
        const auto e = Speichern(test::Standardmaschine(false), ziel, kEnglisch, "t");
        EXPECT_FALSE(e.ok);
        EXPECT_EQ(e.meldung,
                  "Error while writing KMF-file \r\n\r\nPlease try agein.\r\n\r\nFile: " +
                      ziel.string() + "\r\n" + ursache);
    }
    std::ostream kaputt(nullptr);
    EXPECT_FALSE(Speichern(test::Standardmaschine(false), kaputt, kDeutsch, "t"));
    EXPECT_TRUE(fs::is_directory(ordner / "ordner.kmf"));
    Modell m = test::Standardmaschine(false);
    EXPECT_EQ(Laden(m, datei, kDeutsch).art, Ladeergebnis::Ok); // the first file, intact
    EXPECT_EQ(m.Einheit, "[mm]");

    // Replacing works.
    ASSERT_TRUE(Speichern(test::Standardmaschine(false), datei, kDeutsch, "t").ok);
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner), {}), 2); // no temporary file left
    EXPECT_EQ(Laden(m, datei, kDeutsch).art, Ladeergebnis::Ok);
    EXPECT_EQ(m.Einheit, "[inch]");
}

// Damaged files in many ways: each load either succeeds or reports the load
// message and leaves the model exactly as it was.
TEST(MaschinendateiTest, DamagedFilesLeaveTheModelUntouched) {
    const std::vector<std::string> gut = Zeilen(Datei(Belegt(true)));
    const std::string_view ersatz[] = {"", "abc", "-1e39", "\"", "32768"};
    std::mt19937 zufall(20240601);
    const auto bis = [&](std::size_t n) { return n == 0 ? 0 : zufall() % n; };
    const Modell ausgang = test::Standardmaschine(false);
    int geladen = 0;
    for (int runde = 0; runde < 500; ++runde) {
        std::vector<std::string> zeilen = gut;
        for (auto k = 1 + bis(3); k > 0; --k) {
            auto& z = zeilen[bis(zeilen.size())];
            if (bis(2))
                std::swap(z, zeilen[bis(zeilen.size())]); // lines out of order
            else
                z = z.substr(0, z.rfind(',') + 1).append(ersatz[bis(std::size(ersatz))]);
        }
        std::string text;
        for (const auto& z : zeilen)
            text += z + "\r\n";
        Modell m = ausgang;
        const Ladeergebnis e = LadenAus(m, text);
        geladen += e.art == Ladeergebnis::Ok;
        if (e.art != Ladeergebnis::Ok) {
            ASSERT_EQ(Abzug(m), Abzug(ausgang)) << "round " << runde << ":\n" << text;
            ASSERT_NE(e.meldung, "");
        }
    }
    // Some damage is harmless, most is not.
    EXPECT_GT(geladen, 0);
    EXPECT_LT(geladen, 500);
}

// --- The file on disk: what is refused before reading, what a failure says,
// and what a save leaves behind.
// Anything but a regular file is refused before reading; every failure names
// the file and the cause and leaves the model as it was.
TEST(MaschinendateiDatei, LoadFailuresNameTheFileAndTheCause) {
    Ordner o;
    ASSERT_EQ(::mkfifo((o.p / "pipe.kmf").c_str(), 0600), 0);
    std::string nullsatz = Datei(test::Standardmaschine(true));
    nullsatz.replace(nullsatz.find("10005,"), 6, "0,");
    Schreiben(o.p / "nullsatz.kmf", nullsatz);
    Schreiben(o.p / "leer.kmf", "");
    const std::tuple<fs::path, std::string, std::string> fälle[] = {
        {o.p / "pipe.kmf", "keine gewöhnliche Datei", "not a regular file"},
        {o.p / "fehlt.kmf", "Die Datei oder ihr Ordner existiert nicht.",
         "The file or its folder does not exist."},
        // A record numbered 0 keeps its number in the message.
        {o.p / "nullsatz.kmf", "Satz 0 ist beschädigt.", "Record 0 is damaged."},
        {o.p / "leer.kmf", "Satz 10000 ist beschädigt.", "Record 10000 is damaged."},
    };
    for (const auto& [pfad, deutsch, englisch] : fälle) {
        for (const Sprache* s : {&kDeutsch, &kEnglisch}) {
            Modell m = test::Standardmaschine(false);
            const Ladeergebnis e = Laden(m, pfad, *s);
            EXPECT_EQ(e.art, Ladeergebnis::Fehler);
            const std::string datei = (s == &kDeutsch ? "Datei: " : "File: ") + pfad.string();
            EXPECT_NE(e.meldung.find(datei + "\r\n"), std::string::npos) << e.meldung;
            EXPECT_NE(e.meldung.find(s == &kDeutsch ? deutsch : englisch), std::string::npos)
                << e.meldung;
            EXPECT_EQ(Datei(m), Datei(test::Standardmaschine(false)));
        }
    }
}

TEST(MaschinendateiDatei, SaveFollowsLinksAndRefusesReadOnlyFiles) {
    Ordner o;
    const Modell inch = test::Standardmaschine(false);
    const std::string alt = Datei(test::Standardmaschine(true));

    // A link stays a link; its target gets the new content.
    fs::create_directory(o.p / "echt");
    Schreiben(o.p / "echt" / "ziel.kmf", alt);
    fs::create_symlink("echt/ziel.kmf", o.p / "link.kmf");
    ASSERT_TRUE(Speichern(inch, o.p / "link.kmf", kDeutsch, "t").ok);
    EXPECT_TRUE(fs::is_symlink(o.p / "link.kmf"));
    Modell m = test::Standardmaschine(true);
    ASSERT_EQ(Laden(m, o.p / "echt" / "ziel.kmf", kDeutsch).art, Ladeergebnis::Ok);
    EXPECT_EQ(m.Einheit, "[inch]");

    // A read-only file is refused by its mode, even where the folder would
    // let it be replaced and for root.
    Schreiben(o.p / "fest.kmf", alt);
    const auto nurLesen = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(o.p / "fest.kmf", nurLesen);
    const Speicherergebnis e = Speichern(inch, o.p / "fest.kmf", kEnglisch, "t");
    EXPECT_FALSE(e.ok);
    EXPECT_NE(e.meldung.find("File: " + (o.p / "fest.kmf").string() + "\r\nThe file is read-only."),
              std::string::npos)
        << e.meldung;
    EXPECT_EQ(Inhalt(o.p / "fest.kmf"), alt);
    // A name as long as a folder allows: the temporary name is short.
    EXPECT_TRUE(Speichern(inch, o.p / (std::string(251, 'm') + ".kmf"), kDeutsch, "t").ok);
    // Nothing temporary is left: echt, link, fest and the long name.
    EXPECT_EQ(std::distance(fs::directory_iterator(o.p), {}), 4);
}

} // namespace
} // namespace vapro
