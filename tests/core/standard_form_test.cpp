// SPDX-License-Identifier: GPL-3.0-or-later
// Numerals in standard Unicode: for every system, every glyph variant and option box and every
// numeral-mark style, the standard form of what the window shows holds no private-use code
// point and reads back to the number; and the forms of the marks themselves.
#include "numerals/standard_form.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "base/number.h"
#include "core/numeral_systems.h"
#include "fake_host.h"
#include "numerals/captions.h"
#include "numerals/chinese.h"
#include "numerals/greek_ionic.h"
#include "numerals/roman.h"
#include "numerals/slavonic.h"
#include "support/u16_print.h"

namespace zarno::testing {
namespace {

// The numbers a system is checked on: all of the first thousands, the limit, the powers of
// ten below it, and a fixed random sample of the rest.
std::vector<std::int64_t> Sample(NumeralSystem system, int random_count) {
  const std::int64_t limit = LimitOf(system);
  std::vector<std::int64_t> numbers;
  for (std::int64_t n = 1; n <= std::min<std::int64_t>(limit, 2100); ++n) numbers.push_back(n);
  for (std::int64_t p = 10; p <= limit; p *= 10) numbers.push_back(p);
  numbers.push_back(limit);
  std::mt19937_64 random(static_cast<std::uint64_t>(limit));
  std::uniform_int_distribution<std::int64_t> pick(1, limit);
  for (int i = 0; i < random_count && limit > 2100; ++i) numbers.push_back(pick(random));
  return numbers;
}

// Every option and glyph-variant box (and the style radio) that a system's keypad shows.
std::vector<Ctl> ShownBoxes(const MainWindowModel& m) {
  std::vector<Ctl> boxes;
  for (int i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Ctl>(i);
    const ControlKind k = KindOf(c);
    const bool box = k == ControlKind::kVariantBox || k == ControlKind::kOptionBox ||
                     k == ControlKind::kStyleRadio;
    if (box && m.Reachable(c)) boxes.push_back(c);
  }
  return boxes;
}

// Renders every number of the sample and checks its standard form; counts the numbers
// checked, so that a sample that writes nothing cannot pass unnoticed.
void CheckStandardForms(Window& w, NumeralSystem system, const std::vector<std::int64_t>& numbers,
                        const std::string& setting, int& checked) {
  checked = 0;
  for (std::int64_t n : numbers) {
    w.Type(ToDecimal(n));
    const std::u16string& shown = w.model.Kiril();
    if (shown.empty()) continue;  // a variant that cannot write this number
    const std::u16string standard = StandardForm(system, shown, w.model.MarkWidth());
    ++checked;
    ASSERT_FALSE(HasPrivateUse(standard))
        << setting << ", " << n << ": " << CodePoints(shown) << " -> " << CodePoints(standard);
    ASSERT_EQ(ReadNumeralText(system, standard), n)
        << setting << ": " << CodePoints(shown) << " -> " << CodePoints(standard);
    ASSERT_EQ(ReadNumeralText(system, shown), n) << setting << ": " << CodePoints(shown);
  }
}

class StandardFormEverySystem : public ::testing::TestWithParam<NumeralSystem> {};

// Each box of the system ticked (or unticked) by itself, then all of them flipped at once.
TEST_P(StandardFormEverySystem, EveryBoxHasNoPrivateUseAndReadsBack) {
  const NumeralSystem system = GetParam();
  const auto numbers = Sample(system, 1500);
  Window first;
  first.Click(RadioOf(system));
  const std::vector<Ctl> boxes = ShownBoxes(first.model);
  auto run = [&](const std::vector<Ctl>& clicks, const std::string& setting) {
    Window w;
    w.Click(RadioOf(system));
    for (Ctl c : clicks) w.Click(c);
    int checked = 0;
    CheckStandardForms(w, system, numbers, setting, checked);
    EXPECT_GT(checked, 0) << setting;
  };
  run({}, "default");
  for (Ctl box : boxes) run({box}, std::string(Name(box)));
  run(boxes, "all boxes clicked");
}

INSTANTIATE_TEST_SUITE_P(Systems, StandardFormEverySystem,
                         ::testing::Values(NumeralSystem::kKiril, NumeralSystem::kGlagol,
                                           NumeralSystem::kRim, NumeralSystem::kKitay,
                                           NumeralSystem::kArmen, NumeralSystem::kGruz,
                                           NumeralSystem::kGrekIonich, NumeralSystem::kGrekAttich,
                                           NumeralSystem::kMaya, NumeralSystem::kIudeyskie),
                         [](const auto& param_info) {
                           return std::string(Name(RadioOf(param_info.param)));
                         });

struct SlavonicSetting {
  NumeralSystem system;
  std::vector<Ctl> clicks;
};

// "GlagolRadio+IspTochka+Check_Glag_500_KirilF": the system and the clicks.
std::string SettingName(const SlavonicSetting& s) {
  std::string name(Name(RadioOf(s.system)));
  for (Ctl c : s.clicks) name += "+" + std::string(Name(c));
  return name;
}
void PrintTo(const SlavonicSetting& s, std::ostream* os) { *os << SettingName(s); }

class StandardFormMarkStyles : public ::testing::TestWithParam<SlavonicSetting> {};

// The nine numeral-mark styles, with dots, the sign on the line and the second way of
// writing ten and hundred thousands.
TEST_P(StandardFormMarkStyles, EveryStyleHasNoPrivateUseAndReadsBack) {
  const SlavonicSetting& s = GetParam();
  const auto numbers = Sample(s.system, 600);
  for (int width = 1; width <= 9; ++width) {
    Window w;
    w.Click(RadioOf(s.system));
    for (Ctl c : s.clicks) w.Click(c);
    w.Type(u"1");
    while (w.model.MarkWidth() != width) w.Click(Ctl::Zarno);
    int checked = 0;
    CheckStandardForms(w, s.system, numbers, "style " + std::to_string(width), checked);
    EXPECT_GT(checked, 0) << "style " << width;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StandardFormMarkStyles,
    ::testing::Values(
        SlavonicSetting{NumeralSystem::kKiril, {}},
        SlavonicSetting{NumeralSystem::kKiril, {Ctl::IspTochka}},
        SlavonicSetting{NumeralSystem::kKiril, {Ctl::IspTochka, Ctl::TysyashaNizhe}},
        SlavonicSetting{NumeralSystem::kKiril, {Ctl::Kiril_Old_Tys_Radio2}},
        SlavonicSetting{NumeralSystem::kKiril, {Ctl::Kiril_Old_Tys_Radio2, Ctl::IspTochka}},
        SlavonicSetting{NumeralSystem::kGlagol, {}},
        SlavonicSetting{NumeralSystem::kGlagol, {Ctl::IspTochka, Ctl::Check_Glag_500_KirilF}}),
    [](const auto& param_info) {
      std::string name = SettingName(param_info.param);
      for (char& c : name) {
        if (c == '+') c = '_';
      }
      return name;
    });

// ---- The forms themselves ----------------------------------------------------------------

struct FormCase {
  std::u16string ours;
  int mark_width;
  std::u16string standard;
};

void PrintTo(const FormCase& c, std::ostream* os) {
  *os << "style " << c.mark_width << " of " << CodePoints(c.ours);
}

class SlavonicMarks : public ::testing::TestWithParam<FormCase> {};

TEST_P(SlavonicMarks, TitloWhereChurchSlavonicPlacesIt) {
  EXPECT_EQ(CodePoints(KirilToStandard(GetParam().ours, GetParam().mark_width)),
            CodePoints(GetParam().standard));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, SlavonicMarks,
    ::testing::Values(
        // Style 1: a titlo after every letter that has a mark, whatever its width.
        FormCase{u"а\u0483і\uE075", 1, u"а\u0483і\u0483"},
        FormCase{u"\u0482а\u0483с\u0483л\u0483д\uE076", 1, u"\u0482а\u0483с\u0483л\u0483д\u0483"},
        FormCase{u"ѱ\uE065", 1, u"ѱ\u0483"},
        // One mark over the number: one titlo over its last but one letter.
        FormCase{u"ві\uE075", 2, u"в\u0483і"}, FormCase{u"ві\u0483", 3, u"в\u0483і"},
        FormCase{u"\u0482аѱѕ\uE060", 8, u"\u0482аѱ\u0483ѕ"}, FormCase{u"а\uE079", 7, u"а\u0483"},
        FormCase{u"\uE077", 5, u"\u0483"},
        FormCase{u"\u2027в\u2027і\uE075\u2027", 2, u"\u2027в\u0483\u2027і\u2027"},
        // Style 9 sets its one titlo over the last but one character, which may be the
        // thousands sign: the standard titlo goes over a letter.
        FormCase{u"в\u0483і", 9, u"в\u0483і"}, FormCase{u"\u0482\u0483а", 9, u"\u0482а\u0483"},
        // The signs round a letter, the low dot and the older letters.
        FormCase{u"а\uE085 а\uE070", 1, u"а\u0488 а\u20DD"},
        FormCase{u"а\uE070а\uE076", 4, u"а\u20DD\u0483а"},
        FormCase{u"\u0482\uE130а\u0483", 1, u"\u0482.а\u0483"},
        FormCase{u"\uE03E\uE038\uE066\uE067\uE068\uE069", 1, u"\uA643\uA641ѯчц\u2C47"},
        // Without marks nothing moves.
        FormCase{u"ві", 4, u"ві"}));

TEST(OtherSystemsStandardForm, MarksAndSignsOfTheUnicodeStandard) {
  // Roman in Latin capitals; the signs without a Latin letter kept; older forms as their sign.
  EXPECT_EQ(RimToStandard(u"ⅯⅭⅯⅩⅭⅠⅩ"), u"MCMXCIX");
  EXPECT_EQ(RimToStandard(u"ↈↇↂↁↀↆⅬⅮⅤ"), u"ↈↇↂↁↀↆLDV");
  EXPECT_EQ(RimToStandard(u"\uE107\uE105\uE103\uE106\uE104\uE101"), u"ↂↀDDCV");
  // Greek: keraia, lower numeral sign, the myriad as Greek capital Mu.
  EXPECT_EQ(GrekIonichToStandard(u"Мα ,βτμε'"), u"Μα \u0375βτμε\u0374");
  // Chinese zero, from either circle the keypad shows.
  EXPECT_EQ(KitayToStandard(u"一萬◯一十"), u"一萬〇一十");
  EXPECT_EQ(KitayToStandard(u"一萬\u20DD一十"), u"一萬〇一十");
  // Hebrew, Armenian and Georgian are standard already.
  for (NumeralSystem s : {NumeralSystem::kIudeyskie, NumeralSystem::kArmen, NumeralSystem::kGruz}) {
    EXPECT_EQ(StandardForm(s, u"ה׳תשפ״ד"), u"ה׳תשפ״ד");
  }
}

// Every sign of every keypad, also those of keys that no keypad shows, has a standard form.
TEST(StandardFormOfEveryCaption, NoPrivateUseLeft) {
  struct Table {
    NumeralSystem system;
    std::span<const CaptionEntry> captions;
  };
  const Table tables[] = {
      {NumeralSystem::kKiril, KirilCaptions()},
      {NumeralSystem::kGlagol, GlagolCaptions()},
      {NumeralSystem::kRim, RimCaptions()},
      {NumeralSystem::kGrekIonich, GrekIonichCaptions()},
      {NumeralSystem::kGrekAttich, GrekAttichCaptions()},
      {NumeralSystem::kKitay, KitayCaptions()},
      {NumeralSystem::kKitay, KitayFormalCaptions()},
      {NumeralSystem::kKitay, KitaySimplifiedCaptions()},
      {NumeralSystem::kArmen, ArmenCaptions()},
      {NumeralSystem::kGruz, GruzCaptions()},
      {NumeralSystem::kMaya, MayaCaptions()},
      {NumeralSystem::kIudeyskie, IudeyskieCaptions()},
  };
  int signs = 0;
  for (const Table& t : tables) {
    for (const CaptionEntry& e : t.captions) {
      ++signs;
      EXPECT_FALSE(HasPrivateUse(StandardForm(t.system, e.text)))
          << Name(e.control) << " " << CodePoints(e.text);
    }
  }
  for (std::u16string_view zero : {KitayZeroFor(u"Arial Unicode MS"), KitayZeroFor(u"")}) {
    EXPECT_EQ(StandardForm(NumeralSystem::kKitay, zero), u"\u3007");
  }
  EXPECT_GT(signs, 200);
}

TEST(ReadingStandardForms, DotsNeverPartAThousandsSignFromItsLetter) {
  // With dots, a lowered thousands sign is followed by its own dot before the letter.
  EXPECT_EQ(
      ReadKirilText(u"\u0482\uE130а\u0483\u2027с\u0483\u2027л\u0483\u2027д\uE076\u2027", false),
      1234);
  EXPECT_EQ(ReadKirilText(u"\u0482.а\u0483\u2027с\u0483", false), 1200);
  EXPECT_EQ(ReadKirilText(u"а\u0488 в\u20DD\u0482.г\u0483у\u0483н\u0483ѕ\u0483", false), 123456);
  EXPECT_EQ(ReadKirilText(u"\uA643\uA641", false), 13);
}

// ---- The copy command "Копировать в стандартном Юникоде" ------------------------------------

TEST(CopyInStandardUnicode, TheWholeOutputOrAPartInTheCurrentMarkStyle) {
  Window w;
  w.Type(u"1234");
  const std::u16string whole = w.model.StandardText(Ctl::Kiril);
  EXPECT_EQ(whole, StandardForm(NumeralSystem::kKiril, w.model.Kiril(), 1));
  EXPECT_FALSE(HasPrivateUse(whole)) << CodePoints(whole);
  EXPECT_TRUE(HasPrivateUse(w.model.Kiril())) << "the output itself ends in our mark";
  EXPECT_EQ(ReadNumeralText(NumeralSystem::kKiril, whole), 1234);
  // A part: the thousands sign and its letter.
  EXPECT_EQ(w.model.StandardText(Ctl::Kiril, 0, 2), u"҂а");
  // Parts that reach past the text end with it.
  EXPECT_EQ(w.model.StandardText(Ctl::Kiril, 1, 1000),
            StandardForm(NumeralSystem::kKiril, w.model.Kiril().substr(1), 1));
  EXPECT_EQ(w.model.StandardText(Ctl::Kiril, 1000, 2), u"");
  // Another mark style writes one titlo over the group: the style is the window's.
  w.Click(Ctl::Zarno);
  w.Click(Ctl::Zarno);
  ASSERT_NE(w.model.MarkWidth(), 1);
  EXPECT_EQ(w.model.StandardText(Ctl::Kiril),
            StandardForm(NumeralSystem::kKiril, w.model.Kiril(), w.model.MarkWidth()));
  EXPECT_EQ(ReadNumeralText(NumeralSystem::kKiril, w.model.StandardText(Ctl::Kiril)), 1234);
}

TEST(CopyInStandardUnicode, EverySystemLeavesNoPrivateUse) {
  for (const NumeralSystemRow& row : NumeralSystems()) {
    Window w;
    w.Click(row.radio);
    const std::int64_t n = std::min<std::int64_t>(row.limit, 1999);
    w.Type(ToDecimal(n));
    ASSERT_FALSE(w.model.Kiril().empty()) << row.cli_name;
    const std::u16string standard = w.model.StandardText(Ctl::Kiril);
    EXPECT_FALSE(HasPrivateUse(standard)) << row.cli_name << " " << CodePoints(standard);
    EXPECT_EQ(ReadNumeralText(row.system, standard), n) << row.cli_name;
  }
}

TEST(CopyInStandardUnicode, DigitsComeWithTheTamilZeroForItsStandIn) {
  Window w;
  w.model.SetText(Ctl::FontArab1, u"Arial Unicode MS");
  w.model.SetText(Ctl::Dr10Znak_Name, u"Тамильские соврем.");
  w.Type(u"105");
  ASSERT_EQ(w.model.Text(Ctl::Arab1), u"௧o௫");
  EXPECT_EQ(w.model.StandardText(Ctl::Arab1), u"௧௦௫");
  EXPECT_EQ(w.model.StandardText(Ctl::Arab1, 1, 1), u"௦");
  // Another set keeps its digits as they are.
  w.model.SetText(Ctl::Dr10Znak_Name, u"Тайские");
  EXPECT_EQ(w.model.StandardText(Ctl::Arab1), w.model.Text(Ctl::Arab1));
}

TEST(SystemHelp, F1OpensThePageOfTheSelectedSystem) {
  Window w;
  w.model.SystemHelpClick();
  w.Click(Ctl::RimRadio);
  w.model.SystemHelpClick();
  w.Click(Ctl::Gruz);
  w.model.SystemHelpClick();
  w.Click(Ctl::GrekAttich);
  w.model.SystemHelpClick();
  EXPECT_EQ(w.host.help_pages,
            (std::vector<std::string>{"cyrillic", "roman", "fonts", "greek_attic"}));
}

}  // namespace
}  // namespace zarno::testing
