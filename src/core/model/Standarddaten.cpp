#include "core/model/Standarddaten.h"

#include <array>
#include <iterator>

#include "core/model/Bewegung.h"
#include "core/model/Fensterflaggen.h"
#include "core/model/Grunddaten.h"
#include "core/model/Schieber.h"

namespace vapro {

void StandardmaschineEinrichten(Modell& m, const std::string& einheit) {
    Grundfarben(m);
    GrunddatenFürEinheit(m, einheit);
    SchieberAbleiten(m);
    SpiegelBerechnen(m);
}

void StandarddatenLaden(Modell& m, Ansichten& a, const std::string& einheit) {
    std::array<int16_t, std::size(Fensterflaggen)> offen{};
    for (size_t i = 0; i < offen.size(); ++i)
        offen[i] = m.*Fensterflaggen[i];
    GrunddatenFürEinheit(m, einheit);
    for (size_t i = 0; i < offen.size(); ++i)
        m.*Fensterflaggen[i] = offen[i];
    // A default engine has no file to reopen at the next start.
    m.NächsterStart = 0;
    SchieberAbleiten(m);
    try {
        Neuberechnung(m, a, Anlass::NeueDaten);
    } catch (...) {
        m.Geometriestand = 0; // a new data set even when the recompute failed
        throw;
    }
    m.Geometriestand = 0;
}

} // namespace vapro
