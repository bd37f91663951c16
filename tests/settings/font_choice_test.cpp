// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/font_choice.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "base/number.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "support/temp_dir.h"

namespace zarno {
namespace {

using Fonts = std::vector<std::u16string>;

// The choice as the sixteen lines of the default file would carry the fonts: key -> font.
std::map<std::u16string, std::u16string> ChoiceFor(const Fonts& installed) {
  const FontsByBox chosen =
      ChooseDefaultFonts([&](std::u16string_view name) { return FontPresent(installed, name); });
  std::map<std::u16string, std::u16string> by_key;
  for (const SettingsEntry& e : DefaultSettingsEntries(chosen)) by_key[e.key] = e.value;
  return by_key;
}

// Fonts of the sixteen keys in file order, for the rows below.
struct Expected {
  std::u16string_view
      cyrillic_and_co;              // choice 1: Kirillitsa, Glagolitsa, Rim, GrekAttich, FontArab2
  std::u16string_view armen;        // 2
  std::u16string_view font_arab1;   // 3
  std::u16string_view gruz;         // 4
  std::u16string_view kitay;        // 5
  std::u16string_view grek_ionich;  // 6
  std::u16string_view maya;         // 7
  std::u16string_view iudeyskie;    // 8
};

void ExpectChoice(const Fonts& installed, const Expected& x) {
  const auto got = ChoiceFor(installed);
  for (const char16_t* key : {u"Kirillitsa_Font_Name", u"Glagolitsa_Font_Name", u"Rim_Font_Name",
                              u"GrekAttich_Font_Name", u"FontArab2"}) {
    EXPECT_EQ(got.at(key), x.cyrillic_and_co) << "key " << ToUtf8(key);
  }
  EXPECT_EQ(got.at(u"Armen_Font_Name"), x.armen);
  EXPECT_EQ(got.at(u"FontArab1"), x.font_arab1);
  EXPECT_EQ(got.at(u"Gruz_Font_Name"), x.gruz);
  EXPECT_EQ(got.at(u"Kitay_Font_Name"), x.kitay);
  EXPECT_EQ(got.at(u"GrekIonich_Font_Name"), x.grek_ionich);
  EXPECT_EQ(got.at(u"Maya_Font_Name"), x.maya);
  EXPECT_EQ(got.at(u"Iudeyskie_Font_Name"), x.iudeyskie);
}

const Fonts kDebian = {
    u"AR PL UMing CN",     u"AR PL UMing HK",  u"DejaVu Sans",      u"DejaVu Sans Mono",
    u"DejaVu Serif",       u"FreeMono",        u"FreeSans",         u"FreeSerif",
    u"Kolvana+",           u"Noto Sans",       u"Noto Sans Hebrew", u"Noto Sans Armenian",
    u"Noto Sans Georgian", u"Noto Serif",      u"Noto Sans Thai",   u"Noto Sans Mongolian",
    u"Noto Sans Balinese", u"Noto Sans Limbu", u"Sans Serif",       u"Serif",
};

TEST(ChooseDefaultFonts, NoCandidateInstalled) {
  ExpectChoice({u"Noto Sans", u"Liberation Serif"},
               {u"Microsoft Sans Serif", u"FreeMono", u"Microsoft Sans Serif", u"FreeMono",
                u"Microsoft Sans Serif", u"Microsoft Sans Serif", u"Microsoft Sans Serif",
                u"Arial Unicode MS"});
  ExpectChoice({}, {u"Microsoft Sans Serif", u"FreeMono", u"Microsoft Sans Serif", u"FreeMono",
                    u"Microsoft Sans Serif", u"Microsoft Sans Serif", u"Microsoft Sans Serif",
                    u"Arial Unicode MS"});
}

TEST(ChooseDefaultFonts, OnlyArialUnicodeMs) {
  const std::u16string_view a = u"Arial Unicode MS";
  ExpectChoice({u"Arial Unicode MS", u"Tahoma"},
               {a, a, a, a, a, u"Microsoft Sans Serif", u"Microsoft Sans Serif", a});
}

TEST(ChooseDefaultFonts, ShippedFontWinsChoicesOneAndSeven) {
  const std::u16string_view k = u"Kolvana+";
  ExpectChoice({u"Arial Unicode MS", u"Kolvana+"},
               {k, u"Arial Unicode MS", u"Arial Unicode MS", u"Arial Unicode MS",
                u"Arial Unicode MS", u"Microsoft Sans Serif", k, u"Arial Unicode MS"});
}

TEST(ChooseDefaultFonts, DebianWithOurFont) {
  const std::u16string_view d = u"DejaVu Sans";
  ExpectChoice(kDebian, {u"Kolvana+", d, d, d, u"AR PL UMing CN", d, u"Kolvana+", d});
}

TEST(ChooseDefaultFonts, FreshDebianWithOnlyDejaVu) {
  const std::u16string_view d = u"DejaVu Sans";
  ExpectChoice({u"DejaVu Sans", u"DejaVu Sans Mono", u"DejaVu Serif"},
               {d, d, d, d, u"Microsoft Sans Serif", d, u"Microsoft Sans Serif", d});
}

TEST(ChooseDefaultFonts, OnlyGnuFreeFont) {
  ExpectChoice({u"FreeMono", u"FreeSans", u"FreeSerif"},
               {u"FreeSerif", u"FreeSans", u"FreeSans", u"FreeSans", u"Microsoft Sans Serif",
                u"Microsoft Sans Serif", u"Microsoft Sans Serif", u"FreeMono"});
}

TEST(ChooseDefaultFonts, EarlierCandidateWinsOverLaterOnes) {
  // Code2000 comes before DejaVu Sans everywhere it is named.
  const std::u16string_view c = u"Code2000";
  ExpectChoice({u"DejaVu Sans", u"Code2000", u"FreeSans"},
               {c, c, c, c, c, c, u"Microsoft Sans Serif", c});
  // Georgian takes DejaVu Serif before FreeSans; Greek Ionic takes the condensed face.
  const auto got = ChoiceFor({u"DejaVu Serif", u"FreeSans", u"DejaVu Sans Condensed"});
  EXPECT_EQ(got.at(u"Gruz_Font_Name"), u"DejaVu Serif");
  EXPECT_EQ(got.at(u"Armen_Font_Name"), u"FreeSans");
  EXPECT_EQ(got.at(u"GrekIonich_Font_Name"), u"DejaVu Sans Condensed");
}

TEST(ChooseDefaultFonts, HebrewTakesTheRealDejaVuSansNotAMisspelling) {
  // Names are compared exactly: a family spelled "Dejavu Sans" is not DejaVu Sans.
  EXPECT_EQ(ChoiceFor({u"Dejavu Sans", u"dejavu sans"}).at(u"Iudeyskie_Font_Name"),
            u"Arial Unicode MS");
  EXPECT_EQ(ChoiceFor({u"FreeMono", u"DejaVu Sans"}).at(u"Iudeyskie_Font_Name"), u"DejaVu Sans");
}

TEST(ChooseDefaultFonts, AsksOnlyForWholeExactNames) {
  std::vector<std::u16string> asked;
  ChooseDefaultFonts([&](std::u16string_view name) {
    asked.emplace_back(name);
    return false;
  });
  // Every candidate of every row once, in row order: 5 + 4 + 4 + 5 + 3 + 6 + 1 + 5.
  EXPECT_EQ(asked.size(), 33u);
  EXPECT_EQ(asked.front(), u"Kolvana+");
  EXPECT_EQ(asked.back(), u"FreeSerif");
}

// ---- The default file ----------------------------------------------------------------------

class DefaultFileTest : public testing::TempDirTest {};

TEST_F(DefaultFileTest, BytesOnADebianMachine) {
  const FontsByBox chosen =
      ChooseDefaultFonts([](std::u16string_view name) { return FontPresent(kDebian, name); });
  ASSERT_EQ(WriteSettingsFile(dir() / "Zarno.ini", DefaultSettingsEntries(chosen)), std::nullopt);
  EXPECT_EQ(ReadBytes(dir() / "Zarno.ini"),
            "Kirillitsa_Font_Name=Kolvana+\r\n"
            "Glagolitsa_Font_Name=Kolvana+\r\n"
            "Rim_Font_Name=Kolvana+\r\n"
            "Kitay_Font_Name=AR PL UMing CN\r\n"
            "Armen_Font_Name=DejaVu Sans\r\n"
            "Gruz_Font_Name=DejaVu Sans\r\n"
            "GrekIonich_Font_Name=DejaVu Sans\r\n"
            "GrekAttich_Font_Name=Kolvana+\r\n"
            "Maya_Font_Name=Kolvana+\r\n"
            "Iudeyskie_Font_Name=DejaVu Sans\r\n"
            "Kiril_Font_Size=28\r\n"
            "Kiril_Font_Color=128\r\n"
            "FontArab1=DejaVu Sans\r\n"
            "FontArab2=Kolvana+\r\n"
            "FontArab_Size=27\r\n"
            "FontArab_Color=128\r\n");
}

TEST_F(DefaultFileTest, SavedValuesReadBackAsTheSameNumbers) {
  SettingsValues values;
  values.fonts.fill(u"Шрифт № 1");
  values.kiril_font_size = 99;
  values.kiril_font_color = 32768;
  values.font_arab_size = 5;
  values.font_arab_color = static_cast<std::int32_t>(0xFF00000Fu);  // top bit set: negative
  ASSERT_EQ(WriteSettingsFile(dir() / "Zarno.ini", SettingsEntriesOf(values)), std::nullopt);

  const SettingsRead r = ReadSettingsFile(dir() / "Zarno.ini");
  ASSERT_EQ(r.outcome, SettingsRead::Outcome::kEntries);
  ASSERT_EQ(r.entries.size(), 16u);
  std::map<SettingKey, std::int32_t> numbers;
  for (const SettingsEntry& e : r.entries) {
    const auto key = FindSettingKey(e.key);
    ASSERT_TRUE(key.has_value()) << ToUtf8(e.key);
    if (InfoOf(*key).type == SettingType::kFontName) {
      EXPECT_EQ(e.value, u"Шрифт № 1");
    } else {
      const auto n = ParseSettingsInteger(e.value);
      ASSERT_TRUE(n.has_value()) << ToUtf8(e.value);
      numbers[*key] = *n;
    }
  }
  EXPECT_EQ(numbers[SettingKey::kKirilFontSize], 99);
  EXPECT_EQ(numbers[SettingKey::kKirilFontColor], 32768);
  EXPECT_EQ(numbers[SettingKey::kFontArabSize], 5);
  EXPECT_EQ(static_cast<std::uint32_t>(numbers[SettingKey::kFontArabColor]), 0xFF00000Fu);
}

// ---- Keys and combo boxes ------------------------------------------------------------------

TEST(FindSettingKey, ExactWholeCaseSensitiveText) {
  EXPECT_EQ(FindSettingKey(u"Kiril_Font_Size"), SettingKey::kKirilFontSize);
  EXPECT_EQ(FindSettingKey(u"FontArab_Color"), SettingKey::kFontArabColor);
  for (std::u16string_view other :
       {u"kiril_font_size", u"KIRIL_FONT_SIZE", u"Kiril_Font_Size ", u" Kiril_Font_Size",
        u"Kiril_Font_Siz", u"Kiril_Font_Size=", u"FontArab", u""}) {
    EXPECT_EQ(FindSettingKey(other), std::nullopt) << ToUtf8(other);
  }
}

TEST(SettingKeys, EveryFontKeyFeedsItsOwnComboBox) {
  std::vector<int> boxes;
  for (const SettingKeyInfo& info : kSettingKeys) {
    ASSERT_EQ(info.font_box.has_value(), info.type == SettingType::kFontName);
    if (!info.font_box) continue;
    const auto index = FontBoxIndex(*info.font_box);
    ASSERT_TRUE(index.has_value());
    // The combo box of a key carries the key's name: FontRim for Rim_Font_Name, FontArab1 ...
    std::u16string name = FromUtf8(Name(*info.font_box));
    std::u16string stem = std::u16string(info.text.substr(0, info.text.find(u"_Font_Name")));
    EXPECT_NE(name.find(stem), std::u16string::npos) << ToUtf8(info.text);
    boxes.push_back(*index);
  }
  EXPECT_EQ(boxes, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_EQ(FontBoxIndex(Ctl::Sovr), std::nullopt);
}

// ---- Font lists -----------------------------------------------------------------------------

TEST(FontPresent, ExactWholeNames) {
  const Fonts list = {u"DejaVu Sans", u"DejaVu Sans Mono", u"Kolvana+"};
  EXPECT_TRUE(FontPresent(list, u"DejaVu Sans"));
  EXPECT_TRUE(FontPresent(list, u"Kolvana+"));
  EXPECT_FALSE(FontPresent(list, u"DejaVu"));
  EXPECT_FALSE(FontPresent(list, u"dejavu sans"));
  EXPECT_FALSE(FontPresent(list, u"Kolvana+ "));
  EXPECT_FALSE(FontPresent({}, u""));
}

TEST(FindFontIndex, IndexOfTheEqualEntryOrTheFirst) {
  const Fonts list = {u"AR PL UMing CN", u"DejaVu Sans", u"DejaVu Sans Mono", u"Kolvana+"};
  EXPECT_EQ(FindFontIndex(list, u"AR PL UMing CN"), 0);
  EXPECT_EQ(FindFontIndex(list, u"DejaVu Sans Mono"), 2);
  EXPECT_EQ(FindFontIndex(list, u"Kolvana+"), 3);
  EXPECT_EQ(FindFontIndex(list, u"kolvana+"), 0);
  EXPECT_EQ(FindFontIndex(list, u""), 0);
  EXPECT_EQ(FindFontIndex({}, u"Kolvana+"), 0);
}

}  // namespace
}  // namespace zarno
