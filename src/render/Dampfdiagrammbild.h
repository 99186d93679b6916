#pragma once
// The theoretical indicator diagram of the top cylinder end: pressure over
// volume with admission, expansion, release and exhaust, the cut-off and
// volume rows below, the pressures on the left and the mean-pressure line.
// The numbers come from the core (Dampfdiagramm); this draws them onto any
// QPainter in logical pixels, y growing downward.

#include <QFontMetricsF>
#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <cstdint>

#include "core/analysis/Dampfdiagramm.h"
#include "core/model/Modell.h"

class QPainter;

namespace vapro {

struct Einheitennamen;
struct Sprache;

// The frame of a drawing area for a font: 1.5 text heights above the plot,
// 4 below, left 0.7 × the width of "P [bara]", right the width of
// "Fullness [%]  ".
Diagrammrahmen DiagrammrahmenFür(QSizeF fläche, const QFontMetricsF& fm);

// Everything the diagram writes.
struct Diagrammtexte {
    QString Druckachse;    // "P [bara]" / "P [psia]"
    QString Volumenachse;  // "V [cm³]" / "V [cu in]"
    QString Füllungszeile; // "Füllung [%]" in the current language
    DiagrammBeschriftung Werte;
};

Diagrammtexte DiagrammtexteFür(const Dampfdiagramm& d, bool mm, const Sprache& sprache,
                               const Einheitennamen& einheiten, char dezimal = '.');

// Paints the area in `hintergrund`, then the diagram. Draws nothing more when
// the plot has no room between its margins. A diagram without the top
// admission (OhneEinlaß) shows its axes and a mean pressure of 0.
void DampfdiagrammZeichnen(QPainter& p, const Diagrammrahmen& rahmen, const Dampfdiagramm& d,
                           const Diagrammtexte& texte, uint32_t hintergrund);

// The area painted in `hintergrund` and nothing else.
void DampfdiagrammLöschen(QPainter& p, QSizeF fläche, uint32_t hintergrund);

// The diagram of the model's engine in an image of `pixel` size, as the
// window shows it: works on a copy of the model, whose valve events it
// searches. Throws GeometrieFehler when the engine or the size allows no diagram.
QImage DampfdiagrammRendern(const Modell& m, QSize pixel, const Sprache& sprache,
                            const Einheitennamen& einheiten);

} // namespace vapro
