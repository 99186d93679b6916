// The main window's menus: machine files, units, default engines, language,
// next start, the other windows, start-up and shut-down.

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

namespace {

// Shows the busy pointer and keeps the settings menu off while a long action runs.
class Beschäftigt {
  public:
    explicit Beschäftigt(QMenu* menü) : menü_(menü) {
        menü_->setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ~Beschäftigt() {
        QApplication::restoreOverrideCursor();
        menü_->setEnabled(true);
    }

  private:
    QMenu* menü_;
};

} // namespace

QString F_Haupt::Zeitstempel() const {
    const QLocale l = QLocale::system();
    const QDateTime jetzt = QDateTime::currentDateTime();
    return l.toString(jetzt.date(), QLocale::ShortFormat) + ",  " +
           l.toString(jetzt.time(), QLocale::LongFormat);
}

// --- start-up ---

void F_Haupt::Form_Load(const QString& befehlszeilenDatei) {
    WechselSprache();
    EinheitenAktualisieren();
    // With its texts the window has its size; the windows reopened next open beside it.
    PositionLaden(*this, k.speicher, "Haupt", 300);
    Menühäkchen();
    Slider_UmWinkel_Einstellen();
    if (!befehlszeilenDatei.isEmpty()) {
        k.zustand.Dateiname = befehlszeilenDatei.toStdString();
        k.m.NächsterStart = 1;
    }
    Menüeintrag("M_NächsterStart").setChecked(false);
    if (k.m.NächsterStart == 1 && !k.zustand.Dateiname.empty()) {
        Menüeintrag("M_NächsterStart").setChecked(true);
        const QString datei = Q(k.zustand.Dateiname);
        if (!Ladeaktion(datei)) k.zustand.Dateiname.clear();
    }
    // The engine the program starts with is the one undo leads back to.
    k.zustand.verlauf.Leeren(k.m);
    Daten_Zustand();
    Timer1.start();
    Knopf_Start_Stop->setText(QStringLiteral("Stop"));
}

void F_Haupt::Menühäkchen() {
    const std::pair<const char*, Fenster> fenster[] = {{"Bild Zeigen", Fenster::Bild},
                                                       {"Tabelle Zeigen", Fenster::Tabelle}};
    for (const auto& [schlüssel, f] : fenster)
        if (k.speicher.Lesen(AbschnittAktuell, schlüssel, "False") == "True")
            FensterZeigen(f, true);
    for (const Rahmeneintrag& e : rahmenfenster_)
        if (k.speicher.Lesen(AbschnittAktuell, e.schlüssel, "False") == "True")
            RahmenfensterZeigen(e.menü, true);
}

// --- windows ---

F_Tabelle* F_Haupt::Tabelle() {
    return tabelle_;
}
F_BildKonfiguration* F_Haupt::BildKonfiguration() {
    return bildKonfiguration_;
}

// --- machine files ---

bool F_Haupt::Ladeaktion(const QString& pfad) {
    const Ladeergebnis e = Laden(k.m, std::filesystem::path(pfad.toStdString()), k.sprache);
    if (e.art != Ladeergebnis::Ok) {
        // The core loads into a scratch copy: the engine that was there stays.
        k.plattform.Meldung(this, Q(e.meldung), Symbol::Stopp);
        return false;
    }
    k.zustand.Dateiname = pfad.toStdString();
    k.zustand.verlauf.Leeren(k.m);
    EinheitenAktualisieren();
    Slider_UmWinkel_Einstellen();
    FensterNeuLaden();
    try {
        Neuberechnung(k.m, *k.ansichten, Anlass::NeueDaten);
    } catch (const GeometrieFehler&) {
        Geometriefehler(2013);
    }
    Menüeintrag("M_Speichern").setEnabled(true);
    Menüeintrag("M_NächsterStart").setEnabled(true);
    Menüeintrag("M_NächsterStart").setChecked(true);
    k.m.NächsterStart = 1;
    Daten_Zustand();
    return true;
}

bool F_Haupt::SpeicherAktion(const QString& pfad) {
    const Speicherergebnis e = Speichern(k.m, std::filesystem::path(pfad.toStdString()), k.sprache,
                                         Zeitstempel().toStdString());
    if (!e.ok) {
        k.plattform.Meldung(this, Q(e.meldung), Symbol::Ausruf);
        return false;
    }
    k.zustand.Dateiname = pfad.toStdString();
    k.m.Geändert = false;
    k.zustand.verlauf.Gespeichert(k.m);
    Menüeintrag("M_NächsterStart").setEnabled(true);
    Menüeintrag("M_NächsterStart").setChecked(true);
    k.m.NächsterStart = 1;
    Menüeintrag("M_Speichern").setEnabled(true);
    Daten_Zustand();
    return true;
}

void F_Haupt::M_Laden_Click() {
    // Cancelling the chooser cancels the load.
    if (auto pfad = k.plattform.DateiÖffnen(this, k.T(416), Q(k.zustand.Dateiname)))
        Ladeaktion(*pfad);
}

bool F_Haupt::M_Speichern_Click() {
    if (k.zustand.Dateiname.empty()) return M_Speichernunter_Click();
    return SpeicherAktion(Q(k.zustand.Dateiname));
}

namespace {

// A name typed without an extension gets the machine files' one.
QString MitEndung(QString pfad) {
    if (!QFileInfo(pfad).suffix().isEmpty()) return pfad;
    if (!pfad.endsWith('.')) pfad += '.';
    return pfad + "kmf";
}

} // namespace

bool F_Haupt::M_Speichernunter_Click() {
    const auto pfad = k.plattform.DateiSpeichern(this, k.T(415), Q(k.zustand.Dateiname));
    return pfad && SpeicherAktion(MitEndung(*pfad));
}

// --- units and default engines ---

// The conversion entry names the system it converts into.
void F_Haupt::UmrechnenBeschriften() {
    einträge_.at("M_Umrechnen").aktion->setText(k.T(457) + (IstMM(k.m) ? " [inch]" : " [mm]"));
}

void F_Haupt::EinheitenAktualisieren() {
    EinheitenSetzen(k.einheiten, k.m.Einheit);
    UmrechnenBeschriften();
    for (QLabel* l : T_Einheit)
        l->setText(Q(k.m.Einheit));
    if (bildKonfiguration_) bildKonfiguration_->Einschreiben();
    for (Rahmeneintrag& e : rahmenfenster_)
        if (e.fenster) e.fenster->Einschreiben();
    if (tabelle_) tabelle_->TabelleEinrichten();
}

void F_Haupt::M_Umrechnen_Click() {
    Beschäftigt warten(M_Einstellungen);
    const Modell vorher = k.m;
    try {
        EinheitUmschalten(k.m);
    } catch (const GeometrieFehler&) {
        Geometriefehler(2013); // nothing was converted
        return;
    }
    SchrittAufzeichnen(457, vorher);
    k.speicher.Schreiben(AbschnittVersion, "Einheit", k.m.Einheit);
    EinheitenAktualisieren();
    try {
        Neuberechnung(k.m, *k.ansichten, Anlass::Eingabe);
    } catch (const GeometrieFehler&) {
        Geometriefehler(2013);
    }
}

void F_Haupt::StandarddatenLaden() {
    Beschäftigt warten(M_Einstellungen);
    const std::string einheit = k.speicher.Lesen(AbschnittVersion, "Einheit", "[mm]");
    k.zustand.Dateiname.clear();
    Menüeintrag("M_NächsterStart").setChecked(false);
    Menüeintrag("M_NächsterStart").setEnabled(false);
    Menüeintrag("M_Speichern").setEnabled(false);
    try {
        vapro::StandarddatenLaden(k.m, *k.ansichten, einheit);
    } catch (const GeometrieFehler&) {
        Geometriefehler(2013);
    }
    EinheitenAktualisieren();
    // A default engine is a known state, like a file: unchanged as it stands.
    k.zustand.verlauf.Gespeichert(k.m);
    Slider_UmWinkel_Einstellen();
    FensterNeuLaden();
    Daten_Zustand();
}

void F_Haupt::M_Grunddaten_Click(const char* einheit) {
    const Modell vorher = k.m;
    k.speicher.Schreiben(AbschnittVersion, "Einheit", einheit);
    StandarddatenLaden();
    k.zustand.verlauf.Aufzeichnen(einheit == std::string_view("[mm]") ? 453 : 454, vorher, k.m);
    Daten_Zustand();
}

// --- language ---

void F_Haupt::M_Sprache_Click() {
    menuBar()->setEnabled(false);
    SpracheEinstellen(k.sprache, k.sprache.Sprachbasis == SprachbasisDeutsch ? SprachbasisEnglisch
                                                                             : SprachbasisDeutsch);
    k.speicher.Schreiben(AbschnittVersion, "Sprache", std::to_string(k.sprache.Sprachbasis));
    Daten_Zustand();
    WechselSprache();
    if (bild_) bild_->WechselSprache();
    if (bildKonfiguration_) bildKonfiguration_->WechselSprache();
    if (bildDruck_) bildDruck_->WechselSprache();
    for (Rahmeneintrag& e : rahmenfenster_)
        if (e.fenster) e.fenster->WechselSprache();
    if (tabelle_) tabelle_->TabelleEinrichten();
    if (steuerHubMenü_) steuerHubMenü_->WechselSprache();
    if (steuerHubD_) steuerHubD_->WechselSprache();
    menuBar()->setEnabled(true);
}

// --- next start and shut-down ---

void F_Haupt::M_NächsterStart_Click() {
    k.m.NächsterStart = Menüeintrag("M_NächsterStart").isChecked() ? 1 : 0;
}

void F_Haupt::M_RegeditLöschen_Click() {
    k.zustand.Rücksetzen = Menüeintrag("M_RegeditLöschen").isChecked() ? 1 : 0;
}

void F_Haupt::M_Beenden_Click() {
    if (!ÄnderungenSichern()) return;
    Aufräumen();
    close();
}

bool F_Haupt::ÄnderungenSichern() {
    if (!k.m.Geändert) return true;
    const QString frage = Q(Meldungstext(k.sprache.Text(466), {{"|1", "\n\n"}}));
    switch (
        k.plattform.SpeichernFragen(this, frage, windowTitle(), {k.T(467), k.T(468), k.T(469)})) {
    case Sichern::Speichern:
        return M_Speichern_Click();
    case Sichern::Verwerfen:
        return true;
    case Sichern::Abbrechen:
        break;
    }
    return false;
}

void F_Haupt::Aufräumen() {
    beenden_ = true;
    const Zeitpunkt jetzt = JetztLokal();
    if (k.zustand.Rücksetzen == 0) {
        EinstellungenSichern(k.speicher, k.m, k.zustand, jetzt.Datum, jetzt.Zeit, OffeneFenster());
        PositionSpeichern(*this, k.speicher, "Haupt");
    }
    Timer1.stop();
    AllesSchließen();
    if (k.zustand.Rücksetzen == 1) EinstellungenZurücksetzen(k.speicher, jetzt.Datum, jetzt.Zeit);
}

void F_Haupt::closeEvent(QCloseEvent* e) {
    if (!beenden_) {
        // With unsaved changes the question offers to save them instead.
        const bool weiter =
            k.m.Geändert ? ÄnderungenSichern() : k.plattform.JaNein(this, k.T(411), windowTitle());
        if (!weiter) {
            e->ignore();
            return;
        }
        Aufräumen();
    }
    QMainWindow::closeEvent(e);
}

void F_Haupt::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange && !isActiveWindow() && k.zustand.Rücksetzen == 0 &&
        isVisible())
        PositionSpeichern(*this, k.speicher, "Haupt");
    QMainWindow::changeEvent(e);
}

} // namespace vapro
