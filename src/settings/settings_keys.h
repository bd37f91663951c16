// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sixteen keys of "Zarno.ini", the twelve font combo boxes they feed, and the content of
// the file the automatic font choice writes.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/controls.h"
#include "settings/settings_file.h"

namespace zarno {

// The twelve font combo boxes of the settings panel, in the order in which they are filled.
inline constexpr std::array<Ctl, 12> kFontBoxes = {
    Ctl::FontKirillitsa, Ctl::FontGlagolitsa, Ctl::FontRim,        Ctl::FontKitay,
    Ctl::FontArmen,      Ctl::FontGruz,       Ctl::FontGrekIonich, Ctl::FontGrekAttich,
    Ctl::FontMaya,       Ctl::FontIudeyskie,  Ctl::FontArab1,      Ctl::FontArab2,
};

// One font name per combo box, indexed like kFontBoxes.
using FontsByBox = std::array<std::u16string, kFontBoxes.size()>;

// Position of a combo box in kFontBoxes; nullopt for any other control.
std::optional<int> FontBoxIndex(Ctl box);

// The keys, in the order in which the file is written.
enum class SettingKey : std::uint8_t {
  kKirillitsaFontName,
  kGlagolitsaFontName,
  kRimFontName,
  kKitayFontName,
  kArmenFontName,
  kGruzFontName,
  kGrekIonichFontName,
  kGrekAttichFontName,
  kMayaFontName,
  kIudeyskieFontName,
  kKirilFontSize,
  kKirilFontColor,
  kFontArab1,
  kFontArab2,
  kFontArabSize,
  kFontArabColor,
};
inline constexpr int kSettingKeyCount = 16;

enum class SettingType : std::uint8_t {
  kFontName,  // the text of a font combo box
  kInteger,   // a font size in points
  kColour,    // a colour value: red in the lowest byte, 128 is dark red
};

struct SettingKeyInfo {
  std::u16string_view text;  // exactly as in the file
  SettingType type;
  std::optional<Ctl> font_box;  // the combo box whose text a font key stores
};

inline constexpr std::array<SettingKeyInfo, kSettingKeyCount> kSettingKeys = {{
    {u"Kirillitsa_Font_Name", SettingType::kFontName, Ctl::FontKirillitsa},
    {u"Glagolitsa_Font_Name", SettingType::kFontName, Ctl::FontGlagolitsa},
    {u"Rim_Font_Name", SettingType::kFontName, Ctl::FontRim},
    {u"Kitay_Font_Name", SettingType::kFontName, Ctl::FontKitay},
    {u"Armen_Font_Name", SettingType::kFontName, Ctl::FontArmen},
    {u"Gruz_Font_Name", SettingType::kFontName, Ctl::FontGruz},
    {u"GrekIonich_Font_Name", SettingType::kFontName, Ctl::FontGrekIonich},
    {u"GrekAttich_Font_Name", SettingType::kFontName, Ctl::FontGrekAttich},
    {u"Maya_Font_Name", SettingType::kFontName, Ctl::FontMaya},
    {u"Iudeyskie_Font_Name", SettingType::kFontName, Ctl::FontIudeyskie},
    {u"Kiril_Font_Size", SettingType::kInteger, std::nullopt},
    {u"Kiril_Font_Color", SettingType::kColour, std::nullopt},
    {u"FontArab1", SettingType::kFontName, Ctl::FontArab1},
    {u"FontArab2", SettingType::kFontName, Ctl::FontArab2},
    {u"FontArab_Size", SettingType::kInteger, std::nullopt},
    {u"FontArab_Color", SettingType::kColour, std::nullopt},
}};

constexpr const SettingKeyInfo& InfoOf(SettingKey key) {
  return kSettingKeys[static_cast<int>(key)];
}

// The key of that exact text (whole string, case-sensitive, no trimming), if any.
std::optional<SettingKey> FindSettingKey(std::u16string_view text);

// The four numbers of a freshly chosen file.
inline constexpr std::int32_t kDefaultKirilFontSize = 28;
inline constexpr std::int32_t kDefaultKirilFontColor = 128;
inline constexpr std::int32_t kDefaultFontArabSize = 27;
inline constexpr std::int32_t kDefaultFontArabColor = 128;

// Everything the file stores. Colours are kept as the signed 32-bit number the file holds;
// a colour value with the top bit set is written negative and reads back the same.
struct SettingsValues {
  FontsByBox fonts;
  std::int32_t kiril_font_size = kDefaultKirilFontSize;
  std::int32_t kiril_font_color = kDefaultKirilFontColor;
  std::int32_t font_arab_size = kDefaultFontArabSize;
  std::int32_t font_arab_color = kDefaultFontArabColor;
};

// The sixteen entries of the file, in the file's order.
std::vector<SettingsEntry> SettingsEntriesOf(const SettingsValues& values);

// The content of the default file: the chosen fonts and the four fixed numbers.
std::vector<SettingsEntry> DefaultSettingsEntries(const FontsByBox& chosen);

}  // namespace zarno
