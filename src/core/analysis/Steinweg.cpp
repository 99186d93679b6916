#include "core/analysis/Steinweg.h"

#include <algorithm>

#include "core/analysis/Steuerzeiten.h"
#include "core/model/Kinematik.h"

namespace vapro {

float SteinLage(const Modell& m) {
    // The die sits at angle KulisseAnfang - SteinWinkel about the link's
    // centre; the arc's middle halfway between its ends.
    const double mitte = (static_cast<double>(m.KulisseEnde) - m.KulisseAnfang) / 2.0;
    return static_cast<float>((-static_cast<double>(m.SteinWinkel) - mitte) * m.BaRadius);
}

std::optional<Steinweg> SteinwegBerechnen(const Modell& m) {
    if (m.Umsteuertyp != 1) return std::nullopt;
    Modell k = m;
    Steinweg w;
    w.Lage.reserve(SuchSchritte - 1);
    for (int i = 0; i < SuchSchritte - 1; ++i) {
        k.Winkel = SuchWinkel(i);
        KinematikOhneBild(k);
        w.Lage.push_back(SteinLage(k));
    }
    const auto [min, max] = std::minmax_element(w.Lage.begin(), w.Lage.end());
    w.Min = *min;
    w.Max = *max;
    w.Halblänge = static_cast<float>((static_cast<double>(k.KulisseEnde) - k.KulisseAnfang) / 2.0 *
                                     k.BaRadius);
    return w;
}

} // namespace vapro
