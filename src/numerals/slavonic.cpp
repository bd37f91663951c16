// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerals/slavonic.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "base/number.h"
#include "numerals/captions.h"

namespace zarno {
namespace {

// Every key whose caption is a letter of the glyph table, with all variants.
constexpr Ctl kLetterKeys[] = {
    Ctl::Kiril1_1,       Ctl::Kiril1_2,      Ctl::Kiril1_3,         Ctl::Kiril1_4,
    Ctl::Kiril1_5,       Ctl::Kiril1_5_e2,   Ctl::Kiril1_6,         Ctl::Kiril1_6_s2,
    Ctl::Kiril1_7,       Ctl::Kiril1_7_z2,   Ctl::Kiril1_8,         Ctl::Kiril1_9,
    Ctl::Kiril1_10,      Ctl::Kiril1_20,     Ctl::Kiril1_30,        Ctl::Kiril1_40,
    Ctl::Kiril1_50,      Ctl::Kiril1_60,     Ctl::Kiril1_60_oldz,   Ctl::Kiril1_70,
    Ctl::Kiril1_80,      Ctl::Kiril1_90,     Ctl::Kiril1_90_koppa,  Ctl::Kiril1_90_che2,
    Ctl::Kiril1_100,     Ctl::Kiril1_200,    Ctl::Kiril1_300,       Ctl::Kiril1_400_y,
    Ctl::Kiril1_400_izh, Ctl::Kiril1_500,    Ctl::Glag_500_F,       Ctl::Kiril1_600,
    Ctl::Kiril1_700,     Ctl::Kiril1_800,    Ctl::Kiril1_800_omega, Ctl::Kiril1_900,
    Ctl::Kiril1_900_yus, Ctl::Kiril1_900_c2, Ctl::Glagolitsa_1000,  Ctl::Glagolitsa_2000,
};

// The key whose caption writes `value` (1..9, 10..90, 100..900). The variant boxes choose
// among the keys of one value; in Glagolitic the first key is taken unless `box_only`.
Ctl LetterKey(int value, const KeypadView& k, bool glagolitic, bool box_only) {
  const bool first = glagolitic && !box_only;
  switch (value) {
    case 5:
      return first || k.Checked(Ctl::Check_Kiril1_5) ? Ctl::Kiril1_5 : Ctl::Kiril1_5_e2;
    case 6:
      return first || k.Checked(Ctl::Check_Kiril1_6) ? Ctl::Kiril1_6 : Ctl::Kiril1_6_s2;
    case 7:
      return first || k.Checked(Ctl::Check_Kiril1_7) ? Ctl::Kiril1_7 : Ctl::Kiril1_7_z2;
    case 60:
      return first || k.Checked(Ctl::Check_Kiril1_60) ? Ctl::Kiril1_60 : Ctl::Kiril1_60_oldz;
    case 90:
      if (first || k.Checked(Ctl::Check_Kiril1_90_che)) return Ctl::Kiril1_90;
      return k.Checked(Ctl::Check_Kiril1_90_koppa) ? Ctl::Kiril1_90_koppa : Ctl::Kiril1_90_che2;
    case 400:
      return first || k.Checked(Ctl::Check_Kiril1_400_y) ? Ctl::Kiril1_400_y : Ctl::Kiril1_400_izh;
    case 500:
      // No Glagolitic default here: the 500 boxes choose in Glagolitic too.
      return k.Checked(Ctl::Check_Glag_500) ? Ctl::Kiril1_500 : Ctl::Glag_500_F;
    case 800:
      return first || k.Checked(Ctl::Check_Kiril1_800_ot) ? Ctl::Kiril1_800 : Ctl::Kiril1_800_omega;
    case 900:
      if (first || k.Checked(Ctl::Check_Kiril1_900_ce)) return Ctl::Kiril1_900;
      return k.Checked(Ctl::Check_Kiril1_900_yus) ? Ctl::Kiril1_900_yus : Ctl::Kiril1_900_c2;
    default:
      break;
  }
  if (value < 10) return kLetterKeysByPlace[0][value - 1];
  if (value < 100) return kLetterKeysByPlace[1][value / 10 - 1];
  return kLetterKeysByPlace[2][value / 100 - 1];
}

// Copies `s` to `out` and gives the end of the copy.
char16_t* Copy(std::u16string_view s, char16_t* out) {
  std::char_traits<char16_t>::copy(out, s.data(), s.size());
  return out + s.size();
}

bool IsOneOf(char16_t c, std::u16string_view set) { return set.find(c) != set.npos; }

// The mark of one of the styles 2 to 8, set once at the end of the text.
constexpr char16_t kEndMark[10] = {0,         0,         u'\uE075', u'\u0483', u'\uE076',
                                   u'\uE077', u'\uE078', u'\uE079', u'\uE060', 0};

}  // namespace

namespace {

// The mark of style 1 after the character c, worked out case by case.
constexpr char16_t MarkAfterCase(char16_t c, bool glagolitic) {
  switch (c) {
    case u'\u0456':  // і
      return u'\uE075';
    case u'\u043C':  // м
    case u'\u0434':  // д
    case u'\u0467':  // ѧ
    case u'\u0473':  // ѳ
    case u'\u047B':  // ѻ
    case u'\u0461':  // ѡ
      return u'\uE076';
    case u'\u0471':  // ѱ
    case u'\u0444':  // ф
    case u'\u047F':  // ѿ
    case u'\u2C3C':  // Glagolitic 30
      return u'\uE065';
    default:
      break;
  }
  if (!glagolitic) return kNumeralMark;
  switch (c) {
    case u'\u2C41':
    case u'\u2C3D':
    case u'\u2C43':
      return kNumeralMark;
    case u'\u2C3F':
      return u'\uE077';
    default:
      return u'\uE076';
  }
}

// The marks after the characters of the Cyrillic block, for Cyrillic: looked up instead of
// worked out, as every letter of a numeral asks for one.
constexpr char16_t kCyrillicFirst = u'\u0400';
constexpr auto kCyrillicMarks = [] {
  std::array<char16_t, 0x80> marks{};
  for (std::size_t i = 0; i < marks.size(); ++i) {
    marks[i] = MarkAfterCase(static_cast<char16_t>(kCyrillicFirst + i), false);
  }
  return marks;
}();

}  // namespace

char16_t MarkAfter(char16_t c, bool glagolitic) {
  const std::size_t i = static_cast<char16_t>(c - kCyrillicFirst);
  if (!glagolitic && i < kCyrillicMarks.size()) return kCyrillicMarks[i];
  return MarkAfterCase(c, glagolitic);
}

namespace {

// The dressing works in buffers on the stack and makes each string once. Marks and dots at
// most double a text: every character with a dot after it, every one of those with a mark.
// Longer texts than the stack holds get a buffer on the heap.
class Scratch {
 public:
  // stack_ is left uninitialised on purpose: it is written before it is read, and clearing it
  // would cost every numeral.
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-member-init)
  explicit Scratch(std::size_t size) {
    if (size > kStackSize) heap_.resize(size);
  }
  char16_t* data() { return heap_.empty() ? stack_ : heap_.data(); }

