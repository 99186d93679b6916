#pragma once
// Where the shipped data (steam tables, help files, desktop entry, icon) are
// found at run time, for the desktop program and the command line alike.

#include <filesystem>

namespace vapro {

// The first folder holding the shipped data: `<prefix>/share/zelto-vapro`
// for a program installed in `<prefix>/bin`, a `data` folder beside the
// program, else the data folder of the source tree the build was made from.
std::filesystem::path Datenordner(const std::filesystem::path& programmordner);

} // namespace vapro
