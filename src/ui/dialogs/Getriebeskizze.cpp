#include "ui/dialogs/Getriebeskizze.h"

#include <QPainter>
#include <QPainterPath>

namespace vapro {

Getriebeskizze::Getriebeskizze(QWidget* eltern) : QWidget(eltern) {
    setFixedSize(sizeHint());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Getriebeskizze::KulisseZeigen(bool zeigen) {
    if (kulisse_ == zeigen) return;
    kulisse_ = zeigen;
    update();
}

void Getriebeskizze::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn in a 150 x 280 box: crankshaft below, valve above, lever right.
    p.scale(width() / 150.0, height() / 280.0);
    const QPointF welle(40, 250), vor(49, 243), rück(33, 241), stein(92, 96), oben(90, 84),
        unten(100, 156), hänge(96, 122), hebel(132, 112), steuerwelle(142, 78);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::NoBrush);

    // Crankshaft, ahead eccentric and its rod: every gear has them.
    p.drawEllipse(welle, 3, 3);
    p.drawEllipse(vor, 15, 15);
    p.drawLine(vor, kulisse_ ? oben : stein);
    // Valve rod, valve and port face.
    p.drawLine(stein, QPointF(92, 44));
    p.drawRect(QRectF(80, 26, 24, 18));
    p.drawLine(QPointF(74, 24), QPointF(74, 48));
    if (!kulisse_) return;

    // 1 reverse eccentric, 2 its rod, 3 the curved link, 4 the suspension
    // link, 5 the reversing lever on its shaft.
    p.setPen(QPen(QColor(0, 0, 160), 1.2));
    p.drawEllipse(rück, 15, 15);
    p.drawLine(rück, unten);
    QPainterPath bogen(oben);
    bogen.quadTo(QPointF(99, 118), unten);
    p.setPen(QPen(QColor(0, 0, 160), 3));
    p.drawPath(bogen);
    p.setPen(QPen(QColor(0, 0, 160), 1.2));
    p.drawLine(hänge, hebel);
    p.drawLine(hebel, steuerwelle);
    p.setBrush(Qt::black);
    p.drawEllipse(steuerwelle, 3, 3);
    p.drawEllipse(stein, 2.5, 2.5);
}

} // namespace vapro
