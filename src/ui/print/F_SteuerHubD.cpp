#include "ui/print/F_SteuerHubD.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>

#include "core/analysis/Steuerhub.h"
#include "core/model/Druckeinstellungen.h"
#include "render/Steuerhubseite.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {

namespace {

Rahmendaten Rahmen() {
    return {.stamm = "SteuerHubD",
            .vorgabeTwips = 270,
            .titel = 230,
            .hilfe = HilfeKontext::SteuerHub,
            .farbe = &Modell::FarbeSteuerHubD,
            .neuberechnen = false};
}

std::vector<Zeile> Zeilen() {
    const Reparatur eins([](double wert, Modell&) { return MindestensEins(wert); });
    // The second margin of a pair gets what the first leaves.
    const Reparatur rand([](double wert, Modell&) { return RandBegrenzen(wert, 0); });
    const Reparatur rechts(
        [](double wert, Modell& m) { return RandBegrenzen(wert, m.DruckLinks); });
    const Reparatur unten([](double wert, Modell& m) { return RandBegrenzen(wert, m.DruckOben); });
    using Z = Zeile;
    const Schild P = Schild::Pixel, K = Schild::Keines, R = Schild::Prozent, L = Schild::Länge;
    return {
        Z::Gruppe(1234),
        Z::Eingabe(&Modell::DruckLinks, R, rand),
        Z::Eingabe(&Modell::DruckRechts, R, rechts),
        Z::Eingabe(&Modell::DruckOben, R, rand),
        Z::Eingabe(&Modell::DruckUnten, R, unten),
        Z::GruppeEnde(),
        Z::Überschrift(1239),
        Z::Eingabe(&Modell::Kuller, P, eins),
        Z::Kästchen(&Modell::Füllen),
        Z::Eingabe(&Modell::GradPunkte, K, Reparatur::Bereich(1, SteuerhubPunkteJeGradMax)),
        Z::Kästchen(&Modell::Öffnung),
        Z::Überschrift(1244),
        Z::Eingabe(&Modell::LStärke, P, eins),
        Z::Eingabe(&Modell::KStärke, P, eins),
        Z::Kästchen(&Modell::WinkelRaster),
        Z::Eingabe(&Modell::AbstandWinkel, K, eins),
        Z::Kästchen(&Modell::KolbenWeg),
        Z::Eingabe(&Modell::KolbenWegAbstand, L, eins),
        Z::Kästchen(&Modell::WegRaster),
        Z::Eingabe(&Modell::AbstandWeg, L, eins),
    };
}

} // namespace

F_SteuerHubD::F_SteuerHubD(Kontext& kontext, QWidget* eltern)
    : Druckrahmen(kontext, Rahmen(), {231, 232, 233, 253, 254, 255, 256}, eltern) {
    Aufbauen(Zeilen());
    // A grid's distance follows its check box at once.
    for (QCheckBox* c : Form()->AlleKästchen())
        connect(c, &QCheckBox::toggled, this, [this] { RasterAnpassen(); });
    Aufrufer();
}

void F_SteuerHubD::Aufrufer() {
    const bool weg = k.zustand.SteuerHubAufrufer == "SteuerHubWeg";
    achse_ = weg ? Hubachse::Kolbenweg : Hubachse::Kurbelwinkel;
    HilfeSetzen(weg ? HilfeKontext::SteuerHubWeg : HilfeKontext::SteuerHub);
    RasterAnpassen();
}

void F_SteuerHubD::RasterAnpassen() {
    const bool weg = achse_ == Hubachse::Kolbenweg;
    auto anpassen = [this](FeldOrt kästchen, FeldOrt abstand, bool benutzt) {
        QCheckBox* c = C(kästchen);
        c->setEnabled(benutzt);
        E(abstand)->setEnabled(benutzt && c->isChecked());
    };
    anpassen(&Modell::WinkelRaster, &Modell::AbstandWinkel, !weg);
    anpassen(&Modell::KolbenWeg, &Modell::KolbenWegAbstand, weg);
    anpassen(&Modell::WegRaster, &Modell::AbstandWeg, true);
}

void F_SteuerHubD::WechselSprache() {
    setWindowTitle(k.T(230));
    Druckrahmen::WechselSprache();
}

void F_SteuerHubD::Einschreiben() {
    Druckrahmen::Einschreiben();
    RasterAnpassen();
}

bool F_SteuerHubD::Drucken() {
    return AufSeiteZeichnen([this](QPainter& p, QSizeF seite, int dpi) {
        SteuerhubseiteZeichnen(p, k.m, achse_, seite, dpi, k.T(1600), k.T(1601));
    });
}

} // namespace vapro
