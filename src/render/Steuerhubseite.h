#pragma once
// A valve-travel graph on a printed page: the drawing of the graph window
// directed at a page, stretched over the area inside the graph print's
// margins, on white paper, with the print settings of the model (point size
// and filling, points per degree, port openings, grid widths and spacings).

#include <QRectF>
#include <QSizeF>
#include <QString>

#include "core/model/Modell.h"
#include "render/Steuerhubgraph.h"

class QPainter;

namespace vapro {

// The area inside the graph print's margins (`DruckLinks` ... in percent of
// the page's width and height), in the page's device pixels.
QRectF Steuerhubbereich(const Modell& m, QSizeF seite);

// Draws the graph over `achse` on a page of `seite` device pixels at `dpi`
// pixels to the inch, the dead centres labelled `ot` and `ut`. Works on a
// copy of the model, so no window's scale or crank position changes. Throws
// GeometrieFehler when the engine cannot be solved at some angle.
void SteuerhubseiteZeichnen(QPainter& p, const Modell& m, Hubachse achse, QSizeF seite, double dpi,
                            const QString& ot, const QString& ut);

} // namespace vapro
