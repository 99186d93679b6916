// The graphs and the operating figures of the design report.

#include "core/analysis/Betriebswerte.h"
#include "core/analysis/Dampfdiagramm.h"
#include "core/analysis/Steuerzeiten.h"
#include "core/model/Bewegung.h"
#include "core/model/Kinematik.h"
#include "render/Berichtsteile.h"
#include "render/Dampfdiagrammbild.h"
#include "render/Graphenmaler.h"

namespace vapro::bericht {

QSizeF Graphen(const Teil& t) {
    Berichtsseiten& seiten = t.seiten;
    // Two graphs a page, each below its heading.
    auto hälfte = [&] { return (seiten.Frei() - 4 * seiten.Zeilenhöhe()) / 2; };
    const double h = hälfte();
    seiten.Überschrift(T(t.s, 1180));
    seiten.Bild(SteuerhubMaler(t.m, Hubachse::Kurbelwinkel, t.s), h);
    seiten.Überschrift(T(t.s, 1190));
    seiten.Bild(SteuerhubMaler(t.m, Hubachse::Kolbenweg, t.s), h);
    seiten.NeueSeite();
    seiten.Überschrift(T(t.s, 1700));
    seiten.Bild(SteuerzeitenMaler(t.m, t.s, t.a.dezimal), h);
    seiten.Überschrift(T(t.s, 2500));
    const QSizeF diagramm(seiten.Breite(), std::min(h, seiten.Frei()));
    seiten.Bild(DampfdiagrammMaler(t.m, t.s, t.einheiten, t.a.dezimal), h);
    return diagramm;
}

namespace {

// Caption, value and unit per row; a row without a value is left out.
struct Kennzeile {
    int text; // 0: none, the value continues the row above
    const std::string& wert;
    QString einheit;
};

} // namespace

void Betriebswerte(const Teil& t, QSizeF diagramm) {
    Berichtsseiten& seiten = t.seiten;
    seiten.Überschrift(T(t.s, 1528));
    seiten.Versuchen([&] {
        Modell c = t.m;
        // The cut-off rests on the valve events of the engine as it runs.
        SpiegelBerechnen(c);
        SteuerzeitenSuchen(c);
        SteuerzeitenAuswerten(c);
        KinematikOhneBild(c);
        // The mean pressure of the diagram the report shows.
        const float pm =
            DampfdiagrammNeuberechnen(c, DiagrammrahmenFür(diagramm, seiten.Schriftmaße())).PM;
        const BetriebswerteTexte w =
            BetriebswerteAnzeigen(BetriebswerteBerechnen(c, pm, t.a.dampf), t.a.dezimal);
        const Einheitennamen& n = t.einheiten;
        const bool mm = IstMM(c);

        Berichtstabelle volumen;
        volumen.breiten = {3, 1, 1, 1, 1};
        volumen.links = {true, false, false, false, true};
        volumen.kopf = 1;
        volumen.zeilen.push_back(
            {T(t.s, 1506), T(t.s, 1509), T(t.s, 1510), T(t.s, 1511), QString()});
        const QString einheiten[] = {Q(n.EinheitVolumen), QStringLiteral("%"), Q(n.EinheitVolumen)};
        for (size_t z = 0; z < 3; ++z) {
            const auto& zeile = w.Volumentabelle[z];
            volumen.zeilen.push_back({T(t.s, 1512 + static_cast<int>(z)), Q(zeile[0]), Q(zeile[1]),
                                      Q(zeile[2]), einheiten[z]});
        }
        seiten.Tabelle(volumen);
        seiten.Zeile(QString());

        const std::string drehzahl = std::to_string(c.Drehzahl);
        const QString ps = QStringLiteral("PS"), hp = QStringLiteral("HP"),
                      kw = QStringLiteral("KW");
        const Kennzeile zeilen[] = {
            {1527, drehzahl, QStringLiteral("1/min")},
            {1517, w.Dampfvolumen, Q(n.EinheitStromKlein)},
            {0, w.DampfvolumenLiter, Q(n.EinheitStromMittel)},
            {0, w.DampfvolumenKubikmeter, Q(n.EinheitStromGroß)},
            {0, w.DampfvolumenStunde, Q(n.EinheitStromStunde)},
            {1529, w.Druck, Q(n.EinheitDruckAbs)},
            {1518, w.Sättigungstemperatur, Q(n.EinheitTemperatur)},
            {1519, w.V2Strich, Q(n.EinheitSpezVolumen)},
            {1520, w.DampfgewichtMin, mm ? QStringLiteral("kg/min") : QStringLiteral("lb/min")},
            {0, w.DampfgewichtStunde, mm ? QStringLiteral("kg/h") : QStringLiteral("lb/h")},
            {1521, w.PMittel, Q(n.EinheitDruck)},
            {1522, w.LeistungPS, ps},
            {0, w.LeistungHP, hp},
            {0, w.LeistungKW, kw},
            {1523, w.MechWirkungsgrad, QStringLiteral("%")},
            {1524, w.WellenleistungPS, ps},
            {0, w.WellenleistungHP, hp},
            {0, w.WellenleistungKW, kw},
            {1525, w.DrehmomentNm, QStringLiteral("Nm")},
            {0, w.DrehmomentFtLb, QStringLiteral("ft.lb.")},
            {1526, w.Kolbengeschwindigkeit, mm ? QStringLiteral("m/s") : QStringLiteral("ft/s")},
        };
        Berichtstabelle kennzahlen;
        kennzahlen.breiten = {3, 1, 1, 1, 1};
        kennzahlen.links = {true, false, true, true, true};
        for (const Kennzeile& z : zeilen) {
            if (z.wert.empty() && z.text == 0) continue;
            kennzahlen.zeilen.push_back(
                {z.text ? T(t.s, z.text) : QString(), Q(z.wert).trimmed(), z.einheit, {}, {}});
        }
        seiten.Tabelle(kennzahlen);
    });
}

} // namespace vapro::bericht
