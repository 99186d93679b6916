#include "ui/analysis/Dampftafelquelle.h"

#include "ui/platform/Datenordner.h"

namespace vapro {

std::filesystem::path Dampftafelordner(const Kontext& k) {
    if (!k.zustand.Programmpfad.empty())
        return std::filesystem::path(
            std::u8string(k.zustand.Programmpfad.begin(), k.zustand.Programmpfad.end()));
    const QByteArray ordner = Datenordner().toUtf8();
    return std::filesystem::path(std::u8string(ordner.begin(), ordner.end()));
}

void DampftafelFehlerMelden(Kontext& k, Dampftafelvorrat::Eintrag& e,
                            const DampftafelFehler& fehler, QWidget* eltern) {
    if (e.gemeldet) return;
    e.gemeldet = true;
    k.plattform.Meldung(eltern, Q(DampftafelMeldung(k.sprache, fehler)), Symbol::Stopp);
}

const Dampftafel* DampftafelFürSuche(Kontext& k, Dampftafelart art, QWidget* eltern, bool melden) {
    Dampftafelvorrat::Eintrag& e = k.dampftafeln.Tafel(art, Dampftafelordner(k));
    if (e.suchfehler && melden) DampftafelFehlerMelden(k, e, *e.suchfehler, eltern);
    return e.FürSuche();
}

} // namespace vapro
