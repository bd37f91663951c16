// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numerals in standard Unicode: what a numeral of each system becomes for documents and
// programs that do not have our font, and the reading of either form. Each system's own unit
// holds its mapping and its reader; these pick them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/controls.h"

namespace zarno {

// The standard form of `text`, a numeral of `system` as the output shows it (or a part of
// one). `mark_width` is the numeral-mark style of the Cyrillic and Glagolitic text (1 to 9).
// Hebrew, Armenian and Georgian numerals are standard already and come back unchanged.
std::u16string StandardForm(NumeralSystem system, std::u16string_view text, int mark_width = 1);

// The number a numeral text of `system` stands for, in our font's characters or in the
// standard form; nullopt when it is no numeral of the system (each system's reader says what
// it accepts).
std::optional<std::int64_t> ReadNumeralText(NumeralSystem system, std::u16string_view text);

// Whether `text` holds a code point of the Private Use Area (U+E000..U+F8FF).
bool HasPrivateUse(std::u16string_view text);

}  // namespace zarno
