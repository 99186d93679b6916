#include "ui/print/F_BildDruck.h"

#include <QAction>
#include <QPainter>
#include <QPrinter>

#include "core/model/Bewegung.h"
#include "core/model/Druckeinstellungen.h"
#include "render/Maschinenseite.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {

namespace {

Rahmendaten Rahmen() {
    return {.stamm = "BildDruck",
            .vorgabeTwips = 110,
            .titel = 319,
            .hilfe = HilfeKontext::Bild,
            .farbe = &Modell::FarbeBildDruck,
            .neuberechnen = false};
}

std::vector<Zeile> Zeilen() {
    const Reparatur eins([](double wert, Modell&) { return MindestensEins(wert); });
    // The second margin of a pair gets what the first leaves.
    const Reparatur rand([](double wert, Modell&) { return RandBegrenzen(wert, 0); });
    const Reparatur rechts(
        [](double wert, Modell& m) { return RandBegrenzen(wert, m.RandLinksD); });
    const Reparatur unten([](double wert, Modell& m) { return RandBegrenzen(wert, m.RandObenD); });
    using Z = Zeile;
    const Schild P = Schild::Pixel, K = Schild::Keines, R = Schild::Prozent;
    return {
        Z::Gruppe(1303),
        Z::Eingabe(&Modell::RandLinksD, R, rand),
        Z::Eingabe(&Modell::RandRechtsD, R, rechts),
        Z::Eingabe(&Modell::RandObenD, R, rand),
        Z::Eingabe(&Modell::RandUntenD, R, unten),
        Z::GruppeEnde(),
        Z::Gruppe(1308),
        // Line widths in printer pixels; joint sizes in picture units.
        Z::Eingabe(&Modell::LStärkeKurbelD, P, eins),
        Z::Eingabe(&Modell::GelenkKurbelD, K, eins),
        Z::Eingabe(&Modell::LStärkeSteuerD, P, eins),
        Z::Eingabe(&Modell::GelenkSteuerD, K, eins),
        Z::Eingabe(&Modell::LStärkeGelenkeD, P, eins),
        Z::Eingabe(&Modell::LStärkeRestD, P, eins),
        Z::GruppeEnde(),
    };
}

// Clears the print flag however the print ends, so no later frame prints again.
class DruckenAktivSetzen {
  public:
    explicit DruckenAktivSetzen(Modell& m) : m_(m) { m_.DruckenAktiv = 1; }
    ~DruckenAktivSetzen() { m_.DruckenAktiv = 0; }
    DruckenAktivSetzen(const DruckenAktivSetzen&) = delete;
    DruckenAktivSetzen& operator=(const DruckenAktivSetzen&) = delete;

  private:
    Modell& m_;
};

} // namespace

F_BildDruck::F_BildDruck(Kontext& kontext, QWidget* eltern)
    : Druckrahmen(kontext, Rahmen(), {300, 301, 302, 315, 316, 317, 318}, eltern) {
    Aufbauen(Zeilen());
}

void F_BildDruck::WechselSprache() {
    setWindowTitle(k.T(319));
    Druckrahmen::WechselSprache();
    M_Infotext->setText(k.T(601));
    M_Hintergrundfarbe->setText(k.T(604));
}

bool F_BildDruck::Drucken() {
    ausgang_ = Ausgang::KeineSeite;
    DruckenAktivSetzen aktiv(k.m);
    try {
        if (k.ansichten)
            Schritt(k.m, *k.ansichten);
        else
            SeiteDrucken();
    } catch (const std::exception&) {
        ausgang_ = Ausgang::Fehler;
    }
    return ausgang_ == Ausgang::Gedruckt;
}

void F_BildDruck::SeiteDrucken() {
    const bool gedruckt = AufSeiteZeichnen(
        [this](QPainter& p, QSizeF seite, int dpi) { MaschinenseiteZeichnen(p, k.m, seite, dpi); });
    ausgang_ = gedruckt ? Ausgang::Gedruckt : Ausgang::Fehler;
}

QString Druckereigenschaften(const Kontext& k, const QPrinter& drucker) {
    const QSize seite = Seitenpixel(drucker);
    return k.T(412) + QString::number(drucker.resolution()) + "\n" + k.T(413) +
           QString::number(seite.width()) + "\n" + k.T(414) + QString::number(seite.height());
}

} // namespace vapro
