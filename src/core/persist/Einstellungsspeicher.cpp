#include "core/persist/Einstellungsspeicher.h"

namespace vapro {

std::string SchlüsselForm(std::string_view text) {
    std::string s(text);
    for (size_t i = 0; i < s.size(); ++i) {
        auto c = static_cast<unsigned char>(s[i]);
        if (c >= 'A' && c <= 'Z') {
            s[i] = static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < s.size()) {
            // Ä Ö Ü (C3 84, C3 96, C3 9C) to ä ö ü (C3 A4, C3 B6, C3 BC)
            auto d = static_cast<unsigned char>(s[i + 1]);
            if (d == 0x84 || d == 0x96 || d == 0x9C) s[i + 1] = static_cast<char>(d + 0x20);
            ++i;
        }
    }
    return s;
}

std::string SpeicherImSpeicher::Lesen(std::string_view abschnitt, std::string_view schlüssel,
                                      std::string_view vorgabe) const {
    auto a = daten_.find(SchlüsselForm(abschnitt));
    if (a == daten_.end()) return std::string(vorgabe);
    auto k = a->second.find(SchlüsselForm(schlüssel));
    return k == a->second.end() ? std::string(vorgabe) : k->second;
}

void SpeicherImSpeicher::Schreiben(std::string_view abschnitt, std::string_view schlüssel,
                                   std::string_view wert) {
    daten_[SchlüsselForm(abschnitt)][SchlüsselForm(schlüssel)] = std::string(wert);
}

void SpeicherImSpeicher::AbschnittLöschen(std::string_view abschnitt) {
    daten_.erase(SchlüsselForm(abschnitt));
}

bool SpeicherImSpeicher::Enthält(std::string_view abschnitt, std::string_view schlüssel) const {
    auto a = daten_.find(SchlüsselForm(abschnitt));
    return a != daten_.end() && a->second.count(SchlüsselForm(schlüssel)) > 0;
}

} // namespace vapro
