#pragma once

// GoogleTest already prints UTF-16 strings with their code units escaped (u"\x430\x483");
// CodePoints gives the same as "U+0430 U+0483" for messages of our own, so that a failing
// test shows which mark or private-use sign is wrong.
#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>

namespace zarno::testing {

inline std::string CodePoints(std::u16string_view s) {
  std::string out;
  char buf[16];
  for (char16_t c : s) {
    if (c > 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
      out += buf;
    }
    out += ' ';
  }
  if (!out.empty()) out.pop_back();
  return "[" + out + "]";
}

}  // namespace zarno::testing
