// The main window's menus: entries, texts, keys and their actions.

#include "ui/mainwindow/F_Haupt.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <stdexcept>

#include "core/model/Bewegungstabelle.h"
#include "core/model/Rechnen.h"
#include "core/numbers/Zahlenformat.h"
#include "core/persist/Start.h"
#include "render/Farben.h"
#include "ui/mainwindow/F_Tabelle.h"
#include "ui/mainwindow/Fensteransichten.h"
#include "ui/platform/F_Info.h"
#include "ui/platform/Fensterlage.h"
#include "ui/platform/Hilfefenster.h"
#include "ui/platform/Hilfethemen.h"
#include "ui/views/F_Bild.h"
#include "ui/views/F_BildKonfiguration.h"

namespace vapro {

QAction* F_Haupt::Eintrag(QMenu* menü, const char* name, bool abhakbar) {
    auto* a = menü->addAction(QString());
    a->setObjectName(name);
    a->setCheckable(abhakbar);
    einträge_[name] = {a, 0};
    return a;
}

void F_Haupt::MenüsBauen() {
    M_Datei = menuBar()->addMenu(QString());
    M_Bearbeiten = menuBar()->addMenu(QString());
    M_Ansicht = menuBar()->addMenu(QString());
    M_Einstellungen = menuBar()->addMenu(QString());
    M_Extras = menuBar()->addMenu(QString());
    M_Hilfe = menuBar()->addMenu(QStringLiteral("?"));
    struct Def {
        QMenu* menü;
        const char* name;
        int text;
        bool abhakbar;
        bool aktiv;
    };
    M_Geo = new QMenu(this);
    const Def defs[] = {
        {M_Datei, "M_Laden", 433, false, true},
        {M_Datei, "M_Speichern", 434, false, false},
        {M_Datei, "M_Speichernunter", 435, false, true},
        {M_Datei, "M_Bericht", 1700, false, true},
        {M_Datei, "M_Druckereigenschaften", 436, false, true},
        {M_Datei, "M_Beenden", 437, false, true},
        {M_Bearbeiten, "M_Rückgängig", 0, false, false},
        {M_Bearbeiten, "M_Wiederholen", 0, false, false},
        {M_Ansicht, "M_Bild", 438, true, true},
        {M_Ansicht, "M_Tabelle", 439, true, true},
        {M_Ansicht, "M_Stein", 440, true, true},
        {M_Ansicht, "M_SteuerHub", 441, true, false},
        {M_Ansicht, "M_SteuerHubWeg", 442, true, false},
        {M_Ansicht, "M_Steuerzeiten", 443, true, false},
        {M_Ansicht, "M_Meßwerte", 444, true, false},
        {M_Ansicht, "M_Diagramm", 445, true, false},
        {M_Ansicht, "M_Dampftafel", 446, true, false},
        {M_Ansicht, "M_DampftafelUS", 465, true, false},
        {M_Ansicht, "M_Steuerungsverlauf", 921, true, false},
        {M_Geo, "M_Kurbeltrieb", 447, true, false},
        {M_Geo, "M_Umsteuerung", 448, true, false},
        {M_Geo, "M_Schieka", 449, true, false},
        {M_Geo, "M_Schieber", 450, true, false},
        {M_Einstellungen, "M_Betriebsparameter", 452, true, false},
        {M_Einstellungen, "M_Grunddaten_mm", 453, false, true},
        {M_Einstellungen, "M_Grunddaten_inch", 454, false, true},
        {M_Einstellungen, "M_NächsterStart", 455, true, true},
        {M_Einstellungen, "M_RegeditLöschen", 456, true, true},
        {M_Einstellungen, "M_Umrechnen", 0, false, true},
        {M_Einstellungen, "M_Sprache", 0, false, true},
        {M_Einstellungen, "M_Hintergrundfarbe", 462, false, true},
        {M_Extras, "M_Einstellung", 990, true, false},
        {M_Hilfe, "M_Direkthilfe", 458, false, true},
        {M_Hilfe, "M_Hilfedatei", 459, false, true},
        {M_Hilfe, "M_Infotext_Hauptmenü1", 460, false, true},
        {M_Hilfe, "M_Info", 461, false, true},
    };
    for (const Def& d : defs) {
        if (d.menü == M_Einstellungen && std::string(d.name) == "M_Betriebsparameter") {
            QAction* geo = M_Einstellungen->addMenu(M_Geo);
            geo->setObjectName("M_Geo");
            einträge_["M_Geo"] = {geo, 451};
        }
        QAction* a = Eintrag(d.menü, d.name, d.abhakbar);
        einträge_[d.name].text = d.text;
        a->setEnabled(d.aktiv);
        const std::string n = d.name;
        if (n == "M_Betriebsparameter" || n == "M_Grunddaten_inch" || n == "M_RegeditLöschen")
            d.menü->addSeparator();
    }

    einträge_.at("M_Laden").aktion->setShortcut(QKeySequence::Open);
    einträge_.at("M_Speichern").aktion->setShortcut(QKeySequence::Save);
    einträge_.at("M_Speichernunter").aktion->setShortcut(QKeySequence::SaveAs);
    einträge_.at("M_Beenden").aktion->setShortcut(QKeySequence::Quit);
    einträge_.at("M_Rückgängig").aktion->setShortcut(QKeySequence::Undo);
    einträge_.at("M_Wiederholen")
        .aktion->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence::Redo});

    auto verbinde = [this](const char* name, auto f) {
        connect(einträge_.at(name).aktion, &QAction::triggered, this, f);
    };
    verbinde("M_Laden", [this] { M_Laden_Click(); });
    verbinde("M_Speichern", [this] { M_Speichern_Click(); });
    verbinde("M_Speichernunter", [this] { M_Speichernunter_Click(); });
    verbinde("M_Bericht", [this] { M_Bericht_Click(); });
    verbinde("M_Druckereigenschaften", [this] { M_Druckereigenschaften_Click(); });
    verbinde("M_Beenden", [this] { M_Beenden_Click(); });
    verbinde("M_Rückgängig", [this] { M_Rückgängig_Click(); });
    verbinde("M_Wiederholen", [this] { M_Wiederholen_Click(); });
    verbinde("M_Bild", [this] { FensterZeigen(Fenster::Bild, !FensterOffen(Fenster::Bild)); });
    verbinde("M_Tabelle",
             [this] { FensterZeigen(Fenster::Tabelle, !FensterOffen(Fenster::Tabelle)); });
    verbinde("M_Grunddaten_mm", [this] { M_Grunddaten_Click("[mm]"); });
    verbinde("M_Grunddaten_inch", [this] { M_Grunddaten_Click("[inch]"); });
    verbinde("M_NächsterStart", [this] { M_NächsterStart_Click(); });
    verbinde("M_RegeditLöschen", [this] { M_RegeditLöschen_Click(); });
    verbinde("M_Umrechnen", [this] { M_Umrechnen_Click(); });
    verbinde("M_Sprache", [this] { M_Sprache_Click(); });
    verbinde("M_Hintergrundfarbe", [this] {
        if (auto f = k.plattform.FarbeWählen(this, AlsQColor(k.m.FarbeHaupt))) {
            const Modell vorher = k.m;
            k.m.FarbeHaupt = AlsFarbe(*f);
            SchrittAufzeichnen(462, vorher);
            MZ();
        }
    });
    verbinde("M_Info", [this] { FensterZeigen(Fenster::Info, true); });

    M_Popup = new QMenu(this);
    auto* popupInfo = M_Popup->addAction(QString());
    popupInfo->setObjectName("M_Infotext_Hauptmenü2");
    einträge_["M_Infotext_Hauptmenü2"] = {popupInfo, 460};
    M_Popup->addAction(einträge_.at("M_Hintergrundfarbe").aktion);
}

QAction& F_Haupt::Menüeintrag(const char* name) const {
    auto it = einträge_.find(name);
    if (it == einträge_.end()) throw std::out_of_range(name);
    return *it->second.aktion;
}

} // namespace vapro
