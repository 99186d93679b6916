#include "ui/dialogs/F_Kurbeltrieb.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <limits>

#include "core/analysis/Betriebswerte.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Kurbelmasse.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {

namespace {

Rahmendaten Rahmen() {
    return {.stamm = "Kurbeltrieb",
            .vorgabeTwips = 80,
            .titel = 43,
            .hilfe = HilfeKontext::Kurbeltrieb,
            .farbe = &Modell::FarbeKurbeltrieb,
            .weiterNachEingabefehler = true};
}

// Rows in the order of applying, which is the tab order too; each rule sees
// the fields before it already stored.
std::vector<Zeile> Zeilen() {
    const Reparatur radius([](double r, Modell& m) {
        // The stroke must fit a single as well.
        if (!KurbelradiusGültig(r) || !(2.0 * r <= std::numeric_limits<float>::max()))
            throw Eingabefehler();
        m.Hub = static_cast<float>(2.0 * r);
        return r;
    });
    const Reparatur pleuel([](double l, Modell& m) { return PleuelstangeReparieren(l, m.Hub); });
    const Reparatur stangeUnten(
        [](double d, Modell& m) { return StangeUntenReparieren(d, IstMM(m)); });
    const Reparatur stangeOben([](double d, Modell&) { return StangeObenReparieren(d); });
    const Reparatur dicke([](double d, Modell&) { return KolbendickeReparieren(d); });
    const Reparatur bohrung([](double d, Modell& m) {
        if (!BohrungGültig(d)) throw Eingabefehler();
        m.KDurchmesser = static_cast<float>(d);
        StangenBegrenzen(m);
        return d;
    });
    const Reparatur freihub([](double f, Modell&) { return FreihubReparieren(f); });
    using Z = Zeile;
    const Schild L = Schild::Länge;
    auto volumen = [](int text, float Modell::*feld) {
        return Z::Anzeige(
            text, [feld](const Modell& m) { return m.*feld; }, Muster::Volumen, Schild::Volumen);
    };
    return {
        Z::Überschrift(1044),
        Z::Eingabe(&Modell::KWRadius, L, radius),
        Z::Eingabe(&Modell::PLänge, L, pleuel),
        Z::Eingabe(&Modell::KsLänge, L),
        Z::Eingabe(&Modell::KsDurchmesserU, L, stangeUnten),
        Z::Eingabe(&Modell::KsDurchmesserO, L, stangeOben),
        Z::Eingabe(&Modell::KDicke, L, dicke),
        Z::Eingabe(&Modell::KDurchmesser, L, bohrung),
        Z::Eingabe(&Modell::KUFreihub, L, freihub),
        Z::Eingabe(&Modell::KOFreihub, L, freihub),
        volumen(1054, &Modell::HubvolumenO),
        volumen(1055, &Modell::HubvolumenU),
        volumen(1056, &Modell::FreiHubvolumenO),
        volumen(1057, &Modell::FreiHubvolumenU),
    };
}

} // namespace

F_Kurbeltrieb::F_Kurbeltrieb(Kontext& kontext, QWidget* eltern)
    : Dialograhmen(kontext, Rahmen(), eltern) {
    auto* raster = new QGridLayout(this);
    raster->setSizeConstraint(QLayout::SetFixedSize);
    FormularAnlegen(Zeilen(), raster);
    raster->addWidget(KnopfÜbernehmenAnlegen(), raster->rowCount(), 0, 1, 3);
}

void F_Kurbeltrieb::WechselSprache() {
    setWindowTitle(k.T(43));
    Knopf_Übernehmen->setText(k.T(200));
    Dialograhmen::WechselSprache();
    M_Infotext->setText(k.T(58));
    M_Hintergrundfarbe->setText(k.T(59));
}

void F_Kurbeltrieb::Einschreiben() {
    // The volumes always belong to the geometry shown. Ones beyond a single
    // (an absurd bore) stay blank rather than stop the filling.
    bool volumenOk = true;
    try {
        KurbelvoluminaEintragen(k.m);
    } catch (const GeometrieFehler&) {
        volumenOk = false;
    }
    Dialograhmen::Einschreiben();
    if (!volumenOk)
        for (QLabel* l : Form()->Anzeigen())
            l->clear();
}

} // namespace vapro
