// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The keypads of the Chinese, Armenian, Georgian, Maya and Hebrew systems as the numeral
// tests see them: the captions of one keypad written onto control states whose check boxes
// are at their start states.
#include <gtest/gtest.h>

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

namespace zarno::testing::east {

// The first box of every variant group: ticked at start. Everything else (the boxes for the
// single signs 20 and 30, Ispolzovat, Gershaim) starts unticked.
inline constexpr auto& kTickedAtStart = kVariantBoxesTickedAtStart;

// The boxes of the ordinary Chinese signs and the partner that picks the formal sign.
inline constexpr Ctl kOrdinaryAndFormal[][2] = {
    {Ctl::Check_Kiril1_0, Ctl::Check_Kiril1_0_2},
    {Ctl::Check_Kiril1_1, Ctl::Check_Kiril1_1_2},
    {Ctl::Check_Kiril1_2, Ctl::Check_Kiril1_2_2},
    {Ctl::Check_Kiril1_3, Ctl::Check_Kiril1_3_2},
    {Ctl::Check_Kiril1_4, Ctl::Check_Kiril1_4_2},
    {Ctl::Check_Kiril1_5, Ctl::Check_Kiril1_5_e2},
    {Ctl::Check_Kiril1_6, Ctl::Check_Kiril1_6_s2},
    {Ctl::Check_Kiril1_7, Ctl::Check_Kiril1_7_z2},
    {Ctl::Check_Kiril1_8, Ctl::Check_Kiril1_8_2},
    {Ctl::Check_Kiril1_9, Ctl::Check_Kiril1_9_2},
    {Ctl::Check_Kiril1_10, Ctl::Check_Kiril1_10_2},
    {Ctl::Check_Kiril1_100, Ctl::Check_Kiril1_100_Rim},
    {Ctl::Check_Glag_1000, Ctl::Check_Rim_1000_1},
};

class Keypad {
 public:
  // The Chinese keypad as the system switch writes it: ordinary, formal, simplified signs.
  static Keypad Kitay(std::u16string_view font = u"SimSun") {
    Keypad k;
    k.Apply(KitayCaptions());
    k.SetCaption(Ctl::Kiril1_0_1, KitayZeroFor(font));
    k.Apply(KitayFormalCaptions());
    k.Apply(KitaySimplifiedCaptions());
    return k;
  }
  static Keypad Armen() {
    Keypad k;
    k.Apply(ArmenCaptions());
    return k;
  }
  static Keypad Gruz() {
    Keypad k;
    k.Apply(GruzCaptions());
    return k;
  }
  static Keypad Maya() {
    Keypad k;
    k.Apply(MayaCaptions());
    return k;
  }
  static Keypad Iudeyskie() {
    Keypad k;
    k.Apply(IudeyskieCaptions());
    return k;
  }

  KeypadView View() const { return KeypadView(*controls_); }

  Keypad& Tick(Ctl box, bool on = true) {
    (*controls_)[Index(box)].checked = on;
    return *this;
  }
  // Every Chinese sign in its formal form (the ten-thousands sign has no formal form).
  Keypad& AllFormal() {
    for (const auto& pair : kOrdinaryAndFormal) Tick(pair[0], false).Tick(pair[1]);
    return *this;
  }
  Keypad& SetCaption(Ctl key, std::u16string_view text) {
    (*controls_)[Index(key)].caption = text;
    return *this;
  }

 private:
  Keypad() : controls_(std::make_unique<ControlStates>()) {
    for (Ctl box : kTickedAtStart) Tick(box);
  }
  Keypad& Apply(std::span<const CaptionEntry> table) {
    ApplyCaptions(*controls_, table);
    return *this;
  }

  std::unique_ptr<ControlStates> controls_;
};

// Every control of a keypad stands inside the keypad area, no two overlap, no key is
// smaller than the common key size, and the keys that are never hidden are there.
inline void ExpectWellPlaced(std::span<const Placement> layout) {
  ASSERT_FALSE(layout.empty());
  for (Ctl always : {Ctl::Kiril1_1, Ctl::Kiril1_5, Ctl::Kiril1_10}) {
    bool shown = false;
    for (const Placement& p : layout) shown = shown || p.control == always;
    EXPECT_TRUE(shown) << Name(always);
  }
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const Placement& p = layout[i];
    const Rect& r = p.place;
    SCOPED_TRACE(std::string(Name(p.control)));
    EXPECT_GE(r.x, 80);
    EXPECT_LE(r.x + r.w, 450);
    EXPECT_GE(r.y, 96);
    EXPECT_LE(r.y + r.h, 400);
    if (KindOf(p.control) == ControlKind::kKey) {
      EXPECT_GE(r.w, kKeyW);
      EXPECT_GE(r.h, kKeyH);
    }
    for (std::size_t j = 0; j < i; ++j) {
      const Rect& o = layout[j].place;
      const bool apart =
          r.x + r.w <= o.x || o.x + o.w <= r.x || r.y + r.h <= o.y || o.y + o.h <= r.y;
      EXPECT_TRUE(apart) << "overlaps " << Name(layout[j].control);
      EXPECT_NE(p.control, layout[j].control) << "placed twice";
    }
  }
}

// The place of a control in a keypad, if the keypad shows it.
inline std::optional<Rect> PlaceOf(std::span<const Placement> layout, Ctl c) {
  for (const Placement& p : layout) {
    if (p.control == c) return p.place;
  }
  return std::nullopt;
}

}  // namespace zarno::testing::east
