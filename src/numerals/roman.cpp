// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerals/roman.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <string_view>
#include <vector>

#include "base/number.h"
#include "numerals/captions.h"

namespace zarno {
namespace {

constexpr int kLastPosition = RimWriter::kPositions;
constexpr int kLastVaried = RimWriter::kVaried;

// The keys of the signs in rising value: the one- and five-sign of positions 1 to 5, then
// the one-sign of position 6. The signs of position p are the three from index 2(p - 1):
// its one-sign, its five-sign and its ten-sign, which is the one-sign of the next
// position. Position 6 has only its one-sign; the two places after it repeat it and are
// never written.
constexpr Ctl kSignKeys[2 * kLastPosition + 1] = {
    Ctl::Kiril1_1,   Ctl::Kiril1_5,        Ctl::Kiril1_10,  Ctl::Kiril1_50,   Ctl::Kiril1_100,
    Ctl::Kiril1_500, Ctl::Glagolitsa_1000, Ctl::Rim_5000_1, Ctl::Rim_10000_1, Ctl::Rim_50000,
    Ctl::Rim_100000, Ctl::Rim_100000,      Ctl::Rim_100000,
};

// The signs of the group of one digit, in writing order: 0 for the one-sign, 1 for the
// five-sign, 2 for the ten-sign. Unused places are 0.
struct GroupShape {
  std::uint8_t length;
  std::uint8_t signs[4];
};
using ShapeTable = std::array<GroupShape, 10>;
constexpr ShapeTable kOrdinaryShapes = {{
    {0, {}},
    {1, {0}},
    {2, {0, 0}},
    {3, {0, 0, 0}},
    {2, {0, 1}},
    {1, {1}},
    {2, {1, 0}},
    {3, {1, 0, 0}},
    {4, {1, 0, 0, 0}},
    {2, {0, 2}},
}};
// Four thousand is written with four thousand-signs: ↁ stands for five thousand only.
constexpr ShapeTable kThousandShapes = [] {
  ShapeTable t = kOrdinaryShapes;
  t[4] = {4, {0, 0, 0, 0}};
  return t;
}();
// Only up to three hundred thousands can be written; the rest is above the limit.
constexpr ShapeTable kHundredThousandShapes = {{
    {0, {}},
    {1, {0}},
    {2, {0, 0}},
    {3, {0, 0, 0}},
}};

constexpr const ShapeTable& ShapesAt(int p) {
  return p == 4 ? kThousandShapes : p == kLastPosition ? kHundredThousandShapes : kOrdinaryShapes;
}

int DigitValue(char16_t c) { return IsAsciiDigit(c) ? c - u'0' : 0; }

// The glyph-variant passes. The pass that follows position p rewrites the whole text built
// so far, so a ten-sign that a 9 borrows from the next position is only rewritten when the
// number also has that next position. The code points are fixed: the passes turn the
// standard glyphs into the older forms the boxes choose and back.
//
// Each pass reads and writes only the code points of one group (the forms of one sign), and
// no two groups share a code point. So a code unit is changed by at most one pass, the one
// of its group, and the passes need not be run in turn: a code unit written at position p
// takes the pass of its group when that pass follows one of the positions p to n.
enum Group : std::uint8_t {
  kNoGroup,
  kFive,
  kFifty,
  kHundred,
  kFiveHundred,
  kThousand,
  kTenThousand,
  kGroupCount,
};
// The position each group's pass follows (the hundreds have two passes).
constexpr int kGroupPosition[kGroupCount] = {0, 1, 2, 3, 3, 4, 5};

Group GroupOf(char16_t c) {
  switch (c) {
    case u'\u2164':  // Ⅴ
    case u'\uE101':
      return kFive;
    case u'\u216C':  // Ⅼ
    case u'\u2186':
      return kFifty;
    case u'\u216D':  // Ⅽ
    case u'\uE104':
      return kHundred;
    case u'\u216E':  // Ⅾ
    case u'\uE103':
    case u'\uE106':
      return kFiveHundred;
    case u'\u216F':  // Ⅿ
    case u'\u2180':
    case u'\uE105':
      return kThousand;
    case u'\u2182':  // ↂ
    case u'\uE107':
      return kTenThousand;
    default:
      return kNoGroup;
  }
}

struct Pass {
  char16_t from[2];  // code units replaced (0 for none) ...
  char16_t to;       // ... by this one; 0 when the pass is off
};

struct VariantPasses {
  Pass of[kGroupCount]{};  // the pass of each group

