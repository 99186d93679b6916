#include "ui/dialogs/F_Schieber.h"

#include <QAction>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/model/Schieber.h"
#include "core/persist/Texte.h"
#include "render/Farben.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {

namespace {

Rahmendaten Rahmen() {
    // Laps applied before a bad field move the valve: recompute, so that
    // model, picture and views agree.
    return {.stamm = "Schieber",
            .vorgabeTwips = 220,
            .titel = 26,
            .hilfe = HilfeKontext::Schieber,
            .farbe = &Modell::FarbeSchieber,
            .weiterNachEingabefehler = true};
}

using Länge = float Modell::*;
constexpr Länge kGeometrie[] = {&Modell::SchiMitte, &Modell::SchiLaufO, &Modell::SchiLaufU};
constexpr Länge kÜberdeckung[] = {&Modell::SchiEO, &Modell::SchiIO, &Modell::SchiEU,
                                  &Modell::SchiIU};

std::vector<Zeile> Zeilen() {
    using Z = Zeile;
    const Schild L = Schild::Länge;
    return {
        Z::Überschrift(1027),
        Z::Eingabe(&Modell::SchiLänge, L),
        Z::Eingabe(&Modell::SchiMitte, L),
        Z::Eingabe(&Modell::SchiLaufO, L),
        Z::Eingabe(&Modell::SchiEO, L),
        Z::Eingabe(&Modell::SchiIO, L),
        Z::Eingabe(&Modell::SchiLaufU, L),
        Z::Eingabe(&Modell::SchiEU, L),
        Z::Eingabe(&Modell::SchiIU, L),
        Z::Eingabe(&Modell::SchiTiefe, L),
        Z::Eingabe(&Modell::SchiInTiefe, L),
        Z::Eingabe(&Modell::SstLänge, L),
    };
}

} // namespace

F_Schieber::F_Schieber(Kontext& kontext, QWidget* eltern)
    : Dialograhmen(kontext, Rahmen(), eltern) {
    auto* raster = new QGridLayout(this);
    raster->setSizeConstraint(QLayout::SetFixedSize);
    O_Schiebergeometrie = new QRadioButton(this);
    O_Überdeckung = new QRadioButton(this);
    raster->addWidget(O_Schiebergeometrie, 0, 0, 1, 3);
    raster->addWidget(O_Überdeckung, 1, 0, 1, 3);
    connect(O_Schiebergeometrie, &QRadioButton::clicked, this,
            [this] { O_Schiebergeometrie_Click(); });
    connect(O_Überdeckung, &QRadioButton::clicked, this, [this] { O_Überdeckung_Click(); });
    FormularAnlegen(Zeilen(), raster);
    raster->addWidget(KnopfÜbernehmenAnlegen(), raster->rowCount(), 0, 1, 3);
    // The overall length is always derived.
    E(&Modell::SchiLänge)->setFocusPolicy(Qt::ClickFocus);
    E(&Modell::SchiLänge)->setCursor(Qt::ForbiddenCursor);
}

void F_Schieber::WechselSprache() {
    setWindowTitle(k.T(26));
    Knopf_Übernehmen->setText(k.T(200));
    O_Schiebergeometrie->setText(k.T(39));
    O_Überdeckung->setText(k.T(40));
    Dialograhmen::WechselSprache();
    M_Infotext->setText(k.T(41));
    M_Hintergrundfarbe->setText(k.T(42));
}

bool F_Schieber::Überdeckungsorientiert() const {
    return k.m.SchieberEingabe == 1;
}

void F_Schieber::Einschreiben() {
    SchieberAbleiten(k.m);
    Dialograhmen::Einschreiben();
    (Überdeckungsorientiert() ? O_Überdeckung : O_Schiebergeometrie)->setChecked(true);
    ModusZeigen();
}

void F_Schieber::Übernehmen() {
    auto lies = [this](Länge feld) { k.m.*feld = LiesEinzel(E(feld)); };
    if (O_Überdeckung->isChecked()) {
        for (Länge f : kÜberdeckung)
            lies(f);
    } else {
        lies(&Modell::SchiLänge); // derived again at the next filling
        for (Länge f : kGeometrie)
            lies(f);
    }
    lies(&Modell::SchiTiefe);
    lies(&Modell::SchiInTiefe);
    if (KanalInnenReparieren(k.m)) {
        const std::string text = Meldungstext(k.sprache.Text(2042), {{"|1", "\n\n"}});
        k.plattform.Meldung(this, Q(text), Symbol::Keins);
    }
    lies(&Modell::SstLänge);
}

void F_Schieber::O_Schiebergeometrie_Click() {
    k.m.SchieberEingabe = 0;
    ModusZeigen();
}

void F_Schieber::O_Überdeckung_Click() {
    k.m.SchieberEingabe = 1;
    ModusZeigen();
}

void F_Schieber::MZ() {
    Dialograhmen::MZ();
    ModusZeigen();
}

void F_Schieber::ModusZeigen() {
    const QColor fenster = AlsQColor(k.m.FarbeSchieber);
    auto malen = [](QWidget* w, QPalette::ColorRole rolle, const QColor& farbe) {
        QPalette p = w->palette();
        p.setColor(rolle, farbe);
        w->setPalette(p);
    };
    malen(O_Schiebergeometrie, QPalette::Window, fenster);
    malen(O_Überdeckung, QPalette::Window, fenster);
    malen(E(&Modell::SchiLänge), QPalette::Base, fenster);
    const bool überdeckung = Überdeckungsorientiert();
    auto setzen = [&](Länge feld, bool eingegeben) {
        QLineEdit* e = E(feld);
        // Derived fields stay reachable by mouse, not by Tab.
        e->setFocusPolicy(eingegeben ? Qt::StrongFocus : Qt::ClickFocus);
        e->setCursor(eingegeben ? Qt::IBeamCursor : Qt::ForbiddenCursor);
        malen(e, QPalette::Base, eingegeben ? QColor(Qt::white) : fenster);
    };
    for (Länge f : kGeometrie)
        setzen(f, !überdeckung);
    for (Länge f : kÜberdeckung)
        setzen(f, überdeckung);
}

void F_Schieber::EingabefehlerMelden() {
    const std::string text = Meldungstext(k.sprache.Text(2041), {{"|1", "\n\n"}, {"|2", "\n"}});
    k.plattform.Meldung(this, Q(text), Symbol::Stopp);
}

} // namespace vapro
