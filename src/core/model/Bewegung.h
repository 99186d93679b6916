#pragma once
// Turning the engine: the angle step, one animation frame, the recomputation
// after a change, and the check which way the engine runs.

#include <string_view>

#include "model/Ansichten.h"
#include "model/Modell.h"

namespace vapro {

// Heights of the port-face edges above the crank-shaft centre, from the valve chest.
void SpiegelBerechnen(Modell& m);

// Advances `Winkel` by one step in the direction of rotation, with wrap-around.
void WinkelWeiter(Modell& m);

// Counts one change of the data set. Views only compare the counter for
// inequality, so it wraps around instead of overflowing.
void GeometriestandErhöhen(Modell& m);

// One animation frame: solve, let the open views add the step, solve again,
// then table, read-outs, picture and print page.
void Schritt(Modell& m, Ansichten& a);

// After any change of geometry or picture settings. `quelle` names the
// dialog that caused it ("Kurbeltrieb", …) or a number as text ("20", …).
void Neuberechnung(Modell& m, Ansichten& a, std::string_view quelle);

// Sweeps both strokes and scores which ports receive steam; sets
// `Drehrichtungsbilanz` and, when decisive in sign, `Drehrichtung`.
// `Winkel` is restored even when the solver fails.
void DrehrichtungBestimmen(Modell& m);

// The engine turns only when the score is decisive.
inline bool BilanzEntscheidend(int16_t bilanz) { return bilanz >= 11 || bilanz <= -11; }

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

}  // namespace vapro
