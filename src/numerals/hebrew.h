// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Hebrew numerals: letters summed, highest first in logical order; hundreds above 400 as
// sums or (with the option "использовать") as the five final letters; thousands as a letter
// with the geresh; 15 and 16 as 9 + 6 and 9 + 7; optionally a gershayim before the letters of
// the lowest non-zero digit; optionally (the option "обычай") the customary orders of the
// letters that would otherwise spell a word (270 ער, not רע; 744 תשדמ, not תשמד).
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/controls.h"
#include "numerals/captions.h"
#include "numerals/keypad_view.h"
#include "numerals/text_table.h"

namespace zarno {

// Writes Hebrew numerals from a table made once for the captions and options of a keypad: the
// letters of every digit in every place, the hundreds as the option Ispolzovat writes them,
// and the customary orders of the option Obychay.
class HebrewWriter {
 public:
  static constexpr int kCustomaryOrderCount = 6;

  explicit HebrewWriter(const KeypadView& view);

  // The room that Write needs at `out`, in UTF-16 code units (UTF-8 takes kUtf8PerUnit bytes
  // a unit).
  std::size_t Room() const { return room_ + TextTable::kSlack; }

  // Writes the numeral of `sovr` as RenderIudeyskie gives it, in UTF-16 or UTF-8, and
  // returns its end.
  char16_t* Write(std::u16string_view sovr, char16_t* out) const;
  char* Write(std::u16string_view sovr, char* out) const;

 private:
  // The letters from the table, before 15 and 16 are looked for in the whole numeral.
  template <typename Char>
  Char* Walk(std::u16string_view sovr, Char* out) const;
  // The row of the customary order that the lower digits take, or -1.
  int CustomaryOrderOf(int hundreds, int tens, int units) const;
  // 15 and 16 are never written with the letters of the divine name: rewrites the first
  // place where the captions of ten and five (or six) follow one another, the gershayim
  // perhaps between them, and gives the new size.
  std::size_t AvoidDivineName(char16_t* text, std::size_t size) const;

  bool mark_;       // Gershaim
  bool customary_;  // Obychay
  std::u16string ten_, five_, six_;
  TextTable table_;
  // By whether the number is a whole number of thousands, and digit: the thousands letter and
  // the geresh.
  TextTable::Text thousands_[2][10];
  // By whether the gershayim goes before the lowest letters, and digit: the hundreds, and the
  // tens with the units (15 and 16 already rewritten, unless that is left to the end).
  TextTable::Text hundreds_[2][10];
  TextTable::Text pairs_[2][100];
  // By hundreds digit: the value of the last letter of the hundreds (0 when custom keeps the
  // order), and the letters before it.
  int last_hundred_[10] = {};
  TextTable::Text hundreds_lead_[10];
  TextTable::Text customary_orders_[kCustomaryOrderCount];  // the letters, and the mark if asked
  // Whether 15 and 16 are looked for in the whole numeral: the first unit of the ten stands
  // elsewhere than in the tens and units.
  bool avoid_at_end_ = false;
  std::size_t room_ = 0;  // the longest numeral
};

// The Hebrew numeral of the digit text `sovr`, with the letters from the key captions, the
// geresh from the caption of Tysyasha, and the options Ispolzovat (final letters for 500 to
// 900), Gershaim and Obychay. Empty for the empty text, for 0 and for any text of five or more
// characters. A character that is not a digit is taken as 0.
std::u16string RenderIudeyskie(std::u16string_view sovr, const KeypadView& view);

// Reader for the command line. Letters are summed, in whatever order they stand (ער and רע
// are both 270); a final letter (ך ם ן ף ץ) is 500 to 900
// when it opens its group of letters (as the renderer writes it) and 20, 40, 50, 80, 90 when
// it follows another letter (תש״ף is 780). The geresh (׳ or ') between letters makes the
// letters before it thousands; a geresh in front of a single letter (the renderer's ׳ב) makes
// that letter thousands; a geresh at the end only marks the number (ה׳ is 5). The gershayim
// (״ or ") and spaces are ignored. nullopt for a text without letters, any other character,
// or a geresh in any other place.
std::optional<std::int64_t> ReadIudeyskie(std::u16string_view text);

// The keys of the final letters (the hundreds 500 to 900), which the option Ispolzovat
// enables.
inline constexpr std::span<const Ctl> kFinalLetterKeys = std::span(kLetterKeysByPlace[2]).last<5>();

// The number a key of the Hebrew keypad adds to Sovr: its value, a thousand times greater
// while the thousands panel is pressed.
std::optional<std::uint64_t> IudeyskieKeyValue(std::uint32_t value, const KeypadView& keys);

}  // namespace zarno
