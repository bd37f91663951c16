#pragma once

// GoogleTest prints UTF-16 strings as code points ("U+0430 U+0483"), so that a failing test
// shows which mark or private-use sign is wrong.
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

namespace std {
inline void PrintTo(const u16string& s, ostream* os) { *os << zarno::testing::CodePoints(s); }
}  // namespace std
