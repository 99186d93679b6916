#include "core/model/Felder.h"

#include <cmath>
#include <limits>

#include "core/model/Rechnen.h"
#include "core/numbers/Zahlenformat.h"

namespace vapro {

namespace {

// Stored fields in machine-file order, then fields that are only settable.
const Feld kFelder[] = {
    {"FarbeKurbeltrieb", &Modell::FarbeKurbeltrieb, Größe::Farbe, 10101, 3300},
    {"KWRadius", &Modell::KWRadius, Größe::Länge, 10102, 1045, Vorgabe{51, 2}},
    {"PLänge", &Modell::PLänge, Größe::Länge, 10103, 1046, Vorgabe{270, 8.6875f}},
    {"KsLänge", &Modell::KsLänge, Größe::Länge, 10104, 1047, Vorgabe{120, 8.21875f}},
    {"KsDurchmesserU", &Modell::KsDurchmesserU, Größe::Länge, 10105, 1048, Vorgabe{16, 0.5f}},
    {"KsDurchmesserO", &Modell::KsDurchmesserO, Größe::Länge, 10106, 1049, Vorgabe{0, 0}},
    {"KUFreihub", &Modell::KUFreihub, Größe::Länge, 10107, 1050, Vorgabe{10, 0.21875f}},
    {"KDicke", &Modell::KDicke, Größe::Länge, 10108, 1051, Vorgabe{20, 1.25f}},
    {"KDurchmesser", &Modell::KDurchmesser, Größe::Länge, 10109, 1052, Vorgabe{125, 3}},
    {"KOFreihub", &Modell::KOFreihub, Größe::Länge, 10110, 1053, Vorgabe{10, 0.21875f}},
    {"FarbeUmsteuerung", &Modell::FarbeUmsteuerung, Größe::Farbe, 10201, 3300},
    {"ExZentrizität", &Modell::ExZentrizität, Größe::Länge, 10202, 1064, Vorgabe{15, 0.375f}},
    {"ExRadius", &Modell::ExRadius, Größe::Länge, 10203, 1065, Vorgabe{0, 1.375f}},
    {"ExStangenlängeV", &Modell::ExStangenlängeV, Größe::Länge, 10204, 1062, Vorgabe{300, 9.562f}},
    {"ExStangenlängeR", &Modell::ExStangenlängeR, Größe::Länge, 10205, 1063, Vorgabe{300, 9.562f}},
    {"ExVorWinkel", &Modell::ExVorWinkel, Größe::Winkel, 10206, 1066, Vorgabe{-120, 125}},
    {"ExRückWinkel", &Modell::ExRückWinkel, Größe::Winkel, 10207, 1067, Vorgabe{120, -125}},
    {"HeLänge", &Modell::HeLänge, Größe::Länge, 10208, 1068, Vorgabe{150, 7.5f}},
    {"UmLänge", &Modell::UmLänge, Größe::Länge, 10209, 1072, Vorgabe{50, 4}},
    {"UmMin", &Modell::UmMin, Größe::Winkel, 10210, 1073, Vorgabe{-45, -45}},
    {"UmMax", &Modell::UmMax, Größe::Winkel, 10211, 1074, Vorgabe{45, 45}},
    {"ummx", &Modell::ummx, Größe::Länge, 10212, 1075, Vorgabe{115, 4.75f}},
    {"ummy", &Modell::ummy, Größe::Länge, 10213, 1076, Vorgabe{350, 12.625f}},
    {"ussmx", &Modell::ussmx, Größe::Länge, 10214, 0, Vorgabe{0, 0}, "usmmx"},
    {"BaLänge", &Modell::BaLänge, Größe::Länge, 10215, 1069, Vorgabe{70, 4}},
    {"BaÜberstand", &Modell::BaÜberstand, Größe::Länge, 10216, 1070, Vorgabe{20, 0.125f}},
    {"BaRadius", &Modell::BaRadius, Größe::Länge, 10217, 1071, Vorgabe{300, 10.9375f}},
    {"Einströmung", &Modell::Einströmung, Größe::Ganzzahl, 10218, 1077},
    {"Umsteuertyp", &Modell::Umsteuertyp, Größe::Ganzzahl, 10219, 1079},
    {"Vorzeichen", &Modell::Vorzeichen, Größe::Ganzzahl, 10220, 1083, Vorgabe{-1, -1}},
    {"FarbeSchieka", &Modell::FarbeSchieka, Größe::Farbe, 10301, 3300},
    {"KaLaufO", &Modell::KaLaufO, Größe::Länge, 10302, 1002, Vorgabe{20, 0.5f}},
    {"KaWeiO", &Modell::KaWeiO, Größe::Länge, 10303, 1003, Vorgabe{12, 0.3125f}},
    {"KaDamO", &Modell::KaDamO, Größe::Länge, 10304, 1004, Vorgabe{10, 0.3125f}},
    {"KaWeiM", &Modell::KaWeiM, Größe::Länge, 10305, 1005, Vorgabe{20, 0.5f}},
    {"KaDamU", &Modell::KaDamU, Größe::Länge, 10306, 1006, Vorgabe{10, 0.3125f}},
    {"KaWeiU", &Modell::KaWeiU, Größe::Länge, 10307, 1007, Vorgabe{12, 0.3125f}},
    {"KaLaufU", &Modell::KaLaufU, Größe::Länge, 10308, 1008, Vorgabe{20, 0.5f}},
    {"KaLänge", &Modell::KaLänge, Größe::Länge, 10309, 1013, Vorgabe{20, 1}},
    {"SkOben", &Modell::SkOben, Größe::Länge, 10310, 1010, Vorgabe{10, 1.09375f}},
    {"SkUnten", &Modell::SkUnten, Größe::Länge, 10311, 1011, Vorgabe{10, 1.09375f}},
    {"SkHöhe", &Modell::SkHöhe, Größe::Länge, 10312, 1015, Vorgabe{40, 1.625f}},
    {"SkBreite", &Modell::SkBreite, Größe::Länge, 10313, 1014, Vorgabe{50, 2.5f}},
    {"KanallängeOben", &Modell::KanallängeOben, Größe::Länge, 10314, 1019, Vorgabe{70, 1.75f}},
    {"KanallängeUnten", &Modell::KanallängeUnten, Größe::Länge, 10315, 1020, Vorgabe{70, 1.75f}},
    {"kaumx", &Modell::kaumx, Größe::Länge, 10316, 1016, Vorgabe{20, 0.8125f}},
    {"kaumy", &Modell::kaumy, Größe::Länge, 10317, 1017, Vorgabe{375, 16.5812f}},
    {"DFrischdampf", &Modell::DFrischdampf, Größe::Länge, 10318, 1023, Vorgabe{20, 0.75f}},
    {"DAbdampf", &Modell::DAbdampf, Größe::Länge, 10319, 1024, Vorgabe{20, 1.1f}},
    {"FarbeSchieber", &Modell::FarbeSchieber, Größe::Farbe, 10401, 3300},
    {"SchiEO", &Modell::SchiEO, Größe::Länge, 10402, 1031, Vorgabe{5, 0.125f}},
    {"SchiIO", &Modell::SchiIO, Größe::Länge, 10403, 1032, Vorgabe{4, 0}},
    {"SchiEU", &Modell::SchiEU, Größe::Länge, 10404, 1034, Vorgabe{5, 0.125f}},
    {"SchiIU", &Modell::SchiIU, Größe::Länge, 10405, 1035, Vorgabe{4, 0}},
    {"SchiTiefe", &Modell::SchiTiefe, Größe::Länge, 10406, 1036, Vorgabe{20, 0.9375f}},
    {"SchiInTiefe", &Modell::SchiInTiefe, Größe::Länge, 10407, 1037, Vorgabe{10, 0.625f}},
    {"SstLänge", &Modell::SstLänge, Größe::Länge, 10408, 1038, Vorgabe{75.5f, 7.05f}},
    {"SchieberEingabe", &Modell::SchieberEingabe, Größe::Ganzzahl, 10409, 1039, Vorgabe{1, 1}},
    {"FarbeBetriebsparameter", &Modell::FarbeBetriebsparameter, Größe::Farbe, 10501, 3300},
    {"PO1", &Modell::PO1, Größe::Druck, 10502, 1502, Vorgabe{11, 165}},
    {"PO2", &Modell::PO2, Größe::Druck, 10503, 1503, Vorgabe{1, 5}},
    {"Überhitzung", &Modell::Überhitzung, Größe::Zahl, 10504, 1504},
    {"DrehzahlMax", &Modell::DrehzahlMax, Größe::Ganzzahl, 10505, 1505},
    {"DrehzahlSchrittweite", &Modell::DrehzahlSchrittweite, Größe::Ganzzahl, 10506, 1508},
    {"MechWirkungsgrad", &Modell::MechWirkungsgrad, Größe::Ganzzahl, 10507, 1523},
    {"FarbeHaupt", &Modell::FarbeHaupt, Größe::Farbe, 10601, 3300},
    {"UmWinkel", &Modell::UmWinkel, Größe::Bogenmaß, 10602, 1403, Vorgabe{40, -14}},
    {"FarbeBildDruck", &Modell::FarbeBildDruck, Größe::Farbe, 10701, 3300},
    {"LStärkeKurbelD", &Modell::LStärkeKurbelD, Größe::Ganzzahl, 10702, 1309},
    {"GelenkKurbelD", &Modell::GelenkKurbelD, Größe::Ganzzahl, 10703, 1310},
    {"LStärkeSteuerD", &Modell::LStärkeSteuerD, Größe::Ganzzahl, 10704, 1311},
    {"GelenkSteuerD", &Modell::GelenkSteuerD, Größe::Ganzzahl, 10705, 1312},
    {"LStärkeGelenkeD", &Modell::LStärkeGelenkeD, Größe::Ganzzahl, 10706, 1313},
    {"LStärkeRestD", &Modell::LStärkeRestD, Größe::Ganzzahl, 10707, 1314},
    {"FarbeSteuerHub", &Modell::FarbeSteuerHub, Größe::Farbe, 10801, 3300},
    {"usPerioden", &Modell::usPerioden, Größe::Ganzzahl, 10802, 1151},
    {"usKreis", &Modell::usKreis, Größe::Ganzzahl, 10803, 1152},
    {"FarbeSteuerHubD", &Modell::FarbeSteuerHubD, Größe::Farbe, 10901, 3300},
    {"DruckOben", &Modell::DruckOben, Größe::Ganzzahl, 10902, 1237},
    {"DruckUnten", &Modell::DruckUnten, Größe::Ganzzahl, 10903, 1238},
    {"DruckLinks", &Modell::DruckLinks, Größe::Ganzzahl, 10904, 1235},
    {"DruckRechts", &Modell::DruckRechts, Größe::Ganzzahl, 10905, 1236},
    {"Kuller", &Modell::Kuller, Größe::Ganzzahl, 10906, 1240},
    {"Füllen", &Modell::Füllen, Größe::Ganzzahl, 10907, 1241},
    {"GradPunkte", &Modell::GradPunkte, Größe::Ganzzahl, 10908, 1242},
    {"Öffnung", &Modell::Öffnung, Größe::Ganzzahl, 10909, 1243},
    {"LStärke", &Modell::LStärke, Größe::Ganzzahl, 10910, 1245},
    {"KStärke", &Modell::KStärke, Größe::Ganzzahl, 10911, 1246},
    {"WinkelRaster", &Modell::WinkelRaster, Größe::Ganzzahl, 10912, 1247},
    {"AbstandWinkel", &Modell::AbstandWinkel, Größe::Ganzzahl, 10913, 1248},
    {"KolbenWeg", &Modell::KolbenWeg, Größe::Ganzzahl, 10914, 1249},
    {"KolbenWegAbstand", &Modell::KolbenWegAbstand, Größe::Ganzzahl, 10915, 1250},
    {"WegRaster", &Modell::WegRaster, Größe::Ganzzahl, 10916, 1251},
    {"AbstandWeg", &Modell::AbstandWeg, Größe::Ganzzahl, 10917, 1252},
    {"FarbeTabelle", &Modell::FarbeTabelle, Größe::Farbe, 11001, 3300},
    {"TabelleAktualisieren", &Modell::TabelleAktualisieren, Größe::Ganzzahl, 11002, 1622},
    {"FarbeBildKonfiguration", &Modell::FarbeBildKonfiguration, Größe::Farbe, 11101, 3300},
    {"FarbeBild", &Modell::FarbeBild, Größe::Farbe, 11102, 3300},
    {"RandObenP", &Modell::RandObenP, Größe::Ganzzahl, 11103, 1092},
    {"RandUntenP", &Modell::RandUntenP, Größe::Ganzzahl, 11104, 1093},
    {"RandLinksP", &Modell::RandLinksP, Größe::Ganzzahl, 11105, 1094},
    {"LStärkeKurbel", &Modell::LStärkeKurbel, Größe::Ganzzahl, 11106, 1096},
    {"GelenkKurbel", &Modell::GelenkKurbel, Größe::Ganzzahl, 11107, 1097},
    {"LStärkeSteuer", &Modell::LStärkeSteuer, Größe::Ganzzahl, 11108, 1098},
    {"GelenkSteuer", &Modell::GelenkSteuer, Größe::Ganzzahl, 11109, 1099},
    {"LStärkeGelenke", &Modell::LStärkeGelenke, Größe::Ganzzahl, 11110, 1100},
    {"DEX", &Modell::DEX, Größe::Länge, 11111, 1101, Vorgabe{150, 7}},
    {"SpieJa", &Modell::SpieJa, Größe::Ganzzahl, 11112, 1102, Vorgabe{1, 1}},
    {"KaJa", &Modell::KaJa, Größe::Ganzzahl, 11113, 1103, Vorgabe{1, 1}},
    {"ZusZei", &Modell::ZusZei, Größe::Ganzzahl, 11114, 1104, Vorgabe{1, 1}},
    {"KolbenstangendickeJa", &Modell::KolbenstangendickeJa, Größe::Ganzzahl, 11115, 1105,
     Vorgabe{0, 0}},
    {"Hilfslinie(0)", HilfslinienIndex{0}, Größe::Länge, 11116, 1108, Vorgabe{0, 0}},
    {"Hilfslinie(1)", HilfslinienIndex{1}, Größe::Länge, 11117, 1109, Vorgabe{0, 0}},
    {"Hilfslinie(2)", HilfslinienIndex{2}, Größe::Länge, 11118, 1110, Vorgabe{0, 0}},
    {"Hilfslinie(3)", HilfslinienIndex{3}, Größe::Länge, 11119, 1111, Vorgabe{0, 0}},
    {"HilfslinienZeigen", &Modell::HilfslinienZeigen, Größe::Ganzzahl, 11120, 1112, Vorgabe{0, 0}},
    {"UmKonturJa", &Modell::UmKonturJa, Größe::Ganzzahl, 11121, 0, Vorgabe{0, 0},
     "Steuerungskontur zeigen"},
    {"Balkenstärke", &Modell::Balkenstärke, Größe::Länge, 11122, 0, Vorgabe{20, 1}, "Balkenstärke"},
    {"UmHebelStärkeOben", &Modell::UmHebelStärkeOben, Größe::Länge, 11123, 0, Vorgabe{38, 1},
     "Stärke Umsteuerhebel oben"},
    {"UmHebelStärkeUnten", &Modell::UmHebelStärkeUnten, Größe::Länge, 11124, 0, Vorgabe{28, 1},
     "Stärke Umsteuerhebel unten"},
    {"FarbeDampftafel", &Modell::FarbeDampftafel, Größe::Farbe, 11201, 3300},
    {"FarbeDampftafelUS", &Modell::FarbeDampftafelUS, Größe::Farbe, 11301, 3300},
    {"FarbeDiagramm", &Modell::FarbeDiagramm, Größe::Farbe, 11401, 3300},
    {"usPerioden", &Modell::usPerioden, Größe::Ganzzahl, 11402, 1151},
    {"usKreis", &Modell::usKreis, Größe::Ganzzahl, 11403, 1152},
    {"SchiLänge", &Modell::SchiLänge, Größe::Länge, 0, 1028, Vorgabe{74, 2}},
    {"SchiMitte", &Modell::SchiMitte, Größe::Länge, 0, 1029},
    {"SchiLaufO", &Modell::SchiLaufO, Größe::Länge, 0, 1030, Vorgabe{21, 0.4375f}},
    {"SchiLaufU", &Modell::SchiLaufU, Größe::Länge, 0, 1033, Vorgabe{21, 0.4375f}},
    {"SpieLänge", &Modell::SpieLänge, Größe::Länge, 0, 1009, Vorgabe{104, 2.75f}},
    {"faden", &Modell::faden, Größe::Ganzzahl, 0, 1153},
    {"auslaß", &Modell::auslaß, Größe::Ganzzahl, 0, 1154},
    {"RandLinksD", &Modell::RandLinksD, Größe::Ganzzahl, 0, 1304},
    {"RandRechtsD", &Modell::RandRechtsD, Größe::Ganzzahl, 0, 1305},
    {"RandObenD", &Modell::RandObenD, Größe::Ganzzahl, 0, 1306},
    {"RandUntenD", &Modell::RandUntenD, Größe::Ganzzahl, 0, 1307},
    {"Winkel", &Modell::Winkel, Größe::Winkel, 0},
    {"WinkelSchritt", &Modell::WinkelSchritt, Größe::Winkel, 0},
    {"Drehzahl", &Modell::Drehzahl, Größe::Ganzzahl, 0},
};

} // namespace

std::span<const Feld> Felder() {
    return kFelder;
}

const Feld* FeldSuchen(std::string_view name) {
    for (const Feld& f : kFelder)
        if (f.name == name) return &f;
    return nullptr;
}

const Feld* FeldSuchen(const FeldOrt& ort) {
    for (const Feld& f : kFelder)
        if (f.ort == ort) return &f;
    return nullptr;
}

namespace {

constexpr double kGrad = 180.0 / Pi;

} // namespace

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
                const double r = RundeHalbGerade(wert);
                if (r < -32768 || r > 32767) return false;
                m.*ort = static_cast<int16_t>(r);
            } else {
                const double r = RundeHalbGerade(wert);
                if (r < 0 || r > 0xFFFFFF) return false;
                m.*ort = static_cast<uint32_t>(r);
            }
            return true;
        },
        f.ort);
}

void VorgabenSetzen(Modell& m, bool mm) {
    for (const Feld& f : kFelder) {
        if (!f.vorgabe) continue;
        const double wert = mm ? f.vorgabe->mm : f.vorgabe->inch;
        if (f.größe == Größe::Bogenmaß)
            // angle * pi / 180, the way every other angle becomes radians
            m.*std::get<float Modell::*>(f.ort) = static_cast<float>(wert * Pi / 180.0);
        else
            FeldSetzen(m, f, wert);
    }
}

} // namespace vapro
