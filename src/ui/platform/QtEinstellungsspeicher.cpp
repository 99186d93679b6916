#include "ui/platform/QtEinstellungsspeicher.h"

#include <QStringList>

#include "ui/Kontext.h"

namespace vapro {

namespace {

QString Form(std::string_view text) {
    return Q(SchlüsselForm(text));
}

QString Pfad(std::string_view abschnitt, std::string_view schlüssel) {
    return Form(abschnitt) + '/' + Form(schlüssel);
}

QString AlsText(const QVariant& wert) {
    // An unquoted "a, b" in a hand-edited file reads as a list.
    if (wert.typeId() == QMetaType::QStringList) return wert.toStringList().join(", ");
    return wert.toString();
}

} // namespace

QtEinstellungsspeicher::QtEinstellungsspeicher()
    : einstellungen_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                 QStringLiteral("Zelto Vapro"),
                                                 QStringLiteral("Zelto Vapro"))) {}

QtEinstellungsspeicher::QtEinstellungsspeicher(const QString& iniDatei)
    : einstellungen_(std::make_unique<QSettings>(iniDatei, QSettings::IniFormat)) {}

QString QtEinstellungsspeicher::Datei() const {
    return einstellungen_->fileName();
}

QStringList QtEinstellungsspeicher::Gleichnamige(std::string_view abschnitt,
                                                 std::string_view schlüssel) const {
    const std::string a = SchlüsselForm(abschnitt), k = SchlüsselForm(schlüssel);
    QStringList treffer;
    for (const QString& voll : einstellungen_->allKeys()) {
        const qsizetype strich = voll.indexOf('/');
        if (strich < 0) continue;
        const QString gruppe = voll.left(strich);
        if (SchlüsselForm(gruppe.toStdString()) != a) continue;
        if (schlüssel.empty()) {
            if (!treffer.contains(gruppe)) treffer << gruppe;
        } else if (SchlüsselForm(voll.mid(strich + 1).toStdString()) == k) {
            treffer << voll;
        }
    }
    return treffer;
}

std::string QtEinstellungsspeicher::Lesen(std::string_view abschnitt, std::string_view schlüssel,
                                          std::string_view vorgabe) const {
    QString pfad = Pfad(abschnitt, schlüssel);
    if (!einstellungen_->contains(pfad)) {
        const QStringList andere = Gleichnamige(abschnitt, schlüssel);
        if (andere.isEmpty()) return std::string(vorgabe);
        pfad = andere.front();
    }
    return AlsText(einstellungen_->value(pfad)).toStdString();
}

void QtEinstellungsspeicher::Schreiben(std::string_view abschnitt, std::string_view schlüssel,
                                       std::string_view wert) {
    const QString pfad = Pfad(abschnitt, schlüssel);
    for (const QString& anderer : Gleichnamige(abschnitt, schlüssel))
        if (anderer != pfad) einstellungen_->remove(anderer);
    einstellungen_->setValue(pfad, Q(wert));
    // Written at once: positions are stored on every deactivation and must
    // survive a program that is killed.
    einstellungen_->sync();
}

void QtEinstellungsspeicher::AbschnittLöschen(std::string_view abschnitt) {
    for (const QString& gruppe : Gleichnamige(abschnitt, {}))
        einstellungen_->remove(gruppe);
    einstellungen_->sync();
}

} // namespace vapro
