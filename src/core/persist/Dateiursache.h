#pragma once
// Why a file could not be read or written, as the user reads it: the line
// naming the file and a sentence for the cause, in the current language.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "core/persist/Texte.h"

namespace vapro {

// German numbers of the cause sentences.
enum class Ursache : int {
    NichtGefunden = 3019,
    KeinZugriff = 3020,
    DatenträgerVoll = 3021,
    Schreibgeschützt = 3022,
    KeineDatei = 3023,
    SatzBeschädigt = 3024,  // |1: the record number
    ZeileBeschädigt = 3025, // |1: the line number
    ZuGroß = 3027,
    TafelUnvollständig = 3028, // |1: the line number
    DruckSteigtNicht = 3029,   // |1: the line number
    NameZuLang = 3030,
    NurLesbaresDateisystem = 3031,
};

// The cause sentence, with `stelle` for the record or line number.
std::string Ursachentext(const Sprache& s, Ursache u, long stelle = 0);

// The system's reason in the user's words; reasons without a sentence of
// their own are quoted as the system gives them.
std::string Systemursache(const Sprache& s, std::error_code ec);

// The reason errno gives for the last failed call of the C library; an
// input/output error when it gives none.
std::error_code LetzterSystemfehler();

// "Datei: <name>", the name as the user gave it.
std::string Dateizeile(const Sprache& s, const std::filesystem::path& datei);

} // namespace vapro
