// The drawing steps of the engine picture, back to front: help lines, ports
// and chest, cylinder and piston, passages, crank drive, valve gear, valve.

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "render/Dampffarben.h"
#include "render/Maschinenbild.h"
#include "render/Zeichenstift.h"

namespace vapro {

namespace {

using P = QPointF;

class Zeichner {
  public:
    Zeichner(QPainter& p, const Modell& m, const Bildrahmen& r, const Schieberkastenpunkte& k,
             const Bildstil& stil);
    void Alles();

  private:
    void Hilfslinien();
    void Öffnungen(uint32_t unten, uint32_t oben);
    void KanalLinien();
    void Schieberkasten();
    void Dampfzustand();
    void Spiegel();
    void Rohre();
    void Kanäle();
    void Kurbeltrieb();
    void Kolbenstange();
    void Stange(float durchmesser, double von, double bis);
    void Stephenson();
    void FesterExzenter();
    void Exzenter(P mitte, P stangenende, uint32_t farbe);
    void SchieberUndStange();
    void Gelenk(P mitte, bool voll);

    Zeichenstift s_;
    const Modell& m_;
    const Bildrahmen& r_;
    const Schieberkastenpunkte& k_;
    const Bildstil& stil_;
    const double ms_; // picture units per length unit
    const bool zus_;  // colour by steam state
    Dampffarben f_;
    uint32_t oben_ = 0, unten_ = 0; // steam-state colours of the two cylinder ends
    double kwY_, zylLinks_, zylRechts_, zylUnten_, öffnungOben_, öffnungUnten_;
    double schieberOben_; // top of the valve rod
    double steinX_;
    P welle_; // the valve gear's copy of the crankshaft centre
};

Zeichner::Zeichner(QPainter& p, const Modell& m, const Bildrahmen& r, const Schieberkastenpunkte& k,
                   const Bildstil& stil)
    : s_(p), m_(m), r_(r), k_(k), stil_(stil), ms_(m.Maßstab), zus_(m.ZusZei == 1),
      f_(DampffarbenFür(m.Einströmung)) {
    if (zus_) {
        oben_ = f_.Farbe(ZustandOben(m));
        unten_ = f_.Farbe(ZustandUnten(m));
    }
    kwY_ = static_cast<double>(m.BildHöhe) - m.YKwUnten;
    zylLinks_ = m.XKw - m.KDurchmesser / 2.0 * ms_;
    zylRechts_ = zylLinks_ + m.KDurchmesser * ms_;
    zylUnten_ =
        r.ZylOben +
        (static_cast<double>(m.KOFreihub) + m.KDicke + m.KUFreihub + 2.0 * m.KWRadius) * ms_;
    öffnungOben_ = m.KOFreihub * ms_;
    öffnungUnten_ = m.KUFreihub * ms_;
    schieberOben_ = m.SteinYBild - m.SstLänge * ms_;
    // Only the link motion places the die block off the shaft's vertical.
    steinX_ = m.Umsteuertyp == 1 ? m.SteinXBild : m.XSteuerung;
    welle_ = P(m.XSteuerung, kwY_);
}

void Zeichner::Alles() {
    s_.Farbe(FarbeSchwarz);
    s_.Füllfarbe(stil_.Hintergrund);
    s_.Voll(true);
    s_.Breite(stil_.Rest);

    if (m_.HilfslinienZeigen == 1) Hilfslinien();
    if (m_.KaJa == 1) {
        Öffnungen(stil_.Hintergrund, stil_.Hintergrund);
        KanalLinien();
    }
    if (m_.SpieJa == 1) {
        Schieberkasten();
        if (zus_) Dampfzustand();
        Spiegel();
        Rohre();
    }

    // cylinder and piston
    s_.Farbe(FarbeSchwarz);
    s_.Voll(false);
    s_.Breite(stil_.Rest);
    s_.Rechteck(P(zylLinks_, r_.ZylOben), P(zylRechts_, zylUnten_));
    s_.Fläche(P(zylLinks_, m_.KolbenYBild - m_.KDicke * ms_), P(zylRechts_, m_.KolbenYBild),
              s_.Farbe());

    s_.Füllfarbe(stil_.Hintergrund);
    if (m_.KaJa == 1) Kanäle();
    Kurbeltrieb();
    Kolbenstange();
    s_.Breite(stil_.Gelenke);
    s_.Kreis(P(m_.KurbelXBild, m_.KurbelYBild), stil_.GelenkKurbel);
    s_.Kreis(P(m_.XKw, m_.KreuzkopfYBild), stil_.GelenkKurbel);

    if (m_.Umsteuertyp == 1)
        Stephenson();
    else
        FesterExzenter();
}

void Zeichner::Hilfslinien() {
    for (float h : m_.Hilfslinie) {
        const double y = kwY_ - h * ms_;
        s_.Linie(P(r_.RandLinks, y), P(r_.Breite, y));
    }
}

// The wall of the cylinder over the two openings of the passages.
void Zeichner::Öffnungen(uint32_t unten, uint32_t oben) {
    s_.Linie(P(zylRechts_, zylUnten_), P(zylRechts_, zylUnten_ - öffnungUnten_), unten);
    s_.Linie(P(zylRechts_, r_.ZylOben), P(zylRechts_, r_.ZylOben + öffnungOben_), oben);
}

void Zeichner::KanalLinien() {
    const double x = k_.StutzenX;
    s_.Linie(P(zylRechts_, zylUnten_), P(x, k_.Y[1]));
    s_.Linie(P(zylRechts_, zylUnten_ - öffnungUnten_), P(x, k_.Y[2]));
    s_.Linie(P(zylRechts_, r_.ZylOben), P(x, k_.Y[6]));
    s_.Linie(P(zylRechts_, r_.ZylOben + öffnungOben_), P(x, k_.Y[5]));
}

void Zeichner::Schieberkasten() {
    const double oben = k_.Y[7] - m_.SkOben * ms_, unten = k_.Y[0] + m_.SkUnten * ms_;
    if (zus_) {
        s_.Füllfarbe(f_.Kasten);
        s_.Rechteck(P(k_.SpiegelX, oben), P(k_.KastenX, unten));
        s_.Füllfarbe(FarbeWeiß);
        return;
    }
    // The face side is left open for the port face drawn next.
    s_.Linie(P(k_.SpiegelX, k_.Y[7]), P(k_.SpiegelX, oben));
    s_.Linie(P(k_.SpiegelX, oben), P(k_.KastenX, oben));
    s_.Linie(P(k_.KastenX, oben), P(k_.KastenX, unten));
    s_.Linie(P(k_.KastenX, unten), P(k_.SpiegelX, unten));
    s_.Linie(P(k_.SpiegelX, unten), P(k_.SpiegelX, k_.Y[0]));
}

void Zeichner::Dampfzustand() {
    // The cavity reaches under the valve's walls, which the grey valve covers later.
    const double h = (static_cast<double>(m_.SchiLaufO) - m_.SchiEO - m_.SchiIO) / 2.0 * ms_;
    const double v = schieberOben_;
    s_.Fläche(P(k_.SpiegelX, v - (k_.InnenObenUnten + h)),
              P(k_.SpiegelX + k_.TiefeHöhlung, v - (k_.InnenUntenOben - h)), f_.Höhlung);

    s_.Fläche(P(k_.SpiegelX, k_.Y[5]), P(k_.StutzenX, k_.Y[6]), oben_);
    s_.Fläche(P(zylLinks_, r_.ZylOben), P(zylRechts_, m_.KolbenYBild), oben_);
    s_.Fläche(P(k_.SpiegelX, k_.Y[1]), P(k_.StutzenX, k_.Y[2]), unten_);
    s_.Fläche(P(zylLinks_, m_.KolbenYBild), P(zylRechts_, zylUnten_), unten_);

    const double w = (k_.Y[3] - k_.Y[4]) / 2.0;
    s_.Fläche(P(k_.SpiegelX, k_.Y[3]), P(k_.StutzenX - w, k_.Y[4]), f_.Abdampf);
}

void Zeichner::Spiegel() {
    const double x = k_.SpiegelX, st = k_.StutzenX;
    const auto& y = k_.Y;
    const double w = (y[3] - y[4]) / 2.0; // the middle port ends in its outlet circle
    s_.Farbe(FarbeSchwarz);
    s_.Linie(P(x, y[0]), P(x, y[1]));
    s_.Linie(P(x, y[1]), P(st - 1.0, y[1]));
    s_.Linie(P(st, y[2]), P(x, y[2]));
    s_.Linie(P(x, y[2]), P(x, y[3]));
    s_.Linie(P(x, y[3]), P(st - w, y[3]));
    s_.Linie(P(st - w, y[4]), P(x, y[4]));
    s_.Linie(P(x, y[4]), P(x, y[5]));
    s_.Linie(P(x, y[5]), P(st, y[5]));
    s_.Linie(P(st, y[6]), P(x, y[6]));
    s_.Linie(P(x, y[6]), P(x, y[7]));
}

void Zeichner::Rohre() {
    const auto& y = k_.Y;
    const uint32_t grund = stil_.Hintergrund;
    // Exhaust leaves through the middle port with outside admission, live steam
    // with inside admission; the chest pipe carries the other.
    const bool innen = m_.Einströmung == 1;
    const double dMitte = (innen ? m_.DFrischdampf : m_.DAbdampf) * ms_;
    const double dKasten = (innen ? m_.DAbdampf : m_.DFrischdampf) * ms_;

    const double w = (y[3] - y[4]) / 2.0;
    const P auslass(k_.StutzenX - w, y[4] + w);
    s_.Füllfarbe(zus_ ? f_.Abdampf : grund);
    s_.Kreis(auslass, w);
    s_.Kreis(auslass, dMitte / 2.0);

    const double xEnde = m_.ummxBild, oben = y[7] - dKasten, unten = y[7] - 1.0;
    if (zus_) s_.Fläche(P(k_.KastenX, oben), P(xEnde, y[7]), f_.Kasten);
    // Open the chest wall into the pipe.
    s_.Linie(P(k_.KastenX, oben), P(k_.KastenX, unten), zus_ ? f_.Kasten : grund);
    s_.Linie(P(k_.KastenX, oben), P(xEnde, oben));
    s_.Linie(P(k_.KastenX, unten), P(xEnde, unten));
    s_.Füllfarbe(zus_ ? f_.Kasten : grund);
    s_.Kreis(P(xEnde, y[7] - dKasten / 2.0), dKasten / 2.0);
    s_.Füllfarbe(grund);
}

void Zeichner::Kanäle() {
    const double st = k_.StutzenX;
    if (zus_) {
        const P oben[] = {P(zylRechts_, r_.ZylOben), P(st, k_.Y[6]), P(st, k_.Y[5]),
                          P(zylRechts_, r_.ZylOben + öffnungOben_)};
        const P unten[] = {P(zylRechts_, zylUnten_ - öffnungUnten_), P(st, k_.Y[2]), P(st, k_.Y[1]),
                           P(zylRechts_, zylUnten_)};
        s_.Vieleck(oben, 4, oben_);
        s_.Vieleck(unten, 4, unten_);
    }
    Öffnungen(zus_ ? unten_ : stil_.Hintergrund, zus_ ? oben_ : stil_.Hintergrund);
    KanalLinien();
}

void Zeichner::Kurbeltrieb() {
    const P welle(m_.XKw, kwY_), zapfen(m_.KurbelXBild, m_.KurbelYBild);
    s_.Voll(true);
    s_.Breite(stil_.Rest);
    s_.Kreis(welle, m_.KWRadius * ms_);
    s_.Breite(stil_.Kurbel);
    s_.Linie(welle, zapfen);
    s_.Breite(stil_.Gelenke);
    s_.Füllfarbe(s_.Farbe());
    s_.Kreis(welle, stil_.GelenkKurbel);
    s_.Füllfarbe(stil_.Hintergrund);
    s_.Breite(stil_.Kurbel);
    s_.Linie(zapfen, P(m_.XKw, m_.KreuzkopfYBild));
}

void Zeichner::Kolbenstange() {
    const double innen = zylUnten_ - r_.ZylOben;
    const double kolben = m_.KolbenYBild;
    if (m_.KolbenstangendickeJa == 1) {
        Stange(m_.KsDurchmesserU, m_.KreuzkopfYBild, kolben);
        if (m_.KsDurchmesserO > 0) Stange(m_.KsDurchmesserO, kolben, kolben - innen);
        return;
    }
    s_.Breite(stil_.Kurbel);
    s_.Linie(P(m_.XKw, m_.KreuzkopfYBild), P(m_.XKw, kolben));
    if (m_.KsDurchmesserO > 0) s_.Linie(P(m_.XKw, kolben), P(m_.XKw, kolben - innen));
}

// A rod to scale: its width in whole pixels, at least one, so that it also
// scales with the painter on a printer page.
void Zeichner::Stange(float durchmesser, double von, double bis) {
    const double pixel = std::max(1.0, std::round(durchmesser * ms_ / TwipsJePixel));
    const double halb = pixel * TwipsJePixel / 2.0;
    s_.Fläche(P(m_.XKw - halb, von), P(m_.XKw + halb, bis), s_.Farbe());
}

void Zeichner::Exzenter(P mitte, P stangenende, uint32_t farbe) {
    if (m_.ExRadius != 0) {
        s_.Füllfarbe(farbe);
        s_.Kreis(mitte, m_.ExRadius * ms_);
        s_.Füllfarbe(stil_.Hintergrund);
    }
    s_.Linie(welle_, mitte);
    s_.Linie(mitte, stangenende);
}

void Zeichner::Stephenson() {
    const P exRück(m_.ExRückXBild, m_.ExRückYBild),
        balkenRück(m_.BalkenRückXBild, m_.BalkenRückYBild);
    const P exVor(m_.ExVorXBild, m_.ExVorYBild), stangeVor(m_.StangeVorXBild, m_.StangeVorYBild);
    const P hebel(m_.HebelXBild, m_.HebelYBild), umm(m_.ummxBild, m_.ummyBild);
    s_.Breite(stil_.Steuer);
    s_.Farbe(FarbeRot);
    Exzenter(exRück, balkenRück, FarbeRot);
    s_.Farbe(FarbeBlau);
    Exzenter(exVor, stangeVor, FarbeBlau);

    s_.Farbe(FarbeSchwarz);
    const P kulisse(m_.KulisseMitteXBild, m_.KulisseMitteYBild);
    s_.Bogen(kulisse, m_.BaRadius * ms_, m_.KulisseAnfang, m_.KulisseEnde);
    if (m_.UmKonturJa == 1)
        for (double seite : {-0.5, 0.5})
            s_.Bogen(kulisse, (m_.BaRadius + seite * m_.Balkenstärke) * ms_, m_.KulisseAnfang,
                     m_.KulisseEnde);
    s_.Linie(umm, hebel);
    s_.Linie(P(m_.BalkenVorXBild, m_.BalkenVorYBild), hebel);
    SchieberUndStange();

    s_.Farbe(FarbeSchwarz);
    s_.Breite(stil_.Gelenke);
    Gelenk(exRück, false);
    Gelenk(balkenRück, false);
    Gelenk(exVor, false);
    Gelenk(stangeVor, false);
    Gelenk(welle_, true);
    Gelenk(P(steinX_, schieberOben_), false);
    if (m_.UmKonturJa == 1) {
        // Outline only, so the lever and the suspension link stay visible.
        s_.Voll(false);
        s_.Kreis(hebel, m_.UmHebelStärkeUnten / 2.0 * ms_);
        s_.Voll(true);
    }
    Gelenk(hebel, false);
    Gelenk(umm, true);
    if (m_.UmKonturJa == 1) {
        s_.Füllfarbe(s_.Farbe());
        s_.Kreis(umm, m_.UmHebelStärkeOben / 2.0 * ms_);
        s_.Füllfarbe(stil_.Hintergrund);
    }
    Gelenk(P(steinX_, m_.SteinYBild), true);
}

void Zeichner::FesterExzenter() {
    const P exVor(m_.ExVorXBild, m_.ExVorYBild), stangeVor(m_.StangeVorXBild, m_.StangeVorYBild);
    s_.Breite(stil_.Steuer);
    s_.Farbe(FarbeBlau);
    Exzenter(exVor, stangeVor, FarbeBlau);
    s_.Farbe(FarbeSchwarz);
    SchieberUndStange();

    s_.Farbe(FarbeSchwarz);
    s_.Breite(stil_.Gelenke);
    Gelenk(exVor, false);
    Gelenk(stangeVor, false);
    Gelenk(welle_, true);
    Gelenk(P(steinX_, schieberOben_), false);
}

void Zeichner::Gelenk(P mitte, bool voll) {
    s_.Voll(true);
    s_.Füllfarbe(voll ? s_.Farbe() : stil_.Hintergrund);
    s_.Kreis(mitte, stil_.GelenkSteuer);
    s_.Füllfarbe(stil_.Hintergrund);
}

void Zeichner::SchieberUndStange() {
    const double v = schieberOben_;
    s_.Linie(P(steinX_, m_.SteinYBild), P(steinX_, v));

    // The valve in section: feet on the port face, cavity walls, back.
    const double x = k_.SpiegelX, fuß = x + k_.TiefeFuß, höhlung = x + k_.TiefeHöhlung,
                 rücken = x + k_.TiefeRücken;
    const uint32_t alt = s_.Farbe();
    s_.Farbe(FarbeGrau);
    s_.Füllfarbe(FarbeGrau);
    s_.Voll(true);
    s_.Rechteck(P(x, v - k_.Unterkante), P(fuß, v - k_.LaufUntenOben));
    s_.Rechteck(P(fuß, v), P(höhlung, v - k_.InnenUntenOben));
    s_.Rechteck(P(höhlung, v), P(rücken, v - k_.RückenOben));
    s_.Rechteck(P(fuß, v - k_.InnenObenUnten), P(höhlung, v - k_.RückenOben));
    s_.Rechteck(P(x, v - k_.LaufObenUnten), P(fuß, v - k_.Oberkante));
    s_.Farbe(alt);
    s_.Füllfarbe(stil_.Hintergrund);
}

} // namespace

void Maschinenbild::Zeichnen(QPainter& p, const Modell& m, const Bildstil& stil) const {
    Löschen(p, stil.Hintergrund);
    // Smooth lines on screen, in exports and on paper alike.
    const bool glatt = p.testRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::Antialiasing);
    Zeichner(p, m, rahmen_, kasten_, stil).Alles();
    p.setRenderHint(QPainter::Antialiasing, glatt);
}

} // namespace vapro
