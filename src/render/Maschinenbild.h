#pragma once
// The engine picture: a side view of cylinder, crank drive, valve gear, slide
// valve and valve chest, drawn from nothing at every step onto any QPainter.
//
// Picture units are twips, 15 to a screen pixel, y growing downward from the
// top edge; a screen painter is scaled by 1/15. Pen widths are device pixels
// (cosmetic pens), so the same drawing serves the screen and a printer page
// with the print line widths.

#include <QImage>
#include <QSize>
#include <QSizeF>
#include <array>
#include <cstdint>

#include "core/model/Modell.h"

class QPainter;

namespace vapro {

inline constexpr double TwipsJePixel = 15.0;

// Pen widths (device pixels), joint radii (picture units) and background.
struct Bildstil {
    int Kurbel = 3;        // crank arm, connecting rod, piston rod
    int GelenkKurbel = 50; // joints of the crank drive
    int Steuer = 1;        // valve gear
    int GelenkSteuer = 40; // joints of the valve gear
    int Gelenke = 1;       // outline of every joint circle
    int Rest = 1;          // cylinder, chest, ports, pipes, help lines
    uint32_t Hintergrund = 0xFFFFFF;
};

// The window's widths on the picture background colour.
Bildstil Bildschirmstil(const Modell& m);
// The print widths on white paper.
Bildstil Druckstil(const Modell& m);

// What the scaling keeps beside the model's own frame fields (`Maßstab`,
// `XKw`, `XSteuerung`, `BildHöhe`, `YKwUnten`).
struct Bildrahmen {
    float Breite = 0, Höhe = 0; // drawing area
    float RandOben = 0, RandUnten = 0, RandLinks = 0;
    float HöheKurbelseite = 0, HöheSchieberseite = 0, BildHöheModell = 0;
    float ZylOben = 0; // inside of the top cylinder cover
};

// Fixed points of the valve chest and the slide valve's section.
struct Schieberkastenpunkte {
    std::array<float, 8> Y{}; // port-face levels SpiegelU .. SpiegelO
    float SpiegelX = 0, KastenX = 0, StutzenX = 0;
    // Heights of the valve's section above the top of the valve rod.
    float Unterkante = 0, InnenUntenOben = 0, LaufUntenOben = 0, LaufObenUnten = 0,
          InnenObenUnten = 0, RückenOben = 0, Oberkante = 0;
    // Depths from the port face towards the chest.
    float TiefeFuß = 0, TiefeHöhlung = 0, TiefeRücken = 0;
};

class Maschinenbild {
  public:
    // Fits the engine to the height of a drawing area (twips): writes the
    // model's frame fields and port-face levels, keeps margins and chest
    // points. Throws GeometrieFehler when the engine has no height.
    void Skalierung(Modell& m, QSizeF flächeTwips);

    // Paints the whole drawing area in one colour.
    void Löschen(QPainter& p, uint32_t farbe) const;

    // The engine at the solver's current position (picture points in the
    // model); needs a `Skalierung` with the same geometry before.
    void Zeichnen(QPainter& p, const Modell& m, const Bildstil& stil) const;

    const Bildrahmen& Rahmen() const { return rahmen_; }
    const Schieberkastenpunkte& Kasten() const { return kasten_; }

  private:
    void SchieberkastenBildpunkte(Modell& m);

    Bildrahmen rahmen_;
    Schieberkastenpunkte kasten_;
};

// The engine at the model's current angles over an area of `größe` in the
// painter's units (pixels), with the window's look: the area in the picture
// background colour, the window's line widths. Works on a copy of the model,
// which it scales and solves, so any painter (image, SVG, PDF) gets the
// picture the window would show at that size; throws GeometrieFehler when the
// engine cannot be assembled.
void MaschinenbildMalen(QPainter& p, const Modell& m, QSizeF größe);

// The same in an image of `pixel` size.
QImage MaschinenbildRendern(const Modell& m, QSize pixel);

} // namespace vapro
