#include "core/model/Bewegungstabelle.h"

#include <cmath>
#include <ostream>

#include "core/model/Bewegung.h"
#include "core/model/Rechnen.h"
#include "core/numbers/Zahlenformat.h"

namespace vapro {

void TabelleEinrichten(Modell& m) {
    const char* was = "motion table";
    m.TabellenZeilen = RundeGerade16(Teilen(360.0, m.WinkelSchritt, was) + 0.5, was);
    m.TabellenSchritt = m.WinkelSchritt;
    const double proZeile = Teilen(360.0, m.TabellenZeilen, was);
    m.TabellenZeile = RundeGerade16(m.Winkel / proZeile, was);
}

Tabellenzeile NächsteTabellenzeile(Modell& m) {
    bool neu = false;
    if (m.WinkelSchritt != m.TabellenSchritt) {
        TabelleEinrichten(m);
        neu = true;
    }
    if (m.Drehrichtung) {
        m.TabellenZeile = Plus16(m.TabellenZeile, 1, "motion table");
        if (m.TabellenZeile > m.TabellenZeilen) m.TabellenZeile = 1;
    } else {
        m.TabellenZeile = Plus16(m.TabellenZeile, -1, "motion table");
        if (m.TabellenZeile < 1) m.TabellenZeile = m.TabellenZeilen;
    }
    if (BeiNullGrad(m)) m.TabellenZeile = 1;
    return {m.TabellenZeile, neu};
}

const char* WinkelMuster(float winkelSchritt) {
    const double bruch = static_cast<double>(winkelSchritt) - std::trunc(winkelSchritt);
    return RundeHalbGerade(bruch + 0.05) == 1 ? "##0.0" : "##0";
}

Bewegungswerte BewegungswerteVon(const Modell& m) {
    return {m.Winkel, m.kwegmm, m.kwegproz,
            static_cast<float>(static_cast<double>(m.SteinY) - m.HubMin)};
}

void BewegungCsvSchreiben(std::ostream& out,
                          std::span<const std::optional<Bewegungswerte>> zeilen) {
    out << "Winkel,kwegmm,kwegproz,Schieber\n";
    for (const auto& z : zeilen) {
        if (z)
            out << FormatKurz(z->Winkel) << ',' << FormatKurz(z->kwegmm) << ','
                << FormatKurz(z->kwegproz) << ',' << FormatKurz(z->Schieber);
        else
            out << ",,,";
        out << '\n';
    }
}

} // namespace vapro
