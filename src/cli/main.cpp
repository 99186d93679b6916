#include <iostream>
#include <string>
#include <vector>

#include "cli/Befehle.h"

int main(int argc, char** argv) {
    std::vector<std::string> argumente(argv + 1, argv + argc);
    return vapro::cli::Ausführen(argumente, std::cout, std::cerr);
}
