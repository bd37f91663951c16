// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Chinese numerals: pairs of a quantity sign and a rank sign, the units digit alone, one zero
// sign for each run of inner zeros. Every sign is taken from the key captions, and the check
// boxes choose between the ordinary and the formal (financial) signs.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "numerals/keypad_view.h"
#include "numerals/text_table.h"

namespace zarno {

// Writes Chinese numerals from a table made once for the captions and boxes of a keypad: the
// signs of every digit in each of the five places (the quantity sign and the rank sign), and
// the zero.
class KitayWriter {
 public:
  static constexpr int kPlaces = 5;

  explicit KitayWriter(const KeypadView& view);

  // The room that Write needs at `out`, in UTF-16 code units (UTF-8 takes kUtf8PerUnit bytes
  // a unit).
  std::size_t Room() const { return room_ + TextTable::kSlack; }

  // Writes the numeral of `sovr` as RenderKitay gives it, in UTF-16 or UTF-8, and returns its
  // end; nullptr for a non-zero digit above the fifth place (RenderKitay's empty text).
  char16_t* Write(std::u16string_view sovr, char16_t* out) const;
  char* Write(std::u16string_view sovr, char* out) const;

 private:
  template <typename Char>
  Char* Walk(std::u16string_view sovr, Char* out) const;

  TextTable table_;
  TextTable::Text signs_[kPlaces][10];  // by place (0 for the units) and digit
  TextTable::Text zero_;
  std::size_t room_ = 0;  // the longest numeral
};

// The glyph of the quantity sign d (0 to 9) as the variant boxes choose it; u'\0' for any
// other d.
char16_t GetKitayDigit(int d, const KeypadView& view);

// The Chinese numeral of the digit text `sovr`, written from the units up. A zero digit whose
// right neighbour is non-zero (or that is the first character) gives one zero sign, so leading
// zeros show: "0012" is ◯◯一十二. A non-zero digit at the sixth place or above gives the empty
// text; so does the empty `sovr`. A character that is not a digit is taken as 0.
std::u16string RenderKitay(std::u16string_view sovr, const KeypadView& view);

// The value of the character at the 1-based position i of `text`: the value of the first key
// whose caption it is, in the fixed order zero, one (ordinary, formal), ... nine, ten, 20, 30,
// hundred, thousand, ten thousand. A character that is no sign, and a position outside the
// text, has the value 0.
std::int64_t GetKitaySignValue(std::u16string_view text, std::size_t i, const KeypadView& view);

// The largest value ReadKitayValue gives. The window converts the modern number as a signed
// 32-bit value, so a larger sum could not be taken back; any sum near it is far above the
// Chinese limit and shows as an empty output either way.
inline constexpr std::int64_t kKitayReadCap = 2147483647;

// The value that the keypad's reading of `text` gives: pairs of signs multiply, a last sign,
// 20 and 30 count by themselves, a zero sign counts nothing. So 三五 is 15, 十五 is 50 and
// 一萬◯一十 is 10010; the empty text is 0. Sums above kKitayReadCap give kKitayReadCap.
std::int64_t ReadKitayValue(std::u16string_view text, const KeypadView& view);

// A Chinese numeral as people write it, for the command line: ordinary and formal signs,
// traditional and simplified forms (also 〇 and 零 for zero, 两 and 兩 for 2, 廿 卅 卌),
// quantity and rank pairs, a rank with no quantity before it counting once (十五 is 15), and
// a run of plain digits read place by place (二〇二四 is 2024). Spaces are ignored. nullopt
// for the empty text, an unknown character, or signs in an order no numeral has.
std::optional<std::int64_t> ReadKitayText(std::u16string_view text);

// The numeral with the zero as 〇 U+3007 (IDEOGRAPHIC NUMBER ZERO) in place of the large
// circle ◯ or the combining circle that the keypad shows; every other character is kept.
std::u16string KitayToStandard(std::u16string_view text);

}  // namespace zarno
