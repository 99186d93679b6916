#pragma once
// Saturated-steam tables: the comma-separated text files shipped beside the
// program, the grid they fill, and the row the operating figures take for a
// valve-chest pressure.
//
// File layout, as a plain sequence of fields: title; label, N (grid rows
// after heading row 0); label, M (columns, 1..20); label, fixed rows; label,
// fixed columns; M pairs of label and format code (decimals, 0..6); then the
// cells of grid rows 0..N, M per row. Rows 0 and 1 hold names and units, the
// data rows follow sorted by ascending pressure in column 1.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace vapro {

struct Sprache;

// --- Comma-separated fields ---------------------------------------------------

struct Tafelfeld {
    std::string Text;
    int Zeile = 1; // line of the text the field starts on, from 1
};

// Splits a text into fields. Commas and line ends separate fields; line ends
// carry no meaning of their own, so blank lines and the line end after a
// comma separate nothing, and only two commas in a row give an empty field.
// Blanks and tabs around an unquoted field are dropped. A field opening with
// a double quote runs to the closing quote, commas and line ends included;
// "" inside stands for one quote. A quote never closed, or text between a
// closing quote and the next separator, is malformed: the reader stops and
// reports it.
class Feldleser {
  public:
    explicit Feldleser(std::string_view text) : text_(text) {}

    // The next field, or nothing at the end of the text or after a fault.
    std::optional<Tafelfeld> Nächstes();

    // Why the reading stopped early; empty while the text is well formed.
    const std::string& Fehler() const { return fehler_; }
    int Zeile() const { return zeile_; }

  private:
    void ZeilenendeÜberspringen();

    std::string_view text_;
    std::size_t pos_ = 0;
    int zeile_ = 1;
    std::string fehler_;
};

// --- The grid ------------------------------------------------------------------

inline constexpr int DampftafelMaxSpalten = 20;
inline constexpr int DampftafelMaxFormat = 6;

// Grid columns of the lookup (column 0 of the window's grid is a margin).
inline constexpr int DruckSpalte = 1;
inline constexpr int SättigungstemperaturSpalte = 2;
inline constexpr int ErsteDatenzeile = 2;

// A loaded table as the window shows it: every cell already formatted.
struct Dampftafel {
    int FixeZeilen = 0;
    int FixeSpalten = 0;
    std::vector<int> Formate;                     // format code of column c at [c - 1]
    std::vector<std::vector<std::string>> Zellen; // cell (r, c) at [r][c - 1]
    std::vector<int> Textzeilen;                  // line of the text grid row r starts on

    int Zeilen() const { return static_cast<int>(Zellen.size()); }   // N + 1 when complete
    int Spalten() const { return static_cast<int>(Formate.size()); } // M
    // Cell text of grid row `zeile` (from 0) and column `spalte` (1..M);
    // empty outside the table.
    std::string_view Zelle(int zeile, int spalte) const;
};

// How a cell shows a field: a number with as many decimals as the format
// code says (halves rounded away from zero on the decimal text); anything
// else, and any field under a code outside 0..6, unchanged.
std::string ZelleAnzeigen(std::string_view feld, int format);

// --- Loading -------------------------------------------------------------------

// A failed load: the file name for the message box and a reason for people
// reading a log or the command line.
struct DampftafelFehler {
    enum class Art {
        Datei,         // the file itself: see System, or not a regular file, or too large
        Beschädigt,    // a field that cannot be used, in Zeile
        Unvollständig, // declared rows or columns missing, seen in Zeile
        DruckFällt,    // a pressure not above the row before, in Zeile
    };
    std::string Dateiname;
    std::string Grund;
    Art art = Art::Datei;
    int Zeile = 0;
    std::error_code System; // the system's reason for a file that cannot be read
};

struct DampftafelErgebnis {
    Dampftafel Tafel; // after a failure: the rows filled before it
    std::optional<DampftafelFehler> Fehler;

    bool Ok() const { return !Fehler.has_value(); }
};

// Files larger than this are refused before reading: a table of 20 columns
// and ten thousand rows stays far below it.
inline constexpr std::uintmax_t DampftafelMaxBytes = 2u * 1024u * 1024u;

// Builds the grid from the text of a table file. Fails on a malformed field,
// a missing field (declared rows or columns not all there), a text laid out
// one row per line whose row has too few or too many fields, a count that is not a whole number in
// its range, more than 20 columns or a format code outside 0..6. Fields after the last row are not
// read. `dateiname` only names the file in the error.
DampftafelErgebnis DampftafelLesen(std::string_view inhalt, std::string dateiname);

// Reads a table file completely and builds its grid; an unreadable or
// missing file fails too. Never throws for anything found in the file.
DampftafelErgebnis DampftafelLaden(const std::filesystem::path& pfad);

// --- The shipped tables and the lookup -------------------------------------------

enum class Dampftafelart { SI, US };

// "Dampftafel SI.txt" / "Dampftafel US.txt".
std::string_view DampftafelDateiname(Dampftafelart art);
// The shipped file of a kind in the data folder (see Datenordner).
std::filesystem::path DampftafelPfad(Dampftafelart art, const std::filesystem::path& datenordner);
// Exactly "[mm]" takes the SI table, any other unit key the US table.
Dampftafelart DampftafelartFürEinheit(std::string_view einheit);
// Column of the saturated-steam volume v'': 4 in the SI table, 6 in the US table.
int V2StrichSpalte(Dampftafelart art);

// What the lookup needs of a table of the given kind: enough columns, at
// least one data row, numeric pressures rising strictly from row to row, numeric
// saturation temperatures and a positive numeric v'' in every data row.
// Empty if all holds, else the first fault found.
std::optional<std::string> DampftafelPrüfen(const Dampftafel& tafel, Dampftafelart art);

// What DampftafelPrüfen finds, as a failure of the named file (with the
// line it lies in, for the message); empty if the table can serve the lookup.
std::optional<DampftafelFehler> DampftafelFehlerFürSuche(const Dampftafel& tafel, Dampftafelart art,
                                                         std::string dateiname);

// DampftafelLaden followed by DampftafelPrüfen: a table that cannot serve
// the lookup fails to load, with its file name, like a malformed one.
DampftafelErgebnis DampftafelLadenFürSuche(const std::filesystem::path& pfad, Dampftafelart art);

// The row the operating figures use for a chest pressure.
struct Dampfzustand {
    int Zeile = 0;                      // grid row
    double Druck = 0;                   // column 1 as a number
    std::string Sättigungstemperatur;   // column 2 as shown
    std::string V2Strich;               // v'' as shown
    std::optional<double> V2StrichZahl; // v'' as a number, if it is one
};

// The first data row whose pressure is at or above PO1, without
// interpolation. The row pressure is compared in single precision, the
// precision of PO1, so that a chest pressure typed as 1.1 finds the row 1.1.
// Nothing if no row reaches PO1 or a pressure on the way is not a number.
std::optional<Dampfzustand> DampfzustandSuchen(const Dampftafel& tafel, float PO1,
                                               Dampftafelart art);

// Message 3007 of the current language with the file name framed as
// "'  " + name + "  '" and a line break, followed by the cause.
std::string DampftafelMeldung(const Sprache& sprache, const DampftafelFehler& fehler);

} // namespace vapro
