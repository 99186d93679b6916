#pragma once
// The valve-events graph: over the piston travel of one revolution (the down
// stroke from top dead centre, then the up stroke back), the four valve edges
// as dotted curves against the four port edges, a coloured band inside each
// port while it is open, and at every valve event a mark on its port edge
// with the piston travel and its share of the stroke. While the engine turns,
// red markers show where the valve edges stand.
//
// Picture units are twips (15 to a screen pixel, y growing downward), as for
// the engine picture; text keeps the painter's font size.

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "core/model/Modell.h"
#include "core/persist/Texte.h"

class QPainter;

namespace vapro {

class Zeichenstift;

// The words of the graph in the current language and unit system, and their
// font, which keeps its size whatever the painter's scale.
struct Steuerzeitentexte {
    QString OT, UT;     // grid labels
    QString auf, zu;    // first words of the event labels, with their blank
    QString einheit;    // " mm" or " inch"
    char dezimal = '.'; // of the event labels
    QFont schrift;
};
Steuerzeitentexte SteuerzeitentexteFür(const Modell& m, const Sprache& s, char dezimal,
                                       const QFont& schrift = QFont());

// The scale of the graph for one drawing area (twips).
struct Steuerzeitenrahmen {
    double GraphHöhe = 0, RandOben = 100, RandUnten = 100, RandLinks = 50, Breite = 0;
    double MaßstabX = 0, MaßstabY = 0;
    // Offsets of the four valve edges above the lower outer one.
    std::array<double, 4> KantenVersatz{};
    // The port edges, whole picture units: lower port UU/UO, upper port OU/OO.
    double LinieUU = 0, LinieUO = 0, LinieOU = 0, LinieOO = 0;
};

// A mark drawn for a valve event.
struct Steuerzeitmarke {
    Steuerzeit Modell::*ereignis;
    float winkel;  // the event's crank angle
    QPointF punkt; // on its port-edge line
    QString zeilen[2];
};

class Steuerzeitenbild {
  public:
    // Fits the graph into an area, keeping `reserve` at the right for the
    // event labels. False (and nothing to draw) when the area is smaller than
    // its margins or the engine has no stroke or no port face.
    bool Skalierung(const Modell& m, QSizeF flächeTwips, double reserve);

    // Background, grid, port edges, curves and bands, then the valve-event
    // search (unless the model's events are current, SteuerzeitenSuchenWennNötig)
    // and the marks. Needs current port-face levels (SpiegelBerechnen).
    // Sweeps the solver; afterwards `Winkel` is what it was and the engine is
    // solved there again. A solver failure is passed on with `Winkel` restored.
    void Neuzeichnen(QPainter& p, Modell& m, QSizeF flächeTwips, uint32_t hintergrund,
                     const Steuerzeitentexte& t);

    // Markers of one step: those at `letzter` drawn over in black on the
    // background, those at `jetzt` in red; circles of radius `usKreis` from
    // 6 up, single points below, nothing below 1.
    void Marker(QPainter& p, QPointF letzter, QPointF jetzt, int16_t usKreis,
                uint32_t hintergrund) const;

    // Where the lower outer valve edge stands at the solver's current position.
    QPointF Position(const Modell& m) const;
    // Horizontal position at a crank angle with its piston travel `kwegmm`.
    double X(const Modell& m, float winkel, float kwegmm) const;
    // Vertical position of a height above the crank-shaft centre.
    double Y(const Modell& m, double höhe) const;

    bool Gültig() const { return gültig_; }
    const Steuerzeitenrahmen& Rahmen() const { return rahmen_; }
    // The marks of the last redraw, events that were not found left out.
    const std::vector<Steuerzeitmarke>& Marken() const { return marken_; }

  private:
    void Gitter(Zeichenstift& s, const Modell& m, const Steuerzeitentexte& t) const;
    void Kurven(Zeichenstift& s, Modell& m) const;
    // The search, then a mark for each event found; `zeile` is the height of
    // a line of the labels.
    void Ereignismarken(Zeichenstift& s, Modell& m, const Steuerzeitentexte& t, double zeile);
    void Marke(Zeichenstift& s, Modell& m, const Steuerzeitentexte& t, Steuerzeit Modell::*ereignis,
               double linie, bool öffnet, double zeile);

    Steuerzeitenrahmen rahmen_;
    std::vector<Steuerzeitmarke> marken_;
    bool gültig_ = false;
};

// The graph of the model's engine in an image of `pixel` size, without
// markers. Works on a copy of the model; throws GeometrieFehler when the
// engine cannot be assembled.
QImage SteuerzeitenbildRendern(const Modell& m, const Steuerzeitentexte& t, QSize pixel,
                               uint32_t hintergrund = 0xFFFFFF);

} // namespace vapro
