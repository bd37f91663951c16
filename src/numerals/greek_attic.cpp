// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerals/greek_attic.h"

#include <algorithm>

#include "base/number.h"
#include "numerals/captions.h"

namespace zarno {
namespace {

// The one-sign and five-sign of the decimal positions 1 to 5.
struct PositionSigns {
  Ctl one;
  Ctl five;
};
constexpr PositionSigns kPositions[5] = {
    {Ctl::Kiril1_1, Ctl::Kiril1_5},     {Ctl::Kiril1_10, Ctl::Kiril1_50},
    {Ctl::Kiril1_100, Ctl::Kiril1_500}, {Ctl::Glagolitsa_1000, Ctl::Rim_5000_1},
    {Ctl::Rim_10000_1, Ctl::Rim_50000},
};
constexpr Ctl kFiftyThousand = Ctl::Rim_50000;

int DigitValue(char16_t c) { return IsAsciiDigit(c) ? c - u'0' : 0; }

// The sixth position has no sign of its own: two fifty-thousands stand for a hundred
// thousand, and only one or two hundred thousands are written.
constexpr int kHundredThousands = 6;
int FiftiesForHundredThousands(int d) { return d == 1 || d == 2 ? 2 * d : 0; }

// RenderGrekAttich for captions of any length (the keypad's have one code unit each).
std::u16string RenderAnyCaptions(std::u16string_view sovr, const KeypadView& view) {
  std::u16string kiril;
  const std::size_t n = sovr.size();
  const int top = static_cast<int>(std::min<std::size_t>(n, kHundredThousands));
  for (int p = top; p >= 1; --p) {
    const int d = DigitValue(sovr[n - p]);
    if (p == kHundredThousands) {
      for (int i = 0; i < FiftiesForHundredThousands(d); ++i) kiril += view.Caption(kFiftyThousand);
      continue;
    }
    if (d >= 5) kiril += view.Caption(kPositions[p - 1].five);
    for (int i = 0; i < d % 5; ++i) kiril += view.Caption(kPositions[p - 1].one);
  }
  return kiril;
}

// Our private-use five-signs, the Greek Γ used as the five, and their standard code points
// (as UTF-16 surrogate pairs) in the Ancient Greek Numbers block.
struct StandardSign {
  char16_t ours;
  std::u16string_view standard;
};
constexpr StandardSign kStandard[] = {
    {u'\u0393', u"\U00010143"},  // ATTIC FIVE
    {u'\uE111', u"\U00010144"},  // ATTIC FIFTY
    {u'\uE112', u"\U00010145"},  // ATTIC FIVE HUNDRED
    {u'\uE113', u"\U00010146"},  // ATTIC FIVE THOUSAND
    {u'\uE114', u"\U00010147"},  // ATTIC FIFTY THOUSAND
};

bool IsOneSign(std::int64_t v) { return v == 1 || v == 10 || v == 100 || v == 1000 || v == 10000; }

// The value of a sign of the keypad, from its caption table; 0 when it is none.
std::int64_t CaptionValue(char16_t c) {
  for (const CaptionEntry& e : GrekAttichCaptions()) {
    if (e.text.size() == 1 && e.text[0] == c) return ValueOf(e.control);
  }
  return 0;
}

// The value of the sign at the start of `s` (a keypad sign or a standard one) and its
// length in code units; 0 when there is none.
std::int64_t SignAt(std::u16string_view s, std::size_t& length) {
  for (const StandardSign& sign : kStandard) {
    if (s.starts_with(sign.standard)) {
      length = sign.standard.size();
      return CaptionValue(sign.ours);
    }
  }
  length = 1;
  return CaptionValue(s[0]);
}

}  // namespace

std::u16string RenderGrekAttich(std::u16string_view sovr, const KeypadView& view) {
  const std::size_t n = sovr.size();
  // The digits of positions 6 down to 1; 0 above the number, and positions 7 and higher
  // write nothing.
  int digits[kHundredThousands + 1];
  for (int p = 1; p <= kHundredThousands; ++p) {
    digits[p] = static_cast<std::size_t>(p) <= n ? DigitValue(sovr[n - p]) : 0;
  }

  // Every sign read once; the keypad's signs are one code unit each.
  char16_t ones[kHundredThousands];
  char16_t fives[kHundredThousands];
  bool one_unit = true;
  for (int p = 1; p < kHundredThousands; ++p) {
    const std::u16string_view one = view.Caption(kPositions[p - 1].one);
    const std::u16string_view five = view.Caption(kPositions[p - 1].five);
    one_unit = one_unit && one.size() == 1 && five.size() == 1;
    ones[p] = one.empty() ? u'\0' : one[0];
    fives[p] = five.empty() ? u'\0' : five[0];
  }
  if (!one_unit) return RenderAnyCaptions(sovr, view);

  // Every place a position can use is written whatever its digit, and only the length of
  // the group is kept: that keeps the loop free of branches on the digits.
  char16_t kiril[4 + 5 * (kHundredThousands - 1)];
  std::size_t length = 0;
  const char16_t fifty = fives[kHundredThousands - 1];
  for (int i = 0; i < 4; ++i) kiril[i] = fifty;
  length += FiftiesForHundredThousands(digits[kHundredThousands]);
  for (int p = kHundredThousands - 1; p >= 1; --p) {
    const int d = digits[p];
    kiril[length] = fives[p];
    length += d >= 5;
    for (int i = 0; i < 4; ++i) kiril[length + i] = ones[p];
    length += d % 5;
  }
  return std::u16string(kiril, length);
}

std::optional<std::int64_t> ReadGrekAttich(std::u16string_view text) {
  std::int64_t sum = 0;
  std::int64_t previous = 0;  // value of the previous sign; 0 before the first
  int repeats = 0;            // how often it stood in a row
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == u' ') {
      ++i;
      continue;
    }
    std::size_t length = 1;
    const std::int64_t v = SignAt(text.substr(i), length);
    if (v == 0) return std::nullopt;
    if (previous != 0 && v > previous) return std::nullopt;
    repeats = v == previous ? repeats + 1 : 1;
    const int most = v == 50000 ? 4 : IsOneSign(v) ? 4 : 1;
    if (repeats > most) return std::nullopt;
    sum += v;
    previous = v;
    i += length;
  }
  if (sum == 0) return std::nullopt;
  return sum;
}

std::u16string AtticToStandard(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    const StandardSign* found = nullptr;
    for (const StandardSign& sign : kStandard) {
      if (sign.ours == c) found = &sign;
    }
    if (found != nullptr) {
      out += found->standard;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace zarno
