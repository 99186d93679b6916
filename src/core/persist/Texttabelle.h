#pragma once
// Raw access to the compiled-in text table; the rest of the program goes
// through TextNummer and Sprache in Texte.h.

#include <span>
#include <string_view>

namespace vapro::detail {

struct TextRow {
    int number; // German number 1000..3305; the English text answers number + 10000
    std::string_view german;
    std::string_view english;
};

// All rows, sorted by number; free slots inside a block hold "-".
std::span<const TextRow> textTable() noexcept;

} // namespace vapro::detail
