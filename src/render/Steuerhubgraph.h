#pragma once
// The valve-travel graphs: the four working edges of the slide valve against
// the edges of the two cylinder ports over one or more revolutions, by crank
// angle or by piston travel, with the port openings shaded in the steam
// colours. While the engine turns, red markers ride on the curves and a
// cursor line can show the crank's position.
//
// Picture units are twips, y growing downward, as in the engine picture. The
// graph draws into a surface that keeps what was drawn (a window's backing
// image): a full redraw, then one step at a time on top of it.

#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "core/model/Modell.h"

class QPainter;

namespace vapro {

class Zeichenstift;

enum class Hubachse : uint8_t { Kurbelwinkel, Kolbenweg };

// The scale of one graph for its drawing area.
struct Hubrahmen {
    double GraphHöhe = 0, Breite = 0;
    double RandOben = 100, RandUnten = 100, RandLinks = 50;
    double MaßstabX = 0; // per degree, or per length unit of piston travel
    double MaßstabY = 0; // per length unit of valve travel
    int Perioden = 1;
    double Periodenbreite = 0; // one revolution
    // Heights of the four valve edges above the lower outer one.
    std::array<double, 4> KantenVersatz{};
    // Room to draw in, a port face and a stroke to scale by.
    bool Gültig = false;
};

// How a graph is drawn on paper. The screen draws without one: one-pixel
// lines, a dot a degree, the quarters of a revolution as the only grid.
struct Hubdruckstil {
    int Punktgröße = 3; // diameter of a curve point, device pixels
    bool PunkteFüllen = true;
    int PunkteJeGrad = 2;     // curve points per degree of crank angle
    bool Kanalöffnung = true; // the port openings shaded
    int Gitterstärke = 8;     // the lines at the quarters of a revolution, device pixels
    int Kanalstärke = 4;      // the port edges, device pixels
    // Further grid lines at these spacings, 0 for none: crank angle in
    // degrees, piston travel and valve travel in length units. A graph draws
    // only the grid of its own axis and the valve-travel grid.
    double Winkelraster = 0, Kolbenwegraster = 0, Schieberwegraster = 0;
};

// The valve-travel print settings of the model (`Kuller`, `Füllen`, ...).
Hubdruckstil HubdruckstilVon(const Modell& m);

class Steuerhubgraph {
  public:
    explicit Steuerhubgraph(Hubachse achse);
    Hubachse Achse() const { return achse_; }

    // Font of the grid labels, and the labels of the dead centres in the
    // current language.
    void Schrift(const QFont& schrift) { schrift_ = schrift; }
    void Totpunkte(const QString& ot, const QString& ut);

    // Fits the graph to a drawing area (twips), the port face, the number of
    // revolutions and the stroke.
    void Skalierung(const Modell& m, QSizeF flächeTwips);
    const Hubrahmen& Rahmen() const { return r_; }
    // Draws the next Neuzeichnen for paper; none for the screen.
    void Druckstil(std::optional<Hubdruckstil> stil) { druck_ = stil; }

    // The whole drawing area in one colour.
    void Löschen(QPainter& p, uint32_t farbe) const;

    // Background, grid, port edges, middle port, and the edges of every whole
    // degree with the openings shaded. Solves the engine 361 times; `Winkel`
    // and the solver's results are as before afterwards. Markers wait for the
    // next pass through 0°. Throws GeometrieFehler when the engine cannot be
    // solved at some angle; the grid stays drawn.
    void Neuzeichnen(QPainter& p, Modell& m, uint32_t hintergrund);

    // One frame of the running engine at the solver's current position: at
    // 0° the markers start; once started, the previous markers turn black,
    // the current ones are drawn red, and the cursor line moves.
    void Schritt(QPainter& p, const Modell& m, uint32_t hintergrund);
    bool Gesperrt() const { return gesperrt_; }

    // Picture positions: a model height, and the current crank position in
    // the first revolution.
    double Y(double höhe) const {
        return r_.GraphHöhe - r_.RandUnten - (höhe - spiegelU_) * r_.MaßstabY;
    }
    double X(const Modell& m) const;
    // Where a crank angle with its piston travel stands in revolution `umlauf`.
    double XBei(double winkel, double kolbenweg, int umlauf) const;

  private:
    void Gitter(Zeichenstift& s) const;
    void Portkanten(Zeichenstift& s, const Modell& m) const;
    void Mittelkanal(Zeichenstift& s, const Modell& m) const;
    void Kurven(Zeichenstift& s, Modell& m) const;
    void Druckkurven(Zeichenstift& s, Modell& m) const;
    void Druckgitter(Zeichenstift& s, const Modell& m) const;
    void Zeichnen(QPainter& p, const Modell& m, uint32_t hintergrund);
    void Marke(Zeichenstift& s, QPointF mitte, int16_t kreis) const;

    Hubachse achse_;
    Hubrahmen r_;
    QSizeF fläche_;
    float spiegelU_ = 0;
    QFont schrift_;
    QString ot_, ut_;
    QPointF letzterPunkt_;
    bool gesperrt_ = true, ersterPunkt_ = true;
    // Where the cursor line stands, while one does.
    std::optional<double> faden_;
    std::optional<Hubdruckstil> druck_;
};

} // namespace vapro
