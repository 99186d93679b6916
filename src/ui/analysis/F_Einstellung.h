#pragma once
// Automatic setting of the valve gear: the user frees inputs within bounds
// and weighs the goals; the search runs on a copy of the engine on a thread
// of its own, so the window and the turning engine stay responsive; the
// result shows the inputs, the goals and the design checks before and after
// and is applied as one step that undo takes back.

#include <QString>
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "core/analysis/Einstellung.h"
#include "ui/dialogs/Dialograhmen.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace vapro {

class F_Einstellung : public Dialograhmen {
  public:
    explicit F_Einstellung(Kontext& k, QWidget* eltern = nullptr);
    // Cancels a search still running and waits for it.
    ~F_Einstellung() override;

    void WechselSprache() override;
    // Present values and default bounds of the engine; a result for
    // another engine is dropped.
    void Einschreiben() override;

    // Starts the search; a bad request is reported and starts nothing.
    void Knopf_Starten_Click();
    void Knopf_Abbrechen_Click();
    // Installs the result as one step and recomputes; refused when the
    // engine changed since the search started.
    void Knopf_Anwenden_Click();

    bool Läuft() const { return arbeiter_.joinable(); }
    const std::optional<Einstellergebnis>& Ergebnis() const { return ergebnis_; }

    // After an apply: the main window brings its other windows to the engine.
    std::function<void()> nachÜbernahme;

    // One row per input the setting can move.
    struct Eingabezeile {
        const Stellgröße* stell;
        const vapro::Feld* feld;
        QCheckBox* C_Frei;
        QLabel* A_Jetzt;
        QLineEdit *E_Von, *E_Bis;
        QLabel* schild;
    };
    const std::vector<Eingabezeile>& Zeilen() const { return zeilen_; }
    const Eingabezeile& Zeile(std::string_view name) const;

    std::array<QLineEdit*, EinstellzielAnzahl> E_Gewicht{};
    QLineEdit* E_Zeit;
    QPushButton *Knopf_Starten, *Knopf_Abbrechen, *Knopf_Anwenden;
    QProgressBar* P_Fortschritt;
    QLabel* A_Stand;
    QTableWidget* G_Ergebnis;

  private:
    struct Antwort {
        std::optional<Einstellergebnis> ergebnis;
        Prüfvergleich prüfung;
    };
    // The request the controls describe; nullopt after reporting why not.
    std::optional<Einstellauftrag> AuftragLesen();
    void Fortschritt(const Einstellstand& s, double zeit);
    void Fertig(const std::shared_ptr<Antwort>& antwort);
    void KnöpfeSetzen();
    void ErgebnisZeigen();
    QString Zahl(double wert, std::string_view muster = {}) const;

    std::vector<Eingabezeile> zeilen_;
    std::array<QLabel*, EinstellzielAnzahl> T_Ziel{};
    QGroupBox *rahmenEingaben_, *rahmenZiele_;
    std::array<QLabel*, 4> kopf_{};
    QLabel* T_Zeit;

    std::thread arbeiter_;
    std::atomic<bool> abbrechen_ = false, schließen_ = false;
    // The engine and request of the running or last search.
    Modell start_;
    Einstellauftrag auftrag_;
    std::optional<Einstellergebnis> ergebnis_;
    Prüfvergleich prüfung_;
    QString stand_; // the status line, kept for a language switch
    bool verworfen_ = false;
};

} // namespace vapro
