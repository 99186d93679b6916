#include "ui/views/F_SteuerHubMenue.h"

#include <QAction>
#include <QGridLayout>
#include <QPushButton>
#include <algorithm>
#include <tuple>

#include "core/analysis/Steuerhub.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {

namespace {

Rahmendaten Rahmen() {
    return {.stamm = "SteuerHubMenü",
            .vorgabeTwips = 270,
            .titel = 150,
            .hilfe = HilfeKontext::SteuerHub,
            .farbe = &Modell::FarbeSteuerHub,
            .neuberechnen = false};
}

std::vector<Zeile> Zeilen() {
    using Z = Zeile;
    return {
        Z::Eingabe(&Modell::usPerioden, Schild::Keines,
                   Reparatur::Bereich(1, SteuerhubPeriodenMax)),
        Z::Eingabe(&Modell::usKreis, Schild::Keines,
                   Reparatur([](double wert, Modell&) { return std::max(wert, 1.0); })),
        Z::Kästchen(&Modell::faden),
        Z::Kästchen(&Modell::auslaß),
    };
}

} // namespace

F_SteuerHubMenü::F_SteuerHubMenü(Kontext& kontext, QWidget* eltern)
    : Dialograhmen(kontext, Rahmen(), eltern) {
    auto* raster = new QGridLayout(this);
    raster->setSizeConstraint(QLayout::SetFixedSize);
    FormularAnlegen(Zeilen(), raster);
    raster->addWidget(KnopfÜbernehmenAnlegen(), raster->rowCount(), 0, 1, 3);
    // The colour belongs to the graphs; it is chosen there.
    M_Hintergrundfarbe->setVisible(false);
    Aufrufer();
}

void F_SteuerHubMenü::Aufrufer() {
    vomWegGraphen_ = k.zustand.SteuerHubAufrufer == "SteuerHubWeg";
    HilfeSetzen(vomWegGraphen_ ? HilfeKontext::SteuerHubMenü : HilfeKontext::SteuerHub);
    M_Infotext->setText(k.T(vomWegGraphen_ ? 191 : 181));
    MZ();
}

void F_SteuerHubMenü::WechselSprache() {
    setWindowTitle(k.T(150));
    Knopf_Übernehmen->setText(k.T(200));
    M_Infotext->setText(k.T(vomWegGraphen_ ? 191 : 181));
    Dialograhmen::WechselSprache();
}

void F_SteuerHubMenü::Übernehmen() {
    Modell& m = k.m;
    const auto vorher = std::tuple(m.usPerioden, m.usKreis);
    auto anwenden = [&] {
        // Revolutions and marker size are saved with the engine.
        if (std::tuple(m.usPerioden, m.usKreis) != vorher) DatensatzGeändert();
        if (graphenNeuzeichnen) graphenNeuzeichnen();
    };
    try {
        Dialograhmen::Übernehmen();
    } catch (const Eingabefehler&) {
        anwenden();
        throw;
    }
    anwenden();
}

} // namespace vapro
