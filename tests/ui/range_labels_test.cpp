// SPDX-License-Identifier: GPL-3.0-or-later
// The grey range under each system's radio button states the system's limit: the label's text
// is the window's own (spacing and grouping differ from system to system), the limit is the
// one the model enforces, and the two must not drift apart.
#include <gtest/gtest.h>

#include <string>

#include "base/number.h"
#include "core/numeral_systems.h"
#include "ui/design_layout.h"

namespace zarno::ui::testing {
namespace {

// The digits of a part of "( 1 - 9 999 )" or "(1-4294967295)", blanks and brackets dropped.
std::string DigitsOf(std::u16string_view text) {
  std::string digits;
  for (char16_t c : text) {
    if (IsAsciiDigit(c)) digits += static_cast<char>(c);
  }
  return digits;
}

TEST(RangeLabels, EverySystemShowsTheLimitItKeeps) {
  for (const NumeralSystemRow& row : NumeralSystems()) {
    const std::string name = "Range" + std::string(Name(row.radio));
    const Decor* label = nullptr;
    for (const Decor& d : DecorItems()) {
      if (d.name == name) label = &d;
    }
    ASSERT_NE(label, nullptr) << name;
    const std::size_t dash = label->text.find(u'-');
    ASSERT_NE(dash, label->text.npos) << name;
    EXPECT_EQ(DigitsOf(label->text.substr(0, dash)), "1") << name;
    EXPECT_EQ(DigitsOf(label->text.substr(dash + 1)), ToUtf8(ToDecimal(row.limit))) << name;
  }
}

}  // namespace
}  // namespace zarno::ui::testing
