#include "ui/dialogs/F_Umsteuerung.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/model/Umsteuerung.h"
#include "render/Farben.h"
#include "ui/dialogs/Getriebeskizze.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {

namespace {

Rahmendaten Rahmen() {
    return {.stamm = "Umsteuerung",
            .vorgabeTwips = 170,
            .titel = 60,
            .hilfe = HilfeKontext::Umsteuerung,
            .farbe = &Modell::FarbeUmsteuerung,
            .weiterNachEingabefehler = true};
}

// Fields that only a link motion has; a single eccentric needs the ahead
// rod, the eccentricity, the disc and the valve-rod line alone.
const FeldOrt kNurMitKulisse[] = {
    &Modell::ExStangenlängeR, &Modell::ExVorWinkel, &Modell::ExRückWinkel,
    &Modell::HeLänge,         &Modell::UmLänge,     &Modell::UmMin,
    &Modell::UmMax,           &Modell::ummx,        &Modell::ummy,
    &Modell::BaLänge,         &Modell::BaRadius,    &Modell::BaÜberstand,
};

// Rows in the order of applying, which is the reading and tab order too.
std::vector<Zeile> Zeilen() {
    // The angle range is repaired once both ends are read; UmMin may move.
    const Reparatur winkelbereich([](double wert, Modell& m) {
        m.UmMax = static_cast<float>(wert);
        UmsteuerwinkelReparieren(m);
        return static_cast<double>(m.UmMax);
    });
    using Z = Zeile;
    const Schild L = Schild::Länge, G = Schild::Grad;
    return {
        Z::Überschrift(1061),
        Z::Eingabe(&Modell::ExStangenlängeV, L),
        Z::Eingabe(&Modell::ExStangenlängeR, L),
        Z::Eingabe(&Modell::ExZentrizität, L),
        Z::Eingabe(&Modell::ExRadius, L),
        Z::Eingabe(&Modell::ExVorWinkel, G),
        Z::Eingabe(&Modell::ExRückWinkel, G),
        Z::Eingabe(&Modell::HeLänge, L),
        Z::Eingabe(&Modell::UmLänge, L),
        Z::Eingabe(&Modell::UmMin, G),
        Z::Eingabe(&Modell::UmMax, G, winkelbereich),
        Z::Eingabe(&Modell::ummx, L),
        Z::Eingabe(&Modell::ummy, L),
        Z::Eingabe(&Modell::ussmx),
        Z::Eingabe(&Modell::BaLänge, L),
        Z::Eingabe(&Modell::BaRadius, L),
        Z::Eingabe(&Modell::BaÜberstand, L),
    };
}

} // namespace

F_Umsteuerung::F_Umsteuerung(Kontext& kontext, QWidget* eltern)
    : Dialograhmen(kontext, Rahmen(), eltern) {
    auto* raster = new QGridLayout(this);
    raster->setSizeConstraint(QLayout::SetFixedSize);
    FormularAnlegen(Zeilen(), raster);
    Skizze = new Getriebeskizze(this);
    raster->addWidget(Skizze, 0, 3, raster->rowCount(), 1, Qt::AlignTop);

    // Each choice applies the whole window, typed fields included.
    auto gruppe = [this, raster](QRadioButton*& a, QRadioButton*& b) {
        auto* fr = new QGroupBox(this);
        auto* innen = new QVBoxLayout(fr);
        for (QRadioButton** o : {&a, &b}) {
            *o = new QRadioButton(fr);
            innen->addWidget(*o);
            connect(*o, &QRadioButton::clicked, this, [this] { Knopf_Übernehmen_Click(); });
        }
        raster->addWidget(fr, raster->rowCount(), 0, 1, 3);
        return fr;
    };
    Fr_Einströmung = gruppe(O_Außen, O_Innen);
    Fr_Umsteuertyp = gruppe(O_UmJa, O_UmNein);
    C_Vorzeichen = new QCheckBox(this);
    raster->addWidget(C_Vorzeichen, raster->rowCount(), 0, 1, 3);
    connect(C_Vorzeichen, &QCheckBox::clicked, this, [this] { Knopf_Übernehmen_Click(); });
    raster->addWidget(KnopfÜbernehmenAnlegen(), raster->rowCount(), 0, 1, 3);
}

void F_Umsteuerung::WechselSprache() {
    setWindowTitle(k.T(60));
    Knopf_Übernehmen->setText(k.T(200));
    Dialograhmen::WechselSprache();
    O_Außen->setText(k.T(77));
    O_Innen->setText(k.T(78));
    O_UmJa->setText(k.T(79));
    O_UmNein->setText(k.T(80));
    C_Vorzeichen->setText(k.T(83));
    M_Infotext->setText(k.T(81));
    M_Hintergrundfarbe->setText(k.T(82));
}

void F_Umsteuerung::MZ() {
    Dialograhmen::MZ();
    const QColor farbe = AlsQColor(k.m.FarbeUmsteuerung);
    for (QWidget* w : std::initializer_list<QWidget*>{Fr_Einströmung, Fr_Umsteuertyp, O_Außen,
                                                      O_Innen, O_UmJa, O_UmNein, C_Vorzeichen}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, farbe);
        w->setPalette(p);
    }
}

void F_Umsteuerung::Einschreiben() {
    Dialograhmen::Einschreiben();
    (k.m.Einströmung == 1 ? O_Innen : O_Außen)->setChecked(true);
    (k.m.Umsteuertyp == 1 ? O_UmJa : O_UmNein)->setChecked(true);
    C_Vorzeichen->setChecked(k.m.Vorzeichen != -1);
    if (Slider_UmWinkel_Einstellen) Slider_UmWinkel_Einstellen();
    SichtbarkeitSetzen();
}

void F_Umsteuerung::Übernehmen() {
    // A bad text field stops here: the choices are the last to be taken.
    Dialograhmen::Übernehmen();
    k.m.Einströmung = O_Außen->isChecked() ? 0 : 1;
    k.m.Umsteuertyp = O_UmJa->isChecked() ? 1 : 0;
    k.m.Vorzeichen = C_Vorzeichen->isChecked() ? 1 : -1;
}

void F_Umsteuerung::SichtbarkeitSetzen() {
    const bool kulisse = k.m.Umsteuertyp == 1;
    for (const FeldOrt& f : kNurMitKulisse)
        Form()->ZeileSichtbar(f, kulisse);
    C_Vorzeichen->setVisible(kulisse);
    Skizze->KulisseZeigen(kulisse);
}

} // namespace vapro
