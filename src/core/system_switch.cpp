// SPDX-License-Identifier: GPL-3.0-or-later
// Selecting a numeral system: the keypad gets the system's font and glyphs, shows and places
// the keys and options of that system, shapes the output field and renders the number.
#include "core/main_window_model.h"
#include "core/numeral_systems.h"
#include "keypads/layout.h"
#include "numerals/captions.h"

namespace zarno {
void MainWindowModel::ApplyLayout(NumeralSystem system) {
  for (int i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Ctl>(i);
    if (IsKeypadControl(c)) S(c).shown = false;
  }
  for (const Placement& p : RowOf(system).layout()) {
    S(p.control).shown = true;
    S(p.control).place = p.place;
  }
}

void MainWindowModel::SetKeypadFont(std::u16string_view name) {
  S(Ctl::Kiril).font = name;
  for (int i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Ctl>(i);
    if (KindOf(c) == ControlKind::kKey && c != Ctl::Rim_100000) S(c).font = name;
  }
  for (Ctl c : {Ctl::Tysyasha, Ctl::Nizhe1, Ctl::Zarno, Ctl::x10000, Ctl::x100000}) {
    S(c).font = name;
  }
}

void MainWindowModel::SetKeypadFontSize() {
  const NumeralSystemRow& row = RowOf(System());
  const int size = KirilFontIsShipped() ? row.key_points_in_our_font : row.key_points;
  for (int i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Ctl>(i);
    if (KindOf(c) != ControlKind::kKey || c == Ctl::Rim_100000) continue;
    if (ValueOf(c) >= 3000 && ValueOf(c) <= 9000 && c != Ctl::Rim_5000_1) continue;
    S(c).font_size = size;
  }
  S(Ctl::Tysyasha).font_size = size;
  const int myriad_size = row.myriad_points != 0 ? row.myriad_points : size;
  S(Ctl::x10000).font_size = myriad_size;
  S(Ctl::x100000).font_size = myriad_size;
}

void MainWindowModel::SetKirilCaptions() {
  ApplyCaptions(controls_, KirilCaptions());
  Release(Ctl::Tysyasha);
}

void MainWindowModel::SetGlagolCaptions() {
  ApplyCaptions(controls_, GlagolCaptions());
  Release(Ctl::Tysyasha);
}

void MainWindowModel::KirilRadioClick() {
  SetKeypadFont(Text(Ctl::FontKirillitsa));
  SetKirilCaptions();
  ResetFinalLetters(NumeralSystem::kKiril);
  S(Ctl::Kiril).place = kKirilLine;
  SetKeypadFontSize();
  ApplyLayout(NumeralSystem::kKiril);
  SetChecked(Ctl::Check_Glag_500, true);  // 500 is always ф in Cyrillic
  RenderKiril();
}

void MainWindowModel::GlagolRadioClick() {
  SetKeypadFont(Text(Ctl::FontGlagolitsa));
  SetGlagolCaptions();
  ResetFinalLetters(NumeralSystem::kGlagol);
  EmptyKirilAboveLimit();
  SetKeypadFontSize();
  S(Ctl::Kiril).place = kKirilLine;
  ApplyLayout(NumeralSystem::kGlagol);
  RenderKiril();
  EmptyKirilAboveLimit();
}

void MainWindowModel::PrepareSystem(NumeralSystem system) {
  const NumeralSystemRow& row = RowOf(system);
  SetKeypadFont(Text(row.font_box));
  if (row.key_captions != nullptr) row.key_captions(controls_);
  if (row.releases_thousands) Release(Ctl::Tysyasha);
  ResetFinalLetters(system);
  EmptyKirilAboveLimit();
  SetKeypadFontSize();
  S(Ctl::Kiril).place = row.output_place;
  ApplyLayout(system);
  if (row.releases_myriad) Release(Ctl::x10000);
}

void MainWindowModel::SystemClick(NumeralSystem system) {
  const NumeralSystemRow& row = RowOf(system);
  if (row.own_switch != nullptr) {
    (this->*row.own_switch)();
    return;
  }
  PrepareSystem(system);
  (this->*row.render)();
  EmptyKirilAboveLimit();
}

}  // namespace zarno
