#include "ui/platform/Plattform.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>

#include "render/Bildexport.h"

namespace vapro {

QtPlattform::QtPlattform() = default;
QtPlattform::~QtPlattform() = default;

void QtPlattform::Meldung(QWidget* eltern, const QString& text, Symbol symbol,
                          const QString& titel) {
    QMessageBox box(eltern);
    box.setWindowTitle(titel.isEmpty() ? QStringLiteral("Zelto Vapro") : titel);
    box.setText(text);
    switch (symbol) {
    case Symbol::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Symbol::Frage:
        box.setIcon(QMessageBox::Question);
        break;
    case Symbol::Ausruf:
        box.setIcon(QMessageBox::Warning);
        break;
    case Symbol::Stopp:
        box.setIcon(QMessageBox::Critical);
        break;
    case Symbol::Keins:
        break;
    }
    box.exec();
}

bool QtPlattform::JaNein(QWidget* eltern, const QString& text, const QString& titel) {
    return QMessageBox::question(eltern, titel, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

Sichern QtPlattform::SpeichernFragen(QWidget* eltern, const QString& text, const QString& titel,
                                     const std::array<QString, 3>& knöpfe) {
    QMessageBox box(QMessageBox::Question, titel, text, QMessageBox::NoButton, eltern);
    QPushButton* speichern = box.addButton(knöpfe[0], QMessageBox::AcceptRole);
    QPushButton* verwerfen = box.addButton(knöpfe[1], QMessageBox::DestructiveRole);
    QPushButton* abbrechen = box.addButton(knöpfe[2], QMessageBox::RejectRole);
    box.setDefaultButton(speichern);
    box.setEscapeButton(abbrechen);
    box.exec();
    if (box.clickedButton() == speichern) return Sichern::Speichern;
    if (box.clickedButton() == verwerfen) return Sichern::Verwerfen;
    return Sichern::Abbrechen;
}

std::optional<QColor> QtPlattform::FarbeWählen(QWidget* eltern, const QColor& anfang) {
    const QColor c = QColorDialog::getColor(anfang, eltern);
    if (!c.isValid()) return std::nullopt;
    return c;
}

QString QtFilter(const QString& filter) {
    const QStringList teile = filter.split('|');
    QStringList paare;
    for (int i = 0; i + 1 < teile.size(); i += 2) {
        QString name = teile[i];
        if (!name.contains('(')) name += " (" + teile[i + 1] + ")";
        paare << name;
    }
    return paare.join(";;");
}

std::optional<QString> QtPlattform::DateiÖffnen(QWidget* eltern, const QString& filter,
                                                const QString& anfang) {
    const QString pfad = QFileDialog::getOpenFileName(eltern, {}, anfang, QtFilter(filter));
    if (pfad.isEmpty()) return std::nullopt;
    return pfad;
}

std::optional<QString> QtPlattform::DateiSpeichern(QWidget* eltern, const QString& filter,
                                                   const QString& anfang) {
    const QString pfad = QFileDialog::getSaveFileName(eltern, {}, anfang, QtFilter(filter));
    if (pfad.isEmpty()) return std::nullopt;
    return pfad;
}

void QtPlattform::Hilfe(int kontext) {
    if (hilfeZeigen) hilfeZeigen(kontext);
}

QPrinter& QtPlattform::Drucker() {
    if (!drucker_) drucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *drucker_;
}

bool QtPlattform::DruckerWählen(QWidget* eltern, QPrinter& drucker) {
    QPrintDialog dialog(&drucker, eltern);
    // One page is all there is.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QSize> QtPlattform::BildgrößeWählen(QWidget* eltern, QSize vorschlag,
                                                  const QString& titel, const QString& breite,
                                                  const QString& höhe) {
    QDialog dialog(eltern);
    dialog.setWindowTitle(titel);
    auto* form = new QFormLayout(&dialog);
    auto feld = [&dialog](int wert) {
        auto* f = new QSpinBox(&dialog);
        f->setRange(1, BildgrößeGrößte);
        f->setSuffix(QStringLiteral(" px"));
        f->setValue(wert);
        return f;
    };
    QSpinBox* b = feld(vorschlag.width());
    QSpinBox* h = feld(vorschlag.height());
    form->addRow(breite, b);
    form->addRow(höhe, h);
    auto* knöpfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(knöpfe);
    QObject::connect(knöpfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knöpfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return QSize(b->value(), h->value());
}

} // namespace vapro
