#include "ui/print/F_SteuerHubD.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include "core/analysis/Steuerhub.h"
#include "core/model/Druckeinstellungen.h"
#include "core/model/Verlauf.h"
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

QSize Seitenpixel(const QPrinter& drucker) {
    return drucker.pageLayout().fullRectPixels(drucker.resolution()).size();
}

} // namespace

F_SteuerHubD::F_SteuerHubD(Kontext& kontext, QWidget* eltern)
    : Dialograhmen(kontext, Rahmen(), eltern) {
    auto* raster = new QGridLayout(this);
    raster->setSizeConstraint(QLayout::SetFixedSize);

    Frame1 = new QGroupBox(this);
    auto* seite = new QHBoxLayout(Frame1);
    O_Hoch = new QRadioButton(Frame1);
    O_Quer = new QRadioButton(Frame1);
    seite->addWidget(O_Hoch);
    seite->addWidget(O_Quer);
    raster->addWidget(Frame1, 0, 0, 1, 3);
    connect(O_Hoch, &QRadioButton::clicked, this, [this] { O_Hoch_Click(); });
    connect(O_Quer, &QRadioButton::clicked, this, [this] { O_Quer_Click(); });

    FormularAnlegen(Zeilen(), raster);
    // A grid's distance follows its check box at once.
    for (QCheckBox* c : Form()->AlleKästchen())
        connect(c, &QCheckBox::toggled, this, [this] { RasterAnpassen(); });

    Fr_Drucker = new QGroupBox(this);
    auto* drucker = new QGridLayout(Fr_Drucker);
    T_Auflösung = new QLabel(Fr_Drucker);
    T_Höhe = new QLabel(Fr_Drucker);
    T_Breite = new QLabel(Fr_Drucker);
    A_Auflösung = new QLabel(Fr_Drucker);
    A_Höhe = new QLabel(Fr_Drucker);
    A_Breite = new QLabel(Fr_Drucker);
    int zeile = 0;
    for (auto [titel, anzeige] :
         {std::pair{T_Auflösung, A_Auflösung}, {T_Höhe, A_Höhe}, {T_Breite, A_Breite}}) {
        anzeige->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        drucker->addWidget(titel, zeile, 0);
        drucker->addWidget(anzeige, zeile++, 1);
    }
    raster->addWidget(Fr_Drucker, raster->rowCount(), 0, 1, 3);

    auto* knöpfe = new QHBoxLayout;
    knöpfe->addWidget(KnopfÜbernehmenAnlegen());
    K_Drucken = new QPushButton(this);
    knöpfe->addWidget(K_Drucken);
    connect(K_Drucken, &QPushButton::clicked, this, [this] { K_Drucken_Click(); });
    raster->addLayout(knöpfe, raster->rowCount(), 0, 1, 3);
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
    Frame1->setTitle(k.T(231));
    O_Hoch->setText(k.T(232));
    O_Quer->setText(k.T(233));
    Fr_Drucker->setTitle(k.T(253));
    T_Auflösung->setText(k.T(254));
    T_Höhe->setText(k.T(255));
    T_Breite->setText(k.T(256));
    Knopf_Übernehmen->setText(k.T(200));
    K_Drucken->setText(k.T(204));
    Dialograhmen::WechselSprache();
}

void F_SteuerHubD::Einschreiben() {
    Dialograhmen::Einschreiben();
    const bool quer = k.plattform.Drucker().pageLayout().orientation() == QPageLayout::Landscape;
    O_Hoch->setChecked(!quer);
    O_Quer->setChecked(quer);
    DruckerAnzeigen();
    RasterAnpassen();
}

void F_SteuerHubD::Übernehmen() {
    const Modell vorher = k.m;
    auto zählen = [&] {
        if (!GleicheMaschine(vorher, k.m)) DatensatzGeändert();
    };
    try {
        Dialograhmen::Übernehmen();
    } catch (const Eingabefehler&) {
        zählen();
        throw;
    }
    zählen();
}

void F_SteuerHubD::DruckerAnzeigen() {
    const QPrinter& drucker = k.plattform.Drucker();
    const QSize seite = Seitenpixel(drucker);
    A_Auflösung->setText(QString::number(drucker.resolution()));
    A_Höhe->setText(QString::number(seite.height()));
    A_Breite->setText(QString::number(seite.width()));
}

void F_SteuerHubD::Ausrichten(bool hoch) {
    k.plattform.Drucker().setPageOrientation(hoch ? QPageLayout::Portrait : QPageLayout::Landscape);
    O_Hoch->setChecked(hoch);
    O_Quer->setChecked(!hoch);
    DruckerAnzeigen();
}

void F_SteuerHubD::O_Hoch_Click() {
    Ausrichten(true);
}

void F_SteuerHubD::O_Quer_Click() {
    Ausrichten(false);
}

void F_SteuerHubD::K_Drucken_Click() {
    if (!Knopf_Übernehmen_Click()) return;
    QPrinter& drucker = k.plattform.Drucker();
    drucker.setPageOrientation(O_Hoch->isChecked() ? QPageLayout::Portrait
                                                   : QPageLayout::Landscape);
    if (!k.plattform.DruckerWählen(this, drucker)) return;
    // The chooser may have changed printer, paper or orientation.
    Einschreiben();
    if (Drucken())
        k.plattform.Meldung(this, k.T(2008), Symbol::Information);
    else
        k.plattform.Meldung(this, k.T(2009), Symbol::Stopp);
}

bool F_SteuerHubD::Drucken() {
    QPrinter& drucker = k.plattform.Drucker();
    // The margins are shares of the whole sheet.
    drucker.setFullPage(true);
    QPainter p;
    if (!p.begin(&drucker)) return false;
    try {
        SteuerhubseiteZeichnen(p, k.m, achse_, QSizeF(Seitenpixel(drucker)), drucker.resolution(),
                               k.T(1600), k.T(1601));
    } catch (const std::exception&) {
        drucker.abort();
        p.end();
        return false;
    }
    return p.end();
}

} // namespace vapro
