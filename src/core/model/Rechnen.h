#pragma once
// Checked arithmetic in the style the engine computations rely on: a failure
// becomes a GeometrieFehler naming the computation instead of a NaN that
// would travel on silently.

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "model/GeometrieFehler.h"

namespace vapro {

inline constexpr double Pi = 3.14159265358979;

inline double Rad(double grad) { return grad / 180.0 * Pi; }

// Stores a double as single precision; out of the float range is an overflow.
inline float Einzel(double v, const char* was) {
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max())
        throw GeometrieFehler(std::string(was) + ": overflow");
    return static_cast<float>(v);
}

inline double Wurzel(double v, const char* was) {
    if (v < 0 || std::isnan(v))
        throw GeometrieFehler(std::string(was) + ": square root of a negative number");
    return std::sqrt(v);
}

inline double Teilen(double z, double n, const char* was) {
    if (n == 0) throw GeometrieFehler(std::string(was) + ": division by zero");
    return z / n;
}

// Rounds to the nearest whole number, halves to even, into a signed 16-bit
// integer; out of range is an overflow.
inline int16_t RundeGerade16(double v, const char* was) {
    double r = std::nearbyint(v);  // default rounding mode: halves to even
    if (!(r >= -32768.0 && r <= 32767.0))
        throw GeometrieFehler(std::string(was) + ": overflow");
    return static_cast<int16_t>(r);
}

// Adds to a signed 16-bit counter; leaving the range is an overflow.
inline int16_t Plus16(int16_t a, int b, const char* was) {
    int r = a + b;
    if (r < -32768 || r > 32767) throw GeometrieFehler(std::string(was) + ": overflow");
    return static_cast<int16_t>(r);
}

// arccos and arcsin as arctangents of a quotient: |x| >= 1 fails, which is how
// the solver notices that two links cannot meet.
double ArcCos(double x);
double ArcSin(double x);
// The same, with the failure naming the computation that needed them.
double ArcCosFür(double x, const char* was);
double ArcSinFür(double x, const char* was);

}  // namespace vapro
