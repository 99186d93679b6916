// The main window's windows on the dialog frame: the geometry dialogs, the
// operating parameters, the steam diagram, the steam tables, the
// valve-travel graphs, the valve-events table and graph, the die slip, the
// lever range and the automatic setting. Each is registered once with its
// button, menu entry, settings key and shown flag; opening, the menu ticks,
// the reopening at start-up and the open state at exit all read that list.

#include <QAction>
#include <QPushButton>

#include "ui/analysis/F_Betriebsparameter.h"
#include "ui/analysis/F_Dampftafel.h"
#include "ui/analysis/F_Diagramm.h"
#include "ui/analysis/F_Einstellung.h"
#include "ui/analysis/F_Steuerungsverlauf.h"
#include "ui/analysis/F_SteuerzeitenTabelle.h"
#include "ui/dialogs/Dialograhmen.h"
#include "ui/dialogs/F_Kurbeltrieb.h"
#include "ui/dialogs/F_Schieber.h"
#include "ui/dialogs/F_Schieka.h"
#include "ui/dialogs/F_Umsteuerung.h"
#include "ui/mainwindow/F_Haupt.h"
#include "ui/mainwindow/F_Stein.h"
#include "ui/print/F_SteuerHubD.h"
#include "ui/views/F_SteuerHub.h"
#include "ui/views/F_SteuerHubMenue.h"
#include "ui/views/F_SteuerHubWeg.h"
#include "ui/views/F_Steuerzeiten.h"

