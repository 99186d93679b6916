#pragma once
// Where the program's shipped data (help files, steam tables, icon, desktop
// templates) lives: an installed share folder beside the executable's bin
// folder, a "data" folder beside the executable, or the build tree's data
// folder, in this order.

#include <QString>

namespace vapro {

// The folder, ending in '/'.
QString Datenordner();

} // namespace vapro
