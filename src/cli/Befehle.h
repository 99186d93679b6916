#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace vapro::cli {

// Exit codes of vapro-cli.
inline constexpr int kFertig = 0;
inline constexpr int kInterner = 1;
inline constexpr int kBedienfehler = 2;
inline constexpr int kGeometriefehler = 3;
inline constexpr int kDateifehler = 4;
inline constexpr int kWarnung = 5; // check: at least one design check warns

// Runs one command line (without the program name); never throws. The
// steam tables are read from `datenordner`.
int Ausführen(const std::vector<std::string>& argumente, std::ostream& out, std::ostream& err,
              const std::filesystem::path& datenordner = VAPRO_DATA_DIR);

} // namespace vapro::cli
