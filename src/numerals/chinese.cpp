// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerals/chinese.h"

#include <algorithm>
#include <array>

#include "base/controls.h"
#include "base/number.h"

namespace zarno {
namespace {

// Keys of the signs in the order in which a character is compared with their captions; the
// first match gives the value, so an ordinary sign wins over a formal one that looks alike.
constexpr std::array kSignOrder = {
    Ctl::Kiril1_0_1,  Ctl::Kiril1_0_2,     Ctl::Kiril1_1,        Ctl::Kiril1_1_2,  Ctl::Kiril1_2,
    Ctl::Kiril1_2_2,  Ctl::Kiril1_3,       Ctl::Kiril1_3_2,      Ctl::Kiril1_4,    Ctl::Kiril1_4_2,
    Ctl::Kiril1_5,    Ctl::Kiril1_5_e2,    Ctl::Kiril1_6,        Ctl::Kiril1_6_s2, Ctl::Kiril1_6_3,
    Ctl::Kiril1_7,    Ctl::Kiril1_7_z2,    Ctl::Kiril1_8,        Ctl::Kiril1_8_2,  Ctl::Kiril1_9,
    Ctl::Kiril1_9_2,  Ctl::Kiril1_10,      Ctl::Kiril1_10_2,     Ctl::Kiril1_20,   Ctl::Kiril1_30,
    Ctl::Kiril1_100,  Ctl::Kiril1_100_Rim, Ctl::Glagolitsa_1000, Ctl::Rim_1000_1,  Ctl::Rim_10000_1,
    Ctl::Rim_10000_2,
};

// One row of the selector table: the box that picks the ordinary sign, and the key of the
// ordinary and of the formal sign.
struct Selector {
  Ctl box;
  Ctl ordinary;
  Ctl formal;
};

constexpr Selector kDigitSelectors[10] = {
    {Ctl::Check_Kiril1_0, Ctl::Kiril1_0_1, Ctl::Kiril1_0_2},
    {Ctl::Check_Kiril1_1, Ctl::Kiril1_1, Ctl::Kiril1_1_2},
    {Ctl::Check_Kiril1_2, Ctl::Kiril1_2, Ctl::Kiril1_2_2},
    {Ctl::Check_Kiril1_3, Ctl::Kiril1_3, Ctl::Kiril1_3_2},
    {Ctl::Check_Kiril1_4, Ctl::Kiril1_4, Ctl::Kiril1_4_2},
    {Ctl::Check_Kiril1_5, Ctl::Kiril1_5, Ctl::Kiril1_5_e2},
    {Ctl::Check_Kiril1_6, Ctl::Kiril1_6, Ctl::Kiril1_6_s2},  // the formal six: see below
    {Ctl::Check_Kiril1_7, Ctl::Kiril1_7, Ctl::Kiril1_7_z2},
    {Ctl::Check_Kiril1_8, Ctl::Kiril1_8, Ctl::Kiril1_8_2},
    {Ctl::Check_Kiril1_9, Ctl::Kiril1_9, Ctl::Kiril1_9_2},
};

// Rank signs of the places 2 to 5 (tens, hundreds, thousands, ten thousands).
constexpr Selector kRankSelectors[4] = {
    {Ctl::Check_Kiril1_10, Ctl::Kiril1_10, Ctl::Kiril1_10_2},
    {Ctl::Check_Kiril1_100, Ctl::Kiril1_100, Ctl::Kiril1_100_Rim},
    {Ctl::Check_Glag_1000, Ctl::Glagolitsa_1000, Ctl::Rim_1000_1},
    {Ctl::Check_Rim_10000_1, Ctl::Rim_10000_1, Ctl::Rim_10000_2},
};

char16_t Pick(const Selector& s, const KeypadView& view) {
  return view.Glyph(view.Checked(s.box) ? s.ordinary : s.formal);
}

int DigitAt(char16_t c) { return IsAsciiDigit(c) ? c - u'0' : 0; }

// GetKitayDigit for d from 0 to 9.
char16_t DigitSign(int d, const KeypadView& view) {
  // The formal six has a traditional and a simplified form, chosen by a box of its own.
  if (d == 6 && !view.Checked(Ctl::Check_Kiril1_6) && view.Checked(Ctl::Check_Kiril1_6_3)) {
    return view.Glyph(Ctl::Kiril1_6_3);
  }
  return Pick(kDigitSelectors[d], view);
}

}  // namespace

char16_t GetKitayDigit(int d, const KeypadView& view) {
  if (d < 0 || d > 9) return u'\0';
  return DigitSign(d, view);
}

KitayWriter::KitayWriter(const KeypadView& view) {
  const char16_t zero = DigitSign(0, view);
  zero_ = table_.Add(std::u16string_view(&zero, 1));
  std::size_t room = 2;  // the zeros of the sixth place and of the first character
  for (int place = 1; place <= kPlaces; ++place) {
    std::size_t longest = 1;  // a zero
    signs_[place - 1][0] = table_.Add(u"");
    for (int d = 1; d <= 9; ++d) {
      std::u16string text(1, DigitSign(d, view));
      if (place == 2 && ((d == 2 && view.Checked(Ctl::Check_Kiril1_20)) ||
                         (d == 3 && view.Checked(Ctl::Check_Kiril1_30)))) {
        // The single sign for 20 or 30. Its caption goes in back to front, as it always has:
        // the numeral used to be collected reversed, this caption included.
        const std::u16string_view caption = view.Caption(d == 2 ? Ctl::Kiril1_20 : Ctl::Kiril1_30);
        text.assign(caption.rbegin(), caption.rend());
      } else if (place >= 2) {
        text += Pick(kRankSelectors[place - 2], view);
      }
      signs_[place - 1][d] = table_.Add(text);
      longest = std::max(longest, text.size());
    }
    room += longest;
  }
  room_ = room;
}

template <typename Char>
Char* KitayWriter::Walk(std::u16string_view sovr, Char* out) const {
  const std::size_t n = sovr.size();
  auto digit = [&](std::size_t place) { return DigitAt(sovr[n - place]); };
  // A non-zero digit above the fifth place gives the empty text.
  for (std::size_t place = kPlaces + 1; place <= n; ++place) {
    if (digit(place) != 0) return nullptr;
  }
  for (std::size_t place = n; place >= 1; --place) {
    const int d = digit(place);
    if (d != 0) {
      out = table_.Put(signs_[place - 1][d], out);
    } else if (place == n || (place > 1 && digit(place - 1) != 0)) {
      // One zero sign for a run of zeros below a non-zero digit, and one for the first
      // character.
      out = table_.Put(zero_, out);
    }
  }
  return out;
}

char16_t* KitayWriter::Write(std::u16string_view sovr, char16_t* out) const {
  return Walk(sovr, out);
}
char* KitayWriter::Write(std::u16string_view sovr, char* out) const { return Walk(sovr, out); }

std::u16string RenderKitay(std::u16string_view sovr, const KeypadView& view) {
  const KitayWriter writer(view);
  std::u16string text(writer.Room(), u'\0');
  const char16_t* const end = writer.Write(sovr, text.data());
  text.resize(end ? static_cast<std::size_t>(end - text.data()) : 0);
  return text;
}

std::int64_t GetKitaySignValue(std::u16string_view text, std::size_t i, const KeypadView& view) {
  if (i < 1 || i > text.size()) return 0;
  const std::u16string_view c = text.substr(i - 1, 1);
  for (Ctl key : kSignOrder) {
    if (view.Caption(key) == c) return ValueOf(key);
  }
  return 0;
}

std::int64_t ReadKitayValue(std::u16string_view text, const KeypadView& view) {
  std::int64_t sum = 0;
  std::size_t i = 1;
  const std::size_t n = text.size();
  while (i <= n && sum < kKitayReadCap) {
    const std::int64_t v = GetKitaySignValue(text, i, view);
    std::int64_t term = 0;
    if (i == n || v == 20 || v == 30) {
      term = v;
      i += 1;
    } else if (v == 0) {
      i += 1;
    } else {
      term = v * GetKitaySignValue(text, i + 1, view);  // at most 10000 * 10000
      i += 2;
    }
    sum = term > kKitayReadCap - sum ? kKitayReadCap : sum + term;
  }
  return sum;
}

// Reading pasted text --------------------------------------------------------------------

namespace {

enum class SignKind { kDigit, kRank, kTens };

struct Sign {
  SignKind kind;
  int value;  // the digit; the rank 10, 100, 1000 or 10000; the tens sign 20, 30 or 40
};

std::optional<Sign> ClassifyChinese(char16_t c) {
  switch (c) {
    case u'\u25EF':  // ◯, the program's own zero
    case u'\u20DD':  // the enclosing circle drawn as zero with Arial Unicode MS
    case u'\u3007':  // 〇
    case u'\u96F6':  // 零
      return Sign{SignKind::kDigit, 0};
    case u'\u4E00':  // 一
    case u'\u58F9':  // 壹
    case u'\u5F0C':  // 弌
      return Sign{SignKind::kDigit, 1};
    case u'\u4E8C':  // 二
    case u'\u8CB3':  // 貳
    case u'\u8D30':  // 贰
    case u'\u5F0D':  // 弍
    case u'\u4E24':  // 两
    case u'\u5169':  // 兩
      return Sign{SignKind::kDigit, 2};
    case u'\u4E09':  // 三
    case u'\u53C2':  // 参
    case u'\u53C3':  // 參
    case u'\u53C1':  // 叁
    case u'\u5F0E':  // 弎
      return Sign{SignKind::kDigit, 3};
    case u'\u56DB':  // 四
    case u'\u8086':  // 肆
      return Sign{SignKind::kDigit, 4};
    case u'\u4E94':  // 五
    case u'\u4F0D':  // 伍
      return Sign{SignKind::kDigit, 5};
    case u'\u516D':  // 六
    case u'\u9678':  // 陸
    case u'\u9646':  // 陆
      return Sign{SignKind::kDigit, 6};
    case u'\u4E03':  // 七
    case u'\u67D2':  // 柒
      return Sign{SignKind::kDigit, 7};
    case u'\u516B':  // 八
    case u'\u634C':  // 捌
      return Sign{SignKind::kDigit, 8};
    case u'\u4E5D':  // 九
    case u'\u7396':  // 玖
      return Sign{SignKind::kDigit, 9};
    case u'\u5341':  // 十
    case u'\u62FE':  // 拾
      return Sign{SignKind::kRank, 10};
    case u'\u767E':  // 百
    case u'\u4F70':  // 佰
      return Sign{SignKind::kRank, 100};
    case u'\u5343':  // 千
    case u'\u4EDF':  // 仟
      return Sign{SignKind::kRank, 1000};
    case u'\u842C':  // 萬
    case u'\u4E07':  // 万
      return Sign{SignKind::kRank, 10000};
    case u'\u5EFF':  // 廿
      return Sign{SignKind::kTens, 20};
    case u'\u5345':  // 卅
      return Sign{SignKind::kTens, 30};
    case u'\u534C':  // 卌
      return Sign{SignKind::kTens, 40};
    default:
      return std::nullopt;
  }
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u3000'; }

}  // namespace

std::optional<std::int64_t> ReadKitayText(std::u16string_view text) {
  std::size_t count = 0;
  bool has_rank = false;
  // First pass: every character must be a sign; note whether any rank or tens sign occurs.
  for (char16_t c : text) {
    if (IsBlank(c)) continue;
    const std::optional<Sign> s = ClassifyChinese(c);
    if (!s) return std::nullopt;
    has_rank = has_rank || s->kind != SignKind::kDigit;
    ++count;
  }
  if (count == 0) return std::nullopt;

  if (!has_rank) {
    // Digits only: read them place by place, as in 二〇二四.
    if (count > 18) return std::nullopt;
    std::int64_t v = 0;
    for (char16_t c : text) {
      if (!IsBlank(c)) v = v * 10 + ClassifyChinese(c)->value;
    }
    return v;
  }

  // Quantity and rank pairs. A section is the part below ten thousand; the ranks inside it
  // must fall from left to right, and 萬 closes the upper section once.
  std::int64_t total = 0;
  std::int64_t section = 0;
  int last_rank = 10000;  // the rank that the next one must stay below
  bool section_used = false;
  bool myriad_seen = false;
  int pending = 0;  // a non-zero quantity waiting for its rank, or 0
  for (char16_t c : text) {
    if (IsBlank(c)) continue;
    const Sign s = *ClassifyChinese(c);
    if (s.kind == SignKind::kDigit) {
      if (pending) return std::nullopt;  // two quantities in a row, or a zero inside a pair
      pending = s.value;
      section_used = true;
      continue;
    }
    if (s.kind == SignKind::kTens) {
      if (pending || last_rank <= 10) return std::nullopt;
      section += s.value;
      last_rank = 10;
      section_used = true;
      continue;
    }
    if (s.value == 10000) {
      if (myriad_seen) return std::nullopt;
      std::int64_t q = section + pending;
      if (q == 0) {
        if (section_used) return std::nullopt;  // nothing but zeros before 萬
        q = 1;
      }
      total = q * 10000;
      section = 0;
      pending = 0;
      last_rank = 10000;
      section_used = false;
      myriad_seen = true;
      continue;
    }
    if (s.value >= last_rank) return std::nullopt;
    section += std::int64_t{pending != 0 ? pending : 1} * s.value;  // 十五 is 15
    pending = 0;
    last_rank = s.value;
    section_used = true;
  }
  return total + section + pending;
}

std::u16string KitayToStandard(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out) {
    if (c == u'\u25EF' || c == u'\u20DD') c = u'\u3007';
  }
  return out;
}

}  // namespace zarno
