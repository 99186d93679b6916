#include "ui/views/F_SteuerHub.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QResizeEvent>
#include <QWindow>

#include "core/model/GeometrieFehler.h"
#include "render/Farben.h"
#include "render/Graphenmaler.h"
#include "render/Maschinenbild.h"
#include "ui/platform/Exportdialog.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {

namespace {

// The size is not stored: every graph opens at this size (twips).
constexpr int VorgabeBreite = 7500, VorgabeHöhe = 4500;

} // namespace

F_SteuerHub::F_SteuerHub(Kontext& k, QWidget* eltern)
    : F_SteuerHub(k, Hubachse::Kurbelwinkel,
                  {.stamm = "SteuerHub",
                   .vorgabeTwips = 270,
                   .titel = 180,
                   .hilfe = HilfeKontext::SteuerHub,
                   .farbe = &Modell::FarbeSteuerHub},
                  180, eltern) {}

F_SteuerHub::F_SteuerHub(Kontext& kontext, Hubachse achse, Rahmendaten daten, int texte,
                         QWidget* eltern)
    : Dialograhmen(kontext, std::move(daten), eltern), texte_(texte), graph_(achse) {
    // The backing image covers every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(static_cast<int>(VorgabeBreite / TwipsJePixel),
           static_cast<int>(VorgabeHöhe / TwipsJePixel));
    // Pop-up: help, settings, printing, export, background colour.
    M_Einstellungen = new QAction(this);
    M_Drucken = new QAction(this);
    M_Exportieren = new QAction(this);
    M_Popup->insertAction(M_Hintergrundfarbe, M_Einstellungen);
    M_Popup->insertAction(M_Hintergrundfarbe, M_Drucken);
    M_Popup->insertAction(M_Hintergrundfarbe, M_Exportieren);
    connect(M_Exportieren, &QAction::triggered, this, [this] { M_Exportieren_Click(); });
    connect(M_Einstellungen, &QAction::triggered, this, [this] { Aufrufen(einstellungenÖffnen); });
    connect(M_Drucken, &QAction::triggered, this, [this] { Aufrufen(druckenÖffnen); });
    connect(M_Popup, &QMenu::aboutToShow, this, [this] {
        M_Einstellungen->setEnabled(static_cast<bool>(einstellungenÖffnen));
        M_Drucken->setEnabled(static_cast<bool>(druckenÖffnen));
    });
}

void F_SteuerHub::Aufrufen(const std::function<void()>& öffnen) {
    if (!öffnen) return;
    k.zustand.SteuerHubAufrufer = Name().toStdString();
    öffnen();
}

void F_SteuerHub::M_Exportieren_Click() {
    BildExportDialog(this, k, size(), SteuerhubMaler(k.m, graph_.Achse(), k.sprache), Name());
}

void F_SteuerHub::WechselSprache() {
    setWindowTitle(k.T(texte_));
    M_Infotext->setText(k.T(texte_ + 1));
    M_Einstellungen->setText(k.T(texte_ + 2));
    M_Drucken->setText(k.T(texte_ + 3));
    M_Exportieren->setText(k.T(950));
    M_Hintergrundfarbe->setText(k.T(texte_ + 4));
    // The dead centres are labelled in the new language too.
    if (!puffer_.isNull()) Neuzeichnen();
}

void F_SteuerHub::PufferAnpassen() {
    // One image pixel per device pixel; the graph draws in logical units.
    const qreal verhältnis = devicePixelRatioF();
    const QSize pixel = (QSizeF(size()) * verhältnis).toSize();
    if (puffer_.size() == pixel && puffer_.devicePixelRatio() == verhältnis) return;
    puffer_ = pixel.isEmpty() ? QImage() : QImage(pixel, QImage::Format_RGB32);
    puffer_.setDevicePixelRatio(verhältnis);
}

void F_SteuerHub::Neuzeichnen() {
    ++neuzeichnungen_;
    stand_ = StandVon(k.m);
    PufferAnpassen();
    if (puffer_.isNull()) return;
    QFont schrift = font();
    schrift.setFamily(QStringLiteral("Arial"));
    graph_.Schrift(schrift);
    graph_.Totpunkte(k.T(1600), k.T(1601));
    graph_.Skalierung(k.m, QSizeF(size()) * TwipsJePixel);
    QPainter p(&puffer_);
    p.scale(1.0 / TwipsJePixel, 1.0 / TwipsJePixel);
    try {
        graph_.Neuzeichnen(p, k.m, k.m.FarbeSteuerHub);
    } catch (const GeometrieFehler&) {
        // The grid shows that the engine does not go round; the other
        // windows report why.
    }
    update();
}

void F_SteuerHub::SchrittMalen() {
    if (stand_ != StandVon(k.m)) Neuzeichnen();
    if (puffer_.isNull()) return;
    QPainter p(&puffer_);
    p.scale(1.0 / TwipsJePixel, 1.0 / TwipsJePixel);
    graph_.Schritt(p, k.m, k.m.FarbeSteuerHub);
    update();
}

void F_SteuerHub::FarbeGeändert() {
    // The colour is saved with the engine.
    DatensatzGeändert();
    Neuzeichnen();
}

void F_SteuerHub::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (puffer_.isNull())
        p.fillRect(rect(), AlsQColor(k.m.FarbeSteuerHub));
    else
        p.drawImage(0, 0, puffer_);
}

void F_SteuerHub::resizeEvent(QResizeEvent* e) {
    Dialograhmen::resizeEvent(e);
    Neuzeichnen();
}

void F_SteuerHub::showEvent(QShowEvent* e) {
    Dialograhmen::showEvent(e);
    if (!bildschirmVerbunden_ && windowHandle()) {
        // Another screen may have another pixel ratio.
        bildschirmVerbunden_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] {
            if (puffer_.devicePixelRatio() != devicePixelRatioF()) Neuzeichnen();
        });
    }
}

} // namespace vapro
