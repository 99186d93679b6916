#pragma once
// Undo and redo of changes to the engine. A step keeps the engine before
// and after one applied dialog, unit conversion, default engine or
// automatic setting; taking it back installs the engine it kept. What is
// not the engine stays as it is: the crank's position and direction, the
// windows shown, the counters that tell views to redraw.

#include <cstddef>
#include <optional>
#include <vector>

#include "core/model/Modell.h"

namespace vapro {

// Whether two models hold the same engine: every field a machine file
// stores but the lever angle, and the units.
bool GleicheMaschine(const Modell& a, const Modell& b);

// Installs the engine of `quelle` in `ziel`, keeping the session state of
// `ziel` (crank angle and direction, lever angle within the new range,
// window flags, counters, changed flag).
void MaschineEinsetzen(Modell& ziel, const Modell& quelle);

class Verlauf {
  public:
    // At most this many steps are kept; the oldest go first.
    static constexpr std::size_t kTiefe = 100;

    // Records a step named by text number `name` (German number - 1000),
    // unless the engine did not change. Drops what could be redone.
    // Answers whether a step was recorded.
    bool Aufzeichnen(int name, const Modell& vorher, const Modell& nachher);

    // The name of the step that undo or redo would take; nullopt when none.
    std::optional<int> NameRückgängig() const;
    std::optional<int> NameWiederholen() const;

    // Installs the engine before (undo) or after (redo) the step in `m`;
    // false when there is nothing to take back or do again.
    bool Rückgängig(Modell& m);
    bool Wiederholen(Modell& m);

    // A loaded file starts a new history with `m` as the engine on disk.
    void Leeren(const Modell& m);
    // `m` is the engine last loaded or saved (a default engine counts too).
    void Gespeichert(const Modell& m) { gespeichert_ = m; }
    // Whether `m` holds the engine last loaded or saved.
    bool AmGespeichertenStand(const Modell& m) const { return GleicheMaschine(m, gespeichert_); }

  private:
    struct Schritt {
        int name;
        Modell vorher, nachher;
    };
    std::vector<Schritt> schritte_;
    std::size_t stand_ = 0; // steps done; schritte_[stand_ - 1] is the last
    Modell gespeichert_;
};

} // namespace vapro
