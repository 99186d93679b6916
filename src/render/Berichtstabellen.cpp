// The tables of the design report: valve events in both directions and
// cut-off and lead over the lever's travel.

#include "core/analysis/Steuerungsverlauf.h"
#include "core/analysis/Steuerzeiten.h"
#include "core/analysis/Steuerzeitentabelle.h"
#include "core/model/Bewegung.h"
#include "core/numbers/Zahlenformat.h"
#include "render/Berichtsteile.h"

namespace vapro::bericht {

namespace {

// Column 4 of the window's grid only separates its halves.
constexpr int kTrennspalte = 4;

// The grid as the valve-events window shows it: its values with the
// window's captions.
Berichtstabelle Steuerzeitentabelle(const Steuerzeitenzellen& werte, const Teil& t) {
    Steuerzeitenzellen z = werte;
    const std::string grad = "[°]", prozent = "[%]";
    for (int erste : {1, 9}) {
        const int text = erste == 1 ? 1807 : 1819;
        auto setze = [&](int zeile, int spalte, const QString& inhalt) {
            z[static_cast<size_t>(zeile)][static_cast<size_t>(spalte)] = inhalt.toStdString();
        };
        setze(erste, 0, T(t.s, text));
        setze(erste, 5, T(t.s, text + 5));
        for (int s : {1, 7})
            setze(erste, s, Q(grad));
        for (int s : {2, 8})
            setze(erste, s, Q(t.m.Einheit));
        for (int s : {3, 9})
            setze(erste, s, Q(prozent));
        for (int i = 1; i <= 4; ++i) {
            setze(erste + i, 0, T(t.s, text + i));
            setze(erste + i, 5, T(t.s, text + 5 + i));
        }
        setze(erste + 5, 5, T(t.s, text + 10));
        setze(erste + 6, 5, T(t.s, text + 11));
    }
    Berichtstabelle tabelle;
    tabelle.breiten = {1.7, 0.9, 0.9, 0.9, 1.6, 1.2, 0.9, 0.9, 0.9};
    tabelle.links = {true, false, false, false, true, true, false, false, false};
    tabelle.kopf = 1;
    tabelle.zeilen.push_back({T(t.s, 1805), {}, {}, {}, T(t.s, 1806), {}, {}, {}, {}});
    for (int zeile = 1; zeile < SteuerzeitenZeilen; ++zeile) {
        std::vector<QString> zellen;
        for (int spalte = 0; spalte < SteuerzeitenSpalten; ++spalte)
            if (spalte != kTrennspalte)
                zellen.push_back(
                    Q(z[static_cast<size_t>(zeile)][static_cast<size_t>(spalte)]).trimmed());
        tabelle.zeilen.push_back(std::move(zellen));
    }
    return tabelle;
}

} // namespace

void Steuerzeiten(const Teil& t) {
    for (const bool vor : {true, false}) {
        t.seiten.Überschrift(T(t.s, 1800) + QStringLiteral(" – ") + T(t.s, vor ? 1910 : 1911));
        t.seiten.Versuchen([&] {
            Modell c = t.m;
            c.Drehrichtung = vor;
            SpiegelBerechnen(c);
            SteuerzeitenSuchen(c);
            SteuerzeitenAuswerten(c);
            t.seiten.Tabelle(Steuerzeitentabelle(SteuerzeitenWerte(c, t.s, t.a.dezimal), t));
        });
    }
}

void Hebelbereich(const Teil& t) {
    t.seiten.Überschrift(T(t.s, 2708));
    t.seiten.Versuchen([&] {
        Modell c = t.m;
        SpiegelBerechnen(c);
        const Steuerungsverlauf v = SteuerungsverlaufBerechnen(c, 5.0);
        const QString fehlt = QString::fromLatin1(Fehlt);
        const char* muster = IstMM(c) ? "##0.00" : "##0.000";
        const QString voreilen = QString(T(t.s, 2711)).replace("|1", Q(t.einheiten.EinheitLänge));
        const QString oben = T(t.s, 1509), unten = T(t.s, 1510);
        Berichtstabelle tabelle;
        tabelle.breiten = {1.2, 1, 1, 1, 1, 1, 1, 1, 1};
        tabelle.kopf = 3;
        tabelle.zeilen.push_back({{}, T(t.s, 1910), {}, {}, {}, T(t.s, 1911), {}, {}, {}});
        tabelle.zeilen.push_back(
            {{}, T(t.s, 2710), {}, voreilen, {}, T(t.s, 2710), {}, voreilen, {}});
        tabelle.zeilen.push_back(
            {T(t.s, 2709), oben, unten, oben, unten, oben, unten, oben, unten});
        for (const Verlaufspunkt& p : v.Punkte) {
            // The lever as the main window's read-out shows it.
            const float hebel = p.UmWinkelGrad * static_cast<float>(c.Vorzeichen) + 0.0f; // no -0
            std::vector<QString> zeile{Q(FormatMuster(hebel, "##0.0", t.a.dezimal))};
            auto zahl = [&](std::optional<float> w, const char* m) {
                return w ? Q(FormatMuster(*w, m, t.a.dezimal)) : fehlt;
            };
            // Cut-off, then lead, of both ends; each direction in turn.
            for (const bool vor : {true, false})
                for (const size_t spalte : {size_t{1}, size_t{0}})
                    for (const bool o : {true, false})
                        zeile.push_back(
                            zahl(Verlaufswerte(p, vor, o)[spalte], spalte == 1 ? "##0.0" : muster));
            tabelle.zeilen.push_back(std::move(zeile));
        }
        t.seiten.Tabelle(tabelle);
    });
}

} // namespace vapro::bericht
