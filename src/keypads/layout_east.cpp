// SPDX-License-Identifier: GPL-3.0-or-later
// Keypads of the Chinese, Armenian, Georgian, Maya and Hebrew systems: rows of keys inside
// the keypad area (x 80 to 450, y 96 to 400), in value order from left to right.
#include "keypads/layout.h"
#include "keypads/layout_data.h"
#include "keypads/layout_grid.h"

namespace zarno::layout {
namespace {

// Rows 45 pixels apart; the additive keypads keep the units, tens and hundreds rows of the
// Slavonic keypads inside the keypad frame.
constexpr int kRow[6] = {96, 141, 186, 231, 276, 321};
constexpr int kThousands = 277;
constexpr int kTenThousands = 322;

// A Chinese key in column `col` of row `row`, with its variant box just below it.
#define ZARNO_KITAY_KEY(key, box, col, row) \
  {Ctl::key, KeyAt(kCol[col], kRow[row])}, { Ctl::box, BoxUnder(kCol[col], kRow[row]) }

#define ZARNO_LETTER_ROWS                                                                         \
  ZARNO_ROW_OF_NINE(Kiril1_1, Kiril1_2, Kiril1_3, Kiril1_4, Kiril1_5, Kiril1_6, Kiril1_7,         \
                    Kiril1_8, Kiril1_9, kUnits),                                                  \
      ZARNO_ROW_OF_NINE(Kiril1_10, Kiril1_20, Kiril1_30, Kiril1_40, Kiril1_50, Kiril1_60,         \
                        Kiril1_70, Kiril1_80, Kiril1_90, kTens),                                  \
      ZARNO_ROW_OF_NINE(Kiril1_100, Kiril1_200, Kiril1_300, Kiril1_400_y, Kiril1_500, Kiril1_600, \
                        Kiril1_700, Kiril1_800, Kiril1_900, kHundreds)

#define ZARNO_THOUSANDS_ROW                                                             \
  ZARNO_ROW_OF_NINE(Glagolitsa_1000, Glagolitsa_2000, Glagolitsa_3000, Glagolitsa_4000, \
                    Rim_5000_1, Glagolitsa_6000, Glagolitsa_7000, Glagolitsa_8000,      \
                    Glagolitsa_9000, kThousands)

const Placement kKitay[] = {
    // Row 1: the formal digits 1 to 9 and the formal zero.
    ZARNO_KITAY_KEY(Kiril1_1_2, Check_Kiril1_1_2, 0, 0),
    ZARNO_KITAY_KEY(Kiril1_2_2, Check_Kiril1_2_2, 1, 0),
    ZARNO_KITAY_KEY(Kiril1_3_2, Check_Kiril1_3_2, 2, 0),
    ZARNO_KITAY_KEY(Kiril1_4_2, Check_Kiril1_4_2, 3, 0),
    ZARNO_KITAY_KEY(Kiril1_5_e2, Check_Kiril1_5_e2, 4, 0),
    ZARNO_KITAY_KEY(Kiril1_6_s2, Check_Kiril1_6_s2, 5, 0),
    ZARNO_KITAY_KEY(Kiril1_7_z2, Check_Kiril1_7_z2, 6, 0),
    ZARNO_KITAY_KEY(Kiril1_8_2, Check_Kiril1_8_2, 7, 0),
    ZARNO_KITAY_KEY(Kiril1_9_2, Check_Kiril1_9_2, 8, 0),
    ZARNO_KITAY_KEY(Kiril1_0_2, Check_Kiril1_0_2, 9, 0),
    // Row 2: the ordinary digits 1 to 9 and the ordinary zero.
    ZARNO_KITAY_KEY(Kiril1_1, Check_Kiril1_1, 0, 1),
    ZARNO_KITAY_KEY(Kiril1_2, Check_Kiril1_2, 1, 1),
    ZARNO_KITAY_KEY(Kiril1_3, Check_Kiril1_3, 2, 1),
    ZARNO_KITAY_KEY(Kiril1_4, Check_Kiril1_4, 3, 1),
    ZARNO_KITAY_KEY(Kiril1_5, Check_Kiril1_5, 4, 1),
    ZARNO_KITAY_KEY(Kiril1_6, Check_Kiril1_6, 5, 1),
    ZARNO_KITAY_KEY(Kiril1_7, Check_Kiril1_7, 6, 1),
    ZARNO_KITAY_KEY(Kiril1_8, Check_Kiril1_8, 7, 1),
    ZARNO_KITAY_KEY(Kiril1_9, Check_Kiril1_9, 8, 1),
    ZARNO_KITAY_KEY(Kiril1_0_1, Check_Kiril1_0, 9, 1),
    // Row 3: the two tens signs, the single signs for 20 and 30, and the simplified formal
    // six under the six.
    ZARNO_KITAY_KEY(Kiril1_10, Check_Kiril1_10, 0, 2),
    ZARNO_KITAY_KEY(Kiril1_10_2, Check_Kiril1_10_2, 1, 2),
    ZARNO_KITAY_KEY(Kiril1_20, Check_Kiril1_20, 2, 2),
    ZARNO_KITAY_KEY(Kiril1_30, Check_Kiril1_30, 3, 2),
    ZARNO_KITAY_KEY(Kiril1_6_3, Check_Kiril1_6_3, 5, 2),
    // Rows 4 to 6: hundreds, thousands, ten thousands, the ordinary sign first.
    ZARNO_KITAY_KEY(Kiril1_100, Check_Kiril1_100, 0, 3),
    ZARNO_KITAY_KEY(Kiril1_100_Rim, Check_Kiril1_100_Rim, 1, 3),
    ZARNO_KITAY_KEY(Glagolitsa_1000, Check_Glag_1000, 0, 4),
    ZARNO_KITAY_KEY(Rim_1000_1, Check_Rim_1000_1, 1, 4),
    ZARNO_KITAY_KEY(Rim_10000_1, Check_Rim_10000_1, 0, 5),
    ZARNO_KITAY_KEY(Rim_10000_2, Check_Rim_10000_2, 1, 5),
};

const Placement kArmen[] = {
    ZARNO_LETTER_ROWS,
    ZARNO_THOUSANDS_ROW,
};

const Placement kGruz[] = {
    ZARNO_LETTER_ROWS,
    ZARNO_THOUSANDS_ROW,
    {Ctl::Rim_10000_1, KeyAt(kCol[0], kTenThousands)},
};

// The Maya digits are drawn larger and stand left of the narrow output column at x = 312.
constexpr int kMayaKeyW = 36;
constexpr int kMayaKeyH = 40;
constexpr int kMayaCol[5] = {85, 127, 169, 211, 253};
constexpr int kMayaRow[4] = {120, 175, 230, 285};

constexpr Rect MayaKeyAt(int col, int row) {
  return {kMayaCol[col], kMayaRow[row], kMayaKeyW, kMayaKeyH};
}

const Placement kMaya[] = {
    {Ctl::Kiril1_0_1, MayaKeyAt(0, 0)}, {Ctl::Kiril1_1, MayaKeyAt(1, 0)},
    {Ctl::Kiril1_2, MayaKeyAt(2, 0)},   {Ctl::Kiril1_3, MayaKeyAt(3, 0)},
    {Ctl::Kiril1_4, MayaKeyAt(4, 0)},   {Ctl::Kiril1_5, MayaKeyAt(0, 1)},
    {Ctl::Kiril1_6, MayaKeyAt(1, 1)},   {Ctl::Kiril1_7, MayaKeyAt(2, 1)},
    {Ctl::Kiril1_8, MayaKeyAt(3, 1)},   {Ctl::Kiril1_9, MayaKeyAt(4, 1)},
    {Ctl::Kiril1_10, MayaKeyAt(0, 2)},  {Ctl::Kiril1_11, MayaKeyAt(1, 2)},
    {Ctl::Kiril1_12, MayaKeyAt(2, 2)},  {Ctl::Kiril1_13, MayaKeyAt(3, 2)},
    {Ctl::Kiril1_14, MayaKeyAt(4, 2)},  {Ctl::Kiril1_15, MayaKeyAt(0, 3)},
    {Ctl::Kiril1_16, MayaKeyAt(1, 3)},  {Ctl::Kiril1_17, MayaKeyAt(2, 3)},
    {Ctl::Kiril1_18, MayaKeyAt(3, 3)},  {Ctl::Kiril1_19, MayaKeyAt(4, 3)},
};

const Placement kIudeyskie[] = {
    ZARNO_LETTER_ROWS,
    // The thousands toggle where the Cyrillic keypad has it, with "x1000" under it; the three
    // options under the final-letter keys, the first of them being the one about those keys.
    {Ctl::Tysyasha, KeyAt(kCol[0], 279)},
    {Ctl::Kiril_Stepen_103, {83, 308, 32, 14}},
    {Ctl::Ispolzovat, {kCol[4], 279, 150, 17}},
    {Ctl::Gershaim, {kCol[4], 302, 150, 17}},
    {Ctl::Obychay, {kCol[4], 325, 150, 17}},
};

#undef ZARNO_KITAY_KEY
#undef ZARNO_LETTER_ROWS
#undef ZARNO_THOUSANDS_ROW

}  // namespace

std::span<const Placement> KitayLayout() { return kKitay; }
std::span<const Placement> ArmenLayout() { return kArmen; }
std::span<const Placement> GruzLayout() { return kGruz; }
std::span<const Placement> MayaLayout() { return kMaya; }
std::span<const Placement> IudeyskieLayout() { return kIudeyskie; }

}  // namespace zarno::layout
