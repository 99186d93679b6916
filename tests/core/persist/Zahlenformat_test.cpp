#include "persist/Zahlenformat.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

using namespace vapro;

namespace {

template <typename T> T Lies(const std::string& text) {
    T wert{};
    auto r = std::from_chars(text.data(), text.data() + text.size(), wert);
    EXPECT_TRUE(r.ec == std::errc() && r.ptr == text.data() + text.size()) << text;
    return wert;
}

// Significant digits of a number text ("0.000123" has 3, "1.5E+08" has 2).
int Stellen(const std::string& text) {
    std::string z;
    for (char c : text.substr(0, text.find_first_of("Ee")))
        if (c >= '0' && c <= '9') z += c;
    const auto erste = z.find_first_not_of('0');
    return erste == std::string::npos ? 0 : static_cast<int>(z.size() - erste);
}

float ZufallsFloat(std::mt19937& gen) {
    for (;;) {
        const uint32_t bits = gen();
        float f;
        std::memcpy(&f, &bits, sizeof f);
        if (std::isfinite(f)) return f;
    }
}

} // namespace

TEST(Zahlenformat, Rundungen) {
    const double x = 0.49999999999999994; // breaks "floor(x + 0.5)"
    const double g = 4503599627370497.0;  // 2^52 + 1: whole, but x + 0.5 is not exact
    const std::tuple<double, double, double> fälle[] = {
        // clang-format off
        {0.5, 0, 1}, {1.5, 2, 2}, {2.5, 2, 3}, {-2.5, -2, -3}, {-1.5, -2, -2}, {2.4999, 2, 2},
        {-0.4, -0.0, -0.0}, {x, 0, 0}, {g, g, g},
        // clang-format on
    };
    for (auto [wert, gerade, auf] : fälle) {
        EXPECT_EQ(RundeHalbGerade(wert), gerade) << wert;
        EXPECT_EQ(RundeHalbAuf(wert), auf) << wert;
    }
    EXPECT_TRUE(std::signbit(RundeHalbGerade(-0.4)));
    EXPECT_TRUE(std::isnan(RundeHalbGerade(std::nan(""))));
}

TEST(Zahlenformat, Runde16) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, std::optional<int16_t>> fälle[] = {
        {32767.4, 32767},    {32767.5, std::nullopt},  {32766.5, 32766},
        {-32768.5, -32768},  {-32768.6, std::nullopt}, {-2.5, -2},
        {nan, std::nullopt}, {inf, std::nullopt},      {1e10, std::nullopt},
    };
    for (auto [wert, ergebnis] : fälle) {
        EXPECT_EQ(Runde16(wert), ergebnis) << wert;
        EXPECT_EQ(Passt16(wert), ergebnis.has_value()) << wert;
    }
}

TEST(Zahlenformat, Muster) {
    const std::tuple<double, const char*, const char*> fälle[] = {
        // clang-format off
        {0.5, ".##", ".5"}, {1.25, ".##", "1.25"}, {3, ".##", "3."}, {11.574, ".##", "11.57"},
        {0, ".##", "."}, {-0.001, ".##", "."}, {0.04, "##0.0", "0.0"}, {0.05, "##0.0", "0.1"},
        {-0.05, "##0.0", "-0.1"}, {-0.04, "##0.0", "0.0"}, {-0.0, "0.0", "0.0"},
        {0.15, "0.0", "0.2"}, {2.675, "0.00", "2.68"}, {1.005, "0.00", "1.01"},
        {9.995, "0.00", "10.00"}, {99.95, "##0.0", "100.0"}, {999.96, "##0.0", "1000.0"},
        {12.5, "##0", "13"}, {-12.5, "##0", "-13"}, {0.4, "##0", "0"},
        {123.456, "###0.00", "123.46"}, {-7.1, "##0.00", "-7.10"}, {1.234565, "0.00000", "1.23457"},
        {5e-7, "0.000000", "0.000001"}, {4e-7, "0.000000", "0.000000"}, {2.5, "0", "3"},
        {1e20, "0", "100000000000000000000"},
        // clang-format on
    };
    for (auto [wert, muster, text] : fälle)
        EXPECT_EQ(FormatMuster(wert, muster), text) << muster << " of " << wert;
}

TEST(Zahlenformat, MusterVarianten) {
    EXPECT_EQ(FormatMuster(1.25, "0.00", ','), "1,25");
    EXPECT_EQ(FormatMuster(0.5, ".##", ','), ",5");
    // A float rounds on its own digits; its double widening lies below the tie.
    EXPECT_EQ(FormatMuster(2.675f, "0.00"), "2.68");
    EXPECT_EQ(FormatMuster(static_cast<double>(2.675f), "0.00"), "2.67");
    EXPECT_EQ(FormatMuster(int16_t{42}, "##0.0"), "42.0");
    EXPECT_EQ(FormatMuster(std::nan(""), "0.0"), "NaN");
    EXPECT_EQ(FormatMuster(-std::numeric_limits<float>::infinity(), "0"), "-Inf");
    EXPECT_THROW(FormatMuster(1.0, "0,0"), std::invalid_argument);
    EXPECT_THROW(FormatMuster(1.0, "0.0.0"), std::invalid_argument);
}

