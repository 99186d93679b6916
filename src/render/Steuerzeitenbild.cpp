#include "render/Steuerzeitenbild.h"

#include <QFontMetricsF>
#include <QPainter>

#include "core/analysis/Steuerzeiten.h"
#include "core/model/Bewegung.h"
#include "core/model/Kinematik.h"
#include "core/model/Schieberkanten.h"
#include "core/numbers/Zahlenformat.h"
#include "render/Dampffarben.h"
#include "render/Maschinenbild.h"
#include "render/Zeichenstift.h"

namespace vapro {

namespace {

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Room kept at the right for the event labels.
const QString Reservetext = QStringLiteral("Auf 00,00");

// Distance of a band from its port edge, radius of its dots, half height of
// an event mark and the drop of its label below the port edge.
constexpr double BandAbstand = 50, BandRadius = 10, MarkeHalb = 50, MarkeText = 80;

} // namespace

Steuerzeitentexte SteuerzeitentexteFür(const Modell& m, const Sprache& s, char dezimal,
                                       const QFont& schrift) {
    const bool deutsch = s.Sprachbasis == SprachbasisDeutsch;
    return {Text(s.TextOT),
            Text(s.TextUT),
            deutsch ? QStringLiteral("auf ") : QStringLiteral("open "),
            deutsch ? QStringLiteral("zu ") : QStringLiteral("close "),
            IstMM(m) ? QStringLiteral(" mm") : QStringLiteral(" inch"),
            dezimal,
            schrift};
}

bool Steuerzeitenbild::Skalierung(const Modell& m, QSizeF fläche, double reserve) {
    gültig_ = false;
    Steuerzeitenrahmen r;
    r.GraphHöhe = RundeHalbGerade(fläche.height());
    r.Breite = fläche.width() - r.RandLinks - reserve;
    rahmen_ = r;
    // A window smaller than its margins, or an engine without stroke or
    // port face, has nothing to show.
    if (!(r.GraphHöhe > r.RandOben + r.RandUnten) || !(r.Breite > 0) || !(m.SpieLänge > 0) ||
        !(m.Hub > 0))
        return false;
    r.MaßstabY = (r.GraphHöhe - r.RandOben - r.RandUnten) / m.SpieLänge;
    r.MaßstabX = r.Breite / (2.0 * m.Hub);
    r.KantenVersatz = {0, m.SchiLaufU * r.MaßstabY,
                       (static_cast<double>(m.SchiLänge) - m.SchiLaufO) * r.MaßstabY,
                       m.SchiLänge * r.MaßstabY};
    const double fuß = r.GraphHöhe - r.RandUnten;
    r.LinieUU = RundeHalbGerade(fuß - m.KaLaufU * r.MaßstabY);
    r.LinieUO = RundeHalbGerade(fuß - (static_cast<double>(m.KaLaufU) + m.KaWeiU) * r.MaßstabY);
    r.LinieOU = RundeHalbGerade(fuß - (static_cast<double>(m.SpieLänge) - m.KaLaufO - m.KaWeiO) *
                                          r.MaßstabY);
    r.LinieOO = RundeHalbGerade(fuß - (static_cast<double>(m.SpieLänge) - m.KaLaufO) * r.MaßstabY);
    rahmen_ = r;
    gültig_ = true;
    return true;
}

double Steuerzeitenbild::X(const Modell& m, float winkel, float kwegmm) const {
    // Travel since top dead centre: down to Hub at 180°, back up to 2·Hub.
    const double u =
        winkel <= 180 ? static_cast<double>(m.Hub) - kwegmm : static_cast<double>(m.Hub) + kwegmm;
    return rahmen_.RandLinks + u * rahmen_.MaßstabX;
}

double Steuerzeitenbild::Y(const Modell& m, double höhe) const {
    return rahmen_.GraphHöhe - rahmen_.RandUnten - (höhe - m.SpiegelU) * rahmen_.MaßstabY;
}

QPointF Steuerzeitenbild::Position(const Modell& m) const {
    return {X(m, m.Winkel, m.kwegmm), Y(m, KanteUntenAußen(m))};
}

void Steuerzeitenbild::Neuzeichnen(QPainter& p, Modell& m, QSizeF fläche, uint32_t hintergrund,
                                   const Steuerzeitentexte& t) {
    marken_.clear();
    Zeichenstift s(p);
    s.Fläche({0, 0}, {fläche.width(), fläche.height()}, hintergrund);
    // The labels keep their font size: measured on the device, in picture units.
    const QFontMetricsF fm(t.schrift, p.device());
    const QTransform& skala = p.worldTransform();
    const double reserve = fm.horizontalAdvance(Reservetext) / skala.m11();
    if (!Skalierung(m, fläche, reserve)) return;
    s.Farbe(FarbeSchwarz);
    Gitter(s, m, t);
    const Steuerzeitenrahmen& r = rahmen_;
    for (double y : {r.LinieUU, r.LinieUO, r.LinieOU, r.LinieOO})
        s.Linie({0, y}, {r.RandLinks + r.Breite, y});
    {
        const WinkelMerker merker(m);
        Kurven(s, m);
        Ereignismarken(s, m, t, fm.height() / skala.m22());
    }
    // The markers of this step read the engine where it stands.
    KinematikOhneBild(m);
}

void Steuerzeitenbild::Gitter(Zeichenstift& s, const Modell& m, const Steuerzeitentexte& t) const {
    const Steuerzeitenrahmen& r = rahmen_;
    const struct {
        double anteil; // of the stroke
        Qt::PenStyle muster;
        QString text;
    } linien[] = {{0, Qt::SolidLine, t.OT},
                  {0.5, Qt::DotLine, QStringLiteral("1/2")},
                  {1, Qt::DashLine, t.UT},
                  {1.5, Qt::DotLine, QStringLiteral("1/2")},
                  {2, Qt::SolidLine, QString()}};
    for (const auto& l : linien) {
        const double x = r.RandLinks + l.anteil * m.Hub * r.MaßstabX;
        const QPointF oben(x, r.RandOben), unten(x, r.GraphHöhe - r.RandUnten);
        if (l.muster == Qt::DotLine)
            s.LiniePunktiert(oben, unten);
        else if (l.muster == Qt::DashLine)
            s.LinieGestrichelt(oben, unten);
        else
            s.Linie(oben, unten);
        if (!l.text.isEmpty()) s.TextInSchriftgröße({x + 50, r.RandOben}, l.text, t.schrift);
    }
}

void Steuerzeitenbild::Kurven(Zeichenstift& s, Modell& m) const {
    const Steuerzeitenrahmen& r = rahmen_;
    // A band dot is about a pixel wide: a filled square draws it alike and
    // far faster than a circle.
    auto band = [&s](double x, double y, uint32_t farbe) {
        s.Fläche({x - BandRadius, y - BandRadius}, {x + BandRadius, y + BandRadius}, farbe);
    };
    for (int a = 0; a <= 360; ++a) {
        m.Winkel = static_cast<float>(a);
        KinematikOhneBild(m);
        const double x = X(m, m.Winkel, m.kwegmm);
        const Dampffarben f = DampffarbenFür(m.Einströmung);
        // Each edge as a dot; while its port is open, a band just inside the
        // port along the edge it opens.
        const float e1 = KanteUntenAußen(m), e2 = KanteUntenInnen(m), e3 = KanteObenInnen(m),
                    e4 = KanteObenAußen(m);
        s.Punkt({x, Y(m, e1)});
        if (e1 > m.KaKanteUU) band(x, r.LinieUU - BandAbstand, f.Frisch);
        s.Punkt({x, Y(m, e2)});
        if (e2 < m.KaKanteUO) band(x, r.LinieUO + BandAbstand, f.Abdampf);
        s.Punkt({x, Y(m, e3)});
        if (e3 > m.KaKanteOU) band(x, r.LinieOU - BandAbstand, f.Abdampf);
        s.Punkt({x, Y(m, e4)});
        if (e4 < m.KaKanteOO) band(x, r.LinieOO + BandAbstand, f.Frisch);
    }
}

void Steuerzeitenbild::Ereignismarken(Zeichenstift& s, Modell& m, const Steuerzeitentexte& t,
                                      double zeile) {
    const Steuerzeitenrahmen& r = rahmen_;
    SteuerzeitenSuchenWennNötig(m);
    s.Farbe(FarbeSchwarz);
    // Each edge's events on the port edge it crosses, as the search records them.
    const auto kanten = KantenereignisseFür(m.Einströmung);
    const double linien[] = {r.LinieUU, r.LinieUO, r.LinieOU, r.LinieOO};
    for (size_t i = 0; i < kanten.size(); ++i)
        for (bool öffnet : {true, false})
            Marke(s, m, t, öffnet ? kanten[i].auf : kanten[i].zu, linien[i], öffnet, zeile);
}

void Steuerzeitenbild::Marke(Zeichenstift& s, Modell& m, const Steuerzeitentexte& t,
                             Steuerzeit Modell::*ereignis, double linie, bool öffnet,
                             double zeile) {
    const Steuerzeit z = m.*ereignis;
    if (z.Winkel < 0) return; // not found: no mark
    // The engine at the event's own angle gives the mark's place.
    m.Winkel = z.Winkel;
    KinematikOhneBild(m);
    const double x = X(m, z.Winkel, m.kwegmm);
    s.Linie({x, linie - MarkeHalb}, {x, linie + MarkeHalb});
    Steuerzeitmarke marke{ereignis, z.Winkel, {x, linie}, {}};
    marke.zeilen[0] =
        (öffnet ? t.auf : t.zu) + Text(FormatMuster(z.Weg, "0.00", t.dezimal)) + t.einheit;
    marke.zeilen[1] =
        Text(FormatMuster(static_cast<double>(z.Weg) / m.Hub * 100.0, "0.00", t.dezimal)) +
        QStringLiteral(" %");
    s.TextInSchriftgröße({x, linie + MarkeText}, marke.zeilen[0], t.schrift);
    s.TextInSchriftgröße({x, linie + MarkeText + zeile}, marke.zeilen[1], t.schrift);
    marken_.push_back(std::move(marke));
}

void Steuerzeitenbild::Marker(QPainter& p, QPointF letzter, QPointF jetzt, int16_t usKreis,
                              uint32_t hintergrund) const {
    if (usKreis < 1) return;
    Zeichenstift s(p);
    s.Voll(true);
    auto setzen = [&s, usKreis](QPointF punkt) {
        if (usKreis >= 6)
            s.Kreis(punkt, usKreis);
        else
            s.Punkt(punkt);
    };
    for (double versatz : rahmen_.KantenVersatz) {
        // The last marker becomes part of the black curve again.
        s.Farbe(FarbeSchwarz);
        s.Füllfarbe(hintergrund);
        setzen({letzter.x(), letzter.y() - versatz});
        s.Farbe(FarbeRot);
        s.Füllfarbe(FarbeRot);
        setzen({jetzt.x(), jetzt.y() - versatz});
    }
}

QImage SteuerzeitenbildRendern(const Modell& m, const Steuerzeitentexte& t, QSize pixel,
                               uint32_t hintergrund) {
    Modell kopie = m;
    SpiegelBerechnen(kopie);
    QImage bild(pixel, QImage::Format_RGB32);
    if (bild.isNull()) return bild;
    QPainter p(&bild);
    p.scale(1.0 / TwipsJePixel, 1.0 / TwipsJePixel);
    Steuerzeitenbild graph;
    graph.Neuzeichnen(p, kopie, QSizeF(pixel) * TwipsJePixel, hintergrund, t);
    return bild;
}

} // namespace vapro
