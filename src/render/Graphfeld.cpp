#include "render/Graphfeld.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <string>

#include "core/numbers/Zahlenformat.h"
#include "render/Dampffarben.h"
#include "render/Zeichenstift.h"

namespace vapro {

namespace {

// The ticks of a range, guarded against a spacing too fine to end.
template <typename F> void Ticks(const Achsenbereich& a, F f) {
    if (!(a.teilung > 0) || (a.bis - a.von) / a.teilung > 1000) return;
    const double erster = std::ceil(a.von / a.teilung - 1e-9);
    for (double i = erster;; ++i) {
        const double w = i * a.teilung;
        if (w > a.bis + a.teilung * 1e-9) break;
        f(std::fabs(w) < a.teilung * 1e-9 ? 0.0 : w);
    }
}

// As many decimals as the tick spacing needs.
std::string Muster(double teilung) {
    const int stellen = std::clamp(static_cast<int>(std::ceil(-std::log10(teilung) - 1e-9)), 0, 6);
    return stellen == 0 ? std::string("0") : "0." + std::string(static_cast<size_t>(stellen), '0');
}

} // namespace

Achsenbereich AchseFür(double min, double max, int teile) {
    if (!std::isfinite(min) || !std::isfinite(max)) return {};
    if (min > max) std::swap(min, max);
    if (max - min <= 1e-9 * std::max(1.0, std::fabs(max))) {
        const double rand = std::max(1.0, std::fabs(max)) * 0.1;
        min -= rand;
        max += rand;
    }
    const double roh = (max - min) / std::max(teile, 1);
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    double teilung = 10 * zehner;
    for (const double f : {1.0, 2.0, 5.0})
        if (f * zehner >= roh * (1 - 1e-9)) {
            teilung = f * zehner;
            break;
        }
    return {std::floor(min / teilung + 1e-9) * teilung, std::ceil(max / teilung - 1e-9) * teilung,
            teilung};
}

Graphfeld::Graphfeld(QRectF plot, Achsenbereich x, Achsenbereich y) : plot_(plot), x_(x), y_(y) {}

bool Graphfeld::Gültig() const {
    return plot_.width() > 1 && plot_.height() > 1 && x_.bis > x_.von && y_.bis > y_.von;
}

double Graphfeld::X(double x) const {
    return plot_.left() + (x - x_.von) / (x_.bis - x_.von) * plot_.width();
}

double Graphfeld::Y(double y) const {
    return plot_.bottom() - (y - y_.von) / (y_.bis - y_.von) * plot_.height();
}

void Graphfeld::Rahmen(Zeichenstift& s, const QString& titelX, const QString& titelY, char dezimal,
                       const std::function<QString(double)>& textX) const {
    if (!Gültig()) return;
    s.Breite(1);
    s.Farbe(FarbeGrau);
    Ticks(x_, [&](double w) { s.LiniePunktiert(P(w, y_.von), P(w, y_.bis)); });
    Ticks(y_, [&](double w) { s.LiniePunktiert(P(x_.von, w), P(x_.bis, w)); });
    s.Farbe(FarbeSchwarz);
    s.Rechteck(plot_.topLeft(), plot_.bottomRight());
    const std::string musterX = Muster(x_.teilung), musterY = Muster(y_.teilung);
    const double abstand = 4;
    Ticks(x_, [&](double w) {
        const QString text =
            textX ? textX(w) : QString::fromStdString(FormatMuster(w, musterX, dezimal));
        s.Text(QPointF(X(w), plot_.bottom() + abstand), text, Qt::AlignHCenter | Qt::AlignTop);
    });
    Ticks(y_, [&](double w) {
        s.Text(QPointF(plot_.left() - abstand, Y(w)),
               QString::fromStdString(FormatMuster(w, musterY, dezimal)),
               Qt::AlignRight | Qt::AlignVCenter);
    });
    s.Text(QPointF(plot_.left(), plot_.top() - abstand), titelY, Qt::AlignLeft | Qt::AlignBottom);
    if (!titelX.isEmpty()) {
        // Below the tick labels: one line of text further down.
        const double zeile = s.Zeilenhöhe();
        s.Text(QPointF(plot_.center().x(), plot_.bottom() + abstand + zeile), titelX,
               Qt::AlignHCenter | Qt::AlignTop);
    }
}

} // namespace vapro
