#include "ui/analysis/F_Betriebsparameter.h"

#include <QAction>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "core/analysis/Betriebswerte.h"
#include "core/analysis/Dampfdiagramm.h"
#include "core/analysis/Steuerzeiten.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Kinematik.h"
#include "core/numbers/Zahlenformat.h"
#include "ui/analysis/Dampftafelquelle.h"
#include "ui/analysis/F_Diagramm.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {

namespace {

Rahmendaten Rahmen() {
    return {.stamm = "BePara",
            .vorgabeTwips = 50,
            .titel = 500,
            .hilfe = HilfeKontext::Betriebsparameter,
            .farbe = &Modell::FarbeBetriebsparameter};
}

// The inputs in reading order. Their limits are the core's, shared with the
// machine file, so the rows carry none.
std::vector<Zeile> Zeilen() {
    using Z = Zeile;
    return {
        Z::Gruppe(1501),
        Z::Eingabe(&Modell::PO1),
        Z::Eingabe(&Modell::PO2),
        Z::Eingabe(&Modell::Überhitzung),
        Z::GruppeEnde(),
        Z::Gruppe(1507),
        Z::Eingabe(&Modell::DrehzahlMax),
        Z::Eingabe(&Modell::DrehzahlSchrittweite),
        Z::GruppeEnde(),
        Z::Eingabe(&Modell::MechWirkungsgrad, Schild::Prozent),
    };
}

// A label in the unit column of the row that holds `feld`.
QLabel* SchildNeben(QLineEdit* feld) {
    auto* raster = static_cast<QGridLayout*>(feld->parentWidget()->layout());
    int zeile = 0, spalte = 0, zeilen = 0, spalten = 0;
    raster->getItemPosition(raster->indexOf(feld), &zeile, &spalte, &zeilen, &spalten);
    auto* schild = new QLabel(feld->parentWidget());
    raster->addWidget(schild, zeile, 2);
    return schild;
}

QLabel* Zahlfeld(QWidget* eltern) {
    auto* l = new QLabel(eltern);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("0000000.000")));
    return l;
}

} // namespace

