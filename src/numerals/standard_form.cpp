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

std::u16string StandardForm(NumeralSystem system, std::u16string_view text, int mark_width) {
  switch (system) {
    case NumeralSystem::kKiril:
    case NumeralSystem::kGlagol:
      return KirilToStandard(text, mark_width);
    case NumeralSystem::kRim:
      return RimToStandard(text);
    case NumeralSystem::kKitay:
      return KitayToStandard(text);
    case NumeralSystem::kGrekIonich:
      return GrekIonichToStandard(text);
    case NumeralSystem::kGrekAttich:
      return AtticToStandard(text);
    case NumeralSystem::kMaya:
      return MayaToStandard(text);
    case NumeralSystem::kArmen:
    case NumeralSystem::kGruz:
    case NumeralSystem::kIudeyskie:
      break;
  }
  return std::u16string(text);
}

std::optional<std::int64_t> ReadNumeralText(NumeralSystem system, std::u16string_view text) {
  switch (system) {
    case NumeralSystem::kKiril:
      return ReadKirilText(text, false);
    case NumeralSystem::kGlagol:
      return ReadKirilText(text, true);
    case NumeralSystem::kRim:
      return ReadRimText(text);
    case NumeralSystem::kKitay:
      return ReadKitayText(text);
    case NumeralSystem::kArmen:
      return ReadArmen(text);
    case NumeralSystem::kGruz:
      return ReadGruz(text);
    case NumeralSystem::kGrekIonich:
      return ReadGrekIonich(text);
    case NumeralSystem::kGrekAttich:
      return ReadGrekAttich(text);
    case NumeralSystem::kMaya:
      return ReadMayaText(text);
    case NumeralSystem::kIudeyskie:
      return ReadIudeyskie(text);
  }
  return std::nullopt;
}

bool HasPrivateUse(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char16_t c) { return c >= 0xE000 && c <= 0xF8FF; });
}

}  // namespace zarno
