// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/control_state.h"

namespace zarno {

// A control that a keypad shows, and where.
struct Placement {
  Ctl control{};
  Rect place;
};

// True for the controls that belong to the keypad area and are shown or hidden per system.
bool IsKeypadControl(Ctl c);

// Common sizes of the keypad.
// The output field: one line above the keypad, or with the Maya system a narrow column beside
// it, one digit glyph below another.
inline constexpr Rect kKirilLine = {85, 37, 285, 58};
inline constexpr Rect kKirilMayaColumn = {312, 37, 53, 363};

inline constexpr int kKeyW = 27;
inline constexpr int kKeyH = 28;
inline constexpr int kBoxW = 13;
inline constexpr int kBoxH = 15;

constexpr Rect KeyAt(int x, int y) { return {x, y, kKeyW, kKeyH}; }
// A variant box sits just below its key.
constexpr Rect BoxUnder(int key_x, int key_y) { return {key_x + 7, key_y + 29, kBoxW, kBoxH}; }

}  // namespace zarno
