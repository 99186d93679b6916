#pragma once
// The lever range of the engine on screen, kept for the windows that show
// it: computed when the engine changed, not when the lever moves, the crank
// turns or a view is merely redrawn. Several windows share one store, so a
// change costs one computation however many of them are open.

#include <cstdint>
#include <memory>
#include <string>

#include "core/analysis/Steuerungsverlauf.h"
#include "core/model/Modell.h"

namespace vapro {

// The lever step the windows use: about 90 steps over the lever's travel,
// none finer than a quarter degree.
double Fensterschritt(const Modell& m);

class Verlaufsvorrat {
  public:
    Verlaufsvorrat();
    ~Verlaufsvorrat();

    // The range of `m`'s engine. Computed anew when the engine differs from
    // the one of the last computation (a change count that moved with the
    // engine left as it was, such as a redraw of the picture, costs nothing).
    // A range that cannot be computed at all is empty, with the reason in
    // Fehler(); it never throws.
    const Steuerungsverlauf& Für(const Modell& m);

    // Computations so far; a view compares it to see whether the range is new.
    uint32_t Berechnungen() const { return berechnungen_; }
    const std::string& Fehler() const { return fehler_; }
    // The engine of the kept range, its port-face levels derived (the design
    // checks take it with the range); nullptr before the first computation.
    const Modell* Maschine() const { return maschine_.get(); }

  private:
    std::unique_ptr<Modell> maschine_; // the engine of the kept range
    uint32_t änderungen_ = 0;
    Steuerungsverlauf verlauf_;
    std::string fehler_;
    uint32_t berechnungen_ = 0;
};

} // namespace vapro
