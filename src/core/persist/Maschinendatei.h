#pragma once
// The machine file (*.kmf): one complete engine as numbered text records,
// `number,"label",value`, one per line with CR LF line ends. A header
// (10000-10099) carries the format number, the time of saving and the unit
// keys; then one section per window follows in a fixed order, each with a
// heading record B+00, data records B+01... without gaps and an end record
// B+99. The labels are those of the language in force when saving; readers
// ignore them, so a file saved in English loads under German captions.

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

#include "core/model/Modell.h"
#include "core/persist/Texte.h"

namespace vapro {

// The only format this program writes and reads.
inline constexpr int16_t Maschinendateiformat = 34;

struct Ladeergebnis {
    enum Art { Ok, Version, Fehler };
    Art art = Ok;
    // Record at which reading stopped: the number found where another was
    // expected, the record whose value could not be used, or the expected
    // one when the file ended or the number was unreadable; 0 when the file
    // could not be opened. The last record read when all went well.
    int16_t satz = 0;
    // Format number found in the header; 0 before it was read.
    int16_t version = 0;
    // The message for the user in the given language, placeholders
    // expanded; empty when all went well.
    std::string meldung;
};

struct Speicherergebnis {
    bool ok = false;
    std::string meldung; // empty when saved
};

// Reads a whole machine file. The model changes only when the whole file
// was read: then it holds every value of the file, `Einheit` and
// `Druckeinheit` as the header names them (nothing is converted), `Hub` =
// 2 * `KWRadius`, the slide valve's geometry set derived from the loaded laps
// (so a valve saved in geometry entry mode keeps its laps when the dialog
// derives them again) and `Geometriestand` = 0. After an Ok the caller
// refreshes the unit names and the windows and runs the recompute; on any
// other answer it shows `meldung` and the model is exactly as before.
// The crank drive goes through the rules of its dialog and gets its volumes;
// a crank radius or bore <= 0 is a damaged record.
// The graph settings are kept within what the graphs draw (1 to 20
// revolutions, markers of at least 1), the print settings within the limits
// of the print dialogs.
Ladeergebnis Laden(Modell& m, std::istream& in, const Sprache& s);
Ladeergebnis Laden(Modell& m, const std::filesystem::path& datei, const Sprache& s);

// Writes the whole file with the labels of `s`. `zeitstempel` is the date,
// ",  " and the time of saving as the user reads them; it follows the
// "saved" label of record 10005. False when the stream failed.
bool Speichern(const Modell& m, std::ostream& out, const Sprache& s, std::string_view zeitstempel);

// Saves to a file: written to a temporary file beside it and renamed over
// the target only when everything was written, so a failure leaves any
// earlier file as it was.
Speicherergebnis Speichern(const Modell& m, const std::filesystem::path& datei, const Sprache& s,
                           std::string_view zeitstempel);

} // namespace vapro
