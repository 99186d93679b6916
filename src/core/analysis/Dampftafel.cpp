#include "core/analysis/Dampftafel.h"

#include "core/model/Modell.h"

#include <cerrno>
#include <cmath>
#include <exception>
#include <fstream>
#include <limits>
#include <system_error>
#include <utility>

#include "core/numbers/Zahlenformat.h"
#include "core/persist/Dateiursache.h"
#include "core/persist/Texte.h"

#ifndef VAPRO_DATA_DIR
#define VAPRO_DATA_DIR "data"
#endif

namespace vapro {

namespace {

bool IstBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IstZeilenende(char c) {
    return c == '\r' || c == '\n';
}

// A field quoted in an error reason: short, and without control bytes or
// broken multi-byte sequences that would garble a log line.
std::string Zitat(std::string_view text) {
    constexpr std::size_t Max = 24;
    std::string z = "\"";
    for (std::size_t i = 0; i < text.size() && i < Max; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        z += (c < 0x20 || c >= 0x7f) ? '?' : static_cast<char>(c);
    }
    if (text.size() > Max) z += "...";
    return z + "\"";
}

std::optional<int> GanzeZahl(std::string_view text, int min, int max) {
    const auto z = LiesZahl(text);
    if (!z || *z != std::floor(*z) || *z < min || *z > max) return std::nullopt;
    return static_cast<int>(*z);
}

// A row pressure in the precision of PO1; beyond the float range it becomes
// an infinity instead of an undefined conversion.
float AlsEinzel(double wert) {
    constexpr double max = std::numeric_limits<float>::max();
    if (wert > max) return std::numeric_limits<float>::infinity();
    if (wert < -max) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(wert);
}

// Builds a grid field by field; the first fault ends the building.
class Aufbau {
  public:
    Aufbau(std::string_view inhalt, std::string dateiname)
        : leser_(inhalt), dateiname_(std::move(dateiname)) {}

    DampftafelErgebnis Lesen() {
        if (!NächstesFeld("title")) return Ende();
        std::optional<int> n, m;
        if (!Zahl("row count", 0, std::numeric_limits<int>::max() - 1, n) ||
            !Zahl("column count", 1, DampftafelMaxSpalten, m) ||
            !Zahl("fixed row count", 0, std::numeric_limits<int>::max(),
                  ergebnis_.Tafel.FixeZeilen) ||
            !Zahl("fixed column count", 0, std::numeric_limits<int>::max(),
                  ergebnis_.Tafel.FixeSpalten))
            return Ende();

        auto& tafel = ergebnis_.Tafel;
        for (int c = 1; c <= *m; ++c) {
            std::optional<int> format;
            if (!Zahl("format code of column " + std::to_string(c), 0, DampftafelMaxFormat, format))
                return Ende();
            tafel.Formate.push_back(*format);
        }
        // A text that lays the rows out one per line (row 0 on a line of its
        // own, row 1 on the next) must keep to it: a row running on into the
        // next line has lost fields, and the rows after it would shift.
        bool zeilenweise = false;
        int vorherEnde = 0;
        for (int r = 0; r <= *n; ++r) {
            tafel.Zellen.emplace_back(static_cast<std::size_t>(*m));
            int anfang = 0, ende = 0;
            for (int c = 1; c <= *m; ++c) {
                auto feld =
                    NächstesFeld("cell (" + std::to_string(r) + ", " + std::to_string(c) + ")");
                if (!feld) return Ende();
                if (c == 1) {
                    anfang = feld->Zeile;
                    tafel.Textzeilen.push_back(anfang);
                }
                ende = feld->Zeile;
                tafel.Zellen.back()[c - 1] = ZelleAnzeigen(feld->Text, tafel.Formate[c - 1]);
            }
            if (r == 1) zeilenweise = tafel.Textzeilen[0] == vorherEnde && anfang > vorherEnde;
            if (zeilenweise && r > 1 && anfang == vorherEnde) {
                Fehler("line " + std::to_string(anfang) + ": row " + std::to_string(r - 1) +
                           " has more than " + std::to_string(*m) + " fields",
                       DampftafelFehler::Art::Beschädigt, anfang);
                return Ende();
            }
            if (zeilenweise && ende != anfang) {
                Fehler("line " + std::to_string(anfang) + ": row " + std::to_string(r) +
                           " has fewer than " + std::to_string(*m) + " fields",
                       DampftafelFehler::Art::Unvollständig, anfang);
                return Ende();
            }
            vorherEnde = ende;
        }
        return Ende();
    }

