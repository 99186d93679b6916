#include "ui/views/Bildflaeche.h"

#include <QPainter>
#include <QResizeEvent>
#include <QWindow>

namespace vapro {

Bildfläche::Bildfläche(QWidget* eltern) : QWidget(eltern) {
    // The image covers every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 90);
}

bool Bildfläche::PufferAnpassen() {
    const qreal verhältnis = devicePixelRatioF();
    const QSize pixel = (QSizeF(size()) * verhältnis).toSize();
    if (puffer_.size() == pixel && puffer_.devicePixelRatio() == verhältnis) return false;
    puffer_ = pixel.isEmpty() ? QImage() : QImage(pixel, QImage::Format_RGB32);
    puffer_.setDevicePixelRatio(verhältnis);
    return true;
}

void Bildfläche::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (puffer_.isNull())
        p.fillRect(rect(), palette().color(QPalette::Window));
    else
        p.drawImage(0, 0, puffer_);
}

void Bildfläche::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (beiNeuerGröße) beiNeuerGröße();
}

void Bildfläche::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!bildschirmVerbunden_ && window()->windowHandle()) {
        // Another screen may have another pixel ratio.
        bildschirmVerbunden_ = true;
        connect(window()->windowHandle(), &QWindow::screenChanged, this, [this] {
            if (puffer_.devicePixelRatio() != devicePixelRatioF() && beiNeuerGröße) beiNeuerGröße();
        });
    }
}

} // namespace vapro
