#include "Ausgabe.h"

#include <string>

#include "persist/Zahlenformat.h"

namespace vapro::cli {

namespace {
// Display width of UTF-8 text: count code points, not bytes.
size_t Breite(std::string_view s) {
    size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}
}  // namespace

void Ausgabe::Zeile(std::string_view schlüssel, std::string_view text) {
    if (kv_) {
        out_ << schlüssel << '=' << text << '\n';
        return;
    }
    out_ << schlüssel;
    for (size_t i = Breite(schlüssel); i < 28; ++i) out_ << ' ';
    out_ << ' ' << text << '\n';
}

void Ausgabe::Wert(std::string_view schlüssel, float wert) {
    Zeile(schlüssel, kv_ ? FormatKurz(wert) : FormatAllgemein(wert));
}

void Ausgabe::Wert(std::string_view schlüssel, int wert) { Zeile(schlüssel, std::to_string(wert)); }

void Ausgabe::Wahrheit(std::string_view schlüssel, bool wert) {
    Zeile(schlüssel, wert ? "true" : "false");
}

}  // namespace vapro::cli
