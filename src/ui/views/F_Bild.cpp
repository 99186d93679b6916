#include "ui/views/F_Bild.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <cmath>

#include "core/model/Bewegung.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Kinematik.h"
#include "core/numbers/Zahlenformat.h"
#include "render/Farben.h"
#include "ui/platform/Exportdialog.h"
#include "ui/platform/Fensterlage.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {

namespace {

const QString Stamm = QStringLiteral("Bild");
// First start: large enough to read the valve gear; beside the main window
// unless a place is stored.
constexpr int VorgabeHöhe = 9000, VorgabeBreite = 7500;

} // namespace

F_Bild::F_Bild(Kontext& k, QWidget* eltern) : QWidget(eltern, Qt::Window), k_(k) {
    // The backing image covers every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
    MenüEinrichten();
    GrößeLaden(*this, k_.speicher, Stamm, VorgabeHöhe, VorgabeBreite);
    PositionLaden(*this, k_.speicher, Stamm, 0);
    WechselSprache();
    MZ();
}

void F_Bild::MenüEinrichten() {
    M_Click = new QMenu(this);
    M_Infotext = M_Click->addAction(QString());
    M_Einstellungen = M_Click->addAction(QString());
    M_Drucken = M_Click->addAction(QString());
    M_Exportieren = M_Click->addAction(QString());
    M_Hintergrundfarbe = M_Click->addAction(QString());
    connect(M_Infotext, &QAction::triggered, this,
            [this] { k_.plattform.Hilfe(HilfeKontext::Bild); });
    connect(M_Einstellungen, &QAction::triggered, this, [this] {
        if (einstellungenÖffnen) einstellungenÖffnen();
    });
    connect(M_Drucken, &QAction::triggered, this, [this] {
        if (druckenÖffnen) druckenÖffnen();
    });
    connect(M_Exportieren, &QAction::triggered, this, [this] { M_Exportieren_Click(); });
    connect(M_Hintergrundfarbe, &QAction::triggered, this, [this] { HintergrundfarbeWählen(); });
    // The callbacks may be set after construction.
    connect(M_Click, &QMenu::aboutToShow, this, [this] {
        M_Einstellungen->setEnabled(static_cast<bool>(einstellungenÖffnen));
        M_Drucken->setEnabled(static_cast<bool>(druckenÖffnen));
    });
}

void F_Bild::WechselSprache() {
    setWindowTitle(k_.T(600));
    M_Infotext->setText(k_.T(601));
    M_Einstellungen->setText(k_.T(602));
    M_Drucken->setText(k_.T(603));
    M_Exportieren->setText(k_.T(950));
    M_Hintergrundfarbe->setText(k_.T(604));
}

void F_Bild::MZ() {
    QPalette p = palette();
    p.setColor(QPalette::Window, AlsQColor(k_.m.FarbeBild));
    setPalette(p);
}

void F_Bild::PufferAnpassen() {
    // One image pixel per device pixel: the painter keeps drawing in logical
    // units, and a scaled-up image would show blocky lines.
    const qreal verhältnis = devicePixelRatioF();
    const QSize pixel = (QSizeF(size()) * verhältnis).toSize();
    if (puffer_.size() == pixel && puffer_.devicePixelRatio() == verhältnis) return;
    puffer_ = QImage(pixel, QImage::Format_RGB32);
    puffer_.setDevicePixelRatio(verhältnis);
    puffer_.fill(AlsQColor(k_.m.FarbeBild));
}

void F_Bild::Skalierung() {
    PufferAnpassen();
    bild_.Skalierung(k_.m, QSizeF(size()) * TwipsJePixel);
}

void F_Bild::Neuzeichnen() {
    // A fresh start: the running extremes reset at the next solve, and the
    // picture shows the crank where the animation goes on from.
    k_.m.LetzterUmWinkel = k_.m.UmWinkel + 1;
    k_.m.Winkel = 0;
    Kinematik(k_.m);
    Löschen();
    Zeichnen();
}

void F_Bild::Löschen() {
    if (puffer_.isNull()) return;
    QPainter p(&puffer_);
    p.scale(1.0 / TwipsJePixel, 1.0 / TwipsJePixel);
    bild_.Löschen(p, k_.m.FarbeBild);
    update();
}

void F_Bild::Zeichnen() {
    if (puffer_.isNull()) return;
    QPainter p(&puffer_);
    p.scale(1.0 / TwipsJePixel, 1.0 / TwipsJePixel);
    bild_.Zeichnen(p, k_.m, Bildschirmstil(k_.m));
    update();
}

void F_Bild::M_Exportieren_Click() {
    // The engine as it stands now, whatever the animation does meanwhile.
    const Modell stand = k_.m;
    BildExportDialog(
        this, k_, size(),
        [&stand](QPainter& p, QSizeF größe) { MaschinenbildMalen(p, stand, größe); },
        QStringLiteral("Maschine"));
}

void F_Bild::HintergrundfarbeWählen() {
    const auto farbe = k_.plattform.FarbeWählen(this, AlsQColor(k_.m.FarbeBild));
    if (!farbe) return;
    k_.m.FarbeBild = AlsFarbe(*farbe);
    MZ();
    try {
        Neuzeichnen();
        if (k_.ansichten) Schritt(k_.m, *k_.ansichten);
    } catch (const GeometrieFehler& f) {
        Fehler(f);
    }
    if (k_.ansichten) DatensatzGeändert(k_.m, *k_.ansichten);
}

void F_Bild::Fehler(const std::exception& e) {
    const std::string text =
        Meldungstext(k_.sprache.Text(2004), {{"|1", e.what()}, {"|2", "\n"}, {"|3", "\n"}});
    k_.plattform.Meldung(this, Q(text), Symbol::Ausruf);
}

void F_Bild::LageSpeichern() {
    PositionSpeichern(*this, k_.speicher, Stamm);
    GrößeSpeichern(*this, k_.speicher, Stamm);
}

void F_Bild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (puffer_.isNull())
        p.fillRect(rect(), AlsQColor(k_.m.FarbeBild));
    else
        p.drawImage(0, 0, puffer_);
}

void F_Bild::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Anpassen();
}

void F_Bild::Anpassen() {
    PufferAnpassen();
    try {
        if (k_.ansichten) {
            Neuberechnung(k_.m, *k_.ansichten, Anlass::Ansicht);
        } else {
            // On its own the window still fits and redraws the picture.
            Skalierung();
            Neuzeichnen();
        }
    } catch (const GeometrieFehler& f) {
        Fehler(f);
    }
}

void F_Bild::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::RightButton) {
        QWidget::mousePressEvent(e);
        return;
    }
    M_Click->popup(e->globalPosition().toPoint());
}

void F_Bild::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    k_.m.BildZeigen = Wahr;
    Eigenständig(*this);
    if (!bildschirmVerbunden_ && windowHandle()) {
        // Another screen may have another pixel ratio.
        bildschirmVerbunden_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] {
            if (puffer_.devicePixelRatio() != devicePixelRatioF()) Anpassen();
        });
    }
}

void F_Bild::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() != QEvent::ActivationChange) return;
    if (isActiveWindow())
        k_.m.BildZeigen = Wahr;
    else
        LageSpeichern();
}

void F_Bild::closeEvent(QCloseEvent* e) {
    LageSpeichern();
    k_.m.BildZeigen = Falsch;
    if (beimSchließen) beimSchließen();
    e->accept();
}

} // namespace vapro
