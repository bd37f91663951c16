// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "base/control_state.h"

namespace zarno {

// Read-only view of the glyph store: the captions of the keypad keys and the states of the
// check boxes. Renderers and readers take every glyph from here, so that the keypad, the
// display and the reading of a numeral always agree.
class KeypadView {
 public:
  explicit KeypadView(const ControlStates& controls) : controls_(&controls) {}

  std::u16string_view Caption(Ctl c) const { return (*controls_)[Index(c)].caption; }
  // The first code unit of the caption, or 0 for an empty caption (read without a branch:
  // the stored caption always ends with a 0).
  char16_t Glyph(Ctl c) const { return (*controls_)[Index(c)].caption.c_str()[0]; }
  // The length of the caption in code units.
  std::size_t Length(Ctl c) const { return (*controls_)[Index(c)].caption.size(); }
  bool Checked(Ctl c) const { return (*controls_)[Index(c)].checked; }

 private:
  const ControlStates* controls_;
};

}  // namespace zarno
