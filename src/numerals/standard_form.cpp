// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerals/standard_form.h"

#include <algorithm>

#include "numerals/armenian_georgian.h"
#include "numerals/chinese.h"
#include "numerals/greek_attic.h"
#include "numerals/greek_ionic.h"
#include "numerals/hebrew.h"
#include "numerals/maya.h"
#include "numerals/roman.h"
#include "numerals/slavonic.h"

namespace zarno {

namespace {

using Text = std::u16string_view;

// Each system's reader (which takes our font's characters and the standard form alike) and its
// mapping to standard Unicode; nullptr where the numerals are standard already.
struct UnitTexts {
  NumeralSystem system;
  std::optional<std::int64_t> (*read)(Text text);
  std::u16string (*to_standard)(Text text, int mark_width);
};

constexpr UnitTexts kUnits[] = {
    {NumeralSystem::kKiril, [](Text t) { return ReadKirilText(t, /*glagolitic=*/false); },
     &KirilToStandard},
    {NumeralSystem::kGlagol, [](Text t) { return ReadKirilText(t, /*glagolitic=*/true); },
     &KirilToStandard},
    {NumeralSystem::kRim, &ReadRimText, [](Text t, int) { return RimToStandard(t); }},
    {NumeralSystem::kKitay, &ReadKitayText, [](Text t, int) { return KitayToStandard(t); }},
    {NumeralSystem::kArmen, &ReadArmen, nullptr},
    {NumeralSystem::kGruz, &ReadGruz, nullptr},
    {NumeralSystem::kGrekIonich, &ReadGrekIonich,
     [](Text t, int) { return GrekIonichToStandard(t); }},
    {NumeralSystem::kGrekAttich, &ReadGrekAttich, [](Text t, int) { return AtticToStandard(t); }},
    {NumeralSystem::kMaya, &ReadMayaText, [](Text t, int) { return MayaToStandard(t); }},
    {NumeralSystem::kIudeyskie, &ReadIudeyskie, nullptr},
};

constexpr bool UnitsInSystemOrder() {
  for (std::size_t i = 0; i < std::size(kUnits); ++i) {
    if (static_cast<std::size_t>(kUnits[i].system) != i) return false;
  }
  return std::size(kUnits) == kSystemCount;
}
static_assert(UnitsInSystemOrder(), "one row per system, in the order of NumeralSystem");

const UnitTexts& UnitOf(NumeralSystem system) { return kUnits[static_cast<int>(system)]; }

}  // namespace

std::u16string StandardForm(NumeralSystem system, std::u16string_view text, int mark_width) {
  const auto to_standard = UnitOf(system).to_standard;
  return to_standard ? to_standard(text, mark_width) : std::u16string(text);
}

std::optional<std::int64_t> ReadNumeralText(NumeralSystem system, std::u16string_view text) {
  return UnitOf(system).read(text);
}

bool HasPrivateUse(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char16_t c) { return c >= 0xE000 && c <= 0xF8FF; });
}

}  // namespace zarno
