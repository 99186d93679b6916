#include "core/numbers/Zahlenformat.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <random>
#include <stdexcept>
#include <tuple>

#include <gtest/gtest.h>

using namespace vapro;

// Exact reading with the standard library, to check our writers against;
// NaN for a text it does not take whole.
template <typename T> static T Lies(const std::string& text) {
    T wert{};
    const auto r = std::from_chars(text.data(), text.data() + text.size(), wert);
    return r.ec == std::errc() && r.ptr == text.data() + text.size() ? wert : T(NAN);
}

// Significant digits of a number text ("0.000123" has 3, "1.5E+08" has 2).
static int Stellen(std::string text) {
    text = text.substr(0, text.find_first_of("Ee"));
    text.erase(0, text.find_first_of("123456789")); // what is left: digits and a point
    return static_cast<int>(text.size() - std::ranges::count(text, '.'));
}

TEST(Zahlenformat, Rounding) {
    const double x = 0.49999999999999994; // breaks "floor(x + 0.5)"
    const double g = 4503599627370497.0;  // 2^52 + 1: whole, but x + 0.5 is not exact
    // value, half to even, half away from zero, half to even in 16 bits ({}: does not fit)
    const std::tuple<double, double, double, std::optional<int16_t>> fälle[] = {
        // clang-format off
        {2.5, 2, 3, 2}, {-2.5, -2, -3, -2}, {x, 0, 0, 0}, {g, g, g, {}},
        {32767.5, 32768, 32768, {}}, {-32768.5, -32768, -32769, -32768},
        // clang-format on
    };
    for (auto [wert, gerade, auf, ganz] : fälle) {
        EXPECT_EQ(RundeHalbGerade(wert), gerade) << wert;
        EXPECT_EQ(RundeHalbAuf(wert), auf) << wert;
        EXPECT_EQ(Runde16(wert), ganz) << wert;
        EXPECT_EQ(Passt16(wert), ganz.has_value()) << wert;
    }
    EXPECT_FALSE(Passt16(NAN));
}

TEST(Zahlenformat, PatternsAndGeneralFormat) {
    const std::tuple<double, const char*, const char*> muster[] = {
        // clang-format off
        {3, ".##", "3."}, {-0.001, ".##", "."}, {-0.04, "##0.0", "0.0"},
        {1.005, "0.00", "1.01"}, {9.995, "0.00", "10.00"}, {-12.5, "##0", "-13"},
        // clang-format on
    };
    for (auto [wert, form, text] : muster)
        EXPECT_EQ(FormatMuster(wert, form), text) << form << " of " << wert;
    EXPECT_EQ(FormatMuster(1.25, "0.00", ','), "1,25");
    // A float rounds on its own digits; its double widening lies below the tie.
    EXPECT_EQ(FormatMuster(2.675f, "0.00"), "2.68");
    EXPECT_EQ(FormatMuster(static_cast<double>(2.675f), "0.00"), "2.67");
    EXPECT_EQ(FormatMuster(NAN, "0.0") + FormatMuster(-HUGE_VALF, "0"), "NaN-Inf");
    EXPECT_THROW(FormatMuster(1.0, "0.0.0"), std::invalid_argument);

    const std::pair<float, const char*> einfach[] = {
        // clang-format off
        {2.0f / 3, "0.6666667"}, {0.0001f, "0.0001"}, {0.00001f, "1E-05"},
        {9999999, "9999999"},    {1.5e8f, "1.5E+08"}, {0.99999994f, "0.9999999"},
        // clang-format on
    };
    for (auto [wert, text] : einfach)
        EXPECT_EQ(FormatAllgemein(wert), text);
    EXPECT_EQ(FormatAllgemein(1.5e-5f, ','), "1,5E-05");
    const std::pair<double, const char*> doppelt[] = {
        // clang-format off
        {1.0 / 3, "0.333333333333333"}, {1e15, "1E+15"}, {0.1 + 0.2, "0.3"},
        // clang-format on
    };
    for (auto [wert, text] : doppelt)
        EXPECT_EQ(FormatAllgemeinDoppelt(wert), text);
}

TEST(Zahlenformat, LiesZahl) {
    const std::pair<const char*, double> gut[] = {
        // clang-format off
        {"-.5", -0.5}, {"5.", 5}, {"\t-1.5E2 ", -150}, {"4e-320", 4e-320}, {"1e-400", 0},
        // clang-format on
    };
    for (auto [text, wert] : gut)
        EXPECT_EQ(LiesZahl(text), wert) << text;
    for (const char* schlecht : {"", ".", "inf", "1e+", "1 2", "1,5", "1e400", "0x10"})
        EXPECT_EQ(LiesZahl(schlecht), std::nullopt) << schlecht;
    EXPECT_EQ(LiesZahl("1,5", ','), 1.5);
    EXPECT_EQ(LiesZahl("1.5", ','), std::nullopt);
}

// Random values in round trips: the shortest form reads back exactly; the
// seven-digit form keeps at most seven digits, lies within half a unit of
// the seventh, is stable once read back, and gives back any seven-digit value.
TEST(Zahlenformat, RoundTrips) {
    std::mt19937 gen(20240611);
    for (int i = 0; i < 1000; ++i) {
        const float f = std::bit_cast<float>(static_cast<uint32_t>(gen()));
        if (!std::isfinite(f)) continue;
        ASSERT_EQ(Lies<float>(FormatKurz(f)), f) << FormatKurz(f);

        const std::string text = FormatAllgemein(f);
        ASSERT_LE(Stellen(text), 7) << text;
        const double zurück = *LiesZahl(text);
        if (std::isnormal(f)) {
            ASSERT_NEAR(zurück, f, 5.0000005e-7 * std::fabs(f)) << text;
        }
        const float neu = static_cast<float>(zurück);
        ASSERT_EQ(static_cast<float>(*LiesZahl(FormatAllgemein(neu))), neu) << text;

        const float sieben = Lies<float>(std::to_string(1000000 + gen() % 9000000) + "e" +
                                         std::to_string(static_cast<int>(gen() % 60) - 40));
        ASSERT_EQ(Lies<float>(FormatAllgemein(sieben)), sieben);
    }
    EXPECT_EQ(FormatKurz(0.1f) + " " + FormatKurz(0.1), "0.1 0.1");
}
