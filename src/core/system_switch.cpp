// Selecting a numeral system: the keypad gets the system's font and glyphs, shows and places
// the keys and options of that system, shapes the output field and renders the number.
#include "core/main_window_model.h"
#include "core/numeral_systems.h"
#include "keypads/layout.h"
#include "numerals/captions.h"

namespace zarno {
namespace {

constexpr Rect kKirilLine = {85, 37, 285, 58};
// With the Maya system the output is a narrow column: one digit glyph below another.
constexpr Rect kKirilMayaColumn = {312, 37, 53, 363};

}  // namespace

void MainWindowModel::ApplyLayout(NumeralSystem system) {
  for (int i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Ctl>(i);
    if (IsKeypadControl(c)) S(c).shown = false;
  }
  for (const Placement& p : KeypadLayout(system)) {
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
  int size = 18;
  if (KirilFontIsShipped() && !Checked(Ctl::RimRadio)) {
    size = 20;
  } else if (Checked(Ctl::Gruz)) {
    size = 14;
  } else if (Checked(Ctl::GrekIonich)) {
    size = 16;
  }
  for (int i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Ctl>(i);
    if (KindOf(c) != ControlKind::kKey || c == Ctl::Rim_100000) continue;
    if (ValueOf(c) >= 3000 && ValueOf(c) <= 9000 && c != Ctl::Rim_5000_1) continue;
    S(c).font_size = size;
  }
  S(Ctl::Tysyasha).font_size = size;
  const int myriad_size = Checked(Ctl::KirilRadio) ? 19 : size;
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

// The Hebrew option doubles as the switch of the five final-letter keys: a system switch
// sets it twice so that its handler leaves the keys as that system needs them.
void MainWindowModel::ResetIspolzovat(bool first, bool second) {
  SetChecked(Ctl::Ispolzovat, first);
  SetChecked(Ctl::Ispolzovat, second);
}

void MainWindowModel::KirilRadioClick() {
  SetKeypadFont(Text(Ctl::FontKirillitsa));
  SetKirilCaptions();
  ResetIspolzovat(false, true);
  S(Ctl::Kiril).place = kKirilLine;
  SetKeypadFontSize();
  ApplyLayout(NumeralSystem::kKiril);
  SetChecked(Ctl::Check_Glag_500, true);  // 500 is always ф in Cyrillic
  RenderKiril();
}

void MainWindowModel::GlagolRadioClick() {
  SetKeypadFont(Text(Ctl::FontGlagolitsa));
  SetGlagolCaptions();
  ResetIspolzovat(false, true);
  EmptyKirilAboveLimit();
  SetKeypadFontSize();
  S(Ctl::Kiril).place = kKirilLine;
  ApplyLayout(NumeralSystem::kGlagol);
  RenderKiril();
  EmptyKirilAboveLimit();
}

void MainWindowModel::PrepareSystem(NumeralSystem system) {
  SetKeypadFont(Text(FontBoxOf(system)));
  switch (system) {
    case NumeralSystem::kRim:
      ApplyCaptions(controls_, RimCaptions());
      break;
    case NumeralSystem::kGrekIonich:
      ApplyCaptions(controls_, GrekIonichCaptions());
      Release(Ctl::Tysyasha);
      break;
    case NumeralSystem::kGrekAttich:
      ApplyCaptions(controls_, GrekAttichCaptions());
      break;
    case NumeralSystem::kKitay:
      ApplyCaptions(controls_, KitayCaptions());
      SetCaption(Ctl::Kiril1_0_1, KitayZeroFor(Text(Ctl::FontKitay)));
      ApplyCaptions(controls_, KitayFormalCaptions());
      ApplyCaptions(controls_, KitaySimplifiedCaptions());
      break;
    case NumeralSystem::kArmen:
      ApplyCaptions(controls_, ArmenCaptions());
      Release(Ctl::Tysyasha);
      break;
    case NumeralSystem::kGruz:
      ApplyCaptions(controls_, GruzCaptions());
      Release(Ctl::Tysyasha);
      break;
    case NumeralSystem::kMaya:
      ApplyCaptions(controls_, MayaCaptions());
      break;
    case NumeralSystem::kIudeyskie:
      ApplyCaptions(controls_, IudeyskieCaptions());  // the panel keeps its state
      break;
    case NumeralSystem::kKiril:
    case NumeralSystem::kGlagol:
      break;
  }
  switch (system) {
    case NumeralSystem::kKitay:
    case NumeralSystem::kMaya:
      break;
    case NumeralSystem::kIudeyskie:
      ResetIspolzovat(true, false);  // final letters off, their keys disabled
      break;
    default:
      ResetIspolzovat(false, true);
      break;
  }
  EmptyKirilAboveLimit();
  SetKeypadFontSize();
  S(Ctl::Kiril).place = system == NumeralSystem::kMaya ? kKirilMayaColumn : kKirilLine;
  ApplyLayout(system);
  if (system == NumeralSystem::kGrekIonich) Release(Ctl::x10000);
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
