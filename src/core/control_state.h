#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/controls.h"

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

}  // namespace zarno
