#include "core/model/Druckeinstellungen.h"

#include <algorithm>
#include <cmath>

namespace vapro {

namespace {

int16_t Begrenzt(double wert, double min, double max) {
    if (std::isnan(wert)) return static_cast<int16_t>(min);
    return static_cast<int16_t>(std::lround(std::clamp(wert, min, max)));
}

} // namespace

int16_t MindestensEins(double wert) {
    return Begrenzt(wert, 1, 32767);
}

int16_t RandBegrenzen(double wert, int16_t gegenüber) {
    const double frei = RandsummeGrößte - std::clamp<double>(gegenüber, 0, RandsummeGrößte);
    return Begrenzt(wert, 0, frei);
}

bool DruckeinstellungenReparieren(Modell& m) {
    bool geändert = false;
    auto setzen = [&geändert](int16_t& feld, int16_t wert) {
        geändert = geändert || feld != wert;
        feld = wert;
    };
    for (int16_t Modell::*f :
         {&Modell::LStärkeKurbelD, &Modell::GelenkKurbelD, &Modell::LStärkeSteuerD,
          &Modell::GelenkSteuerD, &Modell::LStärkeGelenkeD, &Modell::LStärkeRestD, &Modell::Kuller,
          &Modell::GradPunkte, &Modell::LStärke, &Modell::KStärke, &Modell::AbstandWinkel,
          &Modell::KolbenWegAbstand, &Modell::AbstandWeg})
        setzen(m.*f, MindestensEins(m.*f));
    setzen(m.GradPunkte, std::min(m.GradPunkte, GradPunkteGrößte));
    // The first of a pair keeps what it can, the second gets what is left.
    for (auto [erster, zweiter] : {std::pair{&Modell::RandLinksD, &Modell::RandRechtsD},
                                   std::pair{&Modell::RandObenD, &Modell::RandUntenD},
                                   std::pair{&Modell::DruckLinks, &Modell::DruckRechts},
                                   std::pair{&Modell::DruckOben, &Modell::DruckUnten}}) {
        setzen(m.*erster, RandBegrenzen(m.*erster, 0));
        setzen(m.*zweiter, RandBegrenzen(m.*zweiter, m.*erster));
    }
    return geändert;
}

} // namespace vapro