 private:
  static constexpr std::size_t kStackSize = 256;
  char16_t stack_[kStackSize];
  std::u16string heap_;
};

// The dots between the characters of `p`, written to `out`; gives the end.
char16_t* InnerDots(std::u16string_view p, const DressOptions& o, char16_t* out) {
  const char16_t s = o.thousands_sign;
  for (std::size_t i = 0; i < p.size(); ++i) {
    *out++ = p[i];
    if (i + 1 == p.size()) break;
    const char16_t a = p[i];
    const char16_t b = p[i + 1];
    const bool between_letters = a != s && b != s && b != kTenThousandsSign &&
                                 b != kHundredThousandsSign && a != u' ' && b != u' ';
    // A sign takes its dot on the side away from the line it stands on.
    if (a == s && o.sign_below_line) {
      *out++ = kLowDot;
    } else if (between_letters || (b == s && !o.sign_below_line)) {
      *out++ = kDot;
    }
  }
  return out;
}

// Whether the character c takes the mark of style 1 after it (when no sign follows).
bool TakesMark(char16_t c, const DressOptions& o) {
  return c != o.thousands_sign && c != kTenThousandsSign && c != kHundredThousandsSign &&
         c != kLowDot && c != kDot && c != u' ';
}

// Whether the character c takes the mark off the letter before it: the ten- and
// hundred-thousands signs stand round their letter, and a space ends the letters.
bool TakesMarkOff(char16_t c) {
  return c == kTenThousandsSign || c == kHundredThousandsSign || c == u' ';
}

// `c` with the mark of style 1 after every letter, written to `out`; gives the end.
char16_t* MarkEveryLetter(std::u16string_view c, const DressOptions& o, char16_t* out) {
  for (std::size_t i = 0; i < c.size(); ++i) {
    *out++ = c[i];
    const bool sign_follows = i + 1 < c.size() && TakesMarkOff(c[i + 1]);
    if (TakesMark(c[i], o) && !sign_follows) *out++ = MarkAfter(c[i], o.glagolitic);
  }
  return out;
}

// The text of one mark style: `body` (the letters with their inner dots, and with the marks
// of style 1 when `width` is 1) with the mark of the other styles and the outer dots. `buf`
// holds body.size() + 4 characters; the text lies in it.
std::u16string_view Finish(std::u16string_view body, const DressOptions& o, int width,
                           char16_t* buf) {
  char16_t* const text = buf + 1;  // buf[0] is kept for the leading dot
  std::size_t size = body.size();
  Copy(body, text);
  if (o.numeral_mark && width == 9) {
    // The mark stands over the last but one letter, in front of the dot between them.
    const std::size_t back = o.dots ? 2 : 1;
    const std::size_t at = size >= back ? size - back : 0;
    std::char_traits<char16_t>::move(text + at + 1, text + at, size - at);
    text[at] = kNumeralMark;
    ++size;
  } else if (o.numeral_mark && width >= 2 && width <= 8) {
    text[size++] = kEndMark[width];
  }
  char16_t* begin = text;
  if (o.dots) {
    const bool leading =
        !o.style2 ? !(size >= 2 && text[1] == kLowDot) : o.value.has_value() && *o.value < 9999;
    if (leading) {
      buf[0] = kDot;
      begin = buf;
    }
    text[size++] = kDot;
  }
  return {begin, static_cast<std::size_t>(text + size - begin)};
}

// The parts of the dressing in one buffer of DressRoom(n) units: the dotted letters (2n),
// the marked ones (4n) and the finished text (4n + 4).
struct DressParts {
  std::u16string_view base;        // the letters with their inner dots
  std::u16string_view with_marks;  // and with the marks of style 1, when asked for
  char16_t* finished;

