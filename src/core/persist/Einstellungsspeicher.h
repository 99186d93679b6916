#pragma once
// The per-user settings store: sections of text keys, compared without
// regard to case. The desktop program keeps them in an INI file; tests and
// the command line use the in-memory store.

#include <map>
#include <string>
#include <string_view>

namespace vapro {

class Einstellungsspeicher {
  public:
    virtual ~Einstellungsspeicher() = default;
    virtual std::string Lesen(std::string_view abschnitt, std::string_view schlüssel,
                              std::string_view vorgabe) const = 0;
    virtual void Schreiben(std::string_view abschnitt, std::string_view schlüssel,
                           std::string_view wert) = 0;
    virtual void AbschnittLöschen(std::string_view abschnitt) = 0;
};

// Lower-case form of a section or key (ASCII and the German umlauts), so
// that "Bild Zeigen" and "bild zeigen" are one key.
std::string SchlüsselForm(std::string_view text);

class SpeicherImSpeicher : public Einstellungsspeicher {
  public:
    std::string Lesen(std::string_view abschnitt, std::string_view schlüssel,
                      std::string_view vorgabe) const override;
    void Schreiben(std::string_view abschnitt, std::string_view schlüssel,
                   std::string_view wert) override;
    void AbschnittLöschen(std::string_view abschnitt) override;
    bool Enthält(std::string_view abschnitt, std::string_view schlüssel) const;

  private:
    std::map<std::string, std::map<std::string, std::string>> daten_;
};

} // namespace vapro
