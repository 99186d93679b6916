#pragma once
// The start-up sequence up to the first shown windows, apart from main() so
// that tests can run it against an in-memory settings store.

#include <QString>
#include <functional>
#include <memory>

#include "ui/Kontext.h"

namespace vapro {

class F_Haupt;

// Version record, stored choices, default colours and texts, the default
// engine of the stored unit, then the main window (which reopens the last
// windows and the machine file to reopen, or `datei` from the command line)
// and the engine picture. `registrieren` runs at the first start of this
// version (the desktop file-type registration).
std::unique_ptr<F_Haupt> ProgrammStarten(Kontext& k, const QString& datei,
                                         const QString& programmpfadVorgabe,
                                         const std::function<void()>& registrieren);

} // namespace vapro
