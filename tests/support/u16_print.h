// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// GoogleTest already prints UTF-16 strings with their code units escaped (u"\x430\x483");
// CodePoints gives the same as "U+0430 U+0483" for messages of our own, so that a failing
// test shows which mark or private-use sign is wrong.
#include <gtest/gtest.h>

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

// ---- Parameterised cases
// A case prints as its input (Sovr's digits, or the code points of a text it reads) and is
// named after its place and its digits, instead of "72-byte object <70-69 ...>" and "/5".
// The test files bring PrintTo into their own namespace (`using testing::PrintTo;`), where
// GoogleTest looks for it.

template <class Case>
std::string InputOf(const Case& c) {
  if constexpr (requires { std::u16string_view(c.sovr); }) {
    std::string digits;
    for (char16_t d : c.sovr) digits += static_cast<char>(d < 0x80 ? d : '?');
    return "Sovr \"" + digits + "\"";
  } else if constexpr (requires { c.text; }) {
    return "text " + CodePoints(c.text);
  } else {
    return "output " + CodePoints(c.kiril);
  }
}

template <class Case>
requires requires(const Case& c) { InputOf(c); }
void PrintTo(const Case& c, std::ostream* os) { *os << InputOf(c); }

struct CaseName {
  template <class Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
    std::string name = std::to_string(info.index);
    if constexpr (requires { std::u16string_view(info.param.sovr); }) {
      if (!info.param.sovr.empty()) name += "_";
      for (char16_t d : info.param.sovr)
        name += (d >= u'0' && d <= u'9') ? static_cast<char>(d) : 'x';
    }
    return name;
  }
};

}  // namespace zarno::testing
