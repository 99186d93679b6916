#include "model/Felder.h"

#include <cmath>
#include <limits>

namespace vapro {

namespace {

// Stored fields in machine-file order, then fields that are only settable.
const Feld kFelder[] = {
    {"FarbeKurbeltrieb", &Modell::FarbeKurbeltrieb, Größe::Farbe, 10101},
    {"KWRadius", &Modell::KWRadius, Größe::Länge, 10102},
    {"PLänge", &Modell::PLänge, Größe::Länge, 10103},
    {"KsLänge", &Modell::KsLänge, Größe::Länge, 10104},
    {"KsDurchmesserU", &Modell::KsDurchmesserU, Größe::Länge, 10105},
    {"KsDurchmesserO", &Modell::KsDurchmesserO, Größe::Länge, 10106},
    {"KUFreihub", &Modell::KUFreihub, Größe::Länge, 10107},
    {"KDicke", &Modell::KDicke, Größe::Länge, 10108},
    {"KDurchmesser", &Modell::KDurchmesser, Größe::Länge, 10109},
    {"KOFreihub", &Modell::KOFreihub, Größe::Länge, 10110},
    {"FarbeUmsteuerung", &Modell::FarbeUmsteuerung, Größe::Farbe, 10201},
    {"ExZentrizität", &Modell::ExZentrizität, Größe::Länge, 10202},
    {"ExRadius", &Modell::ExRadius, Größe::Länge, 10203},
    {"ExStangenlängeV", &Modell::ExStangenlängeV, Größe::Länge, 10204},
    {"ExStangenlängeR", &Modell::ExStangenlängeR, Größe::Länge, 10205},
    {"ExVorWinkel", &Modell::ExVorWinkel, Größe::Winkel, 10206},
    {"ExRückWinkel", &Modell::ExRückWinkel, Größe::Winkel, 10207},
    {"HeLänge", &Modell::HeLänge, Größe::Länge, 10208},
    {"UmLänge", &Modell::UmLänge, Größe::Länge, 10209},
    {"UmMin", &Modell::UmMin, Größe::Winkel, 10210},
    {"UmMax", &Modell::UmMax, Größe::Winkel, 10211},
    {"ummx", &Modell::ummx, Größe::Länge, 10212},
    {"ummy", &Modell::ummy, Größe::Länge, 10213},
    {"ussmx", &Modell::ussmx, Größe::Länge, 10214},
    {"BaLänge", &Modell::BaLänge, Größe::Länge, 10215},
    {"BaÜberstand", &Modell::BaÜberstand, Größe::Länge, 10216},
    {"BaRadius", &Modell::BaRadius, Größe::Länge, 10217},
    {"Einströmung", &Modell::Einströmung, Größe::Ganzzahl, 10218},
    {"Umsteuertyp", &Modell::Umsteuertyp, Größe::Ganzzahl, 10219},
    {"Vorzeichen", &Modell::Vorzeichen, Größe::Ganzzahl, 10220},
    {"FarbeSchieka", &Modell::FarbeSchieka, Größe::Farbe, 10301},
    {"KaLaufO", &Modell::KaLaufO, Größe::Länge, 10302},
    {"KaWeiO", &Modell::KaWeiO, Größe::Länge, 10303},
    {"KaDamO", &Modell::KaDamO, Größe::Länge, 10304},
    {"KaWeiM", &Modell::KaWeiM, Größe::Länge, 10305},
    {"KaDamU", &Modell::KaDamU, Größe::Länge, 10306},
    {"KaWeiU", &Modell::KaWeiU, Größe::Länge, 10307},
    {"KaLaufU", &Modell::KaLaufU, Größe::Länge, 10308},
    {"KaLänge", &Modell::KaLänge, Größe::Länge, 10309},
    {"SkOben", &Modell::SkOben, Größe::Länge, 10310},
    {"SkUnten", &Modell::SkUnten, Größe::Länge, 10311},
    {"SkHöhe", &Modell::SkHöhe, Größe::Länge, 10312},
    {"SkBreite", &Modell::SkBreite, Größe::Länge, 10313},
    {"KanallängeOben", &Modell::KanallängeOben, Größe::Länge, 10314},
    {"KanallängeUnten", &Modell::KanallängeUnten, Größe::Länge, 10315},
    {"kaumx", &Modell::kaumx, Größe::Länge, 10316},
    {"kaumy", &Modell::kaumy, Größe::Länge, 10317},
    {"DFrischdampf", &Modell::DFrischdampf, Größe::Länge, 10318},
    {"DAbdampf", &Modell::DAbdampf, Größe::Länge, 10319},
    {"FarbeSchieber", &Modell::FarbeSchieber, Größe::Farbe, 10401},
    {"SchiEO", &Modell::SchiEO, Größe::Länge, 10402},
    {"SchiIO", &Modell::SchiIO, Größe::Länge, 10403},
    {"SchiEU", &Modell::SchiEU, Größe::Länge, 10404},
    {"SchiIU", &Modell::SchiIU, Größe::Länge, 10405},
    {"SchiTiefe", &Modell::SchiTiefe, Größe::Länge, 10406},
    {"SchiInTiefe", &Modell::SchiInTiefe, Größe::Länge, 10407},
    {"SstLänge", &Modell::SstLänge, Größe::Länge, 10408},
    {"SchieberEingabe", &Modell::SchieberEingabe, Größe::Ganzzahl, 10409},
    {"FarbeBetriebsparameter", &Modell::FarbeBetriebsparameter, Größe::Farbe, 10501},
    {"PO1", &Modell::PO1, Größe::Druck, 10502},
    {"PO2", &Modell::PO2, Größe::Druck, 10503},
    {"Überhitzung", &Modell::Überhitzung, Größe::Zahl, 10504},
    {"DrehzahlMax", &Modell::DrehzahlMax, Größe::Ganzzahl, 10505},
    {"DrehzahlSchrittweite", &Modell::DrehzahlSchrittweite, Größe::Ganzzahl, 10506},
    {"MechWirkungsgrad", &Modell::MechWirkungsgrad, Größe::Ganzzahl, 10507},
    {"FarbeHaupt", &Modell::FarbeHaupt, Größe::Farbe, 10601},
    {"UmWinkel", &Modell::UmWinkel, Größe::Bogenmaß, 10602},
    {"FarbeBildDruck", &Modell::FarbeBildDruck, Größe::Farbe, 10701},
    {"LStärkeKurbelD", &Modell::LStärkeKurbelD, Größe::Ganzzahl, 10702},
    {"GelenkKurbelD", &Modell::GelenkKurbelD, Größe::Ganzzahl, 10703},
    {"LStärkeSteuerD", &Modell::LStärkeSteuerD, Größe::Ganzzahl, 10704},
    {"GelenkSteuerD", &Modell::GelenkSteuerD, Größe::Ganzzahl, 10705},
    {"LStärkeGelenkeD", &Modell::LStärkeGelenkeD, Größe::Ganzzahl, 10706},
    {"LStärkeRestD", &Modell::LStärkeRestD, Größe::Ganzzahl, 10707},
    {"FarbeSteuerHub", &Modell::FarbeSteuerHub, Größe::Farbe, 10801},
    {"usPerioden", &Modell::usPerioden, Größe::Ganzzahl, 10802},
    {"usKreis", &Modell::usKreis, Größe::Ganzzahl, 10803},
    {"FarbeSteuerHubD", &Modell::FarbeSteuerHubD, Größe::Farbe, 10901},
    {"DruckOben", &Modell::DruckOben, Größe::Ganzzahl, 10902},
    {"DruckUnten", &Modell::DruckUnten, Größe::Ganzzahl, 10903},
    {"DruckLinks", &Modell::DruckLinks, Größe::Ganzzahl, 10904},
    {"DruckRechts", &Modell::DruckRechts, Größe::Ganzzahl, 10905},
    {"Kuller", &Modell::Kuller, Größe::Ganzzahl, 10906},
    {"Füllen", &Modell::Füllen, Größe::Ganzzahl, 10907},
    {"GradPunkte", &Modell::GradPunkte, Größe::Ganzzahl, 10908},
    {"Öffnung", &Modell::Öffnung, Größe::Ganzzahl, 10909},
    {"LStärke", &Modell::LStärke, Größe::Ganzzahl, 10910},
    {"KStärke", &Modell::KStärke, Größe::Ganzzahl, 10911},
    {"WinkelRaster", &Modell::WinkelRaster, Größe::Ganzzahl, 10912},
    {"AbstandWinkel", &Modell::AbstandWinkel, Größe::Ganzzahl, 10913},
    {"KolbenWeg", &Modell::KolbenWeg, Größe::Ganzzahl, 10914},
    {"KolbenWegAbstand", &Modell::KolbenWegAbstand, Größe::Ganzzahl, 10915},
    {"WegRaster", &Modell::WegRaster, Größe::Ganzzahl, 10916},
    {"AbstandWeg", &Modell::AbstandWeg, Größe::Ganzzahl, 10917},
    {"FarbeTabelle", &Modell::FarbeTabelle, Größe::Farbe, 11001},
    {"TabelleAktualisieren", &Modell::TabelleAktualisieren, Größe::Ganzzahl, 11002},
    {"FarbeBildKonfiguration", &Modell::FarbeBildKonfiguration, Größe::Farbe, 11101},
    {"FarbeBild", &Modell::FarbeBild, Größe::Farbe, 11102},
    {"RandObenP", &Modell::RandObenP, Größe::Ganzzahl, 11103},
    {"RandUntenP", &Modell::RandUntenP, Größe::Ganzzahl, 11104},
    {"RandLinksP", &Modell::RandLinksP, Größe::Ganzzahl, 11105},
    {"LStärkeKurbel", &Modell::LStärkeKurbel, Größe::Ganzzahl, 11106},
    {"GelenkKurbel", &Modell::GelenkKurbel, Größe::Ganzzahl, 11107},
    {"LStärkeSteuer", &Modell::LStärkeSteuer, Größe::Ganzzahl, 11108},
    {"GelenkSteuer", &Modell::GelenkSteuer, Größe::Ganzzahl, 11109},
    {"LStärkeGelenke", &Modell::LStärkeGelenke, Größe::Ganzzahl, 11110},
    {"DEX", &Modell::DEX, Größe::Länge, 11111},
    {"SpieJa", &Modell::SpieJa, Größe::Ganzzahl, 11112},
    {"KaJa", &Modell::KaJa, Größe::Ganzzahl, 11113},
    {"ZusZei", &Modell::ZusZei, Größe::Ganzzahl, 11114},
    {"KolbenstangendickeJa", &Modell::KolbenstangendickeJa, Größe::Ganzzahl, 11115},
    {"Hilfslinie(0)", HilfslinienIndex{0}, Größe::Länge, 11116},
    {"Hilfslinie(1)", HilfslinienIndex{1}, Größe::Länge, 11117},
    {"Hilfslinie(2)", HilfslinienIndex{2}, Größe::Länge, 11118},
    {"Hilfslinie(3)", HilfslinienIndex{3}, Größe::Länge, 11119},
    {"HilfslinienZeigen", &Modell::HilfslinienZeigen, Größe::Ganzzahl, 11120},
    {"UmKonturJa", &Modell::UmKonturJa, Größe::Ganzzahl, 11121},
    {"Balkenstärke", &Modell::Balkenstärke, Größe::Länge, 11122},
    {"UmHebelStärkeOben", &Modell::UmHebelStärkeOben, Größe::Länge, 11123},
    {"UmHebelStärkeUnten", &Modell::UmHebelStärkeUnten, Größe::Länge, 11124},
    {"FarbeDampftafel", &Modell::FarbeDampftafel, Größe::Farbe, 11201},
    {"FarbeDampftafelUS", &Modell::FarbeDampftafelUS, Größe::Farbe, 11301},
    {"FarbeDiagramm", &Modell::FarbeDiagramm, Größe::Farbe, 11401},
    {"usPerioden", &Modell::usPerioden, Größe::Ganzzahl, 11402},
    {"usKreis", &Modell::usKreis, Größe::Ganzzahl, 11403},
    {"SchiLänge", &Modell::SchiLänge, Größe::Länge, 0},
    {"SchiMitte", &Modell::SchiMitte, Größe::Länge, 0},
    {"SchiLaufO", &Modell::SchiLaufO, Größe::Länge, 0},
    {"SchiLaufU", &Modell::SchiLaufU, Größe::Länge, 0},
    {"SpieLänge", &Modell::SpieLänge, Größe::Länge, 0},
    {"Winkel", &Modell::Winkel, Größe::Winkel, 0},
    {"WinkelSchritt", &Modell::WinkelSchritt, Größe::Winkel, 0},
    {"Drehzahl", &Modell::Drehzahl, Größe::Ganzzahl, 0},
};

}  // namespace

std::span<const Feld> Felder() { return kFelder; }

const Feld* FeldSuchen(std::string_view name) {
    for (const Feld& f : kFelder)
        if (f.name == name) return &f;
    return nullptr;
}

namespace {

constexpr double kGrad = 180.0 / 3.14159265358979;

}  // namespace

double FeldLesen(const Modell& m, const Feld& f) {
    return std::visit(
        [&](auto ort) -> double {
            using T = decltype(ort);
            if constexpr (std::is_same_v<T, HilfslinienIndex>)
                return m.Hilfslinie[static_cast<size_t>(ort.index)];
            else if constexpr (std::is_same_v<T, float Modell::*>)
                return f.größe == Größe::Bogenmaß ? (m.*ort) * kGrad : m.*ort;
            else
                return static_cast<double>(m.*ort);
        },
        f.ort);
}

bool FeldSetzen(Modell& m, const Feld& f, double wert) {
    if (!std::isfinite(wert)) return false;
    return std::visit(
        [&](auto ort) -> bool {
            using T = decltype(ort);
            if constexpr (std::is_same_v<T, float Modell::*> ||
                          std::is_same_v<T, HilfslinienIndex>) {
                if (f.größe == Größe::Bogenmaß) wert /= kGrad;
                if (std::fabs(wert) > std::numeric_limits<float>::max()) return false;
                if constexpr (std::is_same_v<T, HilfslinienIndex>)
                    m.Hilfslinie[static_cast<size_t>(ort.index)] = static_cast<float>(wert);
                else
                    m.*ort = static_cast<float>(wert);
            } else if constexpr (std::is_same_v<T, int16_t Modell::*>) {
                const double r = std::nearbyint(wert);
                if (r < -32768 || r > 32767) return false;
                m.*ort = static_cast<int16_t>(r);
            } else {
                const double r = std::nearbyint(wert);
                if (r < 0 || r > 0xFFFFFF) return false;
                m.*ort = static_cast<uint32_t>(r);
            }
            return true;
        },
        f.ort);
}

}  // namespace vapro
