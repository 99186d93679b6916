#include "core/persist/Maschinendatei.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <streambuf>

#include "core/analysis/Betriebswerte.h"
#include "core/analysis/Steuerhub.h"
#include "core/model/Druckeinstellungen.h"
#include "core/model/Felder.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Kurbelmasse.h"
#include "core/model/Rechnen.h"
#include "core/model/Schieber.h"
#include "core/model/Umsteuerung.h"
#include "core/numbers/Zahlenformat.h"
#include "core/persist/Dateiursache.h"

namespace vapro {

namespace {

constexpr std::string_view kMarke = "=============================== **** ==========";
constexpr std::string_view kDateiende = "========== Dateiende =========== File end ============";
constexpr std::string_view kKennung = "Zelto Vapro   ------ kmf    ";
constexpr std::string_view kStriche = "-----------------";
constexpr std::string_view kZeilenende = "\r\n";

// German text numbers of the header labels and of the messages.
constexpr int kTextDateiformat = 3301, kTextGespeichert = 3302, kTextMaßeinheit = 3303,
              kTextDruckeinheit = 3304;
constexpr int kMeldungSpeichern = 3014, kMeldungLaden = 3015, kMeldungVersion = 3016;

// The window sections after the header, in file order, with the caption
// that heads each of them.
struct Abschnitt {
    int16_t basis;
    int überschrift;
};
constexpr Abschnitt kAbschnitte[] = {
    {10100, 1043}, // crank drive
    {10200, 1060}, // reversing gear
    {10300, 1000}, // valve chest
    {10400, 1026}, // slide valve
    {10500, 1500}, // operating parameters
    {10600, 1400}, // main window
    {10700, 1319}, // engine-picture printing
    {10800, 1180}, // valve travel over crank angle
    {10900, 1230}, // valve-travel printing
    {11000, 1620}, // motion table
    {11100, 1090}, // picture configuration
    {11200, 2000}, // SI steam table
    {11300, 2200}, // US steam table
    {11400, 2500}, // steam diagram
};
constexpr int16_t kLetzterSatz = 11499;

int16_t EndeDes(const Abschnitt& a) {
    return static_cast<int16_t>(a.basis + 99);
}

std::string_view Text(const Sprache& s, int deutsch) {
    return s.Text(deutsch - SprachbasisDeutsch);
}

std::string_view Beschriftung(const Feld& f, const Sprache& s) {
    return f.text != 0 ? Text(s, f.text) : f.festerText;
}

// The stored fields of a section: the field table lists them in record order.
std::span<const Feld> FelderDes(const Abschnitt& a) {
    const auto alle = Felder();
    const auto drin = [&](const Feld& f) { return f.satz > a.basis && f.satz < EndeDes(a); };
    const auto anfang = std::find_if(alle.begin(), alle.end(), drin);
    const auto ende = std::find_if_not(anfang, alle.end(), drin);
    return {anfang, ende};
}

// --- Writing -------------------------------------------------------------------

class Schreiber {
  public:
    explicit Schreiber(std::ostream& out) : out_(out) {}

    Schreiber& Satz(int16_t nummer) {
        out_ << std::to_string(nummer);
        return *this;
    }
    // A text field cannot hold a quote or a line end; they would break the
    // record, so they are replaced.
    Schreiber& Text(std::string_view text) {
        std::string sauber(text);
        std::replace(sauber.begin(), sauber.end(), '"', '\'');
        std::replace(sauber.begin(), sauber.end(), '\r', ' ');
        std::replace(sauber.begin(), sauber.end(), '\n', ' ');
        out_ << ",\"" << sauber << '"';
        return *this;
    }
    Schreiber& Zahl(std::string_view zahl) {
        out_ << ',' << zahl;
        return *this;
    }
    void Ende() { out_ << kZeilenende; }

