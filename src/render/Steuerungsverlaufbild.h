#pragma once
// The lever range as a graph: above, the cut-off of both cylinder ends,
// forwards and backwards, against the lever angle; below, their lead and the
// die slip in the length unit. A line across both panels marks the lever's
// current angle; it inverts the pixels under it, so that it can follow the
// lever on a kept image without a redraw. Logical pixels, y downward.

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <optional>
#include <utility>

#include "core/analysis/Steuerungsverlauf.h"
#include "render/Graphfeld.h"

class QPainter;

namespace vapro {

// What the graph writes, in the current language and unit.
struct Verlaufbildtexte {
    QString Hebelachse;    // lever angle [°]
    QString Füllungsachse; // cut-off [%]
    QString Untenachse;    // lead and die slip [unit]
    QString Oben, Unten;   // the cylinder ends
    QString Vor, Zurück;   // the directions
    QString Voreilen;      // the lead curves
    QString Steinspringen; // the die-slip curve
    QString Leer;          // instead of the graph when the range holds nothing
};

class Steuerungsverlaufbild {
  public:
    void Texte(Verlaufbildtexte t) { texte_ = std::move(t); }
    void Dezimalzeichen(char zeichen) { dezimal_ = zeichen; }

    // The whole area in `hintergrund`, then both panels for the painter's
    // font. `zielband` (percent) shades the cut-off aimed at in full gear.
    // Any lever marker is gone afterwards.
    void Zeichnen(QPainter& p, QSizeF fläche, const Steuerungsverlauf& v, uint32_t hintergrund,
                  std::optional<std::pair<float, float>> zielband = std::nullopt);

    // Moves the lever marker to `grad` (degrees of `UmWinkel`); nothing takes
    // it away. A lever outside the panels shows no marker.
    void Hebelmarke(QPainter& p, std::optional<float> grad);
    std::optional<double> MarkeX() const { return marke_; }
    // The lever's angle as a plain dashed line, for surfaces that cannot
    // invert pixels (vector files, a page).
    void Hebellinie(QPainter& p, float grad) const;

    const Graphfeld& Füllungsfeld() const { return füllung_; }
    const Graphfeld& Untenfeld() const { return unten_; }

  private:
    void Kurven(class Zeichenstift& s, const Steuerungsverlauf& v) const;
    void Legende(Zeichenstift& s, double x) const;

    Verlaufbildtexte texte_;
    char dezimal_ = '.';
    Graphfeld füllung_, unten_;
    std::optional<double> marke_; // x of the marker line while one is drawn
};

} // namespace vapro