  DressParts(std::u16string_view plain, const DressOptions& o, bool marks_of_style1,
             char16_t* room) {
    const std::size_t n = plain.size();
    char16_t* const dotted = room;
    char16_t* const marked = dotted + 2 * n;
    finished = marked + 4 * n;
    base = plain;
    if (o.dots && !plain.empty()) base = {dotted, InnerDots(plain, o, dotted)};
    if (o.numeral_mark && marks_of_style1) {
      with_marks = {marked, MarkEveryLetter(base, o, marked)};
    }
  }
  std::u16string_view Body(const DressOptions& o, int width) const {
    return o.numeral_mark && width == 1 ? with_marks : base;
  }
};

}  // namespace

std::u16string_view WriteDressed(std::u16string_view plain, const DressOptions& o, char16_t* room) {
  const DressParts parts(plain, o, o.mark_width == 1, room);
  return Finish(parts.Body(o, o.mark_width), o, o.mark_width, parts.finished);
}

KirilWriter::KirilWriter(const KeypadView& keys, bool glagolitic, bool style2)
    : glagolitic_(glagolitic), style2_(style2) {
  FillPlain(keys);
  room_ = longest_plain_ + DressRoom(longest_plain_) + TextTable::kSlack;
}

KirilWriter::KirilWriter(const KeypadView& keys, bool glagolitic, bool style2,
                         const DressOptions& dress)
    : KirilWriter(keys, glagolitic, style2) {
  dress_ = dress;
  if (!dress.dots && (!dress.numeral_mark || dress.mark_width == 1)) FillPairs();
}