  private:
    std::optional<Tafelfeld> NächstesFeld(const std::string& was) {
        auto feld = leser_.Nächstes();
        if (!feld) {
            const std::string zeile = "line " + std::to_string(leser_.Zeile()) + ": ";
            if (leser_.Fehler().empty())
                Fehler(zeile + "file ends before the " + was, DampftafelFehler::Art::Unvollständig,
                       leser_.Zeile());
            else
                Fehler(zeile + leser_.Fehler(), DampftafelFehler::Art::Beschädigt, leser_.Zeile());
        }
        return feld;
    }

    // A label followed by a whole number within [min, max].
    template <typename Ziel> bool Zahl(const std::string& was, int min, int max, Ziel& ziel) {
        if (!NächstesFeld("label of the " + was)) return false;
        auto feld = NächstesFeld(was);
        if (!feld) return false;
        const auto wert = GanzeZahl(feld->Text, min, max);
        if (!wert) {
            const std::string bereich =
                max >= std::numeric_limits<int>::max() - 1
                    ? ", " + std::to_string(min) + " or more"
                    : " from " + std::to_string(min) + " to " + std::to_string(max);
            Fehler("line " + std::to_string(feld->Zeile) + ": " + was + " " + Zitat(feld->Text) +
                       " is not a whole number" + bereich,
                   DampftafelFehler::Art::Beschädigt, feld->Zeile);
            return false;
        }
        ziel = *wert;
        return true;
    }

    void Fehler(std::string grund, DampftafelFehler::Art art, int zeile) {
        if (!ergebnis_.Fehler)
            ergebnis_.Fehler = DampftafelFehler{dateiname_, std::move(grund), art, zeile, {}};
    }

    DampftafelErgebnis Ende() { return std::move(ergebnis_); }

    Feldleser leser_;
    std::string dateiname_;
    DampftafelErgebnis ergebnis_;
};

} // namespace

// --- Feldleser -------------------------------------------------------------------

// Steps over one line end at pos_; "\r\n" counts as one.
void Feldleser::ZeilenendeÜberspringen() {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++zeile_;
}

std::optional<Tafelfeld> Feldleser::Nächstes() {
    if (!fehler_.empty()) return std::nullopt;
    while (pos_ < text_.size() && (IstBlank(text_[pos_]) || IstZeilenende(text_[pos_]))) {
        if (IstZeilenende(text_[pos_]))
            ZeilenendeÜberspringen();
        else
            ++pos_;
    }
    if (pos_ == text_.size()) return std::nullopt;

    Tafelfeld feld;
    feld.Zeile = zeile_;
    if (text_[pos_] == '"') {
        ++pos_;
        for (;;) {
            if (pos_ == text_.size()) {
                fehler_ =
                    "quoted text opened in line " + std::to_string(feld.Zeile) + " is never closed";
                return std::nullopt;
            }
            const char c = text_[pos_];
            if (c == '"') {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                    feld.Text += '"';
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                break;
            }
            if (IstZeilenende(c)) {
                const std::size_t anfang = pos_;
                ZeilenendeÜberspringen();
                feld.Text += text_.substr(anfang, pos_ - anfang);
            } else {
                feld.Text += c;
                ++pos_;
            }
        }
        while (pos_ < text_.size() && IstBlank(text_[pos_]))
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] == ',') {
            ++pos_;
        } else if (pos_ < text_.size() && !IstZeilenende(text_[pos_])) {
            fehler_ = "text after the closing quote";
            return std::nullopt;
        }
        return feld;
    }

    const std::size_t anfang = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !IstZeilenende(text_[pos_]))
        ++pos_;
    std::size_t ende = pos_;
    while (ende > anfang && IstBlank(text_[ende - 1]))
        --ende;
    feld.Text = std::string(text_.substr(anfang, ende - anfang));
    if (pos_ < text_.size() && text_[pos_] == ',') ++pos_;
    return feld;
}

// --- Grid ------------------------------------------------------------------------

