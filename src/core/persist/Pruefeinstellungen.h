#pragma once
// The design checks' targets as the user set them, kept in the settings
// store (section "Prüfung", one key per target name) so that they hold for
// every engine and every run.

#include <string_view>

#include "core/analysis/Konstruktionspruefung.h"
#include "core/persist/Einstellungsspeicher.h"

namespace vapro {

inline constexpr std::string_view AbschnittPrüfung = "Prüfung";

// The stored targets, repaired; a missing or unreadable key gives its default.
Prüfgrenzen PrüfgrenzenLaden(const Einstellungsspeicher& s);
// Writes every target (repaired) under its name.
void PrüfgrenzenSpeichern(Einstellungsspeicher& s, const Prüfgrenzen& g);

} // namespace vapro
