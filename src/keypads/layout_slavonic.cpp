// SPDX-License-Identifier: GPL-3.0-or-later
// The Cyrillic and Glagolitic keypads: units, tens and hundreds in three rows inside the
// keypad frame, variant keys next to their main key with their box below.
#include "keypads/layout.h"
#include "keypads/layout_data.h"
#include "keypads/layout_grid.h"

namespace zarno::layout {

constexpr int kAbove = 96;
constexpr int kBelow = 279;

// Options shared by both Slavonic keypads: the numeral mark and the dots.
#define ZARNO_MARK_OPTIONS                                                \
  {Ctl::IspZarno, {222, 330, 15, 17}}, {Ctl::Zarno, {240, 323, 133, 32}}, \
      {Ctl::IspTochka, {222, 364, 15, 17}}, {                             \
    Ctl::Tochka, { 241, 371, 2, 2 }                                       \
  }

const Placement kKiril[] = {
    ZARNO_ROW_OF_NINE(Kiril1_1, Kiril1_2, Kiril1_3, Kiril1_4, Kiril1_5, Kiril1_6, Kiril1_7,
                      Kiril1_8, Kiril1_9, kUnits),
    ZARNO_ROW_OF_NINE(Kiril1_10, Kiril1_20, Kiril1_30, Kiril1_40, Kiril1_50, Kiril1_60, Kiril1_70,
                      Kiril1_80, Kiril1_90, kTens),
    ZARNO_ROW_OF_NINE(Kiril1_100, Kiril1_200, Kiril1_300, Kiril1_400_y, Kiril1_500, Kiril1_600,
                      Kiril1_700, Kiril1_800, Kiril1_900, kHundreds),
    // Second glyphs of 5, 6, 7 above the units.
    {Ctl::Kiril1_5_e2, KeyAt(kCol[4], kAbove)},
    {Ctl::Kiril1_6_s2, KeyAt(kCol[5], kAbove)},
    {Ctl::Kiril1_7_z2, KeyAt(kCol[6], kAbove)},
    // The other glyphs of 90 and 900 to the right.
    {Ctl::Kiril1_90_koppa, KeyAt(382, kTens)},
    {Ctl::Kiril1_90_che2, KeyAt(418, kTens)},
    {Ctl::Kiril1_900_yus, KeyAt(382, kHundreds)},
    {Ctl::Kiril1_900_c2, KeyAt(418, kHundreds)},
    // Second glyphs of 400 and 800 below their keys.
    {Ctl::Kiril1_400_izh, KeyAt(kCol[3], kBelow)},
    {Ctl::Kiril1_800_omega, KeyAt(kCol[7], kBelow)},
    // Variant boxes, each under its key.
    {Ctl::Check_Kiril1_5, BoxUnder(kCol[4], kUnits)},
    {Ctl::Check_Kiril1_5_e2, BoxUnder(kCol[4], kAbove)},
    {Ctl::Check_Kiril1_6, BoxUnder(kCol[5], kUnits)},
    {Ctl::Check_Kiril1_6_s2, BoxUnder(kCol[5], kAbove)},
    {Ctl::Check_Kiril1_7, BoxUnder(kCol[6], kUnits)},
    {Ctl::Check_Kiril1_7_z2, BoxUnder(kCol[6], kAbove)},
    {Ctl::Check_Kiril1_90_che, BoxUnder(kCol[8], kTens)},
    {Ctl::Check_Kiril1_90_koppa, BoxUnder(382, kTens)},
    {Ctl::Check_Kiril1_90_che2, BoxUnder(418, kTens)},
    {Ctl::Check_Kiril1_400_y, BoxUnder(kCol[3], kHundreds)},
    {Ctl::Check_Kiril1_400_izh, BoxUnder(kCol[3], kBelow)},
    {Ctl::Check_Kiril1_800_ot, BoxUnder(kCol[7], kHundreds)},
    {Ctl::Check_Kiril1_800_omega, BoxUnder(kCol[7], kBelow)},
    {Ctl::Check_Kiril1_900_ce, BoxUnder(kCol[8], kHundreds)},
    {Ctl::Check_Kiril1_900_yus, BoxUnder(382, kHundreds)},
    {Ctl::Check_Kiril1_900_c2, BoxUnder(418, kHundreds)},
    // The thousands panel takes the place of the 1000 key; the ten- and hundred-thousands
    // panels stand below it.
    {Ctl::Tysyasha, KeyAt(85, kBelow)},
    {Ctl::Kiril_Stepen_103, {83, 306, 32, 14}},
    {Ctl::x10000, KeyAt(84, 322)},
    {Ctl::x10000_nadpis, {79, 350, 38, 14}},
    {Ctl::x100000, KeyAt(122, 322)},
    {Ctl::x100000_nadpis, {115, 350, 44, 14}},
    // The thousands sign below the line, and the group "10000 и больше" (below the boxes of
    // the other 900 keys).
    {Ctl::TysyashaNizhe, {150, 364, 15, 17}},
    {Ctl::Nizhe1, {166, 358, 14, 24}},
    {Ctl::Nizhe2, {150, 382, 70, 16}},
    {Ctl::Kiril_10000_I_Bolshe, {376, 280, 76, 78}},
    {Ctl::Kiril_Old_Tys_Radio1, {382, 298, 66, 26}},
    {Ctl::Kiril_Old_Tys_Radio2, {382, 326, 66, 26}},
    ZARNO_MARK_OPTIONS,
};

const Placement kGlagol[] = {
    ZARNO_ROW_OF_NINE(Kiril1_1, Kiril1_2, Kiril1_3, Kiril1_4, Kiril1_5, Kiril1_6, Kiril1_7,
                      Kiril1_8, Kiril1_9, kUnits),
    ZARNO_ROW_OF_NINE(Kiril1_10, Kiril1_20, Kiril1_30, Kiril1_40, Kiril1_50, Kiril1_60, Kiril1_70,
                      Kiril1_80, Kiril1_90, kTens),
    ZARNO_ROW_OF_NINE(Kiril1_100, Kiril1_200, Kiril1_300, Kiril1_400_y, Kiril1_500, Kiril1_600,
                      Kiril1_700, Kiril1_800, Kiril1_900, kHundreds),
    {Ctl::Glagolitsa_1000, KeyAt(85, kBelow)},
    {Ctl::Glagolitsa_2000, KeyAt(117, kBelow)},
    {Ctl::Glag_500_F, KeyAt(214, 280)},
    {Ctl::Check_Glag_500, BoxUnder(kCol[4], kHundreds)},
    {Ctl::Check_Glag_500_KirilF, {230, 308, kBoxW, kBoxH}},
    {Ctl::Label78, {124, 320, 70, 16}},
    ZARNO_MARK_OPTIONS,
};

#undef ZARNO_MARK_OPTIONS

std::span<const Placement> KirilLayout() { return kKiril; }
std::span<const Placement> GlagolLayout() { return kGlagol; }

}  // namespace zarno::layout
