// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The per-system keypad tables behind KeypadLayout, one unit per group of systems.
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
