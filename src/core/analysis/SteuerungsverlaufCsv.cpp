#include "core/analysis/SteuerungsverlaufCsv.h"

#include <ostream>

#include "core/numbers/Zahlenformat.h"

namespace vapro {

void SteuerungsverlaufCsvSchreiben(std::ostream& out, const Steuerungsverlauf& v) {
    out << "UmWinkel,Richtung,Ende,Voreilen,Füllung,Vorausströmung,Kompression,Kanalöffnung,"
           "Steinspringen\n";
    for (const Verlaufspunkt& p : v.Punkte)
        for (bool vor : {true, false})
            for (bool oben : {true, false}) {
                out << FormatKurz(p.UmWinkelGrad) << ',' << (vor ? "vor" : "zurueck") << ','
                    << (oben ? "oben" : "unten");
                for (const auto& w : Verlaufswerte(p, vor, oben))
                    out << ',' << (w ? FormatKurz(*w) : std::string());
                out << '\n';
            }
}

} // namespace vapro
