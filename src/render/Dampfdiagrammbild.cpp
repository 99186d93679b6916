#include "render/Dampfdiagrammbild.h"

#include <QPainter>
#include <algorithm>

#include "core/model/Bewegung.h"
#include "core/persist/Einheiten.h"
#include "core/persist/Texte.h"
#include "render/Farben.h"
#include "render/Zeichenstift.h"

namespace vapro {

namespace {

// Model colours: red + 256 green + 65536 blue.
constexpr uint32_t Schwarz = 0x000000, Rot = 0x0000FF, Blau = 0xFF0000;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

Diagrammrahmen DiagrammrahmenFür(QSizeF fläche, const QFontMetricsF& fm) {
    // Both texts only measure the margins, in every language.
    return DiagrammrahmenFürFenster(fläche.width(), fläche.height(), fm.height(),
                                    fm.horizontalAdvance(QStringLiteral("P [bara]")),
                                    fm.horizontalAdvance(QStringLiteral("Fullness [%]  ")));
}

Diagrammtexte DiagrammtexteFür(const Dampfdiagramm& d, bool mm, const Sprache& sprache,
                               const Einheitennamen& einheiten, char dezimal) {
    Diagrammtexte t;
    t.Druckachse = "P " + Q(einheiten.EinheitDruckAbsK);
    t.Volumenachse = "V " + Q(einheiten.EinheitVolumenK);
    t.Füllungszeile = Q(sprache.TextFüllung) + " [%]";
    t.Werte = DiagrammBeschriften(d, mm, sprache.TextPM, dezimal);
    return t;
}

void DampfdiagrammLöschen(QPainter& p, QSizeF fläche, uint32_t hintergrund) {
    p.fillRect(QRectF(QPointF(0, 0), fläche), AlsQColor(hintergrund));
}

void DampfdiagrammZeichnen(QPainter& p, const Diagrammrahmen& r, const Dampfdiagramm& d,
                           const Diagrammtexte& t, uint32_t hintergrund) {
    DampfdiagrammLöschen(p, QSizeF(r.Breite, r.Höhe), hintergrund);
    if (!(r.Plotbreite() > 0 && r.Plothöhe() > 0 && d.xs > 0 && d.ys > 0)) return;

    p.save();
    // Axis-parallel lines and dots on whole pixels, crisp.
    p.setRenderHint(QPainter::Antialiasing, false);
    Zeichenstift z(p);
    const QFontMetricsF fm(p.font(), p.device());
    const double th = fm.height();
    auto P = [&](double V, double druck) {
        const Bildpunkt b = DiagrammBildpunkt(r, d, V, druck);
        return QPointF(b.x, b.y);
    };
    const Qt::Alignment unter = Qt::AlignHCenter | Qt::AlignTop;
    const Qt::Alignment links = Qt::AlignRight | Qt::AlignVCenter;

    // Axes with arrowheads and their names.
    z.Farbe(Schwarz);
    z.Breite(1);
    const QPointF o = P(0, 0), oben = P(0, 1.1 * d.PO1), rechts = P(1.05 * d.Vt, 0);
    const double pfeilLang = 0.8 * th, pfeilHalb = 0.3 * th;
    z.Linie(o, oben);
    z.Linie(oben, oben + QPointF(-pfeilHalb, pfeilLang));
    z.Linie(oben, oben + QPointF(pfeilHalb, pfeilLang));
    z.Linie(o, rechts);
    z.Linie(rechts, rechts + QPointF(-pfeilLang, -pfeilHalb));
    z.Linie(rechts, rechts + QPointF(-pfeilLang, pfeilHalb));
    const double druckBreite = fm.horizontalAdvance(t.Druckachse);
    z.Text(QPointF(std::max(0.0, oben.x() - druckBreite / 2), oben.y() - 0.25 * th), t.Druckachse,
           Qt::AlignLeft | Qt::AlignBottom);
    z.Text(rechts + QPointF(0.25 * th, 0), t.Volumenachse, Qt::AlignLeft | Qt::AlignVCenter);
    const double zeileVolumen = o.y() + 0.25 * th, zeileProzent = o.y() + 1.5 * th;
    z.Text(QPointF(rechts.x() + 0.25 * th, zeileProzent), t.Füllungszeile);

    if (d.OhneEinlaß) {
        // No admission found: no cycle to draw, and nothing to average.
        z.Text(P(d.Vt, 0) + QPointF(0, -0.25 * th), Q(t.Werte.PM),
               Qt::AlignRight | Qt::AlignBottom);
        p.restore();
        return;
    }

    // The cycle: exhaust, admission at top dead centre, full pressure to
    // cut-off, expansion point by point, release at bottom dead centre.
    z.Linie(P(d.Vt, d.PO2), P(d.V0, d.PO2));
    z.Linie(P(d.V0, d.PO2), P(d.V0, d.PO1));
    z.Linie(P(d.V0, d.PO1), P(d.Vc, d.PO1));
    z.Breite(2);
    for (const Diagrammpunkt& punkt : d.Punkte)
        z.Punkt(P(punkt.V, punkt.p));
    z.Breite(1);
    z.Linie(P(d.Vt, d.PO2), P(d.Vt, d.pe));

    // Cut-off and volume rows under the volume axis.
    const DiagrammBeschriftung& w = t.Werte;
    const std::pair<double, const std::string*> spalten[] = {
        {d.V0, &w.ProzentV0}, {d.Vc, &w.ProzentVc}, {d.Vt, &w.ProzentVt}};
    const std::string* volumen[] = {&w.VolumenV0, &w.VolumenVc, &w.VolumenVt};
    for (int i = 0; i < 3; ++i) {
        const double x = P(spalten[i].first, 0).x();
        z.Text(QPointF(x, zeileProzent), Q(*spalten[i].second), unter);
        z.Text(QPointF(x, zeileVolumen), Q(*volumen[i]), unter);
    }

    // Red markers up from the volume axis.
    z.Farbe(Rot);
    z.Linie(P(d.Vc, 0), P(d.Vc, d.PO1));
    z.Linie(P(d.V0, 0), P(d.V0, d.PO2));
    z.Linie(P(d.Vt, 0), P(d.Vt, d.PO2));

    // Pressures left of the pressure axis, led in by blue lines.
    z.Farbe(Schwarz);
    const double xWert = o.x() - 0.25 * th;
    const std::pair<double, const std::string*> drücke[] = {
        {d.PO1, &w.DruckPO1}, {d.PO2, &w.DruckPO2}, {d.pe, &w.Druckpe}, {0, &w.DruckNull}};
    for (const auto& [druck, text] : drücke)
        z.Text(QPointF(xWert, P(0, druck).y()), Q(*text), links);
    z.Farbe(Blau);
    z.Linie(P(0, d.PO1), P(d.V0, d.PO1));
    z.Linie(P(0, d.PO2), P(d.V0, d.PO2));
    z.Linie(P(0, d.pe), P(d.Vt, d.pe));

    // The mean pressure over the stroke.
    z.Farbe(Schwarz);
    z.Breite(2);
    z.Linie(P(d.V0, d.pf), P(d.Vt, d.pf));
    // Beyond the line's end where it fits, else above the line, ending there.
    const QString pm = Q(w.PM);
    const QPointF ende = P(d.Vt, d.pf);
    if (ende.x() + 0.25 * th + fm.horizontalAdvance(pm) <= r.Breite)
        z.Text(ende + QPointF(0.25 * th, 0), pm, Qt::AlignLeft | Qt::AlignVCenter);
    else
        z.Text(ende + QPointF(0, -0.15 * th), pm, Qt::AlignRight | Qt::AlignBottom);
    p.restore();
}

QImage DampfdiagrammRendern(const Modell& vorlage, QSize pixel, const Sprache& sprache,
                            const Einheitennamen& einheiten) {
    Modell m = vorlage;
    SpiegelBerechnen(m);
    QImage bild(pixel, QImage::Format_RGB32);
    QPainter p(&bild);
    const Diagrammrahmen r = DiagrammrahmenFür(QSizeF(pixel), QFontMetricsF(p.font(), &bild));
    const Dampfdiagramm d = DampfdiagrammNeuberechnen(m, r);
    DampfdiagrammZeichnen(p, r, d, DiagrammtexteFür(d, IstMM(m), sprache, einheiten),
                          m.FarbeDiagramm);
    return bild;
}

} // namespace vapro
