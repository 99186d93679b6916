#pragma once
// Printing a valve-travel graph: page orientation, page margins, how the
// curves and the grid are drawn on paper, and what the printer offers. The
// dialog prints the graph of the window that opened it last (over crank
// angle or over piston travel) from the model, so it needs neither that
// window nor its scale, and the window may be closed meanwhile.

#include "render/Steuerhubgraph.h"
#include "ui/print/Druckrahmen.h"

namespace vapro {

class F_SteuerHubD : public Druckrahmen {
  public:
    explicit F_SteuerHubD(Kontext& k, QWidget* eltern = nullptr);

    void WechselSprache() override;
    // The fields, the orientation and the printer's figures; then the grid
    // controls the graph uses.
    void Einschreiben() override;

    // Takes the graph that opened the window (`Programmzustand::SteuerHubAufrufer`):
    // its axis and help. The crank-angle grid belongs to the graph over crank
    // angle, the piston-travel grid to the graph over piston travel; the
    // other one's controls are off, and a distance field is off while its
    // grid is.
    void Aufrufer();
    Hubachse Achse() const { return achse_; }

  protected:
    // The graph on one page, inside the margins.
    bool Drucken() override;

  private:
    void RasterAnpassen();

    Hubachse achse_ = Hubachse::Kurbelwinkel;
};

} // namespace vapro
