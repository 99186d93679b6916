#pragma once
// One panel of a line graph in logical pixels, y growing downward: the plot
// rectangle, the value range of each axis with its tick spacing, and the
// frame with a dotted grid, tick labels and axis titles. The lever-range and
// die-slip graphs are built from such panels.

#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>

namespace vapro {

class Zeichenstift;

struct Achsenbereich {
    double von = 0, bis = 1; // values at the plot's edges
    double teilung = 1;      // tick spacing
};

// A range covering `min` … `max`, widened to whole ticks of 1, 2 or 5 times a
// power of ten, about `teile` of them. A range of no width is opened around
// its value; values that are not finite give 0 … 1.
Achsenbereich AchseFür(double min, double max, int teile = 5);

class Graphfeld {
  public:
    Graphfeld() = default;
    Graphfeld(QRectF plot, Achsenbereich x, Achsenbereich y);

    // Room to draw in and ranges of some width.
    bool Gültig() const;
    const QRectF& Plot() const { return plot_; }
    const Achsenbereich& AchseX() const { return x_; }
    const Achsenbereich& AchseY() const { return y_; }

    double X(double x) const;
    double Y(double y) const;
    QPointF P(double x, double y) const { return {X(x), Y(y)}; }

    // The frame, a dotted line at every tick, the tick labels (numbers with
    // `dezimal`, or what `textX` makes of an x tick), the y title above the
    // plot's top left corner and the x title centred below the x labels.
    void Rahmen(Zeichenstift& s, const QString& titelX, const QString& titelY, char dezimal,
                const std::function<QString(double)>& textX = {}) const;

  private:
    QRectF plot_;
    Achsenbereich x_, y_;
};

} // namespace vapro
