#include "ui/dialogs/F_Schieka.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QPushButton>

#include "core/model/Schieber.h"
#include "core/persist/Texte.h"
#include "ui/dialogs/F_Schieber.h"
#include "ui/platform/Hilfethemen.h"

namespace vapro {

namespace {

Rahmendaten Rahmen() {
    // A half-applied chest is still a consistent engine: recompute it, so
    // that model, picture and views agree.
    return {.stamm = "Schieka",
            .vorgabeTwips = 110,
            .titel = 0,
            .hilfe = HilfeKontext::Schieberkasten,
            .farbe = &Modell::FarbeSchieka,
            .weiterNachEingabefehler = true};
}

// A part of the port face that would leave the face without length is
// rejected: the graphs divide by it.
Reparatur Spiegelteil(float Modell::*teil) {
    return Reparatur([teil](double wert, Modell& m) {
        if (!(Spiegellänge(m) - m.*teil + wert > 0)) throw Eingabefehler();
        return wert;
    });
}

// Rows in the order they are applied, which is the tab order too.
std::vector<Zeile> Zeilen() {
    const Reparatur mindestens([](double wert, Modell&) { return wert <= 0 ? 0.001 : wert; });
    using Z = Zeile;
    const Schild L = Schild::Länge;
    std::vector<Zeile> z{Z::Überschrift(1001)};
    for (float Modell::*teil : {&Modell::KaLaufO, &Modell::KaWeiO, &Modell::KaDamO, &Modell::KaWeiM,
                                &Modell::KaDamU, &Modell::KaWeiU, &Modell::KaLaufU})
        z.push_back(Z::Eingabe(teil, L, Spiegelteil(teil)));
    const auto spiegel = [](const Modell& m) { return static_cast<double>(m.SpieLänge); };
    const auto kasten = [](const Modell& m) {
        return static_cast<double>(m.SkUnten) + m.SkOben + m.SpieLänge;
    };
    for (Zeile r : {
             Z::Anzeige(1009, spiegel, Muster::Allgemein, L),
             Z::Überschrift(1018),
             Z::Eingabe(&Modell::SkBreite, L, mindestens),
             Z::Eingabe(&Modell::KanallängeOben, L, mindestens),
             Z::Eingabe(&Modell::KanallängeUnten, L, mindestens),
             Z::Eingabe(&Modell::DFrischdampf, L),
             Z::Eingabe(&Modell::DAbdampf, L),
             Z::Eingabe(&Modell::SkOben, L),
             Z::Eingabe(&Modell::SkUnten, L),
             Z::Anzeige(1012, kasten, Muster::Allgemein, L),
             Z::Eingabe(&Modell::SkHöhe, L),
             Z::Eingabe(&Modell::KaLänge, L),
             Z::Überschrift(1025),
             Z::Eingabe(&Modell::kaumx, L),
             Z::Eingabe(&Modell::kaumy, L),
         })
        z.push_back(std::move(r));
    return z;
}

} // namespace

F_Schieka::F_Schieka(Kontext& kontext, QWidget* eltern) : Dialograhmen(kontext, Rahmen(), eltern) {
    auto* raster = new QGridLayout(this);
    raster->setSizeConstraint(QLayout::SetFixedSize);
    FormularAnlegen(Zeilen(), raster);
    raster->addWidget(KnopfÜbernehmenAnlegen(), raster->rowCount(), 0, 1, 3);
}

void F_Schieka::WechselSprache() {
    setWindowTitle(k.T(0));
    Knopf_Übernehmen->setText(k.T(200));
    Dialograhmen::WechselSprache();
    M_Infotext->setText(k.T(21));
    M_Hintergrundfarbe->setText(k.T(22));
}

void F_Schieka::Einschreiben() {
    SchieberkastenAbleiten(k.m);
    SchieberAbleiten(k.m);
    Dialograhmen::Einschreiben();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* schieber = dynamic_cast<F_Schieber*>(w); schieber && schieber->Bearbeitet(k.m))
            schieber->Einschreiben();
}

void F_Schieka::EingabefehlerMelden() {
    const std::string text = Meldungstext(k.sprache.Text(2040), {{"|1", "\n\n"}, {"|2", "\n"}});
    k.plattform.Meldung(this, Q(text), Symbol::Stopp);
}

} // namespace vapro
