#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/Befehle.h"
#include "core/persist/Datenordner.h"
#ifdef VAPRO_MIT_BILD
#include "cli/Berichtausgabe.h"
#include "cli/Bildausgabe.h"
#include "cli/Bildzeichner.h"
#endif

int main(int argc, char** argv) {
    std::vector<std::string> argumente(argv + 1, argv + argc);
#ifdef VAPRO_MIT_BILD
    vapro::cli::BildzeichnerSetzen(vapro::cli::Bildausgabe);
    vapro::cli::BerichtzeichnerSetzen(vapro::cli::Berichtausgabe);
#endif
    // The data lie relative to the program itself, wherever it was started from.
    std::error_code fehler;
    std::filesystem::path programm = std::filesystem::read_symlink("/proc/self/exe", fehler);
    if (fehler) programm = std::filesystem::absolute(argv[0], fehler);
    return vapro::cli::Ausführen(argumente, std::cout, std::cerr,
                                 vapro::Datenordner(programm.parent_path()));
}
