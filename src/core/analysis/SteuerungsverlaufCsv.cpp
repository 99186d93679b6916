#include "core/analysis/SteuerungsverlaufCsv.h"

#include <array>
#include <ostream>

#include "core/numbers/Zahlenformat.h"

namespace vapro {

std::array<std::optional<float>, 6> Verlaufswerte(const Verlaufspunkt& p, bool vor, bool oben) {
    if (!p.Lösbar())
        return {std::nullopt, std::nullopt, std::nullopt,
                std::nullopt, std::nullopt, p.Steinspringen};
    const Verlaufsende& e = p.Ende(vor, oben);
    auto prozent = [](const std::optional<Verlaufsereignis>& x) {
        return x ? std::optional(x->Prozent) : std::nullopt;
    };
    return {e.Voreilen,     prozent(e.Füllung), prozent(e.Vorausströmung), prozent(e.Kompression),
            e.Kanalöffnung, p.Steinspringen};
}

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
