#pragma once
// The windows' side of a frame and a recomputation: forwards to the main
// window and the windows it owns.

#include "core/model/Ansichten.h"

namespace vapro {

class F_Haupt;

class Fensteransichten : public Ansichten {
  public:
    explicit Fensteransichten(F_Haupt& haupt) : h(haupt) {}

    void Umlaufzeit(double sekunden) override;
    void SchrittMalen(Schrittfenster fenster) override;
    void DiagrammNeuzeichnen() override;
    void TabelleAusgeben() override;
    void Ausgabe() override;
    void BildZeichnen() override;
    void DruckZeichnen() override;
    void DatenGeändert() override;
    void BildSkalieren() override;
    void BildNeuzeichnen() override;
    void DrehrichtungsbilanzZeigen(int16_t bilanz) override;

  private:
    F_Haupt& h;
};

} // namespace vapro
