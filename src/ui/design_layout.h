// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window looks like beyond the model's own state: the places of the controls that
// never move, their design fonts, and the captions, frames and lines that are only drawn.
#include <span>
#include <string_view>

#include "base/control_state.h"

namespace zarno::ui {

inline constexpr int kClientWidth = 924;
inline constexpr int kClientHeight = 558;

// The place of a control that no keypad moves; an empty rect for a keypad control.
Rect DesignPlace(Ctl c);

// The font of a control as designed, where the model leaves it unset.
struct DesignFont {
  int points = 0;  // 0: the window's caption font
  bool bold = false;
};
DesignFont DesignFontOf(Ctl c);

enum class DecorKind {
  kCaption,     // a label in the caption font
  kGrey,        // a small grey label
  kHeading,     // a bold label
  kRightLabel,  // a label right-aligned against the control after it
  kFrame,       // a plain rectangle
  kHLine,
  kVLine,
};

struct Decor {
  std::string_view name;  // object name
  std::u16string_view text;
  Rect place;
  DecorKind kind;
};

// Everything that is only drawn: labels, the keypad frame, the separators.
std::span<const Decor> DecorItems();

}  // namespace zarno::ui
