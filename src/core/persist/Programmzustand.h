#pragma once
// Process state of the desktop program beside the model: the current machine
// file, the next-start choices and where the help files live.

#include <cstdint>
#include <string>

#include "core/model/Verlauf.h"

namespace vapro {

struct Programmzustand {
    std::string Dateiname;    // current machine file; empty for a default engine
    int16_t Rücksetzen = 0;   // 1: delete the settings of this run at exit
    std::string Programmpfad; // folder of the help files, ending in '/'
    Verlauf verlauf;          // undo and redo of changes to the engine
    // The valve-travel graph that last opened the graph settings or printing:
    // "SteuerHub" (over crank angle) or "SteuerHubWeg" (over piston travel).
    std::string SteuerHubAufrufer = "SteuerHub";
};

} // namespace vapro
