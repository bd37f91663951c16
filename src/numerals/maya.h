// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Maya numerals: vigesimal places with the irregular second place (18 units of 20, so the
// third place is worth 360), one digit glyph per place, highest place first. The digits are
// the private-use code points U+E140 (the shell, 0) to U+E153 (19) of the program's font.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "numerals/keypad_view.h"
#include "numerals/text_table.h"

namespace zarno {

// Writes Maya numerals from a table made once for the captions of a keypad: the glyph of
// every digit 0 to 19.
class MayaWriter {
 public:
  static constexpr int kPlaces = 8;  // places written; the eighth takes all that is left

  explicit MayaWriter(const KeypadView& view);

  // The room that Write needs at `out`, in UTF-16 code units (UTF-8 takes kUtf8PerUnit bytes
  // a unit).
  std::size_t Room() const { return room_ + TextTable::kSlack; }

  // Writes the numeral of `sovr` as RenderMaya gives it, in UTF-16 or UTF-8, and returns its
  // end.
  char16_t* Write(std::u16string_view sovr, char16_t* out) const;
  char* Write(std::u16string_view sovr, char* out) const;

 private:
  template <typename Char>
  Char* Walk(std::u16string_view sovr, Char* out) const;

  TextTable table_;
  TextTable::Text digits_[20];
  std::size_t room_ = 0;  // the longest numeral
};

// The Maya numeral of the digit text `sovr`, with the glyphs taken from the captions of the
// twenty digit keys. Empty for the empty text, for a text that is no signed 64-bit number and
// for values of 2^32 or more.
std::u16string RenderMaya(std::u16string_view sovr, const KeypadView& view);

// The decimal text that reading the column `kiril` gives, lowest place last, by exact decimal
// addition so that no column overflows. Places above the eighth reuse the eighth place's
// weight. A character that is not a Maya digit still takes its place and counts as 0 there.
// nullopt for the empty column: the modern number becomes empty.
std::optional<std::u16string> ReadMaya(std::u16string_view kiril);

// Reader for the command line: the private-use digits and the Mayan Numerals U+1D2E0..U+1D2F3
// (as surrogate pairs), spaces ignored, read as ReadMaya reads them. nullopt for the empty
// text, any other character and a value above the signed 64-bit range.
std::optional<std::int64_t> ReadMayaText(std::u16string_view text);

// The same numeral with the standard Mayan Numerals in place of the private-use digits; other
// characters are kept.
std::u16string MayaToStandard(std::u16string_view text);

}  // namespace zarno
