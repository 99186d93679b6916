#pragma once
// The settings store of the desktop program: an INI file in the user's
// configuration folder ("Zelto Vapro/Zelto Vapro.ini"). Sections and keys
// are written in their lower-case form so that lookups ignore case; entries
// of another case (a hand-edited file) are still found and are replaced on
// the next write.

#include <QSettings>
#include <QString>
#include <memory>

#include "core/persist/Einstellungsspeicher.h"

namespace vapro {

class QtEinstellungsspeicher : public Einstellungsspeicher {
  public:
    // The per-user store of the program.
    QtEinstellungsspeicher();
    // A store in this INI file (tests use a temporary folder).
    explicit QtEinstellungsspeicher(const QString& iniDatei);

    std::string Lesen(std::string_view abschnitt, std::string_view schlüssel,
                      std::string_view vorgabe) const override;
    void Schreiben(std::string_view abschnitt, std::string_view schlüssel,
                   std::string_view wert) override;
    void AbschnittLöschen(std::string_view abschnitt) override;

    // Where the store lives.
    QString Datei() const;

  private:
    // Group/key names actually present whose lower-case form is that of
    // abschnitt/schlüssel (empty schlüssel: the groups themselves).
    QStringList Gleichnamige(std::string_view abschnitt, std::string_view schlüssel) const;

    std::unique_ptr<QSettings> einstellungen_;
};

} // namespace vapro
