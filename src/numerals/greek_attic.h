// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Greek Attic (acrophonic) numerals: one-signs for 1 to 10000 and combined five-signs for
// 5 to 50000, purely additive.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "numerals/keypad_view.h"
#include "numerals/text_table.h"

namespace zarno {

// Writes Greek Attic numerals from a table made once for the captions of a keypad: the signs
// of every digit in every position.
class AtticWriter {
 public:
  static constexpr int kPositionCount = 6;  // positions written; the higher ones write nothing

  explicit AtticWriter(const KeypadView& view);

  // The room that Write needs at `out`, in UTF-16 code units (UTF-8 takes kUtf8PerUnit bytes
  // a unit).
  std::size_t Room() const { return room_ + TextTable::kSlack; }

  // Writes the numeral of `sovr` as RenderGrekAttich gives it, in UTF-16 or UTF-8, and
  // returns its end.
  char16_t* Write(std::u16string_view sovr, char16_t* out) const;
  char* Write(std::u16string_view sovr, char* out) const;

 private:
  template <typename Char>
  Char* Walk(std::u16string_view sovr, Char* out) const;

  TextTable table_;
  TextTable::Text groups_[kPositionCount][10];  // by position (0 for the units) and digit
  std::size_t room_ = 0;                        // the longest numeral
};

// The Greek Attic numeral of the digit text `sovr`, with every sign taken from the key
// captions. The hundred thousands are written with fifty-thousand signs: two for 100000,
// four for 200000, nothing for 300000 and more. Applies no limit; the caller empties the
// output above 249999. A character that is not a digit is taken as 0.
std::u16string RenderGrekAttich(std::u16string_view sovr, const KeypadView& view);

// Reading for the command line. Accepts the signs of the Greek Attic keypad and the
// standard Unicode signs GREEK ACROPHONIC ATTIC FIVE to FIFTY THOUSAND (U+10143 to
// U+10147), spaces anywhere. The signs must not rise in value from left to right; a
// one-sign may stand at most four times, a five-sign once, and the fifty-thousand sign up
// to four times (for the hundred thousands). Returns nullopt for anything else.
std::optional<std::int64_t> ReadGrekAttich(std::u16string_view text);

// The text with our private-use five-signs and the Greek Γ (the Attic five) replaced by
// the standard signs of the Ancient Greek Numbers block, for documents without our font.
// Every other character is kept.
std::u16string AtticToStandard(std::u16string_view text);

}  // namespace zarno
