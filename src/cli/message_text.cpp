// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/message_text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <istream>
#include <ostream>

namespace zarno::cli {
namespace {

// The length of the valid UTF-8 sequence at the start of `s` and its code point; 0 when the
// first byte does not start one.
std::size_t Sequence(std::string_view s, char32_t* code_point) {
  const auto lead = static_cast<unsigned char>(s[0]);
  if (lead < 0x80) {
    *code_point = lead;
    return 1;
  }
  const std::size_t length = lead >= 0xC2 && lead < 0xE0   ? 2
                             : lead >= 0xE0 && lead < 0xF0 ? 3
                             : lead >= 0xF0 && lead < 0xF5 ? 4
                                                           : 0;
  if (length == 0 || s.size() < length) return 0;
  char32_t v = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto c = static_cast<unsigned char>(s[k]);
    if ((c & 0xC0) != 0x80) return 0;
    v = (v << 6) | (c & 0x3F);
  }
  constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (v < kSmallest[length] || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return 0;
  *code_point = v;
  return length;
}

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

void AppendByte(std::string& out, char byte) {
  char hex[5];
  std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(byte));
  out += hex;
}

}  // namespace

std::string Printable(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  while (!bytes.empty()) {
    char32_t c = 0;
    std::size_t length = Sequence(bytes, &c);
    if (length == 0) {
      AppendByte(out, bytes[0]);
      length = 1;
    } else if (IsControl(c)) {
      for (std::size_t k = 0; k < length; ++k) AppendByte(out, bytes[k]);
    } else if (c == U'\\') {
      out += "\\\\";
    } else {
      out.append(bytes.substr(0, length));
    }
    bytes.remove_prefix(length);
  }
  return out;
}

bool InputFailed(std::istream& in, std::string_view command, std::ostream& err) {
  if (!in.bad()) return false;
  const int error = errno;
  err << "zarno-cli " << command << ": cannot read the input";
  if (error != 0) err << ": " << std::strerror(error);
  err << "\n";
  return true;
}

}  // namespace zarno::cli
