// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

#include "base/control_state.h"

namespace zarno {

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
