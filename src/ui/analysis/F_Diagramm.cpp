#include "ui/analysis/F_Diagramm.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QResizeEvent>
#include <cmath>

#include "core/analysis/Steuerzeiten.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Kinematik.h"
#include "core/numbers/Zahlenformat.h"
#include "core/persist/Start.h"
#include "render/Dampfdiagrammbild.h"
#include "render/Farben.h"
#include "render/Graphenmaler.h"
#include "ui/platform/Exportdialog.h"
#include "ui/platform/Fensterlage.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {

namespace {

const QString Stamm = QStringLiteral("Diagramm");
constexpr int VorgabeBreite = 7000, VorgabeHöhe = 5000; // twips

Rahmendaten Fensterdaten() {
    return {.stamm = Stamm,
            .vorgabeTwips = 310,
            .titel = 1500,
            .hilfe = HilfeKontext::Diagramm,
            .farbe = &Modell::FarbeDiagramm,
            .vorgabeBreite = VorgabeBreite,
            .vorgabeHöhe = VorgabeHöhe};
}

QFontMetricsF Maße(const QWidget& w) {
    return QFontMetricsF(w.font(), &w);
}

} // namespace

Diagrammrahmen DiagrammrahmenGespeichert(const Kontext& k, const QWidget& w) {
    auto pixel = [&k](const QString& schlüssel, int vorgabe) {
        const auto z = LiesZahl(k.speicher.Lesen(AbschnittAktuell, schlüssel.toStdString(), ""));
        const bool gut = z && std::isfinite(*z) && *z > 0 && *z <= 1e7;
        return (gut ? std::floor(*z) : vorgabe) / TwipsProPixel;
    };
    return DiagrammrahmenFür(
        QSizeF(std::floor(pixel(Stamm + " Breite", VorgabeBreite)),
               std::floor(pixel(Stamm + QString::fromUtf8(" Höhe"), VorgabeHöhe))),
        Maße(w));
}

F_Diagramm::F_Diagramm(Kontext& kontext, QWidget* eltern)
    : Dialograhmen(kontext, Fensterdaten(), eltern) {
    // The backing image covers every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
    M_Betriebsparameter = new QAction(M_Popup);
    M_Popup->insertAction(M_Hintergrundfarbe, M_Betriebsparameter);
    connect(M_Betriebsparameter, &QAction::triggered, this,
            [this] { M_Betriebsparameter_Click(); });
    M_Exportieren = new QAction(M_Popup);
    M_Popup->insertAction(M_Hintergrundfarbe, M_Exportieren);
    connect(M_Exportieren, &QAction::triggered, this, [this] { M_Exportieren_Click(); });
    PufferAnpassen();
}

void F_Diagramm::M_Exportieren_Click() {
    BildExportDialog(this, k, size(),
                     DampfdiagrammMaler(k.m, k.sprache, k.einheiten, Dezimalzeichen()),
                     QStringLiteral("Dampfdiagramm"));
}

void F_Diagramm::WechselSprache() {
    setWindowTitle(k.T(1500));
    M_Infotext->setText(k.T(1501));
    M_Betriebsparameter->setText(k.T(1502));
    M_Exportieren->setText(k.T(950));
    M_Hintergrundfarbe->setText(k.T(1503));
    // "Füllung" and "PM" follow the language.
    Zeichnen();
}

void F_Diagramm::Einschreiben() {
    Neuzeichnen();
}

void F_Diagramm::SchrittMalen() {
    if (stand_ == StandVon(k.m) && einheit_ == k.m.Einheit) return;
    Neuzeichnen();
}

void F_Diagramm::Neuzeichnen() {
    Modell& m = k.m;
    const Ansichtsstand jetzt = StandVon(m);
    stand_ = jetzt;
    einheit_ = m.Einheit;
    diagramm_.reset();
    PufferAnpassen();
    rahmen_ = DiagrammrahmenFür(QSizeF(size()), Maße(*this));
    try {
        if (gesucht_ != jetzt) {
            gesucht_.reset();
            SpiegelBerechnen(m);
            SteuerzeitenSuchen(m);
            SteuerzeitenAuswerten(m);
            // The search leaves the solver at its last angle.
            KinematikOhneBild(m);
            gesucht_ = jetzt;
        }
        // A window narrower or lower than its margins has no diagram.
        if (rahmen_.Plotbreite() > 0 && rahmen_.Plothöhe() > 0)
            diagramm_ = DampfdiagrammBerechnen(m, rahmen_);
    } catch (const GeometrieFehler&) {
        // The window stays blank until the engine changes; the frame and the
        // recomputation that called go on.
    }
    Zeichnen();
}

void F_Diagramm::Zeichnen() {
    if (puffer_.isNull()) return;
    QPainter p(&puffer_);
    p.setFont(font());
    if (diagramm_)
        DampfdiagrammZeichnen(
            p, rahmen_, *diagramm_,
            DiagrammtexteFür(*diagramm_, IstMM(k.m), k.sprache, k.einheiten, Dezimalzeichen()),
            k.m.FarbeDiagramm);
    else
        DampfdiagrammLöschen(p, QSizeF(size()), k.m.FarbeDiagramm);
    update();
}

void F_Diagramm::PufferAnpassen() {
    // One image pixel per device pixel, and the window's text sizes.
    const qreal verhältnis = devicePixelRatioF();
    const QSize pixel = (QSizeF(size()) * verhältnis).toSize();
    if (puffer_.size() == pixel && puffer_.devicePixelRatio() == verhältnis) return;
    if (pixel.isEmpty()) {
        puffer_ = QImage();
        return;
    }
    puffer_ = QImage(pixel, QImage::Format_RGB32);
    puffer_.setDevicePixelRatio(verhältnis);
    puffer_.setDotsPerMeterX(static_cast<int>(std::lround(logicalDpiX() / 0.0254)));
    puffer_.setDotsPerMeterY(static_cast<int>(std::lround(logicalDpiY() / 0.0254)));
    puffer_.fill(AlsQColor(k.m.FarbeDiagramm));
}

void F_Diagramm::M_Betriebsparameter_Click() {
    if (betriebsparameterÖffnen) betriebsparameterÖffnen();
}

void F_Diagramm::FarbeGeändert() {
    Zeichnen();
}

void F_Diagramm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (puffer_.isNull())
        p.fillRect(rect(), AlsQColor(k.m.FarbeDiagramm));
    else
        p.drawImage(0, 0, puffer_);
}

void F_Diagramm::resizeEvent(QResizeEvent* e) {
    Dialograhmen::resizeEvent(e);
    // The operating figures take the mean pressure for the kept size.
    GrößeSpeichern(*this, k.speicher, Stamm);
    // The events stay those of the engine; only the scale changes.
    Neuzeichnen();
}

} // namespace vapro
