#pragma once
// The command line of vapro-cli, parsed.

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vapro::cli {

enum class Befehl {
    Solve,
    Sweep,
    Direction,
    Events,
    Motion,
    Save,
    Steam,
    Figures,
    Diagram,
    Range,
    Check,
    Optimise,
    Render,
    Report
};
enum class Richtung { Auto, Vor, Zurück };

// One free input of optimise: NAME or NAME:MIN:MAX.
struct FreiAngabe {
    std::string name;
    std::optional<double> min, max; // both or neither
};

struct Aufruf {
    std::string einheit = "[mm]";
    std::optional<std::string> datei; // --file: a machine file instead of a default engine
    bool umrechnen = false;
    bool englisch = false;
    std::vector<std::pair<std::string, double>> setzen; // --set FIELD=VALUE, in order
    std::optional<double> umwinkel;                     // degrees
    Richtung richtung = Richtung::Auto;
    bool kv = false;
    bool csv = false;

    Befehl befehl = Befehl::Events;
    double winkel = 0;                                    // solve, render
    double von = 0, bis = 0, schritt = 0;                 // sweep, motion, range, check (schritt)
    std::string ziel;                                     // save
    double druck = 0;                                     // steam
    double drehzahl = 0;                                  // figures
    double breite = 500;                                  // diagram, figures: plot width in pixels
    std::vector<std::pair<std::string, double>> grenzen;  // check: --grenze NAME=VALUE, in order
    std::vector<FreiAngabe> frei;                         // optimise: --frei
    std::vector<std::pair<std::string, double>> gewichte; // optimise: --ziel NAME=WEIGHT
    std::optional<double> zeit;                           // optimise: --zeit S
    std::filesystem::path datenordner;                    // where the steam tables are
    // render: which picture, the file (its extension names the type), pixels;
    // optimise writes the engine to `ausgabe` too, report the PDF
    std::string bild;
    std::string ausgabe;
    int bildBreite = 500, bildHöhe = 600;
};

// A usage error: unknown option or field, missing or bad number.
class Bedienfehler : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws Bedienfehler with a one-line message.
Aufruf AufrufLesen(const std::vector<std::string>& argumente);

} // namespace vapro::cli
