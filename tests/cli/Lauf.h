#pragma once
// Runs vapro-cli in-process and reads its key=value output.

#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Befehle.h"

namespace vapro::test {

struct Lauf {
    int code;
    std::string out, err;
};

inline Lauf Starte(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = cli::Ausführen(args, out, err);
    return {code, out.str(), err.str()};
}

// The key=value lines of a --kv run, as numbers.
inline std::map<std::string, double> Werte(const std::vector<std::string>& args) {
    std::map<std::string, double> kv;
    std::istringstream in(Starte(args).out);
    for (std::string z; std::getline(in, z);) {
        const auto g = z.find('=');
        if (g == std::string::npos) continue;
        const std::string wert = z.substr(g + 1);
        char* ende = nullptr;
        const double zahl = std::strtod(wert.c_str(), &ende);
        if (wert == "true" || wert == "false")
            kv[z.substr(0, g)] = wert == "true";
        else if (!wert.empty() && *ende == '\0') // texts such as file names are left out
            kv[z.substr(0, g)] = zahl;
    }
    return kv;
}

} // namespace vapro::test
