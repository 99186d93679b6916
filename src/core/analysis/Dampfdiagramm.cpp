#include "core/analysis/Dampfdiagramm.h"

#include <algorithm>
#include <cmath>

#include "core/analysis/Steuerzeiten.h"
#include "core/model/Rechnen.h"
#include "core/numbers/Zahlenformat.h"

namespace vapro {

Diagrammrahmen DiagrammrahmenFürFenster(double breite, double höhe, double texthöhe,
                                        double breiteDruckText, double breiteFüllungText) {
    Diagrammrahmen r;
    r.Breite = breite;
    r.Höhe = höhe;
    r.RandOben = 1.5 * texthöhe;
    r.RandUnten = 4 * texthöhe;
    r.RandLinks = 0.7 * breiteDruckText;
    r.RandRechts = breiteFüllungText;
    return r;
}

Diagrammrahmen DiagrammrahmenFürBreite(double plotbreite) {
    Diagrammrahmen r;
    r.Breite = plotbreite;
    return r;
}

namespace {

float F(double v) {
    return Einzel(v, "steam diagram");
}

} // namespace

bool EinlaßObenGefunden(const Modell& m) {
    return m.EinlaßAufOben.Winkel >= 0 && m.EinlaßZuOben.Winkel >= 0;
}

Dampfdiagramm DampfdiagrammBerechnen(const Modell& m, const Diagrammrahmen& rahmen) {
    Dampfdiagramm d;
    d.H = m.Hub;
    if (!(d.H > 0)) throw GeometrieFehler("steam diagram: stroke is 0");
    // Without the top port's admission there is no cut-off: the travel left
    // in the events would belong to an earlier search.
    d.OhneEinlaß = !EinlaßObenGefunden(m);
    // The cut-off travel lies within the stroke; keeping it there also keeps
    // the cut-off volume inside the cylinder, so the curve has a first point.
    d.Wc = d.OhneEinlaß ? 0.0f : std::clamp(m.Oben.FüllungWeg, 0.0f, d.H);
    d.PO1 = m.PO1;
    d.PO2 = m.PO2;
    d.Exponent = m.Überhitzung;

    const double D = m.KDurchmesser;
    d.A = F(Pi * D * D / 4);
    d.V0 = F(static_cast<double>(d.A) * m.KOFreihub);
    d.Vh = F(static_cast<double>(d.A) * d.H);
    d.Vt = F(static_cast<double>(d.Vh) + d.V0);
    // Rounded like Vh + V0, so that a cut-off at the end of the stroke gives Vt exactly.
    d.Vc = F(static_cast<double>(F(static_cast<double>(d.A) * d.Wc)) + d.V0);

    if (!(rahmen.Plotbreite() > 0)) throw GeometrieFehler("steam diagram: no room to draw");
    d.xs = F(Teilen(rahmen.Plotbreite(), 1.05 * d.Vt, "steam diagram (volume 0)"));
    d.ys = F(Teilen(rahmen.Plothöhe(), 1.1 * d.PO1, "steam diagram (pressure 0)"));
    if (!(d.xs > 0)) throw GeometrieFehler("steam diagram: volume scale is not positive");
    if (d.OhneEinlaß) return d; // axes only, every pressure of the cycle 0
    d.pe = F(d.PO1 * std::pow(static_cast<double>(d.Vc) / d.Vt, d.Exponent));

    // Expansion p = PO1 × (Vc / V)^n, one point every 10 pixels from cut-off
    // to the end of the stroke; the first point is PO1 itself.
    d.s = F(10.0 / d.xs);
    float summe = 0;
    for (float V = d.Vc; V <= d.Vt;) {
        const double verhältnis = V == d.Vc ? 1.0 : static_cast<double>(d.Vc) / V;
        const float p = F(d.PO1 * std::pow(verhältnis, d.Exponent));
        d.Punkte.push_back({V, p});
        summe = F(static_cast<double>(summe) + p);
        const float weiter = F(static_cast<double>(V) + d.s);
        if (!(weiter > V))
            throw GeometrieFehler("steam diagram: points closer than the volume resolution");
        V = weiter;
    }

    d.pa = F(static_cast<double>(summe) / static_cast<double>(d.Punkte.size()));
    d.pf = F((static_cast<double>(d.Wc) * d.PO1 + (static_cast<double>(d.H) - d.Wc) * d.pa) / d.H);
    d.PM = F(static_cast<double>(d.pf) - d.PO2);
    return d;
}

Dampfdiagramm DampfdiagrammNeuberechnen(Modell& m, const Diagrammrahmen& rahmen) {
    SteuerzeitenSuchen(m);
    SteuerzeitenAuswerten(m);
    return DampfdiagrammBerechnen(m, rahmen);
}

Bildpunkt DiagrammBildpunkt(const Diagrammrahmen& rahmen, const Dampfdiagramm& d, double V,
                            double p) {
    return {rahmen.RandLinks + V * d.xs, (rahmen.Höhe - rahmen.RandUnten) - p * d.ys};
}

DiagrammBeschriftung DiagrammBeschriften(const Dampfdiagramm& d, bool mm, std::string_view textPM,
                                         char dezimal) {
    const std::string_view druck = mm ? "0.0" : "0";
    const std::string_view volumen = mm ? "0.0" : "0.00";
    const double teiler = mm ? 1000 : 1; // cm³ or cu in
    auto f = [dezimal](double wert, std::string_view muster) {
        return FormatMuster(wert, muster, dezimal);
    };
    DiagrammBeschriftung b;
    // Built, not assigned from literals: GCC 12 at -O3 warns falsely on the latter.
    b.ProzentV0 = std::string(1, '0');
    b.ProzentVc = f(d.Füllungsprozent(), "0.0");
    b.ProzentVt = std::string("100");
    b.VolumenV0 = f(0, volumen);
    b.VolumenVc = f(d.Füllvolumen() / teiler, volumen);
    b.VolumenVt = f(d.Vh / teiler, volumen);
    b.DruckPO1 = FormatMuster(d.PO1, druck, dezimal);
    b.DruckPO2 = FormatMuster(d.PO2, druck, dezimal);
    b.Druckpe = FormatMuster(d.pe, druck, dezimal);
    b.DruckNull = f(0, druck);
    b.PM =
        std::string(textPM) + ": " + FormatMuster(d.PM, "0.00", dezimal) + (mm ? " bar" : " psi");
    return b;
}

} // namespace vapro
