// SPDX-License-Identifier: GPL-3.0-or-later
// Keypads of the Roman, Greek Ionic and Greek Attic systems.
#include "keypads/layout.h"
#include "keypads/layout_data.h"
#include "keypads/layout_grid.h"

namespace zarno::layout {
namespace {

// Roman: one row per decimal position, ↈ alone in the last. The five-signs stand in one
// column; the one-signs and their older forms fill the columns to its left (the standard
// one-sign first), the older five-signs the columns to its right. Rows are 45 pixels
// apart so that a variant box fits under each key.
constexpr int kRimRow[6] = {96, 141, 186, 231, 276, 321};
constexpr int kFives = kCol[4];
constexpr int kLeft1 = kCol[3];  // next to the five-signs
constexpr int kLeft2 = kCol[2];
constexpr int kLeft3 = kCol[1];
constexpr int kRight1 = kCol[5];
constexpr int kRight2 = kCol[6];

#define ZARNO_KEY_AND_BOX(key, box, x, y) \
  {Ctl::key, KeyAt(x, y)}, { Ctl::box, BoxUnder(x, y) }

const Placement kRim[] = {
    {Ctl::Kiril1_1, KeyAt(kLeft1, kRimRow[0])},
    ZARNO_KEY_AND_BOX(Kiril1_5, Check_Kiril1_5, kFives, kRimRow[0]),
    ZARNO_KEY_AND_BOX(Kiril1_5_e2, Check_Kiril1_5_e2, kRight1, kRimRow[0]),

    {Ctl::Kiril1_10, KeyAt(kLeft1, kRimRow[1])},
    ZARNO_KEY_AND_BOX(Kiril1_50, Check_Kiril1_50, kFives, kRimRow[1]),
    ZARNO_KEY_AND_BOX(Kiril1_50_Rim, Check_Kiril1_50_Rim, kRight1, kRimRow[1]),

    ZARNO_KEY_AND_BOX(Kiril1_100, Check_Kiril1_100, kLeft2, kRimRow[2]),
    ZARNO_KEY_AND_BOX(Kiril1_100_Rim, Check_Kiril1_100_Rim, kLeft1, kRimRow[2]),
    ZARNO_KEY_AND_BOX(Kiril1_500, Check_Glag_500, kFives, kRimRow[2]),
    ZARNO_KEY_AND_BOX(Glag_500_F, Check_Glag_500_KirilF, kRight1, kRimRow[2]),
    ZARNO_KEY_AND_BOX(Rim_500_2, Check_Rim_500_2, kRight2, kRimRow[2]),

    ZARNO_KEY_AND_BOX(Glagolitsa_1000, Check_Glag_1000, kLeft3, kRimRow[3]),
    ZARNO_KEY_AND_BOX(Rim_1000_1, Check_Rim_1000_1, kLeft2, kRimRow[3]),
    ZARNO_KEY_AND_BOX(Rim_1000_2, Check_Rim_1000_2, kLeft1, kRimRow[3]),
    // The box of the five-thousand key stays hidden: ↁ has no variants.
    {Ctl::Rim_5000_1, KeyAt(kFives, kRimRow[3])},

    ZARNO_KEY_AND_BOX(Rim_10000_1, Check_Rim_10000_1, kLeft2, kRimRow[4]),
    ZARNO_KEY_AND_BOX(Rim_10000_2, Check_Rim_10000_2, kLeft1, kRimRow[4]),
    {Ctl::Rim_50000, KeyAt(kFives, kRimRow[4])},

    {Ctl::Rim_100000, KeyAt(kLeft1, kRimRow[5])},
};

#undef ZARNO_KEY_AND_BOX

// Greek Ionic: units, tens and hundreds in the rows of the Cyrillic keypad, so the letters
// do not jump when the system changes; the thousands and myriad panels below them.
constexpr int kPanels = 279;
constexpr int kMyriadX = 133;

const Placement kGrekIonich[] = {
    ZARNO_ROW_OF_NINE(Kiril1_1, Kiril1_2, Kiril1_3, Kiril1_4, Kiril1_5, Kiril1_6, Kiril1_7,
                      Kiril1_8, Kiril1_9, kUnits),
    ZARNO_ROW_OF_NINE(Kiril1_10, Kiril1_20, Kiril1_30, Kiril1_40, Kiril1_50, Kiril1_60, Kiril1_70,
                      Kiril1_80, Kiril1_90, kTens),
    ZARNO_ROW_OF_NINE(Kiril1_100, Kiril1_200, Kiril1_300, Kiril1_400_y, Kiril1_500, Kiril1_600,
                      Kiril1_700, Kiril1_800, Kiril1_900, kHundreds),
    {Ctl::Tysyasha, KeyAt(kCol[0], kPanels)},
    {Ctl::Kiril_Stepen_103, {kCol[0] - 2, kPanels + 29, 32, 14}},
    {Ctl::x10000, KeyAt(kMyriadX, kPanels)},
    {Ctl::x10000_nadpis, {kMyriadX - 5, kPanels + 29, 38, 14}},
};

// Greek Attic: one row per decimal position, the one-sign and then its five-sign.
constexpr int kAtticRow[5] = {96, 141, 186, 231, 276};

const Placement kGrekAttich[] = {
    {Ctl::Kiril1_1, KeyAt(kCol[0], kAtticRow[0])},
    {Ctl::Kiril1_5, KeyAt(kCol[1], kAtticRow[0])},
    {Ctl::Kiril1_10, KeyAt(kCol[0], kAtticRow[1])},
    {Ctl::Kiril1_50, KeyAt(kCol[1], kAtticRow[1])},
    {Ctl::Kiril1_100, KeyAt(kCol[0], kAtticRow[2])},
    {Ctl::Kiril1_500, KeyAt(kCol[1], kAtticRow[2])},
    {Ctl::Glagolitsa_1000, KeyAt(kCol[0], kAtticRow[3])},
    {Ctl::Rim_5000_1, KeyAt(kCol[1], kAtticRow[3])},
    {Ctl::Rim_10000_1, KeyAt(kCol[0], kAtticRow[4])},
    {Ctl::Rim_50000, KeyAt(kCol[1], kAtticRow[4])},
};

}  // namespace

std::span<const Placement> RimLayout() { return kRim; }
std::span<const Placement> GrekIonichLayout() { return kGrekIonich; }
std::span<const Placement> GrekAttichLayout() { return kGrekAttich; }

}  // namespace zarno::layout
