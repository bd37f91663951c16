// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The font-list searches and the automatic choice of a font for each numeral system and each
// digit font group.
#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_keys.h"

namespace zarno {

// True when an entry of the list equals the name exactly (whole name, case-sensitive).
bool FontPresent(const std::vector<std::u16string>& list, std::u16string_view name);

// Index of the first entry equal to the name exactly; 0, the first entry, when none is.
int FindFontIndex(const std::vector<std::u16string>& list, std::u16string_view name);

// One row of the automatic choice: the first candidate that is installed, else the fallback
// (written without a test), goes to each of the keys.
struct FontChoice {
  std::span<const std::u16string_view> candidates;
  std::u16string_view fallback;
  std::span<const SettingKey> keys;
};

// The eight rows, in the order in which they are decided.
extern const std::array<FontChoice, 8> kFontChoices;

// Whether a font family is installed (exact comparison).
using FontPresentFn = std::function<bool(std::u16string_view)>;

// The font each combo box gets from the automatic choice.
FontsByBox ChooseDefaultFonts(const FontPresentFn& present);

}  // namespace zarno
