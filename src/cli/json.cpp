// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json.h"

#include <cstdio>
#include <ostream>

#include "base/number.h"
#include "cli/conversion.h"

namespace zarno::cli {

std::string JsonString(std::u16string_view text) {
  std::string out = "\"";
  for (char c : ToUtf8(text)) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", u);
      out += buf;
    } else {
      out += c;
    }
  }
  out += '"';
  return out;
}

namespace {

std::string JsonLatin(std::string_view ascii) { return JsonString(FromUtf8(ascii)); }

// "U+XXXX" for each code point of `text`, a surrogate pair as one.
std::string CodePoints(std::u16string_view text) {
  std::string out = "[";
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, "\"U+%04X\"", static_cast<unsigned>(c));
    if (out.size() > 1) out += ", ";
    out += buf;
  }
  return out + "]";
}

}  // namespace

void WriteNumeralRecord(const NumeralRecord& r, std::ostream& out) {
  out << "{\"input\": " << JsonString(FromUtf8(r.input))
      << ", \"number\": " << (r.number ? std::string(*r.number) : "null")
      << ", \"system\": " << JsonLatin(r.system)
      << ", \"digits\": " << (r.digits ? JsonLatin(*r.digits) : "null")
      << ", \"text\": " << JsonString(r.text) << ", \"standard\": " << JsonString(r.standard)
      << ", \"code_points\": " << CodePoints(r.text)
      << ", \"error\": " << (r.error ? JsonString(FromUtf8(*r.error)) : "null") << "}\n";
}

}  // namespace zarno::cli
