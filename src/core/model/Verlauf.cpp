#include "core/model/Verlauf.h"

#include <algorithm>
#include <cmath>

#include "core/model/Felder.h"
#include "core/model/Fensterflaggen.h"

namespace vapro {

bool GleicheMaschine(const Modell& a, const Modell& b) {
    if (a.Einheit != b.Einheit || a.Druckeinheit != b.Druckeinheit) return false;
    for (const Feld& f : Felder()) {
        // The lever is where the user drags it, not part of the engine.
        if (f.satz == 0 || f.ort == FeldOrt(&Modell::UmWinkel)) continue;
        const double x = FeldLesen(a, f), y = FeldLesen(b, f);
        if (x != y && !(std::isnan(x) && std::isnan(y))) return false;
    }
    return true;
}

void MaschineEinsetzen(Modell& ziel, const Modell& quelle) {
    const Modell sitzung = ziel;
    ziel = quelle;
    // The crank turns on where it is; the lever stays where the user left it
    // as far as the installed range allows.
    ziel.Winkel = sitzung.Winkel;
    ziel.WinkelSchritt = sitzung.WinkelSchritt;
    ziel.Drehrichtung = sitzung.Drehrichtung;
    ziel.Drehrichtungsbilanz = sitzung.Drehrichtungsbilanz;
    const float rad = static_cast<float>(3.14159265358979 / 180);
    ziel.UmWinkel = std::clamp(sitzung.UmWinkel, ziel.UmMin * rad, ziel.UmMax * rad);
    ziel.Geometriestand = sitzung.Geometriestand;
    ziel.Änderungen = sitzung.Änderungen;
    ziel.Geändert = sitzung.Geändert;
    ziel.ZeitVorher = sitzung.ZeitVorher;
    ziel.ZeitAktuell = sitzung.ZeitAktuell;
    ziel.NächsterStart = sitzung.NächsterStart;
    ziel.DruckenAktiv = sitzung.DruckenAktiv;
    ziel.TabellenSchritt = sitzung.TabellenSchritt;
    ziel.TabellenZeilen = sitzung.TabellenZeilen;
    ziel.TabellenZeile = sitzung.TabellenZeile;
    for (int16_t Modell::*flagge : Fensterflaggen)
        ziel.*flagge = sitzung.*flagge;
}

bool Verlauf::Aufzeichnen(int name, const Modell& vorher, const Modell& nachher) {
    if (GleicheMaschine(vorher, nachher)) return false;
    schritte_.resize(stand_);
    schritte_.push_back({name, vorher, nachher});
    if (schritte_.size() > kTiefe)
        schritte_.erase(schritte_.begin());
    else
        ++stand_;
    return true;
}

std::optional<int> Verlauf::NameRückgängig() const {
    if (stand_ == 0) return std::nullopt;
    return schritte_[stand_ - 1].name;
}

std::optional<int> Verlauf::NameWiederholen() const {
    if (stand_ == schritte_.size()) return std::nullopt;
    return schritte_[stand_].name;
}

bool Verlauf::Rückgängig(Modell& m) {
    if (stand_ == 0) return false;
    --stand_;
    MaschineEinsetzen(m, schritte_[stand_].vorher);
    return true;
}

bool Verlauf::Wiederholen(Modell& m) {
    if (stand_ == schritte_.size()) return false;
    MaschineEinsetzen(m, schritte_[stand_].nachher);
    ++stand_;
    return true;
}

void Verlauf::Leeren(const Modell& m) {
    schritte_.clear();
    stand_ = 0;
    gespeichert_ = m;
}

} // namespace vapro
