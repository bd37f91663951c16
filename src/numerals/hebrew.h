// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Hebrew numerals: letters summed, highest first in logical order; hundreds above 400 as
// sums or (with the option "использовать") as the five final letters; thousands as a letter
// with the geresh; 15 and 16 as 9 + 6 and 9 + 7; optionally a gershayim before the letters of
// the lowest non-zero digit; optionally (the option "обычай") the customary orders of the
// letters that would otherwise spell a word (270 ער, not רע; 744 תשדמ, not תשמד).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "numerals/keypad_view.h"

namespace zarno {

// The Hebrew numeral of the digit text `sovr`, with the letters from the key captions, the
// geresh from the caption of Tysyasha, and the options Ispolzovat (final letters for 500 to
// 900), Gershaim and Obychay. Empty for the empty text, for 0 and for any text of five or more
// characters. A character that is not a digit is taken as 0.
std::u16string RenderIudeyskie(std::u16string_view sovr, const KeypadView& view);

// Reader for the command line. Letters are summed, in whatever order they stand (ער and רע
// are both 270); a final letter (ך ם ן ף ץ) is 500 to 900
// when it opens its group of letters (as the renderer writes it) and 20, 40, 50, 80, 90 when
// it follows another letter (תש״ף is 780). The geresh (׳ or ') between letters makes the
// letters before it thousands; a geresh in front of a single letter (the renderer's ׳ב) makes
// that letter thousands; a geresh at the end only marks the number (ה׳ is 5). The gershayim
// (״ or ") and spaces are ignored. nullopt for a text without letters, any other character,
// or a geresh in any other place.
std::optional<std::int64_t> ReadIudeyskie(std::u16string_view text);

// The number a key of the Hebrew keypad adds to Sovr: its value, a thousand times greater
// while the thousands panel is pressed.
std::optional<std::uint64_t> IudeyskieKeyValue(std::uint32_t value, const KeypadView& keys);

}  // namespace zarno
