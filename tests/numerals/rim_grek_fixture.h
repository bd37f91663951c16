// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared pieces of the Roman and Greek tests: a glyph store (the captions of one keypad
// written onto fresh control states whose variant boxes are at their start states) and the
// checks every keypad layout must pass.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/control_state.h"
#include "keypads/layout.h"
#include "numerals/captions.h"
#include "numerals/keypad_view.h"

namespace zarno::testing {

// The variant groups of the keypad; the first box of each is ticked at start.
inline constexpr std::array<std::array<Ctl, 3>, 21> kVariantGroups = {{
    {Ctl::Check_Kiril1_0, Ctl::Check_Kiril1_0_2, Ctl::Check_Kiril1_0_2},
    {Ctl::Check_Kiril1_1, Ctl::Check_Kiril1_1_2, Ctl::Check_Kiril1_1_2},
    {Ctl::Check_Kiril1_2, Ctl::Check_Kiril1_2_2, Ctl::Check_Kiril1_2_2},
    {Ctl::Check_Kiril1_3, Ctl::Check_Kiril1_3_2, Ctl::Check_Kiril1_3_2},
    {Ctl::Check_Kiril1_4, Ctl::Check_Kiril1_4_2, Ctl::Check_Kiril1_4_2},
    {Ctl::Check_Kiril1_5, Ctl::Check_Kiril1_5_e2, Ctl::Check_Kiril1_5_e2},
    {Ctl::Check_Kiril1_6, Ctl::Check_Kiril1_6_s2, Ctl::Check_Kiril1_6_3},
    {Ctl::Check_Kiril1_7, Ctl::Check_Kiril1_7_z2, Ctl::Check_Kiril1_7_z2},
    {Ctl::Check_Kiril1_8, Ctl::Check_Kiril1_8_2, Ctl::Check_Kiril1_8_2},
    {Ctl::Check_Kiril1_9, Ctl::Check_Kiril1_9_2, Ctl::Check_Kiril1_9_2},
    {Ctl::Check_Kiril1_10, Ctl::Check_Kiril1_10_2, Ctl::Check_Kiril1_10_2},
    {Ctl::Check_Kiril1_50, Ctl::Check_Kiril1_50_Rim, Ctl::Check_Kiril1_50_Rim},
    {Ctl::Check_Kiril1_60, Ctl::Check_Kiril1_60_oldz, Ctl::Check_Kiril1_60_oldz},
    {Ctl::Check_Kiril1_90_che, Ctl::Check_Kiril1_90_koppa, Ctl::Check_Kiril1_90_che2},
    {Ctl::Check_Kiril1_100, Ctl::Check_Kiril1_100_Rim, Ctl::Check_Kiril1_100_Rim},
    {Ctl::Check_Kiril1_400_y, Ctl::Check_Kiril1_400_izh, Ctl::Check_Kiril1_400_izh},
    {Ctl::Check_Glag_500, Ctl::Check_Glag_500_KirilF, Ctl::Check_Rim_500_2},
    {Ctl::Check_Kiril1_800_ot, Ctl::Check_Kiril1_800_omega, Ctl::Check_Kiril1_800_omega},
    {Ctl::Check_Kiril1_900_ce, Ctl::Check_Kiril1_900_yus, Ctl::Check_Kiril1_900_c2},
    {Ctl::Check_Glag_1000, Ctl::Check_Rim_1000_1, Ctl::Check_Rim_1000_2},
    {Ctl::Check_Rim_10000_1, Ctl::Check_Rim_10000_2, Ctl::Check_Rim_10000_2},
}};

// The keypad area of the main window: below the output field, above the separator.
inline constexpr Rect kKeypadArea = {80, 96, 370, 304};

inline bool Inside(const Rect& r, const Rect& area) {
  return r.x >= area.x && r.y >= area.y && r.x + r.w <= area.x + area.w &&
         r.y + r.h <= area.y + area.h;
}
inline bool Overlap(const Rect& a, const Rect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// Where a keypad puts `c`, or nullopt when it leaves it hidden.
inline std::optional<Rect> PlaceOf(std::span<const Placement> layout, Ctl c) {
  for (const Placement& p : layout) {
    if (p.control == c) return p.place;
  }
  return std::nullopt;
}

// Every control a keypad places is a keypad control, lies inside the keypad area and
// covers no other.
inline void ExpectInsideWithoutOverlaps(std::span<const Placement> layout) {
  for (std::size_t i = 0; i < layout.size(); ++i) {
    EXPECT_TRUE(IsKeypadControl(layout[i].control)) << Name(layout[i].control);
    EXPECT_TRUE(Inside(layout[i].place, kKeypadArea)) << Name(layout[i].control);
    for (std::size_t j = i + 1; j < layout.size(); ++j) {
      EXPECT_FALSE(Overlap(layout[i].place, layout[j].place))
          << Name(layout[i].control) << " and " << Name(layout[j].control);
    }
  }
}

// Every key a keypad shows must get a caption from its system, or it would keep the glyph
// of the system shown before.
inline void ExpectShownKeysCaptioned(std::span<const Placement> layout,
                                     std::span<const CaptionEntry> captions) {
  for (const Placement& p : layout) {
    if (KindOf(p.control) != ControlKind::kKey && KindOf(p.control) != ControlKind::kPanel) {
      continue;
    }
    bool captioned = false;
    for (const CaptionEntry& e : captions) captioned = captioned || e.control == p.control;
    EXPECT_TRUE(captioned) << Name(p.control);
  }
}

class GlyphStore {
 public:
  explicit GlyphStore(std::span<const CaptionEntry> captions)
      : controls_(std::make_unique<ControlStates>()) {
    for (const auto& group : kVariantGroups) (*controls_)[Index(group[0])].checked = true;
    ApplyCaptions(*controls_, captions);
  }

  KeypadView View() const { return KeypadView(*controls_); }

  // Ticks `box` and unticks the other boxes of its group, as the variant machinery leaves
  // them after a click.
  void Choose(Ctl box) {
    for (const auto& group : kVariantGroups) {
      bool in_group = false;
      for (Ctl c : group) in_group = in_group || c == box;
      if (!in_group) continue;
      for (Ctl c : group) (*controls_)[Index(c)].checked = false;
    }
    (*controls_)[Index(box)].checked = true;
  }
  void Choose(std::initializer_list<Ctl> boxes) {
    for (Ctl b : boxes) Choose(b);
  }
  // A state the one-of rule never leaves, for the passes that test the boxes one by one.
  void SetChecked(Ctl box, bool on) { (*controls_)[Index(box)].checked = on; }
  void SetCaption(Ctl key, std::u16string text) { (*controls_)[Index(key)].caption = text; }

 private:
  std::unique_ptr<ControlStates> controls_;
};

}  // namespace zarno::testing
