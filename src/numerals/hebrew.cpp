// SPDX-License-Identifier: GPL-3.0-or-later
// Hebrew numerals. The rules of the system are in four places:
// - here: the letters of its keys, the renderer, its writer for zarno-cli and the reader;
// - core/hebrew_options.cpp: the window's side, the options "использовать" (final letters,
//   which also enables the five final-letter keys), "гершаим" and "обычай", and what a switch
//   of system does to the final-letter option;
// - core/numeral_systems.cpp: its row (limit, font box, keypad, what its keys and its
//   thousands panel do);
// - keypads/layout_east.cpp: where its keys stand.
#include "numerals/hebrew.h"

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

#include "base/controls.h"
#include "base/number.h"
#include "numerals/captions.h"

namespace zarno {
namespace {

constexpr char16_t kGershayim = u'\u05F4';

// The letters, 500 to 900 as final letters, and the geresh on the thousands toggle.
constexpr CaptionEntry kIudeyskie[] = {
    {Ctl::Kiril1_1, u"\u05D0"},     {Ctl::Kiril1_2, u"\u05D1"},   {Ctl::Kiril1_3, u"\u05D2"},
    {Ctl::Kiril1_4, u"\u05D3"},     {Ctl::Kiril1_5, u"\u05D4"},   {Ctl::Kiril1_6, u"\u05D5"},
    {Ctl::Kiril1_7, u"\u05D6"},     {Ctl::Kiril1_8, u"\u05D7"},   {Ctl::Kiril1_9, u"\u05D8"},
    {Ctl::Kiril1_10, u"\u05D9"},    {Ctl::Kiril1_20, u"\u05DB"},  {Ctl::Kiril1_30, u"\u05DC"},
    {Ctl::Kiril1_40, u"\u05DE"},    {Ctl::Kiril1_50, u"\u05E0"},  {Ctl::Kiril1_60, u"\u05E1"},
    {Ctl::Kiril1_70, u"\u05E2"},    {Ctl::Kiril1_80, u"\u05E4"},  {Ctl::Kiril1_90, u"\u05E6"},
    {Ctl::Kiril1_100, u"\u05E7"},   {Ctl::Kiril1_200, u"\u05E8"}, {Ctl::Kiril1_300, u"\u05E9"},
    {Ctl::Kiril1_400_y, u"\u05EA"}, {Ctl::Kiril1_500, u"\u05DA"}, {Ctl::Kiril1_600, u"\u05DD"},
    {Ctl::Kiril1_700, u"\u05DF"},   {Ctl::Kiril1_800, u"\u05E3"}, {Ctl::Kiril1_900, u"\u05E5"},
    {Ctl::Tysyasha, u"\u05F3"},
};

// The letters of the hundreds digit d (1 to 9) in writing order when final letters are not
// used: one letter each up to 400, and from 500 on 400 and the rest.
struct Hundreds {
  int count;
  Ctl keys[3];
};
constexpr Hundreds kHundredsAsSum[10] = {
    {0, {}},
    {1, {Ctl::Kiril1_100}},
    {1, {Ctl::Kiril1_200}},
    {1, {Ctl::Kiril1_300}},
    {1, {Ctl::Kiril1_400_y}},
    {2, {Ctl::Kiril1_400_y, Ctl::Kiril1_100}},
    {2, {Ctl::Kiril1_400_y, Ctl::Kiril1_200}},
    {2, {Ctl::Kiril1_400_y, Ctl::Kiril1_300}},
    {2, {Ctl::Kiril1_400_y, Ctl::Kiril1_400_y}},
    {3, {Ctl::Kiril1_400_y, Ctl::Kiril1_400_y, Ctl::Kiril1_100}},
};

// The customary orders of the option Obychay: where the lower letters of a number, written
// highest first, would spell a word, custom writes them in another order. A row is keyed by
// what those letters stand for: the last letter of the hundreds (also when it ends a sum, so
// that 744 is ת and the row of 344) with the tens and the units. The keys are in writing order.
struct CustomaryOrder {
  int value;
  int count;
  Ctl keys[3];
};
constexpr CustomaryOrder kCustomaryOrders[HebrewWriter::kCustomaryOrderCount] = {
    {270, 2, {Ctl::Kiril1_70, Ctl::Kiril1_200}},                 // ער, not רע ("evil")
    {272, 3, {Ctl::Kiril1_70, Ctl::Kiril1_200, Ctl::Kiril1_2}},  // ערב, not רעב ("hunger")
    {275, 3, {Ctl::Kiril1_70, Ctl::Kiril1_200, Ctl::Kiril1_5}},  // ערה, not רעה ("evil")
    {298, 3, {Ctl::Kiril1_200, Ctl::Kiril1_8, Ctl::Kiril1_90}},  // רחצ, not רצח ("murder")
    {304, 2, {Ctl::Kiril1_4, Ctl::Kiril1_300}},                  // דש, not שד ("demon")
    {344, 3, {Ctl::Kiril1_300, Ctl::Kiril1_4, Ctl::Kiril1_40}},  // שדמ, not שמד ("destroy")
};

// The digit at `place` (1 for the last character) of the modern number; 0 beyond its start
// and for a character that is not a digit.
int DigitAt(std::u16string_view sovr, std::size_t place) {
  if (place > sovr.size()) return 0;
  const char16_t c = sovr[sovr.size() - place];
  return IsAsciiDigit(c) ? c - u'0' : 0;
}

// The captions of `keys` one after another.
std::u16string Join(const KeypadView& view, const Ctl* keys, int count) {
  std::u16string text;
  for (int i = 0; i < count; ++i) text += view.Caption(keys[i]);
  return text;
}

// Whether `text` holds the captions of `parts` one after another at `at`.
bool PartsAt(std::u16string_view text, std::size_t at,
             std::initializer_list<std::u16string_view> parts) {
  for (std::u16string_view part : parts) {
    if (text.substr(at, part.size()) != part) return false;
    at += part.size();
  }
  return true;
}

// Replaces the first place where `parts` follow one another in text[0, size) with
// `replacement`, which is never longer than the parts together; gives the new size. The
// first part is never empty: a place that does not begin with its first unit is passed over
// at once.
std::size_t ReplaceFirst(char16_t* text, std::size_t size,
                         std::initializer_list<std::u16string_view> parts,
                         std::u16string_view replacement) {
  std::size_t length = 0;
  for (std::u16string_view part : parts) length += part.size();
  const std::u16string_view view(text, size);
  const char16_t first = parts.begin()->front();
  for (std::size_t at = 0; at + length <= size; ++at) {
    if (text[at] != first || !PartsAt(view, at, parts)) continue;
    std::char_traits<char16_t>::copy(text + at, replacement.data(), replacement.size());
    std::char_traits<char16_t>::move(text + at + replacement.size(), text + at + length,
                                     size - at - length);
    return size - length + replacement.size();
  }
  return size;
}

}  // namespace

std::span<const CaptionEntry> IudeyskieCaptions() { return kIudeyskie; }

HebrewWriter::HebrewWriter(const KeypadView& view)
    : mark_(view.Checked(Ctl::Gershaim)),
      customary_(view.Checked(Ctl::Obychay)),
      ten_(view.Caption(Ctl::Kiril1_10)),
      five_(view.Caption(Ctl::Kiril1_5)),
      six_(view.Caption(Ctl::Kiril1_6)) {
  const bool finals = view.Checked(Ctl::Ispolzovat);
  const std::u16string_view gershayim(&kGershayim, 1);
  const std::u16string_view geresh = view.Caption(Ctl::Tysyasha);
  // The keys of the hundreds from 500 on carry the final letters.
  auto letter = [&](int place, int d) {
    return d ? view.Caption(kLetterKeysByPlace[place][d - 1]) : u"";
  };
  auto holds_gershayim = [](std::u16string_view s) { return s.find(kGershayim) != s.npos; };
  // The divine name is avoided in the tens and units once for all when no other text holds
  // the first unit of the ten: every replacement begins with it.
  const bool avoid = !ten_.empty() && !five_.empty() && !six_.empty();
  std::size_t outside = 0;  // texts outside the tens and units that hold it
  auto note = [&](std::u16string_view s) {
    outside += avoid && s.find(ten_[0]) != s.npos;
    return s;
  };

  std::size_t longest_thousands = 0, longest_hundreds = 0, longest_lead = 0;
  for (int d = 0; d <= 9; ++d) {
    const std::u16string_view unit = letter(0, d);
    thousands_[0][d] = table_.Add({note(unit), d ? note(geresh) : u""});
    thousands_[1][d] = table_.Add({d ? geresh : u"", unit});
    longest_thousands = std::max<std::size_t>(longest_thousands, thousands_[0][d].size);

    const Hundreds& h = kHundredsAsSum[d];
    const std::u16string hundreds =
        finals && d >= 5 ? std::u16string(letter(2, d)) : Join(view, h.keys, h.count);
    // The gershayim before the hundreds when they are the lowest letters, unless they hold one.
    const bool marked = mark_ && d != 0 && !holds_gershayim(hundreds);
    hundreds_[0][d] = table_.Add(note(hundreds));
    hundreds_[1][d] = table_.Add({marked ? gershayim : u"", note(hundreds)});
    longest_hundreds = std::max<std::size_t>(longest_hundreds, hundreds_[1][d].size);

    // A hundred written with its final letter ends in no 200 or 300 and keeps its order.
    if (d != 0 && !(finals && d >= 5)) {
      last_hundred_[d] = static_cast<int>(ValueOf(h.keys[h.count - 1]));
      hundreds_lead_[d] = table_.Add(note(Join(view, h.keys, h.count - 1)));
      longest_lead = std::max<std::size_t>(longest_lead, hundreds_lead_[d].size);
    }
  }
  std::size_t longest_order = 0;
  for (int i = 0; i < kCustomaryOrderCount; ++i) {
    // The letters in their customary order, the mark before the last of them, as before the
    // last letter of any number.
    const CustomaryOrder& order = kCustomaryOrders[i];
    customary_orders_[i] =
        table_.Add({note(Join(view, order.keys, order.count - 1)), mark_ ? gershayim : u"",
                    note(view.Caption(order.keys[order.count - 1]))});
    longest_order = std::max<std::size_t>(longest_order, customary_orders_[i].size);
  }
  avoid_at_end_ = avoid && outside != 0;

  std::size_t longest_pair = 0;
  std::u16string text;
  for (int digits = 0; digits < 100; ++digits) {
    const std::u16string_view tens = letter(1, digits / 10);
    const std::u16string_view units = letter(0, digits % 10);
    for (int marked = 0; marked < 2; ++marked) {
      // The gershayim before the letters of the lower non-zero digit, unless they hold one.
      const std::u16string_view lowest = digits % 10 ? units : tens;
      const bool mark_here = marked && mark_ && digits != 0 && !holds_gershayim(lowest);
      if (marked && !mark_here) {
        pairs_[1][digits] = pairs_[0][digits];
        continue;
      }
      text = tens;
      if (mark_here) text.insert(digits % 10 ? text.size() : 0, gershayim);
      text += units;
      if (avoid && !avoid_at_end_) text.resize(AvoidDivineName(text.data(), text.size()));
      pairs_[marked][digits] = table_.Add(text);
      longest_pair = std::max(longest_pair, text.size());
    }
  }
  room_ =
      longest_thousands + std::max(longest_hundreds + longest_pair, longest_lead + longest_order);
}

int HebrewWriter::CustomaryOrderOf(int hundreds, int tens, int units) const {
  if (!customary_ || last_hundred_[hundreds] == 0) return -1;
  const int value = last_hundred_[hundreds] + 10 * tens + units;
  for (int i = 0; i < kCustomaryOrderCount; ++i) {
    if (kCustomaryOrders[i].value == value) return i;
  }
  return -1;
}

template <typename Char>
Char* HebrewWriter::Walk(std::u16string_view sovr, Char* out) const {
  const std::size_t n = sovr.size();
  // Five or more characters end empty whatever came before: the fifth place empties the text.
  if (n >= 5) return out;
  const int units = DigitAt(sovr, 1), tens = DigitAt(sovr, 2), hundreds = DigitAt(sovr, 3),
            thousands = DigitAt(sovr, 4);
  // The place of the lowest non-zero digit.
  const std::size_t lowest = units ? 1 : tens ? 2 : hundreds ? 3 : thousands ? 4 : 0;

  // The letters below the thousands.
  TextTable::Text lower[2];
  const int customary = CustomaryOrderOf(hundreds, tens, units);
  if (customary >= 0) {
    // The customary letters hold the last hundreds letter; the 400s before it stay.
    lower[0] = hundreds_lead_[hundreds];
    lower[1] = customary_orders_[customary];
  } else {
    // The gershayim goes before the letters of the lowest non-zero digit when a place stands
    // above it.
    const bool mark_here = lowest != 0 && lowest < n;
    lower[0] = hundreds_[mark_here && lowest == 3][hundreds];
    lower[1] = pairs_[mark_here && lowest <= 2][10 * tens + units];
  }
  // Thousands: the letter and the geresh; a whole number of thousands puts the geresh first.
  const bool whole = lower[0].size + lower[1].size == 0;

  out = table_.Put(thousands_[whole][thousands], out);
  out = table_.Put(lower[0], out);
  return table_.Put(lower[1], out);
}

char16_t* HebrewWriter::Write(std::u16string_view sovr, char16_t* out) const {
  char16_t* const end = Walk(sovr, out);
  if (!avoid_at_end_) return end;
  return out + AvoidDivineName(out, static_cast<std::size_t>(end - out));
}

char* HebrewWriter::Write(std::u16string_view sovr, char* out) const {
  if (!avoid_at_end_) return Walk(sovr, out);
  // 15 and 16 are looked for in UTF-16.
  thread_local std::u16string text;  // made once for the thread
  text.resize(Room());
  const char16_t* const end = Write(sovr, text.data());
  return WriteUtf8({text.data(), static_cast<std::size_t>(end - text.data())}, out);
}

std::size_t HebrewWriter::AvoidDivineName(char16_t* text, std::size_t size) const {
  // Every replacement begins with the ten: a text without its first character keeps its
  // letters.
  if (ten_.empty() || five_.empty() || six_.empty() ||
      std::u16string_view(text, size).find(ten_[0]) == std::u16string_view::npos) {
    return size;
  }
  const std::u16string_view mark(&kGershayim, 1);
  size = ReplaceFirst(text, size, {ten_, five_}, u"\u05D8\u05D5");
  size = ReplaceFirst(text, size, {ten_, six_}, u"\u05D8\u05D6");
  size = ReplaceFirst(text, size, {ten_, mark, five_}, u"\u05D8\u05F4\u05D5");
  size = ReplaceFirst(text, size, {ten_, mark, six_}, u"\u05D8\u05F4\u05D6");
  return size;
}

std::u16string RenderIudeyskie(std::u16string_view sovr, const KeypadView& view) {
  const HebrewWriter writer(view);
  std::u16string text(writer.Room(), u'\0');
  text.resize(static_cast<std::size_t>(writer.Write(sovr, text.data()) - text.data()));
  return text;
}

// Reading ---------------------------------------------------------------------------------

namespace {

constexpr char16_t kGeresh = u'\u05F3';

// Value of a letter U+05D0..U+05EA; a final letter gives its value as a final hundred, and
// `plain` the value of its ordinary letter.
struct LetterValue {
  int value;
  int plain;
};

std::optional<LetterValue> HebrewLetter(char16_t c) {
  static constexpr int kValues[27] = {
      1,  2,   3,  4,  5,  6,   7,  8,   9,  10,  500, 20,  30,  600,
      40, 700, 50, 60, 70, 800, 80, 900, 90, 100, 200, 300, 400,
  };
  if (c < u'\u05D0' || c > u'\u05EA') return std::nullopt;
  const int v = kValues[c - 0x05D0];
  switch (v) {
    case 500:
      return LetterValue{v, 20};
    case 600:
      return LetterValue{v, 40};
    case 700:
      return LetterValue{v, 50};
    case 800:
      return LetterValue{v, 80};
    case 900:
      return LetterValue{v, 90};
    default:
      return LetterValue{v, v};
  }
}

// The sum of a group of letters: a final letter counts as a hundred only when it opens the
// group, as the renderer writes the final hundreds; after another letter it is an ordinary
// final letter.
std::int64_t GroupValue(const std::vector<LetterValue>& letters) {
  std::int64_t sum = 0;
  for (std::size_t i = 0; i < letters.size(); ++i) {
    sum += i == 0 ? letters[i].value : letters[i].plain;
  }
  return sum;
}

}  // namespace

std::optional<std::int64_t> ReadIudeyskie(std::u16string_view text) {
  std::vector<LetterValue> before;  // letters before the geresh, or all when there is none
  std::vector<LetterValue> after;
  bool geresh = false;
  for (char16_t c : text) {
    if (c == u' ' || c == u'\t' || c == u'\u00A0') continue;
    if (c == kGershayim || c == u'"' || c == u'\u201D') continue;
    if (c == kGeresh || c == u'\'' || c == u'\u2019') {
      if (geresh) return std::nullopt;
      geresh = true;
      continue;
    }
    const std::optional<LetterValue> letter = HebrewLetter(c);
    if (!letter) return std::nullopt;
    (geresh ? after : before).push_back(*letter);
  }
  // Letters enough to count: no text of a billion letters reaches the 64-bit range.
  if (before.size() + after.size() > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  if (!geresh) {
    if (before.empty()) return std::nullopt;
    return GroupValue(before);
  }
  if (before.empty()) {
    // The renderer's form of a whole number of thousands: the geresh, then one letter.
    if (after.size() != 1) return std::nullopt;
    return GroupValue(after) * 1000;
  }
  if (after.empty()) return GroupValue(before);  // the geresh only marks the number
  return GroupValue(before) * 1000 + GroupValue(after);
}

std::optional<std::uint64_t> IudeyskieKeyValue(std::uint32_t value, const KeypadView& keys) {
  return keys.Checked(Ctl::Tysyasha) ? value * 1000ull : value;
}

}  // namespace zarno