  private:
    std::ostream& out_;
};

std::string Wert(const Modell& m, const Feld& f) {
    const double w = FeldLesen(m, f);
    switch (f.größe) {
    case Größe::Farbe:
    case Größe::Ganzzahl:
        return std::to_string(static_cast<long long>(w));
    case Größe::Bogenmaß:
        return FormatInvariantDoppelt(w);
    default:
        return FormatInvariant(static_cast<float>(w));
    }
}

void KopfSchreiben(Schreiber& w, const Modell& m, const Sprache& s, std::string_view zeitstempel) {
    w.Satz(10000).Text(kMarke).Ende();
    w.Satz(10001).Text(kKennung).Ende();
    w.Satz(10002).Text(Text(s, kTextDateiformat)).Zahl(std::to_string(Maschinendateiformat)).Ende();
    w.Satz(10003).Text(kMarke).Ende();
    // The author's name: nobody is asked for it.
    w.Satz(10004).Text("").Text("").Ende();
    w.Satz(10005).Text(std::string(Text(s, kTextGespeichert)) + std::string(zeitstempel)).Ende();
    w.Satz(10006).Text(Text(s, kTextMaßeinheit)).Text(m.Einheit).Ende();
    w.Satz(10007).Text(Text(s, kTextDruckeinheit)).Text(m.Druckeinheit).Ende();
    w.Satz(10099).Text(kMarke).Ende();
}

// --- Reading -------------------------------------------------------------------

// Splits the stream into fields the way the machine file is read: commas
// and line ends separate fields, line ends carry no meaning of their own, a
// field in double quotes may hold commas. A quote left open at the line end,
// text after a closing quote and overlong fields are malformed.
class Feldstrom {
  public:
    struct Eintrag {
        std::string text;
        bool zitiert = false;
    };

    explicit Feldstrom(std::istream& in) : puffer_(in.rdbuf()) {}

    std::optional<Eintrag> Nächstes() {
        if (!puffer_) return std::nullopt;
        while (Leer(Sehen()) || Zeilenende(Sehen()))
            Nehmen();
        if (Sehen() == kEnde) return std::nullopt;

        Eintrag e;
        if (Sehen() == '"') {
            e.zitiert = true;
            Nehmen();
            while (Sehen() != '"') {
                if (Sehen() == kEnde || Zeilenende(Sehen()) || e.text.size() >= kMaxLänge)
                    return std::nullopt;
                e.text += static_cast<char>(Nehmen());
            }
            Nehmen();
            while (Leer(Sehen()))
                Nehmen();
            if (Sehen() == ',')
                Nehmen();
            else if (Sehen() != kEnde && !Zeilenende(Sehen()))
                return std::nullopt;
            return e;
        }
        while (Sehen() != kEnde && Sehen() != ',' && !Zeilenende(Sehen())) {
            if (e.text.size() >= kMaxLänge) return std::nullopt;
            e.text += static_cast<char>(Nehmen());
        }
        while (!e.text.empty() && Leer(static_cast<unsigned char>(e.text.back())))
            e.text.pop_back();
        if (Sehen() == ',') Nehmen();
        return e;
    }

  private:
    static constexpr int kEnde = std::char_traits<char>::eof();
    // Far beyond any label of the file; stops a stream of garbage early.
    static constexpr std::size_t kMaxLänge = 4096;

    static bool Leer(int c) { return c == ' ' || c == '\t'; }
    static bool Zeilenende(int c) { return c == '\r' || c == '\n'; }
    int Sehen() { return puffer_->sgetc(); }
    int Nehmen() { return puffer_->sbumpc(); }

    std::streambuf* puffer_;
};

// Reads records in their fixed order. The first failure stops everything
// and remembers the record at which reading stopped.
class Leser {
  public:
    explicit Leser(std::istream& in) : strom_(in) {}

