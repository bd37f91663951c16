// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Armenian and Georgian numerals: one letter for each non-zero digit, the largest first. Both
// alphabets sit on the same keys; the renderers take the letters from the key captions.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "numerals/keypad_view.h"
#include "numerals/text_table.h"

namespace zarno {

// Writes Armenian or Georgian numerals from a table made once for the captions of a keypad:
// the letter of every digit in every place.
class LetterWriter {
 public:
  static constexpr std::size_t kArmenianPlaces = 4;
  static constexpr std::size_t kGeorgianPlaces = 5;  // the fifth holds only 0 or 1

  LetterWriter(const KeypadView& view, std::size_t places);

  // The room that Write needs at `out`, in UTF-16 code units (UTF-8 takes kUtf8PerUnit bytes
  // a unit).
  std::size_t Room() const { return room_ + TextTable::kSlack; }

  // Writes the numeral of `sovr` as RenderArmen or RenderGruz gives it, in UTF-16 or UTF-8,
  // and returns its end.
  char16_t* Write(std::u16string_view sovr, char16_t* out) const;
  char* Write(std::u16string_view sovr, char* out) const;

 private:
  template <typename Char>
  Char* Walk(std::u16string_view sovr, Char* out) const;

  std::size_t places_;
  TextTable table_;
  TextTable::Text letters_[kGeorgianPlaces][10];  // by place (0 for the units) and digit
  std::size_t room_ = 0;                          // the longest numeral
};

// The Armenian numeral of the digit text `sovr` (units to thousands). Empty for the empty
// text, for 0 and for any text of five or more characters, leading zeros included. A
// character that is not a digit is taken as 0.
std::u16string RenderArmen(std::u16string_view sovr, const KeypadView& view);

// The Georgian numeral: as Armenian, with a fifth place that holds only 0 or 1 (the letter
// for 10000). Empty for a fifth digit of 2 to 9 and for six or more characters.
std::u16string RenderGruz(std::u16string_view sovr, const KeypadView& view);

// Readers for the command line: the sum of the letters. Armenian takes the capitals
// U+0531..U+0554 and the small letters U+0561..U+0584 and ignores an overline (U+0305,
// U+0304, U+033F) and the abbreviation mark U+055F. Georgian takes Mkhedruli as the renderer
// writes it (and უ as 400), the Asomtavruli capitals U+10A0..U+10C5, the Nuskhuri letters
// U+2D00..U+2D25 and the Mtavruli capitals U+1C90..U+1CB5, and ignores an overline or titlo.
// Spaces are ignored. nullopt for a text without letters or with any other character.
std::optional<std::int64_t> ReadArmen(std::u16string_view text);
std::optional<std::int64_t> ReadGruz(std::u16string_view text);

}  // namespace zarno
