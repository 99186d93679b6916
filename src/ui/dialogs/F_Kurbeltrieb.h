#pragma once
// The crank drive: crank radius, connecting and piston rods, piston and
// bore, and the clearances at both cylinder ends, with the swept and
// clearance volumes of both ends computed from them.

#include "ui/dialogs/Dialograhmen.h"

namespace vapro {

class F_Kurbeltrieb : public Dialograhmen {
  public:
    explicit F_Kurbeltrieb(Kontext& k, QWidget* eltern = nullptr);

    void WechselSprache() override;
    // Recomputes and stores the volumes, then fills the fields.
    void Einschreiben() override;
};

} // namespace vapro