void KirilWriter::FillPlain(const KeypadView& keys) {
  // The captions of every digit as the boxes choose them, and as the boxes alone choose them
  // (for the ten and hundred thousands).
  std::u16string_view unit[10], ten[10], hundred[10], myriad_unit[10], myriad_ten[10];
  for (int d = 1; d <= 9; ++d) {
    auto letter = [&](int value, bool box_only) {
      return keys.Caption(LetterKey(value, keys, glagolitic_, box_only));
    };
    unit[d] = letter(d, false);
    ten[d] = letter(10 * d, false);
    hundred[d] = letter(100 * d, false);
    myriad_unit[d] = letter(d, true);
    myriad_ten[d] = letter(10 * d, true);
  }
  const std::u16string_view sign = keys.Caption(Ctl::Tysyasha);
  // The panels carry their sign as the second character of the caption.
  auto second = [](std::u16string_view s) {
    return s.size() > 1 ? s.substr(1, 1) : s.substr(0, 0);
  };
  const std::u16string_view ten_thousands = second(keys.Caption(Ctl::x10000));
  const std::u16string_view hundred_thousands = second(keys.Caption(Ctl::x100000));
  const std::u16string_view glagolitic_thousand[3] = {u"", keys.Caption(Ctl::Glagolitsa_1000),
                                                      keys.Caption(Ctl::Glagolitsa_2000)};

  const TextTable::Text none = table_.Add(u"");
  for (int d = 0; d <= 9; ++d) {
    auto text = [&](int place, int form) -> TextTable::Text& {
      return places_[place - 1][form][d];
    };
    const bool any = d != 0;  // a digit 0 writes nothing but the ten of a teen
    const std::u16string_view hundred_thousand =
        d == 5 ? keys.Caption(Ctl::Kiril1_500) : hundred[d];
    text(6, 0) = !any      ? none
                 : style2_ ? table_.Add({myriad_unit[d], hundred_thousands})
                           : table_.Add({sign, hundred_thousand});
    text(5, 0) = !any      ? none
                 : style2_ ? table_.Add({myriad_unit[d], ten_thousands})
                           : table_.Add({sign, myriad_ten[d]});
    // In the second style a space parts the ten thousands from the hundred thousands.
    text(5, 1) = any && style2_ ? table_.Add({u" ", myriad_unit[d], ten_thousands}) : text(5, 0);
    // Glagolitic writes one letter for a thousand and one for two thousand.
    if (glagolitic_) {
      text(4, 0) = d <= 2 ? table_.Add(glagolitic_thousand[d]) : none;
    } else {
      text(4, 0) = any ? table_.Add({sign, unit[d]}) : none;
    }
    text(3, 0) = table_.Add(hundred[d]);
    // 11 to 19 read units first: the letter of 10 goes after the units.
    text(2, 0) = d != 1 ? table_.Add(ten[d]) : none;
    text(1, 0) = table_.Add(unit[d]);
    text(1, 1) = table_.Add({unit[d], ten[1]});
    for (int place : {2, 3, 4, 6}) text(place, 1) = text(place, 0);
  }
  // The longest letters: the longest of every place.
  for (const auto& place : places_) {
    std::size_t longest = 0;
    for (const auto& form : place) {
      for (const TextTable::Text& t : form) longest = std::max<std::size_t>(longest, t.size);
    }
    longest_plain_ += longest;
  }
}

void KirilWriter::FillPairs() {
  std::u16string bare;
  std::u16string dressed;
  std::size_t longest[3] = {};
  for (int pair = 0; pair < 3; ++pair) {
    const int low = 2 * pair + 1;  // the place of the lower digit
    for (int form = 0; form < (pair == 2 ? 2 : 1); ++form) {
      for (int digits = 0; digits < 100; ++digits) {
        const int high_digit = digits / 10;
        const int low_digit = digits % 10;
        // The units take the form of a teen after a ten; the ten thousands their own form.
        const int low_form = pair == 0 ? high_digit == 1 : form;
        bare = table_.View(places_[low][0][high_digit]);
        bare += table_.View(places_[low - 1][low_form][low_digit]);
        if (dress_.numeral_mark) {
          dressed.resize(2 * bare.size());
          dressed.resize(static_cast<std::size_t>(MarkEveryLetter(bare, dress_, dressed.data()) -
                                                  dressed.data()));
        } else {
          dressed = bare;
        }
        Piece& piece = pairs_[pair][form][digits];
        piece.opens_with_sign = !bare.empty() && TakesMarkOff(bare.front());
        if (dress_.numeral_mark && !bare.empty() && TakesMark(bare.back(), dress_)) {
          char utf8[kUtf8PerUnit];
          piece.mark_units = 1;
          piece.mark_bytes = static_cast<std::uint8_t>(
              WriteUtf8(std::u16string_view(&dressed.back(), 1), utf8) - utf8);
        }
        piece.text = table_.Add(dressed);
        longest[pair] = std::max(longest[pair], dressed.size());
      }
    }
  }
  room_ = std::max(room_, longest[0] + longest[1] + longest[2] + TextTable::kSlack);
  paired_ = true;
}

