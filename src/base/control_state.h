// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/controls.h"

namespace zarno {

struct Rect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The state of one control, as far as the model owns it. The view mirrors it.
struct ControlState {
  std::u16string caption;  // caption of buttons, keys, panels and labels; text of edits
  bool shown = true;
  bool enabled = true;
  bool checked = false;  // check boxes and radio buttons; for panels: pressed
  Rect place;
  std::u16string font;  // family name; empty means "as designed"
  int font_size = 0;    // points; 0 means "as designed"
  std::uint32_t color = 0;
  bool bold = false;
  bool italic = false;
  friend bool operator==(const ControlState&, const ControlState&) = default;
};

using ControlStates = std::array<ControlState, kControlCount>;

// The first box of every glyph-variant group is ticked when the window is created; the other
// boxes (and those of the single Chinese signs for 20 and 30) start unticked.
inline constexpr Ctl kVariantBoxesTickedAtStart[] = {
    Ctl::Check_Kiril1_0,      Ctl::Check_Kiril1_1,      Ctl::Check_Kiril1_2,
    Ctl::Check_Kiril1_3,      Ctl::Check_Kiril1_4,      Ctl::Check_Kiril1_5,
    Ctl::Check_Kiril1_6,      Ctl::Check_Kiril1_7,      Ctl::Check_Kiril1_8,
    Ctl::Check_Kiril1_9,      Ctl::Check_Kiril1_10,     Ctl::Check_Kiril1_50,
    Ctl::Check_Kiril1_60,     Ctl::Check_Kiril1_90_che, Ctl::Check_Kiril1_100,
    Ctl::Check_Kiril1_400_y,  Ctl::Check_Glag_500,      Ctl::Check_Kiril1_800_ot,
    Ctl::Check_Kiril1_900_ce, Ctl::Check_Glag_1000,     Ctl::Check_Rim_10000_1,
};

}  // namespace zarno