  explicit VariantPasses(const KeypadView& view) {
    of[kNoGroup] = {{0, 0}, 0};
    of[kFive] = view.Checked(Ctl::Check_Kiril1_5_e2) ? Pass{{u'\u2164', 0}, u'\uE101'}
                                                     : Pass{{u'\uE101', 0}, u'\u2164'};
    of[kFifty] = view.Checked(Ctl::Check_Kiril1_50_Rim) ? Pass{{u'\u216C', 0}, u'\u2186'}
                                                        : Pass{{u'\u2186', 0}, u'\u216C'};
    of[kHundred] = view.Checked(Ctl::Check_Kiril1_100_Rim) ? Pass{{u'\u216D', 0}, u'\uE104'}
                                                           : Pass{{u'\uE104', 0}, u'\u216D'};
    if (view.Checked(Ctl::Check_Glag_500_KirilF)) {
      of[kFiveHundred] = {{u'\u216E', u'\uE106'}, u'\uE103'};
    } else if (view.Checked(Ctl::Check_Glag_500)) {
      of[kFiveHundred] = {{u'\uE103', u'\uE106'}, u'\u216E'};
    } else {
      of[kFiveHundred] = {{u'\uE103', u'\u216E'}, u'\uE106'};
    }
    if (view.Checked(Ctl::Check_Rim_1000_1)) {
      of[kThousand] = {{u'\uE105', u'\u216F'}, u'\u2180'};
    } else if (view.Checked(Ctl::Check_Glag_1000)) {
      of[kThousand] = {{u'\u2180', u'\uE105'}, u'\u216F'};
    } else {
      of[kThousand] = {{u'\u2180', u'\u216F'}, u'\uE105'};
    }
    // The older ten thousand is turned on here but never back: the caption of the
    // standard key already gives ↂ.
    of[kTenThousand] =
        view.Checked(Ctl::Check_Rim_10000_2) ? Pass{{u'\u2182', 0}, u'\uE107'} : Pass{{0, 0}, 0};
  }

