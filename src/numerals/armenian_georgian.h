// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Armenian and Georgian numerals: one letter for each non-zero digit, the largest first. Both
// alphabets sit on the same keys; the renderers take the letters from the key captions.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "numerals/keypad_view.h"

namespace zarno {

// The Armenian numeral of the digit text `sovr` (units to thousands). Empty for the empty
// text, for 0 and for any text of five or more characters, leading zeros included. A
// character that is not a digit is taken as 0.
std::u16string RenderArmen(std::u16string_view sovr, const KeypadView& view);

// The Georgian numeral: as Armenian, with a fifth place that holds only 0 or 1 (the letter
// for 10000). Empty for a fifth digit of 2 to 9 and for six or more characters.
std::u16string RenderGruz(std::u16string_view sovr, const KeypadView& view);

// Readers for the command line: the sum of the letters. Armenian takes the capitals
// U+0531..U+0554 and the small letters U+0561..U+0584 and ignores an overline (U+0305,
// U+0304, U+033F) and the abbreviation mark U+055F. Georgian takes Mkhedruli as the renderer
// writes it (and უ as 400), the Asomtavruli capitals U+10A0..U+10C5, the Nuskhuri letters
// U+2D00..U+2D25 and the Mtavruli capitals U+1C90..U+1CB5, and ignores an overline or titlo.
// Spaces are ignored. nullopt for a text without letters or with any other character.
std::optional<std::int64_t> ReadArmen(std::u16string_view text);
std::optional<std::int64_t> ReadGruz(std::u16string_view text);

}  // namespace zarno