bool KirilWriter::Ends(std::u16string_view sovr) const {
  // A Glagolitic thousands digit other than 1 or 2 ends the rendering, even before the check
  // of the length.
  if (!glagolitic_ || sovr.size() < 4) return false;
  const char16_t thousands = sovr[sovr.size() - 4];
  return thousands != u'1' && thousands != u'2';
}

char16_t* KirilWriter::WritePlain(std::u16string_view sovr, char16_t* out) const {
  if (Ends(sovr)) return nullptr;
  const std::size_t n = sovr.size();
  if (n >= 7) return out;  // seven digits and more are not written
  auto digit = [&](std::size_t place) {
    const char16_t c = sovr[n - place];
    return c >= u'0' && c <= u'9' ? c - u'0' : 0;
  };
  const int teen = n >= 2 && digit(2) == 1;
  for (std::size_t place = n; place >= 1; --place) {
    const int form = place == 1 ? teen : place == 5 ? n > 5 : 0;
    out = table_.Put(places_[place - 1][form][digit(place)], out);
  }
  return out;
}

char* KirilWriter::Write(std::u16string_view sovr, char* out) const {
  if (paired_) return WritePairs(sovr, out);
  thread_local std::u16string text;  // made once for the thread
  text.resize(Room());
  const char16_t* const end = Write(sovr, text.data());
  if (end == nullptr) return nullptr;
  return WriteUtf8({text.data(), static_cast<std::size_t>(end - text.data())}, out);
}

char16_t* KirilWriter::Write(std::u16string_view sovr, char16_t* out) const {
  if (paired_) return WritePairs(sovr, out);
  // The other mark styles and the dots: the letters behind the room of their dressing, then
  // the dressing, moved to the start.
  char16_t* const plain = out + DressRoom(longest_plain_);
  const char16_t* const end = WritePlain(sovr, plain);
  if (end == nullptr) return nullptr;
  DressOptions with_value = dress_;
  with_value.value = ParseInt32(sovr);
  const std::u16string_view text =
      WriteDressed({plain, static_cast<std::size_t>(end - plain)}, with_value, out);
  std::char_traits<char16_t>::move(out, text.data(), text.size());
  return out + text.size();
}

template <typename Char>
Char* KirilWriter::WritePairs(std::u16string_view sovr, Char* out) const {
  if (Ends(sovr)) return nullptr;
  const std::size_t n = sovr.size();
  if (n >= 7) return out;  // seven digits and more are not written
  int digit[8] = {};       // by place, 1 for the units; 0 above the number
  for (std::size_t place = 1; place <= n; ++place) {
    const char16_t c = sovr[n - place];
    digit[place] = c >= u'0' && c <= u'9' ? c - u'0' : 0;
  }
  std::size_t mark_before = 0;  // the length of a mark after a letter that ends the text
  for (std::size_t pair = (n + 1) / 2; pair-- > 0;) {
    const int form = pair == 2 && n > 5;
    const Piece& piece = pairs_[pair][form][10 * digit[2 * pair + 2] + digit[2 * pair + 1]];
    // A sign that stands round its letter takes the mark off the letter before it.
    if (piece.opens_with_sign) out -= mark_before;
    out = table_.Put(piece.text, out);
    if (piece.text.size != 0) mark_before = sizeof(Char) == 1 ? piece.mark_bytes : piece.mark_units;
  }
  return out;
}

