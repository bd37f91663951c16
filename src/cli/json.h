// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace zarno::cli {

// A JSON string literal of UTF-16 text: UTF-8, quotes, backslashes and control characters
// escaped.
std::string JsonString(std::u16string_view text);

}  // namespace zarno::cli
