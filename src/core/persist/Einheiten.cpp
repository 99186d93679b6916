#include "core/persist/Einheiten.h"

#include "core/model/Felder.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Grunddaten.h"
#include "core/model/Rechnen.h"

namespace vapro {

namespace {} // namespace

void EinheitenSetzen(Einheitennamen& n, std::string_view einheit) {
    const bool mm = IstMM(einheit);
    n.EinheitLänge = mm ? "mm" : "inch";
    n.EinheitFlächeK = mm ? "[mm²]" : "[sq in]";
    n.EinheitFläche = mm ? "mm²" : "sq in";
    if (mm) {
        n.EinheitVolumenKleinK = "[mm³]";
        n.EinheitVolumenKlein = "mm³";
    }
    n.EinheitVolumenK = mm ? "[cm³]" : "[cu in]";
    n.EinheitVolumen = mm ? "cm³" : "cu in";
    n.Druckeinheit = DruckeinheitFür(einheit);
    n.EinheitDruck = mm ? "bar" : "psi";
    n.EinheitDruckAbsK = mm ? "[bara]" : "[psia]";
    n.EinheitDruckAbs = mm ? "bara" : "psia";
    n.EinheitTemperatur = mm ? "°C" : "°F";
    n.EinheitSpezVolumen = mm ? "m³/kg" : "cu ft/lb";
    n.EinheitStromKlein = mm ? "cm³/min" : "cu in/min";
    n.EinheitStromMittel = mm ? "dm³/min" : "cu ft/min";
    n.EinheitStromGroß = mm ? "m³/min" : "???";
    n.EinheitStromStunde = mm ? "m³/h" : "cu ft/h";
}

std::string_view DruckeinheitFür(std::string_view einheit) {
    return IstMM(einheit) ? "[bar]" : "[psi]";
}

void Umrechnen(Modell& m) {
    const bool mm = IstMM(m);
    const double länge = mm ? 25.4 : 1.0 / 25.4;
    // 0.07 bar per psi is itself a rounded figure, used both ways.
    const double druck = mm ? 0.07 : 1.0 / 0.07;

    // Work on a copy so that an overflow half way leaves the machine whole.
    Modell neu = m;
    for (const Feld& f : Felder()) {
        double faktor = 0;
        if (f.größe == Größe::Länge)
            faktor = länge;
        else if (f.größe == Größe::Druck)
            faktor = druck;
        else
            continue;
        if (!FeldSetzen(neu, f, FeldLesen(m, f) * faktor))
            throw GeometrieFehler("unit conversion of " + std::string(f.name) + ": overflow");
    }
    neu.Hub = Einzel(2.0 * neu.KWRadius, "unit conversion of Hub");
    m = std::move(neu);
}

void EinheitUmschalten(Modell& m) {
    Modell neu = m;
    neu.Einheit = IstMM(neu) ? "[inch]" : "[mm]";
    neu.Druckeinheit = DruckeinheitFür(neu.Einheit);
    Umrechnen(neu);
    m = std::move(neu);
}

} // namespace vapro
