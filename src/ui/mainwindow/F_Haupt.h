#pragma once
// The main window: the animation loop with its sliders, buttons and
// read-outs, the menus, and the owner of every other window.

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/model/Ansichten.h"
#include "ui/Kontext.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;

namespace vapro {

class Dialograhmen;
class F_Bild;
class F_BildDruck;
class F_BildKonfiguration;
class F_Info;
class F_SteuerHub;
class F_SteuerHubD;
class F_SteuerHubMenü;
class F_Tabelle;
class Fensteransichten;

class F_Haupt : public QMainWindow {
  public:
    explicit F_Haupt(Kontext& k, QWidget* eltern = nullptr);
    ~F_Haupt() override;

    // Start-up: position, texts, reopened windows, slider range, the file
    // named on the command line or remembered from the last run.
    void Form_Load(const QString& befehlszeilenDatei);

    // --- animation ---
    void Timer1_Timer();
    void Knopf_Start_Stop_Click();
    void Knopf_Vor_Click();
    void Knopf_Zurück_Click();
    void K_NullGrad_Click();
    void Slider_Zeit_Scroll();
    void Slider_Winkel_Scroll();
    void Slider_UmWinkel_Scroll();
    // Also shows the reversing controls exactly when the gear has a link.
    void Slider_UmWinkel_Einstellen();
    void Einschreiben();
    void Ausgabe();
    void Daten_Zustand();
    void Umlaufzeit(double sekunden);
    void DrehrichtungsbilanzZeigen(int16_t bilanz);
    bool Läuft() const { return Timer1.isActive(); }

    // --- files, units, languages, next start ---
    void M_Laden_Click();
    // True when the engine was saved.
    bool M_Speichern_Click();
    bool M_Speichernunter_Click();
    // Writes the design report of the engine on screen to a PDF the user names.
    void M_Bericht_Click();
    bool Ladeaktion(const QString& pfad);
    bool SpeicherAktion(const QString& pfad);
    void M_Umrechnen_Click();
    void EinheitenAktualisieren();
    void StandarddatenLaden();
    void M_Grunddaten_Click(const char* einheit);
    void M_Sprache_Click();
    void WechselSprache();
    void M_NächsterStart_Click();
    void M_RegeditLöschen_Click();
    void M_Beenden_Click();
    void M_Rückgängig_Click() { VerlaufAnwenden(true); }
    void M_Wiederholen_Click() { VerlaufAnwenden(false); }

    // --- windows ---
    enum class Fenster { Bild, Tabelle, BildKonfiguration, BildDruck, Info };
    void FensterZeigen(Fenster f, bool zeigen);
    bool FensterOffen(Fenster f) const;
    F_Bild& Bild();
    F_Tabelle* Tabelle();
    F_BildKonfiguration* BildKonfiguration();
    F_BildDruck* BildDruck();
    // The page of a running print of the engine picture, during its frame.
    void DruckZeichnen();
    // The printer's resolution and page size in a message.
    void M_Druckereigenschaften_Click();

    // Windows on the dialog frame (geometry dialogs, operating parameters,
    // analysis windows), each opened by its menu entry and its button if it
    // has one, named by the menu entry ("M_Kurbeltrieb").
    void RahmenfensterZeigen(const std::string& menü, bool zeigen);
    bool RahmenfensterOffen(const std::string& menü) const;
    // The window, created if need be; nullptr for a name not registered.
    Dialograhmen* Rahmenfenster(const std::string& menü);
    // A frame step for the open window registered under `fenster`.
    void SchrittMalen(Schrittfenster fenster);
    // A full redraw of the open window registered under `fenster`.
    void Neuzeichnen(Schrittfenster fenster);
    // The settings of both valve-travel graphs, for the graph recorded as
    // the caller; created if need be.
    F_SteuerHubMenü& SteuerHubMenüZeigen();
    F_SteuerHubMenü* SteuerHubMenü();
    // The print window of the valve-travel graphs, for the graph recorded as
    // the caller, in that graph's colour; created if need be.
    F_SteuerHubD& SteuerHubDZeigen();
    F_SteuerHubD* SteuerHubD();

    // Controls, for tests and the context help.
    QLabel& Anzeige(const char* name) const;
    QSlider& SliderZeit() { return *Slider_Zeit; }
    QSlider& SliderWinkel() { return *Slider_Winkel; }
    QSlider& SliderUmWinkel() { return *Slider_UmWinkel; }
    QPushButton& KnopfStartStop() { return *Knopf_Start_Stop; }
    QAction& Menüeintrag(const char* name) const;
    const QTimer& Zeitgeber() const { return Timer1; }

  protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void SteuerelementeBauen();
    void MenüsBauen();
    QAction* Eintrag(QMenu* menü, const char* name, bool abhakbar = false);
    void Menühäkchen();
    // The windows on the dialog frame this program has: FensterAnmelden for each.
    void RahmenfensterEinrichten();
    // A valve-travel graph wired to its settings window.
    F_SteuerHub* SteuerHubEinrichten(F_SteuerHub* graph);
    // `knopf` may be nullptr; `schlüssel` is the settings key "<stem> Zeigen";
    // `schritt` names the window for the frame steps and redraws it takes.
    void FensterAnmelden(const char* menü, QPushButton* knopf, const char* schlüssel,
                         int16_t Modell::*flagge, std::function<Dialograhmen*()> bauen,
                         std::optional<Schrittfenster> schritt = std::nullopt);
    // Open windows as "<stem> Zeigen" keys, for the settings at exit.
    std::vector<std::pair<std::string, bool>> OffeneFenster() const;
    void Geometriefehler(int meldung);
    // Undo and redo: a change of the engine named by text `name` becomes a
    // step; the Edit menu names the steps it would take.
    void SchrittAufzeichnen(int name, const Modell& vorher);
    void VerlaufBeschriften();
    // Installs the engine a step kept and brings every window to it.
    void VerlaufAnwenden(bool rückgängig);
    // The reversing slider, its read-outs and the die slip exist only with a link.
    void SichtbarkeitSetzen();
    // Before exit: unsaved changes are saved, dropped, or the exit is
    // cancelled (false).
    bool ÄnderungenSichern();
    void FensterNeuLaden();
    void AllesSchließen();
    // Shut-down: settings (or their reset) and every window closed.
    void Aufräumen();
    QString Zeitstempel() const;
    void MZ();
    void HilfeEinrichten();
    void UmrechnenBeschriften();
    void DirekthilfeTexte();

    Kontext& k;
    std::vector<QWidget*> hilfeSteuerelemente_;
    std::unique_ptr<Fensteransichten> ansichten_;
    QTimer Timer1;
    float UmWinkelAlt = 0;
    bool beenden_ = false;
    bool imTakt_ = false; // inside Timer1_Timer

    QPushButton *Knopf_Start_Stop, *Knopf_Vor, *Knopf_Zurück, *K_NullGrad;
    QPushButton *C_Bild, *C_Kurbeltrieb, *C_Umsteuerung, *C_Schieberkasten, *C_Schieber,
        *C_Betriebsparameter, *C_Dampfdiagramm;
    QSlider *Slider_Zeit, *Slider_Winkel, *Slider_UmWinkel;
    QLabel *T_SlZeit, *T_SlWinkel, *T_SlUmst, *T_kwegmm, *T_KLproz, *T_Winkel, *T_Springen,
        *T_Schieberhub, *T_Zeit, *T_Drehung, *T_Dateiname, *T_Direkthilfe;
    std::array<QLabel*, 3> T_Einheit{};
    QLabel *Aus_Winkel, *aus_kwegmm, *Aus_kwegproz, *Aus_SchieHub, *Aus_Springen, *Aus_UmWinkel,
        *Aus_WinkelSchritt, *Aus_Zeit, *A_Zeit;
    QMenu *M_Datei, *M_Bearbeiten, *M_Ansicht, *M_Einstellungen, *M_Geo, *M_Extras, *M_Hilfe,
        *M_Popup;
    // Menu entries by name, with the text each shows (0: set elsewhere).
    struct Eintragsdaten {
        QAction* aktion;
        int text;
    };
    std::map<std::string, Eintragsdaten> einträge_;

    QPointer<F_Bild> bild_;
    QPointer<F_Tabelle> tabelle_;
    QPointer<F_BildKonfiguration> bildKonfiguration_;
    QPointer<F_BildDruck> bildDruck_;
    QPointer<F_Info> info_;
    QPointer<F_SteuerHubMenü> steuerHubMenü_;
    QPointer<F_SteuerHubD> steuerHubD_;
    struct Rahmeneintrag {
        std::string menü, schlüssel;
        QPushButton* knopf;
        int16_t Modell::*flagge;
        std::function<Dialograhmen*()> bauen;
        std::optional<Schrittfenster> schritt;
        QPointer<Dialograhmen> fenster;
    };
    std::vector<Rahmeneintrag> rahmenfenster_;
    Rahmeneintrag* RahmenSuchen(const std::string& menü);
};

} // namespace vapro
