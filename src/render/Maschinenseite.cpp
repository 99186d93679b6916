#include "render/Maschinenseite.h"

#include <QPainter>
#include <algorithm>

#include "core/model/Kinematik.h"
#include "render/Maschinenbild.h"

namespace vapro {

QRectF Druckbereich(const Modell& m, QSizeF seite) {
    // Margins as stored; the print settings keep each pair below 100 %.
    auto anteil = [](int16_t prozent) { return std::clamp<double>(prozent, 0, 100) / 100.0; };
    const double links = seite.width() * anteil(m.RandLinksD);
    const double rechts = seite.width() * anteil(m.RandRechtsD);
    const double oben = seite.height() * anteil(m.RandObenD);
    const double unten = seite.height() * anteil(m.RandUntenD);
    return QRectF(links, oben, std::max(0.0, seite.width() - links - rechts),
                  std::max(0.0, seite.height() - oben - unten));
}

void MaschinenseiteZeichnen(QPainter& p, const Modell& m, QSizeF seite, double dpi) {
    const QRectF bereich = Druckbereich(m, seite);
    const double twipsJePixel = TwipsJeZoll / dpi;
    Modell kopie = m;
    Maschinenbild bild;
    bild.Skalierung(kopie, bereich.size() * twipsJePixel);
    Kinematik(kopie);
    p.save();
    // Whatever does not fit the width stays off the margin.
    p.setClipRect(bereich);
    p.translate(bereich.topLeft());
    p.scale(1.0 / twipsJePixel, 1.0 / twipsJePixel);
    bild.Zeichnen(p, kopie, Druckstil(kopie));
    p.restore();
}

} // namespace vapro
