// SPDX-License-Identifier: GPL-3.0-or-later
// Roman numerals: rendering with glyph variants, reading, the command-line reader.
#include "numerals/roman.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/number.h"
#include "keypads/layout_data.h"
#include "numerals/captions.h"
#include "numerals/glyph_store.h"
#include "support/u16_print.h"

namespace zarno {
namespace {

using testing::PrintTo;

using testing::CodePoints;
using testing::ExpectShownKeysCaptioned;
using testing::ExpectWellPlaced;
using testing::GlyphStore;
using testing::PlaceOf;

struct RenderCase {
  std::u16string sovr;
  std::u16string expected;
};

class RimRenderTest : public ::testing::TestWithParam<RenderCase> {};

TEST_P(RimRenderTest, WritesStartGlyphs) {
  const GlyphStore store(RimCaptions());
  EXPECT_EQ(CodePoints(RenderRim(GetParam().sovr, store.View())), CodePoints(GetParam().expected))
      << "Sovr = " << ToUtf8(GetParam().sovr);
}

INSTANTIATE_TEST_SUITE_P(
    RimExamples, RimRenderTest,
    ::testing::Values(RenderCase{u"", u""}, RenderCase{u"0", u""}, RenderCase{u"000", u""},
                      RenderCase{u"1", u"Ⅰ"}, RenderCase{u"4", u"ⅠⅤ"}, RenderCase{u"8", u"ⅤⅠⅠⅠ"},
                      RenderCase{u"9", u"ⅠⅩ"}, RenderCase{u"14", u"ⅩⅠⅤ"},
                      RenderCase{u"49", u"ⅩⅬⅠⅩ"}, RenderCase{u"400", u"ⅭⅮ"},
                      RenderCase{u"444", u"ⅭⅮⅩⅬⅠⅤ"}, RenderCase{u"1999", u"ⅯⅭⅯⅩⅭⅠⅩ"},
                      // Four thousand has no five-sign form; nine thousand still does.
                      RenderCase{u"4000", u"ⅯⅯⅯⅯ"}, RenderCase{u"4444", u"ⅯⅯⅯⅯⅭⅮⅩⅬⅠⅤ"},
                      RenderCase{u"5000", u"ↁ"}, RenderCase{u"9000", u"Ⅿↂ"},
                      RenderCase{u"40000", u"ↂↇ"}, RenderCase{u"90000", u"ↂↈ"},
                      RenderCase{u"100000", u"ↈ"}, RenderCase{u"300000", u"ↈↈↈ"},
                      RenderCase{u"399999", u"ↈↈↈↂↈⅯↂⅭⅯⅩⅭⅠⅩ"},
                      // Above the limit only positions 6 and lower count, and a
                      // hundred-thousands digit above 3 writes nothing.
                      RenderCase{u"400000", u""}, RenderCase{u"499999", u"ↂↈⅯↂⅭⅯⅩⅭⅠⅩ"},
                      RenderCase{u"1234567", u"ↈↈↂↂↂⅯⅯⅯⅯⅮⅬⅩⅤⅠⅠ"},
                      // Leading zeros add positions but no signs.
                      RenderCase{u"0042", u"ⅩⅬⅠⅠ"},
                      // A stray non-digit counts as 0.
                      RenderCase{u"1x", u"Ⅹ"}),
    testing::CaseName());

struct VariantCase {
  std::vector<Ctl> chosen;
  std::u16string sovr;
  std::u16string expected;
};

class RimVariantTest : public ::testing::TestWithParam<VariantCase> {};

TEST_P(RimVariantTest, RewritesWithChosenGlyph) {
  GlyphStore store(RimCaptions());
  for (Ctl box : GetParam().chosen) store.Choose(box);
  EXPECT_EQ(CodePoints(RenderRim(GetParam().sovr, store.View())), CodePoints(GetParam().expected))
      << "Sovr = " << ToUtf8(GetParam().sovr);
}

INSTANTIATE_TEST_SUITE_P(
    RimPasses, RimVariantTest,
    ::testing::Values(
        VariantCase{{Ctl::Check_Kiril1_5_e2}, u"4", u"Ⅰ\uE101"},
        VariantCase{{Ctl::Check_Kiril1_5_e2}, u"6", u"\uE101Ⅰ"},
        VariantCase{{Ctl::Check_Kiril1_5_e2}, u"45", u"ⅩⅬ\uE101"},
        VariantCase{{Ctl::Check_Kiril1_50_Rim}, u"49", u"Ⅹ\u2186ⅠⅩ"},
        VariantCase{{Ctl::Check_Kiril1_50_Rim}, u"5", u"Ⅴ"},
        // The ten-sign a 9 borrows is rewritten only when the next position exists.
        VariantCase{{Ctl::Check_Kiril1_100_Rim}, u"90", u"ⅩⅭ"},
        VariantCase{{Ctl::Check_Kiril1_100_Rim}, u"190", u"\uE104Ⅹ\uE104"},
        VariantCase{{Ctl::Check_Kiril1_100_Rim}, u"090", u"Ⅹ\uE104"},
        VariantCase{{Ctl::Check_Kiril1_100_Rim}, u"400", u"\uE104Ⅾ"},
        VariantCase{{Ctl::Check_Rim_500_2}, u"500", u"\uE106"},
        VariantCase{{Ctl::Check_Rim_500_2}, u"1400", u"Ⅿ\u216D\uE106"},
        VariantCase{{Ctl::Check_Glag_500_KirilF}, u"500", u"\uE103"},
        VariantCase{{Ctl::Check_Glag_500_KirilF}, u"49", u"ⅩⅬⅠⅩ"},
        VariantCase{{Ctl::Check_Rim_1000_1}, u"900", u"ⅭⅯ"},
        VariantCase{{Ctl::Check_Rim_1000_1}, u"1900", u"ↀⅭↀ"},
        VariantCase{{Ctl::Check_Rim_1000_1}, u"0900", u"Ⅽↀ"},
        VariantCase{{Ctl::Check_Rim_1000_2}, u"1900", u"\uE105Ⅽ\uE105"},
        VariantCase{{Ctl::Check_Rim_1000_2}, u"4000", u"\uE105\uE105\uE105\uE105"},
        VariantCase{{Ctl::Check_Rim_10000_2}, u"9000", u"Ⅿↂ"},
        VariantCase{{Ctl::Check_Rim_10000_2}, u"19000", u"\uE107Ⅿ\uE107"},
        VariantCase{{Ctl::Check_Rim_10000_2}, u"40000", u"\uE107ↇ"},
        VariantCase{{Ctl::Check_Rim_10000_2}, u"100000", u"ↈ"},
        VariantCase{{Ctl::Check_Kiril1_5_e2, Ctl::Check_Kiril1_50_Rim, Ctl::Check_Kiril1_100_Rim,
                     Ctl::Check_Rim_500_2, Ctl::Check_Rim_1000_2, Ctl::Check_Rim_10000_2},
                    u"165555",
                    u"ↈↇ\uE107ↁ\uE106\u2186\uE101"},
        VariantCase{{Ctl::Check_Kiril1_5_e2, Ctl::Check_Kiril1_50_Rim, Ctl::Check_Kiril1_100_Rim,
                     Ctl::Check_Rim_500_2, Ctl::Check_Rim_1000_2, Ctl::Check_Rim_10000_2},
                    u"164949",
                    u"ↈↇ\uE107\uE105\uE105\uE105\uE105\uE104\uE105Ⅹ\u2186ⅠⅩ"}),
    testing::CaseName());

TEST(RimVariantPassTest, TurnsOlderGlyphsBackWhenStandardIsChosen) {
  // The passes look at code points, not at where a sign came from: an older glyph in a
  // caption is turned into the standard one when the standard box is ticked.
  GlyphStore store(RimCaptions());
  store.SetCaption(Ctl::Kiril1_5, u"\uE101");
  store.SetCaption(Ctl::Kiril1_50, u"\u2186");
  store.SetCaption(Ctl::Kiril1_100, u"\uE104");
  store.SetCaption(Ctl::Kiril1_500, u"\uE106");
  store.SetCaption(Ctl::Glagolitsa_1000, u"\uE105");
  EXPECT_EQ(CodePoints(RenderRim(u"1555", store.View())), CodePoints(u"ⅯⅮⅬⅤ"));
}

TEST(RimVariantPassTest, NoBoxOfFiveHundredTickedGivesSecondOlderForm) {
  GlyphStore store(RimCaptions());
  store.Tick(Ctl::Check_Glag_500, false);
  EXPECT_EQ(CodePoints(RenderRim(u"500", store.View())), CodePoints(u"\uE106"));
  store.Tick(Ctl::Check_Glag_1000, false);
  EXPECT_EQ(CodePoints(RenderRim(u"1000", store.View())), CodePoints(u"\uE105"));
}

TEST(RimRenderTest, TakesGlyphsFromCaptions) {
  GlyphStore store(RimCaptions());
  store.SetCaption(Ctl::Kiril1_1, u"I");
  store.SetCaption(Ctl::Rim_100000, u"C|");
  EXPECT_EQ(CodePoints(RenderRim(u"200003", store.View())), CodePoints(u"C|C|III"));
}

// ---- Reading ----

struct ReadCase {
  std::u16string text;
  std::int64_t value;
};

class RimReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(RimReadTest, ReadsValue) {
  const GlyphStore store(RimCaptions());
  EXPECT_EQ(ReadRimValue(GetParam().text, store.View()), GetParam().value)
      << CodePoints(GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    RimExamples, RimReadTest,
    ::testing::Values(ReadCase{u"", 0}, ReadCase{u"ⅠⅤ", 4}, ReadCase{u"ⅤⅩ", 5}, ReadCase{u"ⅠⅠⅩ", 8},
                      ReadCase{u"ⅩⅠⅠⅩ", 18}, ReadCase{u"ⅠⅤⅠ", 5}, ReadCase{u"ⅯⅭⅯⅩⅭⅠⅩ", 1999},
                      // Smaller signs before a larger one are read by themselves first.
                      ReadCase{u"ⅭⅩⅠⅭ", 189}, ReadCase{u"ⅩⅬ", 40}, ReadCase{u"ⅬⅩ", 60},
                      ReadCase{u"ⅠⅠⅠⅠ", 4}, ReadCase{u"ⅠⅠⅠⅠⅤ", 1}, ReadCase{u"Ⅰ\uE101\uE101", 9},
                      ReadCase{u"ⅬⅬⅭ", 0}, ReadCase{u"ⅬⅬⅬⅭ", -50}, ReadCase{u"ↈↈↈↈ", 400000},
                      ReadCase{u"ↈↈↈↂↈⅯↂⅭⅯⅩⅭⅠⅩ", 399999},
                      // Every glyph variant reads as its value.
                      ReadCase{u"\uE101Ⅴ", 10}, ReadCase{u"ↀⅯ\uE105", 3000},
                      ReadCase{u"\u2186\uE104", 50}, ReadCase{u"\uE103\uE106Ⅾ", 1500},
                      ReadCase{u"\uE107ↂ", 20000},
                      // A character of no key counts as 0 and so ends no run.
                      ReadCase{u"Ⅹ?Ⅰ", 11}, ReadCase{u"?", 0}),
    testing::CaseName());

TEST(RimSignValueTest, EveryRomanCaptionHasItsKeyValue) {
  const GlyphStore store(RimCaptions());
  for (const CaptionEntry& e : RimCaptions()) {
    EXPECT_EQ(GetRimSignValue(e.text[0], store.View()), ValueOf(e.control)) << Name(e.control);
  }
  EXPECT_EQ(GetRimSignValue(u'I', store.View()), 0);
}

TEST(RimSignValueTest, FirstKeyInOrderWinsForEqualCaptions) {
  GlyphStore store(RimCaptions());
  store.SetCaption(Ctl::Rim_100000, u"Ⅰ");
  EXPECT_EQ(GetRimSignValue(u'Ⅰ', store.View()), 1);
  // A caption of two characters never equals one character.
  store.SetCaption(Ctl::Kiril1_1, u"ⅠⅠ");
  EXPECT_EQ(GetRimSignValue(u'Ⅰ', store.View()), 100000);
}

TEST(RimReadRangeTest, ReadsPartOfTheText) {
  const GlyphStore store(RimCaptions());
  const std::u16string text = u"ⅭⅩⅠⅭ";
  EXPECT_EQ(ReadRimRange(text, 1, 4, store.View()), 189);
  EXPECT_EQ(ReadRimRange(text, 2, 3, store.View()), 11);
  // A run is counted back to the start of the text, not to `first`: the smaller signs
  // before the last Ⅽ are still subtracted from it.
  EXPECT_EQ(ReadRimRange(text, 4, 4, store.View()), 100 - 11);
  EXPECT_EQ(ReadRimRange(text, 3, 2, store.View()), 0);
  EXPECT_EQ(ReadRimRange(text, -5, 99, store.View()), 189);
}

TEST(RimReadLongTextTest, ReadsBeyondTheWindowsLengthWithTheSameRule) {
  const GlyphStore store(RimCaptions());
  EXPECT_EQ(ReadRimValue(std::u16string(127, u'Ⅿ'), store.View()), 127000);
  EXPECT_EQ(ReadRimValue(std::u16string(128, u'Ⅿ'), store.View()), 128000);
  EXPECT_EQ(ReadRimValue(std::u16string(300, u'Ⅰ') + u"Ⅹ", store.View()), 10 - 300);
}

TEST(RimReadLongTextTest, MillionSignsStayLinearAndExact) {
  const GlyphStore store(RimCaptions());
  EXPECT_EQ(ReadRimValue(std::u16string(1000000, u'ↈ'), store.View()), 100000000000);
  // Eleven signs in rising order nest the recursion as deep as the signs allow; each block
  // reads ↈ − (ↇ − (ↂ − ... (Ⅴ − Ⅰ))) = 55556.
  const std::u16string rising = u"ⅠⅤⅩⅬⅭⅮⅯↁↂↇↈ";
  std::u16string text;
  const int blocks = 90909;
  for (int i = 0; i < blocks; ++i) text += rising;
  EXPECT_EQ(ReadRimValue(text, store.View()), std::int64_t{blocks} * 55556);
}

TEST(RimNegativeMessageTest, QuotesTheValueWithItsSign) {
  EXPECT_EQ(ToUtf8(RimNegativeMessage(-50)),
            "Гм, получилось число \"-50\", а римские числа должны быть больше нуля...");
  EXPECT_EQ(ToUtf8(RimNegativeMessage(-1234567890123)),
            "Гм, получилось число \"-1234567890123\", а римские числа должны быть больше "
            "нуля...");
}

// ---- Command-line reader ----

struct TextCase {
  std::u16string text;
  std::optional<std::int64_t> value;
};

class RimTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(RimTextTest, ReadsOrRefuses) {
  EXPECT_EQ(ReadRimText(GetParam().text), GetParam().value) << CodePoints(GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    RimExamples, RimTextTest,
    ::testing::Values(TextCase{u"ⅭⅩⅠⅭ", 189}, TextCase{u"MCMXCIX", 1999},
                      TextCase{u"mcmxcix", 1999}, TextCase{u"MⅭⅯXCⅠX", 1999},
                      TextCase{u"ⅯⅯⅩⅩⅣ", 2024}, TextCase{u"Ⅻ", 12}, TextCase{u"ⅻ", 12},
                      TextCase{u"ⅿⅾⅽⅼⅹⅴⅰ", 1666}, TextCase{u"\uE104\uE101", 105},
                      TextCase{u"ↈↈↈↈ", 400000}, TextCase{u"LLLC", -50}, TextCase{u"LLC", 0},
                      TextCase{u"", std::nullopt}, TextCase{u"X V", std::nullopt},
                      TextCase{u"XA", std::nullopt}, TextCase{u"Ⅹ'", std::nullopt}),
    testing::CaseName());

// ---- Round trips ----

TEST(RimRoundTripTest, ReadsBackEveryNumberOfTheRange) {
  GlyphStore store(RimCaptions());
  for (std::int64_t n = 1; n <= 399999; ++n) {
    const std::u16string text = RenderRim(ToDecimal(n), store.View());
    ASSERT_EQ(ReadRimValue(text, store.View()), n) << CodePoints(text);
  }
}

TEST(RimRoundTripTest, ReadsBackWithEveryOlderGlyphChosen) {
  GlyphStore store(RimCaptions());
  store.Choose({Ctl::Check_Kiril1_5_e2, Ctl::Check_Kiril1_50_Rim, Ctl::Check_Kiril1_100_Rim,
                Ctl::Check_Glag_500_KirilF, Ctl::Check_Rim_1000_1, Ctl::Check_Rim_10000_2});
  for (std::int64_t n = 1; n <= 399999; n += 7) {
    const std::u16string text = RenderRim(ToDecimal(n), store.View());
    ASSERT_EQ(ReadRimValue(text, store.View()), n) << CodePoints(text);
  }
}

TEST(RimRoundTripTest, CommandLineReaderReadsEveryRendering) {
  const GlyphStore store(RimCaptions());
  for (std::int64_t n = 1; n <= 399999; n += 3) {
    ASSERT_EQ(ReadRimText(RenderRim(ToDecimal(n), store.View())), n);
  }
}

// ---- Keypad ----

// Each variant box of the Roman keypad and the key it stands under.
constexpr std::pair<Ctl, Ctl> kRimBoxes[] = {
    {Ctl::Check_Kiril1_5, Ctl::Kiril1_5},       {Ctl::Check_Kiril1_5_e2, Ctl::Kiril1_5_e2},
    {Ctl::Check_Kiril1_50, Ctl::Kiril1_50},     {Ctl::Check_Kiril1_50_Rim, Ctl::Kiril1_50_Rim},
    {Ctl::Check_Kiril1_100, Ctl::Kiril1_100},   {Ctl::Check_Kiril1_100_Rim, Ctl::Kiril1_100_Rim},
    {Ctl::Check_Glag_500, Ctl::Kiril1_500},     {Ctl::Check_Glag_500_KirilF, Ctl::Glag_500_F},
    {Ctl::Check_Rim_500_2, Ctl::Rim_500_2},     {Ctl::Check_Glag_1000, Ctl::Glagolitsa_1000},
    {Ctl::Check_Rim_1000_1, Ctl::Rim_1000_1},   {Ctl::Check_Rim_1000_2, Ctl::Rim_1000_2},
    {Ctl::Check_Rim_10000_1, Ctl::Rim_10000_1}, {Ctl::Check_Rim_10000_2, Ctl::Rim_10000_2},
};

// The rows of the Roman keypad, top to bottom, each with its keys left to right.
struct RimRow {
  std::vector<Ctl> keys;
  int fives_at;  // index of the five-sign in keys, -1 for none
};
const RimRow kRimRows[] = {
    {{Ctl::Kiril1_1, Ctl::Kiril1_5, Ctl::Kiril1_5_e2}, 1},
    {{Ctl::Kiril1_10, Ctl::Kiril1_50, Ctl::Kiril1_50_Rim}, 1},
    {{Ctl::Kiril1_100, Ctl::Kiril1_100_Rim, Ctl::Kiril1_500, Ctl::Glag_500_F, Ctl::Rim_500_2}, 2},
    {{Ctl::Glagolitsa_1000, Ctl::Rim_1000_1, Ctl::Rim_1000_2, Ctl::Rim_5000_1}, 3},
    {{Ctl::Rim_10000_1, Ctl::Rim_10000_2, Ctl::Rim_50000}, 2},
    {{Ctl::Rim_100000}, -1},
};

TEST(RimKeypadTest, ShowsExactlyTheNineteenKeysAndFourteenBoxes) {
  const auto layout = layout::RimLayout();
  EXPECT_EQ(layout.size(), 19u + 14u);
  for (const auto& [box, key] : kRimBoxes) {
    const auto key_place = PlaceOf(layout, key);
    ASSERT_TRUE(key_place) << Name(key);
    EXPECT_EQ(PlaceOf(layout, box), BoxUnder(key_place->x, key_place->y)) << Name(box);
  }
  EXPECT_FALSE(PlaceOf(layout, Ctl::Check_Rim_5000_1));
  EXPECT_FALSE(PlaceOf(layout, Ctl::Tysyasha));
  EXPECT_FALSE(PlaceOf(layout, Ctl::x10000));
}

TEST(RimKeypadTest, RowsRunDownAndFiveSignsShareOneColumn) {
  const auto layout = layout::RimLayout();
  int previous_y = -1;
  std::optional<int> fives_x;
  std::optional<int> right_of_fives;
  for (const RimRow& row : kRimRows) {
    const auto first = PlaceOf(layout, row.keys[0]);
    ASSERT_TRUE(first) << Name(row.keys[0]);
    EXPECT_GT(first->y, previous_y) << Name(row.keys[0]);
    previous_y = first->y;
    int previous_x = -1;
    for (std::size_t i = 0; i < row.keys.size(); ++i) {
      const auto place = PlaceOf(layout, row.keys[i]);
      ASSERT_TRUE(place) << Name(row.keys[i]);
      EXPECT_EQ(*place, KeyAt(place->x, first->y)) << Name(row.keys[i]);
      EXPECT_GT(place->x, previous_x) << Name(row.keys[i]);
      previous_x = place->x;
      if (static_cast<int>(i) == row.fives_at) {
        if (!fives_x) fives_x = place->x;
        EXPECT_EQ(place->x, *fives_x) << Name(row.keys[i]);
      }
    }
    if (row.fives_at < 0) {
      // ↈ is a one-sign: it stands left of the five-signs as well.
      EXPECT_LT(first->x, *fives_x);
    }
    if (row.fives_at >= 0 && row.fives_at + 1 < static_cast<int>(row.keys.size())) {
      const int x = PlaceOf(layout, row.keys[row.fives_at + 1])->x;
      if (!right_of_fives) right_of_fives = x;
      EXPECT_EQ(x, *right_of_fives);
    }
  }
}

TEST(RimKeypadTest, StaysInsideTheAreaAndShowsOnlyRomanSigns) {
  ExpectWellPlaced(layout::RimLayout());
  ExpectShownKeysCaptioned(layout::RimLayout(), RimCaptions());
}

}  // namespace
}  // namespace zarno
