// SPDX-License-Identifier: GPL-3.0-or-later
// Chinese numerals: rendering with the variant boxes, the keypad's reading, the command-line
// reader, and the keypad layout.
#include "numerals/chinese.h"

#include <gtest/gtest.h>

#include <iterator>
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

struct Case {
  std::u16string sovr;
  std::u16string kiril;
};

class KitayRenderTest : public ::testing::TestWithParam<Case> {};

TEST_P(KitayRenderTest, StartBoxes) {
  const GlyphStore keypad = GlyphStore::Kitay();
  EXPECT_EQ(RenderKitay(GetParam().sovr, keypad.View()), GetParam().kiril)
      << "Sovr = " << ToUtf8(GetParam().sovr);
}

INSTANTIATE_TEST_SUITE_P(
    Kitay, KitayRenderTest,
    ::testing::Values(Case{u"", u""}, Case{u"0", u"◯"}, Case{u"7", u"七"}, Case{u"10", u"一十"},
                      Case{u"11", u"一十一"}, Case{u"15", u"一十五"}, Case{u"20", u"二十"},
                      Case{u"100", u"一百"}, Case{u"105", u"一百◯五"}, Case{u"150", u"一百五十"},
                      Case{u"1005", u"一千◯五"}, Case{u"10000", u"一萬"},
                      Case{u"10010", u"一萬◯一十"}, Case{u"10100", u"一萬◯一百"},
                      Case{u"12345", u"一萬二千三百四十五"}, Case{u"56789", u"五萬六千七百八十九"},
                      Case{u"99999", u"九萬九千九百九十九"},
                      // Leading zeros: one zero sign where a run meets a digit, one for the
                      // first character.
                      Case{u"0012", u"◯◯一十二"}, Case{u"0005", u"◯◯五"}, Case{u"00", u"◯"},
                      // Only a non-zero digit at the sixth place is above the limit.
                      Case{u"000012", u"◯◯一十二"}, Case{u"100000", u""}, Case{u"123456", u""}),
    testing::CaseName());

TEST(KitayRender, ZeroSignFollowsTheFont) {
  EXPECT_EQ(RenderKitay(u"0", GlyphStore::Kitay(u"Arial Unicode MS").View()), u"\u20DD");
  EXPECT_EQ(RenderKitay(u"105", GlyphStore::Kitay(u"Arial Unicode MS").View()), u"一百\u20DD五");
  EXPECT_EQ(RenderKitay(u"0", GlyphStore::Kitay(u"Arial Unicode").View()), u"\u25EF");
}

TEST(KitayRender, SingleSignsForTwentyAndThirty) {
  GlyphStore keypad = GlyphStore::Kitay();
  keypad.Tick(Ctl::Check_Kiril1_20);
  EXPECT_EQ(RenderKitay(u"20", keypad.View()), u"廿");
  EXPECT_EQ(RenderKitay(u"23", keypad.View()), u"廿三");
  EXPECT_EQ(RenderKitay(u"120", keypad.View()), u"一百廿");
  EXPECT_EQ(RenderKitay(u"30", keypad.View()), u"三十");   // its own box decides
  EXPECT_EQ(RenderKitay(u"200", keypad.View()), u"二百");  // only at the tens
  keypad.Tick(Ctl::Check_Kiril1_30);
  EXPECT_EQ(RenderKitay(u"30", keypad.View()), u"卅");
  EXPECT_EQ(RenderKitay(u"31", keypad.View()), u"卅一");
}

TEST(KitayRender, FormalSigns) {
  GlyphStore keypad = GlyphStore::Kitay();
  keypad.AllFormal();
  EXPECT_EQ(RenderKitay(u"36", keypad.View()), u"参拾陸");
  EXPECT_EQ(RenderKitay(u"0", keypad.View()), u"零");
  EXPECT_EQ(RenderKitay(u"12345", keypad.View()), u"壹萬貳仟参佰肆拾伍");
  EXPECT_EQ(RenderKitay(u"56789", keypad.View()), u"伍萬陸仟柒佰捌拾玖");
  EXPECT_EQ(RenderKitay(u"10010", keypad.View()), u"壹萬零壹拾");
  keypad.Tick(Ctl::Check_Kiril1_6_3);
  EXPECT_EQ(RenderKitay(u"36", keypad.View()), u"参拾陆");
  keypad.Tick(Ctl::Check_Rim_10000_1, false).Tick(Ctl::Check_Rim_10000_2);
  EXPECT_EQ(RenderKitay(u"60006", keypad.View()), u"陆万零陆");
}

TEST(KitayRender, EachSignHasItsOwnBox) {
  GlyphStore keypad = GlyphStore::Kitay();
  keypad.Tick(Ctl::Check_Kiril1_100, false);
  EXPECT_EQ(RenderKitay(u"110", keypad.View()), u"一佰一十");
  keypad.Tick(Ctl::Check_Kiril1_1, false);
  EXPECT_EQ(RenderKitay(u"110", keypad.View()), u"壹佰壹十");
}

