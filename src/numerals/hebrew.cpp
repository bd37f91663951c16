// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerals/hebrew.h"

#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

#include "base/controls.h"
#include "base/number.h"
#include "numerals/pieces.h"

namespace zarno {
namespace {

constexpr char16_t kGershayim = u'\u05F4';

// The keys of the letters by place (units, tens, hundreds) and digit 1 to 9; the hundreds
// from 500 on are the keys of the final letters.
constexpr Ctl kPlaceKeys[3][9] = {
    {Ctl::Kiril1_1, Ctl::Kiril1_2, Ctl::Kiril1_3, Ctl::Kiril1_4, Ctl::Kiril1_5, Ctl::Kiril1_6,
     Ctl::Kiril1_7, Ctl::Kiril1_8, Ctl::Kiril1_9},
    {Ctl::Kiril1_10, Ctl::Kiril1_20, Ctl::Kiril1_30, Ctl::Kiril1_40, Ctl::Kiril1_50, Ctl::Kiril1_60,
     Ctl::Kiril1_70, Ctl::Kiril1_80, Ctl::Kiril1_90},
    {Ctl::Kiril1_100, Ctl::Kiril1_200, Ctl::Kiril1_300, Ctl::Kiril1_400_y, Ctl::Kiril1_500,
     Ctl::Kiril1_600, Ctl::Kiril1_700, Ctl::Kiril1_800, Ctl::Kiril1_900},
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
constexpr CustomaryOrder kCustomaryOrders[] = {
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

// The customary order for the lower letters of `sovr`, if custom changes them. A hundred
// written with its final letter ends in no 200 or 300 and keeps its order.
const CustomaryOrder* CustomaryOrderOf(std::u16string_view sovr, bool finals) {
  const int hundreds = DigitAt(sovr, 3);
  if (hundreds == 0 || (finals && hundreds >= 5)) return nullptr;
  const Hundreds& h = kHundredsAsSum[hundreds];
  const int value =
      static_cast<int>(ValueOf(h.keys[h.count - 1])) + 10 * DigitAt(sovr, 2) + DigitAt(sovr, 1);
  for (const CustomaryOrder& order : kCustomaryOrders) {
    if (order.value == value) return &order;
  }
  return nullptr;
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

std::u16string RenderIudeyskie(std::u16string_view sovr, const KeypadView& view) {
  // Five or more characters end empty whatever came before: the fifth place empties the text.
  if (sovr.size() >= 5) return {};
  const bool finals = view.Checked(Ctl::Ispolzovat);
  const bool mark = view.Checked(Ctl::Gershaim);
  const std::u16string_view mark_text(&kGershayim, 1);

  // The captions of the numeral from the left: each place puts its own in front of those of
  // the places below it. Eight at most: the thousands letter and the geresh, three for the
  // hundreds, the tens, the gershayim and the units.
  Pieces<8> pieces;
  bool marked = false;  // whether the lower pieces hold a gershayim
  int written = 0;      // non-zero digits written so far
  auto prepend = [&](std::u16string_view s) {
    pieces.Add(s);
    marked = marked || (mark && s.find(kGershayim) != s.npos);  // asked only with the mark
  };
  std::size_t place = 1;
  const CustomaryOrder* custom =
      view.Checked(Ctl::Obychay) ? CustomaryOrderOf(sovr, finals) : nullptr;
  if (custom != nullptr) {
    // The units, the tens and the last hundreds letter in their customary order, the mark
    // before the last of them, as before the last letter of any number.
    for (int i = custom->count; i-- > 0;) {
      prepend(view.Caption(custom->keys[i]));
      if (mark && i == custom->count - 1) prepend(mark_text);
    }
    written = custom->count;
    place = 3;
  }
  for (; place <= sovr.size(); ++place) {
    // The first digit written is the lowest non-zero one: the mark goes just before it.
    if (mark && written == 1 && !marked) prepend(mark_text);
    const int d = DigitAt(sovr, place);
    if (d == 0) continue;
    ++written;
    switch (place) {
      case 1:
      case 2:
        prepend(view.Caption(kPlaceKeys[place - 1][d - 1]));
        break;
      case 3:
        if (custom != nullptr) {
          // The customary letters hold the last hundreds letter; the 400s before it stay.
          const Hundreds& h = kHundredsAsSum[d];
          for (int i = h.count - 1; i-- > 0;) prepend(view.Caption(h.keys[i]));
        } else if (finals) {
          prepend(view.Caption(kPlaceKeys[2][d - 1]));
        } else {
          const Hundreds& h = kHundredsAsSum[d];
          for (int i = h.count; i-- > 0;) prepend(view.Caption(h.keys[i]));
        }
        break;
      default: {
        // Thousands: the letter and the geresh; a whole number of thousands puts the geresh
        // first.
        const std::u16string_view letter = view.Caption(kPlaceKeys[0][d - 1]);
        const std::u16string_view geresh = view.Caption(Ctl::Tysyasha);
        const bool whole = pieces.Size() == 0;
        prepend(whole ? letter : geresh);
        prepend(whole ? geresh : letter);
        break;
      }
    }
  }

  std::u16string text = pieces.Join(/*backward=*/true);

  // 15 and 16 are never written with the letters of the divine name. Every replacement
  // begins with the ten: a text without its first character keeps its letters.
  const std::u16string_view ten = view.Caption(Ctl::Kiril1_10);
  const std::u16string_view five = view.Caption(Ctl::Kiril1_5);
  const std::u16string_view six = view.Caption(Ctl::Kiril1_6);
  if (!ten.empty() && !five.empty() && !six.empty() && text.find(ten[0]) != text.npos) {
    char16_t* t = text.data();
    std::size_t size = text.size();
    size = ReplaceFirst(t, size, {ten, five}, u"\u05D8\u05D5");
    size = ReplaceFirst(t, size, {ten, six}, u"\u05D8\u05D6");
    size = ReplaceFirst(t, size, {ten, mark_text, five}, u"\u05D8\u05F4\u05D5");
    size = ReplaceFirst(t, size, {ten, mark_text, six}, u"\u05D8\u05F4\u05D6");
    text.resize(size);
  }
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