    bool Satz(int16_t erwartet) {
        aktuell_ = erwartet;
        const auto e = strom_.Nächstes();
        if (!e || e->zitiert) return false;
        const auto zahl = LiesZahl(e->text);
        if (!zahl || *zahl != std::trunc(*zahl) || *zahl < -32768 || *zahl > 32767) return false;
        const auto nummer = static_cast<int16_t>(*zahl);
        if (nummer != erwartet) {
            aktuell_ = nummer;
            return false;
        }
        return true;
    }

    bool Text(std::string* ziel = nullptr) {
        auto e = strom_.Nächstes();
        if (!e) return false;
        if (ziel) *ziel = std::move(e->text);
        return true;
    }

    std::optional<double> Zahl() {
        const auto e = strom_.Nächstes();
        if (!e || e->zitiert) return std::nullopt;
        return LiesZahl(e->text);
    }

    // The record being read, or the one found instead of it.
    int16_t Stelle() const { return aktuell_; }

  private:
    Feldstrom strom_;
    int16_t aktuell_ = 0;
};

// Reads the header into `m`; the format number goes to `version`.
bool KopfLesen(Leser& r, Modell& m, std::optional<int16_t>& version) {
    if (!(r.Satz(10000) && r.Text() && r.Satz(10001) && r.Text() && r.Satz(10002) && r.Text()))
        return false;
    const auto format = r.Zahl();
    const auto gerundet = format ? Runde16(*format) : std::nullopt;
    if (!gerundet) return false;
    version = *gerundet;
    if (*version != Maschinendateiformat) return false;
    return r.Satz(10003) && r.Text() && r.Satz(10004) && r.Text() && r.Text() && r.Satz(10005) &&
           r.Text() && r.Satz(10006) && r.Text() && r.Text(&m.Einheit) && r.Satz(10007) &&
           r.Text() && r.Text(&m.Druckeinheit) && r.Satz(10099) && r.Text();
}

bool AbschnittLesen(Leser& r, Modell& m, const Abschnitt& a) {
    if (!(r.Satz(a.basis) && r.Text())) return false;
    for (const Feld& f : FelderDes(a)) {
        if (!(r.Satz(f.satz) && r.Text())) return false;
        const auto wert = r.Zahl();
        if (!wert || !FeldSetzen(m, f, *wert)) return false;
    }
    return r.Satz(EndeDes(a)) && r.Text();
}

// What follows from the loaded values before anyone else sees them.
std::optional<int16_t> Ableiten(Modell& m) {
    // The crank drive under the rules of its dialog, with its volumes.
    try {
        if (const auto feld = KurbeltriebReparieren(m)) return FeldSuchen(*feld)->satz;
    } catch (const GeometrieFehler&) {
        return FeldSuchen("KWRadius")->satz; // the stroke overflows
    }
    try {
        KurbelvoluminaEintragen(m);
    } catch (const GeometrieFehler&) {
        return FeldSuchen("KDurchmesser")->satz;
    }
    try {
        m.Hub = Einzel(2.0 * m.KWRadius, "stroke");
    } catch (const GeometrieFehler&) {
        return FeldSuchen("KWRadius")->satz;
    }
    // The same rules as the dialogs that edit these values.
    UmsteuerungReparieren(m);
    // The file holds the laps only; derive the geometry set from them so
    // that a valve entered by its geometry keeps its laps.
    try {
        SchieberGeometrieAusÜberdeckung(m);
    } catch (const GeometrieFehler&) {
        return FeldSuchen("SchieberEingabe")->satz;
    }
    // The same repairs as the dialogs that edit the chest and the valve.
    try {
        SchieberkastenAbleiten(m);
    } catch (const GeometrieFehler&) {
        return FeldSuchen("KaLaufU")->satz;
    }
    KanalInnenReparieren(m);
    BetriebsparameterReparieren(m);
    SteuerhubEinstellungenReparieren(m);
    DruckeinstellungenReparieren(m);
    m.Geometriestand = 0;
    return std::nullopt;
}

// The message names the file, when there is one, and the damaged record.
Ladeergebnis Fehlschlag(Ladeergebnis::Art art, int16_t satz, int16_t version, const Sprache& s,
                        const std::filesystem::path* datei) {
    Ladeergebnis e{art, satz, version, {}};
    if (art == Ladeergebnis::Version) {
        e.meldung = Meldungstext(
            Text(s, kMeldungVersion),
            {{"|1", kZeilenende}, {"|2", std::to_string(version)}, {"|3", kZeilenende}});
    } else {
        const std::string stelle = std::string(kZeilenende) + std::to_string(satz);
        e.meldung = Meldungstext(Text(s, kMeldungLaden),
                                 {{"|1", kZeilenende}, {"|2", kZeilenende}, {"|3", stelle}});
    }
    e.meldung += "\r\n\r\n";
    if (datei) e.meldung += Dateizeile(s, *datei) + std::string(kZeilenende);
    if (art != Ladeergebnis::Version) e.meldung += Ursachentext(s, Ursache::SatzBeschädigt, satz);
    return e;
}

// A file that cannot be read at all: the file and the system's reason.
Ladeergebnis Unlesbar(const Sprache& s, const std::filesystem::path& datei, std::string ursache) {
    Ladeergebnis e{Ladeergebnis::Fehler, 0, 0, {}};
    e.meldung = Meldungstext(Text(s, kMeldungLaden),
                             {{"|1", kZeilenende}, {"|2", kZeilenende}, {"|3", ""}}) +
                "\r\n\r\n" + Dateizeile(s, datei) + std::string(kZeilenende) + ursache;
    return e;
}

Speicherergebnis Nichtgespeichert(const Sprache& s, const std::filesystem::path& datei,
                                  const std::string& ursache) {
    return {false, Meldungstext(Text(s, kMeldungSpeichern), {{"|1", "\r\n\r\n"}}) + "\r\n\r\n" +
                       Dateizeile(s, datei) + std::string(kZeilenende) + ursache};
}

// A short name in the target's folder that no file has yet, so that a
// target name of any valid length leaves room for it; empty when none is found.
std::filesystem::path TemporärerName(const std::filesystem::path& ziel) {
    const auto zeit = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    for (unsigned long long versuch = 0; versuch < 100; ++versuch) {
        const auto name = ziel.parent_path() /
                          (".vapro-" + std::to_string((zeit + versuch) % 100000000) + ".tmp");
        std::error_code ec;
        if (std::filesystem::symlink_status(name, ec).type() ==
            std::filesystem::file_type::not_found)
            return name;
    }
    return {};
}

// The file a save writes: a symbolic link is followed to its target, so the
// link stays and the file it names gets the new content.
std::filesystem::path Linkziel(std::filesystem::path datei) {
    for (int i = 0; i < 40; ++i) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(datei, ec)) || ec)
            return datei;
        const auto ziel = std::filesystem::read_symlink(datei, ec);
        if (ec) return datei;
        datei = ziel.is_absolute() ? ziel : datei.parent_path() / ziel;
    }
    return datei;
}

} // namespace

