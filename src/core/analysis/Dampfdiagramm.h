#pragma once
// The numbers of the theoretical indicator diagram of the top cylinder end:
// volumes, the expansion curve sampled the way it is drawn (one point every
// 10 pixels), the release pressure and the mean effective pressure `PM` that
// the operating figures rest on. Drawing is left to the painter.

#include <string>
#include <string_view>
#include <vector>

#include "core/model/Modell.h"

namespace vapro {

// The drawing area in pixels and its margins. The plot lies between the
// margins; x grows to the right, y downwards.
struct Diagrammrahmen {
    double Breite = 0, Höhe = 0; // inner drawing area
    double RandOben = 0, RandUnten = 0, RandLinks = 0, RandRechts = 0;

    double Plotbreite() const { return Breite - RandLinks - RandRechts; }
    double Plothöhe() const { return Höhe - RandOben - RandUnten; }
};

// The window's frame: 1.5 text heights above and 4 below the plot, left 0.7 ×
// the width of the text "P [bara]", right the width of "Fullness [%]  "
// (widths measured in the window's font).
Diagrammrahmen DiagrammrahmenFürFenster(double breite, double höhe, double texthöhe,
                                        double breiteDruckText, double breiteFüllungText);

// A bare plot of the given width between the margins, without margins or
// height: enough for the numbers, as the command line needs them.
Diagrammrahmen DiagrammrahmenFürBreite(double plotbreite);

// A point of the expansion curve: volume (length unit cubed) and pressure.
struct Diagrammpunkt {
    float V = 0, p = 0;
};

struct Dampfdiagramm {
    // The top port's admission was not found: the scale and volumes are
    // there for the axes, the cut-off and every pressure of the cycle are 0.
    bool OhneEinlaß = false;
    // Inputs as taken from the model.
    float H = 0, Wc = 0; // stroke; travel from top dead centre to cut-off
    float PO1 = 0, PO2 = 0, Exponent = 1;
    // Volumes of the top end, single precision as stored.
    float A = 0, V0 = 0, Vh = 0, Vt = 0, Vc = 0;
    float pe = 0; // pressure at release, PO1 × (Vc / Vt)^n
    // Scale: pixels per volume and per pressure unit; volume between points.
    float xs = 0, ys = 0, s = 0;
    // Expansion points from Vc in steps of s while V <= Vt (at least one).
    std::vector<Diagrammpunkt> Punkte;
    float pa = 0; // mean of the expansion points
    float pf = 0; // forward mean pressure over the stroke
    float PM = 0; // pf − PO2

    double Füllungsprozent() const { return static_cast<double>(Wc) / H * 100; }
    double Füllvolumen() const { return static_cast<double>(Wc) * A; }
};

// Both admission events of the top end were found by the last search.
bool EinlaßObenGefunden(const Modell& m);

// The diagram of the model's current valve events: the cut-off is the top
// end's `Oben.FüllungWeg` (whichever way the engine runs), so run
// SteuerzeitenSuchen and SteuerzeitenAuswerten first. Without the top end's
// admission (EinlaßObenGefunden) only the scale is computed and `PM` is 0.
// Throws GeometrieFehler where the arithmetic fails (zero bore or stroke,
// PO1 of 0, a plot width of 0 or less).
Dampfdiagramm DampfdiagrammBerechnen(const Modell& m, const Diagrammrahmen& rahmen);

// Searches and evaluates the valve events (port-face levels must be
// current, see SpiegelBerechnen), then computes the diagram. The crank angle is kept.
Dampfdiagramm DampfdiagrammNeuberechnen(Modell& m, const Diagrammrahmen& rahmen);

// Where a point (V, p) lies in the drawing area.
struct Bildpunkt {
    double x = 0, y = 0;
};
Bildpunkt DiagrammBildpunkt(const Diagrammrahmen& rahmen, const Dampfdiagramm& d, double V,
                            double p);

// The labels of the diagram, formatted for the unit system.
struct DiagrammBeschriftung {
    std::string ProzentV0, ProzentVc, ProzentVt; // cut-off row: "0", cut-off, "100"
    std::string VolumenV0, VolumenVc, VolumenVt; // cm³ (mm) or cu in
    std::string DruckPO1, DruckPO2, Druckpe, DruckNull;
    std::string PM; // "<textPM>: 9.23 bar"
};

// `textPM` is the short term of the language ("PM" / "MEP").
DiagrammBeschriftung DiagrammBeschriften(const Dampfdiagramm& d, bool mm, std::string_view textPM,
                                         char dezimal = '.');

} // namespace vapro
