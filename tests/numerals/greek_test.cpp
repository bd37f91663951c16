// SPDX-License-Identifier: GPL-3.0-or-later
// Greek Ionic and Greek Attic numerals: rendering from the captions, the command-line
// readers, the standard code points of the Attic five-signs.
#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <utility>

#include "base/number.h"
#include "keypads/layout_data.h"
#include "numerals/captions.h"
#include "numerals/glyph_store.h"
#include "numerals/greek_attic.h"
#include "numerals/greek_ionic.h"
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

struct ReadCase {
  std::u16string text;
  std::optional<std::int64_t> value;
};

// ---- Greek Ionic ----

class GrekIonichRenderTest : public ::testing::TestWithParam<RenderCase> {};

TEST_P(GrekIonichRenderTest, WritesLettersAndMarks) {
  const GlyphStore store(GrekIonichCaptions());
  EXPECT_EQ(CodePoints(RenderGrekIonich(GetParam().sovr, store.View())),
            CodePoints(GetParam().expected))
      << "Sovr = " << ToUtf8(GetParam().sovr);
}

// М below is the Cyrillic U+041C, written as an escape so that it cannot be mistaken for
// the Latin M of the myriad key.
INSTANTIATE_TEST_SUITE_P(
    GrekIonichExamples, GrekIonichRenderTest,
    ::testing::Values(RenderCase{u"", u""}, RenderCase{u"0", u""}, RenderCase{u"0000", u""},
                      RenderCase{u"5", u"ε'"}, RenderCase{u"6", u"ϛ'"}, RenderCase{u"99", u"ϙθ'"},
                      RenderCase{u"400", u"υ'"}, RenderCase{u"909", u"ϡθ'"},
                      RenderCase{u"1000", u",α'"}, RenderCase{u"2024", u",βκδ'"},
                      RenderCase{u"9999", u",θϡϙθ'"},
                      // The space follows the multiplier even when nothing comes after it.
                      RenderCase{u"10000", u"\u041Cα '"}, RenderCase{u"10001", u"\u041Cα α'"},
                      RenderCase{u"12345", u"\u041Cα ,βτμε'"}, RenderCase{u"1000000", u"\u041Cρ '"},
                      RenderCase{u"10000000", u"\u041C,α '"}, RenderCase{u"10100", u"\u041Cα ρ'"},
                      RenderCase{u"99999999", u"\u041C,θϡϙθ ,θϡϙθ'"},
                      // Nine digits and more leave only the myriad sign and the number mark.
                      RenderCase{u"100000000", u"\u041C'"}, RenderCase{u"123456789", u"\u041C'"},
                      RenderCase{u"000012345", u"\u041C'"},
                      // The myriad test counts characters, not the value.
                      RenderCase{u"00001", u"\u041C α'"}, RenderCase{u"00000", u"\u041C '"},
                      // A stray non-digit counts as 0.
                      RenderCase{u"2x", u"κ'"}),
    testing::CaseName());

TEST(GrekIonichRenderTest, LettersComeFromCaptionsMarksDoNot) {
  GlyphStore store(GrekIonichCaptions());
  store.SetCaption(Ctl::Kiril1_6, u"ς");
  store.SetCaption(Ctl::Kiril1_400_y, u"Υ");
  // The panels' captions are what the keys show, not what the numeral writes.
  store.SetCaption(Ctl::Tysyasha, u"\u0482");
  store.SetCaption(Ctl::x10000, u"Q");
  EXPECT_EQ(CodePoints(RenderGrekIonich(u"46406", store.View())), CodePoints(u"\u041Cδ ,ςΥς'"));
}

class GrekIonichReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(GrekIonichReadTest, ReadsOrRefuses) {
  EXPECT_EQ(ReadGrekIonich(GetParam().text), GetParam().value) << CodePoints(GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    GrekIonichExamples, GrekIonichReadTest,
    ::testing::Values(
        ReadCase{u"ε'", 5}, ReadCase{u"ε", 5}, ReadCase{u"εʹ", 5}, ReadCase{u"ε\u02B9", 5},
        ReadCase{u"ε’", 5}, ReadCase{u"  ρ κ γ ' ", 123}, ReadCase{u"ΡΚΓʹ", 123},
        // Every form of stigma, koppa and sampi.
        ReadCase{u"ϛ", 6}, ReadCase{u"Ϛ", 6}, ReadCase{u"ς", 6}, ReadCase{u"στ'", 6},
        ReadCase{u"ΣΤʹ", 6}, ReadCase{u"σϛ", 206}, ReadCase{u"σστ", 206}, ReadCase{u"ϙ", 90},
        ReadCase{u"Ϙ", 90}, ReadCase{u"ϟ", 90}, ReadCase{u"Ϟ", 90}, ReadCase{u"ϡ", 900},
        ReadCase{u"Ϡ", 900},
        // Thousands marks.
        ReadCase{u",α'", 1000}, ReadCase{u"͵αωκγʹ", 1823}, ReadCase{u", β κ δ", 2024},
        // Myriad signs: Cyrillic, Latin and Greek.
        ReadCase{u"\u041Cα ,βτμε'", 12345}, ReadCase{u"Mα ,βτμε'", 12345},
        ReadCase{u"Μα ,βτμεʹ", 12345}, ReadCase{u"\u041C,θϡϙθ ,θϡϙθ'", 99999999},
        ReadCase{u"\u041Cα '", 10000}, ReadCase{u"Μα '", 10000}, ReadCase{u"M ,α '", 10000000},
        ReadCase{u"\u041Cα α'", 10001}, ReadCase{u"\u041Cρ α'", 1000001},
        // Without the space the multiplier takes every letter of falling rank.
        ReadCase{u"\u041Cρα'", 1010000}, ReadCase{u"\u041Cαα'", 10001},
        ReadCase{u"\u041C α'", 10000},
        // Greek Μ without a space after its multiplier is the letter for 40.
        ReadCase{u"ΜΒʹ", 42}, ReadCase{u"μβ'", 42}, ReadCase{u"ΜΑ,Β", 12000},
        // Not numerals.
        ReadCase{u"", std::nullopt}, ReadCase{u"'", std::nullopt}, ReadCase{u"  ", std::nullopt},
        ReadCase{u"αβ", std::nullopt}, ReadCase{u"αι", std::nullopt}, ReadCase{u"ρρ", std::nullopt},
        ReadCase{u"x", std::nullopt}, ReadCase{u"α'β", std::nullopt},
        ReadCase{u"α''", std::nullopt}, ReadCase{u",ι", std::nullopt}, ReadCase{u",", std::nullopt},
        ReadCase{u"α,β", std::nullopt}, ReadCase{u"\u041C", std::nullopt},
        ReadCase{u"\u041C'", std::nullopt}, ReadCase{u"αM", std::nullopt},
        ReadCase{u"MMα", std::nullopt}, ReadCase{u"\u041Cα ,βτμε α", std::nullopt},
        ReadCase{u"5", std::nullopt}),
    testing::CaseName());

TEST(GrekIonichRoundTripTest, ReadsBackEveryNumberUpTo200000) {
  const GlyphStore store(GrekIonichCaptions());
  for (std::int64_t n = 1; n <= 200000; ++n) {
    const std::u16string text = RenderGrekIonich(ToDecimal(n), store.View());
    ASSERT_EQ(ReadGrekIonich(text), n) << CodePoints(text);
  }
}

TEST(GrekIonichRoundTripTest, ReadsBackASampleOfTheWholeRange) {
  const GlyphStore store(GrekIonichCaptions());
  std::mt19937 random(20240601);
  std::uniform_int_distribution<std::int64_t> pick(1, 99999999);
  for (int i = 0; i < 100000; ++i) {
    const std::int64_t n = i == 0 ? 99999999 : pick(random);
    const std::u16string text = RenderGrekIonich(ToDecimal(n), store.View());
    ASSERT_EQ(ReadGrekIonich(text), n) << CodePoints(text);
  }
}

// ---- Greek Attic ----

class GrekAttichRenderTest : public ::testing::TestWithParam<RenderCase> {};

TEST_P(GrekAttichRenderTest, WritesAdditiveSigns) {
  const GlyphStore store(GrekAttichCaptions());
  EXPECT_EQ(CodePoints(RenderGrekAttich(GetParam().sovr, store.View())),
            CodePoints(GetParam().expected))
      << "Sovr = " << ToUtf8(GetParam().sovr);
}

INSTANTIATE_TEST_SUITE_P(
    GrekAttichExamples, GrekAttichRenderTest,
    ::testing::Values(
        RenderCase{u"", u""}, RenderCase{u"0", u""}, RenderCase{u"1", u"Ι"},
        RenderCase{u"4", u"ΙΙΙΙ"}, RenderCase{u"5", u"Γ"}, RenderCase{u"9", u"ΓΙΙΙΙ"},
        RenderCase{u"19", u"ΔΓΙΙΙΙ"}, RenderCase{u"50", u"\uE111"},
        RenderCase{u"1999", u"Χ\uE112ΗΗΗΗ\uE111ΔΔΔΔΓΙΙΙΙ"}, RenderCase{u"5000", u"\uE113"},
        RenderCase{u"10000", u"Μ"}, RenderCase{u"50000", u"\uE114"},
        RenderCase{u"100000", u"\uE114\uE114"}, RenderCase{u"200000", u"\uE114\uE114\uE114\uE114"},
        RenderCase{u"150000", u"\uE114\uE114\uE114"},
        RenderCase{u"249999", u"\uE114\uE114\uE114\uE114ΜΜΜΜ\uE113ΧΧΧΧ\uE112ΗΗΗΗ\uE111ΔΔΔΔΓΙΙΙΙ"},
        // Above the limit: a hundred-thousands digit from 3 writes nothing, and the
        // millions are not looked at.
        RenderCase{u"300000", u""}, RenderCase{u"350000", u"\uE114"},
        RenderCase{u"1100001", u"\uE114\uE114Ι"}, RenderCase{u"007", u"ΓΙΙ"},
        RenderCase{u"1x", u"Δ"}),
    testing::CaseName());

TEST(GrekAttichRenderTest, SignsComeFromCaptions) {
  GlyphStore store(GrekAttichCaptions());
  store.SetCaption(Ctl::Kiril1_1, u"|");
  store.SetCaption(Ctl::Rim_50000, u"<5M>");
  EXPECT_EQ(CodePoints(RenderGrekAttich(u"100002", store.View())), CodePoints(u"<5M><5M>||"));
}

class GrekAttichReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(GrekAttichReadTest, ReadsOrRefuses) {
  EXPECT_EQ(ReadGrekAttich(GetParam().text), GetParam().value) << CodePoints(GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    GrekAttichExamples, GrekAttichReadTest,
    ::testing::Values(ReadCase{u"ΙΙΙΙ", 4}, ReadCase{u"ΓΙΙΙΙ", 9}, ReadCase{u"\U00010143ΙΙΙΙ", 9},
                      ReadCase{u"Χ \uE112 Η", 1600}, ReadCase{u"\U00010147\U00010147Μ", 110000},
                      ReadCase{u"\U00010144\uE111", std::nullopt}, ReadCase{u"\U00010146", 5000},
                      ReadCase{u"\U00010145", 500}, ReadCase{u"\uE114\uE114\uE114\uE114", 200000},
                      // No subtraction, no rising order, no fifth one-sign, no second five-sign.
                      ReadCase{u"ΙΓ", std::nullopt}, ReadCase{u"ΙΙΙΙΙ", std::nullopt},
                      ReadCase{u"ΓΓ", std::nullopt}, ReadCase{u"ΜΜΜΜΜ", std::nullopt},
                      ReadCase{u"\uE114\uE114\uE114\uE114\uE114", std::nullopt},
                      ReadCase{u"", std::nullopt}, ReadCase{u" ", std::nullopt},
                      ReadCase{u"I", std::nullopt}, ReadCase{u"Ι'", std::nullopt},
                      ReadCase{std::u16string(1, u'\xD800'), std::nullopt},
                      ReadCase{u"\uE111" + std::u16string(1, u'\xD800'), std::nullopt}),
    testing::CaseName());

TEST(GrekAttichStandardTest, ReplacesOurFiveSignsAndGamma) {
  EXPECT_EQ(CodePoints(AtticToStandard(u"Γ\uE111\uE112\uE113\uE114ΙΔΗΧΜ x")),
            CodePoints(u"\U00010143\U00010144\U00010145\U00010146\U00010147ΙΔΗΧΜ x"));
  EXPECT_EQ(CodePoints(AtticToStandard(u"")), CodePoints(u""));
}

TEST(GrekAttichRoundTripTest, ReadsBackEveryNumberInBothForms) {
  const GlyphStore store(GrekAttichCaptions());
  for (std::int64_t n = 1; n <= 249999; ++n) {
    const std::u16string text = RenderGrekAttich(ToDecimal(n), store.View());
    ASSERT_EQ(ReadGrekAttich(text), n) << CodePoints(text);
    ASSERT_EQ(ReadGrekAttich(AtticToStandard(text)), n) << CodePoints(text);
  }
}

// ---- Keypads ----

// Keys in one row, left to right, each a whole key.
void ExpectRow(std::span<const Placement> layout, std::initializer_list<Ctl> keys, int y) {
  int previous_x = -1;
  for (Ctl k : keys) {
    const auto place = PlaceOf(layout, k);
    ASSERT_TRUE(place) << Name(k);
    EXPECT_EQ(*place, KeyAt(place->x, y)) << Name(k);
    EXPECT_GT(place->x, previous_x) << Name(k);
    previous_x = place->x;
  }
}

TEST(GrekIonichKeypadTest, ThreeRowsOfNineThenThePanels) {
  const auto layout = layout::GrekIonichLayout();
  EXPECT_EQ(layout.size(), 27u + 4u);
  const int units = PlaceOf(layout, Ctl::Kiril1_1)->y;
  const int tens = PlaceOf(layout, Ctl::Kiril1_10)->y;
  const int hundreds = PlaceOf(layout, Ctl::Kiril1_100)->y;
  EXPECT_LT(units, tens);
  EXPECT_LT(tens, hundreds);
  ExpectRow(layout,
            {Ctl::Kiril1_1, Ctl::Kiril1_2, Ctl::Kiril1_3, Ctl::Kiril1_4, Ctl::Kiril1_5,
             Ctl::Kiril1_6, Ctl::Kiril1_7, Ctl::Kiril1_8, Ctl::Kiril1_9},
            units);
  ExpectRow(layout,
            {Ctl::Kiril1_10, Ctl::Kiril1_20, Ctl::Kiril1_30, Ctl::Kiril1_40, Ctl::Kiril1_50,
             Ctl::Kiril1_60, Ctl::Kiril1_70, Ctl::Kiril1_80, Ctl::Kiril1_90},
            tens);
  ExpectRow(layout,
            {Ctl::Kiril1_100, Ctl::Kiril1_200, Ctl::Kiril1_300, Ctl::Kiril1_400_y, Ctl::Kiril1_500,
             Ctl::Kiril1_600, Ctl::Kiril1_700, Ctl::Kiril1_800, Ctl::Kiril1_900},
            hundreds);
  const Rect thousands = *PlaceOf(layout, Ctl::Tysyasha);
  EXPECT_GT(thousands.y, hundreds);
  ExpectRow(layout, {Ctl::Tysyasha, Ctl::x10000}, thousands.y);
  // Each label stands under its panel.
  for (const auto& [panel, label] : {std::pair{Ctl::Tysyasha, Ctl::Kiril_Stepen_103},
                                     std::pair{Ctl::x10000, Ctl::x10000_nadpis}}) {
    const Rect p = *PlaceOf(layout, panel);
    const auto l = PlaceOf(layout, label);
    ASSERT_TRUE(l) << Name(label);
    EXPECT_GE(l->y, p.y + p.h) << Name(label);
    EXPECT_LE(l->y, p.y + p.h + 4) << Name(label);
    EXPECT_TRUE(l->x < p.x + p.w && p.x < l->x + l->w) << Name(label);
  }
  EXPECT_FALSE(PlaceOf(layout, Ctl::x100000));
  EXPECT_FALSE(PlaceOf(layout, Ctl::Kiril1_400_izh));
  ExpectWellPlaced(layout);
  ExpectShownKeysCaptioned(layout, GrekIonichCaptions());
}

TEST(GrekIonichKeypadTest, PanelsShowMAndCommaOverWhatTheSystemBeforeLeft) {
  GlyphStore store(KirilCaptions());
  store.SetCaption(Ctl::x10000, u"x").SetCaption(Ctl::Tysyasha, u"y");
  store.Apply(GrekIonichCaptions());
  EXPECT_EQ(CodePoints(store.View().Caption(Ctl::x10000)), CodePoints(u"M"));
  EXPECT_EQ(CodePoints(store.View().Caption(Ctl::Tysyasha)), CodePoints(u","));
}

TEST(GrekAttichKeypadTest, FiveRowsOfOneSignThenFiveSign) {
  const auto layout = layout::GrekAttichLayout();
  EXPECT_EQ(layout.size(), 10u);
  const std::pair<Ctl, Ctl> rows[] = {
      {Ctl::Kiril1_1, Ctl::Kiril1_5},     {Ctl::Kiril1_10, Ctl::Kiril1_50},
      {Ctl::Kiril1_100, Ctl::Kiril1_500}, {Ctl::Glagolitsa_1000, Ctl::Rim_5000_1},
      {Ctl::Rim_10000_1, Ctl::Rim_50000},
  };
  int previous_y = -1;
  for (const auto& [one, five] : rows) {
    const auto place = PlaceOf(layout, one);
    ASSERT_TRUE(place) << Name(one);
    EXPECT_GT(place->y, previous_y) << Name(one);
    previous_y = place->y;
    ExpectRow(layout, {one, five}, place->y);
  }
  ExpectWellPlaced(layout);
  ExpectShownKeysCaptioned(layout, GrekAttichCaptions());
}

}  // namespace
}  // namespace zarno
