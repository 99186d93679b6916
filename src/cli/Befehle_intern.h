#pragma once
// The commands of vapro-cli, each writing its results through an Ausgabe.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "cli/Aufruf.h"
#include "cli/Ausgabe.h"
#include "core/analysis/Konstruktionspruefung.h"
#include "core/model/Modell.h"
#include "core/persist/Texte.h"

namespace vapro::cli {

// A file could not be read or written; the message is the user's.
class Dateifehler : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

void RichtungWählen(Modell& m, Richtung r);

// Kinematic commands.
void Lösen(Modell& m, const Aufruf& auf, Ausgabe& aus);
void Durchlauf(Modell& m, const Aufruf& auf, Ausgabe& aus);
void RichtungAusgeben(const Modell& m, Ausgabe& aus);
void Steuerzeiten(Modell& m, const Sprache& s, bool csv, Ausgabe& aus);
void Bewegung(Modell& m, const Aufruf& auf, Ausgabe& aus);

// Steam, figures and files.
void Sichern(const Modell& m, const Aufruf& auf, const Sprache& s);
void Dampf(const Modell& m, const Aufruf& auf, const Sprache& s, Ausgabe& aus);
void Kennzahlen(Modell& m, const Aufruf& auf, const Sprache& s, Ausgabe& aus);
void Diagramm(Modell& m, const Aufruf& auf, Ausgabe& aus);

// The lever range and the design checks over it; Prüfung gives the exit code.
void Hebelbereich(const Modell& m, const Aufruf& auf, Ausgabe& aus);
int Prüfung(const Modell& m, const Aufruf& auf, const Sprache& s, Ausgabe& aus);
// A figure of those tables for people: "---" when missing, and the pattern a
// check's value is written with.
std::string Muster(const std::optional<float>& wert, std::string_view muster);
std::string_view Wertmuster(Prüfart art, bool mm);

// The automatic setting: writes the improved engine to --out, prints the
// before/after table.
int Einstellung(const Modell& m, const Aufruf& auf, const Sprache& s, Ausgabe& aus);

} // namespace vapro::cli
