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
    Neuberechnung(m, a, "2");
    m.Geometriestand = 0;
}

}  // namespace vapro
