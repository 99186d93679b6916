#include "core/persist/Hilfedatei.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace vapro {

namespace {

constexpr std::size_t MaxStellen = 9;                // keeps every number inside int
constexpr std::streamoff MaxGröße = 8 * 1024 * 1024; // far beyond any real help file

bool Leer(std::string_view zeile) {
    return zeile.find_first_not_of(" \t") == std::string_view::npos;
}

// "#<digits>" followed by the end of the line or a blank, then the title.
std::optional<Hilfethema> Kopfzeile(std::string_view zeile) {
    if (zeile.empty() || zeile.front() != '#') return std::nullopt;
    std::size_t i = 1;
    int nummer = 0;
    while (i < zeile.size() && zeile[i] >= '0' && zeile[i] <= '9') {
        if (i > MaxStellen) return std::nullopt;
        nummer = nummer * 10 + (zeile[i] - '0');
        ++i;
    }
    if (i == 1) return std::nullopt;
    if (i < zeile.size() && zeile[i] != ' ' && zeile[i] != '\t') return std::nullopt;
    std::string_view titel = zeile.substr(i);
    const auto a = titel.find_first_not_of(" \t");
    titel = a == std::string_view::npos ? std::string_view{} : titel.substr(a);
    while (!titel.empty() && (titel.back() == ' ' || titel.back() == '\t'))
        titel.remove_suffix(1);
    return Hilfethema{nummer, std::string(titel), {}};
}

void Abschließen(std::vector<Hilfethema>& themen, std::vector<std::string_view>& zeilen) {
    if (themen.empty()) return;
    auto anfang = std::find_if_not(zeilen.begin(), zeilen.end(), Leer);
    auto ende = std::find_if_not(zeilen.rbegin(), std::make_reverse_iterator(anfang), Leer).base();
    std::string& text = themen.back().Text;
    for (auto z = anfang; z != ende; ++z) {
        if (z != anfang) text += '\n';
        text += Leer(*z) ? std::string_view{} : *z;
    }
    zeilen.clear();
}

} // namespace

std::vector<Hilfethema> HilfeZerlegen(std::string_view inhalt) {
    if (inhalt.starts_with("\xEF\xBB\xBF")) inhalt.remove_prefix(3);
    std::vector<Hilfethema> themen;
    std::vector<std::string_view> zeilen; // text lines of the topic being read
    bool doppelt = false;                 // the current topic repeats a number
    while (!inhalt.empty()) {
        const auto n = inhalt.find('\n');
        std::string_view zeile = inhalt.substr(0, n);
        inhalt.remove_prefix(n == std::string_view::npos ? inhalt.size() : n + 1);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);

        if (auto kopf = Kopfzeile(zeile)) {
            if (!doppelt) Abschließen(themen, zeilen);
            zeilen.clear();
            doppelt = HilfethemaSuchen(themen, kopf->Nummer) != nullptr;
            if (!doppelt) themen.push_back(std::move(*kopf));
        } else if (!themen.empty() && !doppelt) {
            zeilen.push_back(zeile);
        }
    }
    if (!doppelt) Abschließen(themen, zeilen);
    return themen;
}

const Hilfethema* HilfethemaSuchen(const std::vector<Hilfethema>& themen, int nummer) {
    auto t = std::find_if(themen.begin(), themen.end(),
                          [nummer](const Hilfethema& h) { return h.Nummer == nummer; });
    return t == themen.end() ? nullptr : &*t;
}

std::optional<std::vector<Hilfethema>> HilfedateiLesen(const std::string& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    if (!datei) return std::nullopt;
    datei.seekg(0, std::ios::end);
    const std::streamoff größe = datei.tellg();
    if (größe < 0 || größe > MaxGröße) return std::nullopt;
    datei.seekg(0, std::ios::beg);
    std::string inhalt(static_cast<std::size_t>(größe), '\0');
    if (!datei.read(inhalt.data(), größe)) return std::nullopt;
    return HilfeZerlegen(inhalt);
}

} // namespace vapro
