// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerals/greek_ionic.h"

#include <algorithm>
#include <vector>

#include "base/number.h"
#include "numerals/captions.h"

namespace zarno {
namespace {

// The marks are part of the writing rule, not of the keypad.
constexpr char16_t kThousandsMark = u',';
constexpr char16_t kMyriadSign = u'\u041C';
constexpr char16_t kSeparator = u' ';
constexpr char16_t kNumberMark = u'\'';

int DigitValue(char16_t c) { return IsAsciiDigit(c) ? c - u'0' : 0; }

// Either part has four places; the multiplier takes the positions 5 to 8.
constexpr std::size_t kPlaces = 4;
constexpr std::size_t kPositions = 2 * kPlaces;

// ---- Reading ----

// Forms of the letters that the keypad does not show. Capital letters of the keypad's
// letters are added from the table of small ones.
struct ExtraLetter {
  char16_t c;
  int value;
};
constexpr ExtraLetter kExtraLetters[] = {
    {u'\u03DA', 6},   {u'\u03C2', 6},   {u'\u03DC', 6},   {u'\u03DD', 6},    // Ϛ ς Ϝ ϝ
    {u'\u03D8', 90},  {u'\u03DF', 90},  {u'\u03DE', 90},                     // Ϙ ϟ Ϟ
    {u'\u03E0', 900}, {u'\u0373', 900}, {u'\u0372', 900},                    // Ϡ ͳ Ͳ
    {u'\u03D0', 2},   {u'\u03D1', 9},   {u'\u03D6', 80},  {u'\u03F1', 100},  // ϐ ϑ ϖ ϱ
    {u'\u03F2', 200}, {u'\u03F9', 200}, {u'\u03D5', 500},                    // ϲ Ϲ ϕ
};
constexpr char16_t kGreekCapitalMu = u'\u039C';

bool IsFinalMark(char16_t c) {
  return c == u'\u0374' || c == u'\u02B9' || c == u'\u2019' || c == u'\'';
}
bool IsSpace(char16_t c) { return c == u' ' || c == u'\u00A0'; }
bool IsThousandsMark(char16_t c) { return c == u',' || c == u'\u0375'; }
bool IsLatinOrCyrillicMyriad(char16_t c) { return c == u'M' || c == u'\u041C'; }
bool IsSigma(char16_t c) {
  return c == u'\u03C3' || c == u'\u03A3' || c == u'\u03F2' || c == u'\u03F9';
}
bool IsTau(char16_t c) { return c == u'\u03C4' || c == u'\u03A4'; }

// The value of a single Greek letter, 0 when it is none. The keypad's letters come from
// its caption table, so that the reader accepts exactly what the renderer writes.
int LetterValue(char16_t c) {
  for (const CaptionEntry& e : GrekIonichCaptions()) {
    if (KindOf(e.control) != ControlKind::kKey || e.text.size() != 1) continue;
    const char16_t small = e.text[0];
    // The capitals lie 32 below the small letters; final sigma has no capital of its own.
    const bool capital = small >= u'\u03B1' && small <= u'\u03C9' && small != u'\u03C2' &&
                         c == static_cast<char16_t>(small - 0x20);
    if (c == small || capital) return static_cast<int>(ValueOf(e.control));
  }
  for (const ExtraLetter& e : kExtraLetters) {
    if (e.c == c) return e.value;
  }
  return 0;
}

int RankOf(std::int64_t value) { return value < 10 ? 0 : value < 100 ? 1 : 2; }

struct Item {
  enum Kind { kLetter, kSpace, kMyriad } kind;
  std::int64_t value = 0;
  int rank = 0;  // 0 units, 1 tens, 2 hundreds, 3 thousands
};

// Splits the text (without its number mark) into letters, thousands letters, spaces and a
// leading myriad sign. A Greek Μ at the start is given as the letter 40 and decided later.
std::optional<std::vector<Item>> Tokenize(std::u16string_view s) {
  std::vector<Item> items;
  bool started = false;  // a sign other than a space has been seen
  std::size_t i = 0;
  // One letter at i, the digraph στ included; 0 when none.
  auto letter_at = [&s](std::size_t& j) -> int {
    if (j >= s.size()) return 0;
    if (IsSigma(s[j]) && j + 1 < s.size() && IsTau(s[j + 1])) {
      j += 2;
      return 6;
    }
    const int v = LetterValue(s[j]);
    if (v != 0) ++j;
    return v;
  };
  while (i < s.size()) {
    const char16_t c = s[i];
    if (IsSpace(c)) {
      items.push_back({Item::kSpace});
      ++i;
      continue;
    }
    if (!started && IsLatinOrCyrillicMyriad(c)) {
      items.push_back({Item::kMyriad});
      started = true;
      ++i;
      continue;
    }
    started = true;
    if (IsThousandsMark(c)) {
      ++i;
      while (i < s.size() && IsSpace(s[i])) ++i;
      const int v = letter_at(i);
      if (v == 0 || v >= 10) return std::nullopt;
      items.push_back({Item::kLetter, std::int64_t{v} * 1000, 3});
      continue;
    }
    const int v = letter_at(i);
    if (v == 0) return std::nullopt;
    items.push_back({Item::kLetter, v, RankOf(v)});
  }
  return items;
}

// Letters of falling rank from `i` to the end, spaces ignored; empty gives 0.
std::optional<std::int64_t> ReadPart(const std::vector<Item>& items, std::size_t i) {
  std::int64_t sum = 0;
  int last_rank = 4;
  for (; i < items.size(); ++i) {
    if (items[i].kind == Item::kSpace) continue;
    if (items[i].kind != Item::kLetter || items[i].rank >= last_rank) return std::nullopt;
    sum += items[i].value;
    last_rank = items[i].rank;
  }
  return sum;
}

struct MyriadReading {
  std::int64_t value;
  bool separated;  // the multiplier was closed by a space
};

// The numeral after a myriad sign at items[0]: the multiplier, then the rest.
std::optional<MyriadReading> ReadMyriad(const std::vector<Item>& items) {
  std::size_t i = 1;
  while (i < items.size() && items[i].kind == Item::kSpace) ++i;
  std::int64_t multiplier = 0;
  int last_rank = 4;
  bool separated = false;
  for (; i < items.size(); ++i) {
    if (items[i].kind == Item::kSpace) {
      separated = true;
      break;
    }
    if (items[i].kind != Item::kLetter || items[i].rank >= last_rank) break;
    multiplier += items[i].value;
    last_rank = items[i].rank;
  }
  const auto rest = ReadPart(items, i);
  if (!rest) return std::nullopt;
  return MyriadReading{multiplier * 10000 + *rest, separated && multiplier > 0};
}

}  // namespace

GrekIonichWriter::GrekIonichWriter(const KeypadView& view) {
  std::size_t longest[kPlaces] = {};
  for (std::size_t place = 1; place <= kPlaces; ++place) {
    letters_[place - 1][0] = table_.Add(u"");
    for (int d = 1; d <= 9; ++d) {
      // A thousands letter is a unit letter after the thousands mark.
      // Either part of the numeral has units, tens and hundreds; a digit 0 writes nothing.
      const std::u16string_view letter = view.Caption(kLetterKeysByPlace[(place - 1) % 3][d - 1]);
      const std::u16string_view mark = place == 4 ? std::u16string_view(&kThousandsMark, 1) : u"";
      letters_[place - 1][d] = table_.Add({mark, letter});
      longest[place - 1] = std::max(longest[place - 1], mark.size() + letter.size());
    }
  }
  auto mark = [](const char16_t& c) { return std::u16string_view(&c, 1); };
  myriad_ = table_.Add(mark(kMyriadSign));
  separator_ = table_.Add(mark(kSeparator));
  number_mark_ = table_.Add(mark(kNumberMark));
  marks_alone_ = table_.Add({mark(kMyriadSign), mark(kNumberMark)});
  // The myriad sign, the separator and the number mark, and the letters of both parts.
  room_ = 3;
  for (std::size_t l : longest) room_ += 2 * l;
}

template <typename Char>
Char* GrekIonichWriter::Walk(std::u16string_view sovr, Char* out) const {
  const std::size_t n = sovr.size();
  // A ninth digit leaves nothing of what was built, and every further digit empties the
  // text again; only the marks remain.
  if (n > kPositions) return table_.Put(marks_alone_, out);
  const Char* const start = out;
  const bool myriads = n > kPlaces;  // the myriad sign, the multiplier and the separator
  if (myriads) out = table_.Put(myriad_, out);
  for (std::size_t p = n; p >= 1; --p) {
    if (p == kPlaces && myriads) out = table_.Put(separator_, out);
    out = table_.Put(letters_[(p - 1) % kPlaces][DigitValue(sovr[n - p])], out);
  }
  if (out != start) out = table_.Put(number_mark_, out);
  return out;
}

char16_t* GrekIonichWriter::Write(std::u16string_view sovr, char16_t* out) const {
  return Walk(sovr, out);
}
char* GrekIonichWriter::Write(std::u16string_view sovr, char* out) const { return Walk(sovr, out); }

std::u16string RenderGrekIonich(std::u16string_view sovr, const KeypadView& view) {
  const GrekIonichWriter writer(view);
  std::u16string text(writer.Room(), u'\0');
  text.resize(static_cast<std::size_t>(writer.Write(sovr, text.data()) - text.data()));
  return text;
}

std::optional<std::int64_t> ReadGrekIonich(std::u16string_view text) {
  // Drop one number mark at the end (spaces around it allowed).
  std::size_t end = text.size();
  while (end > 0 && IsSpace(text[end - 1])) --end;
  if (end > 0 && IsFinalMark(text[end - 1])) --end;
  const auto items = Tokenize(text.substr(0, end));
  if (!items) return std::nullopt;

  std::size_t first = 0;
  while (first < items->size() && (*items)[first].kind == Item::kSpace) ++first;
  if (first == items->size()) return std::nullopt;
  const std::vector<Item> body(items->begin() + static_cast<std::ptrdiff_t>(first), items->end());

  std::optional<std::int64_t> value;
  if (body[0].kind == Item::kMyriad) {
    if (const auto m = ReadMyriad(body)) value = m->value;
  } else {
    value = ReadPart(body, 0);
    // A leading Greek Μ is either the letter 40 or the myriad sign.
    const std::size_t lead = text.find_first_not_of(u" \u00A0");
    if (lead < end && text[lead] == kGreekCapitalMu) {
      const auto m = ReadMyriad(body);
      if (m && (m->separated || !value)) value = m->value;
    }
  }
  if (!value || *value <= 0) return std::nullopt;
  return value;
}

std::u16string GrekIonichToStandard(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out) {
    switch (c) {
      case u'\'':
        c = u'\u0374';  // GREEK NUMERAL SIGN (keraia)
        break;
      case u',':
        c = u'\u0375';  // GREEK LOWER NUMERAL SIGN
        break;
      case u'\u041C':
        c = u'\u039C';  // GREEK CAPITAL LETTER MU, the myriad
        break;
      default:
        break;
    }
  }
  return out;
}

std::optional<std::uint64_t> GrekIonichKeyValue(std::uint32_t value, const KeypadView& keys) {
  const bool thousands = keys.Checked(Ctl::Tysyasha);
  const bool myriad = keys.Checked(Ctl::x10000);
  const bool unit = value < 10;
  if (thousands && myriad)
    return unit ? std::optional<std::uint64_t>(value * 10000000ull) : std::nullopt;
  if (thousands) return unit ? value * 1000ull : value;
  if (myriad) return value * 10000ull;
  return value;
}

}  // namespace zarno
