#pragma once
// The program's help files: plain UTF-8 text in which a line
// "#<number> <title>" starts the topic with that context number and the
// lines up to the next such line are its text. Blank lines separate
// paragraphs.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vapro {

struct Hilfethema {
    int Nummer = 0;
    std::string Titel;
    std::string Text; // paragraphs separated by blank lines, no blank lines at either end
};

// Splits help text into topics in file order. Text before the first topic
// line is ignored; a '#' line without a proper number is ordinary text; of
// topics with the same number the first one counts. Accepts CR LF line ends
// and a byte-order mark.
std::vector<Hilfethema> HilfeZerlegen(std::string_view inhalt);

// The topic with this number, or null.
const Hilfethema* HilfethemaSuchen(const std::vector<Hilfethema>& themen, int nummer);

// Reads and splits a help file; empty when the file cannot be read.
std::optional<std::vector<Hilfethema>> HilfedateiLesen(const std::string& pfad);

} // namespace vapro