bool Speichern(const Modell& m, std::ostream& out, const Sprache& s, std::string_view zeitstempel) {
    Schreiber w(out);
    KopfSchreiben(w, m, s, zeitstempel);
    for (const Abschnitt& a : kAbschnitte) {
        w.Satz(a.basis).Text(std::string(Text(s, a.überschrift)) + std::string(kStriche)).Ende();
        for (const Feld& f : FelderDes(a))
            w.Satz(f.satz).Text(Beschriftung(f, s)).Zahl(Wert(m, f)).Ende();
        w.Satz(EndeDes(a)).Text(EndeDes(a) == kLetzterSatz ? kDateiende : kMarke).Ende();
    }
    out.flush();
    return static_cast<bool>(out);
}

Speicherergebnis Speichern(const Modell& m, const std::filesystem::path& datei, const Sprache& s,
                           std::string_view zeitstempel) {
    namespace fs = std::filesystem;
    const fs::path ziel = Linkziel(datei);
    std::error_code ec;
    const fs::file_status vorher = fs::status(ziel, ec);
    const bool vorhanden = fs::exists(vorher);
    if (vorhanden) {
        if (!fs::is_regular_file(vorher))
            return Nichtgespeichert(s, datei, Ursachentext(s, Ursache::KeineDatei));
        // Like a careful editor: a file nobody may write stays as it is, even
        // where the folder would let it be replaced (and for root).
        constexpr auto schreiben =
            fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
        if ((vorher.permissions() & schreiben) == fs::perms::none)
            return Nichtgespeichert(s, datei, Ursachentext(s, Ursache::Schreibgeschützt));
        errno = 0;
        std::ofstream probe(ziel, std::ios::binary | std::ios::app);
        if (!probe.is_open())
            return Nichtgespeichert(s, datei, Systemursache(s, LetzterSystemfehler()));
    }

    const auto temporär = TemporärerName(ziel);
    if (temporär.empty())
        return Nichtgespeichert(s, datei,
                                Systemursache(s, std::make_error_code(std::errc::file_exists)));
    errno = 0;
    std::ofstream out(temporär, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) return Nichtgespeichert(s, datei, Systemursache(s, LetzterSystemfehler()));
    errno = 0;
    bool ok = Speichern(m, out, s, zeitstempel);
    out.close();
    ok = ok && !out.fail();
    std::error_code fehler;
    if (!ok) fehler = LetzterSystemfehler();
    // The replaced file's permissions, not the default ones of a new file.
    if (ok && vorhanden)
        fs::permissions(temporär, vorher.permissions(), fs::perm_options::replace, fehler);
    if (ok && !fehler) fs::rename(temporär, ziel, fehler);
    if (!ok || fehler) {
        fs::remove(temporär, ec);
        return Nichtgespeichert(s, datei, Systemursache(s, fehler));
    }
    return {true, {}};
}