  // The code unit c written at position p, after the passes of the positions p to n; `last`
  // is the smaller of n and 5, the last position that a pass follows.
  char16_t Apply(char16_t c, int p, int last) const {
    const Group g = GroupOf(c);
    const Pass& pass = of[g];
    // A pass that is off reads no code unit but 0, and writes 0 back for it.
    const bool replaced = pass.from[0] == c || pass.from[1] == c;
    const int position = kGroupPosition[g];
    return replaced && position >= p && position <= last ? pass.to : c;
  }
};

// The keys in the order their captions are compared when a sign is read.
constexpr Ctl kSignOrder[] = {
    Ctl::Kiril1_1,      Ctl::Kiril1_5,        Ctl::Kiril1_5_e2,    Ctl::Kiril1_10,  Ctl::Kiril1_50,
    Ctl::Kiril1_50_Rim, Ctl::Kiril1_100,      Ctl::Kiril1_100_Rim, Ctl::Kiril1_500, Ctl::Glag_500_F,
    Ctl::Rim_500_2,     Ctl::Glagolitsa_1000, Ctl::Rim_1000_1,     Ctl::Rim_1000_2, Ctl::Rim_5000_1,
    Ctl::Rim_10000_1,   Ctl::Rim_10000_2,     Ctl::Rim_50000,      Ctl::Rim_100000,
};

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// Sums that stay in range for any text that fits in memory (every sign is worth at most
// 100000); saturation only makes the bound hold by construction.
std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
  std::int64_t r;
  if (__builtin_add_overflow(a, b, &r)) return b > 0 ? kMax : kMin;
  return r;
}
std::int64_t SaturatingSub(std::int64_t a, std::int64_t b) {
  std::int64_t r;
  if (__builtin_sub_overflow(a, b, &r)) return b < 0 ? kMax : kMin;
  return r;
}

// The reading over sign values; values[i] is the value of the sign at position i + 1.
//
// The window keeps positions in 8 bits and so reads at most 127 signs; longer texts have no
// defined result there. We read a text of any length with the same rule. That stays cheap:
// every sign of a run is strictly smaller than the sign the run is subtracted from, so each
// level of recursion works on strictly smaller sign values, and with eleven distinct values
// the depth is at most twelve. Each level walks its range once, so the whole reading is
// linear in the length of the text.
std::int64_t ReadRange(const std::vector<std::int64_t>& values, std::ptrdiff_t first,
                       std::ptrdiff_t last) {
  std::int64_t sum = 0;
  std::ptrdiff_t pos = last;
  while (pos >= first) {
    const std::int64_t v = values[pos - 1];
    std::ptrdiff_t k = 0;
    // The run ends at the first sign that is not smaller, or at the start of the text.
    while (pos - k - 1 >= 1 && values[pos - k - 2] < v) ++k;
    if (k > 0) sum = SaturatingSub(sum, ReadRange(values, pos - k, pos - 1));
    sum = SaturatingAdd(sum, v);
    pos = pos - k - 1;
  }
  return sum;
}

std::vector<std::int64_t> SignValues(std::u16string_view text, const KeypadView& view) {
  std::vector<std::int64_t> values(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) values[i] = GetRimSignValue(text[i], view);
  return values;
}

// Latin letters and the compound Roman numeral characters, spelled with Latin letters.
struct Spelling {
  char16_t c;
  std::string_view latin;
};
constexpr Spelling kSpellings[] = {
    {u'I', "I"},       {u'V', "V"},        {u'X', "X"},         {u'L', "L"},
    {u'C', "C"},       {u'D', "D"},        {u'M', "M"},         {u'i', "I"},
    {u'v', "V"},       {u'x', "X"},        {u'l', "L"},         {u'c', "C"},
    {u'd', "D"},       {u'm', "M"},        {u'\u2161', "II"},   {u'\u2162', "III"},
    {u'\u2163', "IV"}, {u'\u2165', "VI"},  {u'\u2166', "VII"},  {u'\u2167', "VIII"},
    {u'\u2168', "IX"}, {u'\u216A', "XI"},  {u'\u216B', "XII"},  {u'\u2170', "I"},
    {u'\u2171', "II"}, {u'\u2172', "III"}, {u'\u2173', "IV"},   {u'\u2174', "V"},
    {u'\u2175', "VI"}, {u'\u2176', "VII"}, {u'\u2177', "VIII"}, {u'\u2178', "IX"},
    {u'\u2179', "X"},  {u'\u217A', "XI"},  {u'\u217B', "XII"},  {u'\u217C', "L"},
    {u'\u217D', "C"},  {u'\u217E', "D"},   {u'\u217F', "M"},
};

// Our older forms and the standard sign each is a shape of.
struct OlderForm {
  char16_t ours;
  char16_t standard;
};
constexpr OlderForm kOlderForms[] = {
    {u'\uE101', u'V'},       // the five as an open Λ
    {u'\uE104', u'C'},       // the square hundred
    {u'\uE103', u'D'},       // five hundred as IↃ, which became D
    {u'\uE106', u'D'},       // the joined IↃ
    {u'\uE105', u'\u2180'},  // CIↃ: ROMAN NUMERAL ONE THOUSAND C D
    {u'\uE107', u'\u2182'},  // CCIↃↃ: ROMAN NUMERAL TEN THOUSAND
};

// The Latin spelling of a Number Forms letter (U+2160..U+217F); empty for any other
// character.
std::string_view LatinOfNumberForm(char16_t c) {
  static constexpr Spelling kSingleForms[] = {
      {u'\u2160', "I"}, {u'\u2164', "V"}, {u'\u2169', "X"}, {u'\u216C', "L"},
      {u'\u216D', "C"}, {u'\u216E', "D"}, {u'\u216F', "M"},
  };
  if (c < u'\u2160' || c > u'\u217F') return {};
  for (const Spelling& s : kSingleForms) {
    if (s.c == c) return s.latin;
  }
  for (const Spelling& s : kSpellings) {
    if (s.c == c) return s.latin;
  }
  return {};
}

Ctl KeyOfLatin(char letter) {
  switch (letter) {
    case 'I':
      return Ctl::Kiril1_1;
    case 'V':
      return Ctl::Kiril1_5;
    case 'X':
      return Ctl::Kiril1_10;
    case 'L':
      return Ctl::Kiril1_50;
    case 'C':
      return Ctl::Kiril1_100;
    case 'D':
      return Ctl::Kiril1_500;
    default:
      return Ctl::Glagolitsa_1000;
  }
}

}  // namespace

