#include "render/Steinspringbild.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/analysis/Steuerzeiten.h"
#include "core/numbers/Zahlenformat.h"
#include "render/Dampffarben.h"
#include "render/Zeichenstift.h"

namespace vapro {

namespace {

using P = QPointF;

constexpr uint32_t FarbeGrün = 0x008000;
constexpr double Markenradius = 3;

} // namespace

void Steinspringbild::Zeichnen(QPainter& p, QSizeF fläche, const std::optional<Steinweg>& weg,
                               bool ohneKulisse, const Steuerungsverlauf& v, float umWinkelGrad,
                               uint32_t hintergrund) {
    letzte_.reset();
    faden_.reset();
    lage_ = springen_ = Graphfeld();
    Zeichenstift s(p);
    s.Fläche(P(0, 0), P(fläche.width(), fläche.height()), hintergrund);
    s.Farbe(FarbeSchwarz);
    if (!weg) {
        s.Text(P(fläche.width() / 2, fläche.height() / 2),
               ohneKulisse ? texte_.OhneKulisse : texte_.Fehler, Qt::AlignCenter);
        return;
    }

    const double zeile = s.Zeilenhöhe();
    const double zahlen = s.Textbreite(QStringLiteral("-000.00")) + 8;
    // A line for the slip's figure, one for the axis titles.
    const double oben = 2.7 * zeile, unten = 2.6 * zeile, rand = 12;
    const double höhe = fläche.height() - oben - unten;
    const double frei = fläche.width() - 2 * zahlen - 2 * rand;
    const double breiteLinks = std::round(0.6 * frei);
    lage_ = Graphfeld(QRectF(zahlen, oben, breiteLinks, höhe), {0, 360, 90},
                      AchseFür(weg->Min, weg->Max, 4));

    double größtes = 0;
    for (const Verlaufspunkt& q : v.Punkte)
        if (q.Steinspringen) größtes = std::max<double>(größtes, *q.Steinspringen);
    größtes = std::max<double>(größtes, weg->Springen());
    const float vorn = v.Punkte.empty() ? umWinkelGrad : v.Punkte.front().UmWinkelGrad;
    const float hinten = v.Punkte.empty() ? umWinkelGrad : v.Punkte.back().UmWinkelGrad;
    const Achsenbereich hebel = vorn < hinten
                                    ? Achsenbereich{vorn, hinten, AchseFür(vorn, hinten).teilung}
                                    : AchseFür(vorn, hinten);
    springen_ = Graphfeld(QRectF(2 * zahlen + rand + breiteLinks, oben, frei - breiteLinks, höhe),
                          hebel, AchseFür(0, größtes, 4));
    if (!lage_.Gültig() || !springen_.Gültig()) return;

    lage_.Rahmen(s, texte_.Kurbelachse, texte_.Lageachse, dezimal_, [this](double w) {
        const int grad = static_cast<int>(std::lround(w));
        if (grad % 360 == 0) return texte_.OT;
        if (grad == 180) return texte_.UT;
        return QString::number(grad) + QString::fromUtf8("°");
    });
    springen_.Rahmen(s, texte_.Hebelachse, texte_.Springachse, dezimal_);

    // The slip between the two extremes, its figure above the graph.
    s.Farbe(FarbeGrün);
    for (const float grenze : {weg->Min, weg->Max})
        s.LinieGestrichelt(lage_.P(0, grenze), lage_.P(360, grenze));
    s.Farbe(FarbeSchwarz);
    s.Text(P(lage_.Plot().left(), 0.2 * zeile),
           texte_.Springen + ": " +
               QString::fromStdString(FormatMuster(weg->Springen(), muster_, dezimal_)) + " " +
               texte_.Einheit);

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    std::vector<P> kurve;
    kurve.reserve(weg->Lage.size() + 1);
    for (size_t i = 0; i < weg->Lage.size(); ++i)
        kurve.push_back(lage_.P(SuchWinkel(static_cast<int>(i)), weg->Lage[i]));
    kurve.push_back(lage_.P(360, weg->Lage.front())); // the revolution closes
    s.Farbe(FarbeBlau);
    s.Breite(1);
    s.Linienzug(kurve.data(), static_cast<int>(kurve.size()));

    std::vector<P> bereich;
    bereich.reserve(v.Punkte.size());
    for (const Verlaufspunkt& q : v.Punkte)
        if (q.Steinspringen) bereich.push_back(springen_.P(q.UmWinkelGrad, *q.Steinspringen));
    s.Farbe(FarbeGrün);
    s.Breite(2);
    s.Linienzug(bereich.data(), static_cast<int>(bereich.size()));
    p.restore();

    // The lever where it stands, with the slip just computed there.
    s.Breite(1);
    s.Farbe(FarbeGrau);
    const double x = springen_.X(umWinkelGrad);
    if (x >= springen_.Plot().left() && x <= springen_.Plot().right())
        s.LinieGestrichelt(P(x, springen_.Plot().top()), P(x, springen_.Plot().bottom()));
    s.Farbe(FarbeRot);
    s.Füllfarbe(FarbeRot);
    s.Voll(true);
    s.Kreis(springen_.P(umWinkelGrad, weg->Springen()), Markenradius);
    s.Voll(false);
}

void Steinspringbild::Schritt(QPainter& p, const Modell& m, bool faden, uint32_t hintergrund) {
    if (!lage_.Gültig() || m.Umsteuertyp != 1) return;
    Zeichenstift s(p);
    // The cursor goes first and comes back last, so that taking it away
    // restores exactly what was under it.
    if (faden_) {
        s.XorLinie(P(*faden_, lage_.Plot().top() + 1), P(*faden_, lage_.Plot().bottom() - 1));
        faden_.reset();
    }
    const P jetzt = lage_.P(m.Winkel, SteinLage(m));
    s.Breite(1);
    s.Voll(true);
    if (letzte_) {
        s.Farbe(FarbeSchwarz);
        s.Füllfarbe(hintergrund);
        s.Kreis(*letzte_, Markenradius);
    }
    s.Farbe(FarbeRot);
    s.Füllfarbe(FarbeRot);
    s.Kreis(jetzt, Markenradius);
    s.Voll(false);
    letzte_ = jetzt;
    if (faden) {
        const double x = std::round(jetzt.x());
        s.XorLinie(P(x, lage_.Plot().top() + 1), P(x, lage_.Plot().bottom() - 1));
        faden_ = x;
    }
}

} // namespace vapro
