#include "core/numbers/Zahlenformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

namespace vapro {

namespace {

// A finite number as decimal digits: value = 0.ziffern × 10^punkt, with the
// first digit non-zero (or no digits at all for zero).
struct Dezimal {
    bool negativ = false;
    std::string ziffern;
    int punkt = 0;
};

// Splits to_chars scientific output ("-1.2345e+02") into digits and exponent.
Dezimal ZerlegeWissenschaftlich(std::string_view text) {
    Dezimal d;
    if (!text.empty() && text.front() == '-') {
        d.negativ = true;
        text.remove_prefix(1);
    }
    auto e = text.find('e');
    for (char c : text.substr(0, e))
        if (c != '.') d.ziffern.push_back(c);
    int exponent = 0;
    auto rest = text.substr(e + 1);
    if (!rest.empty() && rest.front() == '+') rest.remove_prefix(1);
    std::from_chars(rest.data(), rest.data() + rest.size(), exponent);
    while (!d.ziffern.empty() && d.ziffern.back() == '0')
        d.ziffern.pop_back();
    d.punkt = d.ziffern.empty() ? 0 : exponent + 1;
    return d;
}

// Shortest digits that read back as the same value, optionally limited to
// `stellen` significant digits (then rounded from the exact binary value).
template <typename T> Dezimal Ziffern(T wert, int stellen = 0) {
    char puffer[64];
    auto r = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::scientific);
    Dezimal d = ZerlegeWissenschaftlich({puffer, r.ptr});
    if (stellen > 0 && static_cast<int>(d.ziffern.size()) > stellen) {
        r = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::scientific,
                          stellen - 1);
        d = ZerlegeWissenschaftlich({puffer, r.ptr});
    }
    return d;
}

std::string NichtEndlich(double wert) {
    if (std::isnan(wert)) return "NaN";
    return wert < 0 ? "-Inf" : "Inf";
}

// Keeps the digits up to `stellen` places after the point, rounding halves
// away from zero on the decimal digits themselves.
void RundeDezimal(Dezimal& d, int stellen) {
    const int behalten = d.punkt + stellen;
    if (behalten >= static_cast<int>(d.ziffern.size())) return;
    if (behalten < 0) {
        d.ziffern.clear();
        return;
    }
    const bool aufrunden = d.ziffern[behalten] >= '5';
    d.ziffern.resize(behalten);
    if (aufrunden) {
        int i = behalten - 1;
        while (i >= 0 && d.ziffern[i] == '9')
            d.ziffern[i--] = '0';
        if (i >= 0) {
            ++d.ziffern[i];
        } else {
            d.ziffern.insert(d.ziffern.begin(), '1');
            ++d.punkt;
        }
    }
    while (!d.ziffern.empty() && d.ziffern.back() == '0')
        d.ziffern.pop_back();
}

// Digit at position `i` counted from the point (0 = first integer digit
// when punkt == 1, etc.); zero outside the stored digits.
char ZifferBei(const Dezimal& d, int i) {
    return i >= 0 && i < static_cast<int>(d.ziffern.size()) ? d.ziffern[i] : '0';
}

struct Muster {
    int ganzMin = 0; // required integer digits
    int nachMin = 0; // decimals always shown
    int nachMax = 0; // decimals at most
    bool punkt = false;
};

Muster LiesMuster(std::string_view muster) {
    Muster m;
    for (char c : muster) {
        if (c == '.') {
            if (m.punkt) throw std::invalid_argument("number pattern with two points");
            m.punkt = true;
        } else if (c == '0' || c == '#') {
            if (!m.punkt) {
                if (c == '0') ++m.ganzMin;
            } else {
                ++m.nachMax;
                if (c == '0') m.nachMin = m.nachMax;
            }
        } else {
            throw std::invalid_argument("unsupported character in number pattern");
        }
    }
    return m;
}

std::string FormatDezimal(Dezimal d, std::string_view muster, char dezimal) {
    const Muster m = LiesMuster(muster);
    RundeDezimal(d, m.nachMax);

    std::string ganz;
    for (int i = 0; i < d.punkt; ++i)
        ganz.push_back(ZifferBei(d, i));
    if (static_cast<int>(ganz.size()) < m.ganzMin)
        ganz.insert(0, static_cast<std::size_t>(m.ganzMin) - ganz.size(), '0');

    std::string nach;
    for (int i = 0; i < m.nachMax; ++i)
        nach.push_back(ZifferBei(d, d.punkt + i));
    while (static_cast<int>(nach.size()) > m.nachMin && nach.back() == '0')
        nach.pop_back();

    std::string text = (d.negativ && !d.ziffern.empty()) ? "-" : "";
    text += ganz;
    if (m.punkt) {
        text.push_back(dezimal);
        text += nach;
    }
    return text;
}

template <typename T> std::string FormatMusterMit(T wert, std::string_view muster, char dezimal) {
    if (std::isfinite(wert)) return FormatDezimal(Ziffern(wert), muster, dezimal);
    LiesMuster(muster); // a bad pattern is an error whatever the value
    return NichtEndlich(static_cast<double>(wert));
}

