#pragma once
// The command line of vapro-cli, parsed.

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vapro::cli {

enum class Befehl { Solve, Sweep, Direction, Events, Motion };
enum class Richtung { Auto, Vor, Zurück };

struct Aufruf {
    std::string einheit = "[mm]";
    std::vector<std::pair<std::string, double>> setzen;  // --set FIELD=VALUE, in order
    std::optional<double> umwinkel;                        // degrees
    Richtung richtung = Richtung::Auto;
    bool kv = false;
    bool csv = false;

    Befehl befehl = Befehl::Events;
    double winkel = 0;                    // solve
    double von = 0, bis = 0, schritt = 0;  // sweep, motion (schritt)
};

// A usage error: unknown option or field, missing or bad number.
class Bedienfehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws Bedienfehler with a one-line message.
Aufruf AufrufLesen(const std::vector<std::string>& argumente);

extern const char* const kBedienung;

}  // namespace vapro::cli
