#include "core/model/Kurbelmasse.h"

#include <algorithm>
#include <cmath>

#include "core/model/Rechnen.h"

namespace vapro {

bool KurbelradiusGültig(double radius) {
    return radius > 0;
}

bool BohrungGültig(double bohrung) {
    return bohrung > 0;
}

double PleuelstangeReparieren(double länge, double hub) {
    return länge < hub ? hub : länge;
}

double StangeUntenReparieren(double durchmesser, bool mm) {
    const double d = std::fabs(durchmesser);
    if (d != 0) return d;
    return mm ? 1.0 : 1.0 / 25.4;
}

double StangeObenReparieren(double durchmesser) {
    return std::fabs(durchmesser);
}

double KolbendickeReparieren(double dicke) {
    return dicke <= 0 ? 1.0 : dicke;
}

void StangenBegrenzen(Modell& m) {
    m.KsDurchmesserU = std::min(m.KsDurchmesserU, m.KDurchmesser);
    m.KsDurchmesserO = std::min(m.KsDurchmesserO, m.KDurchmesser);
}

double FreihubReparieren(double freihub) {
    return freihub < 0 ? 0.0 : freihub;
}

std::optional<std::string_view> KurbeltriebReparieren(Modell& m) {
    if (!KurbelradiusGültig(m.KWRadius)) return "KWRadius";
    if (!BohrungGültig(m.KDurchmesser)) return "KDurchmesser";
    auto einzel = [](double v) { return static_cast<float>(v); };
    m.Hub = Einzel(2.0 * m.KWRadius, "stroke");
    m.PLänge = einzel(PleuelstangeReparieren(m.PLänge, m.Hub));
    m.KsDurchmesserU = einzel(StangeUntenReparieren(m.KsDurchmesserU, IstMM(m)));
    m.KsDurchmesserO = einzel(StangeObenReparieren(m.KsDurchmesserO));
    m.KDicke = einzel(KolbendickeReparieren(m.KDicke));
    StangenBegrenzen(m);
    m.KUFreihub = einzel(FreihubReparieren(m.KUFreihub));
    m.KOFreihub = einzel(FreihubReparieren(m.KOFreihub));
    return std::nullopt;
}

} // namespace vapro
