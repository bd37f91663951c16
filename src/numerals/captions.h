// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

#include "base/control_state.h"

namespace zarno {

// The keys of the letters by place (units, tens, hundreds, thousands) and digit 1 to 9: every
// letter keypad puts the sign of d × 10^place on the same key, whatever its system.
inline constexpr Ctl kLetterKeysByPlace[4][9] = {
    {Ctl::Kiril1_1, Ctl::Kiril1_2, Ctl::Kiril1_3, Ctl::Kiril1_4, Ctl::Kiril1_5, Ctl::Kiril1_6,
     Ctl::Kiril1_7, Ctl::Kiril1_8, Ctl::Kiril1_9},
    {Ctl::Kiril1_10, Ctl::Kiril1_20, Ctl::Kiril1_30, Ctl::Kiril1_40, Ctl::Kiril1_50, Ctl::Kiril1_60,
     Ctl::Kiril1_70, Ctl::Kiril1_80, Ctl::Kiril1_90},
    {Ctl::Kiril1_100, Ctl::Kiril1_200, Ctl::Kiril1_300, Ctl::Kiril1_400_y, Ctl::Kiril1_500,
     Ctl::Kiril1_600, Ctl::Kiril1_700, Ctl::Kiril1_800, Ctl::Kiril1_900},
    {Ctl::Glagolitsa_1000, Ctl::Glagolitsa_2000, Ctl::Glagolitsa_3000, Ctl::Glagolitsa_4000,
     Ctl::Rim_5000_1, Ctl::Glagolitsa_6000, Ctl::Glagolitsa_7000, Ctl::Glagolitsa_8000,
     Ctl::Glagolitsa_9000},
};

// One caption written by a caption routine.
struct CaptionEntry {
  Ctl control;
  std::u16string_view text;
};

// The glyph tables of the keypad, one per caption routine, in the order the routine writes
// them. Captions that a routine does not write keep what the previous system left.
std::span<const CaptionEntry> KirilCaptions();
std::span<const CaptionEntry> GlagolCaptions();
std::span<const CaptionEntry> RimCaptions();
std::span<const CaptionEntry> GrekIonichCaptions();
std::span<const CaptionEntry> GrekAttichCaptions();
// The ordinary Chinese signs except the zero of Kiril1_0_1, which depends on the font.
std::span<const CaptionEntry> KitayCaptions();
std::span<const CaptionEntry> KitayFormalCaptions();
std::span<const CaptionEntry> KitaySimplifiedCaptions();
std::span<const CaptionEntry> ArmenCaptions();
std::span<const CaptionEntry> GruzCaptions();
std::span<const CaptionEntry> MayaCaptions();
// The Hebrew letters and the geresh on Tysyasha (in hebrew.cpp).
std::span<const CaptionEntry> IudeyskieCaptions();

// The zero sign of the Chinese keypad: U+20DD for "Arial Unicode MS", else U+25EF.
std::u16string_view KitayZeroFor(std::u16string_view kitay_font);

// The Chinese keypad as its switch writes it: the ordinary signs, the zero of its font, then
// the formal and simplified signs.
void ApplyKitayKeypadCaptions(ControlStates& controls);

inline void ApplyCaptions(ControlStates& controls, std::span<const CaptionEntry> table) {
  for (const auto& e : table) controls[Index(e.control)].caption = e.text;
}

}  // namespace zarno
