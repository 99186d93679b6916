#pragma once
// The engine picture on a printed page: the drawing of the picture window
// directed at a page, fitted into the area inside the print margins by the
// picture's own rules (the height decides the scale), with the print line
// widths and joint sizes on white paper.

#include <QRectF>
#include <QSizeF>
#include <cstdint>

#include "core/model/Modell.h"

class QPainter;

namespace vapro {

// Picture units (twips) to the inch.
inline constexpr double TwipsJeZoll = 1440.0;

// The area of a page of `seite` device pixels inside margins given in
// percent of its width (left, right) and height (top, bottom).
QRectF Seitenbereich(QSizeF seite, int16_t links, int16_t rechts, int16_t oben, int16_t unten);

// The area inside the engine print's margins (`RandLinksD` ... in percent of
// the page's width and height), in the page's device pixels.
QRectF Druckbereich(const Modell& m, QSizeF seite);

// Draws the engine at the model's current angles on a page of `seite` device
// pixels at `dpi` pixels to the inch. Works on a copy of the model, so the
// picture window keeps its own scale. Throws GeometrieFehler when the engine
// cannot be assembled.
void MaschinenseiteZeichnen(QPainter& p, const Modell& m, QSizeF seite, double dpi);

} // namespace vapro
