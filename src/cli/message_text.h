// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace zarno::cli {

// The user's text as it is quoted in a message: printable UTF-8 stays as it is, a backslash
// becomes \\, and every byte of a control character (NUL, tab, line ends, escape, DEL, the C1
// controls) or of invalid UTF-8 becomes \xNN, so that a message is always one line of valid
// text.
std::string Printable(std::string_view bytes);

// After a command has read `in` to its end: when the reading failed (standard input is a
// folder, a device gave an error), says so on `err` and returns true.
bool InputFailed(std::istream& in, std::string_view command, std::ostream& err);

}  // namespace zarno::cli
