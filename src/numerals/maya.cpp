// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerals/maya.h"

#include <algorithm>

#include "base/controls.h"
#include "base/number.h"

namespace zarno {
namespace {

constexpr char16_t kFirstDigit = u'\uE140';
constexpr char16_t kLastDigit = u'\uE153';
// U+1D2E0, the first of the Mayan Numerals, as a surrogate pair.
constexpr char16_t kStandardHigh = u'\xD834';
constexpr char16_t kStandardFirstLow = u'\xDEE0';

// The keys that carry the digits 0 to 19.
constexpr Ctl kDigitKeys[20] = {
    Ctl::Kiril1_0_1, Ctl::Kiril1_1,  Ctl::Kiril1_2,  Ctl::Kiril1_3,  Ctl::Kiril1_4,
    Ctl::Kiril1_5,   Ctl::Kiril1_6,  Ctl::Kiril1_7,  Ctl::Kiril1_8,  Ctl::Kiril1_9,
    Ctl::Kiril1_10,  Ctl::Kiril1_11, Ctl::Kiril1_12, Ctl::Kiril1_13, Ctl::Kiril1_14,
    Ctl::Kiril1_15,  Ctl::Kiril1_16, Ctl::Kiril1_17, Ctl::Kiril1_18, Ctl::Kiril1_19,
};

// Weights of the places 1 to 8; the ninth and higher reuse the last.
constexpr std::int64_t kWeights[8] = {1, 20, 360, 7200, 144000, 2880000, 57600000, 1152000000};

constexpr std::int64_t kTooLarge = std::int64_t{1} << 32;

}  // namespace

MayaWriter::MayaWriter(const KeypadView& view) {
  std::size_t longest = 0;
  for (int d = 0; d < 20; ++d) {
    digits_[d] = table_.Add(view.Caption(kDigitKeys[d]));
    longest = std::max<std::size_t>(longest, digits_[d].size);
  }
  room_ = kPlaces * longest;
}

template <typename Char>
Char* MayaWriter::Walk(std::u16string_view sovr, Char* out) const {
  const std::optional<std::int64_t> parsed = ParseInt64(sovr);
  if (!parsed || *parsed >= kTooLarge) return out;
  // The digits from the units up: twenty units, eighteen of the second place, then twenties;
  // the eighth place takes all that is left. Below 2^32 the value fits 32 unsigned bits.
  std::uint32_t v = static_cast<std::uint32_t>(*parsed);
  int digits[kPlaces];
  digits[0] = static_cast<int>(v % 20);
  v /= 20;
  digits[1] = static_cast<int>(v % 18);
  v /= 18;
  for (int k = 2; k < kPlaces - 1; ++k) {
    digits[k] = static_cast<int>(v % 20);
    v /= 20;
  }
  digits[kPlaces - 1] = static_cast<int>(v);
  int places = kPlaces;
  while (places > 1 && digits[places - 1] == 0) --places;
  for (int k = places; k-- > 0;) out = table_.Put(digits_[digits[k]], out);
  return out;
}

char16_t* MayaWriter::Write(std::u16string_view sovr, char16_t* out) const {
  return Walk(sovr, out);
}
char* MayaWriter::Write(std::u16string_view sovr, char* out) const { return Walk(sovr, out); }

std::u16string RenderMaya(std::u16string_view sovr, const KeypadView& view) {
  const MayaWriter writer(view);
  std::u16string text(writer.Room(), u'\0');
  text.resize(static_cast<std::size_t>(writer.Write(sovr, text.data()) - text.data()));
  return text;
}

std::optional<std::u16string> ReadMaya(std::u16string_view kiril) {
  if (kiril.empty()) return std::nullopt;
  std::u16string sum = u"0";
  for (std::size_t place = 1; place <= kiril.size(); ++place) {
    const char16_t c = kiril[kiril.size() - place];
    if (c < kFirstDigit || c > kLastDigit) continue;  // no digit: 0 at this place
    const std::int64_t weight = kWeights[place < 8 ? place - 1 : 7];
    sum = AddDecimal(sum, ToDecimal((c - kFirstDigit) * weight));
  }
  return sum;
}

std::optional<std::int64_t> ReadMayaText(std::u16string_view text) {
  // Bring the text to the private-use digits, then read it as the keypad does.
  std::u16string column;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u' ' || c == u'\t' || c == u'\u00A0') continue;
    if (c >= kFirstDigit && c <= kLastDigit) {
      column.push_back(c);
    } else if (c == kStandardHigh && i + 1 < text.size() && text[i + 1] >= kStandardFirstLow &&
               text[i + 1] < kStandardFirstLow + 20) {
      column.push_back(static_cast<char16_t>(kFirstDigit + (text[i + 1] - kStandardFirstLow)));
      ++i;
    } else {
      return std::nullopt;
    }
  }
  const std::optional<std::u16string> value = ReadMaya(column);
  if (!value) return std::nullopt;
  return ParseInt64(*value);
}

std::u16string MayaToStandard(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size() * 2);
  for (char16_t c : text) {
    if (c >= kFirstDigit && c <= kLastDigit) {
      out.push_back(kStandardHigh);
      out.push_back(static_cast<char16_t>(kStandardFirstLow + (c - kFirstDigit)));
    } else {
      out.push_back(c);
    }
  }
  return out;
}

}  // namespace zarno
