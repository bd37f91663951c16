// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the numeral tests share: a glyph store (the captions of one keypad written onto fresh
// control states whose variant boxes are at their start states) and the checks every keypad
// layout must pass.
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

// The keypad area of the main window: below the output field, above the separator.
inline constexpr Rect kKeypadArea = {80, 96, 370, 304};

// Where a keypad puts `c`, or nullopt when it leaves it hidden.
inline std::optional<Rect> PlaceOf(std::span<const Placement> layout, Ctl c) {
  for (const Placement& p : layout) {
    if (p.control == c) return p.place;
  }
  return std::nullopt;
}

// Every control a keypad places is a keypad control, placed once, inside the keypad area, no
// smaller than the common key size if it is a key, and covering no other.
inline void ExpectWellPlaced(std::span<const Placement> layout) {
  ASSERT_FALSE(layout.empty());
  const auto inside = [](const Rect& r) {
    return r.x >= kKeypadArea.x && r.y >= kKeypadArea.y &&
           r.x + r.w <= kKeypadArea.x + kKeypadArea.w && r.y + r.h <= kKeypadArea.y + kKeypadArea.h;
  };
  const auto overlap = [](const Rect& a, const Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
  };
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const Placement& p = layout[i];
    SCOPED_TRACE(std::string(Name(p.control)));
    EXPECT_TRUE(IsKeypadControl(p.control));
    EXPECT_TRUE(inside(p.place));
    if (KindOf(p.control) == ControlKind::kKey) {
      EXPECT_GE(p.place.w, kKeyW);
      EXPECT_GE(p.place.h, kKeyH);
    }
    for (std::size_t j = 0; j < i; ++j) {
      EXPECT_FALSE(overlap(p.place, layout[j].place)) << "overlaps " << Name(layout[j].control);
      EXPECT_NE(p.control, layout[j].control) << "placed twice";
    }
  }
}

// The keys that every keypad shows are there.
inline void ExpectCommonKeysShown(std::span<const Placement> layout) {
  for (Ctl always : {Ctl::Kiril1_1, Ctl::Kiril1_5, Ctl::Kiril1_10}) {
    EXPECT_TRUE(PlaceOf(layout, always)) << Name(always);
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
  // No captions; the first box of every variant group ticked, as at start.
  GlyphStore() : controls_(std::make_unique<ControlStates>()) {
    for (Ctl box : kVariantBoxesTickedAtStart) Tick(box);
  }
  explicit GlyphStore(std::span<const CaptionEntry> captions) : GlyphStore() { Apply(captions); }

  // The Chinese keypad as the system switch writes it: ordinary, formal, simplified signs.
  static GlyphStore Kitay(std::u16string_view font = u"SimSun") {
    GlyphStore k(KitayCaptions());
    k.SetCaption(Ctl::Kiril1_0_1, KitayZeroFor(font));
    k.Apply(KitayFormalCaptions()).Apply(KitaySimplifiedCaptions());
    return k;
  }
  static GlyphStore Armen() { return GlyphStore(ArmenCaptions()); }
  static GlyphStore Gruz() { return GlyphStore(GruzCaptions()); }
  static GlyphStore Maya() { return GlyphStore(MayaCaptions()); }
  static GlyphStore Iudeyskie() { return GlyphStore(IudeyskieCaptions()); }

  KeypadView View() const { return KeypadView(*controls_); }

  GlyphStore& Apply(std::span<const CaptionEntry> captions) {
    ApplyCaptions(*controls_, captions);
    return *this;
  }
  // Sets one box alone, also into states the one-of rule never leaves, for the passes that
  // test the boxes one by one.
  GlyphStore& Tick(Ctl box, bool on = true) {
    (*controls_)[Index(box)].checked = on;
    return *this;
  }
  // Ticks `box` and unticks the other boxes of its group, as the variant machinery leaves
  // them after a click.
  GlyphStore& Choose(Ctl box) {
    for (const auto& group : kVariantGroups) {
      bool in_group = false;
      for (Ctl c : group) in_group = in_group || c == box;
      if (!in_group) continue;
      for (Ctl c : group) Tick(c, false);
    }
    return Tick(box);
  }
  GlyphStore& Choose(std::initializer_list<Ctl> boxes) {
    for (Ctl b : boxes) Choose(b);
    return *this;
  }
  // Every Chinese sign in its formal form (the ten-thousands sign has no formal form).
  GlyphStore& AllFormal() {
    for (const auto& pair : kOrdinaryAndFormal) Tick(pair[0], false).Tick(pair[1]);
    return *this;
  }
  GlyphStore& SetCaption(Ctl key, std::u16string_view text) {
    (*controls_)[Index(key)].caption = text;
    return *this;
  }

 private:
  std::unique_ptr<ControlStates> controls_;
};

}  // namespace zarno::testing
