#include "render/Maschinenseite.h"

#include <QPainter>
#include <algorithm>

#include "core/model/Kinematik.h"
#include "render/Maschinenbild.h"

namespace vapro {

QRectF Seitenbereich(QSizeF seite, int16_t links, int16_t rechts, int16_t oben, int16_t unten) {
    // Margins as stored; the print settings keep each pair below 100 %.
    auto anteil = [](int16_t prozent) { return std::clamp<double>(prozent, 0, 100) / 100.0; };
    const double l = seite.width() * anteil(links), r = seite.width() * anteil(rechts);
    const double o = seite.height() * anteil(oben), u = seite.height() * anteil(unten);
    return QRectF(l, o, std::max(0.0, seite.width() - l - r),
                  std::max(0.0, seite.height() - o - u));
}

QRectF Druckbereich(const Modell& m, QSizeF seite) {
    return Seitenbereich(seite, m.RandLinksD, m.RandRechtsD, m.RandObenD, m.RandUntenD);
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