F_Betriebsparameter::F_Betriebsparameter(Kontext& kontext, QWidget* eltern)
    : Dialograhmen(kontext, Rahmen(), eltern) {
    auto* außen = new QGridLayout(this);
    außen->setSizeConstraint(QLayout::SetFixedSize);
    auto* links = new QGridLayout;
    außen->addLayout(links, 0, 0, Qt::AlignTop);
    FormularAnlegen(Zeilen(), links);

    schildPO1_ = SchildNeben(E(&Modell::PO1));
    schildPO2_ = SchildNeben(E(&Modell::PO2));
    SchildNeben(E(&Modell::Überhitzung))->setText(QStringLiteral("(1 - 1,3)"));
    QLabel* schildMax = SchildNeben(E(&Modell::DrehzahlMax));
    QLabel* schildSchritt = SchildNeben(E(&Modell::DrehzahlSchrittweite));

    // The slider below the speed inputs, in their frame.
    QWidget* drehzahlRahmen = E(&Modell::DrehzahlMax)->parentWidget();
    auto* drehzahlRaster = static_cast<QGridLayout*>(drehzahlRahmen->layout());
    const int sliderZeile = drehzahlRaster->rowCount();
    S_Drehzahl = new QSlider(Qt::Horizontal, drehzahlRahmen);
    A_Drehzahl = Zahlfeld(drehzahlRahmen);
    QLabel* schildDrehzahl = new QLabel(drehzahlRahmen);
    drehzahlRaster->addWidget(S_Drehzahl, sliderZeile, 0);
    drehzahlRaster->addWidget(A_Drehzahl, sliderZeile, 1);
    drehzahlRaster->addWidget(schildDrehzahl, sliderZeile, 2);
    connect(S_Drehzahl, &QSlider::valueChanged, this,
            [this](int wert) { S_Drehzahl_scroll(wert); });

    // Volumes that do not depend on the speed.
    auto* volumen = new QGroupBox(this);
    gruppen_.emplace_back(volumen, 1506);
    auto* volumenRaster = new QGridLayout(volumen);
    G_Hub = new QTableWidget(4, 5, volumen);
    G_Hub->horizontalHeader()->hide();
    G_Hub->verticalHeader()->hide();
    G_Hub->setEditTriggers(QAbstractItemView::NoEditTriggers);
    G_Hub->setFocusPolicy(Qt::NoFocus);
    G_Hub->setSelectionMode(QAbstractItemView::NoSelection);
    G_Hub->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    G_Hub->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    G_Hub->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    for (int z = 0; z < 4; ++z)
        for (int s = 0; s < 5; ++s) {
            auto* zelle = new QTableWidgetItem;
            if (z > 0 && s > 0 && s < 4) zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            G_Hub->setItem(z, s, zelle);
        }
    volumenRaster->addWidget(G_Hub, 0, 0);
    links->addWidget(volumen, links->rowCount(), 0, 1, 3);

    // What the engine does at the chosen speed: caption, value, unit per row.
    auto* betrieb = new QGroupBox(this);
    gruppen_.emplace_back(betrieb, 1528);
    auto* rechts = new QGridLayout(betrieb);
    außen->addWidget(betrieb, 0, 1, Qt::AlignTop);
    auto zeile = [&](int text, QLabel* wert, QLabel* schild = nullptr) {
        const int r = rechts->rowCount();
        if (text) {
            auto* titel = new QLabel(betrieb);
            beschriftungen_.emplace_back(titel, text);
            rechts->addWidget(titel, r, 0);
        }
        rechts->addWidget(wert, r, 1);
        if (!schild) schild = new QLabel(betrieb);
        rechts->addWidget(schild, r, 2);
        return schild;
    };
    auto fest = [betrieb](const char* text) {
        return new QLabel(QString::fromUtf8(text), betrieb);
    };

    A_DrehzahlBei = Zahlfeld(betrieb);
    QLabel* schildBei = zeile(1527, A_DrehzahlBei);
    A_Dampfvolumen = Zahlfeld(betrieb);
    A_DampfvolumenLiter = Zahlfeld(betrieb);
    A_DampfvolumenKubikmeter = Zahlfeld(betrieb);
    A_DampfvolumenStunde = Zahlfeld(betrieb);
    schildStrom_[0] = zeile(1517, A_Dampfvolumen);
    schildStrom_[1] = zeile(0, A_DampfvolumenLiter);
    schildStrom_[2] = zeile(0, A_DampfvolumenKubikmeter);
    schildStrom_[3] = zeile(0, A_DampfvolumenStunde);
    A_Druck = Zahlfeld(betrieb);
    A_Sättigungstemperatur = Zahlfeld(betrieb);
    A_V2Strich = Zahlfeld(betrieb);
    schildDruck_ = zeile(1529, A_Druck);
    schildTemperatur_ = zeile(1518, A_Sättigungstemperatur);
    schildSpezVolumen_ = zeile(1519, A_V2Strich);
    A_DampfgewichtMin = Zahlfeld(betrieb);
    A_DampfgewichtStunde = Zahlfeld(betrieb);
    schildGewicht_[0] = zeile(1520, A_DampfgewichtMin);
    schildGewicht_[1] = zeile(0, A_DampfgewichtStunde);
    TE_PMittel = Zahlfeld(betrieb);
    schildPM_ = zeile(1521, TE_PMittel);
    A_LeistungPS = Zahlfeld(betrieb);
    A_LeistungHP = Zahlfeld(betrieb);
    A_LeistungKW = Zahlfeld(betrieb);
    zeile(1522, A_LeistungPS, fest("PS"));
    zeile(0, A_LeistungHP, fest("HP"));
    zeile(0, A_LeistungKW, fest("KW"));
    A_WellenleistungPS = Zahlfeld(betrieb);
    A_WellenleistungHP = Zahlfeld(betrieb);
    A_WellenleistungKW = Zahlfeld(betrieb);
    zeile(1524, A_WellenleistungPS, fest("PS"));
    zeile(0, A_WellenleistungHP, fest("HP"));
    zeile(0, A_WellenleistungKW, fest("KW"));
    A_DrehmomentNm = Zahlfeld(betrieb);
    A_DrehmomentFtLb = Zahlfeld(betrieb);
    zeile(1525, A_DrehmomentNm, fest("Nm"));
    zeile(0, A_DrehmomentFtLb, fest("ft.lb."));
    A_Kolbengeschwindigkeit = Zahlfeld(betrieb);
    schildKolben_ = zeile(1526, A_Kolbengeschwindigkeit);

    for (QLabel* l : {schildMax, schildSchritt, schildDrehzahl, schildBei})
        drehzahlSchilder_.push_back(l);

    außen->addWidget(KnopfÜbernehmenAnlegen(), 1, 0, 1, 2);
}

