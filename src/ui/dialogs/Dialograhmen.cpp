#include "ui/dialogs/Dialograhmen.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "core/model/Bewegung.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Verlauf.h"
#include "core/numbers/Zahlenformat.h"
#include "core/persist/Start.h"
#include "render/Farben.h"
#include "ui/platform/Fensterlage.h"

namespace vapro {

Dialograhmen::Dialograhmen(Kontext& kontext, Rahmendaten daten, QWidget* eltern)
    : QWidget(eltern, Qt::Window), k(kontext), daten_(std::move(daten)),
      dezimal_(vapro::Dezimalzeichen()) {
    // Windows own no data, so a closed dialog is gone; the next opening
    // builds it afresh from the model.
    setAttribute(Qt::WA_DeleteOnClose);
    M_Popup = new QMenu(this);
    M_Infotext = M_Popup->addAction(QString());
    M_Hintergrundfarbe = M_Popup->addAction(QString());
    connect(M_Infotext, &QAction::triggered, this, [this] { M_Infotext_Click(); });
    connect(M_Hintergrundfarbe, &QAction::triggered, this, [this] { M_Hintergrundfarbe_Click(); });
    // A kept size holds from the start: what a window computes from its size
    // must not depend on whether it has been shown yet.
    if (daten_.GrößeBehalten())
        GrößeLaden(*this, k.speicher, daten_.stamm, daten_.vorgabeHöhe, daten_.vorgabeBreite);
}

// --- lifecycle --------------------------------------------------------------

void Dialograhmen::Form_Load() {
    if (geladen_) return;
    geladen_ = true;
    TastenregelnAnbringen();
    WechselSprache();
    MZ();
    Einschreiben();
    // Size the window for its captions now, not after the next event round,
    // so that the place is chosen for the size it shows with.
    if (layout()) layout()->activate();
    PositionLaden(*this, k.speicher, daten_.stamm, daten_.vorgabeTwips);
}

void Dialograhmen::Form_Deactivate() {
    PositionSpeichern(*this, k.speicher, daten_.stamm);
    if (daten_.GrößeBehalten()) GrößeSpeichern(*this, k.speicher, daten_.stamm);
}

void Dialograhmen::Form_Unload() {
    // A window that never loaded has no place of its own worth keeping.
    if (geladen_) Form_Deactivate();
    if (beimSchließen) beimSchließen();
}

void Dialograhmen::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) {
        if (!geladen_)
            Form_Load();
        else if (warVersteckt_)
            Einschreiben();
        warVersteckt_ = false;
    }
    QWidget::showEvent(e);
    Eigenständig(*this);
}

void Dialograhmen::hideEvent(QHideEvent* e) {
    if (!e->spontaneous()) warVersteckt_ = true;
    QWidget::hideEvent(e);
}

void Dialograhmen::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange && geladen_ && !isActiveWindow()) Form_Deactivate();
    QWidget::changeEvent(e);
}

void Dialograhmen::closeEvent(QCloseEvent* e) {
    Form_Unload();
    QWidget::closeEvent(e);
}

// --- the form -------------------------------------------------------------

Formular& Dialograhmen::FormularAnlegen(std::vector<Zeile> zeilen, QGridLayout* raster) {
    formular_ = std::make_unique<Formular>(*this, std::move(zeilen), raster);
    return *formular_;
}

void Dialograhmen::WechselSprache() {
    if (formular_) formular_->WechselSprache();
}

void Dialograhmen::Einschreiben() {
    if (formular_) formular_->Einschreiben();
}

void Dialograhmen::Übernehmen() {
    if (formular_) formular_->Übernehmen();
}

// --- apply ------------------------------------------------------------------

bool Dialograhmen::Knopf_Übernehmen_Click() {
    const Modell vorher = k.m;
    bool ganz = true;
    try {
        try {
            Übernehmen();
        } catch (const Eingabefehler&) {
            EingabefehlerMelden();
            if (!daten_.weiterNachEingabefehler) return false;
            ganz = false;
        }
        Einschreiben();
        // Only a whole apply is a step that can be taken back.
        if (ganz) k.zustand.verlauf.Aufzeichnen(daten_.titel, vorher, k.m);
        if (k.ansichten && daten_.neuberechnen) Neuberechnung(k.m, *k.ansichten, Anlass::Eingabe);
    } catch (const GeometrieFehler& f) {
        GeometriefehlerMelden(f);
        return false;
    }
    return ganz;
}

void Dialograhmen::EingabefehlerMelden() {
    const std::string zeilen = Meldungstext(k.sprache.Text(2003), {{"|1", "\n"}});
    k.plattform.Meldung(this, k.T(daten_.titel) + "\n\n" + Q(zeilen), Symbol::Ausruf);
}

void Dialograhmen::GeometriefehlerMelden(const GeometrieFehler&) {
    const std::string text = Meldungstext(
        k.sprache.Text(2004), {{"|1", k.sprache.Text(daten_.titel)}, {"|2", "\n\n"}, {"|3", "\n"}});
    k.plattform.Meldung(this, Q(text), Symbol::Stopp);
}

// --- pop-up menu ------------------------------------------------------------

void Dialograhmen::M_Infotext_Click() {
    k.plattform.Hilfe(daten_.hilfe);
}