std::optional<std::u16string> RenderKirilPlain(std::u16string_view sovr, const KeypadView& keys,
                                               bool glagolitic, bool style2) {
  const KirilWriter writer(keys, glagolitic, style2);
  std::u16string text(writer.Room(), u'\0');
  const char16_t* end = writer.WritePlain(sovr, text.data());
  if (end == nullptr) return std::nullopt;
  text.resize(static_cast<std::size_t>(end - text.data()));
  return text;
}

Dressed DecorateKiril(std::u16string_view plain, const DressOptions& options) {
  const DressOptions& o = options;
  const int next = NextMarkWidth(o.mark_width);
  Scratch scratch(DressRoom(plain.size()));
  // The dots between the letters are the same in both texts; the marks over every letter
  // are needed when one of them is in style 1 (the other then is not).
  const DressParts parts(plain, o, o.mark_width == 1 || next == 1, scratch.data());
  Dressed d;
  d.kiril = Finish(parts.Body(o, o.mark_width), o, o.mark_width, parts.finished);
  d.zarno = o.numeral_mark ? std::u16string(Finish(parts.Body(o, next), o, next, parts.finished))
                           : d.kiril;
  return d;
}

SignFormat ThousandsSignFormat(int font_points, bool shipped_font, bool below_line) {
  const int h = 16 * font_points;  // four fifths of the normal height, in twips
  // Halves round to the even neighbour, as the default floating-point rounding does.
  const int offset =
      below_line ? -static_cast<int>(std::nearbyint(h / (shipped_font ? 1.8 : 1.5))) : -20;
  return {0, shipped_font ? std::nullopt : std::optional<int>(h), offset};
}

std::vector<SignFormat> ThousandsSignFormats(std::u16string_view text, char16_t sign,
                                             int font_points, bool shipped_font, bool below_line) {
  std::vector<SignFormat> formats;
  const SignFormat f = ThousandsSignFormat(font_points, shipped_font, below_line);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != sign) continue;
    formats.push_back(f);
    formats.back().position = static_cast<int>(i);
  }
  return formats;
}

std::int64_t ReadKirilValue(std::u16string_view text, const KeypadView& keys, bool myriad_signs) {
  const std::u16string_view sign = keys.Caption(Ctl::Tysyasha);
  auto value_of = [&keys](char16_t c) -> std::int64_t {
    for (Ctl key : kLetterKeys) {
      const std::u16string_view caption = keys.Caption(key);
      if (caption.size() == 1 && caption[0] == c) return ValueOf(key);
    }
    return 0;
  };
  std::int64_t total = 0;
  for (std::size_t p = text.size(); p-- > 0;) {
    std::int64_t a = value_of(text[p]);
    if (a == 0) continue;
    if (myriad_signs && p + 1 < text.size()) {
      if (text[p + 1] == kTenThousandsSign) a *= 10000;
      if (text[p + 1] == kHundredThousandsSign) a *= 100000;
    }
    if (p > 0 && sign.size() == 1 && text[p - 1] == sign[0]) {
      a *= 1000;
      --p;  // the sign is consumed with its letter
    }
    total += a;
  }
  return total;
}

namespace {

// Characters of our font and their standard counterparts.
struct StandardChar {
  char16_t ours;
  char16_t standard;
};
constexpr StandardChar kStandardChars[] = {
    {kTenThousandsSign, u'\u20DD'},      // COMBINING ENCLOSING CIRCLE
    {kHundredThousandsSign, u'\u0488'},  // COMBINING CYRILLIC HUNDRED THOUSANDS SIGN
    {kLowDot, u'.'},                     // a dot on the line, after the thousands sign
    {u'\uE03E', u'\uA643'},              // the old dzelo: CYRILLIC SMALL LETTER DZELO
    {u'\uE038', u'\uA641'},              // the old zemlya: CYRILLIC SMALL LETTER ZEMLYA
    {u'\uE066', u'\u046F'},              // the older ksi: ѯ
    {u'\uE067', u'\u0447'},              // the older cherv: ч
    {u'\uE068', u'\u0446'},              // the older tsy: ц
    {u'\uE069', u'\u2C47'},              // the Cyrillic-shaped Glagolitic 500: ⱇ
};

// Every numeral mark the dressing writes.
constexpr std::u16string_view kMarks = u"\u0483\uE075\uE076\uE077\uE078\uE079\uE060\uE065";

bool IsMark(char16_t c) { return IsOneOf(c, kMarks); }

// What stands after a letter and belongs to it: its numeral mark or a sign drawn round it.
bool BelongsToLetter(char16_t c) { return IsMark(c) || IsOneOf(c, u"\u20DD\u0488"); }

// Whether c is a letter of a standard-form numeral: anything but marks, signs, dots, spaces.
bool IsStandardLetter(char16_t c) { return !BelongsToLetter(c) && !IsOneOf(c, u"\u0482\u2027. "); }

}  // namespace

