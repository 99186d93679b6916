#include "render/Maschinenbild.h"

#include <QPainter>
#include <QRectF>

#include "core/model/Bewegung.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Kinematik.h"
#include "core/model/Rechnen.h"
#include "render/Farben.h"

namespace vapro {

Bildstil Bildschirmstil(const Modell& m) {
    return {m.LStärkeKurbel, m.GelenkKurbel, m.LStärkeSteuer, m.GelenkSteuer, m.LStärkeGelenke, 1,
            m.FarbeBild};
}

Bildstil Druckstil(const Modell& m) {
    return {m.LStärkeKurbelD,  m.GelenkKurbelD, m.LStärkeSteuerD, m.GelenkSteuerD,
            m.LStärkeGelenkeD, m.LStärkeRestD,  0xFFFFFF};
}

void Maschinenbild::Skalierung(Modell& m, QSizeF fläche) {
    const char* was = "picture scale";
    Bildrahmen r;
    r.Breite = Einzel(fläche.width(), was);
    r.Höhe = Einzel(fläche.height(), was);
    r.HöheKurbelseite =
        Einzel(2.0 * m.KWRadius + m.KsLänge + m.PLänge + m.KDicke + m.KOFreihub, was);
    r.HöheSchieberseite =
        Einzel(static_cast<double>(m.kaumy) + m.KWRadius + m.SpieLänge - m.KaLaufU + m.SkOben, was);
    // The lower side is moved down so that both end on the bottom margin.
    float d = 0;
    if (r.HöheKurbelseite > r.HöheSchieberseite) {
        r.BildHöheModell = r.HöheKurbelseite;
    } else {
        r.BildHöheModell = r.HöheSchieberseite;
        d = Einzel(static_cast<double>(r.HöheSchieberseite) - r.HöheKurbelseite, was);
    }
    if (!(r.BildHöheModell > 0)) throw GeometrieFehler("the engine has no height to draw");

    m.BildHöhe = r.Höhe;
    r.RandOben = Einzel(m.RandObenP * static_cast<double>(m.BildHöhe) / 100.0, was);
    r.RandUnten = Einzel(m.RandUntenP * static_cast<double>(m.BildHöhe) / 100.0, was);
    // Only the height decides the scale; whatever does not fit the width is cut off.
    m.Maßstab = Einzel(
        Teilen(static_cast<double>(m.BildHöhe) - r.RandOben - r.RandUnten, r.BildHöheModell, was),
        was);
    r.ZylOben = Einzel(r.RandOben + static_cast<double>(d) * m.Maßstab, was);
    m.YKwUnten = Einzel(static_cast<double>(m.KWRadius) * m.Maßstab + r.RandUnten, was);
    // The left margin is a share of the height, too.
    r.RandLinks = Einzel(m.RandLinksP * static_cast<double>(m.BildHöhe) / 100.0, was);
    // The wider of crank circle and cylinder touches the left margin.
    const double w = static_cast<float>(2.0 * m.KWRadius) > m.KDurchmesser
                         ? static_cast<double>(m.KWRadius)
                         : m.KDurchmesser / 2.0;
    m.XKw = Einzel(r.RandLinks + w * m.Maßstab, was);
    m.XSteuerung = Einzel(static_cast<double>(m.XKw) + static_cast<double>(m.DEX) * m.Maßstab, was);
    rahmen_ = r;

    SpiegelBerechnen(m);
    SchieberkastenBildpunkte(m);
}

void Maschinenbild::SchieberkastenBildpunkte(Modell& m) {
    const char* was = "valve chest picture";
    const double s = m.Maßstab, y0 = static_cast<double>(m.BildHöhe) - m.YKwUnten;
    const std::array<float, 8> höhen{m.SpiegelU,  m.KaKanteUU, m.KaKanteUO, m.KaKanteMU,
                                     m.KaKanteMO, m.KaKanteOU, m.KaKanteOO, m.SpiegelO};
    Schieberkastenpunkte k;
    for (std::size_t i = 0; i < höhen.size(); ++i)
        k.Y[i] = Einzel(y0 - höhen[i] * s, was);
    const double xs = m.XSteuerung;
    k.SpiegelX = Einzel(xs - m.kaumx * s, was);
    k.KastenX = Einzel(xs - (static_cast<double>(m.kaumx) - m.SkHöhe) * s, was);
    k.StutzenX = Einzel(xs - (static_cast<double>(m.kaumx) + m.KaLänge) * s, was);

    const double eu = m.SchiEU, länge = m.SchiLänge;
    auto auf = [&](double h) { return Einzel(h * s, was); };
    k.Unterkante = auf(-eu);
    k.InnenUntenOben = auf(static_cast<double>(m.SchiLaufU) - m.SchiIU - eu);
    k.LaufUntenOben = auf(m.SchiLaufU - eu);
    k.LaufObenUnten = auf(länge - m.SchiLaufO - eu);
    k.InnenObenUnten = auf(länge - m.SchiLaufO + m.SchiIO - eu);
    k.RückenOben = auf(länge - m.SchiEO - eu);
    k.Oberkante = auf(länge - eu);
    k.TiefeFuß = auf(m.SchiInTiefe / 3.0);
    k.TiefeHöhlung = auf(m.SchiInTiefe);
    k.TiefeRücken = auf(m.SchiTiefe);
    kasten_ = k;
}

void Maschinenbild::Löschen(QPainter& p, uint32_t farbe) const {
    p.fillRect(QRectF(0, 0, rahmen_.Breite, rahmen_.Höhe), AlsQColor(farbe));
}

void MaschinenbildMalen(QPainter& p, const Modell& m, QSizeF größe) {
    Modell kopie = m;
    Maschinenbild bild;
    bild.Skalierung(kopie, größe * TwipsJePixel);
    Kinematik(kopie);
    p.save();
    p.scale(1.0 / TwipsJePixel, 1.0 / TwipsJePixel);
    bild.Löschen(p, kopie.FarbeBild);
    bild.Zeichnen(p, kopie, Bildschirmstil(kopie));
    p.restore();
}

QImage MaschinenbildRendern(const Modell& m, QSize pixel) {
    QImage image(pixel, QImage::Format_RGB32);
    if (image.isNull()) return image;
    QPainter p(&image);
    MaschinenbildMalen(p, m, QSizeF(pixel));
    return image;
}

} // namespace vapro
