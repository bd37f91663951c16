// SPDX-License-Identifier: GPL-3.0-or-later
#include "keypads/layout.h"

namespace zarno {

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
