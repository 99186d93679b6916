#include "render/Zeichenstift.h"

#include <QFontMetricsF>
#include <QPen>
#include <QRectF>
#include <cmath>
#include <numbers>

#include "render/Farben.h"

namespace vapro {

Zeichenstift::Zeichenstift(QPainter& p) : p_(p) {
    Pinsel(false);
}

void Zeichenstift::Stift(uint32_t farbe) {
    if (farbe == stiftFarbe_ && breite_ == stiftBreite_) return;
    QPen pen(AlsQColor(farbe), breite_);
    pen.setCosmetic(true);
    p_.setPen(pen);
    stiftFarbe_ = farbe;
    stiftBreite_ = breite_;
}

void Zeichenstift::Pinsel(bool füllen) {
    if (!füllen) {
        if (pinselAn_) p_.setBrush(Qt::NoBrush);
        pinselAn_ = false;
        return;
    }
    if (pinselAn_ && pinselFarbe_ == füllfarbe_) return;
    p_.setBrush(AlsQColor(füllfarbe_));
    pinselAn_ = true;
    pinselFarbe_ = füllfarbe_;
}

void Zeichenstift::Linie(QPointF a, QPointF b) {
    Linie(a, b, farbe_);
}

void Zeichenstift::Linie(QPointF a, QPointF b, uint32_t farbe) {
    Stift(farbe);
    p_.drawLine(a, b);
}

void Zeichenstift::Rechteck(QPointF a, QPointF b) {
    Stift(farbe_);
    Pinsel(voll_);
    p_.drawRect(QRectF(a, b).normalized());
}

void Zeichenstift::Fläche(QPointF a, QPointF b, uint32_t farbe) {
    p_.fillRect(QRectF(a, b).normalized(), AlsQColor(farbe));
}

void Zeichenstift::Vieleck(const QPointF* punkte, int anzahl, uint32_t farbe) {
    const QPen alt = p_.pen();
    const QBrush altPinsel = p_.brush();
    p_.setPen(Qt::NoPen);
    p_.setBrush(AlsQColor(farbe));
    p_.drawPolygon(punkte, anzahl);
    p_.setPen(alt);
    p_.setBrush(altPinsel);
}

void Zeichenstift::Kreis(QPointF mitte, double radius) {
    Stift(farbe_);
    Pinsel(voll_);
    const double r = std::fabs(radius);
    p_.drawEllipse(mitte, r, r);
}

void Zeichenstift::Bogen(QPointF mitte, double radius, double von, double bis) {
    Stift(farbe_);
    const double r = std::fabs(radius);
    // Qt takes sixteenths of a degree, counter-clockwise as seen on the device.
    constexpr double sechzehntel = 180.0 / std::numbers::pi * 16.0;
    p_.drawArc(QRectF(mitte.x() - r, mitte.y() - r, 2 * r, 2 * r),
               static_cast<int>(std::lround(von * sechzehntel)),
               static_cast<int>(std::lround((bis - von) * sechzehntel)));
}

void Zeichenstift::Punkt(QPointF ort) {
    Stift(farbe_);
    p_.drawPoint(ort);
}

void Zeichenstift::Text(QPointF anker, const QString& text, Qt::Alignment ausrichtung) {
    Stift(farbe_);
    const QFontMetricsF fm(p_.font(), p_.device());
    const double breite = fm.horizontalAdvance(text), höhe = fm.height();
    double x = anker.x(), y = anker.y();
    if (ausrichtung & Qt::AlignRight)
        x -= breite;
    else if (ausrichtung & Qt::AlignHCenter)
        x -= breite / 2;
    if (ausrichtung & Qt::AlignBottom)
        y -= höhe;
    else if (ausrichtung & Qt::AlignVCenter)
        y -= höhe / 2;
    p_.drawText(QPointF(x, y + fm.ascent()), text);
}

// --- patterned lines and text for painters scaled to twips --------------------

void Zeichenstift::LinieMitMuster(QPointF a, QPointF b, Qt::PenStyle muster) {
    QPen pen(AlsQColor(farbe_), breite_, muster);
    pen.setCosmetic(true);
    p_.setPen(pen);
    p_.drawLine(a, b);
    stiftFarbe_ = 0xFFFFFFFFu; // the next plain line sets its pen again
}

QPointF Zeichenstift::Beschriften(QPointF linksOben, const QString& text) {
    const QTransform t = p_.worldTransform();
    const QFontMetricsF fm(p_.font(), p_.device());
    const QPointF gerät = t.map(linksOben);
    p_.save();
    p_.resetTransform();
    p_.setPen(AlsQColor(farbe_));
    p_.drawText(QPointF(gerät.x(), gerät.y() + fm.ascent()), text);
    p_.restore();
    const double skala = t.m22() != 0 ? t.m22() : 1.0;
    return {linksOben.x(), linksOben.y() + fm.height() / skala};
}

double Zeichenstift::Schriftbreite(const QString& text) const {
    const double skala = p_.worldTransform().m11() != 0 ? p_.worldTransform().m11() : 1.0;
    return QFontMetricsF(p_.font(), p_.device()).horizontalAdvance(text) / skala;
}

} // namespace vapro
