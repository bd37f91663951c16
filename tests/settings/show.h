// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// UTF-16 text as code points ("U+0416 a"), for failure messages. GoogleTest prints whole
// u16strings itself; this is for the views and single values it does not print.
#include <string>
#include <string_view>

#include "support/u16_print.h"

namespace zarno::testing {

inline std::string Show(std::u16string_view s) { return CodePoints(s); }

}  // namespace zarno::testing