RimWriter::RimWriter(const KeypadView& view) {
  const VariantPasses passes(view);
  for (int p = 1; p <= kLastPosition; ++p) {
    std::size_t longest = 0;
    std::u16string before[3];                     // the signs for the last position before
    const int lowest = std::min(p, kLastVaried);  // the lowest last position of a number
    for (int last = lowest; last <= kLastVaried; ++last) {
      // The three signs of the position as the passes leave them.
      std::u16string signs[3];
      for (int k = 0; k < 3; ++k) {
        for (char16_t c : view.Caption(kSignKeys[2 * (p - 1) + k])) {
          signs[k] += passes.Apply(c, p, last);
        }
      }
      TextTable::Text(&groups)[10] = groups_[p - 1][last - 1];
      if (last != lowest && std::equal(signs, signs + 3, before)) {
        // Most positions read the same for every last position above them.
        std::copy_n(groups_[p - 1][last - 2], 10, groups);
        continue;
      }
      for (int d = 0; d <= 9; ++d) {
        const GroupShape& shape = ShapesAt(p)[d];
        std::u16string_view parts[4];
        for (int i = 0; i < shape.length; ++i) parts[i] = signs[shape.signs[i]];
        groups[d] = table_.Add(std::span(parts, shape.length));
        longest = std::max<std::size_t>(longest, groups[d].size);
      }
      std::move(signs, signs + 3, before);
    }
    room_ += longest;
  }
}

template <typename Char>
Char* RimWriter::Walk(std::u16string_view sovr, Char* out) const {
  const std::size_t n = sovr.size();
  // The highest position stands first; positions 7 and higher write nothing.
  const int top = static_cast<int>(std::min<std::size_t>(n, kLastPosition));
  const int last = static_cast<int>(std::min<std::size_t>(n, kLastVaried));
  for (int p = top; p >= 1; --p) {
    out = table_.Put(groups_[p - 1][last - 1][DigitValue(sovr[n - p])], out);
  }
  return out;
}

char16_t* RimWriter::Write(std::u16string_view sovr, char16_t* out) const {
  return Walk(sovr, out);
}
char* RimWriter::Write(std::u16string_view sovr, char* out) const { return Walk(sovr, out); }

std::u16string RenderRim(std::u16string_view sovr, const KeypadView& view) {
  const RimWriter writer(view);
  std::u16string text(writer.Room(), u'\0');
  text.resize(static_cast<std::size_t>(writer.Write(sovr, text.data()) - text.data()));
  return text;
}

std::int64_t GetRimSignValue(char16_t c, const KeypadView& view) {
  const std::u16string_view sign(&c, 1);
  for (Ctl key : kSignOrder) {
    if (view.Caption(key) == sign) return ValueOf(key);
  }
  return 0;
}

std::int64_t ReadRimRange(std::u16string_view text, int first, int last, const KeypadView& view) {
  const std::ptrdiff_t size = static_cast<std::ptrdiff_t>(text.size());
  const std::ptrdiff_t from = std::max<std::ptrdiff_t>(first, 1);
  const std::ptrdiff_t to = std::min<std::ptrdiff_t>(last, size);
  if (from > to) return 0;
  // Like the window, a run may reach below `first` when the sign before it is smaller; from
  // ReadRim the range is always one that a larger sign (or the start of the text) closes.
  return ReadRange(SignValues(text, view), from, to);
}

std::int64_t ReadRimValue(std::u16string_view text, const KeypadView& view) {
  if (text.empty()) return 0;
  return ReadRange(SignValues(text, view), 1, static_cast<std::ptrdiff_t>(text.size()));
}

std::u16string RimNegativeMessage(std::int64_t value) {
  return u"Гм, получилось число \"" + ToDecimal(value) +
         u"\", а римские числа должны быть больше нуля...";
}

std::optional<std::int64_t> ReadRimText(std::u16string_view text) {
  if (text.empty()) return std::nullopt;
  // The glyph store of a window that has just selected the Roman system. The check boxes do
  // not take part in reading, so their start states need not be set.
  auto controls = std::make_unique<ControlStates>();
  ApplyCaptions(*controls, RimCaptions());
  const KeypadView view(*controls);

  std::u16string signs;
  signs.reserve(text.size());
  for (char16_t c : text) {
    if (GetRimSignValue(c, view) > 0) {
      signs += c;
      continue;
    }
    const Spelling* spelling = nullptr;
    for (const Spelling& s : kSpellings) {
      if (s.c == c) spelling = &s;
    }
    if (spelling == nullptr) return std::nullopt;
    for (char letter : spelling->latin) signs += view.Caption(KeyOfLatin(letter));
  }
  return ReadRimValue(signs, view);
}

std::u16string RimToStandard(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    const auto* older = std::find_if(std::begin(kOlderForms), std::end(kOlderForms),
                                     [c](const OlderForm& f) { return f.ours == c; });
    if (older != std::end(kOlderForms)) {
      out += older->standard;
      continue;
    }
    const std::string_view latin = LatinOfNumberForm(c);
    if (latin.empty()) {
      out += c;
    } else {
      out.append(latin.begin(), latin.end());
    }
  }
  return out;
}

}  // namespace zarno
