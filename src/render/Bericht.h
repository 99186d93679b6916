#pragma once
// The design report: one PDF of the engine as it stands, to print, mail or
// keep with the drawings. Title with file name and date, the engine picture,
// every input grouped by the dialog that edits it, the valve events for both
// directions at the current lever angle, the graphs, the steam diagram, the
// operating figures at the current speed and cut-off and lead over the
// lever's travel. Drawn as vectors in the current language and units; the
// file is written as the picture export writes its files, so a failure
// leaves no partial report behind.

#include <QImage>
#include <QPageSize>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "core/analysis/Dampftafel.h"
#include "core/model/Modell.h"
#include "core/persist/Texte.h"
#include "render/Bildexport.h"

class QPagedPaintDevice;
class QPainter;

namespace vapro {

// A4, or Letter where the system's locale measures in US units.
QPageSize BerichtSeitenformat();

struct Berichtsangaben {
    std::string datei; // the machine file shown in the title; empty: not saved
    std::string datum; // when the report was made, as shown
    // The steam-table row for the chest pressure; without one the steam
    // figures of the operating figures stay blank.
    std::optional<Dampfzustand> dampf;
    char dezimal = '.';
    QPageSize seite = BerichtSeitenformat();
};

// Draws the report onto a paged device the painter is open on; gives the
// number of pages. Parts that cannot be computed for this engine (it cannot
// be assembled) say so on their page; the rest is drawn all the same.
int BerichtMalen(QPagedPaintDevice& gerät, QPainter& p, const Modell& m, const Sprache& s,
                 const Berichtsangaben& a);

// The pages as images of the area inside the margins, at 96 pixels to the
// inch as on paper: for a look at the report without a PDF reader, and tests.
std::vector<QImage> BerichtsseitenRendern(const Modell& m, const Sprache& s,
                                          const Berichtsangaben& a);

// Writes the report to `pfad` as PDF, titled with the file name.
Exportergebnis BerichtSchreiben(const QString& pfad, const Modell& m, const Sprache& s,
                                const Berichtsangaben& a);

} // namespace vapro
