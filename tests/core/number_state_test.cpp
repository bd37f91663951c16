// SPDX-License-Identifier: GPL-3.0-or-later
// The number in Sovr and the recomputation pass: filtering, limits, the skip flag, clearing.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "base/number.h"
#include "fake_host.h"

namespace zarno::testing {
namespace {

TEST(SovrText, TrailingLetterIsDroppedAndTheRestRendered) {
  Window w;
  w.Type(u"12");
  w.Type(u"12x");
  EXPECT_EQ(w.model.Sovr(), u"12");
  EXPECT_EQ(w.model.PlainKiril(), u"\u0432\u0456");
}

TEST(SovrText, PasteKeepsItsDigitsOnly) {
  Window w;
  w.Type(u"1 2-3a4\u0663");  // an Arabic-Indic digit is not an ASCII digit
  EXPECT_EQ(w.model.Sovr(), u"1234");
  EXPECT_EQ(w.model.Text(Ctl::Arab1), u"\u0661\u0662\u0663\u0664");
  w.Type(u"abc");
  EXPECT_EQ(w.model.Sovr(), u"");
  EXPECT_EQ(w.model.Kiril(), u"");
  EXPECT_EQ(w.model.Text(Ctl::Zarno), u"\u0483");
}

TEST(SovrText, ALongRunOfLettersIsDroppedWithoutDeepNesting) {
  Window w;
  w.Type(u"7" + std::u16string(200000, u'x'));
  EXPECT_EQ(w.model.Sovr(), u"7");
}

struct LimitCase {
  Ctl radio;
  std::u16string_view at_limit;
  std::u16string_view above;
};

void PrintTo(const LimitCase& c, std::ostream* os) { *os << Name(c.radio); }

class Limits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(Limits, TheLimitIsRenderedAndOneMoreIsEmpty) {
  const LimitCase& c = GetParam();
  Window w;
  w.Click(c.radio);
  w.Type(c.at_limit);
  EXPECT_FALSE(w.model.Kiril().empty());
  w.Type(c.above);
  EXPECT_EQ(w.model.Kiril(), u"");
  // Numbers too large for any conversion count as above the limit too.
  w.Type(u"99999999999999999999999999");
  EXPECT_EQ(w.model.Kiril(), u"");
  EXPECT_TRUE(w.host.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(AllSystems, Limits,
                         ::testing::Values(LimitCase{Ctl::KirilRadio, u"999999", u"1000000"},
                                           LimitCase{Ctl::GlagolRadio, u"2999", u"3000"},
                                           LimitCase{Ctl::RimRadio, u"399999", u"400000"},
                                           LimitCase{Ctl::Kitay, u"99999", u"100000"},
                                           LimitCase{Ctl::Armen, u"9999", u"10000"},
                                           LimitCase{Ctl::Gruz, u"19999", u"20000"},
                                           LimitCase{Ctl::GrekIonich, u"99999999", u"100000000"},
                                           LimitCase{Ctl::GrekAttich, u"249999", u"250000"},
                                           LimitCase{Ctl::Maya, u"4294967295", u"4294967296"},
                                           LimitCase{Ctl::Iudeyskie, u"9999", u"10000"}),
                         [](const auto& param_info) {
                           return std::string(Name(param_info.param.radio));
                         });

TEST(Limits, SlavonicSystemsAlsoEmptyTheZarnoCaption) {
  Window w;
  w.Type(u"1000000");
  EXPECT_EQ(w.model.Text(Ctl::Zarno), u"");
  w.Type(u"25");
  const std::u16string caption = w.model.Text(Ctl::Zarno);
  w.Click(Ctl::RimRadio);
  w.Type(u"400000");
  EXPECT_EQ(w.model.Kiril(), u"");
  EXPECT_EQ(w.model.Text(Ctl::Zarno), caption) << "Roman leaves the caption alone";
}

TEST(Limits, EveryPathOfTheSlavonicKeypadKeepsAboveLimitEmpty) {
  Window w;
  w.Type(u"12000");
  w.Click(Ctl::GlagolRadio);
  EXPECT_EQ(w.model.Kiril(), u"");
  // Options, styles and variant boxes redraw but must not show a number above the limit.
  for (Ctl c : {Ctl::IspTochka, Ctl::IspZarno, Ctl::Check_Glag_500_KirilF, Ctl::Glagolitsa_2000,
                Ctl::Kiril1_9, Ctl::Glag_500_F}) {
    w.Click(c);
    EXPECT_EQ(w.model.Kiril(), u"") << Name(c);
    EXPECT_EQ(w.model.Text(Ctl::Zarno), u"") << Name(c);
  }
  w.Click(Ctl::KirilRadio);
  w.Type(u"999999");
  w.Click(Ctl::Kiril1_1);
  EXPECT_EQ(w.model.Sovr(), u"1000000");
  EXPECT_EQ(w.model.Kiril(), u"");
  w.Click(Ctl::Kiril_Old_Tys_Radio2);
  w.Click(Ctl::Check_Kiril1_5_e2);
  EXPECT_EQ(w.model.Kiril(), u"");
  EXPECT_EQ(w.model.Text(Ctl::Zarno), u"");
}

TEST(SkipFlag, ARomanKeyThatLeavesTheNumberUnchangedClearsTheFlag) {
  Window w;
  w.Click(Ctl::RimRadio);
  w.Click(Ctl::Kiril1_10);
  w.Click(Ctl::Kiril1_5);
  w.Click(Ctl::Kiril1_10);  // ⅩⅤⅩ still reads 15
  EXPECT_EQ(w.model.Sovr(), u"15");
  EXPECT_FALSE(w.model.SkipSovrChange());
  w.Type(u"152");
  EXPECT_EQ(w.model.Kiril(), u"\u216D\u216C\u2160\u2160");
}

TEST(SkipFlag, TheKeyedTextStaysWhileTheFlagSwallowsTheWrite) {
  Window w;
  w.Click(Ctl::RimRadio);
  for (int i = 0; i < 4; ++i) w.Click(Ctl::Kiril1_1);
  EXPECT_EQ(w.model.Sovr(), u"4");
  EXPECT_EQ(w.model.Kiril(), u"\u2160\u2160\u2160\u2160") << "irregular text stays as keyed";
  EXPECT_EQ(w.model.Text(Ctl::Arab1), u"\u0664");
}

TEST(Clearing, ReturnsToTheCreatedStateButKeepsTheSystem) {
  Window w;
  w.Type(u"1234");
  w.Click(Ctl::Zarno);
  w.Click(Ctl::Tysyasha);
  w.Click(Ctl::x100000);
  w.Click(Ctl::Button1);
  EXPECT_EQ(w.model.Sovr(), u"");
  EXPECT_EQ(w.model.Kiril(), u"");
  EXPECT_EQ(w.model.PlainKiril(), u"");
  EXPECT_EQ(w.model.MarkWidth(), 1);
  EXPECT_FALSE(w.model.Checked(Ctl::Tysyasha));
  EXPECT_FALSE(w.model.Checked(Ctl::x100000));
  EXPECT_EQ(w.model.System(), NumeralSystem::kKiril);
  EXPECT_TRUE(w.model.Checked(Ctl::Kiril_Old_Tys_Radio2)) << "options stay";
  w.Click(Ctl::Kiril1_1);
  EXPECT_EQ(w.model.Sovr(), u"1") << "released panels add the plain value";
}

TEST(Clicks, HiddenAndDisabledControlsCannotBeClicked) {
  Window w;
  EXPECT_FALSE(w.model.Click(Ctl::Rim_100000));  // a Roman key, hidden in Cyrillic
  EXPECT_FALSE(w.model.Click(Ctl::CF1));
  w.Click(Ctl::Iudeyskie);
  EXPECT_FALSE(w.model.Click(Ctl::Kiril1_500)) << "final letters are off in Hebrew";
  w.Click(Ctl::Ispolzovat);
  EXPECT_TRUE(w.model.Click(Ctl::Kiril1_500));
  EXPECT_EQ(w.model.Sovr(), u"500");
}

TEST(Decimal, AddsExactlyAtAnyLength) {
  EXPECT_EQ(AddDecimal(u"999", u"1"), u"1000");
  EXPECT_EQ(AddDecimal(u"007", u"1"), u"8");
  EXPECT_EQ(AddDecimal(u"0", u"0"), u"0");
  EXPECT_EQ(AddDecimal(u"99999999999999999999", u"1"), u"100000000000000000000");
  EXPECT_EQ(ParseInt32(u"2147483647"), 2147483647);
  EXPECT_FALSE(ParseInt32(u"2147483648"));
  EXPECT_EQ(ParseInt64(u"0009223372036854775807"), INT64_MAX);
  EXPECT_FALSE(ParseInt64(u"9223372036854775808"));
  EXPECT_EQ(ToDecimal(INT64_MIN), u"-9223372036854775808");
}

TEST(Utf8, RoundTripsAndReplacesInvalidInput) {
  const std::u16string text = u"҂а\u0483 \U0001D2E0";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  EXPECT_EQ(FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong
  EXPECT_EQ(FromUtf8("\xE2\x82"), u"\uFFFD\uFFFD");  // cut short
  EXPECT_EQ(ToUtf8(u"\xD800"), "\xEF\xBF\xBD");      // lone surrogate
}

}  // namespace
}  // namespace zarno::testing

namespace zarno::testing {
namespace {

TEST(RomanReading, ZeroShowsInBothFieldsAndNegativeEmptiesEverything) {
  Window w;
  w.Click(Ctl::RimRadio);
  w.Click(Ctl::Kiril1_5);  // Ⅴ: 5 in both fields
  ASSERT_EQ(w.model.Text(Ctl::Arab1), u"\u0665");
  w.Click(Ctl::Button1);
  w.Click(Ctl::Kiril1_50);
  w.Click(Ctl::Kiril1_50);
  w.Click(Ctl::Kiril1_100);  // ⅬⅬⅭ reads 0
  EXPECT_EQ(w.model.Sovr(), u"0");
  EXPECT_EQ(w.model.Kiril(), u"\u216C\u216C\u216D") << "the keyed text stays";
  EXPECT_EQ(w.model.Text(Ctl::Arab1), u"\u0660") << "the digit field follows the number";
  EXPECT_TRUE(w.host.messages.empty());
  w.Click(Ctl::Button1);
  for (int i = 0; i < 3; ++i) w.Click(Ctl::Kiril1_50);
  w.Click(Ctl::Kiril1_100);  // ⅬⅬⅬⅭ reads -50
  ASSERT_EQ(w.host.messages.size(), 1u);
  EXPECT_EQ(w.host.messages[0],
            u"Гм, получилось число \"-50\", а римские числа должны быть больше нуля...");
  EXPECT_EQ(w.model.Sovr(), u"");
  EXPECT_EQ(w.model.Kiril(), u"");
  EXPECT_EQ(w.model.Text(Ctl::Arab1), u"");
}

}  // namespace
}  // namespace zarno::testing
