#pragma once
// Bilingual texts: lookup by number, the current language with the short
// terms the graphs use, and the placeholder expansion of message texts.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace vapro {

inline constexpr int16_t SprachbasisDeutsch = 1000;
inline constexpr int16_t SprachbasisEnglisch = 11000;

// The text with an absolute number: German 1000..3305, English 11000..13305.
// Free slots and numbers outside the table answer "-".
std::string_view TextNummer(int nummer) noexcept;

// The language in force and the language-dependent items that are not
// table texts. Code asks for Text(k), k = German number - 1000.
struct Sprache {
    int16_t Sprachbasis = SprachbasisDeutsch;
    std::string TextOT, TextUT, TextFüllung, TextPM;
    std::string Hilfedatei;
    std::string EinheitDrehzahlK, EinheitDrehzahl;

    std::string_view Text(int k) const noexcept { return TextNummer(Sprachbasis + k); }
};

// Loads the four short terms (OT, UT, Füllung, PM) of the current language.
void TextSprache(Sprache& s);

// Selects a language: 11000 is English, any other value German, so that a
// damaged stored value cannot leave every caption without text. Loads the
// short terms, the help file name and the speed unit names.
void SpracheEinstellen(Sprache& s, int16_t sprachbasis);

// Replaces every occurrence of each marker by its replacement, pair by pair
// in the given order. Markers are found without regard to case (ASCII and
// Latin-1 letters); markers not supplied stay in the text.
std::string
Meldungstext(std::string_view text,
             std::initializer_list<std::pair<std::string_view, std::string_view>> ersatz);

// German numbers of every text the program asks for; each must have a
// German and an English text. Code that starts using a number adds it here.
std::span<const int> BenutzteTexte() noexcept;

} // namespace vapro