namespace {

Ladeergebnis LadenAus(Modell& m, std::istream& in, const Sprache& s,
                      const std::filesystem::path* datei) {
    Modell neu = m;
    Leser r(in);
    std::optional<int16_t> gelesen;
    const auto fehlschlag = [&](int16_t satz) {
        const bool fremd = gelesen && *gelesen != Maschinendateiformat;
        return Fehlschlag(fremd ? Ladeergebnis::Version : Ladeergebnis::Fehler, satz,
                          gelesen.value_or(0), s, datei);
    };
    try {
        if (!KopfLesen(r, neu, gelesen)) return fehlschlag(r.Stelle());
        for (const Abschnitt& a : kAbschnitte)
            if (!AbschnittLesen(r, neu, a)) return fehlschlag(r.Stelle());
    } catch (const std::exception&) {
        // A stream that throws or memory running out: nothing was installed.
        return fehlschlag(r.Stelle());
    }
    if (const auto satz = Ableiten(neu)) return fehlschlag(*satz);
    m = std::move(neu);
    return {Ladeergebnis::Ok, kLetzterSatz, *gelesen, {}};
}

} // namespace

Ladeergebnis Laden(Modell& m, std::istream& in, const Sprache& s) {
    return LadenAus(m, in, s, nullptr);
}

Ladeergebnis Laden(Modell& m, const std::filesystem::path& datei, const Sprache& s) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(datei, ec);
    if (ec || !fs::exists(status))
        return Unlesbar(
            s, datei,
            Systemursache(s, ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory)));
    // A folder would read as an empty file, a pipe or a device might never end.
    if (!fs::is_regular_file(status))
        return Unlesbar(s, datei, Ursachentext(s, Ursache::KeineDatei));
    errno = 0;
    std::ifstream in(datei, std::ios::binary);
    if (!in.is_open()) return Unlesbar(s, datei, Systemursache(s, LetzterSystemfehler()));
    return LadenAus(m, in, s, &datei);
}

} // namespace vapro
