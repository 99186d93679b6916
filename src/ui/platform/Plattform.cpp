#include "ui/platform/Plattform.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace vapro {

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

} // namespace vapro
