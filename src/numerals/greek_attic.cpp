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
constexpr int kHundredThousands = AtticWriter::kPositionCount;
int FiftiesForHundredThousands(int d) { return d == 1 || d == 2 ? 2 * d : 0; }

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

AtticWriter::AtticWriter(const KeypadView& view) {
  for (int p = 1; p <= kHundredThousands; ++p) {
    std::size_t longest = 0;
    for (int d = 0; d <= 9; ++d) {
      // Up to five signs: the five-sign and four one-signs of a position, or the fifties of
      // the hundred thousands.
      std::u16string_view signs[5];
      int count = 0;
      if (p == kHundredThousands) {
        for (int i = 0; i < FiftiesForHundredThousands(d); ++i) {
          signs[count++] = view.Caption(kFiftyThousand);
        }
      } else {
        if (d >= 5) signs[count++] = view.Caption(kPositions[p - 1].five);
        for (int i = 0; i < d % 5; ++i) signs[count++] = view.Caption(kPositions[p - 1].one);
      }
      groups_[p - 1][d] = table_.Add(std::span(signs, static_cast<std::size_t>(count)));
      longest = std::max<std::size_t>(longest, groups_[p - 1][d].size);
    }
    room_ += longest;
  }
}

template <typename Char>
Char* AtticWriter::Walk(std::u16string_view sovr, Char* out) const {
  const std::size_t n = sovr.size();
  // Positions 7 and higher write nothing.
  for (std::size_t p = std::min<std::size_t>(n, kHundredThousands); p >= 1; --p) {
    out = table_.Put(groups_[p - 1][DigitValue(sovr[n - p])], out);
  }
  return out;
}

char16_t* AtticWriter::Write(std::u16string_view sovr, char16_t* out) const {
  return Walk(sovr, out);
}
char* AtticWriter::Write(std::u16string_view sovr, char* out) const { return Walk(sovr, out); }

std::u16string RenderGrekAttich(std::u16string_view sovr, const KeypadView& view) {
  const AtticWriter writer(view);
  std::u16string text(writer.Room(), u'\0');
  text.resize(static_cast<std::size_t>(writer.Write(sovr, text.data()) - text.data()));
  return text;
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
