// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every writer of a numeral system, as one type: zarno-cli convert makes the writer of its
// system once (each system's row says which) and keeps the walk of that writer inside its
// loop over the lines. A new writer is added here.
#include <variant>

#include "numerals/armenian_georgian.h"
#include "numerals/chinese.h"
#include "numerals/greek_attic.h"
#include "numerals/greek_ionic.h"
#include "numerals/hebrew.h"
#include "numerals/maya.h"
#include "numerals/roman.h"
#include "numerals/slavonic.h"

namespace zarno {

using NumeralWriter = std::variant<KirilWriter, RimWriter, KitayWriter, LetterWriter,
                                   GrekIonichWriter, AtticWriter, MayaWriter, HebrewWriter>;

}  // namespace zarno
