#include "core/analysis/Steuerzeitentabelle.h"

#include <ostream>
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

namespace {

// Compression runs from the exhaust closing to the admission opening, or is
// 0 when the exhaust closes after the dead centre (`nachTotpunkt`).
Steuerzeitengültig Gültig(const Steuerzeit& einlaßAuf, const Steuerzeit& einlaßZu,
                          const Steuerzeit& auslaßAuf, const Steuerzeit& auslaßZu,
                          const Steuerzeitergebnis& ergebnis, int16_t nachTotpunkt) {
    Steuerzeitengültig g;
    g.Einlaßbeginn = Gefunden(einlaßAuf);
    g.Einlaßende = g.Füllung = Gefunden(einlaßZu);
    g.Auslaßbeginn = Gefunden(auslaßAuf);
    g.Auslaßende = Gefunden(auslaßZu);
    g.Kompression = g.Auslaßende && (ergebnis.Auslaßende.Bezug == nachTotpunkt || g.Einlaßbeginn);
    return g;
}

} // namespace

Steuerzeitengültig GültigOben(const Modell& m) {
    return Gültig(m.EinlaßAufOben, m.EinlaßZuOben, m.AuslaßAufOben, m.AuslaßZuOben, m.Oben, NachOT);
}

Steuerzeitengültig GültigUnten(const Modell& m) {
    return Gültig(m.EinlaßAufUnten, m.EinlaßZuUnten, m.AuslaßAufUnten, m.AuslaßZuUnten, m.Unten,
                  NachUT);
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

void SteuerzeitenCsvSchreiben(std::ostream& out, const Modell& m) {
    out << "Ende,Ereignis,Winkel,Bezug,Weg,Anteil\n";
    const std::pair<const char*, Steuerereignis Steuerzeitergebnis::*> ereignisse[] = {
        {"Einlaßbeginn", &Steuerzeitergebnis::Einlaßbeginn},
        {"Einlaßende", &Steuerzeitergebnis::Einlaßende},
        {"Auslaßbeginn", &Steuerzeitergebnis::Auslaßbeginn},
        {"Auslaßende", &Steuerzeitergebnis::Auslaßende},
    };
    const std::pair<const char*, const Steuerzeitergebnis*> enden[] = {{"Oben", &m.Oben},
                                                                       {"Unten", &m.Unten}};
    for (const auto& [ende, e] : enden) {
        for (const auto& [name, feld] : ereignisse) {
            const Steuerereignis& x = e->*feld;
            out << ende << ',' << name << ',' << FormatKurz(x.Winkel) << ',' << x.Bezug << ','
                << FormatKurz(x.Weg) << ",\n";
        }
        out << ende << ",Füllung,,," << FormatKurz(e->FüllungWeg) << ',' << FormatKurz(e->Füllung)
            << '\n';
        out << ende << ",Kompression,,," << FormatKurz(e->KompressionWeg) << ','
            << FormatKurz(e->Kompression) << '\n';
    }
}

} // namespace vapro
