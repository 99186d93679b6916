#include "model/Standarddaten.h"

#include "model/Bewegung.h"
#include "model/Grunddaten.h"
#include "model/Schieber.h"

namespace vapro {

void StandarddatenLaden(Modell& m, Ansichten& a, const std::string& einheit) {
    GrunddatenFürEinheit(m, einheit);
    // A default engine has no file to reopen at the next start.
    m.NächsterStart = 0;
    SchieberAbleiten(m);
    try {
        Neuberechnung(m, a, "2");
    } catch (...) {
        m.Geometriestand = 0;  // a new data set even when the recompute failed
        throw;
    }
    m.Geometriestand = 0;
}

}  // namespace vapro
