#pragma once
// The die slip as a graph: on the left, where the die block stands in the
// link over one revolution at the current lever angle (its peak-to-peak is
// the slip, marked by two lines); on the right, the slip against the lever
// angle over the lever's travel, with the current lever angle marked. While
// the engine turns, a red marker rides on the left curve and the previous
// one turns black, as in the valve-travel graphs; a cursor line can follow
// the crank. Logical pixels, y downward; the graph draws into a surface that
// keeps what was drawn.

#include <QSizeF>
#include <QString>
#include <cstdint>
#include <optional>
#include <utility>

#include "core/analysis/Steinweg.h"
#include "core/analysis/Steuerungsverlauf.h"
#include "core/model/Modell.h"
#include "render/Graphfeld.h"

class QPainter;

namespace vapro {

class Zeichenstift;

struct Steinbildtexte {
    QString Kurbelachse; // crank angle [°]
    QString Lageachse;   // die position in the link [unit]
    QString Hebelachse;  // lever angle [°]
    QString Springachse; // die slip [unit]
    QString Springen;    // "die slip" before the figure in the title
    QString Einheit;     // the length unit's short name
    QString OT, UT;      // the dead centres on the crank axis
    QString OhneKulisse; // a gear without a link
    QString Fehler;      // the gear cannot turn at this lever angle
};

class Steinspringbild {
  public:
    void Texte(Steinbildtexte t) { texte_ = std::move(t); }
    void Dezimalzeichen(char zeichen) { dezimal_ = zeichen; }
    // Decimals of the slip's figure: hundredths of a millimetre, thousandths of an inch.
    void Stellen(bool mm) { muster_ = mm ? "0.00" : "0.000"; }

    // The whole area in `hintergrund`, then both panels for the painter's
    // font. `weg` is the curve at `umWinkelGrad`, nothing when there is none
    // (`ohneKulisse` tells why); `v` the lever range. Markers start afresh.
    void Zeichnen(QPainter& p, QSizeF fläche, const std::optional<Steinweg>& weg, bool ohneKulisse,
                  const Steuerungsverlauf& v, float umWinkelGrad, uint32_t hintergrund);

    // One frame at the solver's current position: the previous marker black,
    // the current one red, and with `faden` the cursor line moved along.
    void Schritt(QPainter& p, const Modell& m, bool faden, uint32_t hintergrund);

    const Graphfeld& Lagefeld() const { return lage_; }
    const Graphfeld& Springfeld() const { return springen_; }

  private:
    Steinbildtexte texte_;
    char dezimal_ = '.';
    const char* muster_ = "0.00";
    Graphfeld lage_, springen_;
    std::optional<QPointF> letzte_;
    std::optional<double> faden_;
};

} // namespace vapro