// --- captions -----------------------------------------------------------------

void F_Betriebsparameter::WechselSprache() {
    setWindowTitle(k.T(500));
    Knopf_Übernehmen->setText(k.T(200));
    Dialograhmen::WechselSprache();
    for (const auto& [titel, text] : beschriftungen_)
        titel->setText(k.T(text - 1000));
    for (const auto& [rahmen, text] : gruppen_)
        rahmen->setTitle(k.T(text - 1000));
    for (int s = 1; s <= 3; ++s)
        G_Hub->item(0, s)->setText(k.T(508 + s));
    for (int z = 1; z <= 3; ++z)
        G_Hub->item(z, 0)->setText(k.T(511 + z));
    const QString drehzahl = Q(k.sprache.EinheitDrehzahl);
    for (QLabel* l : drehzahlSchilder_)
        l->setText(drehzahl);
    G_Hub->resizeColumnsToContents();
    M_Infotext->setText(k.T(530));
    M_Hintergrundfarbe->setText(k.T(531));
}

void F_Betriebsparameter::EinheitenZeigen() {
    const Einheitennamen& n = k.einheiten;
    const bool mm = IstMM(k.m);
    schildPO1_->setText(Q(n.EinheitDruckAbs));
    schildPO2_->setText(Q(n.EinheitDruckAbs));
    schildDruck_->setText(Q(n.EinheitDruckAbs));
    schildStrom_[0]->setText(Q(n.EinheitStromKlein));
    schildStrom_[1]->setText(Q(n.EinheitStromMittel));
    schildStrom_[2]->setText(Q(n.EinheitStromGroß));
    schildStrom_[3]->setText(Q(n.EinheitStromStunde));
    schildGewicht_[0]->setText(mm ? QStringLiteral("kg/min") : QStringLiteral("lb/min"));
    schildGewicht_[1]->setText(mm ? QStringLiteral("kg/h") : QStringLiteral("lb/h"));
    schildTemperatur_->setText(Q(n.EinheitTemperatur));
    schildSpezVolumen_->setText(Q(n.EinheitSpezVolumen));
    schildPM_->setText(Q(n.EinheitDruck));
    schildKolben_->setText(mm ? QStringLiteral("m/s") : QStringLiteral("ft/s"));
    G_Hub->item(1, 4)->setText(Q(n.EinheitVolumen));
    G_Hub->item(2, 4)->setText(QStringLiteral("%"));
    G_Hub->item(3, 4)->setText(Q(n.EinheitVolumen));
}

// --- model to window ------------------------------------------------------------

void F_Betriebsparameter::Einschreiben() {
    Auffrischen();
    Dialograhmen::Einschreiben();
}

void F_Betriebsparameter::SchiebereglerEinrichten() {
    Modell& m = k.m;
    const Drehzahlregler r = DrehzahlreglerEinrichten(m.DrehzahlMax, m.DrehzahlSchrittweite);
    m.DrehzahlMax = r.DrehzahlMax;
    const QSignalBlocker still(S_Drehzahl);
    S_Drehzahl->setMaximum(r.Schritte);
    S_Drehzahl->setValue(
        static_cast<int>(std::lround(static_cast<double>(m.Drehzahl) / m.DrehzahlSchrittweite)));
    A_Drehzahl->setText(QString::number(m.Drehzahl));
    A_DrehzahlBei->setText(QString::number(m.Drehzahl));
}

