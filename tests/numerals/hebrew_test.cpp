// SPDX-License-Identifier: GPL-3.0-or-later
// Hebrew numerals: rendering with the two options, the 15/16 rule from the captions, the
// command-line reader, and the keypad layout.
#include "numerals/hebrew.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
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
  bool finals;  // Ispolzovat
  bool mark;    // Gershaim
  std::u16string kiril;
};

GlyphStore WithOptions(bool finals, bool mark) {
  GlyphStore keypad = GlyphStore::Iudeyskie();
  keypad.Tick(Ctl::Ispolzovat, finals).Tick(Ctl::Gershaim, mark);
  return keypad;
}

class IudeyskieRenderTest : public ::testing::TestWithParam<Case> {};

TEST_P(IudeyskieRenderTest, Examples) {
  const Case& c = GetParam();
  EXPECT_EQ(RenderIudeyskie(c.sovr, WithOptions(c.finals, c.mark).View()), c.kiril)
      << "Sovr = " << ToUtf8(c.sovr) << (c.finals ? " finals" : "") << (c.mark ? " mark" : "");
}

INSTANTIATE_TEST_SUITE_P(
    IudeyskiePlain, IudeyskieRenderTest,
    ::testing::Values(Case{u"", false, false, u""}, Case{u"0", false, false, u""},
                      Case{u"1", false, false, u"א"}, Case{u"10", false, false, u"י"},
                      Case{u"11", false, false, u"יא"}, Case{u"15", false, false, u"טו"},
                      Case{u"16", false, false, u"טז"}, Case{u"17", false, false, u"יז"},
                      Case{u"40", false, false, u"מ"}, Case{u"99", false, false, u"צט"},
                      Case{u"115", false, false, u"קטו"}, Case{u"116", false, false, u"קטז"},
                      Case{u"400", false, false, u"ת"}, Case{u"500", false, false, u"תק"},
                      Case{u"600", false, false, u"תר"}, Case{u"700", false, false, u"תש"},
                      Case{u"800", false, false, u"תת"}, Case{u"900", false, false, u"תתק"},
                      Case{u"999", false, false, u"תתקצט"}, Case{u"1000", false, false, u"׳א"},
                      Case{u"1001", false, false, u"א׳א"}, Case{u"1015", false, false, u"א׳טו"},
                      Case{u"2000", false, false, u"׳ב"}, Case{u"2001", false, false, u"ב׳א"},
                      Case{u"5784", false, false, u"ה׳תשפד"}, Case{u"5015", false, false, u"ה׳טו"},
                      Case{u"0005", false, false, u"ה"}, Case{u"9999", false, false, u"ט׳תתקצט"},
                      Case{u"10000", false, false, u""}, Case{u"00005", false, false, u""}),
    testing::CaseName());

INSTANTIATE_TEST_SUITE_P(
    IudeyskieFinalLetters, IudeyskieRenderTest,
    ::testing::Values(Case{u"500", true, false, u"ך"}, Case{u"600", true, false, u"ם"},
                      Case{u"700", true, false, u"ן"}, Case{u"800", true, false, u"ף"},
                      Case{u"900", true, false, u"ץ"}, Case{u"400", true, false, u"ת"},
                      Case{u"1515", true, false, u"א׳ךטו"}),
    testing::CaseName());

INSTANTIATE_TEST_SUITE_P(
    IudeyskieGershayim, IudeyskieRenderTest,
    ::testing::Values(Case{u"5784", false, true, u"ה׳תשפ״ד"}, Case{u"15", false, true, u"ט״ו"},
                      Case{u"16", false, true, u"ט״ז"}, Case{u"115", false, true, u"קט״ו"},
                      // A single letter gets no mark, nor a hundred written as a sum.
                      Case{u"5", false, true, u"ה"}, Case{u"10", false, true, u"י"},
                      Case{u"500", false, true, u"תק"}, Case{u"800", false, true, u"תת"},
                      Case{u"900", false, true, u"תתק"}, Case{u"1000", false, true, u"׳א"},
                      Case{u"510", false, true, u"תק״י"}, Case{u"1100", false, true, u"א׳״ק"},
                      Case{u"1500", false, true, u"א׳״תק"}, Case{u"2001", false, true, u"ב׳״א"},
                      // A leading zero lets a lone letter take the mark.
                      Case{u"05", false, true, u"״ה"}, Case{u"0005", false, true, u"״ה"},
                      Case{u"9999", true, true, u"ט׳ץצ״ט"}, Case{u"1500", true, true, u"א׳״ך"},
                      Case{u"00005", true, true, u""}, Case{u"000005", true, true, u""}),
    testing::CaseName());

