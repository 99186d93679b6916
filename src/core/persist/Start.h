#pragma once
// What the program keeps between runs in the settings store and how start-up
// and shut-down read and write it. Section "Version" holds the version
// record, language, unit and help folder; section "Aktuell" the state of the
// last run (file to reopen, open windows, window positions).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/model/Modell.h"
#include "core/persist/Einstellungsspeicher.h"
#include "core/persist/Programmzustand.h"
#include "core/persist/Texte.h"

namespace vapro {

inline constexpr std::string_view AbschnittVersion = "Version";
inline constexpr std::string_view AbschnittAktuell = "Aktuell";

// The version number this program records; a different stored number means
// the first start of this version.
inline constexpr std::string_view VersionsNummer = "33";

// The "open window" keys of section "Aktuell", in the order the main window
// restores them at start-up.
inline constexpr std::array<std::string_view, 16> FensterZeigenSchlüssel = {
    "Bild Zeigen",         "Tabelle Zeigen",
    "SteuerHub Zeigen",    "SteuerHubWeg Zeigen",
    "Meßwerte Zeigen",     "Diagramm Zeigen",
    "Steuerzeiten Zeigen", "Dampftafel Zeigen",
    "DampftafelUS Zeigen", "Kurbeltrieb Zeigen",
    "Umsteuerung Zeigen",  "Schieka Zeigen",
    "Schieber Zeigen",     "Betriebsparameter Zeigen",
    "Stein Zeigen",        "Steuerungsverlauf Zeigen"};

// Local date and time as the store records them ("dd.mm.yyyy", "hh:mm:ss").
struct Zeitpunkt {
    std::string Datum, Zeit;
};
Zeitpunkt JetztLokal();

// Records the first start of this version: if "Versions Nr" is not this
// version, writes it together with "<nr> am:" / "<nr> um:" and answers true,
// so that the caller registers the file type.
bool VersionPrüfen(Einstellungsspeicher& s, std::string_view datum, std::string_view zeit);

// Language and unit as read at start-up; both are already reduced to the
// values the program knows.
struct GeleseneEinstellungen {
    int16_t Sprachbasis = SprachbasisDeutsch;
    std::string Einheit = "[mm]";
};

// Reads the next-start flag (into m.NächsterStart), the file to reopen and
// the help folder (into z), and answers language and unit. Missing or
// unusable values give their defaults: file start 1, no file, German,
// "[mm]" when no unit is stored (a stored unit other than exactly "[mm]"
// means inches), and `programmpfadVorgabe` (the installed data folder) for
// the help folder. The help folder always ends in '/'.
GeleseneEinstellungen EinstellungenLaden(const Einstellungsspeicher& s, Modell& m,
                                         Programmzustand& z, std::string_view programmpfadVorgabe);

// Normal shut-down: "File Start", "Filename" (empty unless the file is to be
// reopened), "Aufruf am"/"Aufruf um" and one "True"/"False" per window key
// of `offeneFenster` (keys as in FensterZeigenSchlüssel). Run only when no
// reset was asked for.
void EinstellungenSichern(Einstellungsspeicher& s, const Modell& m, const Programmzustand& z,
                          std::string_view datum, std::string_view zeit,
                          const std::vector<std::pair<std::string, bool>>& offeneFenster);

// Reset shut-down, run after every window has closed (closing windows still
// store their positions): drops the whole section "Aktuell" and records the
// time of the call again. Language and unit in "Version" stay.
void EinstellungenZurücksetzen(Einstellungsspeicher& s, std::string_view datum,
                               std::string_view zeit);

// Full path of the help file of the current language.
std::string HilfePfad(const Programmzustand& z, const Sprache& sprache);

} // namespace vapro
