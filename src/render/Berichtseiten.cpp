#include "render/Berichtseiten.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <numeric>

#include "core/model/GeometrieFehler.h"

namespace vapro {

namespace {

constexpr double kZeilenfaktor = 1.2; // line height over the font's height
constexpr double kAbstand = 0.6;      // lines of space above a heading

} // namespace

Berichtsseiten::Berichtsseiten(QPaintDevice& gerät, QPainter& p, std::function<bool()> neueSeite,
                               QString fuß, QString seitentext, QString fehlertext)
    : gerät_(gerät), p_(p), neueSeite_(std::move(neueSeite)), fuß_(std::move(fuß)),
      seitentext_(std::move(seitentext)), fehlertext_(std::move(fehlertext)) {
    schrift_ = QFont(QStringLiteral("Arial"));
    schrift_.setPointSizeF(9);
    p_.setFont(schrift_);
    breite_ = gerät_.width();
    // The foot takes the last two lines of the page.
    höhe_ = gerät_.height() - 2 * Zeilenhöhe();
}

QFontMetricsF Berichtsseiten::Schriftmaße() const {
    return QFontMetricsF(schrift_, &gerät_);
}

double Berichtsseiten::Zeilenhöhe() const {
    return Schriftmaße().height() * kZeilenfaktor;
}

double Berichtsseiten::Frei() const {
    return höhe_ - y_;
}

void Berichtsseiten::Platz(double höhe) {
    if (!leer_ && höhe > Frei()) NeueSeite();
}

void Berichtsseiten::Fuß() {
    p_.save();
    QFont klein = schrift_;
    klein.setPointSizeF(7);
    p_.setFont(klein);
    p_.setPen(Qt::black);
    const double unten = gerät_.height();
    const QRectF zeile(0, unten - Zeilenhöhe(), breite_, Zeilenhöhe());
    p_.drawLine(QPointF(0, zeile.top()), QPointF(breite_, zeile.top()));
    p_.drawText(zeile, Qt::AlignLeft | Qt::AlignVCenter, fuß_);
    p_.drawText(zeile, Qt::AlignRight | Qt::AlignVCenter,
                QString(seitentext_).replace(QStringLiteral("|1"), QString::number(seite_)));
    p_.restore();
}

void Berichtsseiten::NeueSeite() {
    Fuß();
    neueSeite_();
    // A painter begun anew on the next page starts from its defaults.
    p_.setFont(schrift_);
    p_.setPen(Qt::black);
    ++seite_;
    y_ = 0;
    leer_ = true;
}

int Berichtsseiten::Abschließen() {
    Fuß();
    return seite_;
}

void Berichtsseiten::Titel(const QString& text) {
    QFont groß = schrift_;
    groß.setPointSizeF(18);
    groß.setBold(true);
    const double h = QFontMetricsF(groß, &gerät_).height() * kZeilenfaktor;
    Platz(h);
    p_.save();
    p_.setFont(groß);
    p_.drawText(QRectF(0, y_, breite_, h), Qt::AlignLeft | Qt::AlignVCenter, text);
    p_.restore();
    y_ += h + Zeilenhöhe() * kAbstand;
    leer_ = false;
}

void Berichtsseiten::Überschrift(const QString& text) {
    QFont fett = schrift_;
    fett.setPointSizeF(11);
    fett.setBold(true);
    const double h = QFontMetricsF(fett, &gerät_).height() * kZeilenfaktor;
    const double davor = leer_ ? 0 : Zeilenhöhe() * kAbstand;
    // A heading stays with at least two lines of what it heads.
    Platz(davor + h + 2 * Zeilenhöhe());
    if (!leer_) y_ += davor;
    p_.save();
    p_.setFont(fett);
    p_.drawText(QRectF(0, y_, breite_, h), Qt::AlignLeft | Qt::AlignVCenter, text);
    p_.restore();
    y_ += h;
    leer_ = false;
}

void Berichtsseiten::Zeile(const QString& text) {
    Platz(Zeilenhöhe());
    p_.drawText(QRectF(0, y_, breite_, Zeilenhöhe()), Qt::AlignLeft | Qt::AlignVCenter, text);
    y_ += Zeilenhöhe();
    leer_ = false;
}

void Berichtsseiten::Zellen(const std::vector<QString>& zellen, const Berichtstabelle& t,
                            bool kopf) {
    const double summe = std::accumulate(t.breiten.begin(), t.breiten.end(), 0.0);
    double x = 0;
    const double h = Zeilenhöhe();
    for (size_t i = 0; i < zellen.size() && i < t.breiten.size(); ++i) {
        const double b = breite_ * t.breiten[i] / summe;
        const bool links = i < t.links.size() && t.links[i];
        // A little room between the columns.
        const QRectF zelle(x + 3, y_, b - 6, h);
        p_.drawText(zelle,
                    (links ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter | Qt::TextDontClip,
                    zellen[i]);
        x += b;
    }
    y_ += h;
    if (kopf) p_.drawLine(QPointF(0, y_), QPointF(breite_, y_));
    leer_ = false;
}

void Berichtsseiten::Tabelle(const Berichtstabelle& t) {
    const int kopf = std::min<int>(t.kopf, static_cast<int>(t.zeilen.size()));
    // A table that fits on one page is not split.
    const double ganz = static_cast<double>(t.zeilen.size()) * Zeilenhöhe();
    Platz(ganz <= höhe_ ? ganz : (kopf + 2) * Zeilenhöhe());
    for (int i = 0; i < kopf; ++i)
        Zellen(t.zeilen[static_cast<size_t>(i)], t, true);
    for (size_t i = static_cast<size_t>(kopf); i < t.zeilen.size(); ++i) {
        if (Zeilenhöhe() > Frei()) {
            NeueSeite();
            for (int k = 0; k < kopf; ++k)
                Zellen(t.zeilen[static_cast<size_t>(k)], t, true);
        }
        Zellen(t.zeilen[i], t, false);
    }
}

void Berichtsseiten::Bild(const Maler& maler, double höhe) {
    Platz(std::min(höhe, höhe_));
    const QSizeF größe(breite_, std::min(höhe, Frei()));
    p_.save();
    p_.translate(0, y_);
    p_.setClipRect(QRectF(QPointF(0, 0), größe));
    try {
        maler(p_, größe);
    } catch (const GeometrieFehler& e) {
        // Covers what the painter drew before it gave up.
        p_.fillRect(QRectF(QPointF(0, 0), größe), Qt::white);
        p_.restore();
        Zeile(QString(fehlertext_).replace(QStringLiteral("|1"), QString::fromUtf8(e.what())));
        return;
    }
    p_.restore();
    p_.setFont(schrift_);
    y_ += größe.height();
    leer_ = false;
}

void Berichtsseiten::Versuchen(const std::function<void()>& teil) {
    try {
        teil();
    } catch (const GeometrieFehler& e) {
        p_.setFont(schrift_);
        Zeile(QString(fehlertext_).replace(QStringLiteral("|1"), QString::fromUtf8(e.what())));
    }
}

} // namespace vapro
