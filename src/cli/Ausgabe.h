#pragma once
// Writes results either as key=value lines (shortest text that reads back as
// the same float) or as an aligned list for people.

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace vapro::cli {

// Pads UTF-8 text to a width in characters (not bytes), left or right aligned.
std::string Spalte(std::string_view text, size_t breite, bool rechts = false);

class Ausgabe {
  public:
    Ausgabe(std::ostream& out, bool kv) : out_(out), kv_(kv) {}
    bool kv() const { return kv_; }
    void Wert(std::string_view schlüssel, float wert);
    void Wert(std::string_view schlüssel, int wert);
    void Wahrheit(std::string_view schlüssel, bool wert);
    void Text(std::string_view schlüssel, std::string_view text) { Zeile(schlüssel, text); }
    std::ostream& roh() { return out_; }

  private:
    void Zeile(std::string_view schlüssel, std::string_view text);
    std::ostream& out_;
    bool kv_;
};

} // namespace vapro::cli
