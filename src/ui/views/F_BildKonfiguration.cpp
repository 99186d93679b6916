#include "ui/views/F_BildKonfiguration.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

#include "render/Farben.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {

namespace {

Rahmendaten Rahmen() {
    return {.stamm = "Bild Konfiguration",
            .vorgabeTwips = 50,
            .titel = 90,
            .hilfe = HilfeKontext::BildKonfiguration,
            .farbe = &Modell::FarbeBildKonfiguration};
}

// Rows in reading order, which is the tab order and the order of applying.
// Captions are the fields' labels unless given.
std::vector<Zeile> Zeilen() {
    // Margins are percentages of the picture height; beyond 40 % on both
    // sides nothing of the engine would be left. Pen widths, joint sizes,
    // the distance and the help lines reach the drawing as they are.
    const Reparatur rand = Reparatur::Bereich(0, 40);
    using Z = Zeile;
    return {
        Z::Überschrift(1091),
        Z::Eingabe(&Modell::RandObenP, Schild::Prozent, rand),
        Z::Eingabe(&Modell::RandUntenP, Schild::Prozent, rand),
        Z::Eingabe(&Modell::RandLinksP, Schild::Prozent, rand),
        Z::Gruppe(1095),
        Z::Eingabe(&Modell::LStärkeKurbel, Schild::Pixel),
        Z::Eingabe(&Modell::GelenkKurbel, Schild::Pixel),
        Z::Eingabe(&Modell::LStärkeSteuer, Schild::Pixel),
        Z::Eingabe(&Modell::GelenkSteuer, Schild::Pixel),
        Z::Eingabe(&Modell::LStärkeGelenke, Schild::Pixel),
        Z::GruppeEnde(),
        Z::Eingabe(&Modell::DEX, Schild::Länge),
        Z::Kästchen(&Modell::SpieJa),
        Z::Kästchen(&Modell::KaJa),
        Z::Kästchen(&Modell::ZusZei),
        Z::Kästchen(&Modell::KolbenstangendickeJa),
        Z::Kästchen(&Modell::UmKonturJa),
        Z::Eingabe(HilfslinienIndex{0}),
        Z::Eingabe(HilfslinienIndex{1}),
        Z::Eingabe(HilfslinienIndex{2}),
        Z::Eingabe(HilfslinienIndex{3}),
        Z::Kästchen(&Modell::HilfslinienZeigen),
    };
}

} // namespace

F_BildKonfiguration::F_BildKonfiguration(Kontext& kontext, QWidget* eltern)
    : Dialograhmen(kontext, Rahmen(), eltern) {
    auto* raster = new QGridLayout(this);
    raster->setSizeConstraint(QLayout::SetFixedSize);
    FormularAnlegen(Zeilen(), raster);
    raster->addWidget(KnopfÜbernehmenAnlegen(), raster->rowCount(), 0, 1, 3);
}

void F_BildKonfiguration::WechselSprache() {
    Knopf_Übernehmen->setText(k.T(200));
    setWindowTitle(k.T(90));
    Dialograhmen::WechselSprache();
    M_Infotext->setText(k.T(106));
    M_Hintergrundfarbe->setText(k.T(107));
}

void F_BildKonfiguration::MZ() {
    Dialograhmen::MZ();
    const QColor farbe = AlsQColor(k.m.FarbeBildKonfiguration);
    for (QCheckBox* c : Form()->AlleKästchen()) {
        QPalette p = c->palette();
        p.setColor(QPalette::Window, farbe);
        c->setPalette(p); // transparent: the window's colour shows through
    }
}

} // namespace vapro
