#pragma once
// Settings of both valve-travel graphs at once: revolutions side by side,
// marker size, the cursor line and the middle port. Applying redraws the
// graphs that are open; the engine itself is not recomputed.

#include <functional>

#include "ui/dialogs/Dialograhmen.h"

namespace vapro {

class F_SteuerHubMenü : public Dialograhmen {
  public:
    explicit F_SteuerHubMenü(Kontext& k, QWidget* eltern = nullptr);

    void WechselSprache() override;
    // The fields under their limits: 1 to 20 revolutions, markers of at
    // least 1; then the graphs are redrawn, also after a bad entry (what
    // was stored before it shows).
    void Übernehmen() override;

    // Takes the help and the colour of the graph that opened the window
    // (`Programmzustand::SteuerHubAufrufer`).
    void Aufrufer();

    // Set by the main window: redraws the graphs that are open.
    std::function<void()> graphenNeuzeichnen;

  private:
    bool vomWegGraphen_ = false;
};

} // namespace vapro
