#include "ui/views/F_Steuerzeiten.h"

#include <QAction>
#include <QPainter>

#include "core/model/GeometrieFehler.h"
#include "render/Farben.h"
#include "render/Maschinenbild.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {

namespace {

Rahmendaten Rahmen() {
    return {.stamm = "Steuerzeiten",
            .vorgabeTwips = 270,
            .titel = 700,
            .hilfe = HilfeKontext::Steuerzeiten,
            .farbe = &Modell::FarbeSteuerzeiten};
}

// First opening: wide enough for the labels of events close together.
constexpr QSize Vorgabegröße(640, 420);

} // namespace

F_Steuerzeiten::F_Steuerzeiten(Kontext& kontext, QWidget* eltern)
    : Dialograhmen(kontext, Rahmen(), eltern) {
    // The backing image covers every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(Vorgabegröße);
}

void F_Steuerzeiten::WechselSprache() {
    setWindowTitle(k.T(700));
    M_Infotext->setText(k.T(701));
    M_Hintergrundfarbe->setText(k.T(462));
    // The grid labels are part of the drawing.
    if (!puffer_.isNull()) Neuzeichnen();
}

void F_Steuerzeiten::Einschreiben() {
    // A loaded engine is not counted as changed until its recomputation.
    k.m.Steuerzeitensuche.gesucht = false;
    Neuzeichnen();
}

void F_Steuerzeiten::PufferAnpassen() {
    // One image pixel per device pixel; the painter draws in logical units.
    const qreal verhältnis = devicePixelRatioF();
    const QSize pixel = (QSizeF(size()) * verhältnis).toSize();
    if (puffer_.size() == pixel && puffer_.devicePixelRatio() == verhältnis) return;
    puffer_ = QImage(pixel, QImage::Format_RGB32);
    puffer_.setDevicePixelRatio(verhältnis);
}

void F_Steuerzeiten::Neuzeichnen() {
    stand_ = StandVon(k.m);
    gesperrt_ = ersterPunkt_ = true;
    PufferAnpassen();
    if (puffer_.isNull()) return;
    QPainter p(&puffer_);
    p.scale(1.0 / TwipsJePixel, 1.0 / TwipsJePixel);
    const QSizeF fläche = QSizeF(size()) * TwipsJePixel;
    try {
        SpiegelBerechnen(k.m);
        bild_.Neuzeichnen(p, k.m, fläche, k.m.FarbeSteuerzeiten,
                          SteuerzeitentexteFür(k.m, k.sprache, Dezimalzeichen(), font()));
        gezeichnet_ = bild_.Gültig();
    } catch (const GeometrieFehler&) {
        // An engine that cannot be assembled somewhere on its way shows an
        // empty graph; the main window reports the failure where it happens.
        p.fillRect(QRectF(QPointF(0, 0), fläche), AlsQColor(k.m.FarbeSteuerzeiten));
        gezeichnet_ = false;
    }
    update();
}

void F_Steuerzeiten::SchrittMalen() {
    if (stand_ != StandVon(k.m)) Neuzeichnen();
    if (BeiNullGrad(k.m)) gesperrt_ = false;
    if (!gesperrt_) Zeichnen();
}

void F_Steuerzeiten::Zeichnen() {
    if (!gezeichnet_ || puffer_.isNull()) return;
    const QPointF jetzt = bild_.Position(k.m);
    if (ersterPunkt_) {
        ersterPunkt_ = false;
        letzterPunkt_ = jetzt;
    }
    QPainter p(&puffer_);
    p.scale(1.0 / TwipsJePixel, 1.0 / TwipsJePixel);
    bild_.Marker(p, letzterPunkt_, jetzt, k.m.usKreis, k.m.FarbeSteuerzeiten);
    letzterPunkt_ = jetzt;
    update();
}

void F_Steuerzeiten::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (puffer_.isNull())
        p.fillRect(rect(), AlsQColor(k.m.FarbeSteuerzeiten));
    else
        p.drawImage(0, 0, puffer_);
}

void F_Steuerzeiten::resizeEvent(QResizeEvent* e) {
    Dialograhmen::resizeEvent(e);
    // Before the first showing the opening draws the graph.
    if (!puffer_.isNull()) Neuzeichnen();
}

} // namespace vapro
