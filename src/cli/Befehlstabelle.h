#pragma once
// Every command of vapro-cli in one table: its name on the command line, its
// help line, what a geometry error calls its work, and what runs it.

#include <span>
#include <string>
#include <string_view>

#include "cli/Aufruf.h"
#include "cli/Ausgabe.h"
#include "core/model/Modell.h"
#include "core/persist/Texte.h"

namespace vapro::cli {

struct Befehlseintrag {
    Befehl befehl;
    std::string_view name;
    std::string_view aufruf; // the command with its options, for the help
    std::string_view zweck;  // what it gives, for the help
    std::string_view arbeit; // the work named in a geometry error
    // Saving writes the engine as built, and the lever-range commands take
    // both directions; every other command first settles the direction of rotation.
    bool drehrichtung;
    // Runs the command; gives the exit code.
    int (*ausführen)(Modell&, const Aufruf&, const Sprache&, Ausgabe&);
};

std::span<const Befehlseintrag> Befehlstabelle();
// Nothing for an unknown name.
const Befehlseintrag* BefehlSuchen(std::string_view name);
const Befehlseintrag& BefehlEintrag(Befehl befehl);

// The text of --help.
std::string Bedienung();

} // namespace vapro::cli
