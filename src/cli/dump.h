// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "core/main_window_model.h"

namespace zarno::cli {

// Writes the state of every control of the main window as one JSON line: for each control its
// name, kind, caption (or text, for edits, outputs and combo boxes), shown, enabled, checked,
// place, font family, size, colour, bold and italic.
void Dump(const MainWindowModel& model, std::ostream& out);

}  // namespace zarno::cli
