#include "core/analysis/Steuerzeitentabelle.h"

#include <tuple>

#include "core/numbers/Zahlenformat.h"

namespace vapro {

namespace {

bool Gefunden(const Steuerzeit& z) {
    return z.Winkel >= 0;
}

// Dead-centre references of the resulting events.
constexpr int16_t VorOT = 1, NachOT = 2, VorUT = 3, NachUT = 4;

// The fixed dashes beside cut-off and compression.
void Striche(std::array<std::string, SteuerzeitenSpalten>& zeile) {
    zeile[6] = "        ---";
    zeile[7] = "   ---";
}

} // namespace

Steuerzeitengültig GültigOben(const Modell& m) {
    Steuerzeitengültig g;
    g.Einlaßbeginn = Gefunden(m.EinlaßAufOben);
    g.Einlaßende = g.Füllung = Gefunden(m.EinlaßZuOben);
    g.Auslaßbeginn = Gefunden(m.AuslaßAufOben);
    g.Auslaßende = Gefunden(m.AuslaßZuOben);
    // Compression runs from the exhaust closing to the admission opening, or
    // is 0 when the exhaust closes after the dead centre.
    g.Kompression = g.Auslaßende && (m.Oben.Auslaßende.Bezug == NachOT || g.Einlaßbeginn);
    return g;
}

Steuerzeitengültig GültigUnten(const Modell& m) {
    Steuerzeitengültig g;
    g.Einlaßbeginn = Gefunden(m.EinlaßAufUnten);
    g.Einlaßende = g.Füllung = Gefunden(m.EinlaßZuUnten);
    g.Auslaßbeginn = Gefunden(m.AuslaßAufUnten);
    g.Auslaßende = Gefunden(m.AuslaßZuUnten);
    g.Kompression = g.Auslaßende && (m.Unten.Auslaßende.Bezug == NachUT || g.Einlaßbeginn);
    return g;
}

Steuerzeitenzellen SteuerzeitenWerte(const Modell& m, const Sprache& s, char dezimal) {
    Steuerzeitenzellen z;
    const auto hub = static_cast<double>(static_cast<float>(2.0 * m.KWRadius));
    auto winkel = [dezimal](float w) { return FormatMuster(w, "0.0", dezimal); };
    auto weg = [dezimal](float w) { return FormatMuster(w, "0.00", dezimal); };
    auto prozent = [dezimal, hub](double w) {
        return hub > 0 ? FormatMuster(w / hub * 100.0, "0.00", dezimal) : std::string(Fehlt);
    };

    struct Ende {
        int zeile; // first value row
        std::array<const Steuerzeit*, 4> roh;
        const Steuerzeitergebnis* ergebnis;
        Steuerzeitengültig gültig;
    };
    const Ende enden[] = {
        {2,
         {&m.EinlaßAufOben, &m.EinlaßZuOben, &m.AuslaßAufOben, &m.AuslaßZuOben},
         &m.Oben,
         GültigOben(m)},
        {10,
         {&m.EinlaßAufUnten, &m.EinlaßZuUnten, &m.AuslaßAufUnten, &m.AuslaßZuUnten},
         &m.Unten,
         GültigUnten(m)},
    };
    for (const Ende& e : enden) {
        const Steuerereignis* ereignisse[] = {&e.ergebnis->Einlaßbeginn, &e.ergebnis->Einlaßende,
                                              &e.ergebnis->Auslaßbeginn, &e.ergebnis->Auslaßende};
        const bool gültig[] = {e.gültig.Einlaßbeginn, e.gültig.Einlaßende, e.gültig.Auslaßbeginn,
                               e.gültig.Auslaßende};
        for (int i = 0; i < 4; ++i) {
            auto& zeile = z[static_cast<size_t>(e.zeile + i)];
            const Steuerzeit& r = *e.roh[static_cast<size_t>(i)];
            zeile[1] = winkel(r.Winkel);
            zeile[2] = Gefunden(r) ? weg(r.Weg) : Fehlt;
            zeile[3] = Gefunden(r) ? prozent(r.Weg) : Fehlt;
            const Steuerereignis& x = *ereignisse[i];
            if (!gültig[i] || x.Bezug < VorOT || x.Bezug > NachUT) {
                for (size_t s = 6; s <= 9; ++s)
                    zeile[s] = Fehlt;
                continue;
            }
            zeile[6] = std::string(s.Text(830 + x.Bezug));
            zeile[7] = winkel(x.Winkel);
            zeile[8] = weg(x.Weg);
            zeile[9] = prozent(x.Weg);
        }
        // Cut-off and compression as travel and as the evaluation's ratio.
        const std::tuple<float, float, bool> anteile[] = {
            {e.ergebnis->FüllungWeg, e.ergebnis->Füllung, e.gültig.Füllung},
            {e.ergebnis->KompressionWeg, e.ergebnis->Kompression, e.gültig.Kompression},
        };
        for (int i = 0; i < 2; ++i) {
            auto& zeile = z[static_cast<size_t>(e.zeile + 4 + i)];
            const auto& [w, anteil, ok] = anteile[i];
            Striche(zeile);
            zeile[8] = ok ? weg(w) : Fehlt;
            zeile[9] =
                ok ? FormatMuster(static_cast<double>(anteil) * 100.0, "0.00", dezimal) : Fehlt;
        }
    }
    return z;
}

Steuerzeitenzellen SteuerzeitenOhneWerte() {
    Steuerzeitenzellen z;
    for (int erste : {2, 10}) {
        for (int i = 0; i < 4; ++i)
            for (size_t s : {1, 2, 3, 6, 7, 8, 9})
                z[static_cast<size_t>(erste + i)][s] = Fehlt;
        for (int i = 4; i < 6; ++i) {
            auto& zeile = z[static_cast<size_t>(erste + i)];
            Striche(zeile);
            zeile[8] = zeile[9] = Fehlt;
        }
    }
    return z;
}

} // namespace vapro
