#include "ui/print/F_BildDruck.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/model/Bewegung.h"
#include "core/model/Druckeinstellungen.h"
#include "core/model/Verlauf.h"
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

QSize Seitenpixel(const QPrinter& drucker) {
    return drucker.pageLayout().fullRectPixels(drucker.resolution()).size();
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
    : Dialograhmen(kontext, Rahmen(), eltern) {
    auto* raster = new QGridLayout(this);
    raster->setSizeConstraint(QLayout::SetFixedSize);

    Fr_Seite = new QGroupBox(this);
    auto* seite = new QHBoxLayout(Fr_Seite);
    O_Hoch = new QRadioButton(Fr_Seite);
    O_Quer = new QRadioButton(Fr_Seite);
    seite->addWidget(O_Hoch);
    seite->addWidget(O_Quer);
    raster->addWidget(Fr_Seite, 0, 0, 1, 3);
    connect(O_Hoch, &QRadioButton::clicked, this, [this] { O_Hoch_Click(); });
    connect(O_Quer, &QRadioButton::clicked, this, [this] { O_Quer_Click(); });

    FormularAnlegen(Zeilen(), raster);

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
}

void F_BildDruck::WechselSprache() {
    setWindowTitle(k.T(319));
    Fr_Seite->setTitle(k.T(300));
    O_Hoch->setText(k.T(301));
    O_Quer->setText(k.T(302));
    Fr_Drucker->setTitle(k.T(315));
    T_Auflösung->setText(k.T(316));
    T_Höhe->setText(k.T(317));
    T_Breite->setText(k.T(318));
    Knopf_Übernehmen->setText(k.T(200));
    K_Drucken->setText(k.T(204));
    Dialograhmen::WechselSprache();
    M_Infotext->setText(k.T(601));
    M_Hintergrundfarbe->setText(k.T(604));
}

void F_BildDruck::Einschreiben() {
    Dialograhmen::Einschreiben();
    const bool quer = k.plattform.Drucker().pageLayout().orientation() == QPageLayout::Landscape;
    O_Hoch->setChecked(!quer);
    O_Quer->setChecked(quer);
    DruckerAnzeigen();
}

void F_BildDruck::Übernehmen() {
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

void F_BildDruck::DruckerAnzeigen() {
    const QPrinter& drucker = k.plattform.Drucker();
    const QSize seite = Seitenpixel(drucker);
    A_Auflösung->setText(QString::number(drucker.resolution()));
    A_Höhe->setText(QString::number(seite.height()));
    A_Breite->setText(QString::number(seite.width()));
}

void F_BildDruck::Ausrichten(bool hoch) {
    k.plattform.Drucker().setPageOrientation(hoch ? QPageLayout::Portrait : QPageLayout::Landscape);
    O_Hoch->setChecked(hoch);
    O_Quer->setChecked(!hoch);
    DruckerAnzeigen();
}

void F_BildDruck::O_Hoch_Click() {
    Ausrichten(true);
}

void F_BildDruck::O_Quer_Click() {
    Ausrichten(false);
}

void F_BildDruck::K_Drucken_Click() {
    if (!Knopf_Übernehmen_Click()) return;
    QPrinter& drucker = k.plattform.Drucker();
    drucker.setPageOrientation(O_Hoch->isChecked() ? QPageLayout::Portrait
                                                   : QPageLayout::Landscape);
    if (!k.plattform.DruckerWählen(this, drucker)) return;
    // The chooser may have changed printer, paper or orientation.
    Einschreiben();

    ausgang_ = Ausgang::KeineSeite;
    {
        DruckenAktivSetzen aktiv(k.m);
        try {
            if (k.ansichten)
                Schritt(k.m, *k.ansichten);
            else
                SeiteDrucken();
        } catch (const std::exception&) {
            ausgang_ = Ausgang::Fehler;
        }
    }
    if (ausgang_ == Ausgang::Gedruckt)
        k.plattform.Meldung(this, k.T(2008), Symbol::Information);
    else
        k.plattform.Meldung(this, k.T(2009), Symbol::Stopp);
}

void F_BildDruck::SeiteDrucken() {
    QPrinter& drucker = k.plattform.Drucker();
    // The margins are shares of the whole sheet.
    drucker.setFullPage(true);
    QPainter p;
    if (!p.begin(&drucker)) {
        ausgang_ = Ausgang::Fehler;
        return;
    }
    try {
        MaschinenseiteZeichnen(p, k.m, QSizeF(Seitenpixel(drucker)), drucker.resolution());
    } catch (const std::exception&) {
        drucker.abort();
        p.end();
        ausgang_ = Ausgang::Fehler;
        return;
    }
    ausgang_ = p.end() ? Ausgang::Gedruckt : Ausgang::Fehler;
}

QString Druckereigenschaften(const Kontext& k, const QPrinter& drucker) {
    const QSize seite = Seitenpixel(drucker);
    return k.T(412) + QString::number(drucker.resolution()) + "\n" + k.T(413) +
           QString::number(seite.width()) + "\n" + k.T(414) + QString::number(seite.height());
}

} // namespace vapro