TEST(KitayDigit, SelectorTable) {
  GlyphStore keypad = GlyphStore::Kitay();
  const std::u16string ordinary = u"◯一二三四五六七八九";
  const std::u16string formal = u"零壹貳参肆伍陸柒捌玖";
  for (int d = 0; d <= 9; ++d) EXPECT_EQ(GetKitayDigit(d, keypad.View()), ordinary[d]) << d;
  keypad.AllFormal();
  for (int d = 0; d <= 9; ++d) EXPECT_EQ(GetKitayDigit(d, keypad.View()), formal[d]) << d;
  EXPECT_EQ(GetKitayDigit(-1, keypad.View()), u'\0');
  EXPECT_EQ(GetKitayDigit(10, keypad.View()), u'\0');
}

TEST(KitayDigit, OrdinarySixWinsOverTheSimplifiedBox) {
  GlyphStore keypad = GlyphStore::Kitay();
  keypad.Tick(Ctl::Check_Kiril1_6_3);  // a state the one-of rule never leaves
  EXPECT_EQ(GetKitayDigit(6, keypad.View()), u'六');
  keypad.Tick(Ctl::Check_Kiril1_6, false);
  EXPECT_EQ(GetKitayDigit(6, keypad.View()), u'陆');
}

TEST(KitaySignValue, EveryCaptionWhateverTheBoxes) {
  const GlyphStore keypad = GlyphStore::Kitay();
  const std::u16string text = u"◯零一壹二貳三参四肆五伍六陸陆七柒八捌九玖十拾廿卅百佰千仟萬万";
  const std::int64_t values[] = {0,  0,  1,  1,   2,   2,    3,    3,     4,    4, 5,
                                 5,  6,  6,  6,   7,   7,    8,    8,     9,    9, 10,
                                 10, 20, 30, 100, 100, 1000, 1000, 10000, 10000};
  ASSERT_EQ(text.size(), std::size(values));
  for (std::size_t i = 1; i <= text.size(); ++i) {
    EXPECT_EQ(GetKitaySignValue(text, i, keypad.View()), values[i - 1]) << "position " << i;
  }
}

TEST(KitaySignValue, UnknownCharactersAndPositionsOutside) {
  const GlyphStore keypad = GlyphStore::Kitay();
  EXPECT_EQ(GetKitaySignValue(u"a五", 1, keypad.View()), 0);
  EXPECT_EQ(GetKitaySignValue(u"a五", 2, keypad.View()), 5);
  EXPECT_EQ(GetKitaySignValue(u"a五", 0, keypad.View()), 0);
  EXPECT_EQ(GetKitaySignValue(u"a五", 3, keypad.View()), 0);
  EXPECT_EQ(GetKitaySignValue(u"", 1, keypad.View()), 0);
}

TEST(KitaySignValue, FirstCaptionInTheFixedOrderWins) {
  GlyphStore keypad = GlyphStore::Kitay();
  // Two keys with the same caption: the formal one comes first in the order.
  keypad.SetCaption(Ctl::Kiril1_1_2, u"五");
  EXPECT_EQ(GetKitaySignValue(u"五", 1, keypad.View()), 1);
}

struct ReadCase {
  std::u16string kiril;
  std::int64_t value;
};

class KitayReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(KitayReadTest, PairsMultiply) {
  EXPECT_EQ(ReadKitayValue(GetParam().kiril, GlyphStore::Kitay().View()), GetParam().value)
      << "Kiril = " << ToUtf8(GetParam().kiril);
}

INSTANTIATE_TEST_SUITE_P(Kitay, KitayReadTest,
                         ::testing::Values(ReadCase{u"", 0}, ReadCase{u"◯", 0}, ReadCase{u"廿", 20},
                                           ReadCase{u"三十五", 35}, ReadCase{u"一百◯五", 105},
                                           ReadCase{u"廿三", 23}, ReadCase{u"三百廿", 320},
                                           ReadCase{u"三五", 15}, ReadCase{u"三廿", 60},
                                           ReadCase{u"十五", 50}, ReadCase{u"一萬◯一十", 10010},
                                           ReadCase{u"壹萬零壹拾", 10010}, ReadCase{u"参拾陆", 36},
                                           ReadCase{u"陆万零陆", 60006},
                                           // A sign that is no caption counts 0; as the first of a
                                           // pair it swallows nothing.
                                           ReadCase{u"x五", 5}, ReadCase{u"五x", 0},
                                           ReadCase{u"三百五", 305}),
                         testing::CaseName());

TEST(KitayRead, ZeroSignOfArialUnicode) {
  EXPECT_EQ(ReadKitayValue(u"一百\u20DD五", GlyphStore::Kitay(u"Arial Unicode MS").View()), 105);
}

TEST(KitayRead, LongTextsStopAtTheCap) {
  const GlyphStore keypad = GlyphStore::Kitay();
  std::u16string text;
  for (int i = 0; i < 21; ++i) text += u"萬萬";
  EXPECT_EQ(ReadKitayValue(text, keypad.View()), 2100000000);
  text += u"萬萬";
  EXPECT_EQ(ReadKitayValue(text, keypad.View()), kKitayReadCap);
  EXPECT_EQ(ReadKitayValue(std::u16string(1000000, u'萬'), keypad.View()), kKitayReadCap);
  EXPECT_EQ(ToDecimal(kKitayReadCap), u"2147483647");
}

