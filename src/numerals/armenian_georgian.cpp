// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerals/armenian_georgian.h"

#include <algorithm>
#include <limits>

#include "base/controls.h"
#include "base/number.h"
#include "numerals/captions.h"

namespace zarno {
namespace {

// The value of the i-th letter of a numeral alphabet in value order: 1..9, 10..90, ...
std::int64_t ValueOfIndex(int i) {
  std::int64_t v = i % 9 + 1;
  for (int k = i / 9; k > 0; --k) v *= 10;
  return v;
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u00A0'; }

bool IsOverline(char16_t c) { return c == u'\u0305' || c == u'\u0304' || c == u'\u033F'; }

// Sums the letter values that `value_of` gives (0 for a mark to skip, -1 for a character
// that has no place in a numeral).
template <typename ValueOf>
std::optional<std::int64_t> SumLetters(std::u16string_view text, ValueOf value_of) {
  std::int64_t sum = 0;
  bool any = false;
  for (char16_t c : text) {
    const std::int64_t v = value_of(c);
    if (v < 0) return std::nullopt;
    if (v == 0) continue;
    if (sum > std::numeric_limits<std::int64_t>::max() - v) return std::nullopt;
    sum += v;
    any = true;
  }
  if (!any) return std::nullopt;
  return sum;
}

// Mkhedruli letters in value order, as the keypad carries them; the last is 10000.
constexpr char16_t kGeorgian[37] = {
    u'\u10D0', u'\u10D1', u'\u10D2', u'\u10D3', u'\u10D4', u'\u10D5', u'\u10D6', u'\u10F1',
    u'\u10D7', u'\u10D8', u'\u10D9', u'\u10DA', u'\u10DB', u'\u10DC', u'\u10F2', u'\u10DD',
    u'\u10DE', u'\u10DF', u'\u10E0', u'\u10E1', u'\u10E2', u'\u10F3', u'\u10E4', u'\u10E5',
    u'\u10E6', u'\u10E7', u'\u10E8', u'\u10E9', u'\u10EA', u'\u10EB', u'\u10EC', u'\u10ED',
    u'\u10EE', u'\u10F4', u'\u10EF', u'\u10F0', u'\u10F5',
};

// The Mkhedruli letter of a Georgian letter of any of the four scripts.
char16_t ToMkhedruli(char16_t c) {
  if (c >= u'\u10A0' && c <= u'\u10C5') return c + 0x30;             // Asomtavruli
  if (c >= u'\u2D00' && c <= u'\u2D25') return c - 0x2D00 + 0x10D0;  // Nuskhuri
  if (c >= u'\u1C90' && c <= u'\u1CB5') return c - 0x1C90 + 0x10D0;  // Mtavruli
  return c;
}

}  // namespace

LetterWriter::LetterWriter(const KeypadView& view, std::size_t places) : places_(places) {
  for (std::size_t place = 1; place <= places; ++place) {
    std::size_t longest = 0;
    letters_[place - 1][0] = table_.Add(u"");
    for (int d = 1; d <= 9; ++d) {
      std::u16string_view letter;
      if (place < 5) {
        letter = view.Caption(kLetterKeysByPlace[place - 1][d - 1]);
      } else if (d == 1) {
        letter = view.Caption(Ctl::Rim_10000_1);  // the fifth place holds only 10000
      }
      letters_[place - 1][d] = table_.Add(letter);
      longest = std::max(longest, letter.size());
    }
    room_ += longest;
  }
}

template <typename Char>
Char* LetterWriter::Walk(std::u16string_view sovr, Char* out) const {
  const std::size_t n = sovr.size();
  if (n > places_) return out;
  // A fifth digit above 1 gives the empty text.
  if (n == 5 && sovr[0] > u'1' && sovr[0] <= u'9') return out;
  for (std::size_t k = 0; k < n; ++k) {
    const int d = IsAsciiDigit(sovr[k]) ? sovr[k] - u'0' : 0;
    out = table_.Put(letters_[n - k - 1][d], out);
  }
  return out;
}

char16_t* LetterWriter::Write(std::u16string_view sovr, char16_t* out) const {
  return Walk(sovr, out);
}
char* LetterWriter::Write(std::u16string_view sovr, char* out) const { return Walk(sovr, out); }

namespace {

std::u16string Render(const LetterWriter& writer, std::u16string_view sovr) {
  std::u16string text(writer.Room(), u'\0');
  text.resize(static_cast<std::size_t>(writer.Write(sovr, text.data()) - text.data()));
  return text;
}

}  // namespace

std::u16string RenderArmen(std::u16string_view sovr, const KeypadView& view) {
  return Render(LetterWriter(view, LetterWriter::kArmenianPlaces), sovr);
}

std::u16string RenderGruz(std::u16string_view sovr, const KeypadView& view) {
  return Render(LetterWriter(view, LetterWriter::kGeorgianPlaces), sovr);
}

std::optional<std::int64_t> ReadArmen(std::u16string_view text) {
  return SumLetters(text, [](char16_t c) -> std::int64_t {
    if (c >= u'\u0531' && c <= u'\u0554') return ValueOfIndex(c - 0x0531);
    if (c >= u'\u0561' && c <= u'\u0584') return ValueOfIndex(c - 0x0561);
    if (IsBlank(c) || IsOverline(c) || c == u'\u055F') return 0;
    return -1;
  });
}

std::optional<std::int64_t> ReadGruz(std::u16string_view text) {
  return SumLetters(text, [](char16_t c) -> std::int64_t {
    const char16_t m = ToMkhedruli(c);
    for (int i = 0; i < 37; ++i) {
      if (kGeorgian[i] == m) return ValueOfIndex(i);
    }
    if (m == u'\u10E3') return 400;  // უ, which many tables give for 400 instead of ჳ
    if (IsBlank(c) || IsOverline(c) || c == u'\u0483') return 0;
    return -1;
  });
}

}  // namespace zarno
