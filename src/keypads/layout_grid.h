// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The grid the keypad tables share: the columns of the digits 1 to 9 (and a tenth, for the
// Chinese zeros), and the rows of units, tens and hundreds, which stay where they are when the
// system changes, so that the letters do not jump.
#include "keypads/layout.h"

namespace zarno::layout {

inline constexpr int kCol[10] = {85, 117, 149, 180, 213, 246, 277, 309, 343, 376};
inline constexpr int kUnits = 142;
inline constexpr int kTens = 187;
inline constexpr int kHundreds = 232;

}  // namespace zarno::layout

// Nine keys in the digit columns of one row: the table entries for k1 … k9 at height y.
#define ZARNO_ROW_OF_NINE(k1, k2, k3, k4, k5, k6, k7, k8, k9, y)                                \
  {Ctl::k1, KeyAt(kCol[0], y)}, {Ctl::k2, KeyAt(kCol[1], y)}, {Ctl::k3, KeyAt(kCol[2], y)},     \
      {Ctl::k4, KeyAt(kCol[3], y)}, {Ctl::k5, KeyAt(kCol[4], y)}, {Ctl::k6, KeyAt(kCol[5], y)}, \
      {Ctl::k7, KeyAt(kCol[6], y)}, {Ctl::k8, KeyAt(kCol[7], y)}, {                             \
    Ctl::k9, KeyAt(kCol[8], y)                                                                  \
  }
