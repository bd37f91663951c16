// SPDX-License-Identifier: GPL-3.0-or-later
#include "keypads/layout.h"

#include "keypads/layout_data.h"

namespace zarno {

std::span<const Placement> KeypadLayout(NumeralSystem system) {
  switch (system) {
    case NumeralSystem::kKiril:
      return layout::KirilLayout();
    case NumeralSystem::kGlagol:
      return layout::GlagolLayout();
    case NumeralSystem::kRim:
      return layout::RimLayout();
    case NumeralSystem::kKitay:
      return layout::KitayLayout();
    case NumeralSystem::kArmen:
      return layout::ArmenLayout();
    case NumeralSystem::kGruz:
      return layout::GruzLayout();
    case NumeralSystem::kGrekIonich:
      return layout::GrekIonichLayout();
    case NumeralSystem::kGrekAttich:
      return layout::GrekAttichLayout();
    case NumeralSystem::kMaya:
      return layout::MayaLayout();
    case NumeralSystem::kIudeyskie:
      return layout::IudeyskieLayout();
  }
  return {};
}

bool IsKeypadControl(Ctl c) {
  switch (KindOf(c)) {
    case ControlKind::kKey:
    case ControlKind::kVariantBox:
    case ControlKind::kOptionBox:
    case ControlKind::kPanel:
    case ControlKind::kStyleRadio:
    case ControlKind::kGroup:
    case ControlKind::kLink:
      return true;
    default:
      break;
  }
  switch (c) {
    case Ctl::Zarno:
    case Ctl::Kiril_Stepen_103:
    case Ctl::x10000_nadpis:
    case Ctl::x100000_nadpis:
    case Ctl::Nizhe1:
    case Ctl::Nizhe2:
    case Ctl::Tochka:
      return true;
    default:
      return false;
  }
}

}  // namespace zarno
