// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of the Hebrew system: its renderer as a change of Sovr runs it, and its
// three options. "использовать" writes 500 to 900 with the final letters and is at the same
// time the switch of the five final-letter keys; "гершаим" and "обычай" only redraw. The
// numerals themselves and the letters of the keys are in numerals/hebrew.cpp.
#include "core/main_window_model.h"
#include "core/numeral_systems.h"
#include "numerals/hebrew.h"

namespace zarno {

void MainWindowModel::RenderIudeyskie() { SetKiril(zarno::RenderIudeyskie(Sovr(), Keys())); }

void MainWindowModel::IspolzovatClick() {
  const bool final_letters = Checked(Ctl::Ispolzovat);
  for (Ctl key : kFinalLetterKeys) S(key).enabled = final_letters;
  RenderIudeyskie();
}

void MainWindowModel::GershaimClick() { RenderIudeyskie(); }
void MainWindowModel::ObychayClick() { RenderIudeyskie(); }

// A switch sets the option twice, so that its handler runs and leaves the five keys as the
// row of the new system says: a switch to Hebrew turns the option off and the keys with it;
// a switch to another system turns it on again, keys and all (the Chinese and Maya switches
// leave it alone).
void MainWindowModel::ResetFinalLetters(NumeralSystem system) {
  switch (RowOf(system).final_letters) {
    case FinalLettersOnSwitch::kLeft:
      break;
    case FinalLettersOnSwitch::kOffAndDisabled:
      SetChecked(Ctl::Ispolzovat, true);
      SetChecked(Ctl::Ispolzovat, false);
      break;
    case FinalLettersOnSwitch::kOffAndEnabled:
      SetChecked(Ctl::Ispolzovat, false);
      SetChecked(Ctl::Ispolzovat, true);
      break;
  }
}

}  // namespace zarno
