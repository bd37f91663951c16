#pragma once

// UTF-16 text as code points ("U+0416 a"), for failure messages. GoogleTest prints whole
// u16strings itself; this is for the views and single values it does not print.
#include <cstdio>
#include <string>
#include <string_view>

namespace zarno::testing {

inline std::string Show(std::u16string_view s) {
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