// The option "обычай": the customary orders that keep a number from spelling a word.
struct CustomCase {
  std::u16string sovr;
  bool finals;               // Ispolzovat
  bool mark;                 // Gershaim
  std::u16string usual;      // without the option
  std::u16string customary;  // with it
};

void PrintTo(const CustomCase& c, std::ostream* os) {
  *os << ToUtf8(c.sovr) << (c.finals ? " finals" : "") << (c.mark ? " mark" : "");
}

class IudeyskieCustomaryTest : public ::testing::TestWithParam<CustomCase> {};

TEST_P(IudeyskieCustomaryTest, OnlyTheOptionChangesTheOrder) {
  const CustomCase& c = GetParam();
  GlyphStore keypad = WithOptions(c.finals, c.mark);
  EXPECT_EQ(RenderIudeyskie(c.sovr, keypad.View()), c.usual) << "without the option";
  keypad.Tick(Ctl::Obychay);
  EXPECT_EQ(RenderIudeyskie(c.sovr, keypad.View()), c.customary) << "with the option";
}

INSTANTIATE_TEST_SUITE_P(TheWords, IudeyskieCustomaryTest,
                         ::testing::Values(CustomCase{u"270", false, false, u"רע", u"ער"},
                                           CustomCase{u"272", false, false, u"רעב", u"ערב"},
                                           CustomCase{u"275", false, false, u"רעה", u"ערה"},
                                           CustomCase{u"298", false, false, u"רצח", u"רחצ"},
                                           CustomCase{u"304", false, false, u"שד", u"דש"},
                                           CustomCase{u"344", false, false, u"שמד", u"שדמ"}),
                         testing::CaseName());

INSTANTIATE_TEST_SUITE_P(
    Thousands, IudeyskieCustomaryTest,
    ::testing::Values(CustomCase{u"5270", false, false, u"ה׳רע", u"ה׳ער"},
                      CustomCase{u"1272", false, false, u"א׳רעב", u"א׳ערב"},
                      CustomCase{u"9275", false, false, u"ט׳רעה", u"ט׳ערה"},
                      CustomCase{u"2298", false, false, u"ב׳רצח", u"ב׳רחצ"},
                      CustomCase{u"5304", false, false, u"ה׳שד", u"ה׳דש"},
                      CustomCase{u"5344", false, false, u"ה׳שמד", u"ה׳שדמ"},
                      CustomCase{u"0270", false, false, u"רע", u"ער"},
                      // A sum of hundreds that ends in 200 or 300 ends in the same word.
                      CustomCase{u"744", false, false, u"תשמד", u"תשדמ"},
                      CustomCase{u"5744", false, false, u"ה׳תשמד", u"ה׳תשדמ"},
                      CustomCase{u"670", false, false, u"תרע", u"תער"},
                      CustomCase{u"704", false, false, u"תשד", u"תדש"},
                      CustomCase{u"5698", false, false, u"ה׳תרצח", u"ה׳תרחצ"}),
    testing::CaseName());

INSTANTIATE_TEST_SUITE_P(Gershayim, IudeyskieCustomaryTest,
                         ::testing::Values(CustomCase{u"270", false, true, u"ר״ע", u"ע״ר"},
                                           CustomCase{u"272", false, true, u"רע״ב", u"ער״ב"},
                                           CustomCase{u"275", false, true, u"רע״ה", u"ער״ה"},
                                           CustomCase{u"298", false, true, u"רצ״ח", u"רח״צ"},
                                           CustomCase{u"304", false, true, u"ש״ד", u"ד״ש"},
                                           CustomCase{u"344", false, true, u"שמ״ד", u"שד״מ"},
                                           CustomCase{u"5744", false, true, u"ה׳תשמ״ד", u"ה׳תשד״מ"},
                                           CustomCase{u"5270", false, true, u"ה׳ר״ע", u"ה׳ע״ר"},
                                           CustomCase{u"5304", true, true, u"ה׳ש״ד", u"ה׳ד״ש"}),
                         testing::CaseName());

