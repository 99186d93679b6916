#pragma once
// Window places in the settings store: section "Aktuell", keys "<stem> x" and
// "<stem> y", in twips (15 twips to a logical pixel).
//
// A place is the top-left corner of the window's content (below the title
// bar), saved and restored alike: window managers honour a content position
// given before the window is mapped, while a frame position given then is
// taken as the content's and would climb by one title bar at every start.

#include <QColor>
#include <QMargins>
#include <QRect>
#include <QString>
#include <vector>

class QWidget;

namespace vapro {

class Einstellungsspeicher;

inline constexpr int TwipsProPixel = 15;

// --- geometry as the window manager sees it (no widgets involved) ---

// The content rectangle closest to `inhalt` whose frame (content plus
// `ränder`) lies inside `verfügbar`; a window too large for the area shrinks.
QRect Einpassen(QRect inhalt, const QMargins& ränder, const QRect& verfügbar);

// Content rectangle of a new window of content size `größe`: beside the
// frame `anker` of the main window (right of it, else left, else below), one
// title bar further down and right for each window already open there, and
// fitted into `verfügbar`.
QRect Danebenlegen(QSize größe, const QMargins& ränder, const QRect& anker,
                   const std::vector<QRect>& offeneRahmen, const QRect& verfügbar);

// --- windows ---

// Frame margins of a window: its own once the window manager has framed it,
// else those of another framed window, else a generous guess (none offscreen).
QMargins Rahmenränder(const QWidget& fenster);
// The work area of the screen that holds `punkt` (the primary screen's when
// none does, e.g. a screen removed since).
QRect VerfügbareFläche(QPoint punkt);

// Puts the window at its stored place, brought onto the screen. Without a
// stored place a window with a main window beside it opens beside that; the
// main window itself at `vorgabeTwips` from the screen's corner.
void PositionLaden(QWidget& fenster, const Einstellungsspeicher& speicher, const QString& stamm,
                   int vorgabeTwips);
void PositionSpeichern(const QWidget& fenster, Einstellungsspeicher& speicher,
                       const QString& stamm);
// Beside the main window, for windows that keep no place of their own.
void NebenHauptfenster(QWidget& fenster);

// A stored size ("<stem> Höhe", "<stem> Breite"), also in twips, no larger
// than the screen; a missing, unreadable or non-positive value gives the default.
void GrößeLaden(QWidget& fenster, const Einstellungsspeicher& speicher, const QString& stamm,
                int vorgabeHöhe, int vorgabeBreite);
void GrößeSpeichern(const QWidget& fenster, Einstellungsspeicher& speicher, const QString& stamm);

// A window of its own, not kept above the main window: it comes to the front
// when the user activates it, like any other window.
void Eigenständig(QWidget& fenster);

// Paints a window's (or control's) background in a colour.
void HintergrundSetzen(QWidget& w, const QColor& farbe);

} // namespace vapro