// Writes `stellen`-limited shortest digits in the general format: fixed
// notation for decimal exponents from -4 up to stellen - 1, else d.dddE±XX.
template <typename T> std::string FormatAllgemeinMit(T wert, int stellen, char dezimal) {
    if (!std::isfinite(wert)) return NichtEndlich(static_cast<double>(wert));
    if (wert == 0) return "0";
    const Dezimal d = Ziffern(wert, stellen);
    const int n = static_cast<int>(d.ziffern.size());
    const int exponent = d.punkt - 1;
    std::string text = d.negativ ? "-" : "";
    if (exponent >= -4 && exponent < stellen) {
        if (d.punkt <= 0) {
            text += '0';
            text += dezimal;
            text.append(static_cast<std::size_t>(-d.punkt), '0');
            text += d.ziffern;
        } else {
            for (int i = 0; i < d.punkt; ++i)
                text += ZifferBei(d, i);
            if (n > d.punkt) {
                text += dezimal;
                text.append(d.ziffern, static_cast<std::size_t>(d.punkt));
            }
        }
        return text;
    }
    text += d.ziffern[0];
    if (n > 1) {
        text += dezimal;
        text.append(d.ziffern, 1);
    }
    text += exponent < 0 ? "E-" : "E+";
    const int betrag = std::abs(exponent);
    if (betrag < 10) text += '0';
    text += std::to_string(betrag);
    return text;
}

template <typename T> std::string FormatKurzMit(T wert) {
    char puffer[64];
    auto r = std::to_chars(puffer, puffer + sizeof puffer, wert);
    return {puffer, r.ptr};
}

bool IstZiffer(char c) {
    return c >= '0' && c <= '9';
}
bool IstLeer(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

double RundeHalbGerade(double wert) {
    // Beyond 2^52 every double is whole; this also passes NaN and infinities.
    if (!(std::fabs(wert) < 4503599627370496.0)) return wert;
    const double unten = std::floor(wert);
    const double rest = wert - unten; // exact for |wert| < 2^52
    double r = unten;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(unten, 2.0) != 0)) r = unten + 1.0;
    return r == 0 ? std::copysign(0.0, wert) : r; // -0.4 gives -0, like nearbyint
}

double RundeHalbAuf(double wert) {
    return std::round(wert);
}

bool Passt16(double wert) {
    return Runde16(wert).has_value();
}

std::optional<int16_t> Runde16(double wert) {
    const double r = RundeHalbGerade(wert);
    if (!(r >= -32768.0 && r <= 32767.0)) return std::nullopt;
    return static_cast<int16_t>(r);
}

// The pattern rounds on the shortest decimal text that reads back as the
// value, not on the exact binary value: 2.675 is stored as 2.67499999...,
// yet the user typed and sees 2.675 and expects "2.68".
std::string FormatMuster(double wert, std::string_view muster, char dezimal) {
    return FormatMusterMit(wert, muster, dezimal);
}

std::string FormatMuster(float wert, std::string_view muster, char dezimal) {
    return FormatMusterMit(wert, muster, dezimal);
}

std::string FormatAllgemein(float wert, char dezimal) {
    return FormatAllgemeinMit(wert, 7, dezimal);
}

std::string FormatAllgemeinDoppelt(double wert, char dezimal) {
    return FormatAllgemeinMit(wert, 15, dezimal);
}

std::optional<double> LiesZahl(std::string_view text, char dezimal) {
    while (!text.empty() && IstLeer(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IstLeer(text.back()))
        text.remove_suffix(1);

    // Check the grammar here and hand from_chars a plain copy with a period:
    // from_chars alone would take "inf", "nan" and the "1" of "1e".
    std::size_t i = 0;
    const auto ziffern = [&] {
        std::string z;
        for (; i < text.size() && IstZiffer(text[i]); ++i)
            z += text[i];
        return z;
    };
    const auto vorzeichen = [&] {
        const bool minus = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        return minus;
    };

    const bool negativ = vorzeichen();
    const std::string ganz = ziffern();
    std::string nach;
    if (i < text.size() && text[i] == dezimal) {
        ++i;
        nach = ziffern();
    }
    if (ganz.empty() && nach.empty()) return std::nullopt;

    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        const bool expNegativ = vorzeichen();
        const std::string e = ziffern();
        if (e.empty()) return std::nullopt;
        for (char c : e)
            exponent = std::min(exponent * 10 + (c - '0'), 1000000L);
        if (expNegativ) exponent = -exponent;
    }
    if (i != text.size()) return std::nullopt;

    const std::string rein =
        (negativ ? "-" : "") + ganz + "." + nach + "e" + std::to_string(exponent);
    double wert = 0;
    const auto r = std::from_chars(rein.data(), rein.data() + rein.size(), wert);
    if (r.ec == std::errc::result_out_of_range) {
        // Too large is an error; too small to hold is zero. The value is
        // 0.ddd... x 10^grösse with the first significant digit first.
        const std::string alle = ganz + nach;
        const long erste = static_cast<long>(alle.find_first_not_of('0'));
        const long grösse = static_cast<long>(ganz.size()) - erste + exponent;
        if (grösse > 0) return std::nullopt;
        return negativ ? -0.0 : 0.0;
    }
    if (r.ec != std::errc() || r.ptr != rein.data() + rein.size()) return std::nullopt;
    return wert;
}

std::string FormatKurz(float wert) {
    return FormatKurzMit(wert);
}
std::string FormatKurz(double wert) {
    return FormatKurzMit(wert);
}

} // namespace vapro
