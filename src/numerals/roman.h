// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Roman numerals: writing the modern number with the glyphs of the keypad, and reading a
// Roman text back into a number.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "numerals/keypad_view.h"
#include "numerals/text_table.h"

namespace zarno {

// Writes Roman numerals from a table made once for the glyphs and boxes of a keypad: the
// group of signs of every digit in every position, in the glyph variants that the boxes
// choose. The passes that choose a variant follow the positions 1 to 5, and each rewrites the
// text built so far, so a group also depends on how far above it the number goes (the
// ten-sign that a 9 borrows is rewritten only when the number has the next position): the
// table holds every group for every last position that a pass follows.
class RimWriter {
 public:
  static constexpr int kPositions = 6;  // positions written; the higher ones write nothing
  static constexpr int kVaried = 5;     // the last position that a pass follows

  explicit RimWriter(const KeypadView& view);

  // The room that Write needs at `out`, in UTF-16 code units (UTF-8 takes kUtf8PerUnit bytes
  // a unit).
  std::size_t Room() const { return room_ + TextTable::kSlack; }

  // Writes the numeral of `sovr` as RenderRim gives it, in UTF-16 or UTF-8, and returns its
  // end.
  char16_t* Write(std::u16string_view sovr, char16_t* out) const;
  char* Write(std::u16string_view sovr, char* out) const;

 private:
  template <typename Char>
  Char* Walk(std::u16string_view sovr, Char* out) const;

  TextTable table_;
  // By position, last varied position (the smaller of the number's length and kVaried) and
  // digit; only the entries that a number reaching the position can use are filled.
  TextTable::Text groups_[kPositions][kVaried][10];
  std::size_t room_ = 0;  // the longest numeral
};

// The Roman numeral of the digit text `sovr`, built from the key captions and rewritten with
// the glyph variants that the check boxes select. Applies no limit: a number above 399999
// gives what its lowest six positions give, and the caller empties the output. A character
// that is not a digit is taken as 0.
std::u16string RenderRim(std::u16string_view sovr, const KeypadView& view);

// The value of one Roman sign: the value of the first key (in the fixed order of the Roman
// keys) whose caption is exactly this character; 0 when no caption matches.
std::int64_t GetRimSignValue(char16_t c, const KeypadView& view);

// The value of the signs at positions first to last (counted from 1) of `text`: read from
// right to left, a run of smaller signs before a larger one is read by itself and subtracted
// from it. Positions outside the text are clipped to it; an empty range gives 0.
std::int64_t ReadRimRange(std::u16string_view text, int first, int last, const KeypadView& view);

// The value of a whole Roman text (0 for the empty text). May be negative or above 399999;
// the caller decides what to do with such a value.
std::int64_t ReadRimValue(std::u16string_view text, const KeypadView& view);

// The text of the message shown when a Roman text reads as a negative number.
std::u16string RimNegativeMessage(std::int64_t value);

// Reading for the command line, without a window: the signs are those of the Roman keypad
// (standard glyphs and all older forms), the Latin letters I V X L C D M (either case), the
// small Roman numeral characters and the compound characters such as U+2163 (IV). Returns
// nullopt for an empty text or one with any other character (spaces included). The value
// is read by the same rule as in the window, so it may be 0, negative or above 399999.
std::optional<std::int64_t> ReadRimText(std::u16string_view text);

// The numeral in standard Unicode for running text: the Number Forms letters as the Latin
// capitals I V X L C D M, the large signs that have no Latin equivalent (ↀ ↁ ↂ ↆ ↇ ↈ) kept,
// and our older forms as the standard sign of the same value they are shapes of. Every
// other character is kept.
std::u16string RimToStandard(std::u16string_view text);

}  // namespace zarno
