#include "core/persist/Pruefeinstellungen.h"

#include <string>

#include "core/numbers/Zahlenformat.h"

namespace vapro {

Prüfgrenzen PrüfgrenzenLaden(const Einstellungsspeicher& s) {
    Prüfgrenzen g;
    for (const Prüfgrenze& e : PrüfgrenzenTabelle()) {
        const std::string text = s.Lesen(AbschnittPrüfung, e.name, "");
        if (const auto z = LiesZahl(text)) g.*e.feld = static_cast<float>(*z);
    }
    return PrüfgrenzenRepariert(g);
}

void PrüfgrenzenSpeichern(Einstellungsspeicher& s, const Prüfgrenzen& g) {
    const Prüfgrenzen r = PrüfgrenzenRepariert(g);
    for (const Prüfgrenze& e : PrüfgrenzenTabelle())
        s.Schreiben(AbschnittPrüfung, e.name, FormatInvariant(r.*e.feld));
}

} // namespace vapro
