// SPDX-License-Identifier: GPL-3.0-or-later
// Maya numerals: rendering from the digit captions, the keypad's reading by exact decimal
// addition, the command-line reader, the standard code points, and the keypad layout.
#include "numerals/maya.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "base/number.h"
#include "keypads/layout_data.h"
#include "numerals/glyph_store.h"
#include "support/u16_print.h"

namespace zarno {
namespace {

using testing::PrintTo;

using testing::GlyphStore;

// The column of the given digits, highest place first.
std::u16string Column(std::initializer_list<int> digits) {
  std::u16string out;
  for (int d : digits) out.push_back(static_cast<char16_t>(0xE140 + d));
  return out;
}

struct Case {
  std::u16string sovr;
  std::u16string kiril;
};

class MayaRenderTest : public ::testing::TestWithParam<Case> {};

TEST_P(MayaRenderTest, Places) {
  EXPECT_EQ(RenderMaya(GetParam().sovr, GlyphStore::Maya().View()), GetParam().kiril)
      << "Sovr = " << ToUtf8(GetParam().sovr);
}

INSTANTIATE_TEST_SUITE_P(
    Maya, MayaRenderTest,
    ::testing::Values(Case{u"", u""}, Case{u"0", Column({0})}, Case{u"19", Column({19})},
                      Case{u"20", Column({1, 0})}, Case{u"359", Column({17, 19})},
                      Case{u"360", Column({1, 0, 0})}, Case{u"378", Column({1, 0, 18})},
                      Case{u"7199", Column({19, 17, 19})}, Case{u"7200", Column({1, 0, 0, 0})},
                      Case{u"1151999999", Column({19, 19, 19, 19, 19, 17, 19})},
                      Case{u"1152000000", Column({1, 0, 0, 0, 0, 0, 0, 0})},
                      Case{u"4294967295", Column({3, 14, 11, 6, 3, 4, 12, 15})},
                      Case{u"0005", Column({5})}, Case{u"4294967296", u""},
                      Case{u"9223372036854775807", u""}, Case{u"9223372036854775808", u""},
                      Case{u"12a", u""}),
    testing::CaseName());

struct ReadCase {
  std::u16string kiril;
  std::optional<std::u16string> sovr;
};

class MayaReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(MayaReadTest, ExactDecimal) {
  EXPECT_EQ(ReadMaya(GetParam().kiril), GetParam().sovr)
      << "Kiril = " << testing::CodePoints(GetParam().kiril);
}

INSTANTIATE_TEST_SUITE_P(
    Maya, MayaReadTest,
    ::testing::Values(ReadCase{u"", std::nullopt}, ReadCase{Column({0}), u"0"},
                      ReadCase{Column({0, 0, 0}), u"0"}, ReadCase{Column({1, 0, 0}), u"360"},
                      // The second place has weight 20 whatever digit it holds.
                      ReadCase{Column({18, 18}), u"378"}, ReadCase{Column({19, 19}), u"399"},
                      ReadCase{Column({3, 14, 11, 6, 3, 4, 12, 15}), u"4294967295"},
                      ReadCase{Column({3, 14, 11, 6, 3, 4, 12, 16}), u"4294967296"},
                      // A ninth place and above reuse the weight of the eighth.
                      ReadCase{Column({1, 0, 0, 0, 0, 0, 0, 0, 0}), u"1152000000"},
                      ReadCase{Column({1, 1, 0, 0, 0, 0, 0, 0, 0}), u"2304000000"},
                      ReadCase{std::u16string(30, u'\uE153'), u"504576000039"},
                      // A character that is no digit keeps its place and counts 0 there.
                      ReadCase{u"x" + Column({1}), u"1"}, ReadCase{Column({1}) + u"x", u"20"},
                      ReadCase{u"x", u"0"}),
    testing::CaseName());

TEST(MayaRead, LongColumnsStayExact) {
  EXPECT_EQ(ReadMaya(std::u16string(1000000, u'\uE153')), u"21887847936000039");
}

TEST(MayaRoundTrip, EveryNumberUpTo200000) {
  const GlyphStore keypad = GlyphStore::Maya();
  for (std::int64_t n = 0; n <= 200000; ++n) {
    const std::u16string kiril = RenderMaya(ToDecimal(n), keypad.View());
    ASSERT_EQ(ReadMaya(kiril), ToDecimal(n));
    ASSERT_EQ(ReadMayaText(kiril), n);
    ASSERT_EQ(ReadMayaText(MayaToStandard(kiril)), n);
  }
}

TEST(MayaRoundTrip, SampleUpToTheLimit) {
  const GlyphStore keypad = GlyphStore::Maya();
  std::mt19937_64 random(20240512);
  std::uniform_int_distribution<std::int64_t> any(0, 4294967295);
  for (int k = 0; k < 100000; ++k) {
    const std::int64_t n = k == 0 ? 4294967295 : any(random);
    const std::u16string kiril = RenderMaya(ToDecimal(n), keypad.View());
    ASSERT_LE(kiril.size(), 8u);
    ASSERT_EQ(ReadMaya(kiril), ToDecimal(n));
    ASSERT_EQ(ReadMayaText(MayaToStandard(kiril)), n);
  }
}

TEST(MayaStandard, SurrogatePairsForTheDigitsOnly) {
  EXPECT_EQ(MayaToStandard(Column({0})), u"\U0001D2E0");
  EXPECT_EQ(MayaToStandard(Column({19})), u"\U0001D2F3");
  EXPECT_EQ(MayaToStandard(Column({1, 0, 18})), u"\U0001D2E1\U0001D2E0\U0001D2F2");
  EXPECT_EQ(MayaToStandard(u"a\uE13F\uE154 "), u"a\uE13F\uE154 ");
  EXPECT_EQ(MayaToStandard(u""), u"");
}

struct TextCase {
  std::u16string text;
  std::optional<std::int64_t> value;
};

class MayaTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(MayaTextTest, Reads) {
  EXPECT_EQ(ReadMayaText(GetParam().text), GetParam().value)
      << testing::CodePoints(GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Maya, MayaTextTest,
    ::testing::Values(TextCase{Column({1, 0, 18}), 378}, TextCase{u"\U0001D2E1\U0001D2E0", 20},
                      TextCase{u"\U0001D2E1" + Column({0, 0}), 360},
                      TextCase{u"\U0001D2E1 \U0001D2E0", 20}, TextCase{u"\U0001D2F3", 19},
                      TextCase{u"", std::nullopt}, TextCase{u" ", std::nullopt},
                      TextCase{u"1", std::nullopt}, TextCase{u"\uE154", std::nullopt},
                      TextCase{u"\U0001D2F4", std::nullopt},  // past the last digit
                      TextCase{u"\xD834", std::nullopt}, TextCase{u"\xDEE0", std::nullopt}),
    testing::CaseName());

TEST(MayaLayout, FourRowsOfFiveLeftOfTheColumn) {
  const auto layout = layout::MayaLayout();
  testing::ExpectWellPlaced(layout);
  testing::ExpectCommonKeysShown(layout);
  ASSERT_EQ(layout.size(), 20u);
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const Placement& p = layout[i];
    EXPECT_EQ(ValueOf(p.control), i) << Name(p.control);  // 0 to 19 in reading order
    EXPECT_LE(p.place.x + p.place.w, 305) << Name(p.control);
    if (i % 5 != 0) {
      EXPECT_EQ(p.place.y, layout[i - 1].place.y);
      EXPECT_GT(p.place.x, layout[i - 1].place.x);
    } else if (i > 0) {
      EXPECT_GT(p.place.y, layout[i - 1].place.y);
    }
  }
}

}  // namespace
}  // namespace zarno
