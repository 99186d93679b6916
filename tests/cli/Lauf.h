#pragma once
// Runs vapro-cli in-process and reads its key=value output.

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
        kv[z.substr(0, g)] = wert == "true" ? 1 : wert == "false" ? 0 : std::stod(wert);
    }
    return kv;
}

} // namespace vapro::test
