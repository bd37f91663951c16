// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_keys.h"

#include <algorithm>

#include "base/number.h"

namespace zarno {

std::optional<int> FontBoxIndex(Ctl box) {
  const auto it = std::find(kFontBoxes.begin(), kFontBoxes.end(), box);
  if (it == kFontBoxes.end()) return std::nullopt;
  return static_cast<int>(it - kFontBoxes.begin());
}

std::optional<SettingKey> FindSettingKey(std::u16string_view text) {
  for (int i = 0; i < kSettingKeyCount; ++i) {
    if (kSettingKeys[i].text == text) return static_cast<SettingKey>(i);
  }
  return std::nullopt;
}

std::vector<SettingsEntry> SettingsEntriesOf(const SettingsValues& values) {
  std::vector<SettingsEntry> entries;
  entries.reserve(kSettingKeyCount);
  for (int i = 0; i < kSettingKeyCount; ++i) {
    const auto key = static_cast<SettingKey>(i);
    const SettingKeyInfo& info = InfoOf(key);
    std::u16string value;
    if (info.font_box) {
      value = values.fonts[*FontBoxIndex(*info.font_box)];
    } else {
      switch (key) {
        case SettingKey::kKirilFontSize:
          value = ToDecimal(values.kiril_font_size);
          break;
        case SettingKey::kKirilFontColor:
          value = ToDecimal(values.kiril_font_color);
          break;
        case SettingKey::kFontArabSize:
          value = ToDecimal(values.font_arab_size);
          break;
        case SettingKey::kFontArabColor:
          value = ToDecimal(values.font_arab_color);
          break;
        default:
          break;  // the font keys, handled above
      }
    }
    entries.push_back({std::u16string(info.text), std::move(value)});
  }
  return entries;
}

std::vector<SettingsEntry> DefaultSettingsEntries(const FontsByBox& chosen) {
  SettingsValues values;  // the numbers default to those of a fresh file
  values.fonts = chosen;
  return SettingsEntriesOf(values);
}

}  // namespace zarno
