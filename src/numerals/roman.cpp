#include "numerals/roman.h"

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <vector>

#include "core/number.h"
#include "keypads/captions.h"

namespace zarno {
namespace {

// The one-, five- and ten-sign of the decimal positions 1 to 5. Position 6 has only its
// one-sign, which is the ten-sign of position 5.
struct PositionSigns {
  Ctl one;
  Ctl five;
  Ctl ten;
};
constexpr PositionSigns kPositions[5] = {
    {Ctl::Kiril1_1, Ctl::Kiril1_5, Ctl::Kiril1_10},
    {Ctl::Kiril1_10, Ctl::Kiril1_50, Ctl::Kiril1_100},
    {Ctl::Kiril1_100, Ctl::Kiril1_500, Ctl::Glagolitsa_1000},
    {Ctl::Glagolitsa_1000, Ctl::Rim_5000_1, Ctl::Rim_10000_1},
    {Ctl::Rim_10000_1, Ctl::Rim_50000, Ctl::Rim_100000},
};
constexpr int kLastPosition = 6;

int DigitValue(char16_t c) { return IsAsciiDigit(c) ? c - u'0' : 0; }

// The glyph group of digit d at position p (1-based).

// The glyph-variant passes. The pass that follows position p rewrites the whole text built
// so far, so a ten-sign that a 9 borrows from the next position is only rewritten when the
// number also has that next position. The code points are fixed: the passes turn the
// standard glyphs into the older forms the boxes choose and back.
struct Pass {
  std::u16string_view from;  // code units replaced ...
  char16_t to = 0;           // ... by this one
};

struct VariantPasses {
  // Up to two passes after each of the positions 1 to 5 (the hundreds have two).
  Pass after[kLastPosition][2];

  explicit VariantPasses(const KeypadView& view) {
    after[1][0] = view.Checked(Ctl::Check_Kiril1_5_e2) ? Pass{u"\u2164", u'\uE101'}
                                                        : Pass{u"\uE101", u'\u2164'};
    after[2][0] = view.Checked(Ctl::Check_Kiril1_50_Rim) ? Pass{u"\u216C", u'\u2186'}
                                                          : Pass{u"\u2186", u'\u216C'};
    after[3][0] = view.Checked(Ctl::Check_Kiril1_100_Rim) ? Pass{u"\u216D", u'\uE104'}
                                                           : Pass{u"\uE104", u'\u216D'};
    if (view.Checked(Ctl::Check_Glag_500_KirilF)) {
      after[3][1] = {u"\u216E\uE106", u'\uE103'};
    } else if (view.Checked(Ctl::Check_Glag_500)) {
      after[3][1] = {u"\uE103\uE106", u'\u216E'};
    } else {
      after[3][1] = {u"\uE103\u216E", u'\uE106'};
    }
    if (view.Checked(Ctl::Check_Rim_1000_1)) {
      after[4][0] = {u"\uE105\u216F", u'\u2180'};
    } else if (view.Checked(Ctl::Check_Glag_1000)) {
      after[4][0] = {u"\u2180\uE105", u'\u216F'};
    } else {
      after[4][0] = {u"\u2180\u216F", u'\uE105'};
    }
    // The older ten thousand is turned on here but never back: the caption of the
    // standard key already gives ↂ.
    if (view.Checked(Ctl::Check_Rim_10000_2)) after[5][0] = {u"\u2182", u'\uE107'};
  }

  // A code unit written at position p, after the passes of positions p to n have run.
  char16_t Apply(char16_t c, int p, int n) const {
    for (int q = p; q <= std::min(n, kLastPosition - 1); ++q) {
      for (const Pass& pass : after[q]) {
        if (pass.to != 0 && pass.from.find(c) != std::u16string_view::npos) c = pass.to;
      }
    }
    return c;
  }
};

// Appends the glyph group of digit d at position p, each code unit as the variant passes of
// positions p to n leave it.
void AppendGroup(std::u16string& out, int p, int d, int n, const KeypadView& view,
                 const VariantPasses& passes) {
  auto put = [&](std::u16string_view sign, int times) {
    for (int i = 0; i < times; ++i) {
      for (char16_t c : sign) out.push_back(passes.Apply(c, p, n));
    }
  };
  if (p == kLastPosition) {
    // Only up to three hundred thousands can be written; the rest is above the limit.
    if (d <= 3) put(view.Caption(Ctl::Rim_100000), d);
    return;
  }
  const PositionSigns& s = kPositions[p - 1];
  const std::u16string_view o = view.Caption(s.one);
  const std::u16string_view f = view.Caption(s.five);
  const std::u16string_view t = view.Caption(s.ten);
  // Four thousand is written with four thousand-signs: ↁ stands for five thousand only.
  if (p == 4 && d == 4) return put(o, 4);
  switch (d) {
    case 0:
      return;
    case 4:
      put(o, 1);
      put(f, 1);
      return;
    case 9:
      put(o, 1);
      put(t, 1);
      return;
    default:
      if (d >= 5) put(f, 1);
      put(o, d >= 5 ? d - 5 : d);
      return;
  }
}

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

std::u16string RenderRim(std::u16string_view sovr, const KeypadView& view) {
  const VariantPasses passes(view);
  const int n = static_cast<int>(sovr.size());
  std::u16string kiril;
  kiril.reserve(24);
  // The highest position stands first; positions 7 and higher write nothing.
  for (int p = std::min(n, kLastPosition); p >= 1; --p) {
    AppendGroup(kiril, p, DigitValue(sovr[sovr.size() - p]), n, view, passes);
  }
  return kiril;
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

}  // namespace zarno
