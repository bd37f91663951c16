#include "cli/json.h"

#include <cstdio>

#include "base/number.h"

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

}  // namespace zarno::cli
