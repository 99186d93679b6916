#pragma once
// Turning the engine: the angle step, one animation frame, the recomputation
// after a change, and the check which way the engine runs.

#include <cstdint>

#include "core/model/Ansichten.h"
#include "core/model/Modell.h"

namespace vapro {

// Heights of the port-face edges above the crank-shaft centre, from the valve chest.
void SpiegelBerechnen(Modell& m);

// Advances `Winkel` by one step in the direction of rotation, with wrap-around.
void WinkelWeiter(Modell& m);

// The crank has reached 0°: exactly, as forward steps and steps dividing 360°
// land there, or the one angle at or below 0° that a backward step gives
// before the next restarts from the top, where a step that does not divide
// 360° in binary passes 0° without meeting it.
inline bool BeiNullGrad(const Modell& m) {
    return m.Winkel <= 0;
}

// Counts one change of the data set. Views only compare the counter for
// inequality, so it wraps around instead of overflowing.
void GeometriestandErhöhen(Modell& m);

// What a view drew from. A view whose remembered state differs from the
// model's draws itself anew: another engine or change, another step, lever
// or direction (the valve events depend on all of them).
struct Ansichtsstand {
    uint32_t änderungen = 0;
    float winkelSchritt = 0, umWinkel = 0;
    bool drehrichtung = true;
    friend bool operator==(const Ansichtsstand&, const Ansichtsstand&) = default;
};
inline Ansichtsstand StandVon(const Modell& m) {
    return {m.Änderungen, m.WinkelSchritt, m.UmWinkel, m.Drehrichtung};
}

// One animation frame: solve, let the open views add the step, solve again,
// then table, read-outs, picture and print page.
void Schritt(Modell& m, Ansichten& a);

// Why the engine is recomputed. Only a change of the engine's own data marks
// the data set as changed.
enum class Anlass : uint8_t {
    Eingabe,   // accepted input in a dialog, a unit conversion
    Ansicht,   // the picture was resized or the crank set to 0°: the same engine
    NeueDaten, // a default engine or a machine file was installed
};

// After any change of geometry or picture settings.
void Neuberechnung(Modell& m, Ansichten& a, Anlass anlass);

// A change of the data set that needs no recomputation (a colour): counts it
// and marks the data set as changed.
void DatensatzGeändert(Modell& m, Ansichten& a);

// Sweeps both strokes and scores which ports receive steam; sets
// `Drehrichtungsbilanz` and, when decisive in sign, `Drehrichtung`.
// `Winkel` is restored even when the solver fails.
void DrehrichtungBestimmen(Modell& m);
// The points that check gives the solver's current position at the whole
// crank angle `grad`: +1 for the port of the stroke under way open to live
// steam, -1 for the other one; 0 outside 20°…160° and 200°…340°. Sweeps that
// solve those angles anyway can score them without a second sweep.
int DrehrichtungspunkteBei(const Modell& m, int grad);

// The engine turns only when the score is decisive.
inline bool BilanzEntscheidend(int16_t bilanz) {
    return bilanz >= 11 || bilanz <= -11;
}

// Restores the crank angle when a sweep ends, however it ends.
class WinkelMerker {
  public:
    explicit WinkelMerker(Modell& m) : m_(m), winkel_(m.Winkel) {}
    ~WinkelMerker() { m_.Winkel = winkel_; }
    WinkelMerker(const WinkelMerker&) = delete;
    WinkelMerker& operator=(const WinkelMerker&) = delete;

  private:
    Modell& m_;
    float winkel_;
};

} // namespace vapro
