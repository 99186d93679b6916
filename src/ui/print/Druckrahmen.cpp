#include "ui/print/Druckrahmen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <exception>

#include "core/model/Verlauf.h"

namespace vapro {

QSize Seitenpixel(const QPrinter& drucker) {
    return drucker.pageLayout().fullRectPixels(drucker.resolution()).size();
}

Druckrahmen::Druckrahmen(Kontext& kontext, const Rahmendaten& rahmen, Texte texte, QWidget* eltern)
    : Dialograhmen(kontext, rahmen, eltern), texte_(texte) {}

void Druckrahmen::Aufbauen(std::vector<Zeile> zeilen) {
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

    FormularAnlegen(std::move(zeilen), raster);

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

void Druckrahmen::WechselSprache() {
    Fr_Seite->setTitle(k.T(texte_.seite));
    O_Hoch->setText(k.T(texte_.hoch));
    O_Quer->setText(k.T(texte_.quer));
    Fr_Drucker->setTitle(k.T(texte_.drucker));
    T_Auflösung->setText(k.T(texte_.auflösung));
    T_Höhe->setText(k.T(texte_.höhe));
    T_Breite->setText(k.T(texte_.breite));
    Knopf_Übernehmen->setText(k.T(200));
    K_Drucken->setText(k.T(204));
    Dialograhmen::WechselSprache();
}

void Druckrahmen::Einschreiben() {
    Dialograhmen::Einschreiben();
    const bool quer = k.plattform.Drucker().pageLayout().orientation() == QPageLayout::Landscape;
    O_Hoch->setChecked(!quer);
    O_Quer->setChecked(quer);
    DruckerAnzeigen();
}

void Druckrahmen::Übernehmen() {
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

void Druckrahmen::DruckerAnzeigen() {
    const QPrinter& drucker = k.plattform.Drucker();
    const QSize seite = Seitenpixel(drucker);
    A_Auflösung->setText(QString::number(drucker.resolution()));
    A_Höhe->setText(QString::number(seite.height()));
    A_Breite->setText(QString::number(seite.width()));
}

void Druckrahmen::Ausrichten(bool hoch) {
    k.plattform.Drucker().setPageOrientation(hoch ? QPageLayout::Portrait : QPageLayout::Landscape);
    O_Hoch->setChecked(hoch);
    O_Quer->setChecked(!hoch);
    DruckerAnzeigen();
}

void Druckrahmen::O_Hoch_Click() {
    Ausrichten(true);
}

void Druckrahmen::O_Quer_Click() {
    Ausrichten(false);
}

void Druckrahmen::K_Drucken_Click() {
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

bool Druckrahmen::AufSeiteZeichnen(const std::function<void(QPainter&, QSizeF, int)>& zeichnen) {
    QPrinter& drucker = k.plattform.Drucker();
    // The margins are shares of the whole sheet.
    drucker.setFullPage(true);
    QPainter p;
    if (!p.begin(&drucker)) return false;
    try {
        zeichnen(p, QSizeF(Seitenpixel(drucker)), drucker.resolution());
    } catch (const std::exception&) {
        drucker.abort();
        p.end();
        return false;
    }
    return p.end();
}

} // namespace vapro