void Dialograhmen::M_Hintergrundfarbe_Click() {
    const auto farbe = k.plattform.FarbeWählen(this, AlsQColor(Hintergrund()));
    if (!farbe) return;
    if (daten_.farbe) {
        const Modell vorher = k.m;
        k.m.*daten_.farbe = AlsFarbe(*farbe);
        k.zustand.verlauf.Aufzeichnen(daten_.titel, vorher, k.m);
    } else {
        // Not the engine's: no step to take back, and no file to save it in.
        k.speicher.Schreiben(AbschnittAktuell, daten_.stamm.toStdString() + " Farbe",
                             std::to_string(AlsFarbe(*farbe)));
    }
    MZ();
    FarbeGeändert();
}

uint32_t Dialograhmen::Hintergrund() const {
    if (daten_.farbe) return k.m.*daten_.farbe;
    const std::string text =
        k.speicher.Lesen(AbschnittAktuell, daten_.stamm.toStdString() + " Farbe",
                         std::to_string(daten_.vorgabeFarbe));
    const auto z = LiesZahl(text);
    if (!z || *z < 0 || *z > 0xFFFFFF || *z != std::floor(*z)) return daten_.vorgabeFarbe;
    return static_cast<uint32_t>(*z);
}

void Dialograhmen::MZ() {
    HintergrundSetzen(*this, AlsQColor(Hintergrund()));
}

void Dialograhmen::DatensatzGeändert() {
    if (k.ansichten) vapro::DatensatzGeändert(k.m, *k.ansichten);
}

void Dialograhmen::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) {
        M_Popup->popup(e->globalPosition().toPoint());
        return;
    }
    QWidget::mousePressEvent(e);
}

void Dialograhmen::contextMenuEvent(QContextMenuEvent* e) {
    // The right button is handled on press; this is the keyboard's menu key.
    if (e->reason() == QContextMenuEvent::Keyboard) M_Popup->popup(mapToGlobal(rect().center()));
    e->accept();
}

// --- keyboard ---------------------------------------------------------------

void Dialograhmen::TastenregelnAnbringen() {
    // Installing twice is harmless: Qt keeps one entry per filter object.
    for (QWidget* w : findChildren<QWidget*>())
        if (w->window() == this && w->focusPolicy() != Qt::NoFocus) w->installEventFilter(this);
}

bool Dialograhmen::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        const auto* w = qobject_cast<QWidget*>(o);
        if (w && w->window() == this) return Taste(o, static_cast<QKeyEvent*>(e));
    }
    return QWidget::eventFilter(o, e);
}

void Dialograhmen::keyPressEvent(QKeyEvent* e) {
    // Keys of controls without the filter end up here.
    if (!Taste(this, e)) QWidget::keyPressEvent(e);
}

bool Dialograhmen::Taste(QObject* ziel, QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Down:
        focusNextPrevChild(true);
        return true;
    case Qt::Key_Up:
        focusNextPrevChild(false);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        focusNextPrevChild(true);
        // A window with nothing to apply (a graph, a table) changes no engine.
        if (Knopf_Übernehmen || formular_) Knopf_Übernehmen_Click();
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        break;
    }
    if (!qobject_cast<QLineEdit*>(ziel)) return false;
    // Commands such as Ctrl+V are not typed characters. Everything above ':'
    // is: letters (and with them exponents), umlauts, symbols.
    const auto mod = e->modifiers();
    const bool befehl =
        (mod & (Qt::ControlModifier | Qt::MetaModifier)) && !(mod & Qt::AltModifier);
    if (befehl) return false;
    for (const QChar c : e->text())
        if (c.unicode() > 58) return true;
    return false;
}

// --- controls ---------------------------------------------------------------

QLineEdit* Dialograhmen::Feld(QWidget* eltern) {
    auto* feld = new QLineEdit(eltern ? eltern : this);
    // Room for a 7-digit number with sign and separator, not more.
    feld->setFixedWidth(feld->fontMetrics().horizontalAdvance(QStringLiteral("-0000.0000")) + 12);
    feld->installEventFilter(this);
    return feld;
}

QPushButton* Dialograhmen::KnopfÜbernehmenAnlegen(QWidget* eltern) {
    Knopf_Übernehmen = new QPushButton(eltern ? eltern : this);
    Knopf_Übernehmen->installEventFilter(this);
    connect(Knopf_Übernehmen, &QPushButton::clicked, this, [this] { Knopf_Übernehmen_Click(); });
    return Knopf_Übernehmen;
}

void Dialograhmen::Zeigen(QLineEdit* feld, float wert) const {
    feld->setText(Q(FormatAllgemein(wert, dezimal_)));
}

void Dialograhmen::Zeigen(QLineEdit* feld, int16_t wert) const {
    feld->setText(QString::number(wert));
}

void Dialograhmen::Zeigen(QCheckBox* kästchen, int16_t wert) {
    kästchen->setChecked(wert != 0);
}

float Dialograhmen::LiesEinzel(const QLineEdit* feld) const {
    const auto z = LiesZahl(feld->text().toStdString(), dezimal_);
    if (!z || !(std::fabs(*z) <= std::numeric_limits<float>::max())) throw Eingabefehler();
    return static_cast<float>(*z);
}

int16_t Dialograhmen::LiesGanz(const QLineEdit* feld) const {
    const auto z = LiesZahl(feld->text().toStdString(), dezimal_);
    if (!z) throw Eingabefehler();
    const auto ganz = Runde16(*z);
    if (!ganz) throw Eingabefehler();
    return *ganz;
}

int16_t Dialograhmen::Wert(const QCheckBox* kästchen) {
    return kästchen->isChecked() ? 1 : 0;
}

} // namespace vapro
