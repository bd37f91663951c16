#include "core/numeral_systems.h"

namespace zarno {
namespace {

using M = MainWindowModel;

constexpr NumeralSystemRow kSystems[] = {
    {NumeralSystem::kKiril, Ctl::KirilRadio, Ctl::FontKirillitsa, 999999, "cyrillic",
     &M::RenderKiril, &M::KirilRadioClick},
    {NumeralSystem::kGlagol, Ctl::GlagolRadio, Ctl::FontGlagolitsa, 2999, "glagolitic",
     &M::RenderKiril, &M::GlagolRadioClick},
    {NumeralSystem::kRim, Ctl::RimRadio, Ctl::FontRim, 399999, "roman", &M::RenderRim, nullptr},
    {NumeralSystem::kKitay, Ctl::Kitay, Ctl::FontKitay, 99999, "chinese", &M::RenderKitay, nullptr},
    {NumeralSystem::kArmen, Ctl::Armen, Ctl::FontArmen, 9999, "armenian", &M::RenderArmen, nullptr},
    {NumeralSystem::kGruz, Ctl::Gruz, Ctl::FontGruz, 19999, "georgian", &M::RenderGruz, nullptr},
    {NumeralSystem::kGrekIonich, Ctl::GrekIonich, Ctl::FontGrekIonich, 99999999, "greek-ionic",
     &M::RenderGrekIonich, nullptr},
    {NumeralSystem::kGrekAttich, Ctl::GrekAttich, Ctl::FontGrekAttich, 249999, "greek-attic",
     &M::RenderGrekAttich, nullptr},
    {NumeralSystem::kMaya, Ctl::Maya, Ctl::FontMaya, 4294967295, "maya", &M::RenderMaya, nullptr},
    {NumeralSystem::kIudeyskie, Ctl::Iudeyskie, Ctl::FontIudeyskie, 9999, "hebrew",
     &M::RenderIudeyskie, nullptr},
};
static_assert(std::size(kSystems) == kSystemCount);

constexpr bool RowsInSystemOrder() {
  for (int i = 0; i < kSystemCount; ++i) {
    if (static_cast<int>(kSystems[i].system) != i) return false;
  }
  return true;
}
static_assert(RowsInSystemOrder(), "the rows follow the order of NumeralSystem");

}  // namespace

std::span<const NumeralSystemRow> NumeralSystems() { return kSystems; }

const NumeralSystemRow& RowOf(NumeralSystem system) { return kSystems[static_cast<int>(system)]; }

std::optional<NumeralSystem> SystemOfRadio(Ctl radio) {
  for (const NumeralSystemRow& row : kSystems) {
    if (row.radio == radio) return row.system;
  }
  return std::nullopt;
}

NumeralSystem SystemOfFontBox(Ctl box) {
  for (const NumeralSystemRow& row : kSystems) {
    if (row.font_box == box) return row.system;
  }
  return NumeralSystem::kKiril;
}

}  // namespace zarno
