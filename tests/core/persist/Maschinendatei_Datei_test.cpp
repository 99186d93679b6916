// The machine file on disk: what is refused before reading, what a failure
// says, and what a save leaves behind.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "core/persist/Maschinendatei.h"
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

std::string Text(const Modell& m) {
    std::ostringstream out;
    EXPECT_TRUE(Speichern(m, out, kDeutsch, "t"));
    return out.str();
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

bool AlsRoot() {
    return ::geteuid() == 0;
}

TEST(MaschinendateiDatei, LoadRefusesAnythingButARegularFileAtOnce) {
    Ordner o;
    ASSERT_EQ(::mkfifo((o.p / "pipe.kmf").c_str(), 0600), 0);
    fs::create_directory(o.p / "ordner.kmf");
    for (const fs::path& p : {o.p / "pipe.kmf", o.p / "ordner.kmf", fs::path("/dev/zero")}) {
        Modell m = test::Standardmaschine(false);
        const Ladeergebnis e = Laden(m, p, kDeutsch);
        EXPECT_EQ(e.art, Ladeergebnis::Fehler) << p;
        EXPECT_NE(e.meldung.find("Datei: " + p.string() + "\r\n"), std::string::npos) << e.meldung;
        EXPECT_NE(e.meldung.find("keine gewöhnliche Datei"), std::string::npos) << e.meldung;
        EXPECT_EQ(Text(m), Text(test::Standardmaschine(false)));
    }
}

TEST(MaschinendateiDatei, LoadFailuresNameTheFileAndTheCause) {
    Ordner o;
    std::string nullsatz = Text(test::Standardmaschine(true));
    nullsatz.replace(nullsatz.find("10005,"), 6, "0,");
    Schreiben(o.p / "nullsatz.kmf", nullsatz);
    Schreiben(o.p / "leer.kmf", "");
    struct Fall {
        fs::path datei;
        std::string deutsch, englisch;
    };
    const std::vector<Fall> fälle{
        {o.p / "fehlt.kmf", "Die Datei oder ihr Ordner existiert nicht.",
         "The file or its folder does not exist."},
        // A record numbered 0 keeps its number in the message.
        {o.p / "nullsatz.kmf", "\r\n0\r\n", "\r\n0\r\n"},
        {o.p / "nullsatz.kmf", "Satz 0 ist beschädigt.", "Record 0 is damaged."},
        {o.p / "leer.kmf", "Satz 10000 ist beschädigt.", "Record 10000 is damaged."},
    };
    for (const Fall& f : fälle) {
        for (const Sprache* s : {&kDeutsch, &kEnglisch}) {
            Modell m = test::Standardmaschine(false);
            const Ladeergebnis e = Laden(m, f.datei, *s);
            EXPECT_EQ(e.art, Ladeergebnis::Fehler);
            const std::string datei = (s == &kDeutsch ? "Datei: " : "File: ") + f.datei.string();
            EXPECT_NE(e.meldung.find(datei), std::string::npos) << e.meldung;
            EXPECT_NE(e.meldung.find(s == &kDeutsch ? f.deutsch : f.englisch), std::string::npos)
                << e.meldung;
        }
    }
}

TEST(MaschinendateiDatei, UnreadableFileSaysPermissionDenied) {
    if (AlsRoot()) GTEST_SKIP() << "root reads a file of mode 000";
    Ordner o;
    Schreiben(o.p / "gesperrt.kmf", Text(test::Standardmaschine(true)));
    fs::permissions(o.p / "gesperrt.kmf", fs::perms::none);
    Modell m = test::Standardmaschine(false);
    const Ladeergebnis e = Laden(m, o.p / "gesperrt.kmf", kEnglisch);
    EXPECT_NE(e.meldung.find("Permission denied."), std::string::npos) << e.meldung;
}

TEST(MaschinendateiDatei, SaveKeepsPermissionsFollowsLinksAndRefusesReadOnlyFiles) {
    Ordner o;
    const Modell inch = test::Standardmaschine(false);
    const std::string alt = Text(test::Standardmaschine(true));

    // A private file stays private.
    Schreiben(o.p / "privat.kmf", alt);
    fs::permissions(o.p / "privat.kmf", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(Speichern(inch, o.p / "privat.kmf", kDeutsch, "t").ok);
    EXPECT_EQ(fs::status(o.p / "privat.kmf").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);

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
    EXPECT_EQ(fs::status(o.p / "fest.kmf").permissions(), nurLesen);

    // Names up to the longest a folder allows: the temporary name is short.
    for (std::size_t länge : {238u, 250u, 255u}) {
        const fs::path lang = o.p / (std::string(länge - 4, 'm') + ".kmf");
        EXPECT_TRUE(Speichern(inch, lang, kDeutsch, "t").ok) << länge;
        EXPECT_TRUE(fs::is_regular_file(lang)) << länge;
    }
    // Nothing temporary is left: privat, echt, link, fest and three long names.
    EXPECT_EQ(std::distance(fs::directory_iterator(o.p), {}), 7);
}

} // namespace
} // namespace vapro
