#pragma once
// The lever range and the design checks in one window with three pages: the
// graph (cut-off, lead and die slip against the lever angle, the lever's
// current angle marked), the table of the same figures, and the checks with
// their targets, which can be edited there. The range is the shared one of
// the Kontext: computed when the engine changes, never for a move of the
// lever, which only moves the marker.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/analysis/Konstruktionspruefung.h"
#include "render/Steuerungsverlaufbild.h"
#include "ui/dialogs/Dialograhmen.h"

class QGroupBox;
class QLabel;
class QPainter;
class QTabWidget;
class QTableWidget;

namespace vapro {

class Bildfläche;

class F_Steuerungsverlauf : public Dialograhmen {
  public:
    explicit F_Steuerungsverlauf(Kontext& k, QWidget* eltern = nullptr);

    void WechselSprache() override;
    // The targets into their fields, and the range of the engine as it is now.
    void Einschreiben() override;
    // The typed targets, repaired and kept in the settings; the checks follow.
    void Übernehmen() override;
    // A frame: everything anew when the engine changed, then the lever marker.
    void SchrittMalen() override;
    // The graph drawn again from the range at hand.
    void Neuzeichnen() override;

    // The graph as the window shows it, onto any painter (export, print).
    void GraphZeichnen(QPainter& p, QSizeF fläche) const;
    // The graph to a PNG, SVG or PDF file the user chooses; with the table
    // page in front, the table as CSV, the columns of `vapro-cli range --csv`.
    void M_Export_Click();

    const QImage& Bildpuffer() const;
    const Steuerungsverlaufbild& Graph() const { return bild_; }
    int Neuzeichnungen() const { return neuzeichnungen_; }
    const std::vector<Prüfergebnis>& Prüfergebnisse() const { return ergebnisse_; }

    QAction* M_Export;
    QTabWidget* Reiter;
    QTableWidget *G_Verlauf, *G_Prüfung;
    QLabel* T_Prüfung;
    // The targets in the order of PrüfgrenzenTabelle.
    std::vector<QLineEdit*> E_Grenze;
    QPushButton* Knopf_Vorgaben;

  protected:
    void FarbeGeändert() override;

  private:
    void GraphSeiteBauen();
    void TabelleSeiteBauen();
    void PrüfungSeiteBauen();
    // The range from the Kontext's store; table, checks and graph anew when
    // it is a new one (or when `graph` asks for the graph anyway).
    void Auffrischen(bool graph);
    void TabelleFüllen(const Steuerungsverlauf& v);
    void PrüfungFüllen();
    void PrüfungBeschriften();
    Verlaufbildtexte Bildtexte() const;
    void Hebelmarke();

    Bildfläche* fläche_;
    Steuerungsverlaufbild bild_;
    std::vector<Prüfergebnis> ergebnisse_;
    std::vector<QLabel*> grenzenSchilder_;
    QGroupBox* grenzenRahmen_;
    // The store's count of computations when the windows last took its range.
    std::optional<uint32_t> gezeigt_;
    int neuzeichnungen_ = 0;
};

} // namespace vapro