TEST(Zahlenformat, AllgemeinEinfach) {
    const std::pair<float, const char*> fälle[] = {
        // clang-format off
        {0.5f, "0.5"}, {0.1f, "0.1"}, {1.0f / 3, "0.3333333"}, {2.0f / 3, "0.6666667"},
        {100, "100"}, {-2.5f, "-2.5"}, {-0.0f, "0"}, {0.0001f, "0.0001"}, {0.00001f, "1E-05"},
        {0.000123f, "0.000123"}, {1234567, "1234567"}, {9999999, "9999999"}, {1e7f, "1E+07"},
        {1.5e8f, "1.5E+08"}, {16777217.0f, "1.677722E+07"}, {123456.7f, "123456.7"},
        {0.99999994f, "0.9999999"}, {3.4028235e38f, "3.402823E+38"}, {1e-45f, "1E-45"},
        {-1e-30f, "-1E-30"},
        // clang-format on
    };
    for (auto [wert, text] : fälle)
        EXPECT_EQ(FormatAllgemein(wert), text);
    EXPECT_EQ(FormatAllgemein(1.5f, ','), "1,5");
    EXPECT_EQ(FormatAllgemein(1.5e-5f, ','), "1,5E-05");
    EXPECT_EQ(FormatInvariant(0.25f), "0.25");
}

TEST(Zahlenformat, AllgemeinDoppelt) {
    const std::pair<double, const char*> fälle[] = {
        // clang-format off
        {0.1, "0.1"}, {1.0 / 3, "0.333333333333333"}, {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"}, {1e-5, "1E-05"}, {2.5e-4, "0.00025"}, {1e100, "1E+100"},
        {-1e-300, "-1E-300"}, {0.1 + 0.2, "0.3"}, {std::nextafter(1.0, 0.0), "1"}, {-0.0, "0"},
        // clang-format on
    };
    for (auto [wert, text] : fälle)
        EXPECT_EQ(FormatAllgemeinDoppelt(wert), text);
    EXPECT_EQ(FormatInvariantDoppelt(-0.75), "-0.75");
    EXPECT_EQ(FormatAllgemeinDoppelt(-0.75, ','), "-0,75");
}

TEST(Zahlenformat, LiesZahl) {
    const std::pair<const char*, double> gut[] = {
        {"0.5", 0.5},       {".5", 0.5},
        {"-.5", -0.5},      {"5.", 5},
        {"+5", 5},          {"007", 7},
        {"1E-03", 1e-3},    {"1e+5", 1e5},
        {"  42  ", 42},     {"\t-1.5E2 ", -150},
        {"0e99999", 0},     {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"4e-320", 4e-320}, {"1e-400", 0},
    };
    for (auto [text, wert] : gut)
        EXPECT_EQ(LiesZahl(text), wert) << text;
    EXPECT_TRUE(std::signbit(LiesZahl("-1e-400").value()));

    for (const char* schlecht :
         {"",     "   ", ".",   "-",     "+",      "abc",  "nan", "inf",  "-inf", "1e",  "1e+",
          "1.5x", "1 2", "1,5", "1e400", "-1e400", "0x10", "--1", "1..2", "e5",   ".e5", "1.5."})
        EXPECT_EQ(LiesZahl(schlecht), std::nullopt) << schlecht;
    EXPECT_EQ(LiesZahl("1,5", ','), 1.5);
    EXPECT_EQ(LiesZahl("1.5", ','), std::nullopt);
}

TEST(Zahlenformat, KurzLiestGleichZurück) {
    std::mt19937 gen(20240611);
    for (int i = 0; i < 5000; ++i) {
        const float f = ZufallsFloat(gen);
        const std::string text = FormatKurz(f);
        ASSERT_EQ(Lies<float>(text), f) << text;
        const double d =
            std::ldexp(static_cast<double>(gen()) + 0.5, static_cast<int>(gen() % 200) - 100);
        ASSERT_EQ(Lies<double>(FormatKurz(d)), d);
    }
    EXPECT_EQ(FormatKurz(0.1f), "0.1");
    EXPECT_EQ(FormatKurz(0.1), "0.1");
}

TEST(Zahlenformat, AllgemeinHältSiebenStellen) {
    std::mt19937 gen(7);
    for (int i = 0; i < 5000; ++i) {
        const float f = ZufallsFloat(gen);
        const std::string text = FormatAllgemein(f);
        ASSERT_LE(Stellen(text), 7) << text;
        const double zurück = *LiesZahl(text);
        // At most half a unit of the 7th digit away, and stable once read back.
        if (std::isnormal(f)) {
            const double fehler = std::fabs(zurück - f) / std::fabs(static_cast<double>(f));
            ASSERT_LE(fehler, 5.0000005e-7) << text;
        }
        if (Stellen(FormatKurz(f)) <= 7) {
            ASSERT_EQ(static_cast<float>(zurück), f) << text;
        }
        const float neu = static_cast<float>(zurück);
        ASSERT_EQ(static_cast<float>(*LiesZahl(FormatAllgemein(neu))), neu) << text;
    }
}

TEST(Zahlenformat, AllgemeinGibtSiebenstelligeZahlenZurück) {
    std::mt19937 gen(11);
    for (int i = 0; i < 3000; ++i) {
        const std::string dezimal = std::to_string(1000000 + gen() % 9000000) + "e" +
                                    std::to_string(static_cast<int>(gen() % 60) - 40);
        const float f = Lies<float>(dezimal);
        ASSERT_EQ(Lies<float>(FormatAllgemein(f)), f) << dezimal;
        const double d =
            Lies<double>(std::to_string(gen() % 1000000000) + "e-" + std::to_string(gen() % 12));
        ASSERT_EQ(*LiesZahl(FormatAllgemeinDoppelt(d)), d);
    }
}
