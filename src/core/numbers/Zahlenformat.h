#pragma once
// Number rounding, display patterns and number texts of the program. Every
// function is pure and independent of the process locale: texts are built
// here from std::to_chars / std::from_chars, never through iostreams or
// printf, so a German desktop cannot turn "1.5" into "1,5" behind our back.

#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vapro {

// --- Rounding ---------------------------------------------------------------

// Nearest whole number, halves to even (0.5 -> 0, 1.5 -> 2, -2.5 -> -2), as
// the integer conversions of the computations round. Does not depend on the
// floating-point environment's rounding mode. NaN and infinities pass through.
double RundeHalbGerade(double wert);

// Nearest whole number, halves away from zero (2.5 -> 3, -2.5 -> -3).
double RundeHalbAuf(double wert);

// True if the value, rounded halves to even, fits a signed 16-bit integer.
bool Passt16(double wert);

// The value rounded halves to even as a signed 16-bit integer; empty on
// overflow and for NaN.
std::optional<int16_t> Runde16(double wert);

// --- Display patterns -------------------------------------------------------

// Formats a number with a pattern of '#' (optional digit), '0' (required
// digit) and at most one '.', e.g. "##0.0", "0.000", ".##". The count of
// '0'/'#' after the point is the number of decimals; '#' decimals are dropped
// when zero, and an integer part of zero prints nothing unless the pattern
// has a '0' before the point (".##" of 0.5 gives ".5"). Rounds halves away
// from zero on the value's shortest decimal text. A result that shows only
// zeros carries no minus sign. NaN and infinities give "NaN", "Inf", "-Inf".
// Throws std::invalid_argument for any other pattern character.
std::string FormatMuster(double wert, std::string_view muster, char dezimal = '.');
// Single-precision values round on their own shortest text, so 2.675f shows
// as "2.68" although its double widening is 2.67499995...
std::string FormatMuster(float wert, std::string_view muster, char dezimal = '.');
// Whole numbers (counters, 16-bit fields) format like the double.
template <std::integral T>
std::string FormatMuster(T wert, std::string_view muster, char dezimal = '.') {
    return FormatMuster(static_cast<double>(wert), muster, dezimal);
}

// --- General number format --------------------------------------------------

// The general number format of single precision, as used to fill edit fields:
// the shortest text that gives the float back, limited to 7 significant
// digits (rounded to 7 when no shorter text exists), no thousands separator,
// no trailing zeros or point, a leading zero before the separator ("0.5").
// Exponent notation ("1E-05", "1.5E+08") when the decimal exponent is below
// -4 or at least 7. Negative zero gives "0".
std::string FormatAllgemein(float wert, char dezimal = '.');

// The same for double precision with at most 15 significant digits; exponent
// notation when the decimal exponent is below -4 or at least 15.
std::string FormatAllgemeinDoppelt(double wert, char dezimal = '.');

// --- Machine file -----------------------------------------------------------

// Numbers of the machine file: the general format with a period.
inline std::string FormatInvariant(float wert) {
    return FormatAllgemein(wert, '.');
}
inline std::string FormatInvariantDoppelt(double wert) {
    return FormatAllgemeinDoppelt(wert, '.');
}

// Reads a number the way the machine-file reader accepts it: surrounding
// blanks and tabs, an optional sign, digits with or without a leading zero
// (".5", "-.5", "5."), an optional exponent ("1E-03", "1e+5"). Rejects empty
// text, words ("nan", "inf"), trailing garbage and values beyond the double
// range; values too small for a double read as zero of their sign.
// `dezimal` is the decimal separator expected.
std::optional<double> LiesZahl(std::string_view text, char dezimal = '.');

// --- Command line -----------------------------------------------------------

// The shortest decimal text that reads back (strtof / strtod) as exactly the
// same value, e.g. "0.1", "1e+20". Used for key=value output.
std::string FormatKurz(float wert);
std::string FormatKurz(double wert);

} // namespace vapro
