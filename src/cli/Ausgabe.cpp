#include "cli/Ausgabe.h"

#include <string>

#include "core/numbers/Zahlenformat.h"

namespace vapro::cli {

std::string Spalte(std::string_view text, size_t breite, bool rechts) {
    size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    const std::string füll(n < breite ? breite - n : 0, ' ');
    return rechts ? füll + std::string(text) : std::string(text) + füll;
}

void Ausgabe::Zeile(std::string_view schlüssel, std::string_view text) {
    if (kv_) {
        out_ << schlüssel << '=' << text << '\n';
        return;
    }
    out_ << Spalte(schlüssel, 28) << ' ' << text << '\n';
}

void Ausgabe::Wert(std::string_view schlüssel, float wert) {
    Zeile(schlüssel, kv_ ? FormatKurz(wert) : FormatAllgemein(wert));
}

void Ausgabe::Wert(std::string_view schlüssel, int wert) {
    Zeile(schlüssel, std::to_string(wert));
}

void Ausgabe::Wahrheit(std::string_view schlüssel, bool wert) {
    Zeile(schlüssel, wert ? "true" : "false");
}

} // namespace vapro::cli
