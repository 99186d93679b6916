#pragma once
// Checked arithmetic in the style the engine computations rely on: a failure
// becomes a GeometrieFehler naming the computation instead of a NaN that
// would travel on silently.

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "core/model/GeometrieFehler.h"
#include "core/numbers/Zahlenformat.h"

namespace vapro {

inline constexpr double Pi = 3.14159265358979;

inline double Rad(double grad) {
    return grad / 180.0 * Pi;
}

// Sine and cosine of one angle in one call (glibc computes both at once).
struct SinCos {
    double sin, cos;
};
inline SinCos SinUndCos(double a) {
    SinCos r;
    ::sincos(a, &r.sin, &r.cos);
    return r;
}

// The failure paths, kept out of line so the solver's hot code stays small.
[[noreturn, gnu::cold]] void Überlauf(const char* was);
[[noreturn, gnu::cold]] void NegativeWurzel(const char* was);
[[noreturn, gnu::cold]] void DurchNull(const char* was);

// Stores a double as single precision; out of the float range is an overflow.
inline float Einzel(double v, const char* was) {
    if (!(std::fabs(v) <= std::numeric_limits<float>::max())) [[unlikely]]
        Überlauf(was);
    return static_cast<float>(v);
}

inline double Wurzel(double v, const char* was) {
    if (!(v >= 0)) [[unlikely]]
        NegativeWurzel(was);
    return std::sqrt(v);
}

inline double Teilen(double z, double n, const char* was) {
    if (n == 0) [[unlikely]]
        DurchNull(was);
    return z / n;
}

// Rounds to the nearest whole number, halves to even, into a signed 16-bit
// integer; out of range is an overflow.
inline int16_t RundeGerade16(double v, const char* was) {
    const auto r = Runde16(v);
    if (!r) Überlauf(was);
    return *r;
}

// Adds to a signed 16-bit counter; leaving the range is an overflow.
inline int16_t Plus16(int16_t a, int b, const char* was) {
    int r = a + b;
    if (r < -32768 || r > 32767) Überlauf(was);
    return static_cast<int16_t>(r);
}

// arccos and arcsin as arctangents of a quotient: |x| >= 1 fails, which is how
// the solver notices that two links cannot meet.
double ArcCos(double x);
double ArcSin(double x);
// The same, with the failure naming the computation that needed them.
double ArcCosFür(double x, const char* was);
double ArcSinFür(double x, const char* was);

} // namespace vapro
