#pragma once
// Registers machine files (*.kmf) with the desktop, the freedesktop way: a
// desktop entry that opens them with this program (the path arrives as the
// only argument), a shared-mime-info package for the file type and the
// program's icon for both. Written at the first start of a program version.

#include <QString>

class QWidget;

namespace vapro {

class Plattform;
struct Sprache;

struct Verknüpfungsorte {
    QString basis;    // user data folder; applications/, mime/ and icons/ lie below it
    QString vorlagen; // folder holding zelto-vapro.desktop, zelto-vapro-mime.xml, vapro.png
    QString programm; // absolute path of the executable
    bool datenbankenAuffrischen = true; // run update-desktop-database / update-mime-database
};

// $XDG_DATA_HOME, or ~/.local/share when it is not set.
QString BenutzerDatenordner();

// The orte of this program run: the user's data folder, the shipped data
// folder and the running executable.
Verknüpfungsorte StandardVerknüpfungsorte();

// The value of an Exec key that starts `programm` with one file argument.
QString ExecZeile(const QString& programm);

// Writes the registration. Any file that cannot be written gives message
// 3011 and false; the caller carries on either way. Missing refresh tools
// are not an error: the desktop picks the files up at its next scan.
bool DateiverknüpfungSchreiben(const Verknüpfungsorte& orte, Plattform& plattform,
                               const Sprache& sprache, QWidget* eltern = nullptr);

} // namespace vapro
