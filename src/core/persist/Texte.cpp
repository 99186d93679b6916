#include "core/persist/Texte.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "core/persist/Texttabelle.h"

namespace vapro {

namespace {

constexpr std::string_view kUnused = "-";
constexpr int kEnglishOffset = SprachbasisEnglisch - SprachbasisDeutsch;
constexpr int kFirstNumber = 1000;
constexpr int kLastNumber = 3305;

// Blocks of German numbers in use. A new caption or message joins a block
// here when code starts asking for it.
struct Block {
    int first, last;
};
constexpr Block kUsedBlocks[] = {
    {1000, 1083}, {1090, 1112}, {1150, 1154}, {1180, 1184}, {1190, 1194}, {1200, 1206},
    {1230, 1256}, {1300, 1319}, {1400, 1416}, {1430, 1462}, {1465, 1474}, {1490, 1493},
    {1500, 1531}, {1600, 1604}, {1620, 1622}, {1640, 1643}, {1700, 1701}, {1800, 1834},
    {1900, 1918}, {1920, 1957}, {1960, 1993}, {2000, 2002}, {2200, 2202}, {2300, 2303},
    {2400, 2403}, {2500, 2503}, {2600, 2603}, {2700, 2714}, {3003, 3004}, {3007, 3009},
    {3011, 3031}, {3040, 3042}, {3045, 3045}, {3300, 3304},
};

constexpr std::size_t countUsed() {
    std::size_t n = 0;
    for (const Block& b : kUsedBlocks)
        n += static_cast<std::size_t>(b.last - b.first + 1);
    return n;
}

constexpr auto kUsedNumbers = [] {
    std::array<int, countUsed()> numbers{};
    std::size_t i = 0;
    for (const Block& b : kUsedBlocks)
        for (int n = b.first; n <= b.last; ++n)
            numbers[i++] = n;
    return numbers;
}();

// Case folding for the marker search: ASCII letters, and the Latin-1
// capitals À..Þ (except ×), which UTF-8 writes as 0xC3 0x80..0x9E.
unsigned char fold(unsigned char c, bool afterC3) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + ('a' - 'A'));
    if (afterC3 && c >= 0x80 && c <= 0x9E && c != 0x97) return static_cast<unsigned char>(c + 0x20);
    return c;
}

bool isC3(std::string_view s, std::size_t i) {
    return static_cast<unsigned char>(s[i]) == 0xC3;
}

std::size_t findIgnoringCase(std::string_view text, std::string_view marker, std::size_t from) {
    for (std::size_t i = from; i + marker.size() <= text.size(); ++i) {
        std::size_t j = 0;
        for (; j < marker.size(); ++j) {
            const bool textAfterC3 = i + j > 0 && isC3(text, i + j - 1);
            const bool markerAfterC3 = j > 0 && isC3(marker, j - 1);
            if (fold(static_cast<unsigned char>(text[i + j]), textAfterC3) !=
                fold(static_cast<unsigned char>(marker[j]), markerAfterC3))
                break;
        }
        if (j == marker.size()) return i;
    }
    return std::string_view::npos;
}

} // namespace

std::string_view TextNummer(int nummer) noexcept {
    const int german = nummer >= SprachbasisEnglisch ? nummer - kEnglishOffset : nummer;
    if (german < kFirstNumber || german > kLastNumber) return kUnused;
    const auto table = detail::textTable();
    const auto row = std::lower_bound(table.begin(), table.end(), german,
                                      [](const detail::TextRow& r, int n) { return r.number < n; });
    if (row == table.end() || row->number != german) return kUnused;
    return nummer == german ? row->german : row->english;
}

void TextSprache(Sprache& s) {
    s.TextOT = s.Text(1600);
    s.TextUT = s.Text(1601);
    s.TextFüllung = s.Text(1602);
    s.TextPM = s.Text(1603);
}

void SpracheEinstellen(Sprache& s, int16_t sprachbasis) {
    const bool english = sprachbasis == SprachbasisEnglisch;
    s.Sprachbasis = english ? SprachbasisEnglisch : SprachbasisDeutsch;
    TextSprache(s);
    s.Hilfedatei = english ? "Vapro15e.hlp" : "Vapro15.hlp";
    s.EinheitDrehzahlK = english ? "[rpm]" : "[U/min]";
    s.EinheitDrehzahl = english ? "rpm" : "U/min";
}

std::string
Meldungstext(std::string_view text,
             std::initializer_list<std::pair<std::string_view, std::string_view>> ersatz) {
    std::string result(text);
    for (const auto& [marker, replacement] : ersatz) {
        if (marker.empty()) continue;
        // Searching on after the inserted text keeps a replacement that
        // contains its own marker from being expanded again and again.
        for (std::size_t p = findIgnoringCase(result, marker, 0); p != std::string::npos;
             p = findIgnoringCase(result, marker, p + replacement.size()))
            result.replace(p, marker.size(), replacement);
    }
    return result;
}

std::span<const int> BenutzteTexte() noexcept {
    return kUsedNumbers;
}

} // namespace vapro