INSTANTIATE_TEST_SUITE_P(
    Unchanged, IudeyskieCustomaryTest,
    ::testing::Values(
        // Neighbours of the words, and 15 and 16, which are always written 9 + 6 and 9 + 7.
        CustomCase{u"271", false, false, u"רעא", u"רעא"},
        CustomCase{u"274", false, false, u"רעד", u"רעד"},
        CustomCase{u"370", false, false, u"שע", u"שע"},
        CustomCase{u"244", false, false, u"רמד", u"רמד"},
        CustomCase{u"4", false, false, u"ד", u"ד"}, CustomCase{u"70", false, false, u"ע", u"ע"},
        CustomCase{u"200", false, false, u"ר", u"ר"},
        CustomCase{u"3000", false, false, u"׳ג", u"׳ג"},
        CustomCase{u"15", false, true, u"ט״ו", u"ט״ו"},
        CustomCase{u"216", false, false, u"רטז", u"רטז"},
        // A hundred written with its final letter ends in no 200 or 300.
        CustomCase{u"670", true, false, u"םע", u"םע"},
        CustomCase{u"744", true, true, u"ןמ״ד", u"ןמ״ד"},
        // Five characters are empty whatever the option.
        CustomCase{u"00270", false, false, u"", u""}),
    testing::CaseName());

TEST(IudeyskieRender, EveryLetterFromTheCaptions) {
  const GlyphStore plain = WithOptions(false, false);
  const GlyphStore finals = WithOptions(true, false);
  const std::u16string letters = u"אבגדהוזחטיכלמנסעפצקרשת";
  const std::u16string final_letters = u"ךםןףץ";
  for (int d = 1; d <= 9; ++d) {
    EXPECT_EQ(RenderIudeyskie(ToDecimal(d), plain.View()), letters.substr(d - 1, 1));
    // 15 and 16 are rewritten; every other ten stands alone.
    EXPECT_EQ(RenderIudeyskie(ToDecimal(10 * d), plain.View()), letters.substr(8 + d, 1));
  }
  for (int d = 1; d <= 4; ++d) {
    EXPECT_EQ(RenderIudeyskie(ToDecimal(100 * d), plain.View()), letters.substr(17 + d, 1));
  }
  for (int d = 5; d <= 9; ++d) {
    EXPECT_EQ(RenderIudeyskie(ToDecimal(100 * d), finals.View()), final_letters.substr(d - 5, 1));
  }
}

TEST(IudeyskieRender, GereshIsTheThousandsCaption) {
  GlyphStore keypad = WithOptions(false, false);
  keypad.SetCaption(Ctl::Tysyasha, u"'");
  EXPECT_EQ(RenderIudeyskie(u"1001", keypad.View()), u"א'א");
  EXPECT_EQ(RenderIudeyskie(u"3000", keypad.View()), u"'ג");
}

TEST(IudeyskieRender, FifteenRuleMatchesTheCaptions) {
  GlyphStore keypad = WithOptions(false, false);
  keypad.SetCaption(Ctl::Kiril1_10, u"I").SetCaption(Ctl::Kiril1_1, u"יה");
  EXPECT_EQ(RenderIudeyskie(u"15", keypad.View()), u"טו");
  EXPECT_EQ(RenderIudeyskie(u"1", keypad.View()), u"יה");
  keypad.Tick(Ctl::Gershaim);
  EXPECT_EQ(RenderIudeyskie(u"16", keypad.View()), u"ט״ז");
  // Only the first place where a pattern occurs is rewritten.
  keypad.SetCaption(Ctl::Kiril1_10, u"י").SetCaption(Ctl::Kiril1_1, u"יהיה");
  EXPECT_EQ(RenderIudeyskie(u"1", keypad.View()), u"טויה");
  // The thousands are searched too: here the thousands letter holds the pattern.
  EXPECT_EQ(RenderIudeyskie(u"1000", keypad.View()), u"׳טויה");
  EXPECT_EQ(RenderIudeyskie(u"1002", keypad.View()), u"טויה׳״ב");
}

