#include "render/Steuerhubseite.h"

#include <QPainter>

#include "core/model/Bewegung.h"
#include "render/Dampffarben.h"
#include "render/Maschinenseite.h"

namespace vapro {

QRectF Steuerhubbereich(const Modell& m, QSizeF seite) {
    return Seitenbereich(seite, m.DruckLinks, m.DruckRechts, m.DruckOben, m.DruckUnten);
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