TEST(KitayRoundTrip, EveryNumberInEveryStyle) {
  GlyphStore ordinary = GlyphStore::Kitay();
  GlyphStore formal = GlyphStore::Kitay();
  formal.AllFormal().Tick(Ctl::Check_Kiril1_6_3).Tick(Ctl::Check_Rim_10000_1, false);
  GlyphStore single = GlyphStore::Kitay(u"Arial Unicode MS");
  single.Tick(Ctl::Check_Kiril1_20).Tick(Ctl::Check_Kiril1_30);
  for (const GlyphStore* keypad : {&ordinary, &formal, &single}) {
    for (std::int64_t n = 0; n <= 99999; ++n) {
      const std::u16string kiril = RenderKitay(ToDecimal(n), keypad->View());
      ASSERT_EQ(ReadKitayValue(kiril, keypad->View()), n) << testing::CodePoints(kiril);
      ASSERT_EQ(ReadKitayText(kiril), n) << testing::CodePoints(kiril);
    }
  }
}

struct TextCase {
  std::u16string text;
  std::optional<std::int64_t> value;
};

class KitayTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(KitayTextTest, Reads) {
  EXPECT_EQ(ReadKitayText(GetParam().text), GetParam().value)
      << "text = " << ToUtf8(GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Kitay, KitayTextTest,
    ::testing::Values(TextCase{u"十五", 15}, TextCase{u"十", 10}, TextCase{u"一十五", 15},
                      TextCase{u"三百五十", 350}, TextCase{u"萬", 10000}, TextCase{u"一万", 10000},
                      TextCase{u"两千", 2000}, TextCase{u"兩百", 200}, TextCase{u"零", 0},
                      TextCase{u"〇", 0}, TextCase{u"\u20DD", 0}, TextCase{u"二〇二四", 2024},
                      TextCase{u"一九八四", 1984}, TextCase{u"壹萬零壹拾", 10010},
                      TextCase{u"叁佰", 300}, TextCase{u"參拾", 30}, TextCase{u"贰", 2},
                      TextCase{u"卌二", 42}, TextCase{u"一百廿", 120}, TextCase{u"二十萬", 200000},
                      TextCase{u"九千九百九十九萬九千九百九十九", 99999999},
                      TextCase{u" 一 百 ", 100}, TextCase{u"◯◯一十二", 12},
                      // Not numerals.
                      TextCase{u"", std::nullopt}, TextCase{u"  ", std::nullopt},
                      TextCase{u"abc", std::nullopt}, TextCase{u"一百a", std::nullopt},
                      TextCase{u"三百二三", std::nullopt}, TextCase{u"百千", std::nullopt},
                      TextCase{u"十十", std::nullopt}, TextCase{u"萬萬", std::nullopt},
                      TextCase{u"〇萬", std::nullopt}, TextCase{u"三〇百", std::nullopt},
                      TextCase{u"二廿", std::nullopt}, TextCase{u"一十廿", std::nullopt},
                      TextCase{u"一九八四一九八四一九八四一九八四一九八", std::nullopt}),
    testing::CaseName());

TEST(KitayLayout, SixRowsWithTheirBoxes) {
  const auto layout = layout::KitayLayout();
  testing::ExpectWellPlaced(layout);
  testing::ExpectCommonKeysShown(layout);
  // Formal digits above the ordinary ones, each box right under its key.
  const Rect formal_one = *testing::PlaceOf(layout, Ctl::Kiril1_1_2);
  const Rect one = *testing::PlaceOf(layout, Ctl::Kiril1_1);
  EXPECT_LT(formal_one.y, one.y);
  EXPECT_EQ(testing::PlaceOf(layout, Ctl::Check_Kiril1_1), BoxUnder(one.x, one.y));
  // 陆 under the six, 万 beside 萬.
  const Rect six = *testing::PlaceOf(layout, Ctl::Kiril1_6);
  const Rect six_simple = *testing::PlaceOf(layout, Ctl::Kiril1_6_3);
  EXPECT_EQ(six_simple.x, six.x);
  EXPECT_GT(six_simple.y, six.y);
  EXPECT_EQ(testing::PlaceOf(layout, Ctl::Rim_10000_2)->y,
            testing::PlaceOf(layout, Ctl::Rim_10000_1)->y);
  // Every shown key has its box, the single signs included; the third 1000 box stays hidden.
  int keys = 0;
  for (const Placement& p : layout) keys += KindOf(p.control) == ControlKind::kKey;
  EXPECT_EQ(keys, 31);
  EXPECT_EQ(layout.size(), 62u);
  EXPECT_TRUE(testing::PlaceOf(layout, Ctl::Check_Kiril1_20));
  EXPECT_TRUE(testing::PlaceOf(layout, Ctl::Check_Kiril1_30));
  EXPECT_FALSE(testing::PlaceOf(layout, Ctl::Check_Rim_1000_2));
}

}  // namespace
}  // namespace zarno