TEST(IudeyskieRoundTrip, OneToTheLimitWithEveryOption) {
  int reordered = 0;
  for (const bool finals : {false, true}) {
    for (const bool mark : {false, true}) {
      GlyphStore keypad = WithOptions(finals, mark);
      for (std::int64_t n = 1; n <= 9999; ++n) {
        const std::u16string usual = RenderIudeyskie(ToDecimal(n), keypad.View());
        keypad.Tick(Ctl::Obychay);
        const std::u16string customary = RenderIudeyskie(ToDecimal(n), keypad.View());
        keypad.Tick(Ctl::Obychay, false);
        ASSERT_EQ(ReadIudeyskie(usual), n)
            << testing::CodePoints(usual) << (finals ? " finals" : "") << (mark ? " mark" : "");
        ASSERT_EQ(ReadIudeyskie(customary), n)
            << testing::CodePoints(customary) << " customary" << (finals ? " finals" : "")
            << (mark ? " mark" : "");
        // The custom only moves letters: the same letters, and the gershayim as often.
        std::u16string a = usual;
        std::u16string b = customary;
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        ASSERT_EQ(a, b) << n;
        reordered += usual != customary;
      }
    }
  }
  // In every thousand: four endings after ר (200 and 600) and two after ש (300 and 700);
  // with the final letters, after 200 and 300 only. Twice, with the mark and without.
  EXPECT_EQ(reordered, 2 * 10 * ((2 * 4 + 2 * 2) + (4 + 2)));
}

struct ReadCase {
  std::u16string text;
  std::optional<std::int64_t> value;
};

class IudeyskieReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IudeyskieReadTest, Reads) {
  EXPECT_EQ(ReadIudeyskie(GetParam().text), GetParam().value) << ToUtf8(GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Iudeyskie, IudeyskieReadTest,
    ::testing::Values(
        ReadCase{u"תשפ״ד", 784}, ReadCase{u"ה׳תשפ״ד", 5784}, ReadCase{u"ה'תשפ\"ד", 5784},
        ReadCase{u"ה׳ תשפ״ד", 5784}, ReadCase{u"ה’תשפ”ד", 5784},
        // Final letters: a hundred where they open the letters, else ordinary finals.
        ReadCase{u"ך", 500}, ReadCase{u"ץ", 900}, ReadCase{u"תש״ף", 780}, ReadCase{u"ה׳תש״ף", 5780},
        ReadCase{u"קך", 120}, ReadCase{u"תם", 440}, ReadCase{u"ךא", 501}, ReadCase{u"א׳ף", 1800},
        ReadCase{u"א׳קן", 1150},
        // 15 and 16 in both forms; the geresh after a lone letter only marks it.
        ReadCase{u"טו", 15}, ReadCase{u"ט״ז", 16}, ReadCase{u"יה", 15}, ReadCase{u"ה׳", 5},
        ReadCase{u"׳ב", 2000}, ReadCase{u"'ב", 2000}, ReadCase{u"ב׳א", 2001}, ReadCase{u"״ה", 5},
        // Not numerals.
        ReadCase{u"", std::nullopt}, ReadCase{u"׳", std::nullopt}, ReadCase{u"״", std::nullopt},
        ReadCase{u" ", std::nullopt}, ReadCase{u"abc", std::nullopt}, ReadCase{u"א1", std::nullopt},
        ReadCase{u"א׳ב׳ג", std::nullopt}, ReadCase{u"׳אב", std::nullopt}),
    testing::CaseName());

TEST(IudeyskieLayout, ThreeRowsWithTheOptionsAndTheThousandsToggle) {
  const auto layout = layout::IudeyskieLayout();
  testing::ExpectWellPlaced(layout);
  testing::ExpectCommonKeysShown(layout);
  int keys = 0;
  for (const Placement& p : layout) keys += KindOf(p.control) == ControlKind::kKey;
  EXPECT_EQ(keys, 27);
  const Rect toggle = *testing::PlaceOf(layout, Ctl::Tysyasha);
  const Rect x1000 = *testing::PlaceOf(layout, Ctl::Kiril_Stepen_103);
  EXPECT_GE(x1000.y, toggle.y + toggle.h);
  for (Ctl option : {Ctl::Ispolzovat, Ctl::Gershaim, Ctl::Obychay}) {
    const Rect r = *testing::PlaceOf(layout, option);
    EXPECT_GE(r.w, 140) << Name(option);
    EXPECT_GE(r.h, 17) << Name(option);
  }
  // 500 to 900 are the last five keys of the hundreds row.
  EXPECT_EQ(testing::PlaceOf(layout, Ctl::Kiril1_500)->y,
            testing::PlaceOf(layout, Ctl::Kiril1_100)->y);
  EXPECT_FALSE(testing::PlaceOf(layout, Ctl::Glagolitsa_1000));
}

}  // namespace
}  // namespace zarno
