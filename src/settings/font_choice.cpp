// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/font_choice.h"

#include <algorithm>

namespace zarno {

bool FontPresent(const std::vector<std::u16string>& list, std::u16string_view name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

int FindFontIndex(const std::vector<std::u16string>& list, std::u16string_view name) {
  const auto it = std::find(list.begin(), list.end(), name);
  return it == list.end() ? 0 : static_cast<int>(it - list.begin());
}

namespace {

using K = SettingKey;

// Our own font, the only one with the private-use signs.
constexpr std::u16string_view kKolvana = u"Kolvana+";

// Cyrillic, Glagolitic, Roman, Greek Attic and the second digit group need our own signs first.
constexpr std::u16string_view kCandidates1[] = {kKolvana, u"Arial Unicode MS", u"Code2000",
                                                u"DejaVu Sans", u"FreeSerif"};
constexpr K kKeys1[] = {K::kKirillitsaFontName, K::kGlagolitsaFontName, K::kRimFontName,
                        K::kGrekAttichFontName, K::kFontArab2};
// Armenian.
constexpr std::u16string_view kCandidates2[] = {u"Arial Unicode MS", u"Code2000", u"DejaVu Sans",
                                                u"FreeSans"};
constexpr K kKeys2[] = {K::kArmenFontName};
// The first digit group.
constexpr std::u16string_view kCandidates3[] = {u"Arial Unicode MS", u"Code2000", u"DejaVu Sans",
                                                u"FreeSans"};
constexpr K kKeys3[] = {K::kFontArab1};
// Georgian.
constexpr std::u16string_view kCandidates4[] = {u"Arial Unicode MS", u"Code2000", u"DejaVu Sans",
                                                u"DejaVu Serif", u"FreeSans"};
constexpr K kKeys4[] = {K::kGruzFontName};
// Chinese.
constexpr std::u16string_view kCandidates5[] = {u"Arial Unicode MS", u"Code2000",
                                                u"AR PL UMing CN"};
constexpr K kKeys5[] = {K::kKitayFontName};
// Greek Ionic. "DejaVu Sans Serif" exists nowhere; it stays for the machines where it might.
constexpr std::u16string_view kCandidates6[] = {
    u"Code2000",         u"DejaVu Sans",       u"DejaVu Sans Condensed",
    u"DejaVu Sans Mono", u"DejaVu Sans Serif", u"DejaVu Serif Condensed"};
constexpr K kKeys6[] = {K::kGrekIonichFontName};
// Maya: only our font has the digits.
constexpr std::u16string_view kCandidates7[] = {kKolvana};
constexpr K kKeys7[] = {K::kMayaFontName};
// Hebrew. The Windows program spelled the second candidate "Dejavu Sans", which no installed
// family matches under the exact comparison, so there Hebrew fell through to FreeMono. We ask
// for the real "DejaVu Sans": it draws every sign the Hebrew numerals use (the letters, the
// final forms, geresh and gershayim), it is present on every Linux desktop, and it gives Hebrew
// the same proportional face the other systems get instead of a typewriter one.
constexpr std::u16string_view kCandidates8[] = {u"Code2000", u"DejaVu Sans", u"FreeMono",
                                                u"FreeSans", u"FreeSerif"};
constexpr K kKeys8[] = {K::kIudeyskieFontName};

}  // namespace

// Constant-initialised, so that the table is ready before any static constructor asks for it.
constexpr std::array<FontChoice, 8> kFontChoices = {{
    {kCandidates1, u"Microsoft Sans Serif", kKeys1},
    {kCandidates2, u"FreeMono", kKeys2},
    {kCandidates3, u"Microsoft Sans Serif", kKeys3},
    {kCandidates4, u"FreeMono", kKeys4},
    {kCandidates5, u"Microsoft Sans Serif", kKeys5},
    {kCandidates6, u"Microsoft Sans Serif", kKeys6},
    {kCandidates7, u"Microsoft Sans Serif", kKeys7},
    {kCandidates8, u"Arial Unicode MS", kKeys8},
}};

FontsByBox ChooseDefaultFonts(const FontPresentFn& present) {
  FontsByBox chosen;
  for (const FontChoice& choice : kFontChoices) {
    std::u16string_view font = choice.fallback;
    for (std::u16string_view candidate : choice.candidates) {
      if (present(candidate)) {
        font = candidate;
        break;
      }
    }
    for (SettingKey key : choice.keys) {
      chosen[*FontBoxIndex(*InfoOf(key).font_box)] = std::u16string(font);
    }
  }
  return chosen;
}

}  // namespace zarno
