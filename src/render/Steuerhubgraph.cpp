#include "render/Steuerhubgraph.h"

#include <QLineF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/analysis/Steuerhub.h"
#include "core/model/Bewegung.h"
#include "core/model/Schieberkanten.h"
#include "render/Dampffarben.h"
#include "render/Zeichenstift.h"

namespace vapro {

namespace {

using P = QPointF;

// Grid lines at the quarters of a revolution and the labels after the first four.
enum class Linienart : uint8_t { Voll, Punktiert, Gestrichelt };
constexpr std::array<Linienart, 5> kGitterlinien = {Linienart::Voll, Linienart::Punktiert,
                                                    Linienart::Gestrichelt, Linienart::Punktiert,
                                                    Linienart::Voll};
constexpr double kTextAbstand = 50;
// A print grid with more lines than this across the graph is left out.
constexpr double kRasterHöchstens = 2000;

// Draws at every multiple of `abstand` strictly inside 0 ... `länge`.
template <typename F> void Rasterlinien(double länge, double abstand, F ziehen) {
    if (!(abstand > 0) || !(länge > 0) || länge / abstand > kRasterHöchstens) return;
    for (int k = 1; k * abstand < länge - 1e-9; ++k)
        ziehen(k * abstand);
}

} // namespace

Hubdruckstil HubdruckstilVon(const Modell& m) {
    Hubdruckstil d;
    d.Punktgröße = std::max<int>(m.Kuller, 1);
    d.PunkteFüllen = m.Füllen == 1;
    d.PunkteJeGrad = std::clamp<int>(m.GradPunkte, 1, SteuerhubPunkteJeGradMax);
    d.Kanalöffnung = m.Öffnung == 1;
    d.Gitterstärke = std::max<int>(m.LStärke, 1);
    d.Kanalstärke = std::max<int>(m.KStärke, 1);
    d.Winkelraster = m.WinkelRaster == 1 ? m.AbstandWinkel : 0;
    d.Kolbenwegraster = m.KolbenWeg == 1 ? m.KolbenWegAbstand : 0;
    d.Schieberwegraster = m.WegRaster == 1 ? m.AbstandWeg : 0;
    return d;
}

Steuerhubgraph::Steuerhubgraph(Hubachse achse)
    : achse_(achse), schrift_(QStringLiteral("Arial"), 8), ot_(QStringLiteral("OT")),
      ut_(QStringLiteral("UT")) {}

void Steuerhubgraph::Totpunkte(const QString& ot, const QString& ut) {
    ot_ = ot;
    ut_ = ut;
}

void Steuerhubgraph::Skalierung(const Modell& m, QSizeF flächeTwips) {
    fläche_ = flächeTwips;
    Hubrahmen r;
    r.GraphHöhe = std::round(flächeTwips.height());
    r.Breite = flächeTwips.width() - r.RandLinks - 50;
    r.Perioden = std::clamp<int>(m.usPerioden, 1, SteuerhubPeriodenMax);
    spiegelU_ = m.SpiegelU;
    const double höhe = r.GraphHöhe - r.RandOben - r.RandUnten;
    const double länge = achse_ == Hubachse::Kurbelwinkel ? 360.0 : 2.0 * m.Hub;
    r.Gültig = r.Breite > 0 && höhe > 0 && m.SpieLänge > 0 && länge > 0 &&
               std::isfinite(m.SpieLänge) && std::isfinite(länge);
    if (r.Gültig) {
        r.MaßstabY = höhe / m.SpieLänge;
        r.Periodenbreite = r.Breite / r.Perioden;
        r.MaßstabX = r.Periodenbreite / länge;
        r.KantenVersatz = {0, m.SchiLaufU * r.MaßstabY,
                           (static_cast<double>(m.SchiLänge) - m.SchiLaufO) * r.MaßstabY,
                           m.SchiLänge * r.MaßstabY};
    }
    r_ = r;
}

double Steuerhubgraph::XBei(double winkel, double kolbenweg, int umlauf) const {
    const double lage = achse_ == Hubachse::Kurbelwinkel ? winkel : kolbenweg;
    return r_.RandLinks + lage * r_.MaßstabX + umlauf * r_.Periodenbreite;
}

double Steuerhubgraph::X(const Modell& m) const {
    return XBei(m.Winkel, KolbenwegSeitOT(m), 0);
}

void Steuerhubgraph::Löschen(QPainter& p, uint32_t farbe) const {
    Zeichenstift(p).Fläche(P(0, 0), P(fläche_.width(), fläche_.height()), farbe);
}

void Steuerhubgraph::Neuzeichnen(QPainter& p, Modell& m, uint32_t hintergrund) {
    Löschen(p, hintergrund);
    gesperrt_ = true;
    ersterPunkt_ = true;
    faden_.reset();
    if (!r_.Gültig) return;
    Zeichenstift s(p);
    s.Farbe(FarbeSchwarz);
    Gitter(s);
    if (druck_) Druckgitter(s, m);
    Portkanten(s, m);
    if (m.auslaß == 1) Mittelkanal(s, m);
    s.Breite(1);
    if (druck_)
        Druckkurven(s, m);
    else
        Kurven(s, m);
}

void Steuerhubgraph::Gitter(Zeichenstift& s) const {
    const bool winkel = achse_ == Hubachse::Kurbelwinkel;
    const std::array<QString, 4> texte = {
        ot_, winkel ? QString::fromUtf8("90°") : QStringLiteral("1/2"), ut_,
        winkel ? QString::fromUtf8("270°") : QStringLiteral("1/2")};
    const double oben = r_.RandOben, unten = r_.GraphHöhe - r_.RandUnten;
    s.Breite(druck_ ? druck_->Gitterstärke : 1);
    for (int i = 0; i < r_.Perioden; ++i)
        for (size_t j = 0; j < kGitterlinien.size(); ++j) {
            const double x = r_.RandLinks + i * r_.Periodenbreite +
                             static_cast<double>(j) * r_.Periodenbreite / 4;
            const P a(x, oben), b(x, unten);
            switch (kGitterlinien[j]) {
            case Linienart::Voll:
                s.Linie(a, b);
                break;
            case Linienart::Punktiert:
                s.LiniePunktiert(a, b);
                break;
            case Linienart::Gestrichelt:
                s.LinieGestrichelt(a, b);
                break;
            }
            if (j < texte.size())
                s.TextInSchriftgröße(P(x + kTextAbstand, oben), texte[j], schrift_);
        }
}

void Steuerhubgraph::Druckgitter(Zeichenstift& s, const Modell& m) const {
    s.Breite(1);
    const double oben = r_.RandOben, unten = r_.GraphHöhe - r_.RandUnten;
    const bool winkel = achse_ == Hubachse::Kurbelwinkel;
    const double länge = winkel ? 360.0 : 2.0 * static_cast<double>(m.Hub);
    const double abstand = winkel ? druck_->Winkelraster : druck_->Kolbenwegraster;
    for (int i = 0; i < r_.Perioden; ++i)
        Rasterlinien(länge, abstand, [&](double lage) {
            const double x = r_.RandLinks + i * r_.Periodenbreite + lage * r_.MaßstabX;
            s.LiniePunktiert(P(x, oben), P(x, unten));
        });
    const double links = r_.RandLinks, rechts = r_.RandLinks + r_.Breite;
    Rasterlinien(m.SpieLänge, druck_->Schieberwegraster, [&](double höhe) {
        const double y = Y(spiegelU_ + höhe);
        s.LiniePunktiert(P(links, y), P(rechts, y));
    });
}

void Steuerhubgraph::Portkanten(Zeichenstift& s, const Modell& m) const {
    s.Breite(druck_ ? druck_->Kanalstärke : 1);
    for (int i = 0; i < r_.Perioden; ++i) {
        const double von = r_.RandLinks + i * r_.Periodenbreite, bis = von + r_.Periodenbreite;
        for (const float kante : {m.KaKanteUU, m.KaKanteUO, m.KaKanteOU, m.KaKanteOO})
            s.Linie(P(von, Y(kante)), P(bis, Y(kante)));
    }
}

void Steuerhubgraph::Mittelkanal(Zeichenstift& s, const Modell& m) const {
    // The middle port carries exhaust with outside admission, live steam with inside.
    const uint32_t farbe = DampffarbenFür(m.Einströmung).Abdampf;
    const double von = r_.RandLinks, bis = r_.RandLinks + r_.Breite;
    s.Fläche(P(von, Y(m.KaKanteMU)), P(bis, Y(m.KaKanteMO)), farbe);
    s.Linie(P(von, Y(m.KaKanteMU)), P(bis, Y(m.KaKanteMU)));
    s.Linie(P(von, Y(m.KaKanteMO)), P(bis, Y(m.KaKanteMO)));
}

void Steuerhubgraph::Kurven(Zeichenstift& s, Modell& m) const {
    const std::vector<Hubpunkt> verlauf = SteuerhubVerlauf(m);
    const Dampffarben farben = DampffarbenFür(m.Einströmung);
    std::vector<P> punkte;
    std::vector<QLineF> frisch, abdampf;
    punkte.reserve(verlauf.size() * 4 * static_cast<size_t>(r_.Perioden));
    for (const Hubpunkt& h : verlauf)
        for (int i = 0; i < r_.Perioden; ++i) {
            const double x = XBei(h.Winkel, h.Kolbenweg, i);
            for (size_t k = 0; k < h.Kante.size(); ++k) {
                const auto kante = static_cast<Schieberkante>(k);
                punkte.emplace_back(x, Y(h.Kante[k]));
                if (const auto offen = Kantenöffnung(m, kante, h.Kante[k]))
                    (ÖffnetZurKammer(kante) ? frisch : abdampf)
                        .emplace_back(x, Y(offen->von), x, Y(offen->bis));
            }
        }
    // Points first: the shading of an edge starts at its point.
    s.Punkte(punkte.data(), static_cast<int>(punkte.size()));
    s.Linien(frisch.data(), static_cast<int>(frisch.size()), farben.Frisch);
    s.Linien(abdampf.data(), static_cast<int>(abdampf.size()), farben.Abdampf);
}

void Steuerhubgraph::Druckkurven(Zeichenstift& s, Modell& m) const {
    const Hubdruckstil& d = *druck_;
    const std::vector<Hubpunkt> verlauf = SteuerhubVerlauf(m, d.PunkteJeGrad);
    const Dampffarben farben = DampffarbenFür(m.Einströmung);
    for (int i = 0; i < r_.Perioden && d.Kanalöffnung; ++i)
        for (size_t j = 1; j < verlauf.size(); ++j) {
            const Hubpunkt &a = verlauf[j - 1], &b = verlauf[j];
            const double xa = XBei(a.Winkel, a.Kolbenweg, i), xb = XBei(b.Winkel, b.Kolbenweg, i);
            for (size_t k = 0; k < a.Kante.size(); ++k) {
                // Areas between neighbouring points: no gaps at the printer's resolution.
                const auto kante = static_cast<Schieberkante>(k);
                const auto vorn = Kantenöffnung(m, kante, a.Kante[k]);
                const auto hinten = Kantenöffnung(m, kante, b.Kante[k]);
                if (!vorn || !hinten) continue;
                const std::array<P, 4> ecken = {P(xa, Y(vorn->von)), P(xa, Y(vorn->bis)),
                                                P(xb, Y(hinten->bis)), P(xb, Y(hinten->von))};
                s.Vieleck(ecken.data(), static_cast<int>(ecken.size()),
                          ÖffnetZurKammer(kante) ? farben.Frisch : farben.Abdampf);
            }
        }
    // The points on top of the shading.
    std::vector<P> punkte;
    punkte.reserve(verlauf.size() * 4 * static_cast<size_t>(r_.Perioden));
    for (const Hubpunkt& h : verlauf)
        for (int i = 0; i < r_.Perioden; ++i)
            for (const float kante : h.Kante)
                punkte.emplace_back(XBei(h.Winkel, h.Kolbenweg, i), Y(kante));
    s.Tupfen(punkte.data(), static_cast<int>(punkte.size()), d.Punktgröße, d.PunkteFüllen);
}

void Steuerhubgraph::Schritt(QPainter& p, const Modell& m, uint32_t hintergrund) {
    if (!r_.Gültig) return;
    if (BeiNullGrad(m)) gesperrt_ = false;
    if (!gesperrt_) Zeichnen(p, m, hintergrund);
}

void Steuerhubgraph::Marke(Zeichenstift& s, QPointF mitte, int16_t kreis) const {
    if (kreis >= 6)
        s.Kreis(mitte, kreis);
    else
        s.Punkt(mitte);
}

void Steuerhubgraph::Zeichnen(QPainter& p, const Modell& m, uint32_t hintergrund) {
    const P jetzt(X(m), Y(KanteUntenAußen(m)));
    if (ersterPunkt_) {
        ersterPunkt_ = false;
        letzterPunkt_ = jetzt;
    }
    Zeichenstift s(p);
    // The cursor goes first and comes back last, so that taking it away
    // restores exactly what was under it.
    if (faden_) {
        s.XorLinie(P(*faden_, 0), P(*faden_, r_.GraphHöhe));
        faden_.reset();
    }
    if (m.usKreis >= 1) {
        s.Breite(1);
        s.Voll(true);
        for (size_t k = 0; k < r_.KantenVersatz.size(); ++k)
            for (int i = 0; i < r_.Perioden; ++i) {
                const P versatz(i * r_.Periodenbreite, -r_.KantenVersatz[k]);
                s.Farbe(FarbeSchwarz);
                s.Füllfarbe(hintergrund);
                Marke(s, letzterPunkt_ + versatz, m.usKreis);
                s.Farbe(FarbeRot);
                s.Füllfarbe(FarbeRot);
                Marke(s, jetzt + versatz, m.usKreis);
            }
    }
    letzterPunkt_ = jetzt;
    if (m.faden == 1) {
        s.XorLinie(P(jetzt.x(), 0), P(jetzt.x(), r_.GraphHöhe));
        faden_ = jetzt.x();
    }
}

} // namespace vapro
