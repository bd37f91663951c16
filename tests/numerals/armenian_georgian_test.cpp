// SPDX-License-Identifier: GPL-3.0-or-later
// Armenian and Georgian numerals: rendering from the captions, the command-line readers, and
// the keypad layouts.
#include "numerals/armenian_georgian.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/number.h"
#include "keypads/layout_data.h"
#include "numerals/glyph_store.h"
#include "support/u16_print.h"

namespace zarno {
namespace {

using testing::PrintTo;

using testing::GlyphStore;

// The letters in value order, 1 to 9, 10 to 90, 100 to 900, 1000 to 9000 (and 10000).
constexpr std::u16string_view kArmenianLetters = u"ԱԲԳԴԵԶԷԸԹԺԻԼԽԾԿՀՁՂՃՄՅՆՇՈՉՊՋՌՍՎՏՐՑՒՓՔ";
constexpr std::u16string_view kGeorgianLetters = u"აბგდევზჱთიკლმნჲოპჟრსტჳფქღყშჩცძწჭხჴჯჰჵ";

// The value of the i-th letter of the lists above.
std::int64_t ValueAt(std::size_t i) {
  std::int64_t v = i % 9 + 1;
  for (std::size_t k = 0; k < i / 9; ++k) v *= 10;
  return v;
}

TEST(ArmenRender, EveryLetterFromTheCaptions) {
  const GlyphStore keypad = GlyphStore::Armen();
  ASSERT_EQ(kArmenianLetters.size(), 36u);
  for (std::size_t i = 0; i < kArmenianLetters.size(); ++i) {
    EXPECT_EQ(RenderArmen(ToDecimal(ValueAt(i)), keypad.View()), kArmenianLetters.substr(i, 1))
        << ValueAt(i);
  }
}

TEST(GruzRender, EveryLetterFromTheCaptions) {
  const GlyphStore keypad = GlyphStore::Gruz();
  ASSERT_EQ(kGeorgianLetters.size(), 37u);
  for (std::size_t i = 0; i < kGeorgianLetters.size(); ++i) {
    EXPECT_EQ(RenderGruz(ToDecimal(ValueAt(i)), keypad.View()), kGeorgianLetters.substr(i, 1))
        << ValueAt(i);
  }
}

struct Case {
  std::u16string sovr;
  std::u16string armen;
  std::u16string gruz;
};

class ArmenGruzRenderTest : public ::testing::TestWithParam<Case> {};

TEST_P(ArmenGruzRenderTest, BothAlphabets) {
  EXPECT_EQ(RenderArmen(GetParam().sovr, GlyphStore::Armen().View()), GetParam().armen)
      << "Sovr = " << ToUtf8(GetParam().sovr);
  EXPECT_EQ(RenderGruz(GetParam().sovr, GlyphStore::Gruz().View()), GetParam().gruz)
      << "Sovr = " << ToUtf8(GetParam().sovr);
}

INSTANTIATE_TEST_SUITE_P(
    Armen, ArmenGruzRenderTest,
    ::testing::Values(Case{u"", u"", u""}, Case{u"0", u"", u""}, Case{u"10", u"Ժ", u"ი"},
                      Case{u"11", u"ԺԱ", u"ია"}, Case{u"101", u"ՃԱ", u"რა"},
                      Case{u"1984", u"ՌՋՁԴ", u"ჩშპდ"}, Case{u"2000", u"Ս", u"ც"},
                      Case{u"9999", u"ՔՋՂԹ", u"ჰშჟთ"}, Case{u"10000", u"", u"ჵ"},
                      Case{u"15000", u"", u"ჵჭ"}, Case{u"19999", u"", u"ჵჰშჟთ"},
                      Case{u"20000", u"", u""}, Case{u"99999", u"", u""}, Case{u"100000", u"", u""},
                      // Leading zeros: Armenian takes four characters, Georgian five.
                      Case{u"0012", u"ԺԲ", u"იბ"}, Case{u"00012", u"", u"იბ"},
                      Case{u"000012", u"", u""}, Case{u"0000", u"", u""}),
    testing::CaseName());

TEST(ArmenRoundTrip, OneToTheLimit) {
  const GlyphStore keypad = GlyphStore::Armen();
  for (std::int64_t n = 1; n <= 9999; ++n) {
    const std::u16string text = RenderArmen(ToDecimal(n), keypad.View());
    ASSERT_EQ(ReadArmen(text), n) << testing::CodePoints(text);
  }
}

TEST(GruzRoundTrip, OneToTheLimit) {
  const GlyphStore keypad = GlyphStore::Gruz();
  for (std::int64_t n = 1; n <= 19999; ++n) {
    const std::u16string text = RenderGruz(ToDecimal(n), keypad.View());
    ASSERT_EQ(ReadGruz(text), n) << testing::CodePoints(text);
  }
}

struct ReadCase {
  std::u16string text;
  std::optional<std::int64_t> value;
};

class ArmenReadTest : public ::testing::TestWithParam<ReadCase> {};
TEST_P(ArmenReadTest, Reads) {
  EXPECT_EQ(ReadArmen(GetParam().text), GetParam().value) << ToUtf8(GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Armen, ArmenReadTest,
    ::testing::Values(ReadCase{u"ՌՋՁԴ", 1984}, ReadCase{u"ռջձդ", 1984},
                      ReadCase{u"Ռ\u0305Ջ\u0305Ձ\u0305Դ\u0305", 1984},
                      ReadCase{u"ՌՋՁԴ\u055F", 1984}, ReadCase{u"Ք ջ", 9900}, ReadCase{u"ա", 1},
                      ReadCase{u"ք", 9000}, ReadCase{u"", std::nullopt},
                      ReadCase{u" \u0305", std::nullopt}, ReadCase{u"Օ", std::nullopt},
                      ReadCase{u"Ֆ", std::nullopt}, ReadCase{u"ՌՋՁԴ.", std::nullopt},
                      ReadCase{u"12", std::nullopt}, ReadCase{u"ჩ", std::nullopt}),
    testing::CaseName());

class GruzReadTest : public ::testing::TestWithParam<ReadCase> {};
TEST_P(GruzReadTest, Reads) {
  EXPECT_EQ(ReadGruz(GetParam().text), GetParam().value) << ToUtf8(GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Gruz, GruzReadTest,
    ::testing::Values(ReadCase{u"ჩშპდ", 1984},
                      // Asomtavruli, Nuskhuri and Mtavruli forms of the same letters.
                      ReadCase{u"\u10B9\u10B8\u10AE\u10A3", 1984},
                      ReadCase{u"\u2D19\u2D18\u2D0E\u2D03", 1984},
                      ReadCase{u"\u1CA9\u1CA8\u1C9E\u1C93", 1984}, ReadCase{u"\u10C5\u10C1", 10008},
                      ReadCase{u"ჵ", 10000}, ReadCase{u"უ", 400}, ReadCase{u"ჳ", 400},
                      ReadCase{u"ჩ\u0305 დ", 1004}, ReadCase{u"", std::nullopt},
                      ReadCase{u"ჶ", std::nullopt}, ReadCase{u"Ա", std::nullopt},
                      ReadCase{u"ა1", std::nullopt}),
    testing::CaseName());

TEST(ArmenLayout, FourRowsOfNine) {
  const auto layout = layout::ArmenLayout();
  testing::ExpectWellPlaced(layout);
  testing::ExpectCommonKeysShown(layout);
  EXPECT_EQ(layout.size(), 36u);
  // Each row holds one power of ten, value rising to the right.
  const Ctl first_of_row[] = {Ctl::Kiril1_1, Ctl::Kiril1_10, Ctl::Kiril1_100, Ctl::Glagolitsa_1000};
  for (int row = 0; row < 4; ++row) {
    const Rect first = *testing::PlaceOf(layout, first_of_row[row]);
    int in_row = 0;
    for (const Placement& p : layout) {
      if (p.place.y != first.y) continue;
      ++in_row;
      const std::uint32_t v = ValueOf(p.control);
      EXPECT_EQ(v / ValueOf(first_of_row[row]) * ValueOf(first_of_row[row]), v);
      EXPECT_LT(v, ValueOf(first_of_row[row]) * 10);
    }
    EXPECT_EQ(in_row, 9);
  }
  EXPECT_EQ(testing::PlaceOf(layout, Ctl::Rim_10000_1), std::nullopt);
}

TEST(GruzLayout, FifthRowForTenThousand) {
  const auto layout = layout::GruzLayout();
  testing::ExpectWellPlaced(layout);
  testing::ExpectCommonKeysShown(layout);
  EXPECT_EQ(layout.size(), 37u);
  const Rect ten_thousand = *testing::PlaceOf(layout, Ctl::Rim_10000_1);
  EXPECT_GT(ten_thousand.y, testing::PlaceOf(layout, Ctl::Glagolitsa_1000)->y);
}

}  // namespace
}  // namespace zarno