void F_Betriebsparameter::Auffrischen() {
    Modell& m = k.m;
    EinheitenZeigen();
    float pm = 0;
    try {
        SchiebereglerEinrichten();
        // The cut-off follows geometry, lever and direction: search the valve
        // events again whenever one of them changed since the last search.
        if (stand_ != StandVon(m)) {
            stand_.reset();
            SpiegelBerechnen(m);
            SteuerzeitenSuchen(m);
            SteuerzeitenAuswerten(m);
            // The search leaves the solver at its last angle.
            KinematikOhneBild(m);
            stand_ = StandVon(m);
        }
        pm = DampfdiagrammBerechnen(m, DiagrammrahmenFürPM()).PM;
    } catch (const GeometrieFehler&) {
        return; // the read-outs keep what they showed
    }

    const Dampftafelart art = DampftafelartFürEinheit(m.Einheit);
    std::optional<Dampfzustand> dampf;
    // Read once for every window; reported once, and never from inside a running step.
    if (const Dampftafel* tafel = DampftafelFürSuche(k, art, this, !imSchritt_))
        dampf = DampfzustandSuchen(*tafel, m.PO1, art);
    // Without a table row only the steam cells stay empty.
    const BetriebswerteTexte t =
        BetriebswerteAnzeigen(BetriebswerteBerechnen(m, pm, dampf), Dezimalzeichen());

    for (int z = 0; z < 3; ++z)
        for (int s = 0; s < 3; ++s)
            G_Hub->item(z + 1, s + 1)->setText(Q(t.Volumentabelle[z][s]));
    G_Hub->resizeColumnsToContents();
    const std::pair<QLabel*, const std::string*> anzeigen[] = {
        {A_Dampfvolumen, &t.Dampfvolumen},
        {A_DampfvolumenLiter, &t.DampfvolumenLiter},
        {A_DampfvolumenKubikmeter, &t.DampfvolumenKubikmeter},
        {A_DampfvolumenStunde, &t.DampfvolumenStunde},
        {A_Druck, &t.Druck},
        {A_Sättigungstemperatur, &t.Sättigungstemperatur},
        {A_V2Strich, &t.V2Strich},
        {A_DampfgewichtMin, &t.DampfgewichtMin},
        {A_DampfgewichtStunde, &t.DampfgewichtStunde},
        {TE_PMittel, &t.PMittel},
        {A_LeistungPS, &t.LeistungPS},
        {A_LeistungHP, &t.LeistungHP},
        {A_LeistungKW, &t.LeistungKW},
        {A_WellenleistungPS, &t.WellenleistungPS},
        {A_WellenleistungHP, &t.WellenleistungHP},
        {A_WellenleistungKW, &t.WellenleistungKW},
        {A_DrehmomentNm, &t.DrehmomentNm},
        {A_DrehmomentFtLb, &t.DrehmomentFtLb},
        {A_Kolbengeschwindigkeit, &t.Kolbengeschwindigkeit},
    };
    for (const auto& [label, text] : anzeigen)
        label->setText(Q(*text));
}

void F_Betriebsparameter::SchrittMalen() {
    const Ansichtsstand jetzt = StandVon(k.m);
    if (versucht_ == jetzt) return;
    versucht_ = jetzt;
    imSchritt_ = true;
    Auffrischen();
    imSchritt_ = false;
}

void F_Betriebsparameter::S_Drehzahl_scroll(int wert) {
    k.m.Drehzahl = static_cast<int16_t>(std::min(wert * k.m.DrehzahlSchrittweite, 32767));
    Auffrischen();
}

Diagrammrahmen F_Betriebsparameter::DiagrammrahmenFürPM() const {
    // The diagram samples its curve every 10 pixels, so the mean pressure
    // depends a little on its width: take the size the diagram window keeps.
    return DiagrammrahmenGespeichert(k, *this);
}

// --- window to model ------------------------------------------------------------

void F_Betriebsparameter::Übernehmen() {
    auto lies = [this](FeldOrt feld) {
        return LiesZahl(E(feld)->text().toStdString(), Dezimalzeichen());
    };
    const BetriebsparameterEingabe e{lies(&Modell::PO1),
                                     lies(&Modell::PO2),
                                     lies(&Modell::Überhitzung),
                                     lies(&Modell::DrehzahlMax),
                                     lies(&Modell::DrehzahlSchrittweite),
                                     lies(&Modell::MechWirkungsgrad)};
    if (!BetriebsparameterÜbernehmen(k.m, e).Ok()) Abweisen();
}

void F_Betriebsparameter::EingabefehlerMelden() {
    k.plattform.Meldung(this, Q(BetriebsparameterFehlertext(k.sprache)), Symbol::Stopp);
}

void F_Betriebsparameter::GeometriefehlerMelden(const GeometrieFehler&) {
    EingabefehlerMelden();
}

} // namespace vapro
