#pragma once
// Printing a valve-travel graph: page orientation, page margins, how the
// curves and the grid are drawn on paper, and what the printer offers. The
// dialog prints the graph of the window that opened it last (over crank
// angle or over piston travel) from the model, so it needs neither that
// window nor its scale, and the window may be closed meanwhile.

#include "render/Steuerhubgraph.h"
#include "ui/dialogs/Dialograhmen.h"

class QGroupBox;
class QLabel;
class QRadioButton;

namespace vapro {

class F_SteuerHubD : public Dialograhmen {
  public:
    explicit F_SteuerHubD(Kontext& k, QWidget* eltern = nullptr);

    void WechselSprache() override;
    // The fields, the orientation and the printer's figures; then the grid
    // controls the graph uses.
    void Einschreiben() override;
    // The print settings are saved with the engine, so changing them counts
    // as a change of the data set (without a recompute).
    void Übernehmen() override;

    // Takes the graph that opened the window (`Programmzustand::SteuerHubAufrufer`):
    // its axis and help. The crank-angle grid belongs to the graph over crank
    // angle, the piston-travel grid to the graph over piston travel; the
    // other one's controls are off, and a distance field is off while its
    // grid is.
    void Aufrufer();
    Hubachse Achse() const { return achse_; }

    void O_Hoch_Click();
    void O_Quer_Click();
    // Applies the fields, lets the user choose the printer and prints the
    // graph on one page; reports the outcome. Cancelling the printer chooser
    // prints nothing and says nothing.
    void K_Drucken_Click();

    QRadioButton* O_Hoch;
    QRadioButton* O_Quer;
    QLabel *A_Auflösung, *A_Höhe, *A_Breite;
    QPushButton* K_Drucken;

  private:
    // The printer's resolution and page size in pixels.
    void DruckerAnzeigen();
    void Ausrichten(bool hoch);
    void RasterAnpassen();
    // The page itself; false when the printer did not open or the graph
    // could not be drawn.
    bool Drucken();

    Hubachse achse_ = Hubachse::Kurbelwinkel;
    QGroupBox *Frame1, *Fr_Drucker;
    QLabel *T_Auflösung, *T_Höhe, *T_Breite;
};

} // namespace vapro
