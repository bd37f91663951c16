// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The keypad of each system as data: every key, check box, panel and option it shows, with
// its place in the main window; a keypad control that is not listed is hidden. One unit per
// group of systems; the row of each system (core/numeral_systems.cpp) names its table.
#include <span>

#include "keypads/layout.h"

namespace zarno::layout {

std::span<const Placement> KirilLayout();
std::span<const Placement> GlagolLayout();
std::span<const Placement> RimLayout();
std::span<const Placement> GrekIonichLayout();
std::span<const Placement> GrekAttichLayout();
std::span<const Placement> KitayLayout();
std::span<const Placement> ArmenLayout();
std::span<const Placement> GruzLayout();
std::span<const Placement> MayaLayout();
std::span<const Placement> IudeyskieLayout();

}  // namespace zarno::layout