namespace vapro {

void F_Haupt::RahmenfensterEinrichten() {
    // Menu entry, main-window button, settings key, shown flag, factory.
    FensterAnmelden("M_Umsteuerung", C_Umsteuerung, "Umsteuerung Zeigen",
                    &Modell::UmsteuerungZeigen, [this] {
                        auto* f = new F_Umsteuerung(k, this);
                        f->Slider_UmWinkel_Einstellen = [this] { Slider_UmWinkel_Einstellen(); };
                        return f;
                    });
    FensterAnmelden("M_Kurbeltrieb", C_Kurbeltrieb, "Kurbeltrieb Zeigen",
                    &Modell::KurbeltriebZeigen, [this] { return new F_Kurbeltrieb(k, this); });
    FensterAnmelden("M_Schieka", C_Schieberkasten, "Schieka Zeigen", &Modell::SchiekaZeigen,
                    [this] { return new F_Schieka(k, this); });
    FensterAnmelden("M_Schieber", C_Schieber, "Schieber Zeigen", &Modell::SchieberZeigen,
                    [this] { return new F_Schieber(k, this); });
    FensterAnmelden(
        "M_Betriebsparameter", C_Betriebsparameter, "Betriebsparameter Zeigen",
        &Modell::BetriebsparameterZeigen, [this] { return new F_Betriebsparameter(k, this); },
        Schrittfenster::Betriebsparameter);
    FensterAnmelden(
        "M_Diagramm", C_Dampfdiagramm, "Diagramm Zeigen", &Modell::DiagrammZeigen,
        [this] {
            auto* f = new F_Diagramm(k, this);
            f->betriebsparameterÖffnen = [this] {
                RahmenfensterZeigen("M_Betriebsparameter", true);
            };
            return f;
        },
        Schrittfenster::Diagramm);
    FensterAnmelden("M_Dampftafel", nullptr, "Dampftafel Zeigen", &Modell::DampftafelZeigen,
                    [this] { return new F_Dampftafel(k, Dampftafelart::SI, this); });
    FensterAnmelden("M_DampftafelUS", nullptr, "DampftafelUS Zeigen", &Modell::DampftafelUSZeigen,
                    [this] { return new F_Dampftafel(k, Dampftafelart::US, this); });
    FensterAnmelden(
        "M_SteuerHub", nullptr, "SteuerHub Zeigen", &Modell::SteuerHubZeigen,
        [this] { return SteuerHubEinrichten(new F_SteuerHub(k, this)); },
        Schrittfenster::SteuerHub);
    FensterAnmelden(
        "M_SteuerHubWeg", nullptr, "SteuerHubWeg Zeigen", &Modell::SteuerHubWegZeigen,
        [this] { return SteuerHubEinrichten(new F_SteuerHubWeg(k, this)); },
        Schrittfenster::SteuerHubWeg);
    FensterAnmelden(
        "M_Steuerzeiten", nullptr, "Steuerzeiten Zeigen", &Modell::SteuerzeitenZeigen,
        [this] { return new F_Steuerzeiten(k, this); }, Schrittfenster::Steuerzeiten);
    FensterAnmelden(
        "M_Meßwerte", nullptr, "Meßwerte Zeigen", &Modell::MeßwerteZeigen,
        [this] { return new F_SteuerzeitenTabelle(k, this); }, Schrittfenster::Meßwerte);
    FensterAnmelden(
        "M_Stein", nullptr, "Stein Zeigen", &Modell::SteinZeigen,
        [this] { return new F_Stein(k, this); }, Schrittfenster::Stein);
    FensterAnmelden(
        "M_Steuerungsverlauf", nullptr, "Steuerungsverlauf Zeigen",
        &Modell::SteuerungsverlaufZeigen, [this] { return new F_Steuerungsverlauf(k, this); },
        Schrittfenster::Steuerungsverlauf);
    FensterAnmelden("M_Einstellung", nullptr, "Einstellung Zeigen", &Modell::EinstellungZeigen,
                    [this] {
                        auto* f = new F_Einstellung(k, this);
                        // An applied setting is a new engine for every window.
                        f->nachÜbernahme = [this] {
                            Slider_UmWinkel_Einstellen();
                            FensterNeuLaden();
                            Daten_Zustand();
                        };
                        return f;
                    });
}

F_SteuerHub* F_Haupt::SteuerHubEinrichten(F_SteuerHub* graph) {
    graph->einstellungenÖffnen = [this] { SteuerHubMenüZeigen(); };
    graph->druckenÖffnen = [this] { SteuerHubDZeigen(); };
    return graph;
}

F_SteuerHubMenü* F_Haupt::SteuerHubMenü() {
    return steuerHubMenü_;
}

F_SteuerHubMenü& F_Haupt::SteuerHubMenüZeigen() {
    if (!steuerHubMenü_) {
        steuerHubMenü_ = new F_SteuerHubMenü(k, this);
        // Both graphs take the settings, those that are open.
        steuerHubMenü_->graphenNeuzeichnen = [this] {
            Neuzeichnen(Schrittfenster::SteuerHub);
            Neuzeichnen(Schrittfenster::SteuerHubWeg);
        };
    }
    steuerHubMenü_->Aufrufer();
    steuerHubMenü_->show();
    steuerHubMenü_->raise();
    steuerHubMenü_->activateWindow();
    return *steuerHubMenü_;
}

F_SteuerHubD* F_Haupt::SteuerHubD() {
    return steuerHubD_;
}

F_SteuerHubD& F_Haupt::SteuerHubDZeigen() {
    if (!steuerHubD_) steuerHubD_ = new F_SteuerHubD(k, this);
    // The print window takes the calling graph's axis and colour.
    k.m.FarbeSteuerHubD = k.m.FarbeSteuerHub;
    steuerHubD_->Aufrufer();
    steuerHubD_->MZ();
    steuerHubD_->show();
    steuerHubD_->raise();
    steuerHubD_->activateWindow();
    return *steuerHubD_;
}

void F_Haupt::FensterAnmelden(const char* menü, QPushButton* knopf, const char* schlüssel,
                              int16_t Modell::*flagge, std::function<Dialograhmen*()> bauen,
                              std::optional<Schrittfenster> schritt) {
    rahmenfenster_.push_back({menü, schlüssel, knopf, flagge, std::move(bauen), schritt, {}});
    QAction& eintrag = Menüeintrag(menü);
    eintrag.setEnabled(true);
    const std::string name = menü;
    connect(&eintrag, &QAction::triggered, this,
            [this, name] { RahmenfensterZeigen(name, !RahmenfensterOffen(name)); });
    if (knopf) {
        knopf->setEnabled(true);
        connect(knopf, &QPushButton::clicked, this,
                [this, name] { RahmenfensterZeigen(name, true); });
    }
}

F_Haupt::Rahmeneintrag* F_Haupt::RahmenSuchen(const std::string& menü) {
    for (Rahmeneintrag& e : rahmenfenster_)
        if (e.menü == menü) return &e;
    return nullptr;
}

Dialograhmen* F_Haupt::Rahmenfenster(const std::string& menü) {
    Rahmeneintrag* e = RahmenSuchen(menü);
    if (!e) return nullptr;
    if (!e->fenster) {
        e->fenster = e->bauen();
        // The window deletes itself when closed; the tick and the flag follow.
        e->fenster->beimSchließen = [this, menü, flagge = e->flagge] {
            Menüeintrag(menü.c_str()).setChecked(false);
            k.m.*flagge = Falsch;
        };
    }
    return e->fenster;
}

void F_Haupt::SchrittMalen(Schrittfenster fenster) {
    for (const Rahmeneintrag& e : rahmenfenster_)
        if (e.schritt == fenster && e.fenster && e.fenster->isVisible()) e.fenster->SchrittMalen();
}

void F_Haupt::Neuzeichnen(Schrittfenster fenster) {
    for (const Rahmeneintrag& e : rahmenfenster_)
        if (e.schritt == fenster && e.fenster && e.fenster->isVisible()) e.fenster->Neuzeichnen();
}

bool F_Haupt::RahmenfensterOffen(const std::string& menü) const {
    for (const Rahmeneintrag& e : rahmenfenster_)
        if (e.menü == menü) return e.fenster && e.fenster->isVisible();
    return false;
}

void F_Haupt::RahmenfensterZeigen(const std::string& menü, bool zeigen) {
    Rahmeneintrag* e = RahmenSuchen(menü);
    if (!e) return;
    Menüeintrag(menü.c_str()).setChecked(zeigen);
    k.m.*e->flagge = zeigen ? Wahr : Falsch;
    if (!zeigen) {
        if (e->fenster) e->fenster->close();
        return;
    }
    Dialograhmen* w = Rahmenfenster(menü);
    w->show();
    w->raise();
    w->activateWindow();
}

std::vector<std::pair<std::string, bool>> F_Haupt::OffeneFenster() const {
    std::vector<std::pair<std::string, bool>> offen{
        {"Bild Zeigen", FensterOffen(Fenster::Bild)},
        {"Tabelle Zeigen", FensterOffen(Fenster::Tabelle)},
    };
    for (const Rahmeneintrag& e : rahmenfenster_)
        offen.emplace_back(e.schlüssel, e.fenster && e.fenster->isVisible());
    return offen;
}

} // namespace vapro
