#pragma once
// Window positions in the settings store: section "Aktuell", keys "<stem> x"
// and "<stem> y", in twips (15 twips to a logical pixel).

#include <QColor>
#include <QString>

class QWidget;

namespace vapro {

class Einstellungsspeicher;

inline constexpr int TwipsProPixel = 15;

// Moves the window to its stored place; missing or non-numeric keys give the
// default (in twips).
void PositionLaden(QWidget& fenster, const Einstellungsspeicher& speicher, const QString& stamm,
                   int vorgabeTwips);
void PositionSpeichern(const QWidget& fenster, Einstellungsspeicher& speicher,
                       const QString& stamm);
// A stored size ("<stem> Höhe", "<stem> Breite"), also in twips.
void GrößeLaden(QWidget& fenster, const Einstellungsspeicher& speicher, const QString& stamm,
                int vorgabeHöhe, int vorgabeBreite);
void GrößeSpeichern(const QWidget& fenster, Einstellungsspeicher& speicher, const QString& stamm);

// Paints a window's (or control's) background in a colour.
void HintergrundSetzen(QWidget& w, const QColor& farbe);

} // namespace vapro
