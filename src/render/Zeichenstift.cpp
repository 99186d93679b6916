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

void Zeichenstift::Punkte(const QPointF* punkte, int anzahl) {
    if (anzahl <= 0) return;
    Stift(farbe_);
    p_.drawPoints(punkte, anzahl);
}

void Zeichenstift::Tupfen(const QPointF* punkte, int anzahl, int durchmesser, bool füllen) {
    if (anzahl <= 0) return;
    const int d = durchmesser < 1 ? 1 : durchmesser;
    if (füllen || d <= 2) {
        QPen pen(AlsQColor(farbe_), d, Qt::SolidLine, Qt::RoundCap);
        pen.setCosmetic(true);
        p_.setPen(pen);
        StiftVergessen();
        p_.drawPoints(punkte, anzahl);
        return;
    }
    // The circles in device pixels, whatever scale the painter draws at.
    const QTransform nachGerät = p_.transform();
    p_.save();
    p_.resetTransform();
    QPen pen(AlsQColor(farbe_), breite_);
    pen.setCosmetic(true);
    p_.setPen(pen);
    p_.setBrush(Qt::NoBrush);
    const double r = d / 2.0;
    for (int i = 0; i < anzahl; ++i)
        p_.drawEllipse(nachGerät.map(punkte[i]), r, r);
    p_.restore();
}

void Zeichenstift::Linien(const QLineF* linien, int anzahl, uint32_t farbe) {
    if (anzahl <= 0) return;
    Stift(farbe);
    p_.drawLines(linien, anzahl);
}

void Zeichenstift::Muster(QPointF a, QPointF b, Qt::PenStyle stil) {
    QPen pen(AlsQColor(farbe_), breite_, stil);
    pen.setCosmetic(true);
    p_.setPen(pen);
    StiftVergessen();
    p_.drawLine(a, b);
}

void Zeichenstift::LiniePunktiert(QPointF a, QPointF b) {
    Muster(a, b, Qt::DotLine);
}

void Zeichenstift::LinieGestrichelt(QPointF a, QPointF b) {
    Muster(a, b, Qt::DashLine);
}

void Zeichenstift::XorLinie(QPointF a, QPointF b) {
    const QPainter::CompositionMode modus = p_.compositionMode();
    const bool glatt = p_.testRenderHint(QPainter::Antialiasing);
    p_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p_.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(Qt::white, 1);
    pen.setCosmetic(true);
    p_.setPen(pen);
    StiftVergessen();
    p_.drawLine(a, b);
    p_.setRenderHint(QPainter::Antialiasing, glatt);
    p_.setCompositionMode(modus);
}

void Zeichenstift::Linienzug(const QPointF* punkte, int anzahl) {
    if (anzahl < 2) return;
    Stift(farbe_);
    p_.drawPolyline(punkte, anzahl);
}

void Zeichenstift::LinienzugGestrichelt(const QPointF* punkte, int anzahl) {
    if (anzahl < 2) return;
    QPen pen(AlsQColor(farbe_), breite_, Qt::DashLine);
    pen.setCosmetic(true);
    p_.setPen(pen);
    StiftVergessen();
    p_.drawPolyline(punkte, anzahl);
}

double Zeichenstift::Zeilenhöhe() const {
    return QFontMetricsF(p_.font(), p_.device()).height();
}

double Zeichenstift::Textbreite(const QString& text) const {
    return QFontMetricsF(p_.font(), p_.device()).horizontalAdvance(text);
}

void Zeichenstift::TextInSchriftgröße(QPointF obenLinks, const QString& text,
                                      const QFont& schrift) {
    // Placed through the painter's scale, written without it.
    const QPointF ort = p_.worldTransform().map(obenLinks);
    p_.save();
    p_.resetTransform();
    p_.setFont(schrift);
    p_.setPen(AlsQColor(farbe_));
    const qreal oberlänge = QFontMetricsF(schrift, p_.device()).ascent();
    p_.drawText(ort + QPointF(0, oberlänge), text);
    p_.restore();
}

} // namespace vapro
