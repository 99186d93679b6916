#include "ui/platform/Fensterlage.h"

#include <QWidget>
#include <cmath>

#include "core/numbers/Zahlenformat.h"
#include "core/persist/Einstellungsspeicher.h"

namespace vapro {

namespace {

int TwipsLesen(const Einstellungsspeicher& s, const QString& schlüssel, int vorgabe) {
    const std::string text = s.Lesen("Aktuell", schlüssel.toStdString(), "");
    const auto z = LiesZahl(text);
    if (!z || std::fabs(*z) > 1e7) return vorgabe;
    return static_cast<int>(*z);
}

void TwipsSchreiben(Einstellungsspeicher& s, const QString& schlüssel, int pixel) {
    s.Schreiben("Aktuell", schlüssel.toStdString(),
                FormatAllgemein(static_cast<float>(pixel * TwipsProPixel)));
}

} // namespace

void PositionLaden(QWidget& fenster, const Einstellungsspeicher& speicher, const QString& stamm,
                   int vorgabeTwips) {
    const int x = TwipsLesen(speicher, stamm + " x", vorgabeTwips) / TwipsProPixel;
    const int y = TwipsLesen(speicher, stamm + " y", vorgabeTwips) / TwipsProPixel;
    fenster.move(x, y);
}

void PositionSpeichern(const QWidget& fenster, Einstellungsspeicher& speicher,
                       const QString& stamm) {
    TwipsSchreiben(speicher, stamm + " x", fenster.x());
    TwipsSchreiben(speicher, stamm + " y", fenster.y());
}

void GrößeLaden(QWidget& fenster, const Einstellungsspeicher& speicher, const QString& stamm,
                int vorgabeHöhe, int vorgabeBreite) {
    const int h = TwipsLesen(speicher, stamm + QString::fromUtf8(" Höhe"), vorgabeHöhe);
    const int b = TwipsLesen(speicher, stamm + " Breite", vorgabeBreite);
    fenster.resize(std::max(b / TwipsProPixel, 100), std::max(h / TwipsProPixel, 80));
}

void GrößeSpeichern(const QWidget& fenster, Einstellungsspeicher& speicher, const QString& stamm) {
    TwipsSchreiben(speicher, stamm + QString::fromUtf8(" Höhe"), fenster.height());
    TwipsSchreiben(speicher, stamm + " Breite", fenster.width());
}

void HintergrundSetzen(QWidget& w, const QColor& farbe) {
    QPalette p = w.palette();
    p.setColor(QPalette::Window, farbe);
    w.setPalette(p);
    w.setAutoFillBackground(true);
}

} // namespace vapro
