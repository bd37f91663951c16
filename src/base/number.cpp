// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/number.h"

#include <algorithm>
#include <limits>

namespace zarno {

bool IsDigitString(std::u16string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

namespace {

std::optional<std::int64_t> ParseUpTo(std::u16string_view text, std::int64_t max) {
  if (text.empty()) return std::nullopt;
  std::size_t i = 0;
  while (i + 1 < text.size() && text[i] == u'0') ++i;  // leading zeros do not count
  if (text.size() - i > 19) return std::nullopt;       // too long for any limit
  std::uint64_t v = 0;                                 // 19 digits always fit 64 unsigned bits
  for (; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (!IsAsciiDigit(c)) return std::nullopt;
    v = v * 10 + static_cast<unsigned>(c - u'0');
  }
  if (v > static_cast<std::uint64_t>(max)) return std::nullopt;
  return static_cast<std::int64_t>(v);
}

}  // namespace

std::optional<std::int64_t> ParseInt32(std::u16string_view text) {
  return ParseUpTo(text, std::numeric_limits<std::int32_t>::max());
}

std::optional<std::int64_t> ParseInt64(std::u16string_view text) {
  return ParseUpTo(text, std::numeric_limits<std::int64_t>::max());
}

std::u16string ToDecimal(std::int64_t value) {
  std::u16string out;
  // Work on the magnitude as unsigned so that the smallest value has no overflow.
  std::uint64_t m = value < 0 ? 0 - static_cast<std::uint64_t>(value) : value;
  do {
    out.push_back(static_cast<char16_t>(u'0' + m % 10));
    m /= 10;
  } while (m != 0);
  if (value < 0) out.push_back(u'-');
  std::reverse(out.begin(), out.end());
  return out;
}

std::u16string AddDecimal(std::u16string_view a, std::u16string_view b) {
  std::u16string out;
  out.reserve(std::max(a.size(), b.size()) + 1);
  int carry = 0;
  for (std::size_t i = 0; i < a.size() || i < b.size() || carry; ++i) {
    int d = carry;
    if (i < a.size()) d += a[a.size() - 1 - i] - u'0';
    if (i < b.size()) d += b[b.size() - 1 - i] - u'0';
    out.push_back(static_cast<char16_t>(u'0' + d % 10));
    carry = d / 10;
  }
  while (out.size() > 1 && out.back() == u'0') out.pop_back();
  if (out.empty()) out.push_back(u'0');
  std::reverse(out.begin(), out.end());
  return out;
}

std::u16string FromUtf8(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned char lead = s[i];
    const int extra = lead < 0x80                   ? 0
                      : lead >= 0xC2 && lead < 0xE0 ? 1
                      : lead >= 0xE0 && lead < 0xF0 ? 2
                      : lead >= 0xF0 && lead < 0xF5 ? 3
                                                    : -1;
    char32_t cp = 0xFFFD;
    std::size_t len = 1;
    if (extra == 0) {
      cp = lead;
    } else if (extra > 0 && s.size() - i > static_cast<std::size_t>(extra)) {
      char32_t v = lead & (0x3F >> extra);
      bool ok = true;
      for (int k = 1; k <= extra && ok; ++k) {
        const unsigned char cont = s[i + k];
        ok = (cont & 0xC0) == 0x80;
        v = (v << 6) | (cont & 0x3F);
      }
      constexpr char32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
      if (ok && v >= kMin[extra] && v <= 0x10FFFF && !(v >= 0xD800 && v <= 0xDFFF)) {
        cp = v;
        len = extra + 1;
      }
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += len;
  }
  return out;
}

std::string ToUtf8(std::u16string_view s) {
  std::string out;
  AppendUtf8(out, s);
  return out;
}

char* WriteUtf8(std::u16string_view s, char* p) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t cp = s[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
        s[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;  // two code units, four bytes
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;  // a lone surrogate
    }
    if (cp < 0x80) {
      *p++ = static_cast<char>(cp);
    } else if (cp < 0x800) {
      *p++ = static_cast<char>(0xC0 | (cp >> 6));
      *p++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      *p++ = static_cast<char>(0xE0 | (cp >> 12));
      *p++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      *p++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      *p++ = static_cast<char>(0xF0 | (cp >> 18));
      *p++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      *p++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      *p++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return p;
}

void AppendUtf8(std::string& out, std::u16string_view s) {
  const std::size_t start = out.size();
  out.resize(start + kUtf8PerUnit * s.size());
  out.resize(static_cast<std::size_t>(WriteUtf8(s, out.data() + start) - out.data()));
}

}  // namespace zarno
