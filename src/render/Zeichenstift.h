#pragma once
// A drawing pen with the state model of the picture routines: a current pen
// colour and width, a fill colour and a fill style that shapes pick up until
// they are changed. Coordinates are whatever the painter's transform makes
// of them (twips for the pictures); pen widths are device pixels.

#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <cstdint>

namespace vapro {

class Zeichenstift {
  public:
    explicit Zeichenstift(QPainter& p);

    void Farbe(uint32_t farbe) { farbe_ = farbe; }
    uint32_t Farbe() const { return farbe_; }
    // Widths below one pixel draw as one pixel.
    void Breite(int pixel) { breite_ = pixel < 1 ? 1 : pixel; }
    void Füllfarbe(uint32_t farbe) { füllfarbe_ = farbe; }
    uint32_t Füllfarbe() const { return füllfarbe_; }
    // Solid: outlines of rectangles and circles are filled with the fill colour.
    void Voll(bool voll) { voll_ = voll; }

    void Linie(QPointF a, QPointF b);
    void Linie(QPointF a, QPointF b, uint32_t farbe);
    // Outline in the pen colour between two corners, filled when solid.
    void Rechteck(QPointF a, QPointF b);
    // Box between two corners painted all in one colour.
    void Fläche(QPointF a, QPointF b, uint32_t farbe);
    // Filled polygon without outline.
    void Vieleck(const QPointF* punkte, int anzahl, uint32_t farbe);
    void Kreis(QPointF mitte, double radius);
    // Arc between two angles in radians, counter-clockwise from +x as seen.
    void Bogen(QPointF mitte, double radius, double von, double bis);

    // --- points and text (the graphs) ---
    // One dot in the pen colour and width.
    void Punkt(QPointF ort);
    // Text in the pen colour, placed by `ausrichtung` relative to `anker`:
    // AlignLeft puts its left edge there, AlignRight its right edge,
    // AlignHCenter its middle; AlignTop, AlignBottom and AlignVCenter likewise
    // for the height of a line of the painter's font.
    void Text(QPointF anker, const QString& text,
              Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignTop);

    // --- lines, patterns and an inverting cursor (the valve-travel graphs) ---
    // Many points in the pen colour at once.
    void Punkte(const QPointF* punkte, int anzahl);
    // Many round dots of `durchmesser` device pixels at once in the pen
    // colour: filled, or as outlines in the pen width.
    void Tupfen(const QPointF* punkte, int anzahl, int durchmesser, bool füllen);
    // Many solid lines of one colour at once, in the pen width.
    void Linien(const QLineF* linien, int anzahl, uint32_t farbe);
    // Lines in the pen colour and width with a pattern in device pixels.
    void LiniePunktiert(QPointF a, QPointF b);
    void LinieGestrichelt(QPointF a, QPointF b);
    // A one-pixel line that inverts the pixels under it, so that drawing it a
    // second time at the same place removes it. Never smoothed: a blended
    // pixel could not be inverted back.
    void XorLinie(QPointF a, QPointF b);
    // Text in the pen colour with the top of its line at `obenLinks`, in a
    // font that keeps its own size whatever scale the painter draws at (the
    // graphs draw in twips).
    void TextInSchriftgröße(QPointF obenLinks, const QString& text, const QFont& schrift);

    // --- curves (the lever-range and die-slip graphs) ---
    // Connected lines through many points in the pen colour and width, solid
    // or with a pattern that runs on along the whole curve.
    void Linienzug(const QPointF* punkte, int anzahl);
    void LinienzugGestrichelt(const QPointF* punkte, int anzahl);
    // Height and width of text in the painter's font, for laying out labels.
    double Zeilenhöhe() const;
    double Textbreite(const QString& text) const;

  private:
    void Stift(uint32_t farbe);
    // A pen of another kind goes to the painter directly; the next shape
    // sets its own again.
    void StiftVergessen() { stiftFarbe_ = 0xFFFFFFFFu; }
    void Muster(QPointF a, QPointF b, Qt::PenStyle stil);
    void Pinsel(bool füllen);

    QPainter& p_;
    uint32_t farbe_ = 0, füllfarbe_ = 0;
    int breite_ = 1;
    bool voll_ = false;
    // What the painter currently holds, so repeated shapes skip the set-up.
    uint32_t stiftFarbe_ = 0xFFFFFFFFu;
    int stiftBreite_ = -1;
    uint32_t pinselFarbe_ = 0xFFFFFFFFu;
    bool pinselAn_ = true;
};

} // namespace vapro
