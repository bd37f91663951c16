// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// zarno-cli: the window model without a window.
//   replay [FILE]            run a scripted session and print the state on "print"
//   convert [options] [N...] write numbers in a numeral system or a digit set
//   read --system NAME [TEXT...]  the number a numeral text stands for

#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/controls.h"

namespace zarno {
class SettingsStore;
}

namespace zarno::cli {

// Exit statuses.
inline constexpr int kOk = 0;
inline constexpr int kNotANumeral = 1;  // a line or text could not be converted or read
inline constexpr int kUsage = 2;
inline constexpr int kIoError = 3;  // the input could not be read or the output written

// Runs one command line; a failure to write `out` (checked after flushing it) gives kIoError
// and a message on `err`, whatever the command itself returned.
int Run(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err);

int Replay(std::istream& script, std::ostream& out, std::ostream& err);

// What a replayed session finds around it; an empty member means what the plain Replay uses:
// the system's fonts, our font installed for the user, the settings file "Zarno.ini".
struct ReplayWorld {
  std::function<std::vector<std::u16string>()> font_families;
  std::function<bool()> install_shipped_font;
  SettingsStore* settings = nullptr;
};
int Replay(std::istream& script, std::ostream& out, std::ostream& err, const ReplayWorld& world);
int Convert(std::span<const std::string> args, std::istream& in, std::ostream& out,
            std::ostream& err);
int Read(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err);

// A CSS counter style that writes numbers as one of our systems does.
struct CssSystemName {
  std::string_view name;
  NumeralSystem system;
};
std::span<const CssSystemName> CssSystemNames();

// A system by the name of its radio button, by its Latin alias ("cyrillic", "roman", ...) or
// by the name of a CSS counter style that writes the same numerals ("upper-roman").
std::optional<NumeralSystem> FindSystem(std::string_view name);
std::string_view SystemAlias(NumeralSystem system);

// The usage text; its lists of names are made from the tables of systems and digit sets.
const std::string& Usage();
// "zarno-cli <version>" and a line "font: <path of our font file>" or "font: not found".
std::string VersionText();

}  // namespace zarno::cli
