// SPDX-License-Identifier: GPL-3.0-or-later
// What the keys of each of the ten keypads do to the number: every shown key added to a few
// starting numbers (one of them near the system's limit), the toggle panels and multipliers,
// the keys a system refuses, and the way back from the output through the system's reader.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "base/number.h"
#include "core/numeral_systems.h"
#include "fake_host.h"
#include "numerals/standard_form.h"
#include "support/u16_print.h"

namespace zarno {
// Cases name their system and keys instead of "1-byte object <03>".
void PrintTo(NumeralSystem system, std::ostream* os) { *os << Name(RadioOf(system)); }
}  // namespace zarno

namespace zarno::testing {
namespace {

std::u16string Digits(std::int64_t n) { return ToDecimal(n); }

// The keys of the keypad that a user can press in the current system.
std::vector<Ctl> ShownKeys(const MainWindowModel& m) {
  std::vector<Ctl> keys;
  for (int i = 0; i < kControlCount; ++i) {
    const Ctl c = static_cast<Ctl>(i);
    if (KindOf(c) == ControlKind::kKey && m.Reachable(c)) keys.push_back(c);
  }
  return keys;
}

// A window switched to `system` with `start` in Sovr ("" for an empty field).
struct SystemWindow : Window {
  explicit SystemWindow(NumeralSystem system) { Click(RadioOf(system)); }
  void Start(std::u16string_view start) {
    Type(u"");
    if (!start.empty()) Type(start);
  }
  // The number the output shows, read back by the system's own reader.
  std::optional<std::int64_t> ReadBack() const {
    return ReadNumeralText(model.System(), model.Kiril());
  }
};

std::string Describe(Ctl key, std::u16string_view start, const MainWindowModel& m) {
  return std::string(Name(key)) + " " + CodePoints(m.Text(key)) + " after \"" + ToUtf8(start) +
         "\"";
}

// ---- Additive keypads: each key adds the number it stands for -----------------------------

class AdditiveKeypad : public ::testing::TestWithParam<NumeralSystem> {};

TEST_P(AdditiveKeypad, EveryKeyAddsItsValueToEachStartingNumber) {
  const NumeralSystem system = GetParam();
  SystemWindow w(system);
  const std::vector<Ctl> keys = ShownKeys(w.model);
  ASSERT_GE(keys.size(), 9u);
  for (Ctl key : keys) {
    const std::int64_t value = ValueOf(key);
    // Empty, a small number, and a number that the key brings exactly to the limit.
    for (const std::int64_t start : {std::int64_t{-1}, std::int64_t{1}, LimitOf(system) - value}) {
      const std::u16string start_text = start < 0 ? u"" : Digits(start);
      w.Start(start_text);
      w.Click(key);
      SCOPED_TRACE(Describe(key, start_text, w.model));
      EXPECT_EQ(w.model.Sovr(), Digits(std::max<std::int64_t>(start, 0) + value));
      EXPECT_EQ(w.ReadBack(), ParseInt64(w.model.Sovr()));
      EXPECT_TRUE(w.host.errors.empty());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Systems, AdditiveKeypad,
                         ::testing::Values(NumeralSystem::kKiril, NumeralSystem::kGlagol,
                                           NumeralSystem::kArmen, NumeralSystem::kGruz,
                                           NumeralSystem::kGrekIonich, NumeralSystem::kGrekAttich,
                                           NumeralSystem::kIudeyskie),
                         [](const auto& param_info) {
                           return std::string(Name(RadioOf(param_info.param)));
                         });

// ---- Roman: each key writes its sign; signs written largest first add up ------------------

TEST(RomanKeypad, EveryKeyAddsItsValueBehindLargerSigns) {
  SystemWindow w(NumeralSystem::kRim);
  const std::vector<Ctl> keys = ShownKeys(w.model);
  ASSERT_GE(keys.size(), 13u);
  for (Ctl key : keys) {
    const std::int64_t value = ValueOf(key);
    // Behind nothing, and behind two signs of 100 000 (three of them near the limit).
    for (const std::int64_t start : {std::int64_t{0}, std::int64_t{200000}}) {
      const std::u16string start_text = start == 0 ? u"" : Digits(start);
      w.Start(start_text);
      w.Click(key);
      SCOPED_TRACE(Describe(key, start_text, w.model));
      EXPECT_EQ(w.model.Sovr(), Digits(start + value));
      EXPECT_EQ(w.ReadBack(), start + value);
    }
  }
}

TEST(RomanKeypad, ASmallerSignBeforeALargerOneSubtracts) {
  SystemWindow w(NumeralSystem::kRim);
  w.Click(Ctl::Kiril1_1);
  w.Click(Ctl::Kiril1_10);
  EXPECT_EQ(w.model.Sovr(), u"9");
  w.Start(u"");
  w.Click(Ctl::Rim_1000_1);
  w.Click(Ctl::Rim_5000_1);
  EXPECT_EQ(w.model.Sovr(), u"4000");
}

// ---- Maya: each key writes one more place ------------------------------------------------------

// The worth of each Maya place from the lowest: 1, 20, then 18 units of 20, then twenty each.
constexpr std::int64_t kMayaPlace[] = {1, 20, 360, 7200, 144000, 2880000, 57600000, 1152000000};

// The number that the Maya numeral of `n` stands for with `digit` written below its lowest
// place: every place moves one up.
std::int64_t MayaWithDigitBelow(std::int64_t n, std::int64_t digit) {
  std::int64_t shifted = digit;
  for (int place = 6; place >= 0; --place) {
    shifted += n / kMayaPlace[place] * kMayaPlace[place + 1];
    n %= kMayaPlace[place];
  }
  return shifted;
}

TEST(MayaKeypad, EveryKeyWritesItsDigitBelowTheLowestPlace) {
  SystemWindow w(NumeralSystem::kMaya);
  const std::vector<Ctl> keys = ShownKeys(w.model);
  ASSERT_EQ(keys.size(), 20u);
  const std::int64_t near_limit = (LimitOf(NumeralSystem::kMaya) - 19) / 20;
  for (Ctl key : keys) {
    const std::int64_t digit = ValueOf(key);
    ASSERT_LT(digit, 20) << Name(key);
    for (const std::int64_t start :
         {std::int64_t{1}, std::int64_t{19}, std::int64_t{400}, near_limit}) {
      w.Start(Digits(start));
      w.Click(key);
      SCOPED_TRACE(Describe(key, Digits(start), w.model));
      const std::int64_t expected = MayaWithDigitBelow(start, digit);
      EXPECT_EQ(w.model.Sovr(), Digits(expected));
      EXPECT_EQ(w.ReadBack(), expected);
    }
  }
}

// ---- Chinese: digits, and rank signs that multiply the digit before them ---------------------

struct KeySequence {
  const char* name;
  std::vector<Ctl> keys;
  std::u16string_view sovr;  // what Sovr holds after the keys
};
void PrintTo(const KeySequence& c, std::ostream* os) { *os << c.name; }

class ChineseKeypad : public ::testing::TestWithParam<KeySequence> {};

TEST_P(ChineseKeypad, KeysMakeTheNumber) {
  SystemWindow w(NumeralSystem::kKitay);
  for (Ctl key : GetParam().keys) w.Click(key);
  EXPECT_EQ(w.model.Sovr(), GetParam().sovr);
  if (!w.model.Sovr().empty()) {
    EXPECT_EQ(w.ReadBack(), ParseInt64(w.model.Sovr()));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, ChineseKeypad,
    ::testing::Values(
        KeySequence{"Digit", {Ctl::Kiril1_7}, u"7"},
        KeySequence{"Tens", {Ctl::Kiril1_3, Ctl::Kiril1_10}, u"30"},
        KeySequence{"Hundreds", {Ctl::Kiril1_3, Ctl::Kiril1_100}, u"300"},
        KeySequence{"Thousands", {Ctl::Kiril1_3, Ctl::Glagolitsa_1000}, u"3000"},
        KeySequence{"TensAndUnits", {Ctl::Kiril1_4, Ctl::Kiril1_10, Ctl::Kiril1_2}, u"42"},
        KeySequence{"AtTheLimit",
                    {Ctl::Kiril1_9, Ctl::Rim_10000_1, Ctl::Kiril1_9, Ctl::Glagolitsa_1000,
                     Ctl::Kiril1_9, Ctl::Kiril1_100, Ctl::Kiril1_9, Ctl::Kiril1_10, Ctl::Kiril1_9},
                    u"99999"},
        // A rank sign needs a digit other than zero before it.
        KeySequence{"RankFirstIsRefused", {Ctl::Kiril1_10}, u""},
        KeySequence{"RanksFirstAreRefused", {Ctl::Kiril1_100, Ctl::Glagolitsa_1000}, u""},
        KeySequence{
            "RankAfterRankIsRefused", {Ctl::Kiril1_2, Ctl::Kiril1_100, Ctl::Kiril1_10}, u"200"}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

bool IsChineseRank(std::int64_t value) {
  return value == 10 || value == 100 || value == 1000 || value == 10000 || value == 100000000;
}

TEST(ChineseKeypadEvery, SignAloneGivesItsNumberAndEveryRankMultipliesTheDigitBefore) {
  SystemWindow w(NumeralSystem::kKitay);
  const std::vector<Ctl> keys = ShownKeys(w.model);
  ASSERT_GE(keys.size(), 20u);
  for (Ctl key : keys) {
    const std::int64_t value = ValueOf(key);
    w.Start(u"");
    w.Click(key);
    SCOPED_TRACE(Describe(key, u"", w.model));
    if (!IsChineseRank(value)) {
      EXPECT_EQ(w.model.Sovr(), Digits(value));
      continue;
    }
    // Refused: no sign is written (ticking the key's variant box may read the empty field as 0).
    EXPECT_TRUE(w.model.Sovr() == u"" || w.model.Sovr() == u"0")
        << "a rank without a digit gives " << ToUtf8(w.model.Sovr());
    w.Click(Ctl::Kiril1_0_1);
    w.Click(key);
    EXPECT_EQ(w.model.Sovr(), u"0") << "a rank after zero";
    if (2 * value > LimitOf(NumeralSystem::kKitay)) continue;
    w.Start(u"");
    w.Click(Ctl::Kiril1_2);
    w.Click(key);
    EXPECT_EQ(w.model.Sovr(), Digits(2 * value)) << "a rank after 2";
  }
}

// ---- Toggle panels and multipliers -------------------------------------------------------------

struct PanelCase {
  const char* name;
  NumeralSystem system;
  std::u16string_view start;
  std::vector<Ctl> panels;  // clicked in this order before the key
  Ctl key;
  std::u16string_view sovr;
};
void PrintTo(const PanelCase& c, std::ostream* os) { *os << c.name; }

class Panels : public ::testing::TestWithParam<PanelCase> {};

TEST_P(Panels, MultiplyTheNextKeyAndAreReleasedByIt) {
  const PanelCase& c = GetParam();
  SystemWindow w(c.system);
  w.Start(c.start);
  for (Ctl panel : c.panels) w.Click(panel);
  for (Ctl panel : c.panels) EXPECT_TRUE(w.model.Checked(panel)) << Name(panel);
  w.Click(c.key);
  EXPECT_EQ(w.model.Sovr(), c.sovr);
  for (Ctl panel : c.panels) EXPECT_FALSE(w.model.Checked(panel)) << Name(panel);
  EXPECT_EQ(w.ReadBack(), ParseInt64(w.model.Sovr()));
}

INSTANTIATE_TEST_SUITE_P(Cases, Panels,
                         ::testing::Values(PanelCase{"KirilThousand",
                                                     NumeralSystem::kKiril,
                                                     u"",
                                                     {Ctl::Tysyasha},
                                                     Ctl::Kiril1_5,
                                                     u"5000"},
                                           PanelCase{"KirilTenThousand",
                                                     NumeralSystem::kKiril,
                                                     u"7",
                                                     {Ctl::x10000},
                                                     Ctl::Kiril1_5,
                                                     u"50007"},
                                           PanelCase{"KirilHundredThousand",
                                                     NumeralSystem::kKiril,
                                                     u"",
                                                     {Ctl::x100000},
                                                     Ctl::Kiril1_5,
                                                     u"500000"},
                                           PanelCase{"KirilHundredThousandAtTheLimit",
                                                     NumeralSystem::kKiril,
                                                     u"99999",
                                                     {Ctl::x100000},
                                                     Ctl::Kiril1_9,
                                                     u"999999"},
                                           PanelCase{"KirilTenThousandOfTens",
                                                     NumeralSystem::kKiril,
                                                     u"",
                                                     {Ctl::x10000},
                                                     Ctl::Kiril1_20,
                                                     u"200000"},
                                           PanelCase{"GrekIonichThousand",
                                                     NumeralSystem::kGrekIonich,
                                                     u"",
                                                     {Ctl::Tysyasha},
                                                     Ctl::Kiril1_5,
                                                     u"5000"},
                                           PanelCase{"GrekIonichThousandLeavesTens",
                                                     NumeralSystem::kGrekIonich,
                                                     u"",
                                                     {Ctl::Tysyasha},
                                                     Ctl::Kiril1_50,
                                                     u"50"},
                                           PanelCase{"GrekIonichMyriad",
                                                     NumeralSystem::kGrekIonich,
                                                     u"",
                                                     {Ctl::x10000},
                                                     Ctl::Kiril1_50,
                                                     u"500000"},
                                           PanelCase{"GrekIonichThousandMyriads",
                                                     NumeralSystem::kGrekIonich,
                                                     u"",
                                                     {Ctl::Tysyasha, Ctl::x10000},
                                                     Ctl::Kiril1_5,
                                                     u"50000000"},
                                           PanelCase{"GrekIonichThousandMyriadsAtTheLimit",
                                                     NumeralSystem::kGrekIonich,
                                                     u"9999999",
                                                     {Ctl::Tysyasha, Ctl::x10000},
                                                     Ctl::Kiril1_9,
                                                     u"99999999"},
                                           PanelCase{"GrekIonichThousandMyriadsRefuseTens",
                                                     NumeralSystem::kGrekIonich,
                                                     u"3",
                                                     {Ctl::Tysyasha, Ctl::x10000},
                                                     Ctl::Kiril1_50,
                                                     u"3"},
                                           PanelCase{"IudeyskieThousand",
                                                     NumeralSystem::kIudeyskie,
                                                     u"",
                                                     {Ctl::Tysyasha},
                                                     Ctl::Kiril1_5,
                                                     u"5000"},
                                           PanelCase{"IudeyskieThousandAtTheLimit",
                                                     NumeralSystem::kIudeyskie,
                                                     u"999",
                                                     {Ctl::Tysyasha},
                                                     Ctl::Kiril1_9,
                                                     u"9999"},
                                           PanelCase{"IudeyskieThousandAfterUnits",
                                                     NumeralSystem::kIudeyskie,
                                                     u"5",
                                                     {Ctl::Tysyasha},
                                                     Ctl::Kiril1_3,
                                                     u"3005"}),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(PanelsToggle, ASecondClickReleasesThePanel) {
  for (NumeralSystem system : {NumeralSystem::kKiril, NumeralSystem::kGrekIonich}) {
    SystemWindow w(system);
    for (Ctl panel : {Ctl::Tysyasha, Ctl::x10000}) {
      w.Click(panel);
      w.Click(panel);
      EXPECT_FALSE(w.model.Checked(panel)) << Name(panel);
    }
    w.Click(Ctl::Kiril1_5);
    EXPECT_EQ(w.model.Sovr(), u"5");
  }
}

// ---- The thousands panel of each keypad -------------------------------------------------------

TEST(ThousandsPanel, EveryKeypadThatShowsItMakesTheNextKeyThousands) {
  int keypads = 0;
  for (const NumeralSystemRow& row : NumeralSystems()) {
    SystemWindow w(row.system);
    if (!w.model.Reachable(Ctl::Tysyasha)) continue;
    ++keypads;
    w.Click(Ctl::Tysyasha);
    EXPECT_TRUE(w.model.Checked(Ctl::Tysyasha)) << Name(row.radio);
    w.Click(Ctl::Kiril1_5);
    EXPECT_EQ(w.model.Sovr(), u"5000") << Name(row.radio);
    EXPECT_FALSE(w.model.Checked(Ctl::Tysyasha)) << Name(row.radio);
  }
  EXPECT_EQ(keypads, 3) << "Cyrillic, Greek Ionic and Hebrew show it";
}

TEST(ThousandsPanel, OnlyCyrillicMovesTheSelectedLettersBehindAThousandsSign) {
  for (const NumeralSystem system :
       {NumeralSystem::kKiril, NumeralSystem::kGrekIonich, NumeralSystem::kIudeyskie}) {
    SystemWindow w(system);
    w.Start(u"701");
    const std::u16string shown = w.model.Kiril();
    w.model.SelectKiril(2, 2);
    w.Click(Ctl::Tysyasha);
    if (system == NumeralSystem::kKiril) {
      EXPECT_EQ(w.model.Sovr(), u"1700");
      EXPECT_FALSE(w.model.Checked(Ctl::Tysyasha)) << "spent on the moved letters";
    } else {
      EXPECT_EQ(w.model.Sovr(), u"701") << Name(RadioOf(system));
      EXPECT_EQ(w.model.Kiril(), shown) << Name(RadioOf(system));
      EXPECT_TRUE(w.model.Checked(Ctl::Tysyasha)) << "kept for the next key";
    }
  }
}

// ---- Glyph variant boxes ---------------------------------------------------------------------

TEST(ChineseVariantBoxes, APairRedrawsTheNumberAsTypedAndATripleReadsTheSignsBack) {
  SystemWindow w(NumeralSystem::kKitay);
  w.Start(u"0012");
  ASSERT_EQ(w.model.Kiril(), u"◯◯一十二");
  w.Click(Ctl::Check_Kiril1_1_2);  // the formal one
  EXPECT_EQ(w.model.Sovr(), u"0012");
  EXPECT_EQ(w.model.Kiril(), u"◯◯壹十二");
  w.Click(Ctl::Check_Kiril1_6_s2);  // the formal six, one of three
  EXPECT_EQ(w.model.Sovr(), u"12");
  EXPECT_EQ(w.model.Kiril(), u"壹十二");
}

// ---- Typed numbers come back through the reader ---------------------------------------------

class RoundTrip : public ::testing::TestWithParam<NumeralSystem> {};

TEST_P(RoundTrip, TypedNumbersReadBackFromTheOutput) {
  const NumeralSystem system = GetParam();
  SystemWindow w(system);
  const std::int64_t limit = LimitOf(system);
  for (const std::int64_t n : {std::int64_t{1}, std::int64_t{9}, std::int64_t{11}, std::int64_t{99},
                               std::int64_t{1000}, std::int64_t{2024}, limit / 2 + 1, limit}) {
    if (n > limit) continue;
    w.Start(Digits(n));
    EXPECT_EQ(w.ReadBack(), n) << n << " shown as " << CodePoints(w.model.Kiril());
  }
}

INSTANTIATE_TEST_SUITE_P(Systems, RoundTrip,
                         ::testing::Values(NumeralSystem::kKiril, NumeralSystem::kGlagol,
                                           NumeralSystem::kRim, NumeralSystem::kKitay,
                                           NumeralSystem::kArmen, NumeralSystem::kGruz,
                                           NumeralSystem::kGrekIonich, NumeralSystem::kGrekAttich,
                                           NumeralSystem::kMaya, NumeralSystem::kIudeyskie),
                         [](const auto& param_info) {
                           return std::string(Name(RadioOf(param_info.param)));
                         });

// ---- The Hebrew option "обычай" ------------------------------------------------------------

TEST(HebrewCustomaryOrder, AnOptionOfTheHebrewKeypadOffAtStartAndNeverSaved) {
  FakeHost host;
  {
    MainWindowModel m(host);
    m.FormCreate();
    EXPECT_FALSE(m.Checked(Ctl::Obychay));
    EXPECT_FALSE(m.Click(Ctl::Obychay)) << "hidden outside the Hebrew keypad";
    ASSERT_TRUE(m.Click(Ctl::Iudeyskie));
    EXPECT_EQ(m.Text(Ctl::Obychay), u"обычай");
    m.SetText(Ctl::Sovr, u"5744");
    EXPECT_EQ(m.Kiril(), u"ה׳תשמד");
    ASSERT_TRUE(m.Click(Ctl::Obychay));
    EXPECT_EQ(m.Kiril(), u"ה׳תשדמ") << "a click redraws the number";
    ASSERT_TRUE(m.Click(Ctl::Gershaim));
    EXPECT_EQ(m.Kiril(), u"ה׳תשד״מ");
    // Kept, like the gershayim, across a system switch and a clearing.
    m.Click(Ctl::KirilRadio);
    m.Click(Ctl::Iudeyskie);
    EXPECT_TRUE(m.Checked(Ctl::Obychay));
    EXPECT_EQ(m.Kiril(), u"ה׳תשד״מ");
    m.Click(Ctl::Button1);
    EXPECT_TRUE(m.Checked(Ctl::Obychay));
    // The keypad's additions are drawn in the customary order too.
    m.Click(Ctl::Kiril1_300);
    m.Click(Ctl::Kiril1_4);
    EXPECT_EQ(m.Sovr(), u"304");
    EXPECT_EQ(m.Kiril(), u"ד״ש");
    m.SaveSettings();
  }
  std::ifstream file(host.dir.path() / "Zarno.ini", std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.find("Obychay"), std::string::npos) << text;
  MainWindowModel again(host);
  again.FormCreate();
  EXPECT_FALSE(again.Checked(Ctl::Obychay));
}

}  // namespace
}  // namespace zarno::testing
