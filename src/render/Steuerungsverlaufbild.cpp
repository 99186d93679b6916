#include "render/Steuerungsverlaufbild.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "render/Dampffarben.h"
#include "render/Zeichenstift.h"

namespace vapro {

namespace {

using P = QPointF;

// Model colours (red + 256 green + 65536 blue).
constexpr uint32_t FarbeGrün = 0x008000, FarbeZielband = 0xD8F0D8;
constexpr double Musterlänge = 22; // a curve's sample in the legend

uint32_t EndeFarbe(bool oben) {
    return oben ? FarbeRot : FarbeBlau;
}

// A curve through the lever angles where `wert` has a value: connected runs,
// an isolated value as a dot.
void Kurve(Zeichenstift& s, const Graphfeld& f, const Steuerungsverlauf& v, bool gestrichelt,
           const std::function<std::optional<float>(const Verlaufspunkt&)>& wert) {
    std::vector<P> lauf;
    lauf.reserve(v.Punkte.size());
    auto ende = [&] {
        if (lauf.size() == 1) s.Kreis(lauf.front(), 1.5);
        if (gestrichelt)
            s.LinienzugGestrichelt(lauf.data(), static_cast<int>(lauf.size()));
        else
            s.Linienzug(lauf.data(), static_cast<int>(lauf.size()));
        lauf.clear();
    };
    for (const Verlaufspunkt& p : v.Punkte) {
        const std::optional<float> w = p.Lösbar() ? wert(p) : std::nullopt;
        if (w)
            lauf.push_back(f.P(p.UmWinkelGrad, *w));
        else
            ende();
    }
    ende();
}

std::optional<float> Prozent(const std::optional<Verlaufsereignis>& e) {
    return e ? std::optional(e->Prozent) : std::nullopt;
}

} // namespace

void Steuerungsverlaufbild::Zeichnen(QPainter& p, QSizeF fläche, const Steuerungsverlauf& v,
                                     uint32_t hintergrund,
                                     std::optional<std::pair<float, float>> zielband) {
    marke_.reset();
    füllung_ = unten_ = Graphfeld();
    Zeichenstift s(p);
    s.Fläche(P(0, 0), P(fläche.width(), fläche.height()), hintergrund);
    s.Farbe(FarbeSchwarz);
    if (v.Punkte.empty()) {
        s.Text(P(fläche.width() / 2, fläche.height() / 2), texte_.Leer, Qt::AlignCenter);
        return;
    }

    // Margins for the labels: numbers on the left, the legend on the right,
    // a title above each panel, tick labels below each and the lever axis's
    // title at the bottom.
    const double zeile = s.Zeilenhöhe();
    double legende = 0;
    for (const QString& t :
         {texte_.Oben + ", " + texte_.Zurück, texte_.Unten + ", " + texte_.Zurück,
          texte_.Voreilen + ", " + texte_.Unten, texte_.Steinspringen})
        legende = std::max(legende, s.Textbreite(t));
    const double links = s.Textbreite(QStringLiteral("-000.00")) + 8;
    const double rechts = Musterlänge + legende + 20;
    const double oben = 1.5 * zeile, zwischen = 2.8 * zeile, unten = 2.6 * zeile;
    const double höhe = fläche.height() - oben - zwischen - unten;
    const double breite = fläche.width() - links - rechts;
    const double höheOben = std::round(0.55 * höhe);

    double min = 0, max = 0;
    const float vorn = v.Punkte.front().UmWinkelGrad, hinten = v.Punkte.back().UmWinkelGrad;
    for (const Verlaufspunkt& q : v.Punkte) {
        if (!q.Lösbar()) continue;
        for (bool o : {true, false}) {
            min = std::min<double>(min, q.Ende(true, o).Voreilen);
            max = std::max<double>(max, q.Ende(true, o).Voreilen);
        }
        if (q.Steinspringen) max = std::max<double>(max, *q.Steinspringen);
    }
    const Achsenbereich hebel = vorn < hinten
                                    ? Achsenbereich{vorn, hinten, AchseFür(vorn, hinten).teilung}
                                    : AchseFür(vorn, hinten);
    füllung_ = Graphfeld(QRectF(links, oben, breite, höheOben), hebel, {0, 100, 20});
    unten_ = Graphfeld(QRectF(links, oben + höheOben + zwischen, breite, höhe - höheOben), hebel,
                       AchseFür(min, max, 4));
    if (!füllung_.Gültig() || !unten_.Gültig()) return;

    if (zielband) {
        const double a = std::clamp<double>(zielband->first, 0, 100);
        const double b = std::clamp<double>(zielband->second, 0, 100);
        s.Fläche(füllung_.P(hebel.von, a), füllung_.P(hebel.bis, b), FarbeZielband);
    }
    füllung_.Rahmen(s, QString(), texte_.Füllungsachse, dezimal_);
    unten_.Rahmen(s, texte_.Hebelachse, texte_.Untenachse, dezimal_);
    if (unten_.AchseY().von < 0 && unten_.AchseY().bis > 0) {
        s.Farbe(FarbeSchwarz);
        s.Linie(unten_.P(hebel.von, 0), unten_.P(hebel.bis, 0));
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    Kurven(s, v);
    p.restore();
    Legende(s, links + breite + 12);
}

void Steuerungsverlaufbild::Kurven(Zeichenstift& s, const Steuerungsverlauf& v) const {
    s.Breite(1);
    s.Voll(true);
    for (bool vor : {true, false})
        for (bool oben : {true, false}) {
            s.Farbe(EndeFarbe(oben));
            s.Füllfarbe(EndeFarbe(oben));
            Kurve(s, füllung_, v, !vor, [vor, oben](const Verlaufspunkt& p) {
                return Prozent(p.Ende(vor, oben).Füllung);
            });
        }
    // The lead is that of the dead centre, whichever way the engine turns.
    for (bool oben : {true, false}) {
        s.Farbe(EndeFarbe(oben));
        s.Füllfarbe(EndeFarbe(oben));
        Kurve(s, unten_, v, false, [oben](const Verlaufspunkt& p) {
            return std::optional(p.Ende(true, oben).Voreilen);
        });
    }
    s.Breite(2);
    s.Farbe(FarbeGrün);
    s.Füllfarbe(FarbeGrün);
    Kurve(s, unten_, v, false, [](const Verlaufspunkt& p) { return p.Steinspringen; });
    s.Breite(1);
    s.Voll(false);
}

void Steuerungsverlaufbild::Legende(Zeichenstift& s, double x) const {
    struct Eintrag {
        QString text;
        uint32_t farbe;
        bool gestrichelt;
        int breite;
    };
    const double zeile = s.Zeilenhöhe();
    auto block = [&](double y, const std::vector<Eintrag>& einträge) {
        for (const Eintrag& e : einträge) {
            const std::array<P, 2> muster{P(x, y + zeile / 2), P(x + Musterlänge, y + zeile / 2)};
            s.Farbe(e.farbe);
            s.Breite(e.breite);
            if (e.gestrichelt)
                s.LinienzugGestrichelt(muster.data(), 2);
            else
                s.Linienzug(muster.data(), 2);
            s.Farbe(FarbeSchwarz);
            s.Text(P(x + Musterlänge + 6, y), e.text);
            y += zeile * 1.2;
        }
    };
    block(füllung_.Plot().top(), {{texte_.Oben + ", " + texte_.Vor, FarbeRot, false, 1},
                                  {texte_.Unten + ", " + texte_.Vor, FarbeBlau, false, 1},
                                  {texte_.Oben + ", " + texte_.Zurück, FarbeRot, true, 1},
                                  {texte_.Unten + ", " + texte_.Zurück, FarbeBlau, true, 1}});
    block(unten_.Plot().top(), {{texte_.Voreilen + ", " + texte_.Oben, FarbeRot, false, 1},
                                {texte_.Voreilen + ", " + texte_.Unten, FarbeBlau, false, 1},
                                {texte_.Steinspringen, FarbeGrün, false, 2}});
    s.Breite(1);
}

void Steuerungsverlaufbild::Hebellinie(QPainter& p, float grad) const {
    if (!füllung_.Gültig() || !std::isfinite(grad)) return;
    const double x = füllung_.X(grad);
    if (x < füllung_.Plot().left() || x > füllung_.Plot().right()) return;
    Zeichenstift s(p);
    s.Farbe(FarbeSchwarz);
    for (const Graphfeld* f : {&füllung_, &unten_})
        s.LinieGestrichelt(P(x, f->Plot().top()), P(x, f->Plot().bottom()));
}

void Steuerungsverlaufbild::Hebelmarke(QPainter& p, std::optional<float> grad) {
    if (!füllung_.Gültig()) return;
    Zeichenstift s(p);
    auto linie = [&](double x) {
        for (const Graphfeld* f : {&füllung_, &unten_})
            s.XorLinie(P(x, f->Plot().top() + 1), P(x, f->Plot().bottom() - 1));
    };
    std::optional<double> neu;
    if (grad && std::isfinite(*grad)) {
        const double x = std::round(füllung_.X(*grad));
        if (x >= füllung_.Plot().left() && x <= füllung_.Plot().right()) neu = x;
    }
    if (neu == marke_) return;
    if (marke_) linie(*marke_);
    if (neu) linie(*neu);
    marke_ = neu;
}

} // namespace vapro
