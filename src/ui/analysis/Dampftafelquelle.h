#pragma once
// The steam tables as the windows get them: from the program's one store
// (Kontext::dampftafeln), in the data folder the start-up settled on, with a
// failure shown to the user once.

#include <filesystem>

#include "core/analysis/Dampftafelvorrat.h"
#include "ui/Kontext.h"

class QWidget;

namespace vapro {

// `Programmpfad` as the start-up set it, else the program's own data folder;
// never the working folder, which a desktop launcher chooses.
std::filesystem::path Dampftafelordner(const Kontext& k);

// Message 3007 with the file name for `fehler`, unless this read's failure
// was shown already.
void DampftafelFehlerMelden(Kontext& k, Dampftafelvorrat::Eintrag& e,
                            const DampftafelFehler& fehler, QWidget* eltern);

// The table of a kind for the lookup, read if need be; nullptr when it
// cannot serve. With `melden` a failure not yet shown is shown; a frame step
// passes false, so no message opens while the timer runs.
const Dampftafel* DampftafelFürSuche(Kontext& k, Dampftafelart art, QWidget* eltern, bool melden);

} // namespace vapro
