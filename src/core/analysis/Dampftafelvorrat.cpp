#include "core/analysis/Dampftafelvorrat.h"

namespace vapro {

Dampftafelvorrat::Eintrag&
Dampftafelvorrat::Tafel(Dampftafelart art, const std::filesystem::path& ordner, bool erneut) {
    Eintrag& e = einträge_[art == Dampftafelart::SI ? 0 : 1];
    if (e.gelesen && !(erneut && e.suchfehler)) return e;
    const std::filesystem::path pfad = DampftafelPfad(art, ordner);
    e = Eintrag{};
    e.gelesen = true;
    e.ergebnis = DampftafelLaden(pfad);
    ++lesevorgänge_;
    e.suchfehler = e.ergebnis.Ok()
                       ? DampftafelFehlerFürSuche(e.ergebnis.Tafel, art, pfad.filename().string())
                       : e.ergebnis.Fehler;
    return e;
}

} // namespace vapro
