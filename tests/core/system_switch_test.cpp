// SPDX-License-Identifier: GPL-3.0-or-later
// What a switch of system does besides drawing the number: the size of the key glyphs (larger
// in our font, except for Roman) and of the myriad panels, the panels it releases, the shape of
// the output field and the Hebrew final-letter option.
#include <gtest/gtest.h>

#include "core/numeral_systems.h"
#include "fake_host.h"
#include "keypads/layout.h"
#include "numerals/hebrew.h"

namespace zarno::testing {
namespace {

struct SwitchCase {
  NumeralSystem system;
  int key_points;              // the glyphs of the keys in another font
  int key_points_in_our_font;  // and while the output is drawn in ours
  bool releases_thousands;
  bool releases_myriad;
};

constexpr SwitchCase kCases[] = {
    {NumeralSystem::kRim, 18, 18, false, false},
    {NumeralSystem::kKitay, 18, 20, false, false},
    {NumeralSystem::kArmen, 18, 20, true, false},
    {NumeralSystem::kGruz, 14, 20, true, false},
    {NumeralSystem::kGrekIonich, 16, 20, true, true},
    {NumeralSystem::kGrekAttich, 18, 20, false, false},
    {NumeralSystem::kMaya, 18, 20, false, false},
    {NumeralSystem::kIudeyskie, 18, 20, false, false},
};

// A key every keypad shows.
constexpr Ctl kSomeKey = Ctl::Kiril1_1;

TEST(SystemSwitch, SizesTheKeysForTheOutputFont) {
  for (const SwitchCase& c : kCases) {
    for (const bool ours : {false, true}) {
      Window w;
      w.model.SetText(FontBoxOf(c.system), ours ? u"Kolvana+" : u"DejaVu Sans");
      w.Click(RadioOf(c.system));
      ASSERT_EQ(w.model.System(), c.system);
      EXPECT_EQ(w.model.State(kSomeKey).font_size, ours ? c.key_points_in_our_font : c.key_points)
          << Name(RadioOf(c.system)) << (ours ? " in our font" : " in another font");
    }
  }
}

TEST(SystemSwitch, ReleasesThePanelsOfTheSystem) {
  for (const SwitchCase& c : kCases) {
    Window w;
    // Panels pressed in Cyrillic stay pressed until a key or a switch releases them.
    w.Click(Ctl::Tysyasha);
    w.Click(Ctl::x10000);
    ASSERT_TRUE(w.model.Checked(Ctl::Tysyasha) && w.model.Checked(Ctl::x10000));
    w.Click(RadioOf(c.system));
    EXPECT_EQ(w.model.Checked(Ctl::Tysyasha), !c.releases_thousands) << Name(RadioOf(c.system));
    EXPECT_EQ(w.model.Checked(Ctl::x10000), !c.releases_myriad) << Name(RadioOf(c.system));
  }
}

// The compiler checks the texts and limit of every row; the pointers it cannot check in every
// build.
TEST(SystemSwitch, EveryRowNamesItsWriterLayoutAndHandlers) {
  for (const NumeralSystemRow& row : NumeralSystems()) {
    EXPECT_NE(row.writer, nullptr) << Name(row.radio);
    EXPECT_NE(row.layout, nullptr) << Name(row.radio);
    EXPECT_NE(row.render, nullptr) << Name(row.radio);
    EXPECT_NE(row.press_key, nullptr) << Name(row.radio);
    EXPECT_NE(row.render_after_key, nullptr) << Name(row.radio);
    EXPECT_NE(row.redraw, nullptr) << Name(row.radio);
    // The common renderer draws with the unit the row names.
    if (row.render == &MainWindowModel::RenderNumeral) {
      EXPECT_NE(row.numeral, nullptr) << Name(row.radio);
    }
  }
}

TEST(SystemSwitch, MayaAloneHasAColumnAndHebrewAloneDisablesTheFinalLetters) {
  for (const NumeralSystemRow& row : NumeralSystems()) {
    Window w;
    w.Click(row.radio);
    const bool maya = row.system == NumeralSystem::kMaya;
    EXPECT_EQ(w.model.State(Ctl::Kiril).place, maya ? kKirilMayaColumn : kKirilLine)
        << Name(row.radio);
  }
  Window w;
  w.Click(Ctl::Iudeyskie);
  EXPECT_FALSE(w.model.Checked(Ctl::Ispolzovat));
  w.Click(Ctl::Armen);
  EXPECT_TRUE(w.model.Checked(Ctl::Ispolzovat));
}

TEST(SystemSwitch, TheCyrillicMyriadPanelsKeepTheirSizeAndTheGreekOnesFollowTheKeys) {
  for (const bool ours : {false, true}) {
    const std::u16string font = ours ? u"Kolvana+" : u"DejaVu Sans";
    Window w;
    ASSERT_TRUE(w.model.SetText(Ctl::FontKirillitsa, font));
    ASSERT_TRUE(w.model.SetText(Ctl::FontGrekIonich, font));
    w.Click(Ctl::KirilRadio);
    ASSERT_TRUE(w.model.Reachable(Ctl::x10000));
    EXPECT_EQ(w.model.State(Ctl::x10000).font_size, 19);
    EXPECT_EQ(w.model.State(Ctl::x100000).font_size, 19);
    EXPECT_NE(w.model.State(kSomeKey).font_size, 19);
    w.Click(Ctl::GrekIonich);
    ASSERT_TRUE(w.model.Reachable(Ctl::x10000));
    EXPECT_EQ(w.model.State(Ctl::x10000).font_size, w.model.State(kSomeKey).font_size);
  }
}

// Hebrew turns the final letters off, and with them the keys of 500 to 900, which the other
// keypads show as ordinary keys.
TEST(SystemSwitch, TheFinalLetterKeysComeBackInEveryKeypadAfterHebrew) {
  for (const NumeralSystemRow& row : NumeralSystems()) {
    if (row.system == NumeralSystem::kIudeyskie) continue;
    Window w;
    w.Click(row.radio);
    w.Click(Ctl::Iudeyskie);
    EXPECT_FALSE(w.model.Checked(Ctl::Ispolzovat)) << "after " << Name(row.radio);
    EXPECT_FALSE(w.model.Reachable(Ctl::Kiril1_500)) << "after " << Name(row.radio);
    w.Type(u"500");
    EXPECT_EQ(w.model.Kiril(), u"תק");
    w.Click(row.radio);
    for (const Ctl key : kFinalLetterKeys) {
      if (!w.model.State(key).shown) continue;
      EXPECT_TRUE(w.model.Reachable(key)) << Name(key) << " in " << Name(row.radio);
    }
  }
}

}  // namespace
}  // namespace zarno::testing
