// The main window's other windows: creating, showing, refilling and closing them.

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QWhatsThis>

#include "core/model/Bewegung.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Standarddaten.h"
#include "core/persist/Hilfedatei.h"
#include "core/persist/Maschinendatei.h"
#include "core/persist/Start.h"
#include "ui/dialogs/Dialograhmen.h"
#include "ui/mainwindow/F_Haupt.h"
#include "ui/mainwindow/F_Tabelle.h"
#include "ui/platform/F_Info.h"
#include "ui/platform/Fensterlage.h"
#include "ui/platform/Hilfethemen.h"
#include "ui/print/F_BildDruck.h"
#include "ui/print/F_SteuerHubD.h"
#include "ui/views/F_Bild.h"
#include "ui/views/F_BildKonfiguration.h"
#include "ui/views/F_SteuerHubMenue.h"

namespace vapro {

F_Bild& F_Haupt::Bild() {
    if (!bild_) {
        bild_ = new F_Bild(k, this);
        bild_->beimSchließen = [this] {
            Menüeintrag("M_Bild").setChecked(false);
            if (bildKonfiguration_) bildKonfiguration_->close();
        };
        bild_->einstellungenÖffnen = [this] { FensterZeigen(Fenster::BildKonfiguration, true); };
        bild_->druckenÖffnen = [this] { FensterZeigen(Fenster::BildDruck, true); };
    }
    return *bild_;
}

bool F_Haupt::FensterOffen(Fenster f) const {
    switch (f) {
    case Fenster::Bild:
        return bild_ && bild_->isVisible();
    case Fenster::Tabelle:
        return tabelle_ && tabelle_->isVisible();
    case Fenster::BildKonfiguration:
        return bildKonfiguration_ && bildKonfiguration_->isVisible();
    case Fenster::BildDruck:
        return bildDruck_ && bildDruck_->isVisible();
    case Fenster::Info:
        return info_ && info_->isVisible();
    }
    return false;
}

void F_Haupt::FensterZeigen(Fenster f, bool zeigen) {
    QWidget* w = nullptr;
    switch (f) {
    case Fenster::Bild:
        w = &Bild();
        k.m.BildZeigen = zeigen ? Wahr : Falsch;
        Menüeintrag("M_Bild").setChecked(zeigen);
        if (!zeigen && bildKonfiguration_) bildKonfiguration_->hide();
        break;
    case Fenster::Tabelle:
        if (!tabelle_) {
            tabelle_ = new F_Tabelle(k, this);
            tabelle_->beimSchließen = [this] { Menüeintrag("M_Tabelle").setChecked(false); };
        }
        w = tabelle_;
        k.m.TabelleZeigen = zeigen ? Wahr : Falsch;
        Menüeintrag("M_Tabelle").setChecked(zeigen);
        break;
    case Fenster::BildKonfiguration:
        if (!bildKonfiguration_) bildKonfiguration_ = new F_BildKonfiguration(k, this);
        w = bildKonfiguration_;
        break;
    case Fenster::BildDruck:
        if (!bildDruck_) bildDruck_ = new F_BildDruck(k, this);
        w = bildDruck_;
        if (zeigen) {
            // The print window takes the picture's background colour.
            k.m.FarbeBildDruck = k.m.FarbeBild;
            bildDruck_->MZ();
        }
        break;
    case Fenster::Info:
        if (!info_) info_ = new F_Info(k, this);
        w = info_;
        break;
    }
    if (!zeigen) {
        w->hide();
        return;
    }
    w->show();
    w->raise();
    w->activateWindow();
}

void F_Haupt::FensterNeuLaden() {
    if (bild_) {
        bild_->MZ();
        bild_->WechselSprache();
    }
    if (bildKonfiguration_) bildKonfiguration_->Einschreiben();
    if (bildDruck_) bildDruck_->Einschreiben();
    // The input windows in the colours and with the values of the new data.
    for (Rahmeneintrag& e : rahmenfenster_)
        if (e.fenster) {
            e.fenster->MZ();
            e.fenster->Einschreiben();
        }
    if (steuerHubMenü_) {
        steuerHubMenü_->MZ();
        steuerHubMenü_->Einschreiben();
    }
    if (steuerHubD_) {
        steuerHubD_->MZ();
        steuerHubD_->Einschreiben();
    }
    if (tabelle_) {
        tabelle_->TabelleEinrichten();
        tabelle_->Einschreiben();
        tabelle_->MZ();
    }
    MZ();
}

void F_Haupt::AllesSchließen() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             bild_, tabelle_, bildKonfiguration_, bildDruck_, info_, steuerHubMenü_, steuerHubD_})
        if (w) w->close();
    for (Rahmeneintrag& e : rahmenfenster_)
        if (e.fenster) e.fenster->close();
    // Windows of no owner too, such as the help viewer: the program ends when
    // its last window closes.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible()) w->close();
}

F_BildDruck* F_Haupt::BildDruck() {
    return bildDruck_;
}

void F_Haupt::DruckZeichnen() {
    if (bildDruck_) bildDruck_->SeiteDrucken();
}

void F_Haupt::M_Druckereigenschaften_Click() {
    k.plattform.Meldung(this, Druckereigenschaften(k, k.plattform.Drucker()), Symbol::Information);
}

} // namespace vapro