std::string_view Dampftafel::Zelle(int zeile, int spalte) const {
    if (zeile < 0 || zeile >= Zeilen() || spalte < 1 || spalte > Spalten()) return {};
    const auto& z = Zellen[static_cast<std::size_t>(zeile)];
    return static_cast<std::size_t>(spalte) <= z.size() ? std::string_view(z[spalte - 1])
                                                        : std::string_view();
}

std::string ZelleAnzeigen(std::string_view feld, int format) {
    static constexpr std::string_view Muster[DampftafelMaxFormat + 1] = {
        "0", "0.0", "0.00", "0.000", "0.0000", "0.00000", "0.000000"};
    if (format < 0 || format > DampftafelMaxFormat) return std::string(feld);
    const auto zahl = LiesZahl(feld);
    if (!zahl) return std::string(feld);
    return FormatMuster(*zahl, Muster[format]);
}

// --- Loading -----------------------------------------------------------------------

DampftafelErgebnis DampftafelLesen(std::string_view inhalt, std::string dateiname) {
    if (inhalt.starts_with("\xEF\xBB\xBF")) inhalt.remove_prefix(3);
    try {
        return Aufbau(inhalt, dateiname).Lesen();
    } catch (const std::exception& x) {
        // Only memory exhaustion can get here; the caller still gets a
        // result it can report instead of an exception through the UI.
        return {Dampftafel{},
                DampftafelFehler{std::move(dateiname), x.what(), DampftafelFehler::Art::Datei, 0,
                                 std::make_error_code(std::errc::not_enough_memory)}};
    }
}

DampftafelErgebnis DampftafelLaden(const std::filesystem::path& pfad) {
    std::string name = pfad.filename().string();
    const auto fehler = [&](std::string grund, std::error_code system) {
        return DampftafelErgebnis{
            Dampftafel{},
            DampftafelFehler{name, std::move(grund), DampftafelFehler::Art::Datei, 0, system}};
    };
    const auto zuGroß = std::make_error_code(std::errc::file_too_large);

    std::error_code ec;
    const auto status = std::filesystem::status(pfad, ec);
    if (ec || !std::filesystem::exists(status))
        return fehler("file not found",
                      ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory));
    // Only plain files: a folder fails to read, a pipe or device might never end.
    if (!std::filesystem::is_regular_file(status))
        return fehler("not a regular file", std::make_error_code(std::errc::is_a_directory));
    const auto größe = std::filesystem::file_size(pfad, ec);
    if (!ec && größe > DampftafelMaxBytes)
        return fehler("file too large for a steam table", zuGroß);

    errno = 0;
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) return fehler("file cannot be opened", LetzterSystemfehler());
    std::string inhalt;
    char puffer[1 << 14];
    while (ein.read(puffer, sizeof puffer) || ein.gcount() > 0) {
        inhalt.append(puffer, static_cast<std::size_t>(ein.gcount()));
        if (inhalt.size() > DampftafelMaxBytes)
            return fehler("file too large for a steam table", zuGroß);
    }
    if (ein.bad()) return fehler("file cannot be read", LetzterSystemfehler());
    return DampftafelLesen(inhalt, std::move(name));
}

// --- Shipped tables and lookup -------------------------------------------------------

std::string_view DampftafelDateiname(Dampftafelart art) {
    return art == Dampftafelart::SI ? "Dampftafel SI.txt" : "Dampftafel US.txt";
}

std::filesystem::path DampftafelPfad(Dampftafelart art, const std::filesystem::path& datenordner) {
    return datenordner / DampftafelDateiname(art);
}

Dampftafelart DampftafelartFürEinheit(std::string_view einheit) {
    return IstMM(einheit) ? Dampftafelart::SI : Dampftafelart::US;
}

int V2StrichSpalte(Dampftafelart art) {
    return art == Dampftafelart::SI ? 4 : 6;
}

