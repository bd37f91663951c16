// SPDX-License-Identifier: GPL-3.0-or-later
// Cyrillic and Glagolitic: letters, the numeral-mark dressing, the thousands sign, keypad
// entry with its panels, and the glyph-variant boxes.
#include "numerals/slavonic.h"

#include <gtest/gtest.h>

#include "fake_host.h"
#include "support/u16_print.h"

namespace zarno::testing {
namespace {

using testing::PrintTo;

struct Plain {
  std::u16string_view sovr;
  std::u16string_view plain;
};

class CyrillicPlain : public ::testing::TestWithParam<Plain> {};

TEST_P(CyrillicPlain, LettersFromTheRight) {
  Window w;
  w.Type(GetParam().sovr);
  EXPECT_EQ(w.model.PlainKiril(), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(Examples, CyrillicPlain,
                         ::testing::Values(Plain{u"0", u""}, Plain{u"000", u""}, Plain{u"1", u"а"},
                                           Plain{u"11", u"аі"}, Plain{u"21", u"ка"},
                                           Plain{u"1234", u"҂аслд"}, Plain{u"10000", u"҂і"},
                                           Plain{u"1200", u"҂ас"}, Plain{u"999999", u"҂ц҂ч҂ѳцчѳ"},
                                           Plain{u"500000", u"҂ф"}),
                         CaseName{});

TEST(CyrillicStyle2, TenAndHundredThousandsWithTheirSigns) {
  Window w;
  w.Click(Ctl::Kiril_Old_Tys_Radio2);
  w.Type(u"10000");
  EXPECT_EQ(w.model.PlainKiril(), u"а\uE070");
  EXPECT_EQ(w.model.Kiril(), u"а\uE070") << "no mark on a letter before its sign";
  w.Type(u"110000");
  EXPECT_EQ(w.model.PlainKiril(), u"а\uE085 а\uE070");
  w.Type(u"100000");
  EXPECT_EQ(w.model.PlainKiril(), u"а\uE085");
  // Variant boxes only, without the Glagolitic default, at ranks 5 and 6.
  w.Click(Ctl::Check_Kiril1_5_e2);
  w.Type(u"550000");
  EXPECT_EQ(w.model.PlainKiril(), u"е\uE085 е\uE070");
}

TEST(Glagolitic, ThousandsAreTwoLettersOnly) {
  Window w;
  w.Click(Ctl::GlagolRadio);
  w.Type(u"2999");
  EXPECT_EQ(w.model.PlainKiril(), u"\u2C4E\u2C4C\u2C42\u2C38");
  w.Type(u"0123");  // a thousands place of 0: nothing is written, the plain text stays
  EXPECT_EQ(w.model.Kiril(), u"");
  EXPECT_EQ(w.model.PlainKiril(), u"\u2C4E\u2C4C\u2C42\u2C38");
  w.Type(u"500");
  EXPECT_EQ(w.model.PlainKiril(), u"\u2C47");
  w.Click(Ctl::Check_Glag_500_KirilF);
  EXPECT_EQ(w.model.PlainKiril(), u"\uE069");
  w.Click(Ctl::KirilRadio);
  EXPECT_TRUE(w.model.Checked(Ctl::Check_Glag_500)) << "Cyrillic forces ф for 500";
  EXPECT_EQ(w.model.PlainKiril(), u"ф");
}

struct DressCase {
  std::u16string_view sovr;
  int clicks_on_zarno;
  bool dots;
  std::u16string_view kiril;
};

class Dressing : public ::testing::TestWithParam<DressCase> {};

TEST_P(Dressing, MarksAndDots) {
  const DressCase& c = GetParam();
  Window w;
  if (c.dots) w.Click(Ctl::IspTochka);
  w.Type(c.sovr);
  for (int i = 0; i < c.clicks_on_zarno; ++i) w.Click(Ctl::Zarno);
  EXPECT_EQ(w.model.Kiril(), c.kiril);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Dressing,
    ::testing::Values(DressCase{u"1", 0, false, u"а\u0483"},
                      DressCase{u"11", 0, false, u"а\u0483і\uE075"},
                      DressCase{u"21", 0, false, u"к\u0483а\u0483"},
                      DressCase{u"1234", 0, false, u"҂а\u0483с\u0483л\u0483д\uE076"},
                      DressCase{u"10000", 0, false, u"҂і\uE075"},
                      DressCase{u"12", 0, true, u"\u2027в\u0483\u2027і\uE075\u2027"},
                      DressCase{u"12", 2, false, u"ві\u0483"},
                      DressCase{u"12", 8, false, u"в\u0483і"},
                      DressCase{u"12", 9, false, u"в\u0483і\uE075"},
                      DressCase{u"1234", 0, true,
                                u"҂\uE130а\u0483\u2027с\u0483\u2027л\u0483\u2027д\uE076\u2027"}),
    CaseName{});

TEST(Dressing, ZeroShowsOnlyTheMarksOfTheLaterStyles) {
  Window w;
  w.Type(u"0");
  EXPECT_EQ(w.model.Kiril(), u"");
  EXPECT_EQ(w.model.Text(Ctl::Zarno), u"\uE075");
  w.Click(Ctl::Zarno);  // nothing to dress: the click does nothing
  EXPECT_EQ(w.model.MarkWidth(), 1);
}

TEST(Dressing, ZarnoPreviewIsExactlyWhatTheNextClickShows) {
  for (bool dots : {false, true}) {
    Window w;
    if (dots) w.Click(Ctl::IspTochka);
    w.Type(u"12345");
    for (int style = 1; style <= 9; ++style) {
      const std::u16string preview = w.model.Text(Ctl::Zarno);
      w.Click(Ctl::Zarno);
      EXPECT_EQ(w.model.Kiril(), preview) << "after style " << style << " dots " << dots;
    }
    EXPECT_EQ(w.model.MarkWidth(), 1) << "nine clicks return to the first style";
  }
}

TEST(Dressing, WithoutMarksTheCaptionIsTheText) {
  Window w;
  w.Type(u"12");
  w.Click(Ctl::IspZarno);
  EXPECT_EQ(w.model.Kiril(), u"ві");
  EXPECT_EQ(w.model.Text(Ctl::Zarno), u"ві");
  w.Click(Ctl::IspTochka);
  EXPECT_EQ(w.model.Kiril(), u"\u2027в\u2027і\u2027");
  EXPECT_EQ(w.model.Text(Ctl::Zarno), w.model.Kiril());
}

TEST(ThousandsSign, LoweredAndSmallerForOtherFonts) {
  Window w;
  w.model.SetSpinValue(28);  // outputs at 28 points
  w.Type(u"1234");
  ASSERT_EQ(w.model.KirilFormat().size(), 1u);
  const FormatRun run = w.model.KirilFormat()[0];
  EXPECT_EQ(run.start, 0);
  if (w.model.State(Ctl::Kiril).font == kShippedFontFamily) {
    EXPECT_FALSE(run.height_twips);
    EXPECT_EQ(run.offset_twips, -249);  // 448 / 1.8
  } else {
    EXPECT_EQ(run.height_twips, 448);
    EXPECT_EQ(run.offset_twips, -299);  // 448 / 1.5
  }
  w.Click(Ctl::TysyashaNizhe);
  EXPECT_EQ(w.model.KirilFormat()[0].offset_twips, -20);
}

TEST(ThousandsSign, FormatsRoundHalvesToEven) {
  // 16 * 3 = 48 twips; 48 / 1.5 = 32 exactly; 16 * 27 = 432; 432 / 1.8 = 240.
  EXPECT_EQ(ThousandsSignFormats(u"҂а", u'҂', 3, false, true)[0].offset_twips, -32);
  EXPECT_EQ(ThousandsSignFormats(u"҂а", u'҂', 27, true, true)[0].offset_twips, -240);
  // 16 * 15 = 240; 240 / 1.8 = 133.33.
  EXPECT_EQ(ThousandsSignFormats(u"а҂а҂б", u'҂', 15, true, true).size(), 2u);
}

TEST(AdditiveEntry, KeysAddTheirValues) {
  Window w;
  w.Click(Ctl::Kiril1_1);
  w.Click(Ctl::Kiril1_10);
  EXPECT_EQ(w.model.Kiril(), u"а\u0483і\uE075");
  w.Click(Ctl::Kiril1_700);
  EXPECT_EQ(w.model.Sovr(), u"711");
  w.Click(Ctl::Button1);
  w.Click(Ctl::Kiril1_700);
  w.Click(Ctl::Kiril1_500);
  EXPECT_EQ(w.model.PlainKiril(), u"҂ас");
}

TEST(AdditiveEntry, PanelsMultiplyTheNextKeyOnly) {
  Window w;
  w.Click(Ctl::Tysyasha);
  w.Click(Ctl::Kiril1_2);
  EXPECT_EQ(w.model.Sovr(), u"2000");
  EXPECT_FALSE(w.model.Checked(Ctl::Tysyasha));
  w.Click(Ctl::Button1);
  w.Click(Ctl::x10000);
  EXPECT_TRUE(w.model.Checked(Ctl::Kiril_Old_Tys_Radio2));
  w.Click(Ctl::Kiril1_1);
  EXPECT_EQ(w.model.Sovr(), u"10000");
  w.Click(Ctl::x100000);
  w.Click(Ctl::Tysyasha);  // both pressed: the thousands panel wins
  w.Click(Ctl::Kiril1_3);
  EXPECT_EQ(w.model.Sovr(), u"13000");
  EXPECT_FALSE(w.model.Checked(Ctl::x100000));
}

TEST(AdditiveEntry, ALongNumberGrowsExactly) {
  Window w;
  w.Type(u"99999999999999999999999");
  w.Click(Ctl::Kiril1_1);
  EXPECT_EQ(w.model.Sovr(), u"100000000000000000000000");
  EXPECT_EQ(w.model.Kiril(), u"");
}

TEST(ThousandsRepair, SelectedLettersBecomeThousands) {
  Window w;
  w.Type(u"701");
  ASSERT_EQ(w.model.Kiril(), u"ѱ\uE065а\u0483");
  w.model.SelectKiril(2, 2);
  w.Click(Ctl::Tysyasha);
  EXPECT_EQ(w.model.Sovr(), u"1700");
  EXPECT_EQ(w.model.PlainKiril(), u"҂аѱ");
  EXPECT_FALSE(w.model.Checked(Ctl::Tysyasha));
}

TEST(ThousandsRepair, ReadsTheWholeText) {
  Window w;
  w.Type(u"1234");
  EXPECT_EQ(ReadKirilValue(w.model.Kiril(), w.model.Keys()), 1234);
  EXPECT_EQ(ReadKirilText(u"҂кцмє", false), 20945);
  EXPECT_EQ(ReadKirilText(u"а\uE085 в\uE070", false), 120000);
  EXPECT_FALSE(ReadKirilText(u"abc", false));
  EXPECT_FALSE(ReadKirilText(u"\u0483", false));
}

TEST(Variants, OneBoxOfAGroupIsAlwaysTicked) {
  Window w;
  w.Type(u"15");
  w.Click(Ctl::Check_Kiril1_5_e2);
  EXPECT_FALSE(w.model.Checked(Ctl::Check_Kiril1_5));
  EXPECT_EQ(w.model.PlainKiril(), u"еі");
  w.Click(Ctl::Check_Kiril1_5_e2);
  EXPECT_TRUE(w.model.Checked(Ctl::Check_Kiril1_5));
  w.Click(Ctl::Check_Kiril1_5);  // the default cannot be unticked directly
  EXPECT_TRUE(w.model.Checked(Ctl::Check_Kiril1_5));
  w.Type(u"990");
  w.Click(Ctl::Check_Kiril1_900_c2);
  w.Click(Ctl::Check_Kiril1_90_koppa);
  EXPECT_EQ(w.model.PlainKiril(), u"\uE068ҁ");
  w.Click(Ctl::Check_Kiril1_900_yus);
  EXPECT_FALSE(w.model.Checked(Ctl::Check_Kiril1_900_c2));
  EXPECT_EQ(w.model.PlainKiril(), u"ѧҁ");
}

TEST(Variants, AVariantKeySwitchesTheWholeDisplay) {
  Window w;
  w.Type(u"5005");
  w.Click(Ctl::Kiril1_5_e2);
  EXPECT_EQ(w.model.Sovr(), u"5010");
  EXPECT_TRUE(w.model.Checked(Ctl::Check_Kiril1_5_e2));
  EXPECT_EQ(w.model.PlainKiril(), u"҂еі");
}

TEST(OtherSystems, NeverShowSlavonicLetters) {
  Window w;
  w.Type(u"1234");
  w.Click(Ctl::GrekIonich);
  const std::u16string greek = w.model.Kiril();
  w.Click(Ctl::x10000);  // selects the second Cyrillic style as well
  EXPECT_TRUE(w.model.Checked(Ctl::Kiril_Old_Tys_Radio2));
  EXPECT_EQ(w.model.Kiril(), greek);
  w.Click(Ctl::Maya);
  w.Click(Ctl::Kiril1_5_e2);  // hidden in Maya: nothing happens
  w.Click(Ctl::Kiril1_5);     // a Maya digit; it also ticks a shared variant box
  EXPECT_TRUE(w.model.Checked(Ctl::Check_Kiril1_5));
  for (char16_t c : w.model.Kiril()) EXPECT_TRUE(c >= u'\uE140' && c <= u'\uE153');
}

}  // namespace
}  // namespace zarno::testing