std::u16string KirilToStandard(std::u16string_view text, int mark_width) {
  // In the styles 2 to 9 the one mark of the number is the last mark of the text.
  const bool one_mark = mark_width >= 2 && mark_width <= 9;
  std::size_t group_mark = text.npos;
  if (one_mark) {
    for (std::size_t i = text.size(); i-- > 0;) {
      if (IsMark(text[i])) {
        group_mark = i;
        break;
      }
    }
  }
  std::u16string out;
  out.reserve(text.size() + 1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (i == group_mark) continue;
    if (IsMark(c)) {
      out += kNumeralMark;
      continue;
    }
    const auto* standard = std::find_if(std::begin(kStandardChars), std::end(kStandardChars),
                                        [c](const StandardChar& s) { return s.ours == c; });
    out += standard != std::end(kStandardChars) ? standard->standard : c;
  }
  if (group_mark == text.npos) return out;
  // One titlo over the number stands over its last but one letter (over the only one).
  std::size_t last = out.npos;
  std::size_t before_last = out.npos;
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (!IsStandardLetter(out[i])) continue;
    before_last = last;
    last = i;
  }
  std::size_t at = before_last != out.npos ? before_last : last;
  if (at == out.npos) return out.insert(out.size(), 1, kNumeralMark);  // the mark alone
  ++at;
  while (at < out.size() && BelongsToLetter(out[at])) ++at;
  out.insert(at, 1, kNumeralMark);
  return out;
}

std::optional<std::int64_t> ReadKirilText(std::u16string_view standard_or_ours, bool glagolitic) {
  auto store = std::make_unique<ControlStates>();
  ApplyCaptions(*store, glagolitic ? GlagolCaptions() : KirilCaptions());
  (*store)[Index(Ctl::Tysyasha)].caption = std::u16string(1, kThousandsSign);
  const KeypadView keys(*store);
  // The standard characters read as ours; dots and marks have no value and are left out, so
  // that neither a dot nor a titlo between the thousands sign and its letter parts them.
  std::u16string text;
  text.reserve(standard_or_ours.size());
  for (char16_t c : standard_or_ours) {
    if (IsOneOf(c, u"\u2027.\uE130") || IsMark(c)) continue;
    // ѯ, ч, ц and ⱇ are keypad letters themselves; the others are read as ours.
    const auto* ours = std::find_if(std::begin(kStandardChars), std::end(kStandardChars),
                                    [c](const StandardChar& s) { return s.standard == c; });
    const bool read_as_ours =
        ours != std::end(kStandardChars) && IsOneOf(c, u"\u20DD\u0488\uA643\uA641");
    text += read_as_ours ? ours->ours : c;
  }
  bool any_letter = false;
  for (char16_t c : text) {
    const bool letter = std::any_of(std::begin(kLetterKeys), std::end(kLetterKeys), [&](Ctl k) {
      return keys.Caption(k) == std::u16string_view(&c, 1);
    });
    any_letter = any_letter || letter;
    if (!letter && !IsOneOf(c,
                            u"\u0482\u0483\uE075\uE076\uE077\uE078\uE079\uE060\uE065"
                            u"\u2027\uE130\uE070\uE085 ")) {
      return std::nullopt;
    }
  }
  if (!any_letter) return std::nullopt;
  return ReadKirilValue(text, keys, /*myriad_signs=*/true);
}

std::optional<std::uint64_t> KirilKeyValue(std::uint32_t value, const KeypadView& keys) {
  if (keys.Checked(Ctl::Tysyasha)) return value * 1000ull;
  if (keys.Checked(Ctl::x10000)) return value * 10000ull;
  if (keys.Checked(Ctl::x100000)) return value * 100000ull;
  return value;
}

}  // namespace zarno