namespace {

// The first fault the lookup would trip over, with the line it lies in.
std::optional<DampftafelFehler> Prüfung(const Dampftafel& tafel, Dampftafelart art) {
    using Art = DampftafelFehler::Art;
    const auto fehler = [&](int r, Art a, std::string grund) {
        const int zeile =
            r >= 0 && r < static_cast<int>(tafel.Textzeilen.size()) ? tafel.Textzeilen[r] : 0;
        const std::string stelle = zeile > 0 ? "line " + std::to_string(zeile) + ", " : "";
        return DampftafelFehler{{}, stelle + std::move(grund), a, zeile, {}};
    };
    const int v2 = V2StrichSpalte(art);
    if (tafel.Spalten() < v2)
        return fehler(0, Art::Unvollständig,
                      std::to_string(tafel.Spalten()) + " columns, but v'' is expected in column " +
                          std::to_string(v2));
    if (tafel.Zeilen() <= ErsteDatenzeile)
        return fehler(tafel.Zeilen() - 1, Art::Unvollständig, "no data rows below the headings");

    std::optional<double> vorher;
    for (int r = ErsteDatenzeile; r < tafel.Zeilen(); ++r) {
        const std::string zeile = "row " + std::to_string(r) + ": ";
        const auto druck = LiesZahl(tafel.Zelle(r, DruckSpalte));
        if (!druck)
            return fehler(r, Art::Beschädigt,
                          zeile + "pressure " + Zitat(tafel.Zelle(r, DruckSpalte)) +
                              " is not a number");
        // Equal pressures would hide a row from the lookup.
        if (vorher && !(*druck > *vorher))
            return fehler(r, Art::DruckFällt, zeile + "pressure not higher than in the row above");
        vorher = druck;
        if (!LiesZahl(tafel.Zelle(r, SättigungstemperaturSpalte)))
            return fehler(r, Art::Beschädigt,
                          zeile + "saturation temperature " +
                              Zitat(tafel.Zelle(r, SättigungstemperaturSpalte)) +
                              " is not a number");
        const auto v = LiesZahl(tafel.Zelle(r, v2));
        if (!v || !(*v > 0))
            return fehler(r, Art::Beschädigt,
                          zeile + "v'' " + Zitat(tafel.Zelle(r, v2)) + " is not a positive number");
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> DampftafelPrüfen(const Dampftafel& tafel, Dampftafelart art) {
    if (auto f = Prüfung(tafel, art)) return std::move(f->Grund);
    return std::nullopt;
}

std::optional<DampftafelFehler> DampftafelFehlerFürSuche(const Dampftafel& tafel, Dampftafelart art,
                                                         std::string dateiname) {
    auto f = Prüfung(tafel, art);
    if (f) f->Dateiname = std::move(dateiname);
    return f;
}

DampftafelErgebnis DampftafelLadenFürSuche(const std::filesystem::path& pfad, Dampftafelart art) {
    auto ergebnis = DampftafelLaden(pfad);
    if (ergebnis.Ok())
        ergebnis.Fehler = DampftafelFehlerFürSuche(ergebnis.Tafel, art, pfad.filename().string());
    return ergebnis;
}

std::optional<Dampfzustand> DampfzustandSuchen(const Dampftafel& tafel, float PO1,
                                               Dampftafelart art) {
    for (int r = ErsteDatenzeile; r < tafel.Zeilen(); ++r) {
        const auto druck = LiesZahl(tafel.Zelle(r, DruckSpalte));
        if (!druck) return std::nullopt;
        if (AlsEinzel(*druck) >= PO1) {
            Dampfzustand z;
            z.Zeile = r;
            z.Druck = *druck;
            z.Sättigungstemperatur = std::string(tafel.Zelle(r, SättigungstemperaturSpalte));
            z.V2Strich = std::string(tafel.Zelle(r, V2StrichSpalte(art)));
            z.V2StrichZahl = LiesZahl(z.V2Strich);
            return z;
        }
    }
    return std::nullopt;
}

std::string DampftafelMeldung(const Sprache& sprache, const DampftafelFehler& fehler) {
    const std::string name = "'  " + fehler.Dateiname + "  '\n";
    std::string meldung = Meldungstext(sprache.Text(2007), {{"|1", name}});
    using Art = DampftafelFehler::Art;
    std::string ursache;
    if (fehler.art == Art::Datei) {
        if (fehler.System) ursache = Systemursache(sprache, fehler.System);
    } else if (fehler.Zeile > 0) {
        const Ursache u = fehler.art == Art::Unvollständig ? Ursache::TafelUnvollständig
                          : fehler.art == Art::DruckFällt  ? Ursache::DruckSteigtNicht
                                                           : Ursache::ZeileBeschädigt;
        ursache = Ursachentext(sprache, u, fehler.Zeile);
    }
    if (!ursache.empty()) meldung += "\n" + ursache;
    return meldung;
}

} // namespace vapro
