// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Greek Ionic (alphabetic) numerals: letters for 1 to 900, a comma before a thousands
// letter, the myriad sign with its multiplier, an apostrophe at the end.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "numerals/keypad_view.h"
#include "numerals/text_table.h"

namespace zarno {

// Writes Greek Ionic numerals from a table made once for the captions of a keypad: the letter
// of every digit in each of the four places of either part (a thousands letter with the
// thousands mark before it).
class GrekIonichWriter {
 public:
  explicit GrekIonichWriter(const KeypadView& view);

  // The room that Write needs at `out`, in UTF-16 code units (UTF-8 takes kUtf8PerUnit bytes
  // a unit).
  std::size_t Room() const { return room_ + TextTable::kSlack; }

  // Writes the numeral of `sovr` as RenderGrekIonich gives it, in UTF-16 or UTF-8, and
  // returns its end.
  char16_t* Write(std::u16string_view sovr, char16_t* out) const;
  char* Write(std::u16string_view sovr, char* out) const;

 private:
  template <typename Char>
  Char* Walk(std::u16string_view sovr, Char* out) const;

  TextTable table_;
  // The myriad sign, the separator, the number mark, and what a ninth digit leaves.
  TextTable::Text myriad_, separator_, number_mark_, marks_alone_;
  TextTable::Text letters_[4][10];  // by place (0 for the units) and digit
  std::size_t room_ = 0;            // the longest numeral
};

// The Greek Ionic numeral of the digit text `sovr`, with the letters taken from the key
// captions and the marks fixed (comma, Cyrillic М as the myriad sign, space, apostrophe).
// Applies no limit: a text of nine or more digits gives only the myriad sign and the
// apostrophe, and the caller empties the output. A character that is not a digit is taken
// as 0.
std::u16string RenderGrekIonich(std::u16string_view sovr, const KeypadView& view);

// Reading for the command line. Accepts what RenderGrekIonich writes with the Greek Ionic
// captions, and the forms found in pasted texts:
// - capital letters, and the other forms of the archaic letters: ϛ Ϛ ς ϝ Ϝ or στ for 6,
//   ϙ Ϙ ϟ Ϟ for 90, ϡ Ϡ ͳ Ͳ for 900, and the symbol forms ϐ ϑ ϖ ϱ ϲ Ϲ ϕ;
// - a comma or the lower numeral sign U+0375 before a thousands letter;
// - Latin M, Cyrillic М or Greek Μ as the myriad sign at the start;
// - optionally one number mark at the end: U+0374, U+02B9, U+2019 or an apostrophe;
// - spaces anywhere.
// Letters of one part must fall in rank (thousands, hundreds, tens, units, each at most
// once). After the myriad sign the multiplier ends at the first space after one of its
// letters, or else where the ranks stop falling. A leading Greek Μ is read as the myriad
// sign when such a space follows its multiplier or when it cannot be read as the letter
// for 40; otherwise it is 40 (ΜΒʹ is 42). Returns nullopt for anything else and for 0.
std::optional<std::int64_t> ReadGrekIonich(std::u16string_view text);

// The number a key of the Greek keypad adds to Sovr. The thousands panel makes a unit key
// (1-9) a thousand times greater; the myriad panel a key ten thousand times; both together
// make a unit key ten million times greater and leave the other keys adding nothing.
std::optional<std::uint64_t> GrekIonichKeyValue(std::uint32_t value, const KeypadView& keys);

// The numeral with the Greek numeral signs in place of the plain marks: the apostrophe as
// the keraia U+0374, the comma before a thousands letter as the lower numeral sign U+0375,
// and the Cyrillic М as the Greek capital Mu U+039C. Every other character is kept.
std::u16string GrekIonichToStandard(std::u16string_view text);

}  // namespace zarno
