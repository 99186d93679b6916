#include "render/Graphenmaler.h"

#include <QFontMetricsF>
#include <QPainter>

#include "core/analysis/Dampfdiagramm.h"
#include "core/model/Bewegung.h"
#include "render/Dampfdiagrammbild.h"
#include "render/Maschinenbild.h"
#include "render/Steuerzeitenbild.h"

namespace vapro {

namespace {

QString Text(const Sprache& s, int nummer) {
    const std::string_view t = s.Text(nummer);
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

} // namespace

Maler SteuerhubMaler(const Modell& vorlage, Hubachse achse, const Sprache& s) {
    const QString ot = Text(s, 1600), ut = Text(s, 1601);
    return [m = vorlage, achse, ot, ut](QPainter& p, QSizeF größe) mutable {
        Steuerhubgraph graph(achse);
        QFont schrift = p.font();
        schrift.setFamily(QStringLiteral("Arial"));
        graph.Schrift(schrift);
        graph.Totpunkte(ot, ut);
        graph.Skalierung(m, größe * TwipsJePixel);
        p.save();
        p.scale(1.0 / TwipsJePixel, 1.0 / TwipsJePixel);
        try {
            graph.Neuzeichnen(p, m, m.FarbeSteuerHub);
        } catch (...) {
            p.restore();
            throw;
        }
        p.restore();
    };
}

Maler SteuerzeitenMaler(const Modell& vorlage, const Sprache& s, char dezimal) {
    const Sprache sprache = s;
    return [m = vorlage, sprache, dezimal](QPainter& p, QSizeF größe) mutable {
        SpiegelBerechnen(m);
        const Steuerzeitentexte t = SteuerzeitentexteFür(m, sprache, dezimal, p.font());
        p.save();
        p.scale(1.0 / TwipsJePixel, 1.0 / TwipsJePixel);
        Steuerzeitenbild bild;
        try {
            bild.Neuzeichnen(p, m, größe * TwipsJePixel, m.FarbeSteuerzeiten, t);
        } catch (...) {
            p.restore();
            throw;
        }
        p.restore();
    };
}

Maler DampfdiagrammMaler(const Modell& vorlage, const Sprache& s, const Einheitennamen& einheiten,
                         char dezimal) {
    const Sprache sprache = s;
    return [m = vorlage, sprache, einheiten, dezimal](QPainter& p, QSizeF größe) mutable {
        SpiegelBerechnen(m);
        const Diagrammrahmen r = DiagrammrahmenFür(größe, QFontMetricsF(p.font(), p.device()));
        const Dampfdiagramm d = DampfdiagrammNeuberechnen(m, r);
        DampfdiagrammZeichnen(p, r, d, DiagrammtexteFür(d, IstMM(m), sprache, einheiten, dezimal),
                              m.FarbeDiagramm);
    };
}

} // namespace vapro
