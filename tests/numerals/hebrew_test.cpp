// Hebrew numerals: rendering with the two options, the 15/16 rule from the captions, the
// command-line reader, and the keypad layout.
#include "numerals/hebrew.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/number.h"
#include "keypads/layout_data.h"
#include "numerals/east_fixture.h"
#include "support/u16_print.h"

namespace zarno {
namespace {

using testing::east::Keypad;

struct Case {
  std::u16string sovr;
  bool finals;  // Ispolzovat
  bool mark;    // Gershaim
  std::u16string kiril;
};

Keypad WithOptions(bool finals, bool mark) {
  Keypad keypad = Keypad::Iudeyskie();
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
                      Case{u"10000", false, false, u""}, Case{u"00005", false, false, u""}));

INSTANTIATE_TEST_SUITE_P(
    IudeyskieFinalLetters, IudeyskieRenderTest,
    ::testing::Values(Case{u"500", true, false, u"ך"}, Case{u"600", true, false, u"ם"},
                      Case{u"700", true, false, u"ן"}, Case{u"800", true, false, u"ף"},
                      Case{u"900", true, false, u"ץ"}, Case{u"400", true, false, u"ת"},
                      Case{u"1515", true, false, u"א׳ךטו"}));

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
                      Case{u"00005", true, true, u""}, Case{u"000005", true, true, u""}));

TEST(IudeyskieRender, EveryLetterFromTheCaptions) {
  const Keypad plain = WithOptions(false, false);
  const Keypad finals = WithOptions(true, false);
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
  Keypad keypad = WithOptions(false, false);
  keypad.SetCaption(Ctl::Tysyasha, u"'");
  EXPECT_EQ(RenderIudeyskie(u"1001", keypad.View()), u"א'א");
  EXPECT_EQ(RenderIudeyskie(u"3000", keypad.View()), u"'ג");
}

TEST(IudeyskieRender, FifteenRuleMatchesTheCaptions) {
  Keypad keypad = WithOptions(false, false);
  keypad.SetCaption(Ctl::Kiril1_10, u"I").SetCaption(Ctl::Kiril1_1, u"יה");
  EXPECT_EQ(RenderIudeyskie(u"15", keypad.View()), u"טו");
  EXPECT_EQ(RenderIudeyskie(u"1", keypad.View()), u"יה");
  keypad.Tick(Ctl::Gershaim);
  EXPECT_EQ(RenderIudeyskie(u"16", keypad.View()), u"ט״ז");
  // Only the first place where a pattern occurs is rewritten.
  keypad.SetCaption(Ctl::Kiril1_10, u"י").SetCaption(Ctl::Kiril1_1, u"יהיה");
  EXPECT_EQ(RenderIudeyskie(u"1", keypad.View()), u"טויה");
}

TEST(IudeyskieRoundTrip, OneToTheLimitWithEveryOption) {
  for (const bool finals : {false, true}) {
    for (const bool mark : {false, true}) {
      const Keypad keypad = WithOptions(finals, mark);
      for (std::int64_t n = 1; n <= 9999; ++n) {
        const std::u16string text = RenderIudeyskie(ToDecimal(n), keypad.View());
        ASSERT_EQ(ReadIudeyskie(text), n)
            << testing::CodePoints(text) << (finals ? " finals" : "") << (mark ? " mark" : "");
      }
    }
  }
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
        ReadCase{u"א׳ב׳ג", std::nullopt}, ReadCase{u"׳אב", std::nullopt}));

TEST(IudeyskieLayout, ThreeRowsWithTheOptionsAndTheThousandsToggle) {
  const auto layout = layout::IudeyskieLayout();
  testing::east::ExpectWellPlaced(layout);
  int keys = 0;
  for (const Placement& p : layout) keys += KindOf(p.control) == ControlKind::kKey;
  EXPECT_EQ(keys, 27);
  const Rect toggle = *testing::east::PlaceOf(layout, Ctl::Tysyasha);
  const Rect x1000 = *testing::east::PlaceOf(layout, Ctl::Kiril_Stepen_103);
  EXPECT_GE(x1000.y, toggle.y + toggle.h);
  for (Ctl option : {Ctl::Ispolzovat, Ctl::Gershaim}) {
    const Rect r = *testing::east::PlaceOf(layout, option);
    EXPECT_GE(r.w, 140) << Name(option);
    EXPECT_GE(r.h, 17) << Name(option);
  }
  // 500 to 900 are the last five keys of the hundreds row.
  EXPECT_EQ(testing::east::PlaceOf(layout, Ctl::Kiril1_500)->y,
            testing::east::PlaceOf(layout, Ctl::Kiril1_100)->y);
  EXPECT_FALSE(testing::east::PlaceOf(layout, Ctl::Glagolitsa_1000));
}

}  // namespace
}  // namespace zarno
