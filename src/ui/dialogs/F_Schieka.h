#pragma once
// The valve chest: the port face from top to bottom, the free space above and
// below the valve, the chest's size and place, and the passages and pipes the
// volumes need. The slide valve's derived dimensions follow the port face, so
// every filling of this window fills the slide-valve window too.

#include "ui/dialogs/Dialograhmen.h"

namespace vapro {

class F_Schieka : public Dialograhmen {
  public:
    explicit F_Schieka(Kontext& k, QWidget* eltern = nullptr);

    void WechselSprache() override;
    // Derives the port-face length and the valve, then fills both windows.
    void Einschreiben() override;

  protected:
    void EingabefehlerMelden() override;
};

} // namespace vapro
