#include "render/Steuerhubseite.h"

#include <QPainter>
#include <algorithm>

#include "core/model/Bewegung.h"
#include "render/Dampffarben.h"
#include "render/Maschinenseite.h"

namespace vapro {

QRectF Steuerhubbereich(const Modell& m, QSizeF seite) {
    // Margins as stored; the print settings keep each pair below 100 %.
    auto anteil = [](int16_t prozent) { return std::clamp<double>(prozent, 0, 100) / 100.0; };
    const double links = seite.width() * anteil(m.DruckLinks);
    const double rechts = seite.width() * anteil(m.DruckRechts);
    const double oben = seite.height() * anteil(m.DruckOben);
    const double unten = seite.height() * anteil(m.DruckUnten);
    return QRectF(links, oben, std::max(0.0, seite.width() - links - rechts),
                  std::max(0.0, seite.height() - oben - unten));
}

void SteuerhubseiteZeichnen(QPainter& p, const Modell& m, Hubachse achse, QSizeF seite, double dpi,
                            const QString& ot, const QString& ut) {
    const QRectF bereich = Steuerhubbereich(m, seite);
    const double twipsJePixel = TwipsJeZoll / dpi;
    Modell kopie = m;
    SpiegelBerechnen(kopie);
    Steuerhubgraph graph(achse);
    QFont schrift = p.font();
    schrift.setFamily(QStringLiteral("Arial"));
    graph.Schrift(schrift);
    graph.Totpunkte(ot, ut);
    graph.Druckstil(HubdruckstilVon(kopie));
    graph.Skalierung(kopie, bereich.size() * twipsJePixel);
    p.save();
    p.setClipRect(bereich);
    p.translate(bereich.topLeft());
    p.scale(1.0 / twipsJePixel, 1.0 / twipsJePixel);
    try {
        graph.Neuzeichnen(p, kopie, FarbeWeiß);
    } catch (...) {
        p.restore();
        throw;
    }
    p.restore();
}

} // namespace vapro
